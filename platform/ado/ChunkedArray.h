#pragma once
// A growing array of plain values kept in fixed-size chunks, so that
// appending never moves what is already stored and a finished array wastes
// at most the tail of its last chunk.  The first chunk grows like a vector,
// so a small result costs little.  Appending is one comparison and one
// store: the loading loop of a record set appends every cell.
//
// Every chunk but the last is full, with kChunk elements.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

namespace ADODB {

template <class T>
class ChunkedArray {
    static_assert(std::is_trivially_copyable_v<T>, "chunks are copied as bytes");

public:
    static constexpr unsigned kShift = 14;
    static constexpr size_t kChunk = size_t{1} << kShift;

    // An empty array; moving one leaves the source empty.  Not copyable: a
    // column's array is never copied.
    ChunkedArray() = default;
    ChunkedArray(ChunkedArray&& o) noexcept { Take(o); }
    ChunkedArray& operator=(ChunkedArray&& o) noexcept {
        if (this != &o) Take(o);
        return *this;
    }
    ChunkedArray(const ChunkedArray&) = delete;
    ChunkedArray& operator=(const ChunkedArray&) = delete;

    // Appends a value; std::bad_alloc when memory runs out (nothing changes then).
    void push_back(const T& v) {
        if (tail_ == end_) Grow();
        *tail_++ = v;
        ++size_;
    }
    // Grows to n elements, the new ones value-initialised.
    void resize(size_t n) {
        while (size_ < n) push_back(T{});
    }
    // Element i (< size()).
    const T& operator[](size_t i) const { return chunks_[i >> kShift][i & (kChunk - 1)]; }
    // The number of elements.
    size_t size() const { return size_; }
    // Drops every element and its memory.
    void clear() {
        ChunkedArray none;
        Take(none);
    }
    // Gives back the spare room of the last chunk.
    void shrink() {
        if (!chunks_.empty() && InLast() < lastCapacity_) Reallocate(InLast());
        chunks_.shrink_to_fit();
    }
    // What the chunks occupy.
    size_t bytes() const {
        size_t total = chunks_.capacity() * sizeof(std::unique_ptr<T[]>);
        if (!chunks_.empty()) total += ((chunks_.size() - 1) * kChunk + lastCapacity_) * sizeof(T);
        return total;
    }

private:
    size_t InLast() const { return size_ - (chunks_.size() - 1) * kChunk; }

    // Moves the last chunk into room for `capacity` elements.
    void Reallocate(size_t capacity) {
        const size_t used = InLast();
        std::unique_ptr<T[]> room(new T[capacity]);
        if (used) std::memcpy(room.get(), chunks_.back().get(), used * sizeof(T));
        chunks_.back() = std::move(room);
        lastCapacity_ = capacity;
        tail_ = chunks_.back().get() + used;
        end_ = chunks_.back().get() + capacity;
    }

    void Grow() {
        if (!chunks_.empty() && InLast() < kChunk) {
            // The only chunk doubles up to full size; a last chunk that was
            // shrunk goes back to full size.
            Reallocate(chunks_.size() == 1 ? std::min(kChunk, std::max<size_t>(16, InLast() * 2)) : kChunk);
            return;
        }
        const size_t capacity = chunks_.empty() ? 16 : kChunk;
        std::unique_ptr<T[]> room(new T[capacity]);
        chunks_.push_back(std::move(room));
        lastCapacity_ = capacity;
        tail_ = chunks_.back().get();
        end_ = tail_ + capacity;
    }

    void Take(ChunkedArray& o) noexcept {
        chunks_ = std::move(o.chunks_);
        size_ = std::exchange(o.size_, 0);
        lastCapacity_ = std::exchange(o.lastCapacity_, 0);
        tail_ = std::exchange(o.tail_, nullptr);
        end_ = std::exchange(o.end_, nullptr);
        o.chunks_.clear();
    }

    std::vector<std::unique_ptr<T[]>> chunks_;
    size_t size_ = 0;
    size_t lastCapacity_ = 0;
    T* tail_ = nullptr;  // where the next element goes
    T* end_ = nullptr;   // the end of the last chunk's room
};

}  // namespace ADODB
