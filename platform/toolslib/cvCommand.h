#pragma once
// A host command: an ordered run of KEY=value pairs.  The pairs are kept as
// pairs, so a value holding "!" or "=" stays one value; Text is only ever a
// rendering of them.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/runtime/Object.h"

class cvCommand : public virtual Object {
public:
    using Pair = std::pair<std::string, std::string>;
    explicit cvCommand(std::vector<Pair> pairs) : pairs_(std::move(pairs)) {}

    int32_t Count() const { return static_cast<int32_t>(pairs_.size()); }
    // The key and the value of the pair at the 0-based index; an index out of
    // range raises 9.
    std::string Key(int32_t lIndex) const;
    std::string Value(int32_t lIndex) const;
    // The value of the first pair with that key (compared without regard to
    // case); "" when there is none.
    std::string Value(const std::string& sKey) const;
    bool Exists(const std::string& sKey) const;
    // The pairs as "KEY=value" joined by "!".
    std::string Text() const;

private:
    const Pair& At(int32_t lIndex) const;
    std::vector<Pair> pairs_;
};
