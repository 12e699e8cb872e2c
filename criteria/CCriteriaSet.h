#pragma once
// What every criteria set shares: one settings document bound to the set's
// element of the query XML (no criterion is held in a member, so a set bound
// to a newly loaded query needs no refresh), the binding, and the changed
// flag with the read-only guard.
//
// The sets differ in how their shared members handle errors: which carry a
// handler at all, which end an error and which pass it on, and how an ended
// error is shown.  Each set states that in its profile.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/ErrorDisplay.h"
#include "core/ErrorHandler.h"
#include "interfaces/ICriteria.h"
#include "interfaces/ISettingsObject2.h"

// How one member handles an error.
enum class Handling : char {
    Bare,  // no handler: the error reaches the caller unrecorded
    Pass,  // records the member and passes the error on
    End,   // records the member, shows the error and returns normally
};

struct CriteriaSetProfile {
    const char* className;      // "CField"
    const char* interfaceName;  // "IField"
    ErrDisplay display;         // how an ended error is shown
    Handling construction;      // Class_Initialize
    Handling binding;           // ISettingsObject2_Settings and Modified
    Handling shoreStatus;       // AddShoreStatus, ShoreStatus, RemoveShoreStatus, ClearShoreStatuses
    Handling shoreStatusCount;  // ShoreStatusCount
};

class CCriteriaSet : public virtual ICriteriaSet, public ISettingsObject2 {
public:
    // ISettingsObject2: binds the set to its element of the query.
    void Settings(const Ref<ISettings2>& oSettings) override;

    bool Modified() override;
    // Ignored while the active query is read-only.
    void SetModified(bool bModified) override;

    // The display of the members that end their errors.
    ErrorDisplayTarget HandlerDisplay() const { return {profile_.display, nullptr}; }
    void ShowErrorReport() const { ::ShowErrorReport(HandlerDisplay()); }

    std::string TypeName() const override { return profile_.className; }

protected:
    explicit CCriteriaSet(const CriteriaSetProfile& profile);

    // "CField.IField_<member>": the signature text of an interface member.
    std::string Member(std::string_view sMember) const;

    // Runs a member's body under the handling its profile gives it.
    template <class Args, class Body>
    auto Handle(Handling handling, std::string_view sLocation, Args&& args, Body&& body)
        -> std::invoke_result_t<Body&> {
        switch (handling) {
            case Handling::Pass:
                return PassOn(sLocation, args, body);
            case Handling::End:
                return EndHere(profile_.display, sLocation, args, body);
            case Handling::Bare:
                break;
        }
        return body();
    }

    const CriteriaSetProfile& profile_;
    // The set's whole state: the query XML below the set's element.
    Ref<ISettings2> settings_;
};
