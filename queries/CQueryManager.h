#pragma once
// The open queries and the notion of the active one.  Every class that needs
// the query being worked on asks for Query("-1"), which makes one from the
// default query file when there is none.
//
// Queries are kept under their identifiers; an identifier array maps the
// position at which each query was made to its identifier.  Three positions:
// current, first (always 0) and last (the most recently made).
#include <cstdint>
#include <string>
#include <vector>

#include "core/ErrorDisplay.h"
#include "interfaces/IQueryManager.h"
#include "interfaces/ISettingsObject2.h"

class cvCollection;

class CQueryManager final : public IQueryManager, public ISettingsObject2, public ShowsErrors<ErrDisplay::C> {
public:
    CQueryManager();

    // Nothing ever fills the manager's error fields.
    int32_t ErrorNumber() override { return 0; }
    std::string ErrorSource() override { return ""; }
    std::string ErrorDescription() override { return ""; }
    bool ErrorIsException() override { return false; }

    void SetDescriptionTree(const Ref<ITreeView>& oTree) override { tree_ = oTree; }
    Ref<ITreeView> DescriptionTree() override { return tree_; }
    // "-1": the active query (made when there is none); another number: the
    // query made at that position, which becomes current; other text: the
    // query with that identifier.  A query that is not there is shown as an
    // error and gives Nothing.
    Ref<IQuery> Query(const std::string& Index) override;
    // The query with that identifier, or Nothing; the current position stays.
    Ref<IQuery> Find(const std::string& sID) override;
    // Makes a query from the default query file; it becomes the current one.
    void New() override;
    void MovePrevious() override;
    void MoveNext() override;
    // A new query, then the file loaded into it.
    void Load(const std::string& sFileName) override;
    // Not available: says so and keeps the query.
    void Delete(const std::string& sID) override;
    void MoveFirst() override;
    void MoveLast() override;
    // Drops every query; positions keep counting from where they were.
    void Clear() override;

    // ISettingsObject2: the host settings' "QueryManager" element, whose
    // "Query" child every new query receives.
    void Settings(const Ref<ISettings2>& oSettings) override;

    std::string TypeName() const override { return "CQueryManager"; }

private:
    static constexpr size_t kInitialSlots = 501;  // positions 0 to 500
    static constexpr size_t kGrowth = 500;

    // The identifier at a position; "" for an empty slot or one outside the array.
    std::string Slot(int32_t lPosition) const;
    // Makes the position current and rebuilds the active query's description.
    void MoveTo(int32_t lPosition);

    Ref<ISettings2> settings_;
    Ref<cvCollection> queries_;
    std::vector<std::string> ids_;
    int32_t current_ = -1;
    int32_t first_ = 0;
    int32_t last_ = -1;
    Ref<ITreeView> tree_;
};
