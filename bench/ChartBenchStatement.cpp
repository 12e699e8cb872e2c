// The statement a chart query is opened with, kept apart from the benchmark
// itself: the sample generator's headers declare names the statement
// builders' headers declare too.
#include <string>

#include "platform/ado/JetTranslator.h"
#include "sql/SqlValues.h"

namespace bench {

// The chart query's SQL with the host's codes put in for "ASSET_CODE" as the
// chart puts them in, translated for the engine.
std::string ChartStatement(const std::string& sSQL, const std::string& sAssetCodes) {
    return ADODB::JetTranslator::Translate(ReplacePlaceholder(sSQL, "ASSET_CODE", SqlCodeList(sAssetCodes)));
}

}  // namespace bench
