#include "support/FakeLists.h"

#include <charconv>

#include "platform/runtime/Error.h"
#include "platform/runtime/cvCollection.h"

void FakeLists::FailAvailableFields(int32_t lNumber, const std::string& sDescription) {
    failNumber_ = lNumber;
    failDescription_ = sDescription;
}

Ref<cvCollection> FakeLists::AvailableFields() {
    ++requests_;
    if (failNumber_ != 0) Raise(failNumber_, "FakeLists", failDescription_);
    return catalogue_;
}

void FakeLookupCache::Fill(int32_t lID, const std::string& sCode, const std::string& sName) {
    filled_ = true;
    items_[lID] = {sCode, sName};
}

std::pair<std::string, std::string> FakeLookupCache::Part(int32_t lID) const {
    if (!filled_) return {};
    auto it = items_.find(lID);
    if (it == items_.end()) {
        char number[16];
        char* end = std::to_chars(number, number + sizeof number, lID).ptr;
        Raise(5, "FakeLookupCache", "no item " + std::string(number, end));
    }
    return it->second;
}
