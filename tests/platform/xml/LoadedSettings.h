#pragma once
// A settings document loaded from markup, for the tests of this folder.
#include <gtest/gtest.h>

#include <string>

#include "platform/xml/cvSettings.h"

// Elements <A> nested `levels` deep, the innermost holding `inner`.
inline std::string Nested(int levels, const std::string& inner = "") {
    std::string xml;
    for (int i = 0; i < levels; ++i) xml += "<A>";
    xml += inner;
    for (int i = 0; i < levels; ++i) xml += "</A>";
    return xml;
}

inline Ref<cvSettings> Loaded(const std::string& xml) {
    auto s = New<cvSettings>();
    EXPECT_TRUE(s->LoadXML(xml)) << xml;
    return s;
}
