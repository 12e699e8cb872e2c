#include "cvCommand.h"

#include "platform/runtime/Error.h"
#include "platform/runtime/Text.h"

const cvCommand::Pair& cvCommand::At(int32_t lIndex) const {
    if (lIndex < 0 || lIndex >= Count())
        Raise(rt::kSubscript, "cvCommand",
              "Subscript out of range: the command has " + std::to_string(Count()) + " pairs, index " +
                  std::to_string(lIndex) + " was asked for");
    return pairs_[static_cast<size_t>(lIndex)];
}

std::string cvCommand::Key(int32_t lIndex) const { return At(lIndex).first; }

std::string cvCommand::Value(int32_t lIndex) const { return At(lIndex).second; }

std::string cvCommand::Value(const std::string& sKey) const {
    for (const Pair& p : pairs_)
        if (EqualsNoCase(p.first, sKey)) return p.second;
    return "";
}

bool cvCommand::Exists(const std::string& sKey) const {
    for (const Pair& p : pairs_)
        if (EqualsNoCase(p.first, sKey)) return true;
    return false;
}

std::string cvCommand::Text() const {
    std::string text;
    for (const Pair& p : pairs_) {
        if (!text.empty()) text += '!';
        text += p.first + "=" + p.second;
    }
    return text;
}
