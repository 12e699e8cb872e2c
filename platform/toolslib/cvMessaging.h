#pragma once
// The messaging component of the tools library: command objects for the
// host's callback.
#include <string>

#include "cvCommand.h"
#include "platform/runtime/Object.h"
#include "platform/runtime/Variant.h"

class cvMessaging : public virtual Object {
public:
    static constexpr const char* kProgID = "cvTools2.cvMessaging";

    // A command from a template of KEY=value pairs joined by "!" in which
    // "%1", "%2", ... stand for the 1-based entries of the values (a value
    // that is not an array is entry 1).  Each value is put into its pair's
    // slot after the template has been taken apart, so nothing a value holds
    // can change the pairs.  An array whose one entry is itself an array (the
    // values handed on as a list of arguments) counts as that inner array.
    // A pair without a key raises 5; "" gives a command without pairs.
    Ref<cvCommand> BuildCommand(const std::string& sTemplate, const Variant& vValues);
};
