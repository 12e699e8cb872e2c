#pragma once
// An object that receives its settings element.
#include "interfaces/ISettings2.h"

class ISettingsObject2 : public virtual Object {
public:
    // Takes the object's settings element; raises &H8004183C when an element it needs is missing or
    // unusable, and any other error reaches the caller.  The parameters container alone shows its errors.
    virtual void Settings(const Ref<ISettings2>& oSettings) = 0;
};
