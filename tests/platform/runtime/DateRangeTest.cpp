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

    // Within half a second of the next day at either end, the serial names
    // a day outside the range: no year 99 and no year 10000.
    EXPECT_RAISES(6, DateToText(first - 0.9999999));
    EXPECT_RAISES(6, DateToText(last + 0.9999999));
    EXPECT_RAISES(6, DateToText(first - 1));
    EXPECT_RAISES(6, Variant(first - 0.9999999).ToDate());
    EXPECT_TRUE(IsDateSerial(first - TimeSerial(23, 59, 59) - 0.4 / 86400));
    EXPECT_TRUE(IsDateSerial(last + TimeSerial(23, 59, 59) + 0.4 / 86400));
}

}  // namespace
