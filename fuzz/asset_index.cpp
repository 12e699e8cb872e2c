// Fuzz target: the root's look-up in an asset-code index file, on an
// arbitrary file.
//
// The input is one byte of flags (bit 0: look up by short code instead of by
// asset code), one byte giving the length of the code, the code, and then the
// bytes of the index file.  Whatever the file holds (a short file, a torn
// record, a header count past the end or no number at all), the answer is the
// five fields joined by "|" (exactly four separators when the file holds no
// "|"), and a record that is found carries the code it was found by.
#include <algorithm>
#include <cstdint>
#include <fstream>
#include <string>

#include "platform/runtime/Text.h"
#include "support/FuzzCheck.h"
#include "support/FuzzRoot.h"

namespace {

bool IsAscii(const std::string& s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    fuzz::FuzzRoot& fixture = fuzz::FuzzRoot::Get();

    bool byShortCode = false;
    std::string code, file = input;
    if (input.size() >= 2) {
        byShortCode = (static_cast<unsigned char>(input[0]) & 1) != 0;
        size_t length = std::min<size_t>(static_cast<unsigned char>(input[1]), input.size() - 2);
        code = input.substr(2, length);
        file = input.substr(2 + length);
    }
    {
        std::ofstream out(fixture.dataFolder + kAssetIndexFolder + "/indXX.dat",
                          std::ios::binary | std::ios::trunc);
        out.write(file.data(), static_cast<std::streamsize>(file.size()));
        if (!out) fuzz::Fail("cannot write the index file");
    }

    const std::string result = byShortCode ? fixture.root->GetQZAssetCode("XX", "", code)
                                           : fixture.root->GetQZAssetCode("XX", code, "");

    auto detail = [&] {
        return std::string(byShortCode ? "short code " : "asset code ") + fuzz::Shown(code) +
               "\nresult: " + fuzz::Shown(result) + "\nfile: " + fuzz::Shown(file);
    };
    const std::vector<std::string> fields = Split(result, "|");
    if (fields.size() < 5) fuzz::Fail("the answer holds fewer than four separators", detail());
    if (fields.size() != 5 && file.find('|') == std::string::npos)
        fuzz::Fail("the answer holds more than four separators", detail());
    if (fields.size() == 5 && !fields[0].empty()) {
        // Found: the record carries the code it was looked up by.
        if (byShortCode && fields[0] != code)
            fuzz::Fail("a record was found whose short code is not the one asked for", detail());
        if (!byShortCode && IsAscii(code) && !EqualsNoCase(fields[2], code))
            fuzz::Fail("a record was found whose asset code is not the one asked for", detail());
    }
    return 0;
}
