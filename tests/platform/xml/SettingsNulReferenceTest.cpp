// A reference to character 0 would end a value where it stands; every reader
// of markup refuses it, and only it: literal text in comments, CDATA and
// processing instructions, and references to other characters, are read.
#include <gtest/gtest.h>

#include "platform/runtime/Error.h"
#include "platform/runtime/Object.h"
#include "platform/xml/NulReference.h"
#include "platform/xml/cvSettings.h"
#include "support/TempDir.h"

TEST(NulReference, EveryFormIsFoundOutsideLiteralText) {
    for (const char* text : {"<A>a&#0;b</A>", "<A x='&#00;'/>", "<A>&#x0;</A>", "<A>&#X000;</A>"})
        EXPECT_TRUE(HoldsNulReference(text)) << text;
    for (const char* text : {"<A>&#10;&#x41;&amp;#0;</A>", "<A><!-- &#0; --></A>", "<A><![CDATA[&#0;]]></A>",
                             "<?pi &#0;?><A/>", "<A>&#;&#x;&#0</A>"})
        EXPECT_FALSE(HoldsNulReference(text)) << text;
}

TEST(NulReference, DocumentsHoldingOneAreMalformedAndChangeNothing) {
    TempDir dir;
    auto doc = New<cvSettings>();
    ASSERT_TRUE(doc->LoadXML("<A><B>kept</B></A>"));

    EXPECT_FALSE(doc->Load(dir.Write("nul.xml", "<A><B>cut&#0;short</B></A>")));
    EXPECT_FALSE(doc->LoadXML("<A><B>cut&#x0;short</B></A>"));
    EXPECT_THROW(doc->ReplaceXML("<B>cut&#0;short</B>", "B"), Error);
    EXPECT_EQ(doc->GetValue("A/B").ToString(), "kept");

    // Text that only looks like one stays readable.
    ASSERT_TRUE(doc->LoadXML("<A><B><![CDATA[&#0;]]></B></A>"));
    EXPECT_EQ(doc->GetValue("A/B").ToString(), "&#0;");
}
