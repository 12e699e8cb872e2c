#pragma once
// An object that receives its settings element.
#include "interfaces/ISettings2.h"

class ISettingsObject2 : public virtual Object {
public:
    virtual void Settings(const Ref<ISettings2>& oSettings) = 0;
};
