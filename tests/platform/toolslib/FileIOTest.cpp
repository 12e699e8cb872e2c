#include <gtest/gtest.h>

#include "platform/toolslib/cvFileIO.h"
#include "support/ErrorAssert.h"
#include "support/Fifo.h"
#include "support/TempDir.h"

namespace {

TEST(cvFileIO, ReadINIFindsValuesWithoutRegardToCase) {
    TempDir dir;
    std::string ini = dir.Write("Options.ini",
                                "\xEF\xBB\xBF; written by the installer\r\n"
                                "Top=ignored\r\n"
                                "[Startup]\r\n"
                                "  CheckAttachedTables =  No  \r\n"
                                "# CheckAttachedTables=commented\r\n"
                                "Empty=\r\n"
                                "Path=a=b\r\n"
                                "CheckAttachedTables=second\r\n"
                                "[ Other ]\n"
                                "Key=other value\n"
                                "[startup]\n"
                                "Late=yes\n");
    cvFileIO io;
    EXPECT_EQ(io.ReadINI(ini, "Startup", "CheckAttachedTables"), "No");
    EXPECT_EQ(io.ReadINI(ini, "STARTUP", "checkattachedtables"), "No");
    EXPECT_EQ(io.ReadINI(ini, "Startup", "Path"), "a=b");
    EXPECT_EQ(io.ReadINI(ini, "Startup", "Empty"), "");
    EXPECT_EQ(io.ReadINI(ini, "Other", "Key"), "other value");
    EXPECT_EQ(io.ReadINI(ini, "Startup", "Late"), "yes");  // a section may come back
    EXPECT_EQ(io.ReadINI(ini, "Startup", "Key"), "");
    EXPECT_EQ(io.ReadINI(ini, "Startup", "Top"), "");  // keys before any section belong to none
    EXPECT_EQ(io.ReadINI(ini, "Missing", "Key"), "");
    EXPECT_EQ(io.ReadINI(ini, "Startup", "# CheckAttachedTables"), "");
}

TEST(cvFileIO, AbsentOrUnreadableFiles) {
    TempDir dir;
    cvFileIO io;
    EXPECT_EQ(io.ReadINI(dir.Path() + "none.ini", "Startup", "Key"), "");
    EXPECT_EQ(io.ReadINI("", "Startup", "Key"), "");
    EXPECT_EQ(io.ReadINI(dir.Write("empty.ini", ""), "Startup", "Key"), "");
    EXPECT_EQ(io.ReadINI(dir.Write("bad.ini", "[Startup\nKey=1\n"), "Startup", "Key"), "");
    EXPECT_RAISES(75, io.ReadINI(dir.Path(), "Startup", "Key"));
    // A pipe under the name is refused at once, not waited on.
    std::string fifo = dir.Path() + "Options.ini";
    MakeFifo(fifo);
    FifoWatchdog watchdog(fifo);
    Error e = CaughtError([&] { io.ReadINI(fifo, "Startup", "CheckAttachedTables"); });
    EXPECT_FALSE(watchdog.Fired()) << "the pipe was opened for reading";
    EXPECT_EQ(e.Number(), 75);
    EXPECT_NE(e.Description().find(fifo), std::string::npos) << e.Description();
}

}  // namespace
