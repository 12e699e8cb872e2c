#include <gtest/gtest.h>

#include <string>

#include "core/CreateObject.h"
#include "sql/CSQLBuilder.h"
#include "sql/SqlClasses.h"

namespace {

constexpr const char* kField = "SELECT A.Field_Code <from/> <join/> <where/>";

std::string Built(const std::string& sTemplate) {
    CSQLBuilder b;
    b.SetSQL(sTemplate);
    return b.SQL();
}

TEST(CSQLBuilder, DefaultTemplateAndClauseKeywords) {
    CSQLBuilder b;
    EXPECT_EQ(b.SQL(), "");
    b.AddSelect(" A ");
    b.AddSelect("B");
    EXPECT_EQ(b.SQL(), "select A , B");
    b.AddFrom("Field A");
    b.AddFrom("Block B");
    b.AddJoin("  INNER JOIN FS ON A.x = FS.x");
    b.AddGroup("A");
    b.AddGroup("B");
    b.AddHaving("COUNT(*) > 1");
    b.AddHaving("SUM(x) > 2");
    b.AddOrder("A");
    b.AddOrder("B DESC");
    EXPECT_EQ(b.SQL(),
              "select A , B   FROM Field A , Block B    INNER JOIN FS ON A.x = FS.x    GROUP BY A , B  "
              " HAVING COUNT(*) > 1  AND SUM(x) > 2   ORDER BY A , B DESC");
    // A FROM of the template's own gets no keyword and no separator.
    CSQLBuilder r;
    r.SetSQL("SELECT A.* FROM <from/> A <where/>");
    r.AddFrom("Field");
    EXPECT_EQ(r.SQL(), "SELECT A.* FROM Field  A");
}

TEST(CSQLBuilder, ConditionsAndOperators) {
    CSQLBuilder b;
    b.SetSQL(kField);
    b.AddWhere("x = 1", "AND");  // the first condition gets no operator
    b.AddWhere(" y = 2 ", " AND ");
    b.AddWhere("z = 3");  // none given: nothing joins it
    EXPECT_EQ(b.SQL(), "SELECT A.Field_Code    WHERE x = 1  AND y = 2 z = 3");

    // A group after a condition, joined inside by AddOr or by an operator.
    for (bool byOperator : {false, true}) {
        CSQLBuilder g;
        g.SetSQL(kField);
        g.AddWhere("x = 1", "AND");
        g.AddAnd();
        g.StartParamBlock();
        g.AddWhere("a = 1", "OR");
        if (!byOperator) g.AddOr();
        g.AddWhere("b = 2", byOperator ? "OR" : "");
        g.EndParamBlock();
        g.AddAnd();
        g.AddWhere("c = 3");
        EXPECT_EQ(g.SQL(), "SELECT A.Field_Code    WHERE x = 1  AND  ( a = 1  OR b = 2  )  AND c = 3");
    }

    // A group that opens the where clause; AddAnd and AddOr before any
    // condition put nothing.
    CSQLBuilder o;
    o.SetSQL(kField);
    o.AddOr();
    o.AddAnd();
    o.StartParamBlock();
    o.AddWhere("a = 1");
    o.EndParamBlock();
    EXPECT_EQ(o.SQL(), "SELECT A.Field_Code    WHERE ( a = 1  )");
}

TEST(CSQLBuilder, TemplateFlags) {
    // A condition already in the template's where clause needs an operator.
    CSQLBuilder held;
    held.SetSQL("SELECT * FROM t WHERE a = 1 <where/>");
    held.AddWhere("b = 2", "AND");
    EXPECT_EQ(held.SQL(), "SELECT * FROM t WHERE a = 1  AND b = 2");
    // So does an "and " anywhere after the where keyword.
    CSQLBuilder after;
    after.SetSQL("select * from t where <WHERE/> and c = 1");
    after.AddWhere("b = 2", "AND");
    EXPECT_EQ(after.SQL(), "select * from t where  AND b = 2  and c = 1");
    // Without a where keyword only an "and " behind the where tag counts.
    CSQLBuilder join;
    join.SetSQL("SELECT * FROM t INNER JOIN u ON t.a = u.a and t.b = u.b <where/>");
    join.AddWhere("c = 1", "AND");
    EXPECT_EQ(join.SQL(), "SELECT * FROM t INNER JOIN u ON t.a = u.a and t.b = u.b  WHERE c = 1");
    // An empty where clause does not; neither does "and" inside a word.
    CSQLBuilder empty;
    empty.SetSQL("SELECT band FROM t WHERE <where/>");
    empty.AddWhere("b = 2", "AND");
    EXPECT_EQ(empty.SQL(), "SELECT band FROM t WHERE b = 2");
    // Setting a template again starts over.
    empty.SetSQL(kField);
    empty.AddWhere("b = 2", "AND");
    EXPECT_EQ(empty.SQL(), "SELECT A.Field_Code    WHERE b = 2");
}

TEST(CSQLBuilder, ReadingStripsTagsAndEmptyBrackets) {
    EXPECT_EQ(Built(" <SELECT/> x <Order/> <subSelect/> <table/> "), "x   <table/>");
    EXPECT_EQ(Built("a AND () b"), "a  b");
    // "AND ()" goes before the brackets, so a bracket with a blank leaves its AND.
    EXPECT_EQ(Built("a AND ( ) b"), "a AND  b");
    EXPECT_EQ(Built("f() g(  ) h(   ) i(    )"), "f g h i(    )");
    // A group that received no condition.
    CSQLBuilder b;
    b.SetSQL(kField);
    b.StartParamBlock();
    b.EndParamBlock();
    EXPECT_EQ(b.SQL(), "SELECT A.Field_Code    WHERE");
    // Reading left the statement and its tags as they were: the next
    // condition still goes in behind the group.
    b.AddWhere("x = 1", "AND");
    EXPECT_EQ(b.SQL(), "SELECT A.Field_Code    WHERE  x = 1");
}

TEST(CSQLBuilder, QuotedTextIsNeverTouched) {
    // A value holding a tag or empty brackets stays as it is: the next
    // condition is not put inside it, and reading does not strip it.
    CSQLBuilder b;
    b.SetSQL(kField);
    b.AddWhere("Name = '<where/> ()'", "AND");
    b.AddWhere("Code = \"<WHERE/>\"", "AND");
    b.AddWhere("[<where/>] = `<where/>`", "AND");
    b.AddWhere("It = 'O''<where/>'", "AND");
    // A doubled quote at a literal's end does not leave it open.
    b.AddWhere("Q = 'it'''", "AND");
    b.AddWhere("z = 1", "AND");
    EXPECT_EQ(b.SQL(),
              "SELECT A.Field_Code    WHERE Name = '<where/> ()'  AND Code = \"<WHERE/>\"  AND "
              "[<where/>] = `<where/>`  AND It = 'O''<where/>'  AND Q = 'it'''  AND z = 1");
}

TEST(CSQLBuilder, TrailingDecimalComma) {
    auto where = [](const std::string& sCondition) {
        CSQLBuilder b;
        b.SetSQL("<where/>");
        b.AddWhere(sCondition);
        return b.SQL();
    };
    EXPECT_EQ(where("Oil > 1,5"), "WHERE Oil > 1.5");
    EXPECT_EQ(where("Oil > 1,5 OR Gas < 1,5"), "WHERE Oil > 1.5 OR Gas < 1.5");
    EXPECT_EQ(where("Oil > -2,25"), "WHERE Oil > -2.25");
    EXPECT_EQ(where("Name = 'a' AND Oil > 1,5"), "WHERE Name = 'a' AND Oil > 1,5");
    EXPECT_EQ(where("Name = \"a\" AND Oil > 1,5"), "WHERE Name = \"a\" AND Oil > 1,5");
    EXPECT_EQ(where("Code IN (1,5)"), "WHERE Code IN (1,5)");
    EXPECT_EQ(where("Code IN 1,5)"), "WHERE Code IN 1,5)");
    EXPECT_EQ(where("Oil > 1,5 "), "WHERE Oil > 1,5");  // its last word is empty
}

TEST(CSQLBuilder, Distinct) {
    CSQLBuilder b;
    b.SetSQL("  SELECT A.Well_Code FROM Well A <where/> ");
    b.SetDistinct(true);
    b.SetDistinct(true);
    EXPECT_EQ(b.SQL(), "SELECT DISTINCT A.Well_Code FROM Well A");
    b.SetDistinct(false);
    EXPECT_EQ(b.SQL(), "SELECT A.Well_Code FROM Well A");
    b.SetSQL("select distinctrow x FROM t");
    b.SetDistinct(true);
    EXPECT_EQ(b.SQL(), "select distinctrow x FROM t");
    b.SetDistinct(false);
    EXPECT_EQ(b.SQL(), "select distinctrow x FROM t");
}

TEST(CSQLBuilder, SubSelectsAndSelectBlocks) {
    CSQLBuilder b;
    b.SetSQL("SELECT a FROM t WHERE b IN (<subselect/>) <SubSelect/>");
    b.AddSubSelect(" SELECT b FROM u ");  // the tag in another case is not filled
    b.StartSelectBlock("c ", " v");
    b.EndSelectBlock();
    EXPECT_EQ(b.SQL(), "SELECT a FROM t WHERE b IN (SELECT b FROM u  )  ( SELECT c  FROM  v )");
}

TEST(CSQLBuilder, Creatable) {
    RegisterSqlClasses();
    Ref<CSQLBuilder> b = CreateObjectAs<CSQLBuilder>("cvDataManager.CSQLBuilder");
    ASSERT_TRUE(b);
    EXPECT_EQ(b->SQL(), "");
}

}  // namespace
