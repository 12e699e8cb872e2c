#pragma once
// The windows component of the tools library: unique identifiers and message
// boxes.
#include <cstdint>
#include <string>

#include "platform/runtime/Object.h"

class cvWindows : public virtual Object {
public:
    static constexpr const char* kProgID = "cvTools2.cvWindows";

    // A new random (version 4) GUID as "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}",
    // upper-case hex.  Query identifiers and client identifiers come from it,
    // so it draws on the system's random source, never a seeded generator.
    std::string NewID();

    // Shows a message box ("||" in the text is a line break) with the style's
    // buttons and icon and returns the button pressed.  l1 and l2 are unused.
    int32_t ShowMessage(const std::string& sText, int32_t lStyle = 0, const std::string& sTitle = "",
                        int32_t l1 = 0, int32_t l2 = 0);
};
