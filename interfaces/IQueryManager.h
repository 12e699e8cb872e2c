#pragma once
// The query collection and the notion of the active query ("-1").
#include <cstdint>
#include <string>

#include "platform/runtime/Object.h"

class IQuery;
class ITreeView;

class IQueryManager : public virtual Object {
public:
    virtual int32_t ErrorNumber() = 0;
    virtual std::string ErrorSource() = 0;
    virtual std::string ErrorDescription() = 0;
    virtual bool ErrorIsException() = 0;
    virtual void SetDescriptionTree(const Ref<ITreeView>& oTree) = 0;
    virtual Ref<ITreeView> DescriptionTree() = 0;
    virtual Ref<IQuery> Query(const std::string& Index) = 0;
    virtual Ref<IQuery> Find(const std::string& sID) = 0;
    virtual void New() = 0;
    virtual void MovePrevious() = 0;
    virtual void MoveNext() = 0;
    virtual void Load(const std::string& sFileName) = 0;
    virtual void Delete(const std::string& sID) = 0;
    virtual void MoveFirst() = 0;
    virtual void MoveLast() = 0;
    virtual void Clear() = 0;
};
