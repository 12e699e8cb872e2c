#pragma once
// The open queries and the active one.
#include <string>

#include "interfaces/IQueryManager.h"
#include "interfaces/ISettingsObject2.h"

class CQueryManager final : public IQueryManager, public ISettingsObject2 {
public:
    CQueryManager() = default;
    int32_t ErrorNumber() override { return 0; }
    std::string ErrorSource() override { return ""; }
    std::string ErrorDescription() override { return ""; }
    bool ErrorIsException() override { return false; }
    void SetDescriptionTree(const Ref<ITreeView>& oTree) override { tree_ = oTree; }
    Ref<ITreeView> DescriptionTree() override { return tree_; }
    Ref<IQuery> Query(const std::string&) override { return {}; }
    Ref<IQuery> Find(const std::string&) override { return {}; }
    void New() override {}
    void MovePrevious() override {}
    void MoveNext() override {}
    void Load(const std::string&) override {}
    void Delete(const std::string&) override {}
    void MoveFirst() override {}
    void MoveLast() override {}
    void Clear() override {}
    void Settings(const Ref<ISettings2>& oSettings) override { settings_ = oSettings; }
    std::string TypeName() const override { return "CQueryManager"; }

private:
    Ref<ISettings2> settings_;
    Ref<ITreeView> tree_;
};
