#pragma once
// The graphics component of the tools library.  The library creates it with
// the other components and calls none of its members.
#include "platform/runtime/Object.h"

class cvGraphics : public virtual Object {
public:
    static constexpr const char* kProgID = "cvTools2.cvGraphics";
};
