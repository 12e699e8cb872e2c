#pragma once
// The field chooser: for every asset type and grid the user's choice of
// columns, their order and a year range.  It keeps no copies: the choice
// lives in index collections inside the field catalogue of the lists root,
// which it takes when it is made.  The root makes it as the last step of
// opening the database.
#include <string>

#include "core/ErrorDisplay.h"
#include "interfaces/IFieldChooser.h"

class cvCollection;

class CSelectedFields final : public IFieldChooser, public ShowsErrors<ErrDisplay::G> {
public:
    // Takes the catalogue from the root's lists, which builds it when it does
    // not exist yet; a failure is shown and leaves the chooser without one.
    CSelectedFields();

    std::string TypeName() const override { return "CSelectedFields"; }

private:
    Ref<cvCollection> catalogue_;
};
