#include <gtest/gtest.h>

#include "platform/toolslib/FileSystemObject.h"
#include "support/ErrorAssert.h"
#include "support/TempDir.h"

namespace {

TEST(FileSystemObject, FilesAndFolders) {
    TempDir dir;
    FileSystemObject fso;
    std::string file = dir.Write("Core/Database/core.db", "x");
    EXPECT_TRUE(fso.FileExists(file));
    EXPECT_FALSE(fso.FileExists(dir.Path() + "Core"));
    EXPECT_FALSE(fso.FileExists(dir.Path() + "none.db"));
    EXPECT_FALSE(fso.FileExists(""));
    EXPECT_TRUE(fso.FolderExists(dir.Path() + "Core"));
    EXPECT_TRUE(fso.FolderExists(dir.Path() + "Core/"));
    EXPECT_FALSE(fso.FolderExists(file));
    EXPECT_FALSE(fso.FolderExists(dir.Path() + "none"));
}

TEST(FileSystemObject, BuildPathUsesOneSeparator) {
    FileSystemObject fso;
    EXPECT_EQ(fso.BuildPath("/tmp", "Errors.txt"), "/tmp/Errors.txt");
    EXPECT_EQ(fso.BuildPath("/tmp/", "Errors.txt"), "/tmp/Errors.txt");
    EXPECT_EQ(fso.BuildPath("/tmp//", "/Errors.txt"), "/tmp/Errors.txt");
    EXPECT_EQ(fso.BuildPath("C:\\data\\", "x.db"), "C:\\data/x.db");
    EXPECT_EQ(fso.BuildPath("/", "x"), "/x");
    EXPECT_EQ(fso.BuildPath("", "x"), "x");
    EXPECT_EQ(fso.BuildPath("a", ""), "a/");
}

TEST(FileSystemObject, TemporaryFolder) {
    FileSystemObject fso;
    {
        TmpDirVariable env("/var/tmp/work/");
        EXPECT_EQ(fso.GetSpecialFolder(2), "/var/tmp/work");
    }
    {
        TmpDirVariable env(nullptr);
        EXPECT_EQ(fso.GetSpecialFolder(2), "/tmp");
    }
    {
        TmpDirVariable env("");
        EXPECT_EQ(fso.GetSpecialFolder(2), "/tmp");
    }
    {
        TmpDirVariable env("/");
        EXPECT_EQ(fso.GetSpecialFolder(2), "/");
    }
    EXPECT_RAISES(5, fso.GetSpecialFolder(0));
    EXPECT_RAISES(5, fso.GetSpecialFolder(1));
}

TEST(FileSystemObject, TakingPathsApart) {
    FileSystemObject fso;
    EXPECT_EQ(fso.GetFileName("/data/Core/core.db"), "core.db");
    EXPECT_EQ(fso.GetFileName("C:\\data\\core.db"), "core.db");
    EXPECT_EQ(fso.GetFileName("/data/Core/"), "Core");
    EXPECT_EQ(fso.GetFileName("core.db"), "core.db");
    EXPECT_EQ(fso.GetFileName(""), "");
    EXPECT_EQ(fso.GetParentFolderName("/data/Core/core.db"), "/data/Core");
    EXPECT_EQ(fso.GetParentFolderName("C:\\data\\core.db"), "C:\\data");
    EXPECT_EQ(fso.GetParentFolderName("/data//core.db"), "/data");
    EXPECT_EQ(fso.GetParentFolderName("/data/Core/"), "/data");
    EXPECT_EQ(fso.GetParentFolderName("/core.db"), "/");
    EXPECT_EQ(fso.GetParentFolderName("core.db"), "");
}

}  // namespace
