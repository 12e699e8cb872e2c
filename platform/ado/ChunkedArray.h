#pragma once
// A growing array kept in fixed-size chunks, so that appending never moves
// what is already stored and a finished array wastes at most the tail of
// its last chunk.  The first chunk grows like a vector, so a small result
// costs little.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace ADODB {

template <class T>
class ChunkedArray {
public:
    static constexpr unsigned kShift = 14;
    static constexpr size_t kChunk = size_t{1} << kShift;

    void push_back(const T& v) {
        if (chunks_.empty() || chunks_.back().size() == kChunk) {
            chunks_.emplace_back();
            if (chunks_.size() > 1) chunks_.back().reserve(kChunk);
        }
        chunks_.back().push_back(v);
        ++size_;
    }
    // Grows to n elements, the new ones value-initialised.
    void resize(size_t n) {
        while (size_ < n) push_back(T{});
    }
    const T& operator[](size_t i) const { return chunks_[i >> kShift][i & (kChunk - 1)]; }
    size_t size() const { return size_; }
    void clear() {
        chunks_.clear();
        chunks_.shrink_to_fit();
        size_ = 0;
    }
    // Returns the spare room of the last chunk.
    void shrink() {
        if (!chunks_.empty()) chunks_.back().shrink_to_fit();
        chunks_.shrink_to_fit();
    }
    size_t bytes() const {
        size_t total = chunks_.capacity() * sizeof(std::vector<T>);
        for (const auto& c : chunks_) total += c.capacity() * sizeof(T);
        return total;
    }

private:
    std::vector<std::vector<T>> chunks_;
    size_t size_ = 0;
};

}  // namespace ADODB
