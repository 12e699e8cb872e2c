// Look-ups in the asset-code index files of the sibling data product.
#include <gtest/gtest.h>

#include <fstream>

#include "core/mTL5ErrorCodes.h"
#include "platform/runtime/Codepage.h"
#include "support/Fifo.h"
#include "support/RootFixture.h"

namespace {

std::string Field(const std::string& text, size_t width) {
    std::string f = ToWindows1252(text);
    f.resize(width, ' ');
    return f;
}

std::string Record(const std::string& shortCode, const std::string& asset, const std::string& three,
                   const std::string& four, const std::string& five) {
    return Field(shortCode, 10) + Field(asset, 255) + Field(three, 255) + Field(four, 255) + Field(five, 1);
}

class AssetCode : public RootFixture {
protected:
    // Writes an index for country XX: the header and the given records.
    void WriteIndex(const std::vector<std::string>& records, const std::string& count = "") {
        std::string bytes = Record("", count.empty() ? std::to_string(records.size()) : count, "", "", "");
        for (const auto& r : records) bytes += r;
        data.Write(std::string(kAssetIndexFolder) + "/indXX.dat", bytes);
    }
};

TEST_F(AssetCode, BinarySearchFindsEveryRecordWithoutRegardToCase) {
    MakeRoot();
    std::vector<std::string> records;
    for (char c = 'A'; c <= 'G'; ++c)
        records.push_back(
            Record(std::string("S") + c, std::string("ASSET-") + c, "three", std::string("Name ") + c, "Y"));
    WriteIndex(records);
    for (char c = 'A'; c <= 'G'; ++c)
        EXPECT_EQ(root->GetQZAssetCode("XX", std::string("asset-") + c, ""),
                  std::string("S") + c + "|Name " + c + "|ASSET-" + c + "|three|Y");
    EXPECT_EQ(root->GetQZAssetCode("XX", "ASSET-0", ""), "||||") << "a miss carries no other record's fields";
    EXPECT_EQ(root->GetQZAssetCode("XX", "ASSET-Z", ""), "||||");
    EXPECT_EQ(root->ErrorNumber(), 0);
}

TEST_F(AssetCode, ShortCodesAreFoundExactly) {
    MakeRoot();
    WriteIndex({Record("AB1", "A1", "t", "Åsgard", "N"), Record("CD2", "B2", "t", "Brage", "N")});
    EXPECT_EQ(root->GetQZAssetCode("XX", "", "CD2"), "CD2|Brage|B2|t|N");
    EXPECT_EQ(root->GetQZAssetCode("XX", "", "AB1"), "AB1|Åsgard|A1|t|N") << "single-byte text read as UTF-8";
    EXPECT_EQ(root->GetQZAssetCode("XX", "", "cd2"), "||||");
}

TEST_F(AssetCode, EmptyOversizedAndHostileLookupsFindNothing) {
    MakeRoot();
    WriteIndex({});
    EXPECT_EQ(root->GetQZAssetCode("XX", "ANY", ""), "||||");
    WriteIndex({Record("A", "A1", "", "", "")}, "5000");
    EXPECT_EQ(root->GetQZAssetCode("XX", "ZZZ", ""), "||||")
        << "the header cannot promise more than the file holds";
    EXPECT_EQ(root->GetQZAssetCode("XX", "A1", ""), "A||A1||");
    EXPECT_EQ(root->ErrorNumber(), 0);
    EXPECT_EQ(root->GetQZAssetCode("../XX", "A1", ""), "||||");
    EXPECT_EQ(root->GetQZAssetCode("X/X", "A1", ""), "||||");
}

TEST_F(AssetCode, HeaderCountsAreReadSafelyAndNeverPastTheFile) {
    MakeRoot();
    const std::vector<std::string> two = {Record("S1", "A1", "t", "One", "Y"),
                                          Record("S2", "B2", "t", "Two", "N")};
    // Counts far beyond the file (even beyond a double) still find every record it holds.
    for (const char* count : {"1E+30", "1E+400", "9223372036854775808", "2.9"}) {
        SCOPED_TRACE(count);
        WriteIndex(two, count);
        EXPECT_EQ(root->GetQZAssetCode("XX", "A1", ""), "S1|One|A1|t|Y");
        EXPECT_EQ(root->GetQZAssetCode("XX", "b2", ""), "S2|Two|B2|t|N");
        EXPECT_EQ(root->GetQZAssetCode("XX", "", "S2"), "S2|Two|B2|t|N");
    }
    // No number, or a negative one, is a count of none.
    for (const char* count : {"many", "-1E+30", "-1E+400", "NaN"}) {
        SCOPED_TRACE(count);
        WriteIndex(two, count);
        EXPECT_EQ(root->GetQZAssetCode("XX", "A1", ""), "||||");
        EXPECT_EQ(root->GetQZAssetCode("XX", "", "S1"), "||||");
    }
    EXPECT_EQ(root->ErrorNumber(), 0) << root->ErrorDescription();

    // A header that promises a third record over a file whose third record
    // is cut off: no part of it is ever an answer.
    WriteIndex(two, "3");
    std::ofstream(data.Path() + kAssetIndexFolder + "/indXX.dat", std::ios::binary | std::ios::app)
        << Record("CUT", "ZZZ", "t", "Torn", "Y").substr(0, 700);
    EXPECT_EQ(root->GetQZAssetCode("XX", "ZZZ", ""), "||||");
    EXPECT_EQ(root->GetQZAssetCode("XX", "", "CUT"), "||||");
    EXPECT_EQ(root->GetQZAssetCode("XX", "B2", ""), "S2|Two|B2|t|N");
    EXPECT_EQ(root->ErrorNumber(), 0) << root->ErrorDescription();
}

TEST_F(AssetCode, AMissingIndexIsReportedAndAnswersNothing) {
    MakeRoot();
    EXPECT_EQ(root->GetQZAssetCode("QQ", "A1", ""), "||||");
    EXPECT_EQ(root->ErrorNumber(), rt::kFileNotFound);
    EXPECT_EQ(root->ErrorSource(), "HuntERR.ErrorIn");

    // A pipe where the index should be is refused, never waited on.
    std::string fifo = data.Path() + kAssetIndexFolder + "/indPP.dat";
    MakeFifo(fifo);
    FifoWatchdog watchdog(fifo);
    EXPECT_EQ(root->GetQZAssetCode("PP", "A1", ""), "||||");
    EXPECT_FALSE(watchdog.Fired()) << "the pipe was opened for reading";
    EXPECT_EQ(root->ErrorNumber(), rt::kPathFileAccess);
    EXPECT_NE(root->ErrorDescription().find("indPP.dat"), std::string::npos) << root->ErrorDescription();
}

}  // namespace
