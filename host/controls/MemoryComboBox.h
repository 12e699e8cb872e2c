#pragma once
// An in-memory combo box: to the library a list of rows like a list box; it
// adds the text shown in its edit field, which the host sets.
#include <string>

#include "MemoryListBox.h"

class MemoryComboBox final : public MemoryListBox {
public:
    explicit MemoryComboBox(std::string sName = "Combo1", bool bSorted = false)
        : MemoryListBox(std::move(sName), bSorted) {}

    // Emptying the list empties the edit field too.
    void Clear() override;
    const std::string& Text() const { return text_; }
    void SetText(std::string sText) { text_ = std::move(sText); }

private:
    std::string text_;
};
