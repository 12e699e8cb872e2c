#include "fieldchooser/CSelectedFields.h"

#include "core/Neighbours.h"

Ref<IFieldChooser> NewSelectedFields() { return New<CSelectedFields>(); }
