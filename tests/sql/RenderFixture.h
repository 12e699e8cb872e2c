#pragma once
// The renderer's tests on a stand-in root over a copy of the sample data:
// real criteria sets bound to a query document of the test's own, a query to
// render for (and a fake active query beside it), and direct access to the
// copy, so that what the rendered statement reads can be checked against
// what a statement written by hand finds.
#include <sqlite3.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "criteria/CParameters.h"
#include "interfaces/ICriteria.h"
#include "interfaces/IParameters.h"
#include "platform/ado/Recordset.h"
#include "sql/CSQLRenderer.h"
#include "support/FakeRootFixture.h"

class RenderFixture : public FakeRootFixture {
protected:
    void SetUp() override {
        FakeRootFixture::SetUp();
        active = MakeRootWithFakeQuery();
        root->OpenDatabase();
        query = New<FakeQuery>();
        Bind();
    }

    // Binds new criteria sets to a query document whose detail elements
    // ("FieldDetail", "CompanyDetail", ...) hold the markup given.
    void Bind(const std::map<std::string, std::string>& detail = {}) {
        auto part = [&](const char* element) {
            auto it = detail.find(element);
            const std::string inner = it == detail.end() ? "" : it->second;
            return std::string("<") + element + ">" + inner + "</" + element + ">";
        };
        const std::string xml = "<Query><Options/><Parameters><General>" + part("CompanyDetail") +
                                part("LocationDetail") + "</General><Block>" + part("BlockDetail") +
                                "</Block><Field>" + part("FieldDetail") + "</Field><Well>" +
                                part("WellDetail") + "</Well><Transport>" + part("TransportDetail") +
                                "</Transport></Parameters></Query>";
        document = gTools()->NewSettingsObject();
        ASSERT_TRUE(document->LoadXML(xml));
        ASSERT_TRUE(document->Select("Query/Parameters"));
        params = New<CParameters>();
        params->Settings(document->Node());
    }

    // Renders for a query of that type and gross or net choice.  The active
    // query reads the other choice: a render follows the query it is for,
    // its look-ups included, whichever query is active.
    std::string Render(const std::string& sType, const std::string& sGrossNet = "Gross") {
        query->SetQueryType(sType);
        query->SetGrossNet(sGrossNet);
        active->SetGrossNet(sGrossNet == "Net" ? "Gross" : "Net");
        sentBefore = root->Sent().size();
        renderer = New<CSQLRenderer>();
        renderer->SetParameters(params);
        renderer->SetQuery(query);
        return renderer->SQL();
    }

    // The codes of the asset type's column that the rendered statement reads
    // from the table (the type's own, or its participant table), through the
    // library's connection.
    std::set<std::string> Read(const std::string& sSQL, const std::string& sType,
                               const std::string& sTable = "") {
        std::string statement = Replace(sSQL, "<table/>", sTable.empty() ? sType : sTable);
        statement = Replace(statement, "<orderby/>", "");
        auto rs = New<ADODB::Recordset>();
        rs->Open(statement, root->Connection(), 3, 1);
        std::set<std::string> codes;
        for (; !rs->Eof(); rs->MoveNext()) codes.insert(std::string(rs->Fields(sType + "_Code").AsText()));
        return codes;
    }

    // The first column of every row of a statement run on the copy directly
    // (the annual database attached as "Annual").
    std::vector<std::string> Direct(const std::string& sSQL) {
        sqlite3* db = nullptr;
        sqlite3_open_v2(DatabasePath().c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
        const std::string attach = "ATTACH '" + data.Path() + "Core/Database/Annual.db' AS Annual";
        sqlite3_exec(db, attach.c_str(), nullptr, nullptr, nullptr);
        std::vector<std::string> out;
        sqlite3_stmt* st = nullptr;
        EXPECT_EQ(sqlite3_prepare_v2(db, sSQL.c_str(), -1, &st, nullptr), SQLITE_OK)
            << sqlite3_errmsg(db) << "\n"
            << sSQL;
        while (st && sqlite3_step(st) == SQLITE_ROW) {
            const unsigned char* t = sqlite3_column_text(st, 0);
            out.emplace_back(t ? reinterpret_cast<const char*>(t) : "");
        }
        sqlite3_finalize(st);
        sqlite3_close(db);
        return out;
    }
    std::set<std::string> DirectSet(const std::string& sSQL) {
        const std::vector<std::string> rows = Direct(sSQL);
        return {rows.begin(), rows.end()};
    }
    std::string Scalar(const std::string& sSQL) {
        const std::vector<std::string> rows = Direct(sSQL);
        return rows.empty() ? "" : rows.front();
    }
    // Changes a database of the copy (the core one unless named) before the
    // library's connection opens it again.
    void ChangeData(const std::string& sSQL, const std::string& sFile = "Terralith.db") {
        root->CloseDatabase();
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open((data.Path() + "Core/Database/" + sFile).c_str(), &db), SQLITE_OK);
        char* err = nullptr;
        const int rc = sqlite3_exec(db, sSQL.c_str(), nullptr, nullptr, &err);
        const std::string message = err ? err : "";
        sqlite3_free(err);
        sqlite3_close(db);
        ASSERT_EQ(rc, SQLITE_OK) << message;
        root->OpenDatabase();
    }

    // The messages the last render sent to the host, in order.
    std::vector<std::string> Sent() const {
        return {root->Sent().begin() + static_cast<std::ptrdiff_t>(sentBefore), root->Sent().end()};
    }
    // Those from the first whose text holds sFrom.
    std::vector<std::string> SentFrom(const std::string& sFrom) const {
        std::vector<std::string> out;
        for (const std::string& s : Sent())
            if (!out.empty() || Contains(s, sFrom)) out.push_back(s);
        return out;
    }
    bool WasSent(const std::string& sMessage) const {
        for (const std::string& s : Sent())
            if (s == sMessage) return true;
        return false;
    }
    // The statement the render ran last (the narrowing run).
    std::string Narrowing() const {
        return renderer->StatementsRun().empty() ? "" : renderer->StatementsRun().back();
    }

    Ref<FakeQuery> active, query;
    Ref<ISettings2> document;
    Ref<CParameters> params;
    Ref<CSQLRenderer> renderer;
    size_t sentBefore = 0;
};
