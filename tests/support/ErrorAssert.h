#pragma once
// Checks that a call raises a numbered run-time error.  Shared by the test
// programs.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

#include "platform/runtime/Error.h"

// The number of the Error the call raises, 0 when it raises none.
inline int32_t ErrorNumberOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const Error& e) {
        return e.Number();
    }
    return 0;
}

// The Error the call raises; number 0 when it raises none.
inline Error CaughtError(const std::function<void()>& call) {
    try {
        call();
    } catch (const Error& e) {
        return e;
    }
    return Error(0, "", "");
}

#define EXPECT_RAISES(number, expression) EXPECT_EQ(ErrorNumberOf([&] { (void)(expression); }), (number))

// Runs one row of a table under its name: a failed ASSERT or an exception
// ends that row alone and is reported as its failure, so that a fault that
// breaks several rows shows every one of them.
inline void RunRow(const std::string& sRow, const std::function<void()>& check) {
    SCOPED_TRACE(sRow);
    try {
        check();
    } catch (const Error& e) {
        ADD_FAILURE() << "raised " << e.Number() << ": " << e.Description();
    } catch (const std::exception& e) {
        ADD_FAILURE() << "threw: " << e.what();
    }
}
