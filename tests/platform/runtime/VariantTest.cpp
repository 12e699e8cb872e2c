#include <gtest/gtest.h>

#include "platform/runtime/Error.h"
#include "platform/runtime/Variant.h"

namespace {

int32_t ErrorNumberOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const Error& e) {
        return e.Number();
    }
    return 0;
}

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
    EXPECT_EQ(ErrorNumberOf([] { (void)Variant::Null().ToString(); }), 94);
    EXPECT_EQ(ErrorNumberOf([] { (void)Variant::Null().ToLong(); }), 94);
    EXPECT_EQ(ErrorNumberOf([] { (void)Variant("abc").ToLong(); }), 13);
    EXPECT_EQ(ErrorNumberOf([] { (void)Variant(3e9).ToLong(); }), 6);
    EXPECT_EQ(Variant::Currency(123450).ToString(), "12.345");
}

TEST(Variant, AdditionWidensAndPropagatesNull) {
    EXPECT_EQ(VarAdd(Variant(int32_t(2147483647)), Variant(int32_t(1))).Kind(), VarKind::Double);
    EXPECT_TRUE(VarAdd(Variant::Null(), Variant(int32_t(1))).IsNull());
    EXPECT_EQ(VarAdd(Variant("a"), Variant("b")).ToString(), "ab");
    EXPECT_EQ(VarSub(Variant(int32_t(5)), Variant(int32_t(7))).ToLong(), -2);
}

}  // namespace
