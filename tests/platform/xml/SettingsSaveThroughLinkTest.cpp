// A settings file that is a symbolic link is saved through the link: the
// link stays as it is and the file it points at gets the new text.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "platform/xml/cvSettings.h"
#include "support/ErrorAssert.h"
#include "support/Fifo.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

bool Holds(const std::string& path, const std::string& part) {
    return ReadFile(path).find(part) != std::string::npos;
}

// The names in a folder, hidden ones included.
std::vector<std::string> Entries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

void SaveValue(const std::string& file, const std::string& value) {
    auto s = New<cvSettings>();
    ASSERT_TRUE(s->LoadXML("<Settings><Value>" + value + "</Value></Settings>"));
    s->Save(file);
}

TEST(SettingsSaveThroughLink, LinksStayAndTheFilesTheyPointAtGetTheText) {
    TempDir dir;
    fs::create_directories(dir.Path() + "real");
    fs::create_directories(dir.Path() + "links");
    const std::string real = dir.Write("real/settings.xml", "<Settings><Value>old</Value></Settings>");

    // A link written relative to its own folder, and a link to that link.
    const std::string link = dir.Path() + "links/settings.xml";
    fs::create_symlink("../real/settings.xml", link);
    const std::string chain = dir.Path() + "chain.xml";
    fs::create_symlink("links/settings.xml", chain);

    SaveValue(link, "through the link");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fs::read_symlink(link), "../real/settings.xml");
    EXPECT_TRUE(Holds(real, "through the link")) << ReadFile(real);
    EXPECT_EQ(Entries(dir.Path() + "links"), std::vector<std::string>{"settings.xml"})
        << "nothing is written beside the link";

    SaveValue(chain, "through the chain");
    EXPECT_TRUE(fs::is_symlink(chain));
    EXPECT_EQ(fs::read_symlink(chain), "links/settings.xml");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_TRUE(Holds(real, "through the chain")) << ReadFile(real);
    EXPECT_EQ(Entries(dir.Path() + "real"), std::vector<std::string>{"settings.xml"});

    // A link whose file is not there yet: the save makes the file.
    const std::string dangling = dir.Path() + "links/new.xml";
    fs::create_symlink("../real/new.xml", dangling);
    SaveValue(dangling, "made");
    EXPECT_TRUE(fs::is_symlink(dangling));
    EXPECT_TRUE(Holds(dir.Path() + "real/new.xml", "made"));

    // A link into a folder that does not exist fails as a missing folder
    // does, and leaves the link alone.
    const std::string nowhere = dir.Path() + "links/nowhere.xml";
    fs::create_symlink("../no/such/folder/x.xml", nowhere);
    auto s = New<cvSettings>();
    ASSERT_TRUE(s->LoadXML("<Settings/>"));
    EXPECT_RAISES(75, s->Save(nowhere));
    EXPECT_TRUE(fs::is_symlink(nowhere));

    // What a link leads to must be a regular file: a pipe or a folder is
    // refused before anything is written, and stays what it was.
    MakeFifo(dir.Path() + "real/pipe");
    fs::create_directories(dir.Path() + "real/folder");
    for (const char* target : {"pipe", "folder"}) {
        const std::string to = dir.Path() + "links/to-" + target + ".xml";
        fs::create_symlink(std::string("../real/") + target, to);
        EXPECT_RAISES(75, s->Save(to)) << target;
        EXPECT_TRUE(fs::is_symlink(to));
    }
    EXPECT_EQ(fs::status(dir.Path() + "real/pipe").type(), fs::file_type::fifo);
    EXPECT_TRUE(fs::is_directory(dir.Path() + "real/folder"));
    EXPECT_EQ(Entries(dir.Path() + "real"),
              (std::vector<std::string>{"folder", "new.xml", "pipe", "settings.xml"}));

    // Links that point at each other lead to no file: refused, both kept.
    const std::string a = dir.Path() + "a.xml", b = dir.Path() + "b.xml";
    fs::create_symlink("b.xml", a);
    fs::create_symlink("a.xml", b);
    EXPECT_RAISES(75, s->Save(a));
    EXPECT_TRUE(fs::is_symlink(a));
    EXPECT_TRUE(fs::is_symlink(b));
}

}  // namespace
