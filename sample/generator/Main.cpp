// terralith-sample: writes a sample data folder (see SampleGenerator.h).
#include <iostream>
#include <string>
#include <vector>

#include "SampleGenerator.h"
#include "SampleText.h"
#include "platform/runtime/Error.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        std::cerr << SampleGenerator::Usage();
        return args.empty() ? 2 : 0;
    }
    SampleOptions options;
    try {
        options = SampleGenerator::ParseArguments(args);
    } catch (const Error& e) {
        std::cerr << "terralith-sample: error " << IntText(e.Number()) << ": " << e.Description() << "\n"
                  << SampleGenerator::Usage();
        return 2;
    }
    try {
        const SampleWorld::Counts c = SampleGenerator::Generate(options);
        std::cout << "terralith-sample: " << options.outFolder << ": "
                  << IntText(static_cast<int64_t>(c.fields)) << " fields, "
                  << IntText(static_cast<int64_t>(c.wells)) << " wells, "
                  << IntText(static_cast<int64_t>(c.blocks)) << " blocks, "
                  << IntText(static_cast<int64_t>(c.transport)) << " transport systems, "
                  << IntText(static_cast<int64_t>(c.companies)) << " companies, "
                  << IntText(static_cast<int64_t>(c.annualRows)) << " annual rows\n";
        return 0;
    } catch (const Error& e) {
        std::cerr << "terralith-sample: error " << IntText(e.Number()) << ": " << e.Description() << "\n";
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "terralith-sample: error " << IntText(rt::kInternal) << ": " << e.what() << "\n";
        return 1;
    }
}
