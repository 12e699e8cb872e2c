// The record layout of the asset-code index files and its reader.
#include <gtest/gtest.h>

#include "platform/runtime/Codepage.h"
#include "platform/toolslib/AssetIndexFile.h"
#include "support/ErrorAssert.h"
#include "support/TempDir.h"

namespace {

TEST(AssetIndexFile, RecordsEncodeEachFieldAtItsPlaceCutToItsWidth) {
    std::string bytes =
        AssetIndexRecord::Encode({"SHORTCODE-TOO-LONG", std::string(300, 'k'), "Åsgard", "", "YES"});
    ASSERT_EQ(bytes.size(), 776u);
    EXPECT_EQ(bytes.substr(0, 10), "SHORTCODE-");
    EXPECT_EQ(bytes.substr(10, 255), std::string(255, 'k'));
    EXPECT_EQ(bytes.substr(265, 7), "\xC5sgard ") << "Windows-1252 in the file";
    EXPECT_EQ(bytes.substr(520, 255), std::string(255, ' '));
    EXPECT_EQ(bytes.substr(775), "Y");
    AssetIndexRecord record(bytes);
    EXPECT_EQ(record.Raw(3), "\xC5sgard");
    EXPECT_EQ(record.Text(3), "Åsgard");
    EXPECT_EQ(record.Text(5), "Y");
    EXPECT_EQ(AssetIndexRecord("AB").Text(1), "AB") << "a short record is padded with blanks";
    EXPECT_RAISES(9, record.Raw(0));
    EXPECT_RAISES(9, record.Raw(6));
}

TEST(AssetIndexFile, TheReaderGivesWholeRecordsAndASafeCount) {
    TempDir dir;
    auto write = [&](const std::string& count, int records, size_t torn) {
        std::string bytes = AssetIndexRecord::Encode({"", count, "", "", ""});
        for (int i = 1; i <= records; ++i)
            bytes += AssetIndexRecord::Encode({"S" + std::to_string(i), "A" + std::to_string(i), "", "", ""});
        bytes += AssetIndexRecord::Encode({"TORN", "Z", "", "", ""}).substr(0, torn);
        return dir.Write("ind.dat", bytes);
    };
    {
        AssetIndexReader reader(write("3", 2, 400), "test");
        EXPECT_EQ(reader.RecordsInFile(), 3);
        EXPECT_EQ(reader.DataRecords(), 2);
        EXPECT_EQ(reader.Read(3).Text(1), "S2");
        EXPECT_EQ(reader.Read(4).Text(1), "") << "the cut-off record reads as blanks";
        EXPECT_EQ(reader.Read(0).Text(2), "");
        EXPECT_EQ(reader.Read(INT64_MAX).Text(2), "");
    }
    struct Case {
        const char* count;
        int64_t expected;
    };
    for (const Case& c : {Case{"1", 1}, Case{"0", 0}, Case{"1.9", 1}, Case{"1E+30", 5}, Case{"1E+999", 5},
                          Case{"-2", 0}, Case{"-1E+999", 0}, Case{"x", 0}, Case{"", 0}, Case{"&H3", 3}}) {
        EXPECT_EQ(AssetIndexReader(write(c.count, 5, 0), "test").DataRecords(), c.expected) << c.count;
    }
    EXPECT_EQ(AssetIndexReader(dir.Write("empty.dat", ""), "test").DataRecords(), 0);
    EXPECT_RAISES(53, AssetIndexReader(dir.Path() + "none.dat", "test"));
}

}  // namespace
