#pragma once
// The system component of the tools library.  The library creates it with the
// other components and calls none of its members.
#include "platform/runtime/Object.h"

class cvSystem : public virtual Object {
public:
    static constexpr const char* kProgID = "cvTools2.cvSystem";
};
