#include "core/SettingsElement.h"

#include "core/HuntERR31.h"

Ref<ISettings2> RequiredElement(ISettings2& oSettings, const std::string& sPath, const std::string& sElement,
                                const std::string& sFileName, const std::string& sWhy) {
    // The message stays what it always was; the reason follows on a line of
    // its own, so that a user sees whether to look for the file or into it.
    Check(oSettings.Select(sPath), ERR_MISSING_SETTINGS_ELEMENT,
          sWhy.empty() ? "Invalid Settings File. Element %0 is Missing or corrupt||%1"
                       : "Invalid Settings File. Element %0 is Missing or corrupt||%1||%2",
          Variant{Variant(sElement), Variant(sFileName), Variant(sWhy)});
    return oSettings.Node();
}

Ref<ISettings2> RequiredElement(ISettings2& oSettings, const std::string& sElement) {
    return RequiredElement(oSettings, sElement, sElement, oSettings.FileName());
}
