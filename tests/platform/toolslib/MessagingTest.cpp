#include <gtest/gtest.h>

#include "platform/toolslib/cvMessaging.h"
#include "support/ErrorAssert.h"

namespace {

TEST(cvMessaging, BuildCommandFillsOneBasedSlots) {
    cvMessaging msg;
    Ref<cvCommand> c = msg.BuildCommand(
        "CMD=%1!DEST=%2!MSG=%3", Variant({Variant("STATUS_MESSAGE"), Variant("A.CV"), Variant("Ready")}));
    ASSERT_EQ(c->Count(), 3);
    EXPECT_EQ(c->Key(0), "CMD");
    EXPECT_EQ(c->Value(0), "STATUS_MESSAGE");
    EXPECT_EQ(c->Key(2), "MSG");
    EXPECT_EQ(c->Value("DEST"), "A.CV");
    EXPECT_EQ(c->Value("msg"), "Ready");
    EXPECT_EQ(c->Value("VALUE"), "");
    EXPECT_TRUE(c->Exists("cmd"));
    EXPECT_FALSE(c->Exists("VALUE"));
    EXPECT_EQ(c->Text(), "CMD=STATUS_MESSAGE!DEST=A.CV!MSG=Ready");

    // Destination first, as the combined progress message sends it.
    Ref<cvCommand> p =
        msg.BuildCommand("DEST=%1!CMD=%2!VALUE=%3",
                         Variant({Variant("A.CV"), Variant("PROGRESS_BAR_VALUE"), Variant(int32_t(-5))}));
    EXPECT_EQ(p->Text(), "DEST=A.CV!CMD=PROGRESS_BAR_VALUE!VALUE=-5");
    Ref<cvCommand> b =
        msg.BuildCommand("CMD=%1!DEST=%2!VISIBLE=%3",
                         Variant({Variant("PROGRESS_BAR_VISIBLE"), Variant("A.CV"), Variant(false)}));
    EXPECT_EQ(b->Value("VISIBLE"), "False");
    Ref<cvCommand> two = msg.BuildCommand("CMD=%1!DEST=%2", Variant({Variant("KILL_SPLASH"), Variant("A")}));
    EXPECT_EQ(two->Text(), "CMD=KILL_SPLASH!DEST=A");
    // A lone value is entry 1; values handed on wrapped in a list of arguments unwrap.
    EXPECT_EQ(msg.BuildCommand("CMD=%1", Variant("X"))->Value("CMD"), "X");
    Variant wrapped(VariantArray{Variant({Variant("KILL_SETTINGS_FILE"), Variant("A")})});
    EXPECT_EQ(msg.BuildCommand("CMD=%1!DEST=%2", wrapped)->Text(), "CMD=KILL_SETTINGS_FILE!DEST=A");
    // A slot with no value stays as written; text around a slot is kept.
    EXPECT_EQ(msg.BuildCommand("MSG=Table: %1 (%2)", Variant("T"))->Value("MSG"), "Table: T (%2)");
}

TEST(cvMessaging, ValuesCannotCorruptTheCommand) {
    cvMessaging msg;
    Ref<cvCommand> c = msg.BuildCommand(
        "CMD=%1!DEST=%2!MSG=%3",
        Variant({Variant("STATUS_MESSAGE"), Variant("A.CV"), Variant("Checking Table: a!b=c!DEST=EVIL %1")}));
    ASSERT_EQ(c->Count(), 3);
    EXPECT_EQ(c->Value("DEST"), "A.CV");
    EXPECT_EQ(c->Value("MSG"), "Checking Table: a!b=c!DEST=EVIL %1");
    EXPECT_EQ(c->Key(2), "MSG");
}

TEST(cvMessaging, MalformedTemplatesAndIndexes) {
    cvMessaging msg;
    EXPECT_EQ(msg.BuildCommand("", Variant("x"))->Count(), 0);
    EXPECT_EQ(msg.BuildCommand("", Variant("x"))->Text(), "");
    EXPECT_RAISES(5, msg.BuildCommand("CMD=%1!!DEST=%2", Variant("x")));
    EXPECT_RAISES(5, msg.BuildCommand("CMD", Variant("x")));
    EXPECT_RAISES(5, msg.BuildCommand("=%1", Variant("x")));
    EXPECT_EQ(msg.BuildCommand("A=x=y", Variant())->Value("A"), "x=y");
    EXPECT_RAISES(94, msg.BuildCommand("MSG=%1", Variant::Null()));
    Ref<cvCommand> c = msg.BuildCommand("A=1", Variant());
    EXPECT_RAISES(9, c->Key(1));
    EXPECT_RAISES(9, c->Value(-1));
    Variant asValue(c);
    EXPECT_EQ(asValue.ToObject<cvCommand>()->Text(), "A=1");
}

}  // namespace
