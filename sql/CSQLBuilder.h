#pragma once
// One SQL statement under construction.  The statement is text in which
// builder tags ("<select/>", "<from/>", "<join/>", "<where/>", "<group/>",
// "<having/>", "<order/>", "<subselect/>") mark where each clause grows: an
// item is put in front of its tag, so the tag stays behind the clause's last
// item.  Tags are found without regard to case ("<subselect/>" excepted) and
// never inside quoted text.  Other placeholders ("<table/>", "<orderby/>")
// pass through untouched.  Reading the statement strips the tags and the
// empty brackets that empty condition groups leave.
//
// Every member passes its failures on to the caller, recorded under its own
// signature; a failure leaves the statement as the last completed step left
// it.  Arguments are not checked: conditions are statement text, and values
// in them come from sql/SqlValues.h.
#include <cstdint>
#include <string>

#include "platform/runtime/Object.h"

class CSQLBuilder final : public virtual Object {
public:
    // Starts from the default template, which reads back as "".
    CSQLBuilder();

    // Puts (True) or removes (False) DISTINCT after the statement's first
    // word; the statement is trimmed first.  A statement that already starts
    // "SELECT DISTINCT" or "SELECT DISTINCTROW" gains nothing; False drops
    // only a DISTINCT keyword.
    void SetDistinct(bool bState);
    // Replaces the statement with the template and derives from its lower-
    // cased text which clauses it already has and whether its where clause
    // already holds a condition.
    void SetSQL(const std::string& sSQL);
    // The finished statement: tags removed, then "AND ()" and brackets
    // holding up to three blanks removed, then trimmed.  Leaves the
    // statement as it was, so it may be read at any time.
    std::string SQL() const;

    // Puts the join text, untrimmed, and a blank in front of "<join/>".
    void AddJoin(const std::string& sSQL);
    // " OR " in front of "<where/>" when a condition precedes; else nothing.
    void AddOr();
    // " AND " in front of "<where/>" when a condition precedes; else nothing.
    void AddAnd();
    // Adds a condition at "<where/>": " WHERE " first when the statement has
    // none, then the operator between blanks when one is given and a
    // condition precedes, then the trimmed condition and a blank.  A trailing
    // number written with a decimal comma gets a decimal point.
    void AddWhere(const std::string& sSQL, const std::string& sOperator = "");
    // Puts the trimmed text and two blanks in front of "<subselect/>"
    // (matched exactly); a statement without that tag is not changed.
    void AddSubSelect(const std::string& sSQL);
    // Adds a table at "<from/>", " FROM " first when the statement has none;
    // a second table added here follows the first after ", ".
    void AddFrom(const std::string& sSQL);
    // Adds a select-list item: " select " first, ", " between items.
    void AddSelect(const std::string& sSQL);
    // Adds a group-by item: " GROUP BY " first, ", " between items.
    void AddGroup(const std::string& sSQL);
    // Adds a having condition: " HAVING " first, " AND " between conditions.
    void AddHaving(const std::string& sSQL);
    // Adds an order-by item: " ORDER BY " first, ", " between items.
    void AddOrder(const std::string& sSQL);
    // Opens a bracketed condition group at "<where/>" (" WHERE ( " when the
    // statement has no WHERE yet); its first condition gets no operator.
    void StartParamBlock();
    // Closes the group with " ) ".
    void EndParamBlock();
    // Appends " ( SELECT <sFieldName> FROM <sTableName>" at the very end of
    // the statement, behind every tag.
    void StartSelectBlock(const std::string& sFieldName, const std::string& sTableName);
    // Appends " ) " at the very end of the statement.
    void EndSelectBlock();

    std::string TypeName() const override { return "CSQLBuilder"; }

private:
    std::string CleanValues(const std::string& sSQL);
    // Puts sText in front of every occurrence of the tag.
    void PutBefore(const std::string& sText, const char* sTag, bool bNoCase = true);
    void AddItem(const std::string& sSQL, const char* sTag, const char* sKeyword, const char* sSeparator,
                 bool& bHas);

    std::string sql_;
    bool hasSelect_ = false;
    bool hasWhere_ = false;
    bool hasFrom_ = false;
    bool hasGroup_ = false;
    bool hasHaving_ = false;
    bool hasOrder_ = false;
    bool needOperator_ = false;
    // Tables added through AddFrom since the template was set: a FROM the
    // template wrote itself has no table of ours to separate from.
    int32_t tablesAdded_ = 0;
};
