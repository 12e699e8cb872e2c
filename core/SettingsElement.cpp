#include "core/SettingsElement.h"

#include "core/HuntERR31.h"

Ref<ISettings2> RequiredElement(ISettings2& oSettings, const std::string& sPath, const std::string& sElement,
                                const std::string& sFileName) {
    Check(oSettings.Select(sPath), ERR_MISSING_SETTINGS_ELEMENT,
          "Invalid Settings File. Element %0 is Missing or corrupt||%1",
          Variant{Variant(sElement), Variant(sFileName)});
    return oSettings.Node();
}

Ref<ISettings2> RequiredElement(ISettings2& oSettings, const std::string& sElement) {
    return RequiredElement(oSettings, sElement, sElement, oSettings.FileName());
}
