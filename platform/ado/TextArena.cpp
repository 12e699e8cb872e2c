#include "TextArena.h"

#include <algorithm>

#include "AdoErrors.h"
#include "platform/runtime/Error.h"

namespace ADODB {

namespace {
constexpr unsigned kPositionBits = 20;
constexpr size_t kChunk = size_t{1} << kPositionBits;
constexpr size_t kMaxChunks = size_t{1} << (32 - kPositionBits);
}  // namespace

uint32_t TextArena::Add(std::string_view s) {
    char prefix[10];
    size_t p = 0;
    uint64_t len = s.size();
    do {  // the length, 7 bits a byte, high bit = more
        char b = static_cast<char>(len & 0x7F);
        len >>= 7;
        prefix[p++] = len ? static_cast<char>(b | 0x80) : b;
    } while (len);
    const size_t need = p + s.size();
    // A chunk takes texts while they end within its first 1 MB, so every
    // position fits its 20 bits.  The first chunk grows as a string does;
    // later ones are made at full size and never move.  A longer text gets a
    // chunk of its own.
    bool fits = !chunks_.empty() && chunks_.back().size() + need <= kChunk;
    if (!fits) {
        if (chunks_.size() == kMaxChunks)
            Raise(adErrProviderFailed, kProviderSource,
                  "The result of the statement is too big to hold in memory.");
        chunks_.emplace_back();
        if (chunks_.size() > 1 || need > kChunk) chunks_.back().reserve(std::max(kChunk, need));
    }
    std::string& chunk = chunks_.back();
    uint32_t handle = static_cast<uint32_t>(((chunks_.size() - 1) << kPositionBits) | chunk.size());
    chunk.append(prefix, p);
    chunk.append(s);
    return handle;
}

std::string_view TextArena::Get(uint32_t handle) const {
    const std::string& chunk = chunks_[handle >> kPositionBits];
    const char* q = chunk.data() + (handle & (kChunk - 1));
    uint64_t len = 0;
    for (int shift = 0;; shift += 7) {
        unsigned char b = static_cast<unsigned char>(*q++);
        len |= static_cast<uint64_t>(b & 0x7F) << shift;
        if (!(b & 0x80)) break;
    }
    return std::string_view(q, len);
}

void TextArena::Clear() {
    chunks_.clear();
    chunks_.shrink_to_fit();
}

void TextArena::Shrink() {
    if (!chunks_.empty()) chunks_.back().shrink_to_fit();
    chunks_.shrink_to_fit();
}

size_t TextArena::Bytes() const {
    size_t total = chunks_.capacity() * sizeof(std::string);
    for (const std::string& c : chunks_) total += c.capacity();
    return total;
}

size_t TextArena::Size() const {
    size_t total = 0;
    for (const std::string& c : chunks_) total += c.size();
    return total;
}

}  // namespace ADODB
