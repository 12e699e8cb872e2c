// A query file that cannot be loaded: the error tells the user which file
// it is, whether it is missing, malformed or lacks its criteria.
#include <gtest/gtest.h>

#include "interfaces/IQuery.h"
#include "interfaces/IQueryManager.h"
#include "queries/QueryFixture.h"

namespace {

class QueryLoadError : public QueryFixture {
protected:
    // The message line of the error a load of sFile raises.
    std::string LoadMessage(const Ref<IQuery>& query, const std::string& sFile) {
        Error e = CaughtError([&] { query->Load(sFile); });
        EXPECT_EQ(e.Number(), ERR_MISSING_SETTINGS_ELEMENT) << sFile;
        return e.Description().substr(0, e.Description().find(" \r\n"));
    }
    // With the reason a file that could not be read at all adds on a line of its own.
    static std::string Expected(const std::string& sFile, const std::string& sWhy = "") {
        return "Invalid Settings File. Element Parameters is Missing or corrupt\r\n" + sFile +
               (sWhy.empty() ? "" : "\r\n" + sWhy);
    }
};

TEST_F(QueryLoadError, EachRefusedFileIsNamedInTheMessage) {
    MakeRootWithQueries();
    Ref<IQuery> query = root->Queries()->Query("-1");
    ASSERT_TRUE(query);

    std::string missing = data.Path() + "no such query.xml";
    std::string malformed = data.Write("malformed.xml", "<Query><Options><AssetType>Well</Options>");
    std::string bare = data.Write("bare.xml", "<Query><Options/></Query>");
    std::string folder = data.Path() + "Default";
    std::string deep = "<Query><Parameters>";
    for (int i = 0; i < 255; ++i) deep += "<General>";
    for (int i = 0; i < 255; ++i) deep += "</General>";
    deep = data.Write("deep.xml", deep + "</Parameters></Query>");
    const std::pair<std::string, std::string> refused[] = {
        {missing, "No such file or directory"},
        {malformed, "not well-formed XML (Start-end tags mismatch at offset 33)"},
        {bare, ""},
        {folder, "it is a folder, not a regular file"},
        {deep, "elements nested deeper than 256 levels"},
    };
    for (const auto& [file, why] : refused) EXPECT_EQ(LoadMessage(query, file), Expected(file, why));
    EXPECT_FALSE(Contains(LoadMessage(query, bare), settingsFile)) << "not the host's settings file";
}

TEST_F(QueryLoadError, ADefaultQueryFileWithoutCriteriaIsNamedWhenAQueryIsMade) {
    std::string defaultFile = data.Write("Default/Default.xml", "<Query><Options/></Query>");
    MakeRootWithQueries();
    Error e = CaughtError([&] { root->Queries()->New(); });
    EXPECT_EQ(e.Number(), ERR_MISSING_SETTINGS_ELEMENT);
    EXPECT_TRUE(Contains(e.Description(), Expected(defaultFile))) << e.Description();
}

}  // namespace
