// The ends of the range of dates, where a time of day before serial 0 counts
// away from zero and a serial is read to the nearest second.
#include <gtest/gtest.h>

#include "platform/runtime/Text.h"
#include "platform/runtime/Variant.h"
#include "support/ErrorAssert.h"

namespace {

TEST(DateRange, EveryMomentOfTheFirstAndLastDayIsADateAndNothingBeyond) {
    const double first = DateSerial(100, 1, 1), last = DateSerial(9999, 12, 31);
    const double lateOnFirst = first - TimeSerial(23, 59, 59);  // before serial 0: away from zero
    const double lateOnLast = last + TimeSerial(23, 59, 59);
    EXPECT_EQ(DateToText(lateOnFirst), "0100-01-01 23:59:59");
    EXPECT_EQ(DateToText(first - 0.5), "0100-01-01 12:00:00");
    EXPECT_EQ(DateToText(lateOnLast), "9999-12-31 23:59:59");
    EXPECT_EQ(Variant("0100-01-01 23:59:59").ToDate(), lateOnFirst);
    EXPECT_EQ(Variant::Date(lateOnFirst).ToString(), "0100-01-01 23:59:59");

    // Within half a second of the next day the serial names that day: at
    // the end of the last day one outside the range (no year 10000); at the
    // end of the first the second day.  The day before the first is no date
    // (no year 99).
    EXPECT_EQ(DateToText(first - 0.9999999), "0100-01-02");
    EXPECT_RAISES(6, DateToText(last + 0.9999999));
    EXPECT_RAISES(6, DateToText(first - 1));
    EXPECT_RAISES(6, DateToText(first - 1.0000001));
    EXPECT_EQ(Variant(first - 0.9999999).ToDate(), first - 0.9999999);
    EXPECT_TRUE(IsDateSerial(first - TimeSerial(23, 59, 59) - 0.4 / 86400));
    EXPECT_TRUE(IsDateSerial(last + TimeSerial(23, 59, 59) + 0.4 / 86400));
}

}  // namespace
