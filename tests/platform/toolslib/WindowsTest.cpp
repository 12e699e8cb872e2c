#include <gtest/gtest.h>

#include <set>

#include "platform/toolslib/cvWindows.h"
#include "platform/ui/MsgBox.h"

namespace {

// "{XXXXXXXX-XXXX-4XXX-[89AB]XXX-XXXXXXXXXXXX}" in upper-case hex.
bool IsVersion4Guid(const std::string& id) {
    if (id.size() != 38 || id.front() != '{' || id.back() != '}') return false;
    for (size_t i = 1; i < 37; ++i) {
        char c = id[i];
        bool dash = i == 9 || i == 14 || i == 19 || i == 24;
        if (dash != (c == '-')) return false;
        if (!dash && !((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) return false;
    }
    return id[15] == '4' && (id[20] == '8' || id[20] == '9' || id[20] == 'A' || id[20] == 'B');
}

TEST(cvWindows, NewIDIsAFreshVersion4Guid) {
    cvWindows w;
    EXPECT_FALSE(IsVersion4Guid("{00000000-0000-1000-8000-000000000000}"));
    EXPECT_FALSE(IsVersion4Guid("{0000000a-0000-4000-8000-000000000000}"));
    std::set<std::string> seen;
    for (int i = 0; i < 2000; ++i) {
        std::string id = w.NewID();
        ASSERT_TRUE(IsVersion4Guid(id)) << id;
        seen.insert(id);
    }
    EXPECT_EQ(seen.size(), 2000u);
    // Every hex digit outside the fixed version and variant bits varies.
    std::string a = w.NewID(), b = w.NewID(), c = w.NewID();
    int sameEverywhere = 0;
    for (size_t i = 0; i < a.size(); ++i) sameEverywhere += (a[i] == b[i] && b[i] == c[i]);
    EXPECT_LT(sameEverywhere, 12);  // braces, dashes and the version digit, plus chance
}

TEST(cvWindows, ShowMessageTurnsBarsIntoLineBreaks) {
    cvWindows w;
    std::string text, title;
    int32_t style = -1;
    auto old = ui::SetMessageBoxHandler([&](const std::string& t, int32_t s, const std::string& ti) {
        text = t, style = s, title = ti;
        return ui::vbYes;
    });
    EXPECT_EQ(w.ShowMessage("Reset settings?||||Really", 36, "Corvantis Terralith", 0, 0), ui::vbYes);
    EXPECT_EQ(text, "Reset settings?\r\n\r\nReally");
    EXPECT_EQ(style, 36);
    EXPECT_EQ(title, "Corvantis Terralith");
    ui::SetMessageBoxHandler(old);
    // Without a handler the default button answers.
    EXPECT_EQ(w.ShowMessage("Unable to connect", ui::vbYesNo | ui::vbDefaultButton2), ui::vbNo);
}

}  // namespace
