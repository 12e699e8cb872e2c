#pragma once
// The asset-code index files of the sibling data product: one file per
// country, of fixed 776-byte records of Windows-1252 text padded with blanks,
// numbered from 1, with nothing before the first record or between records.
// Record 1 is the header, whose second field holds the number N of data
// records as decimal text; records 2 to N+1 follow in ascending order of
// their asset code compared without regard to case.
//
//   field  width  offset
//   1      10     0      short code
//   2      255    10     asset code (the sort key); in record 1 the count
//   3      255    265    text
//   4      255    520    text
//   5      1      775    one character
//
// The layout is defined here once, for the reader and for whatever writes
// such files.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/runtime/RegularFile.h"

namespace AssetIndex {

inline constexpr size_t kRecordSize = 776;
inline constexpr int kFieldCount = 5;

struct FieldSpan {
    size_t offset;
    size_t width;
};
// Field 1 is kFields[0].
inline constexpr FieldSpan kFields[kFieldCount] = {{0, 10}, {10, 255}, {265, 255}, {520, 255}, {775, 1}};

static_assert(kFields[kFieldCount - 1].offset + kFields[kFieldCount - 1].width == kRecordSize);

}  // namespace AssetIndex

// One record's bytes.
class AssetIndexRecord {
public:
    // The record from its bytes; fewer than a record's bytes read as blanks
    // after them (an empty record is all blanks).
    explicit AssetIndexRecord(std::string bytes = {});

    // Field 1 to 5 as the file's single-byte text, trimmed of blanks; raises
    // 9 (subscript out of range) for another field number.
    std::string Raw(int field) const;
    // Field 1 to 5 converted from Windows-1252 to UTF-8, trimmed of blanks;
    // raises as Raw.
    std::string Text(int field) const;
    const std::string& Bytes() const { return bytes_; }

    // The 776 bytes of a record of five UTF-8 fields: each converted to
    // Windows-1252 (a character it lacks becomes "?"), cut to its width and
    // padded with blanks.
    static std::string Encode(const std::array<std::string, AssetIndex::kFieldCount>& fields);

private:
    std::string bytes_;
};

// Reads records of an index file.
class AssetIndexReader {
public:
    // Opens the file for reading; raises as RegularFile: 53 when it is
    // missing, 75 when it is no regular file (a pipe is never waited on), 70
    // when it may not be read, with `source` as the error's source.
    AssetIndexReader(const std::string& sFile, const char* source);

    // The number of whole records the file holds; a cut-off record at its
    // end is not one of them.
    int64_t RecordsInFile() const { return file_.Size() / static_cast<int64_t>(AssetIndex::kRecordSize); }
    // The header's count of data records: the leading number of record 1's
    // field 2 (0 when there is none or it is negative), whole records only,
    // and never more than the file holds after its header.  Raises as Read.
    int64_t DataRecords() const;
    // Record n (1-based); one that is not whole in the file (n < 1, past the
    // end, or cut off) reads as blanks, so no part of a record is ever
    // returned.  Raises 75 naming the file when the system cannot read it.
    AssetIndexRecord Read(int64_t n) const;

private:
    RegularFile file_;
};
