#include "MemoryComboBox.h"

void MemoryComboBox::Clear() {
    MemoryListBox::Clear();
    text_.clear();
}
