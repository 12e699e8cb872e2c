#include "cvWindows.h"

#include <sys/random.h>

#include <cerrno>
#include <cstdint>
#include <random>

#include "platform/runtime/Text.h"
#include "platform/ui/MsgBox.h"

namespace {

void FillRandom(uint8_t* bytes, size_t n) {
    size_t got = 0;
    while (got < n) {
        ssize_t r = getrandom(bytes + got, n - got, 0);
        if (r > 0) {
            got += static_cast<size_t>(r);
        } else if (r < 0 && errno != EINTR) {
            break;
        }
    }
    if (got == n) return;
    // Without getrandom the library's own non-deterministic source serves.
    std::random_device device;
    for (; got < n; ++got) bytes[got] = static_cast<uint8_t>(device());
}

}  // namespace

std::string cvWindows::NewID() {
    uint8_t b[16];
    FillRandom(b, sizeof b);
    b[6] = static_cast<uint8_t>((b[6] & 0x0F) | 0x40);  // version 4
    b[8] = static_cast<uint8_t>((b[8] & 0x3F) | 0x80);  // RFC 4122 variant
    static const char digits[] = "0123456789ABCDEF";
    std::string id = "{";
    for (int i = 0; i < 16; ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10) id += '-';
        id += digits[b[i] >> 4];
        id += digits[b[i] & 0x0F];
    }
    return id + "}";
}

int32_t cvWindows::ShowMessage(const std::string& sText, int32_t lStyle, const std::string& sTitle, int32_t,
                               int32_t) {
    return ui::MsgBox(WithLineBreaks(sText), lStyle, sTitle);
}
