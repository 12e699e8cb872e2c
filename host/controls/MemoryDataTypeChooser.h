#pragma once
// An in-memory data-type chooser: the rows AddDataType gave it, each with the
// two, three or four texts it was given, and the arguments of every Clear.
#include <string>
#include <vector>

#include "interfaces/HostControls.h"

// One row: display name, column name and, when given, the third and fourth
// texts (unit caption; or quantity name and unit label).
struct DataTypeRow {
    std::vector<std::string> Args;
};

class MemoryDataTypeChooser final : public IDataTypeChooser {
public:
    explicit MemoryDataTypeChooser(std::string sName = "DataTypeChooser1") : name_(std::move(sName)) {}

    std::string Name() override { return name_; }
    void Clear(bool bClearAll) override;
    void AddDataType(const std::string& sDisplayName, const std::string& sColumnName) override;
    void AddDataType(const std::string& sDisplayName, const std::string& sColumnName,
                     const std::string& sUnitCaption) override;
    void AddDataType(const std::string& sDisplayName, const std::string& sColumnName,
                     const std::string& sQuantity, const std::string& sUnitLabel) override;

    // The rows in the order they were added.
    const std::vector<DataTypeRow>& Rows() const { return rows_; }
    // The argument of each Clear, in call order.
    const std::vector<bool>& ClearCalls() const { return clears_; }
    // One row a line, its texts joined by "|".
    std::string Print() const;

private:
    std::string name_;
    std::vector<DataTypeRow> rows_;
    std::vector<bool> clears_;
};
