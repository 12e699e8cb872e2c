#pragma once
// A settings document loaded from markup, for the tests of this folder.
#include <gtest/gtest.h>

#include <string>

#include "platform/xml/cvSettings.h"

inline Ref<cvSettings> Loaded(const std::string& xml) {
    auto s = New<cvSettings>();
    EXPECT_TRUE(s->LoadXML(xml)) << xml;
    return s;
}
