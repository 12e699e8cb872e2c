#pragma once
// The texts of one column of a record set, one after another in large
// chunks, each preceded by its length.  A text is named by a 32-bit handle:
// 12 bits of chunk and 20 bits of position, so a cell costs four bytes
// besides its text, and storing never moves a text to another handle.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

namespace ADODB {

class TextArena {
public:
    // An empty arena; moving one leaves the source empty (the handles stay
    // valid in the destination).
    TextArena() = default;
    TextArena(TextArena&& o) noexcept
        : chunks_(std::move(o.chunks_)), last_(std::exchange(o.last_, nullptr)) {
        o.chunks_.clear();
    }
    TextArena& operator=(TextArena&& o) noexcept {
        if (this != &o) {
            chunks_ = std::move(o.chunks_);
            last_ = std::exchange(o.last_, nullptr);
            o.chunks_.clear();
        }
        return *this;
    }

    // Stores a text and returns its handle; raises &H80004005 when the arena
    // is full (4096 chunks of at least 1 MB).
    uint32_t Add(std::string_view s) {
        // The common case inline: a text under 128 bytes (a one-byte length)
        // that fits the room left in the last chunk.
        Chunk* c = last_;
        if (s.size() < 128 && c && c->size + s.size() < c->limit) {
            char* q = c->data.get() + c->size;
            *q = static_cast<char>(s.size());
            std::memcpy(q + 1, s.data(), s.size());
            const uint32_t handle = c->base | static_cast<uint32_t>(c->size);
            c->size += s.size() + 1;
            return handle;
        }
        return AddSlowly(s);
    }
    // The text a handle of Add names.
    std::string_view Get(uint32_t handle) const {
        const char* q = chunks_[handle >> kPositionBits].data.get() + (handle & (kChunk - 1));
        uint64_t len = 0;
        for (int shift = 0;; shift += 7) {
            unsigned char b = static_cast<unsigned char>(*q++);
            len |= static_cast<uint64_t>(b & 0x7F) << shift;
            if (!(b & 0x80)) break;
        }
        return std::string_view(q, len);
    }
    // Calls f(text) for each text in the order they were added, while it
    // returns true; returns false when f stopped the walk.
    template <class F>
    bool ForEach(F&& f) const {
        for (const Chunk& chunk : chunks_) {
            const char* q = chunk.data.get();
            const char* end = q + chunk.size;
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
    static constexpr unsigned kPositionBits = 20;  // of a handle; the other 12 name the chunk
    static constexpr size_t kChunk = size_t{1} << kPositionBits;
    static constexpr size_t kMaxChunks = size_t{1} << (32 - kPositionBits);

    struct Chunk {
        std::unique_ptr<char[]> data;
        size_t size = 0;      // bytes used
        size_t capacity = 0;  // bytes allocated
        // Where texts must end: a chunk takes texts while they end within
        // its first 1 MB, so every position fits its 20 bits.
        size_t limit = 0;
        uint32_t base = 0;  // the chunk's number in a handle
    };

    uint32_t AddSlowly(std::string_view s);
    // Moves the last chunk into `capacity` bytes; the positions stay.
    void Reallocate(size_t capacity);
    std::vector<Chunk> chunks_;
    Chunk* last_ = nullptr;  // chunks_.back(), for the fast path
};

}  // namespace ADODB
