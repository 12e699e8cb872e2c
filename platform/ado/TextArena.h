#pragma once
// The texts of one column of a record set, one after another in large
// chunks, each preceded by its length.  A text is named by a 32-bit handle: 12 bits of
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
    // The text a handle of Add names.
    std::string_view Get(uint32_t handle) const;
    // Calls f(text) for each text in the order they were added, while it
    // returns true; returns false when f stopped the walk.
    template <class F>
    bool ForEach(F&& f) const {
        for (const std::string& chunk : chunks_) {
            const char* q = chunk.data();
            const char* end = q + chunk.size();
            while (q < end) {
                uint64_t len = 0;
                for (int shift = 0;; shift += 7) {
                    unsigned char b = static_cast<unsigned char>(*q++);
                    len |= static_cast<uint64_t>(b & 0x7F) << shift;
                    if (!(b & 0x80)) break;
                }
                if (!f(std::string_view(q, len))) return false;
                q += len;
            }
        }
        return true;
    }
    // Drops every text.
    void Clear();
    // Gives back the spare room of the last chunk.
    void Shrink();
    // What the chunks occupy, spare room included.
    size_t Bytes() const;
    // What the stored texts and their lengths take.
    size_t Size() const;

private:
    std::vector<std::string> chunks_;
};

}  // namespace ADODB
