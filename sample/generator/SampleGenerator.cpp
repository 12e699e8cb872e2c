#include "SampleGenerator.h"

#include <charconv>
#include <filesystem>

#include "AssetIndexFile.h"
#include "SampleCharts.h"
#include "SampleDatabase.h"
#include "SampleFiles.h"
#include "SampleGridLayouts.h"
#include "SampleReference.h"
#include "SampleSchema.h"
#include "SampleSettings.h"
#include "SampleText.h"
#include "platform/runtime/Error.h"

namespace fs = std::filesystem;

namespace {
const char* const kSource = "SampleGenerator";

template <class T>
T WholeNumber(const std::string& option, const std::string& text, T lo, T hi) {
    T value{};
    auto r = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || r.ec != std::errc() || r.ptr != text.data() + text.size() || value < lo || value > hi)
        Raise(rt::kInvalidCall, kSource,
              option + " takes a whole number from " + IntText(static_cast<int64_t>(lo)) + " to " +
                  IntText(static_cast<int64_t>(hi)) + ", not \"" + text + "\"");
    return value;
}

// Runs the scripts of one database: those before the data or those after it.
void RunScripts(SampleDatabase& db, const std::string& folder, bool afterData) {
    for (const SampleScript& s : SampleScripts()) {
        if (s.path.rfind(folder + "/", 0) != 0) continue;
        const std::string name = s.path.substr(folder.size() + 1);
        if ((name[0] == '9') == afterData) db.Exec(s.text, s.path);
    }
}
}  // namespace

const std::vector<std::string>& SampleGenerator::IndexCountries() {
    static const std::vector<std::string> countries = {"GB", "NO"};
    return countries;
}

std::string SampleGenerator::Usage() {
    return "usage: terralith-sample OUT_FOLDER [--fields N] [--seed S] [--units FILE] [--translations FILE]\n"
           "  Writes a sample data folder: core, annual and notes databases, index files, settings.\n"
           "  --fields N          number of field records, 0 to " +
           IntText(kMaxFields) +
           " (default 300)\n"
           "  --seed S            seed of the generated data (default 20241231)\n"
           "  --units FILE        units settings element to put into the settings file\n"
           "  --translations FILE translation file to copy into the data folder\n";
}

SampleOptions SampleGenerator::ParseArguments(const std::vector<std::string>& args) {
    SampleOptions o;
    bool haveFolder = false;
    for (size_t i = 0; i < args.size(); ++i) {
        std::string arg = args[i], value;
        const bool option = arg.rfind("--", 0) == 0;
        if (option) {
            const size_t eq = arg.find('=');
            if (eq != std::string::npos) {
                value = arg.substr(eq + 1);
                arg = arg.substr(0, eq);
            } else {
                if (i + 1 >= args.size()) Raise(rt::kInvalidCall, kSource, arg + " needs a value");
                value = args[++i];
            }
            if (arg == "--fields")
                o.fields = WholeNumber<int>(arg, value, 0, kMaxFields);
            else if (arg == "--seed")
                o.seed = WholeNumber<uint64_t>(arg, value, 0, UINT64_MAX);
            else if (arg == "--units")
                o.unitsFile = value;
            else if (arg == "--translations")
                o.translationsFile = value;
            else
                Raise(rt::kInvalidCall, kSource, "unknown option " + arg);
        } else {
            if (haveFolder) Raise(rt::kInvalidCall, kSource, "one output folder only, not also " + arg);
            if (arg.empty()) Raise(rt::kInvalidCall, kSource, "the output folder must not be empty");
            o.outFolder = arg;
            haveFolder = true;
        }
    }
    if (!haveFolder) Raise(rt::kInvalidCall, kSource, "no output folder given");
    return o;
}

SampleWorld::Counts SampleGenerator::Generate(const SampleOptions& options) {
    if (options.outFolder.empty()) Raise(rt::kInvalidCall, kSource, "no output folder given");
    if (options.fields < 0 || options.fields > kMaxFields)
        Raise(rt::kInvalidCall, kSource,
              "the number of fields must lie between 0 and " + IntText(kMaxFields));
    std::string folder = fs::absolute(options.outFolder).lexically_normal().string();
    if (folder.empty() || folder.back() != '/') folder += '/';
    // The settings file carries the units; read them first so a bad units file
    // stops the run before anything is written.
    std::string units;
    if (!options.unitsFile.empty() && FileExists(options.unitsFile))
        units = SampleSettings::UnitsElement(options.unitsFile);

    const std::string database = folder + "Core/Database/";
    for (const char* sub : {"Core/Database", "Core/Cache", "Core/Notes", "Default", "User"})
        MakeFolder(folder + sub);
    MakeFolder(folder + kProductFolder);

    SampleWorld::Counts counts;
    std::vector<SampleIndexEntry> entries;
    std::string layouts;
    {
        SampleDatabase core(database + "Terralith.db.tmp");
        SampleDatabase annual(database + "Annual.db.tmp");
        RunScripts(core, "core", false);
        RunScripts(annual, "annual", false);
        const SampleReference ref = SampleReference::Read(core);
        SampleWorld world(ref, core, annual, options.fields, options.seed);
        world.Build();
        RunScripts(core, "core", true);
        RunScripts(annual, "annual", true);
        counts = world.Totals();
        entries = world.IndexEntries();
        layouts = SampleGridLayouts::DefaultLayoutXml(core);
    }
    {
        SampleDatabase notes(database + "Notes.db.tmp");
        RunScripts(notes, "notes", false);
        RunScripts(notes, "notes", true);
    }
    for (const char* name : {"Terralith.db", "Annual.db", "Notes.db"})
        ReplaceFile(database + name + ".tmp", database + name);

    for (const std::string& country : IndexCountries()) {
        std::vector<AssetIndexFile::Record> records;
        for (const SampleIndexEntry& e : entries)
            if (e.country == country)
                records.push_back({{e.shortCode, e.name, e.mnemonic, e.kind, std::string(1, e.shore)}});
        AssetIndexFile::Write(folder + kProductFolder + "/ind" + country + ".dat", records,
                              "Quartz asset index", country);
    }

    WriteSampleFile(database + "Options.ini", SampleSettings::OptionsIni());
    WriteSampleFile(folder + "Default/Default.xml", SampleSettings::DefaultQueryXml());
    WriteSampleFile(folder + "Default/" + SampleGridLayouts::kFileName, layouts);
    SampleCharts::Write(folder);
    WriteSampleFile(folder + "Translations.xml",
                    !options.translationsFile.empty() && FileExists(options.translationsFile)
                        ? ReadWholeFile(options.translationsFile)
                        : SampleSettings::EmptyTranslations());
    WriteSampleFile(folder + "Terralith.settings.xml", SampleSettings::SettingsXml(folder, units));
    return counts;
}
