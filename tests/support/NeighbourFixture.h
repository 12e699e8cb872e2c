#pragma once
// A real root on a private copy of the sample data, for the tests of the root
// wiring its neighbours together, with the shown errors at hand: the message
// boxes and the error log (RootFixture keeps them) and the error dialog's
// text.

#include "core/CwndShowError.h"
#include "core/mTL5ErrorCodes.h"
#include "platform/xml/kqXML.h"
#include "platform/xml/kqXMLNode.h"
#include "support/ErrorAssert.h"
#include "support/RootFixture.h"

class NeighbourFixture : public RootFixture {
protected:
    // The report the error dialog shows ("" while it never showed one).
    static std::string Dialog() { return CwndShowError::Instance().Text(); }

    // The markup of the whole document a settings object stands in.
    static std::string WholeXml(const Ref<ISettings2>& doc) {
        return doc->XMLObject()->DocumentNode()->xml();
    }

    static bool Contains(const std::string& text, const std::string& part) {
        return text.find(part) != std::string::npos;
    }
};
