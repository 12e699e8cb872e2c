#include <gtest/gtest.h>

#include "platform/toolslib/cvData.h"
#include "support/ErrorAssert.h"

namespace {

TEST(cvData, TextOrDefault) {
    cvData data;
    EXPECT_EQ(data.TextOrDefault(Variant("North"), Variant("-")), "North");
    EXPECT_EQ(data.TextOrDefault(Variant(int32_t(12)), Variant("-")), "12");
    EXPECT_EQ(data.TextOrDefault(Variant(true), Variant("-")), "True");
    EXPECT_EQ(data.TextOrDefault(Variant::Null(), Variant("-")), "-");
    EXPECT_EQ(data.TextOrDefault(Variant::Null(), Variant(int32_t(0))), "0");
    EXPECT_EQ(data.TextOrDefault(Variant::Null()), "");
    EXPECT_EQ(data.TextOrDefault(Variant::Null(), Variant::Null()), "");
    EXPECT_EQ(data.TextOrDefault(Variant(), Variant("-")), "");  // Empty has text: ""
    EXPECT_RAISES(13, data.TextOrDefault(Variant::Nothing(), Variant("-")));
}

TEST(cvData, ValueOrDefault) {
    cvData data;
    EXPECT_EQ(data.ValueOrDefault(Variant("12.5"), Variant(int32_t(0))).ToDouble(), 12.5);
    EXPECT_EQ(data.ValueOrDefault(Variant(int32_t(3)), Variant(int32_t(0))).Kind(), VarKind::Long);
    EXPECT_EQ(data.ValueOrDefault(Variant(int32_t(0)), Variant(int32_t(9))).ToLong(), 0);  // 0 is a value
    EXPECT_EQ(data.ValueOrDefault(Variant(false), Variant(true)).ToBool(), false);
    for (const Variant& absent : {Variant::Null(), Variant(), Variant(""), Variant::Missing()}) {
        Variant v = data.ValueOrDefault(absent, Variant(int32_t(0)));
        EXPECT_EQ(v.Kind(), VarKind::Long) << absent.TypeName();
        EXPECT_EQ(v.ToLong(), 0);
    }
    EXPECT_EQ(data.ValueOrDefault(Variant(" "), Variant("d")).ToString(), " ");
    EXPECT_TRUE(data.ValueOrDefault(Variant::Null(), Variant::Null()).IsNull());
}

}  // namespace
