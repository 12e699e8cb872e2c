#include "MemoryDataTypeChooser.h"

#include "platform/runtime/Text.h"

void MemoryDataTypeChooser::Clear(bool bClearAll) {
    // The chooser shows nothing but its rows, so both kinds of clearing
    // leave it empty; the argument is kept for whoever asks what was called.
    clears_.push_back(bClearAll);
    rows_.clear();
}

void MemoryDataTypeChooser::AddDataType(const std::string& sDisplayName, const std::string& sColumnName) {
    rows_.push_back(DataTypeRow{{sDisplayName, sColumnName}});
}

void MemoryDataTypeChooser::AddDataType(const std::string& sDisplayName, const std::string& sColumnName,
                                        const std::string& sUnitCaption) {
    rows_.push_back(DataTypeRow{{sDisplayName, sColumnName, sUnitCaption}});
}

void MemoryDataTypeChooser::AddDataType(const std::string& sDisplayName, const std::string& sColumnName,
                                        const std::string& sQuantity, const std::string& sUnitLabel) {
    rows_.push_back(DataTypeRow{{sDisplayName, sColumnName, sQuantity, sUnitLabel}});
}

std::string MemoryDataTypeChooser::Print() const {
    std::string out;
    for (const DataTypeRow& row : rows_) out += Join(row.Args, "|") + "\n";
    return out;
}
