#pragma once
// The charts of a data folder:
//
//   <folder>/Charts/ChartManifest.xml    series colours and the charts per asset type
//   <folder>/Charts/Definitions/*.xml    one chart definition per chart, with its queries
//
// The definitions cover each way a chart is drawn: plain lines on two axes,
// plain bars, stacked bars read down and across a result, and bars stacked
// by the grouping rule.  Their queries hold "ASSET_CODE" where the host's
// asset codes go.
#include <string>
#include <vector>

class SampleCharts {
public:
    static constexpr const char* kFolder = "Charts/";
    static constexpr const char* kManifest = "Charts/ChartManifest.xml";
    static constexpr const char* kDefinitions = "Charts/Definitions/";

    struct File {
        std::string name;  // file name within the definitions folder, without ".xml"
        std::string xml;
    };

    static std::string ManifestXml();
    static std::vector<File> Definitions();
    // Writes the manifest and the definitions below the data folder (ending in "/").
    static void Write(const std::string& dataFolder);
};
