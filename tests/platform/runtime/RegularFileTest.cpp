// Reading named files: only regular files, and never waiting on a pipe.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/runtime/FilesRead.h"
#include "platform/runtime/RegularFile.h"
#include "support/ErrorAssert.h"
#include "support/Fifo.h"
#include "support/TempDir.h"

namespace {

using ::testing::HasSubstr;

TEST(RegularFile, ReadsWholeFilesAndPartsOfThem) {
    TempDir dir;
    std::string big(200000, 'x');
    big[123456] = 'y';
    std::string path = dir.Write("big.bin", big);
    ForgetFilesRead();
    EXPECT_EQ(ReadRegularFile(path, "test"), big);

    // Every file read is noted as a file: found again under another name
    // that leads to it; one that was not there is found by its path.
    std::filesystem::create_hard_link(path, dir.Path() + "hard.bin");
    std::filesystem::create_symlink(dir.Path() + "hard.bin", dir.Path() + "link.bin");
    dir.Write("other.bin", big);
    EXPECT_EQ(CaughtError([&] { ReadRegularFile(dir.Path() + "absent.bin", "test"); }).Number(),
              rt::kFileNotFound);
    for (const char* name : {"hard.bin", "link.bin", "sub/../big.bin"}) {
        const FileRead* read = FileReadAs(dir.Path() + name);
        ASSERT_NE(read, nullptr) << name;
        EXPECT_EQ(read->path, path);
    }
    EXPECT_NE(FileReadAs(dir.Path() + "absent.bin"), nullptr);
    // Read again once it is there, it is known by its file from then on: a
    // hard link to it is that file.
    dir.Write("absent.bin", "there now");
    EXPECT_EQ(ReadRegularFile(dir.Path() + "absent.bin", "test"), "there now");
    std::filesystem::create_hard_link(dir.Path() + "absent.bin", dir.Path() + "absent-hard.bin");
    const FileRead* appeared = FileReadAs(dir.Path() + "absent-hard.bin");
    ASSERT_NE(appeared, nullptr);
    EXPECT_EQ(appeared->path, dir.Path() + "absent.bin");
    EXPECT_EQ(FileReadAs(dir.Path() + "other.bin"), nullptr) << "the same content is another file";
    EXPECT_EQ(FileReadAs(dir.Path() + "absent2.bin"), nullptr);
    ForgetFilesRead();
    EXPECT_EQ(FileReadAs(path), nullptr);

    RegularFile file(path, "test");
    EXPECT_EQ(file.Size(), 200000);
    EXPECT_EQ(file.ReadAt(123455, 3), "xyx");
    EXPECT_EQ(file.ReadAt(199998, 10), "xx") << "a read past the end is cut short";
    EXPECT_EQ(file.ReadAt(300000, 10), "");
    EXPECT_EQ(ReadRegularFile(dir.Write("empty", ""), "test"), "");
}

TEST(RegularFile, RefusesWhatIsNoRegularFileAndNamesIt) {
    TempDir dir;
    Error missing = CaughtError([&] { ReadRegularFile(dir.Path() + "absent.txt", "test"); });
    EXPECT_EQ(missing.Number(), rt::kFileNotFound);
    EXPECT_THAT(missing.Description(), HasSubstr("absent.txt"));
    EXPECT_EQ(missing.Source(), "test");

    Error folder = CaughtError([&] { ReadRegularFile(dir.Path(), "test"); });
    EXPECT_EQ(folder.Number(), rt::kPathFileAccess);
    EXPECT_THAT(folder.Description(), HasSubstr("folder"));

    std::string fifo = dir.Path() + "pipe.txt";
    MakeFifo(fifo);
    FifoWatchdog watchdog(fifo);
    Error pipe = CaughtError([&] { ReadRegularFile(fifo, "test"); });
    EXPECT_FALSE(watchdog.Fired()) << "the pipe was opened for reading";
    EXPECT_EQ(pipe.Number(), rt::kPathFileAccess);
    EXPECT_THAT(pipe.Description(), HasSubstr(fifo));
    EXPECT_THAT(pipe.Description(), HasSubstr("pipe"));

    // A symbolic link to a regular file is read through; one to a pipe is not.
    std::filesystem::create_symlink(dir.Write("real.txt", "content"), dir.Path() + "link.txt");
    EXPECT_EQ(ReadRegularFile(dir.Path() + "link.txt", "test"), "content");
    std::filesystem::create_symlink(fifo, dir.Path() + "pipelink.txt");
    EXPECT_RAISES(rt::kPathFileAccess, ReadRegularFile(dir.Path() + "pipelink.txt", "test"));

    // Asked without raising, the answer is why, in the words that follow the
    // file's name in the error.
    for (const std::string& path :
         {dir.Path() + "absent.txt", dir.Path(), fifo, dir.Path() + "pipelink.txt"}) {
        std::string text = "kept", problem;
        EXPECT_FALSE(TryReadRegularFile(path, text, problem)) << path;
        EXPECT_EQ(text, "kept");
        EXPECT_EQ(RegularFileProblem(path), problem);
        Error e = CaughtError([&] { ReadRegularFile(path, "test"); });
        EXPECT_EQ(e.Description(), RuntimeErrorText(e.Number()) + ": \"" + path + "\": " + problem);
    }
    EXPECT_FALSE(watchdog.Fired()) << "the pipe was opened for reading";
    std::string text, problem = "stale";
    EXPECT_TRUE(TryReadRegularFile(dir.Path() + "link.txt", text, problem));
    EXPECT_EQ(text, "content");
    EXPECT_EQ(problem, "");
    EXPECT_EQ(RegularFileProblem(dir.Path() + "link.txt"), "");
}

}  // namespace
