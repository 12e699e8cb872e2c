#pragma once
// What the error report and the log need from the system: texts of system
// error codes, the computer's name, the database layer's version, the
// component's name and version, and appending to the log file.  Each gives a
// fallback instead of failing, and the log never raises.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// The system's message for a system error code ("" when it has none).
std::string ApiErrorText(int32_t lCode);

// The computer's name; "" when it cannot be read.
std::string ComputerName();

// The database layer's version as a new connection reports it, "?" when it
// cannot be read.  A reader may be installed in its place (tests).
using AdoVersionReader = std::function<std::string()>;
AdoVersionReader SetAdoVersionReader(AdoVersionReader reader);
std::string AdoVersion();

// The component's name and its three-part version ("1.0.1").
std::string AppTitle();
std::string AppVersionText();

// The log file's name in the temporary folder.
inline constexpr const char* kErrorLogFile = "Errors.txt";

// Appends the report and a blank line to a log file: sFile itself when it
// holds a path separator, else sFile in the temporary folder.  Writes nothing
// when there is no report (user errors).  A file that cannot be opened is
// tried again every 200 ms for up to one second, then the entry is dropped;
// so is an entry whose name leads to anything but a regular file (a pipe
// there is never written to nor waited on).
void ErrSaveToFile(std::string_view sFile);
// The same for a report already taken from the error state.
void AppendReportToFile(const std::string& report, std::string_view sFile);
// The log opened for appending, with the retries above; -1 when it cannot be.
int OpenLogWithRetry(const std::string& sPath);
