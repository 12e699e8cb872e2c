#pragma once
// A company entry of a query's participant lists.  The key is never stored:
// it follows the code, so an entry can never sit under a key that no longer
// matches it.
#include <cstdint>
#include <string>

#include "interfaces/IFilteredCompany.h"
#include "platform/runtime/Variant.h"

class CFilteredCompany final : public IFilteredCompany {
public:
    void SetCode(int32_t lCode) override { code_ = lCode; }
    int32_t Code() override { return code_; }
    std::string Key() override { return KeyOf(code_); }
    void SetName(const std::string& sName) override { name_ = sName; }
    std::string Name() override { return name_; }
    void SetShortName(const std::string& sShortName) override { shortName_ = sShortName; }
    std::string ShortName() override { return shortName_; }
    void SetSelected(bool bSelected) override { selected_ = bSelected; }
    bool Selected() override { return selected_; }

    // The key of the entry with that code.
    static std::string KeyOf(int32_t lCode) { return "C_" + Variant(lCode).ToString(); }

    std::string TypeName() const override { return "CFilteredCompany"; }

private:
    int32_t code_ = 0;
    std::string name_;
    std::string shortName_;
    bool selected_ = false;
};
