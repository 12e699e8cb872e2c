#include "lists/CLookupCache.h"

#include "core/CTools.h"
#include "core/ErrorHandler.h"
#include "core/Globals.h"
#include "platform/runtime/cvCollection.h"
#include "platform/toolslib/cvStrings.h"

namespace {
std::string KeyOf(int32_t lID) { return "I_" + std::to_string(lID); }
}  // namespace

void CLookupCache::Start() {
    items_ = gTools()->NewCollection();
    complete_ = false;
}

void CLookupCache::Add(int32_t lItemNumber, const std::string& sCode, const std::string& sName) {
    items_->Add(Variant(sCode + "|" + sName), KeyOf(lItemNumber));
}

std::string CLookupCache::Entry(int32_t lID) const { return items_->Item(Variant(KeyOf(lID))).ToString(); }

std::string CLookupCache::Code(int32_t lID) const {
    if (!items_) return "";
    return gTools()->Str()->Token(Entry(lID), "|", 0, 1);
}

std::string CLookupCache::Description(int32_t lID) const {
    if (!items_) return "";
    // Only the first bar separates: a code never holds one, a name may, so
    // the name is every item from the second on (a count of 0).
    return gTools()->Str()->Token(Entry(lID), "|", 1, 0);
}

std::string CLookupCache::CodeFor(std::string_view sLocation, int32_t lID) const {
    return PassOn(sLocation, ERR_ARGS(lID), [&] { return Code(lID); });
}

std::string CLookupCache::DescriptionFor(std::string_view sLocation, int32_t lID) const {
    return PassOn(sLocation, ERR_ARGS(lID), [&] { return Description(lID); });
}
