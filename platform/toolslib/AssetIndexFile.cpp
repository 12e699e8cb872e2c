#include "AssetIndexFile.h"

#include <cmath>

#include "platform/runtime/Codepage.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/Text.h"

using AssetIndex::kFields;
using AssetIndex::kRecordSize;

AssetIndexRecord::AssetIndexRecord(std::string bytes) : bytes_(std::move(bytes)) {
    bytes_.resize(kRecordSize, ' ');
}

std::string AssetIndexRecord::Raw(int field) const {
    if (field < 1 || field > AssetIndex::kFieldCount) Raise(rt::kSubscript);
    const AssetIndex::FieldSpan& f = kFields[field - 1];
    return Trim(std::string_view(bytes_).substr(f.offset, f.width));
}

std::string AssetIndexRecord::Text(int field) const { return FromWindows1252(Raw(field)); }

std::string AssetIndexRecord::Encode(const std::array<std::string, AssetIndex::kFieldCount>& fields) {
    std::string bytes(kRecordSize, ' ');
    for (int i = 0; i < AssetIndex::kFieldCount; ++i) {
        std::string field = ToWindows1252(fields[static_cast<size_t>(i)]);
        if (field.size() > kFields[i].width) field.resize(kFields[i].width);
        bytes.replace(kFields[i].offset, field.size(), field);
    }
    return bytes;
}

AssetIndexReader::AssetIndexReader(const std::string& sFile, const char* source) : file_(sFile, source) {}

AssetIndexRecord AssetIndexReader::Read(int64_t n) const {
    if (n < 1 || n > RecordsInFile()) return AssetIndexRecord();
    return AssetIndexRecord(file_.ReadAt((n - 1) * static_cast<int64_t>(kRecordSize), kRecordSize));
}

int64_t AssetIndexReader::DataRecords() const {
    const int64_t most = std::max<int64_t>(RecordsInFile() - 1, 0);
    const std::string text = Read(1).Raw(2);
    double count = 0;
    try {
        count = Val(text);
    } catch (const Error&) {
        // Past a double's range: a count that large promises every record
        // the file holds, a negative one none.
        count = StartsWith(text, "-") ? 0 : HUGE_VAL;
    }
    // Compared as a double first: converting a count beyond the integer's
    // range would be undefined.  A fraction is cut off.
    if (!(count >= 1)) return 0;
    if (count >= static_cast<double>(most)) return most;
    return static_cast<int64_t>(count);
}
