#include "support/FakeLists.h"

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
