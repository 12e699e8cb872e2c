#include "criteria/CCriteriaSet.h"

#include "core/CTools.h"
#include "core/Globals.h"

CCriteriaSet::CCriteriaSet(const CriteriaSetProfile& profile) : profile_(profile) {
    Handle(profile_.construction, std::string(profile_.className) + ".Class_Initialize()", ERR_ARGS(),
           [&] { settings_ = gTools()->NewSettingsObject(); });
}

std::string CCriteriaSet::Member(std::string_view sMember) const {
    std::string s(profile_.className);
    s += '.';
    s += profile_.interfaceName;
    s += '_';
    s += sMember;
    return s;
}

void CCriteriaSet::Settings(const Ref<ISettings2>& oSettings) {
    Handle(profile_.binding, std::string(profile_.className) + ".ISettingsObject2_Settings(oSettings)",
           ERR_ARGS(oSettings), [&] { settings_->Attach(oSettings); });
}

bool CCriteriaSet::Modified() {
    return Handle(profile_.binding, Member("Modified()"), ERR_ARGS(), [&] { return settings_->Modified(); });
}

void CCriteriaSet::SetModified(bool bModified) {
    Handle(profile_.binding, Member("Modified(bModified)"), ERR_ARGS(bModified), [&] {
        if (ActiveQueryIsReadOnly()) return;
        settings_->SetModified(bModified);
    });
}
