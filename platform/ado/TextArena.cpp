#include "TextArena.h"

#include <algorithm>

#include "AdoErrors.h"
#include "platform/runtime/Error.h"

namespace ADODB {

void TextArena::Reallocate(size_t capacity) {
    Chunk& last = chunks_.back();
    std::unique_ptr<char[]> room(new char[capacity]);
    if (last.size) std::memcpy(room.get(), last.data.get(), last.size);
    last.data = std::move(room);
    last.capacity = capacity;
    last.limit = std::min(capacity, kChunk);
}

uint32_t TextArena::AddSlowly(std::string_view s) {
    char prefix[10];
    size_t p = 0;
    uint64_t len = s.size();
    do {  // the length, 7 bits a byte, high bit = more
        char b = static_cast<char>(len & 0x7F);
        len >>= 7;
        prefix[p++] = len ? static_cast<char>(b | 0x80) : b;
    } while (len);
    const size_t need = p + s.size();
    // The last chunk grows as a string does, up to 1 MB; then a new chunk is
    // made at full size.  A longer text gets a chunk of its own.
    if (chunks_.empty() || chunks_.back().size + need > kChunk) {
        if (chunks_.size() == kMaxChunks)
            Raise(adErrProviderFailed, kProviderSource,
                  "The result of the statement is too big to hold in memory.");
        chunks_.reserve(chunks_.size() + 1);
        chunks_.emplace_back();
        chunks_.back().base = static_cast<uint32_t>((chunks_.size() - 1) << kPositionBits);
        last_ = &chunks_.back();
        Reallocate(chunks_.size() == 1 ? std::max<size_t>(need, 256) : std::max(kChunk, need));
    } else if (chunks_.back().size + need > chunks_.back().capacity) {
        Reallocate(std::min(kChunk, std::max(chunks_.back().capacity * 2, chunks_.back().size + need)));
    }
    Chunk& last = chunks_.back();
    const uint32_t handle = static_cast<uint32_t>(((chunks_.size() - 1) << kPositionBits) | last.size);
    char* q = last.data.get() + last.size;
    std::memcpy(q, prefix, p);
    if (!s.empty()) std::memcpy(q + p, s.data(), s.size());
    last.size += need;
    return handle;
}

void TextArena::Clear() {
    std::vector<Chunk>().swap(chunks_);
    last_ = nullptr;
}

void TextArena::Shrink() {
    if (!chunks_.empty() && chunks_.back().size < chunks_.back().capacity) Reallocate(chunks_.back().size);
    chunks_.shrink_to_fit();
    last_ = chunks_.empty() ? nullptr : &chunks_.back();
}

size_t TextArena::Bytes() const {
    size_t total = chunks_.capacity() * sizeof(Chunk);
    for (const Chunk& c : chunks_) total += c.capacity;
    return total;
}

size_t TextArena::Size() const {
    size_t total = 0;
    for (const Chunk& c : chunks_) total += c.size;
    return total;
}

}  // namespace ADODB
