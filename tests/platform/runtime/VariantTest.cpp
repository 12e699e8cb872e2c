#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/runtime/Variant.h"
#include "support/ErrorAssert.h"

namespace {

TEST(Variant, ClassicConversions) {
    EXPECT_EQ(Variant(true).ToString(), "True");
    EXPECT_EQ(Variant(true).ToLong(), -1);
    EXPECT_EQ(Variant(0.1 + 0.2).ToString(), "0.3");
    EXPECT_EQ(Variant(1e20).ToString(), "1E+20");
    EXPECT_EQ(Variant(0.00001).ToString(), "1E-05");
    EXPECT_EQ(Variant(2.5).ToLong(), 2);
    EXPECT_EQ(Variant(3.5).ToLong(), 4);
    EXPECT_EQ(Variant(-2.5).ToLong(), -2);
    EXPECT_EQ(Variant(" 42 ").ToLong(), 42);
    EXPECT_EQ(Variant("&H10").ToLong(), 16);
    EXPECT_RAISES(94, Variant::Null().ToString());
    EXPECT_RAISES(94, Variant::Null().ToLong());
    EXPECT_RAISES(13, Variant("abc").ToLong());
    EXPECT_RAISES(6, Variant(3e9).ToLong());
    EXPECT_EQ(Variant::Currency(123450).ToString(), "12.345");
}

TEST(Variant, BooleansAsNumbersAndText) {
    EXPECT_EQ(Variant(false).ToString(), "False");
    EXPECT_EQ(Variant(true).ToInteger(), -1);
    EXPECT_EQ(Variant(true).ToDouble(), -1.0);
    EXPECT_EQ(Variant(false).ToLong(), 0);
    EXPECT_TRUE(Variant(" true ").ToBool());
    EXPECT_FALSE(Variant("FALSE").ToBool());
    EXPECT_TRUE(Variant("-1").ToBool());
    EXPECT_TRUE(Variant(0.5).ToBool());
    EXPECT_FALSE(Variant(int32_t(0)).ToBool());
    EXPECT_FALSE(Variant().ToBool());
    EXPECT_RAISES(13, Variant("yes").ToBool());
    EXPECT_RAISES(13, Variant("").ToBool());
    EXPECT_RAISES(94, Variant::Null().ToBool());
}

TEST(Variant, NullMissingObjectsAndArraysRefuseConversion) {
    EXPECT_RAISES(94, Variant::Null().ToDouble());
    EXPECT_RAISES(94, Variant::Null().ToInteger());
    EXPECT_RAISES(94, Variant::Null().ToCurrency());
    EXPECT_RAISES(13, Variant::Missing().ToString());
    EXPECT_RAISES(13, Variant::Missing().ToLong());
    EXPECT_RAISES(13, Variant(VariantArray{Variant(1)}).ToString());
    EXPECT_RAISES(13, Variant::Nothing().ToString());
    EXPECT_RAISES(13, Variant("1").ArrayRef());
    EXPECT_RAISES(13, Variant(int32_t(1)).StringRef());
    // Empty is the zero of every kind.
    EXPECT_EQ(Variant().ToString(), "");
    EXPECT_EQ(Variant().ToLong(), 0);
    EXPECT_EQ(Variant().ToDouble(), 0.0);
}

TEST(Variant, FailedConversionAndOverflow) {
    EXPECT_RAISES(13, Variant("").ToDouble());
    EXPECT_RAISES(13, Variant("12abc").ToDouble());
    EXPECT_RAISES(13, Variant(".").ToDouble());
    EXPECT_RAISES(6, Variant(32767.5).ToInteger());  // rounds to 32768
    EXPECT_EQ(Variant(32766.5).ToInteger(), 32766);
    EXPECT_EQ(Variant(32767.0).ToInteger(), 32767);  // the largest Integer
    EXPECT_EQ(Variant(int32_t{32767}).ToInteger(), 32767);
    EXPECT_EQ(Variant("32767").ToInteger(), 32767);
    EXPECT_RAISES(6, Variant(int32_t{32768}).ToInteger());
    EXPECT_EQ(Variant(-32768.0).ToInteger(), -32768);
    EXPECT_RAISES(6, Variant(-32769.0).ToInteger());
    EXPECT_EQ(Variant(2147483647.0).ToLong(), 2147483647);
    EXPECT_RAISES(6, Variant(2147483647.5).ToLong());
    EXPECT_EQ(Variant(-2147483648.0).ToLong(), INT32_MIN);
    EXPECT_RAISES(6, Variant(std::nan("")).ToLong());
    EXPECT_RAISES(6, Variant(1e300).ToCurrency());
    // Text past the range of a Double overflows; text below it is zero.
    EXPECT_RAISES(6, Variant("1e400").ToDouble());
    EXPECT_RAISES(6, Variant("-1e400").ToDouble());
    EXPECT_EQ(Variant("1e-400").ToDouble(), 0.0);
    EXPECT_EQ(Variant("0.000001e-320").ToDouble(), 0.0);
    EXPECT_DOUBLE_EQ(Variant("1.5E3").ToDouble(), 1500.0);
    EXPECT_DOUBLE_EQ(Variant("2d2").ToDouble(), 200.0);
}

TEST(Variant, HalfToEvenRounding) {
    EXPECT_EQ(Variant(0.5).ToLong(), 0);
    EXPECT_EQ(Variant(1.5).ToLong(), 2);
    EXPECT_EQ(Variant(-1.5).ToLong(), -2);
    EXPECT_EQ(Variant(-3.5).ToInteger(), -4);
    EXPECT_EQ(Variant(2.5000001).ToLong(), 3);
    EXPECT_EQ(Variant(-0.4).ToLong(), 0);
    EXPECT_EQ(Variant("4.5").ToInteger(), 4);
    EXPECT_EQ(Variant::Currency(25000).ToLong(), 2);  // 2.5
    EXPECT_EQ(Variant(0.03125).ToCurrency(), 312);    // 312.5 of the last place: to even
    EXPECT_EQ(Variant(0.09375).ToCurrency(), 938);    // 937.5
    EXPECT_EQ(RoundHalfEven(-2.5), -2.0);
    EXPECT_EQ(RoundHalfEven(1e18 + 0.0), 1e18);
}

TEST(Variant, DoubleText) {
    EXPECT_EQ(DoubleToText(0.0), "0");
    EXPECT_EQ(DoubleToText(-0.0), "0");
    EXPECT_EQ(DoubleToText(-1.5), "-1.5");
    EXPECT_EQ(DoubleToText(100.0), "100");
    EXPECT_EQ(DoubleToText(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(DoubleToText(2.0 / 3.0), "0.666666666666667");
    EXPECT_EQ(DoubleToText(123456789012345.0), "123456789012345");
    EXPECT_EQ(DoubleToText(1234567890123456.0), "1.23456789012346E+15");
    EXPECT_EQ(DoubleToText(0.0001), "0.0001");
    EXPECT_EQ(DoubleToText(-2.5e-10), "-2.5E-10");
    EXPECT_EQ(DoubleToText(1e100), "1E+100");
    EXPECT_EQ(CurrencyToText(-123450), "-12.345");
    EXPECT_EQ(CurrencyToText(10000), "1");
    EXPECT_EQ(CurrencyToText(INT64_MIN), "-922337203685477.5808");
    // The text reads back as the same number.
    for (double d : {0.1, 1e-7, 3.14159265358979, 98765.4321, -7e22})
        EXPECT_DOUBLE_EQ(Variant(DoubleToText(d)).ToDouble(), d) << d;
}

TEST(Variant, TypeNamesAndKinds) {
    EXPECT_EQ(Variant().TypeName(), "Empty");
    EXPECT_EQ(Variant::Null().TypeName(), "Null");
    EXPECT_EQ(Variant(int16_t(1)).TypeName(), "Integer");
    EXPECT_EQ(Variant(1).TypeName(), "Long");
    EXPECT_EQ(Variant(1.0).TypeName(), "Double");
    EXPECT_EQ(Variant::Date(1).TypeName(), "Date");
    EXPECT_EQ(Variant("x").TypeName(), "String");
    EXPECT_EQ(Variant::Nothing().TypeName(), "Nothing");
    EXPECT_EQ(Variant::Missing().TypeName(), "Error");
    EXPECT_EQ(Variant({Variant(1), Variant("a")}).TypeName(), "Variant()");
    EXPECT_EQ(Variant({Variant(1), Variant("a")}).ArrayRef().size(), 2u);
    EXPECT_TRUE(Variant::Currency(1).IsNumber());
    EXPECT_FALSE(Variant::Date(1).IsNumber());
}

TEST(Variant, AdditionWidensAndPropagatesNull) {
    EXPECT_EQ(VarAdd(Variant(int32_t(2147483647)), Variant(int32_t(1))).Kind(), VarKind::Double);
    EXPECT_TRUE(VarAdd(Variant::Null(), Variant(int32_t(1))).IsNull());
    EXPECT_EQ(VarAdd(Variant("a"), Variant("b")).ToString(), "ab");
    EXPECT_EQ(VarSub(Variant(int32_t(5)), Variant(int32_t(7))).ToLong(), -2);
}

TEST(Variant, ArithmeticKindsFollowTheClassicOrder) {
    Variant i = VarAdd(Variant(int16_t(32767)), Variant(int16_t(1)));
    EXPECT_EQ(i.Kind(), VarKind::Long);
    EXPECT_EQ(i.ToLong(), 32768);
    EXPECT_EQ(VarAdd(Variant(int16_t(2)), Variant(true)).Kind(), VarKind::Integer);
    EXPECT_EQ(VarAdd(Variant(true), Variant(true)).ToLong(), -2);
    EXPECT_EQ(VarAdd(Variant(), Variant()).Kind(), VarKind::Integer);
    EXPECT_EQ(VarAdd(Variant(), Variant("x")).ToString(), "x");
    EXPECT_EQ(VarAdd(Variant("x"), Variant()).ToString(), "x");
    Variant mixed = VarAdd(Variant("2"), Variant(int32_t(3)));
    EXPECT_EQ(mixed.Kind(), VarKind::Double);
    EXPECT_EQ(mixed.ToLong(), 5);
    EXPECT_RAISES(13, VarAdd(Variant("abc"), Variant(int32_t(3))));
    EXPECT_EQ(VarSub(Variant("5"), Variant("3")).ToLong(), 2);
    EXPECT_TRUE(VarSub(Variant(1), Variant::Null()).IsNull());
    EXPECT_RAISES(13, VarAdd(Variant::Nothing(), Variant(1)));
    EXPECT_RAISES(13, VarAdd(Variant::Missing(), Variant(1)));

    Variant cy = VarAdd(Variant::Currency(15000), Variant(int32_t(2)));
    EXPECT_EQ(cy.Kind(), VarKind::Currency);
    EXPECT_EQ(cy.CurrencyRaw(), 35000);
    EXPECT_EQ(VarAdd(Variant::Currency(15000), Variant(0.25)).Kind(), VarKind::Double);

    Variant later = VarAdd(Variant::Date(10), Variant(int32_t(2)));
    EXPECT_EQ(later.Kind(), VarKind::Date);
    EXPECT_EQ(later.DateSerial(), 12.0);
    EXPECT_EQ(VarSub(Variant(int32_t(20)), Variant::Date(5)).Kind(), VarKind::Date);
    Variant span = VarSub(Variant::Date(10.5), Variant::Date(3));
    EXPECT_EQ(span.Kind(), VarKind::Double);
    EXPECT_EQ(span.ToDouble(), 7.5);
}

TEST(Variant, ArithmeticOverflowRaisesInsteadOfWrapping) {
    const int64_t big = std::numeric_limits<int64_t>::max() - 5;
    EXPECT_RAISES(6, VarAdd(Variant::Currency(big), Variant::Currency(big)));
    EXPECT_RAISES(6, VarSub(Variant::Currency(-big), Variant::Currency(big)));
    EXPECT_RAISES(6, VarAdd(Variant(1.7e308), Variant(1.7e308)));
    EXPECT_RAISES(6, VarSub(Variant(-1.7e308), Variant(1.7e308)));
    Variant wide = VarSub(Variant(INT32_MIN), Variant(int32_t(1)));
    EXPECT_EQ(wide.Kind(), VarKind::Double);
    EXPECT_EQ(wide.ToDouble(), -2147483649.0);
}

TEST(Variant, DatesConvert) {
    EXPECT_EQ(Variant::Date(0).ToString(), "1899-12-30");
    EXPECT_EQ(Variant::Date(1.5).ToString(), "1899-12-31 12:00:00");
    EXPECT_EQ(Variant("12-31-1899").ToDate(), 1.0);
    EXPECT_EQ(Variant("2").ToDate(), 2.0);
    EXPECT_EQ(Variant(int32_t(40000)).ToDate(), 40000.0);
    EXPECT_RAISES(13, Variant("31-31-2000").ToDate());
    EXPECT_RAISES(94, Variant::Null().ToDate());
    // Past 9999-12-31 or before 100-01-01 there is no date.
    EXPECT_RAISES(6, Variant(1e10).ToDate());
    EXPECT_RAISES(6, Variant::Date(1e300).ToString());
    EXPECT_RAISES(6, Variant::Date(-700000).ToString());
}

}  // namespace
