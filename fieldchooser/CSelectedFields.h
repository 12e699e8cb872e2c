#pragma once
// The field chooser: the user's grid columns per asset type and grid.
#include <string>

#include "interfaces/IFieldChooser.h"
#include "interfaces/ISettings2.h"
#include "platform/runtime/cvCollection.h"

class CSelectedFields final : public IFieldChooser {
public:
    CSelectedFields() = default;
    std::string TypeName() const override { return "CSelectedFields"; }

private:
    Ref<cvCollection> catalogue_;
    Ref<ISettings2> layout_;
    std::string layoutFile_;
};
