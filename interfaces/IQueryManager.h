#pragma once
// The query collection and the notion of the active query ("-1").  Queries
// keep the position at which they were made; the current position is the
// active query.
#include <cstdint>
#include <string>

#include "platform/runtime/Object.h"

class IQuery;
class ITreeView;

class IQueryManager : public virtual Object {
public:
    // Always 0: the manager keeps no error; never fails.
    virtual int32_t ErrorNumber() = 0;
    // Always ""; never fails.
    virtual std::string ErrorSource() = 0;
    // Always ""; never fails.
    virtual std::string ErrorDescription() = 0;
    // Always False; never fails.
    virtual bool ErrorIsException() = 0;
    // Keeps the host's tree view that queries render their description into; never fails.
    virtual void SetDescriptionTree(const Ref<ITreeView>& oTree) = 0;
    // That tree view; Nothing until set; never fails.
    virtual Ref<ITreeView> DescriptionTree() = 0;
    // "-1": the active query, made from the default query file when there is none; another number: the
    // query made at that position, which becomes current; other text: the query with that identifier.
    // Shows &H80041837 for a query that is not there (or a failure to make one) and returns Nothing.
    virtual Ref<IQuery> Query(const std::string& Index) = 0;
    // The query with that identifier, or Nothing; the current position stays; passes any error on.
    virtual Ref<IQuery> Find(const std::string& sID) = 0;
    // Makes a query from the default query file, the current one from then on; raises &H8004183C
    // without a "Query" settings element or "Query/Parameters" in the file; passes any error on.
    virtual void New() = 0;
    // One query back, never before the first, and rebuilds its description; passes any error on.
    virtual void MovePrevious() = 0;
    // One query on, never past the last, and rebuilds its description; passes any error on.
    virtual void MoveNext() = 0;
    // A new query, then the file loaded into it (the new query stays when the load fails); raises
    // &H8004183C naming the file for one that cannot be read or lacks "Query/Parameters" or one of its
    // five sets; passes any error on.
    virtual void Load(const std::string& sFileName) = 0;
    // Not available: shows "Not Implemented" and keeps the query; any error reaches the caller.
    virtual void Delete(const std::string& sID) = 0;
    // Makes the first query current and rebuilds its description; passes any error on.
    virtual void MoveFirst() = 0;
    // Makes the last query made current and rebuilds its description; passes any error on.
    virtual void MoveLast() = 0;
    // Drops every query; positions keep counting from where they were; passes any error on.
    virtual void Clear() = 0;
};
