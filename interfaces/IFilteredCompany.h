#pragma once
// One company of a query's participant or parent company list: its code,
// names and the host's Selected choice.  The accessors store and return their
// field unchanged; none validates.
#include <cstdint>
#include <string>

#include "platform/runtime/Object.h"

class IFilteredCompany : public virtual Object {
public:
    // Stores the company code; never fails.
    virtual void SetCode(int32_t lCode) = 0;
    // The company code; 0 until set; never fails.
    virtual int32_t Code() = 0;
    // "C_" followed by the decimal code, a negative code keeping its minus sign ("C_-5"); never fails.
    virtual std::string Key() = 0;
    // Stores the company name; never fails.
    virtual void SetName(const std::string& sName) = 0;
    // The company name; "" until set; never fails.
    virtual std::string Name() = 0;
    // Stores the short company name; never fails.
    virtual void SetShortName(const std::string& sShortName) = 0;
    // The short company name; "" until set; never fails.
    virtual std::string ShortName() = 0;
    // Stores the host's choice; never fails.
    virtual void SetSelected(bool bSelected) = 0;
    // The host's choice; False until set (True for every entry an execution lists); never fails.
    virtual bool Selected() = 0;
};
