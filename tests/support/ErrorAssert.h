#pragma once
// Checks that a call raises a numbered run-time error.  Shared by the test
// programs.
#include <cstdint>
#include <functional>

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
