#pragma once
// The texts of a record set, one after another in large chunks, each
// preceded by its length.  A text is named by a 32-bit handle: 12 bits of
// chunk and 20 bits of position, so a cell costs four bytes besides its
// text, and storing never moves what is already stored.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ADODB {

class TextArena {
public:
    // Stores a text; raises &H80004005 when the arena is full (4096 chunks
    // of at least 1 MB).
    uint32_t Add(std::string_view s);
    std::string_view Get(uint32_t handle) const;
    void Clear();
    void Shrink();
    size_t Bytes() const;

private:
    std::vector<std::string> chunks_;
};

}  // namespace ADODB
