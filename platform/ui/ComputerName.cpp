#include "ComputerName.h"

#include <unistd.h>

namespace ui {

std::string ComputerName() {
    char buf[256] = {};
    if (gethostname(buf, sizeof buf - 1) != 0) return "";
    return std::string(buf);
}

}  // namespace ui
