#pragma once
// What the tests of the console host's commands share: the host run as a
// script runs it on a copy of the sample data, and helpers that read what it
// printed.
#include <string>
#include <vector>

#include "support/HostProcess.h"
#include "support/RootFixture.h"

class HostCommandFixture : public RootFixture {
protected:
    // Runs the host (or `program`) on the copy's settings, output into the
    // scratch folder; its status and output.
    HostProcessRun Run(std::vector<std::string> args, const std::string& program = TERRALITH_BINARY) {
        const std::string settings = data.Write("Host.settings.xml", settingsXml);
        args.insert(args.begin(), "--settings=" + settings);
        return RunHostProcess(program, args, scratch.Path());
    }
    // True when `part` occurs in `text`.
    static bool Has(const std::string& text, const std::string& part) {
        return text.find(part) != std::string::npos;
    }
    // The CSV lines of an output, heading first, without the empty one after the last break.
    static std::vector<std::string> Lines(const std::string& out) {
        std::vector<std::string> lines = Split(out, "\r\n");
        if (!lines.empty() && lines.back().empty()) lines.pop_back();
        return lines;
    }
    // The sample query file `name` of the source tree.
    static std::string SampleQuery(const std::string& name) {
        const std::string here = __FILE__;
        return here.substr(0, here.rfind("/tests/")) + "/sample/queries/" + name;
    }

    TempDir scratch;
};
