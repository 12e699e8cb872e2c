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

// True when the report's call-stack line of `call` ("CQuery.IQuery_Load")
// shows its argument `name` as the text `value`: inline ("sFile='value'"),
// or, for a value too long to stand in the line (a file in a temporary folder
// of any length), as "sFile={Text}" with the value in the block of indented
// lines below it.
inline bool ShowsTextArgument(const std::string& report, const std::string& call, const std::string& name,
                              const std::string& value) {
    const std::string quoted = "'" + value + "'";
    size_t at = report.find(call + "(");
    if (at == std::string::npos) return false;
    size_t end = report.find("\r\n", at);
    const std::string line = report.substr(at, end == std::string::npos ? end : end - at);
    if (line.find(name + "=" + quoted) != std::string::npos) return true;
    if (line.find(name + "={Text}") == std::string::npos) return false;
    // The block's lines are indented by four blanks and more.
    std::string block;
    for (at = end; at != std::string::npos && report.compare(at, 6, "\r\n    ") == 0; at = end) {
        end = report.find("\r\n", at + 2);
        block += report.substr(at, end == std::string::npos ? end : end - at);
    }
    return (block + "\r\n").find("\r\n    Value Of " + name + ":\r\n      " + quoted + "\r\n") !=
           std::string::npos;
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
