#pragma once
// The asset-code index files of the sibling data product: one file per
// country, "ind" + country code + ".dat", of fixed 776-byte records of
// Windows-1252 text padded with blanks.  Record 1 is the header, whose second
// field holds the number N of data records as decimal text; records 2 to N+1
// follow in ascending order of their asset code compared without regard to
// case, so readers can search them by halves.
//
//   field  width  offset
//   1      10     0      short code of the product
//   2      255    10     asset code (the search key)
//   3      255    265    text
//   4      255    520    text
//   5      1      775    one character
#include <cstddef>
#include <string>
#include <vector>

class AssetIndexFile {
public:
    static constexpr size_t kRecordSize = 776;
    static constexpr size_t kWidths[5] = {10, 255, 255, 255, 1};
    static constexpr size_t kOffsets[5] = {0, 10, 265, 520, 775};

    struct Record {
        std::string fields[5];  // UTF-8
    };

    // Sorts the records by asset code, drops any whose code repeats one before
    // it (a binary search could find only one of them), and writes header and
    // records to `path`.  Returns the number of data records written.
    static size_t Write(const std::string& path, std::vector<Record> records, const std::string& title,
                        const std::string& country);
    // The 776 bytes of one record: each field encoded, cut to its width and padded with blanks.
    static std::string Encode(const Record& record);
};
