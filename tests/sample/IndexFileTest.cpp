#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "AssetIndexFile.h"
#include "SampleFiles.h"
#include "SampleTestSupport.h"
#include "SampleText.h"
#include "platform/runtime/Text.h"
#include "platform/toolslib/AssetIndexFile.h"
#include "support/TempDir.h"

namespace {

// The look-up readers make: halves between record 1 and N + 1, the upper
// bound probed once when the two are neighbours.  Returns the record number,
// 0 when the code is not there.
size_t FindByHalves(const std::vector<std::string>& records, const std::string& code) {
    const size_t n = static_cast<size_t>(Val(IndexField(records[0], 1)));
    size_t low = 1, high = n + 1;
    bool last = false;
    for (;;) {
        size_t mid = low + (high - low) / 2;
        if (mid == high || last) return 0;
        if (high - low == 1) {
            mid = high;
            last = true;
        }
        const int c = CompareNoCase(code, IndexField(records[mid - 1], 1));
        if (c == 0) return mid;
        (c < 0 ? high : low) = mid;
    }
}

std::string IndexPath(const std::string& country) {
    return GeneratedFolder() + SampleGenerator::kProductFolder + "/ind" + country + ".dat";
}

TEST(AssetIndexFile, RecordsAreFixedSizeWithTheCountInTheHeader) {
    for (const std::string& country : SampleGenerator::IndexCountries()) {
        SCOPED_TRACE(country);
        const std::vector<std::string> records = IndexRecords(IndexPath(country));
        std::error_code ec;
        const auto size = std::filesystem::file_size(IndexPath(country), ec);
        ASSERT_FALSE(ec);
        EXPECT_EQ(size % AssetIndex::kRecordSize, 0u);
        ASSERT_GT(records.size(), 20u);
        // Record 1: the count of the records that follow it, as decimal text in field 2.
        EXPECT_EQ(IndexField(records[0], 0), "");
        EXPECT_EQ(IndexField(records[0], 1), IntText(static_cast<int64_t>(records.size() - 1)));
        std::vector<std::string> shortCodes;
        for (size_t i = 1; i < records.size(); ++i) {
            const std::string& r = records[i];
            EXPECT_FALSE(IndexField(r, 0).empty());
            EXPECT_LE(IndexField(r, 0).size(), 10u);
            EXPECT_NE(std::string("OLB").find(r[775]), std::string::npos) << "field 5 of record " << i + 1;
            shortCodes.push_back(IndexField(r, 0));
        }
        std::sort(shortCodes.begin(), shortCodes.end());
        EXPECT_EQ(std::adjacent_find(shortCodes.begin(), shortCodes.end()), shortCodes.end())
            << "short codes repeat";
    }
}

TEST(AssetIndexFile, SortedWithoutRegardToCaseSoEveryCodeIsFoundByHalves) {
    for (const std::string& country : SampleGenerator::IndexCountries()) {
        SCOPED_TRACE(country);
        const std::vector<std::string> records = IndexRecords(IndexPath(country));
        std::vector<std::string> codes;
        for (size_t i = 1; i < records.size(); ++i) codes.push_back(IndexField(records[i], 1));
        for (size_t i = 1; i < codes.size(); ++i)
            EXPECT_LT(CompareNoCase(codes[i - 1], codes[i]), 0) << codes[i - 1] << " / " << codes[i];
        // The data set holds names whose order depends on folding case, so a
        // file sorted with case counting would not pass the search below.
        EXPECT_FALSE(std::is_sorted(codes.begin(), codes.end()))
            << "no name tells case-blind from case-sensitive order";

        for (size_t i = 0; i < codes.size(); ++i) {
            EXPECT_EQ(FindByHalves(records, codes[i]), i + 2) << codes[i];
            EXPECT_EQ(FindByHalves(records, UCase(codes[i])), i + 2) << codes[i];
            EXPECT_EQ(FindByHalves(records, LCase(codes[i])), i + 2) << codes[i];
        }
        EXPECT_EQ(FindByHalves(records, ""), 0u);
        EXPECT_EQ(FindByHalves(records, "zzzz not an asset"), 0u);
        EXPECT_EQ(FindByHalves(records, codes.front() + " X"), 0u);
    }
}

TEST(AssetIndexFile, SingleByteTextThatMatchesTheDatabase) {
    ReadDb db(DatabaseFolder() + "Terralith.db");
    bool accented = false;
    for (const std::string& country : SampleGenerator::IndexCountries()) {
        SCOPED_TRACE(country);
        const std::string bytes = ReadWholeFile(IndexPath(country));
        // Windows-1252: an "ø" is the one byte F8, never the two UTF-8 bytes C3 B8.
        EXPECT_EQ(bytes.find("\xC3\xB8"), std::string::npos);
        if (bytes.find('\xF8') != std::string::npos) accented = true;

        for (const std::string& r : IndexRecords(IndexPath(country))) {
            const std::string shortCode = IndexField(r, 0);
            if (shortCode.rfind("QZF", 0) != 0) continue;
            const std::string code = IntText(static_cast<int64_t>(Val(shortCode.substr(3))));
            const Rows row = db.Query(
                "SELECT Field_Name, EVMnemonic, Country_Code, FIELD_GROUPING FROM Field WHERE "
                "Field_Code = " +
                code);
            ASSERT_EQ(row.size(), 1u) << shortCode;
            EXPECT_EQ(*row[0][0], IndexField(r, 1));
            EXPECT_EQ(*row[0][1], IndexField(r, 2));
            EXPECT_EQ(*row[0][2], country);
            EXPECT_EQ(IndexField(r, 3), *row[0][3] == "1" ? "Field Grouping" : "Field");
        }
    }
    EXPECT_TRUE(accented) << "no name with a Windows-1252 letter outside ASCII";
}

TEST(AssetIndexFile, WriteCutsFieldsToWidthAndDropsRepeatedCodes) {
    TempDir dir;
    const std::string longName(300, 'x');
    std::vector<AssetIndexFile::Record> records = {
        {{"S2", "beta", "t3", "t4", "L"}},  {{"S1", "Alpha", "t3", "t4", "O"}},
        {{"S3", "BETA", "t3", "t4", "O"}},  // the same code as "beta": a search could find only one
        {{"S4", "Frøya", "t3", "t4", "O"}}, {{"LONGSHORTCODE", longName, "t3", "t4", "OB"}},
    };
    const std::string path = dir.Path() + "indZZ.dat";
    EXPECT_EQ(AssetIndexFile::Write(path, records, "title", "ZZ"), 4u);
    const std::vector<std::string> written = IndexRecords(path);
    ASSERT_EQ(written.size(), 5u);
    EXPECT_EQ(IndexField(written[0], 1), "4");
    EXPECT_EQ(IndexField(written[0], 2), "title");
    EXPECT_EQ(IndexField(written[0], 3), "ZZ");
    EXPECT_EQ(IndexField(written[1], 1), "Alpha");
    EXPECT_EQ(IndexField(written[2], 1), "beta");
    EXPECT_EQ(IndexField(written[2], 0), "S2");
    EXPECT_EQ(IndexField(written[3], 1), "Frøya");
    EXPECT_EQ(written[3].substr(10, 5), "Fr\xF8ya");
    EXPECT_EQ(IndexField(written[4], 0), "LONGSHORTC");
    EXPECT_EQ(IndexField(written[4], 1), std::string(255, 'x'));
    EXPECT_EQ(written[4][775], 'O');
    EXPECT_EQ(written[4].substr(265, 2), "t3");
}

}  // namespace
