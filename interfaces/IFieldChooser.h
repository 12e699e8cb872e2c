#pragma once
// The user's grid columns; its members arrive with the field chooser work.
#include "platform/runtime/Object.h"

class IFieldChooser : public virtual Object {};
