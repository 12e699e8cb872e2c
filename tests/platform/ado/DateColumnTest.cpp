// Date-times in a DATE column read back as themselves, before 1899-12-30
// (serial 0) as well as after it, whichever form the text is stored in.
#include <gtest/gtest.h>

#include "AdoFixture.h"
#include "platform/runtime/Text.h"

using namespace ADODB;

namespace {

TEST(DateColumn, DateTimesOnBothSidesOfTheFirstSerialDayReadBackAsThemselves) {
    struct Case {
        const char* stored;
        const char* read;
        bool date = true;  // false: no date-time, kept as the text it is
    };
    const Case cases[] = {
        // The forms the data set stores.
        {"1899-12-29 06:00:00", "1899-12-29 06:00:00"},
        {"1899-12-29 18:00:00", "1899-12-29 18:00:00"},
        {"1850-06-15 18:30:15", "1850-06-15 18:30:15"},
        {"0100-01-01 23:59:59", "0100-01-01 23:59:59"},
        {"1899-12-30 06:00:00", "1899-12-30 06:00:00"},
        {"1899-12-31 18:00:00", "1899-12-31 18:00:00"},
        {"1850-06-15", "1850-06-15"},
        {"1899-12-29T06:00:00", "1899-12-29 06:00:00"},
        // Forms read the general way.
        {"1850-6-15 18:30", "1850-06-15 18:30:00"},
        {"06-15-1850 18:30:15", "1850-06-15 18:30:15"},
        {"6/15/1850 6:05", "1850-06-15 06:05:00"},
        // Times the parser refuses stay text, whichever way they are read.
        {"2000-01-01 10:60:00", "2000-01-01 10:60:00", false},
        {"2000-01-01 10:59:60", "2000-01-01 10:59:60", false},
        {"2000-01-01 24:00:00", "2000-01-01 24:00:00", false},
        {"2000-1-1 10:60", "2000-1-1 10:60", false},
    };
    // Each case stands in a record set of its own, between two dates: a text
    // refused as a date is the first odd value of its column, so it meets
    // the date reader itself, and the date after it reads as a date still.
    constexpr const char* kBefore = "1970-01-01";
    constexpr const char* kAfter = "2000-02-29 23:59:59";
    TempDir dir;
    std::string sql = "CREATE TABLE D (Id INTEGER, Stamp DATE);";
    int id = 0;
    for (const Case& c : cases) {
        for (const char* stored : {kBefore, c.stored, kAfter})
            sql += "INSERT INTO D VALUES (" + std::to_string(id++) + ", '" + stored + "');";
    }
    auto cn = OpenReadOnly(MakeDatabase(dir, "dates.db", sql));

    auto readsAsDate = [](const Variant& v, const char* text) {
        ASSERT_EQ(v.Kind(), VarKind::Date) << text;
        EXPECT_EQ(DateToText(v.DateSerial()), text);
    };
    int first = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        auto rs = Query(cn, "SELECT Stamp FROM D WHERE Id BETWEEN " + std::to_string(first) + " AND " +
                                std::to_string(first + 2) + " ORDER BY Id");
        first += 3;
        ASSERT_EQ(rs->RecordCount(), 3);
        readsAsDate(rs->Fields("Stamp").Value(), kBefore);
        rs->MoveNext();
        Variant v = rs->Fields("Stamp").Value();
        EXPECT_EQ(v.ToString(), c.read);
        if (c.date) {
            readsAsDate(v, c.read);
        } else {
            EXPECT_EQ(v.Kind(), VarKind::String);
            double serial = 0;
            EXPECT_FALSE(ParseDate(c.stored, serial)) << "read as the parser reads it";
        }
        rs->MoveNext();
        readsAsDate(rs->Fields("Stamp").Value(), kAfter);
    }

    // The same value found again through a parameter: what was read is
    // what is stored.
    auto again = New<Recordset>();
    again->Open("SELECT Id FROM D WHERE Stamp = ?", cn, adOpenStatic, adLockReadOnly,
                {Variant::Date(DateSerial(1899, 12, 29) - TimeSerial(18, 0, 0))});
    ASSERT_EQ(again->RecordCount(), 1);
    EXPECT_EQ(again->Fields("Id").Value().ToLong(), 4);
}

}  // namespace
