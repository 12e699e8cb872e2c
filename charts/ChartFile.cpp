#include "charts/ChartFile.h"

#include <filesystem>

#include "core/mTL5ErrorCodes.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/Text.h"
#include "platform/xml/cvSettings.h"
#include "platform/xml/kqXML.h"

namespace {
constexpr const char* kRootElement = "TerralithChart";
}  // namespace

void LoadChartFile(const Ref<ISettings2>& oDocument, const std::string& sPath, const std::string& sWhat) {
    const bool parsed = oDocument->Load(sPath);
    std::error_code ec;
    if (!parsed && !std::filesystem::is_regular_file(sPath, ec))
        Raise(rt::kPathFileAccess, "", "The " + sWhat + " \"" + VisibleText(sPath) + "\" is not a file");
    // The root element itself: the settings object would also find the name
    // one level further down.
    if (!parsed || oDocument->XMLObject()->CountNodes(std::string("/") + kRootElement) != 1) {
        // What the parser objected to, where it said.
        const std::string why = parsed ? std::string() : LoadProblemOf(oDocument);
        Raise(ERR_GENERAL, "",
              "The " + sWhat + " \"" + VisibleText(sPath) +
                  "\" is not an XML document whose root element is " + kRootElement +
                  (why.empty() ? "" : ": " + why));
    }
}
