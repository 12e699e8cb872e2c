#pragma once
// A real root on a private copy of the sample data, for the tests of the root
// wiring its neighbours together, with the error log kept in a
// folder of the test's own and the shown errors at hand: the message boxes
// (RootFixture keeps them) and the error dialog's text.
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "core/CwndShowError.h"
#include "core/mTL5ErrorCodes.h"
#include "platform/xml/kqXML.h"
#include "platform/xml/kqXMLNode.h"
#include "support/ErrorAssert.h"
#include "support/RootFixture.h"

class NeighbourFixture : public RootFixture {
protected:
    void SetUp() override {
        RootFixture::SetUp();
        const char* old = std::getenv("TMPDIR");
        hadTmp_ = old != nullptr;
        if (old) oldTmp_ = old;
        setenv("TMPDIR", logFolder_.Path().c_str(), 1);
    }
    void TearDown() override {
        RootFixture::TearDown();
        if (hadTmp_)
            setenv("TMPDIR", oldTmp_.c_str(), 1);
        else
            unsetenv("TMPDIR");
    }

    // The report the error dialog shows ("" while it never showed one).
    static std::string Dialog() { return CwndShowError::Instance().Text(); }
    // The error log.
    std::string Log() const { return ReadFile(logFolder_.Path() + "Errors.txt"); }

    // The markup of the whole document a settings object stands in.
    static std::string WholeXml(const Ref<ISettings2>& doc) {
        return doc->XMLObject()->DocumentNode()->xml();
    }

    static bool Contains(const std::string& text, const std::string& part) {
        return text.find(part) != std::string::npos;
    }

private:
    TempDir logFolder_;
    bool hadTmp_ = false;
    std::string oldTmp_;
};
