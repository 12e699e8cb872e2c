#pragma once
// The name of the computer, as error reports print it.
#include <string>

namespace ui {

// The host name; "" when the system cannot tell it.
std::string ComputerName();

}  // namespace ui
