// Fuzz target: the root's look-up in an asset-code index file, on an
// arbitrary file.
//
// The input is one byte of flags, one byte giving the length of a code, the
// code, and then the bytes of the index file.  Flags: bit 0 looks the code up
// as a short code instead of an asset code; bit 1 takes the code from the
// file instead (field 1 or 2, by bit 0, of the record the code's first byte
// numbers), as hosts look up codes that exist; bit 2 then swaps the letter
// case of that code.  Whatever the file holds (a short file, a torn record, a
// header count past the end or no number at all), the answer is the five
// fields joined by "|" (exactly four separators when the file holds no "|"),
// and a record that is found carries the code it was found by: a short code
// exactly, an asset code without regard to case.
#include <algorithm>
#include <cstdint>
#include <fstream>
#include <string>

#include "platform/runtime/Codepage.h"
#include "platform/runtime/Text.h"
#include "support/FuzzCheck.h"
#include "support/FuzzRoot.h"

namespace {

// Trimmed field `field` (1 to 5) of record `number` (from 1) of the file, as UTF-8.
std::string FieldOf(const std::string& file, size_t number, int field) {
    static const size_t offsets[] = {0, 10, 265, 520, 775}, widths[] = {10, 255, 255, 255, 1};
    const size_t at = (number - 1) * 776 + offsets[field - 1];
    if (at >= file.size()) return "";
    return Trim(FromWindows1252(file.substr(at, widths[field - 1])));
}

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
        size_t length = std::min<size_t>(static_cast<unsigned char>(input[1]), input.size() - 2);
        code = input.substr(2, length);
        file = input.substr(2 + length);
        const unsigned flags = static_cast<unsigned char>(input[0]);
        if ((flags & 2) && !file.empty()) {
            const size_t records = (file.size() + 775) / 776;
            const size_t number = 1 + (code.empty() ? 0 : static_cast<unsigned char>(code[0])) % records;
            code = FieldOf(file, number, (flags & 1) ? 1 : 2);
            if (flags & 4) code = fuzz::SwapCase(code);
        }
        // An empty short code means "search by asset code".
        byShortCode = (flags & 1) != 0 && !code.empty();
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
