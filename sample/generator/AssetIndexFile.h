#pragma once
// Writes the asset-code index files of the sibling data product, one file
// per country, "ind" + country code + ".dat", in the record layout of
// platform/toolslib/AssetIndexFile.h: a header whose second field holds the
// number N of data records, then records 2 to N+1 in ascending order of their
// asset code compared without regard to case, so readers can search them by
// halves.
#include <cstddef>
#include <string>
#include <vector>

class AssetIndexFile {
public:
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
