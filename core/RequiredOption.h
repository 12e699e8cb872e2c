#pragma once
// A value of the database's Options table that its reader cannot do without:
// a statement template it runs, or a number it computes with.  GetOption
// shows its own failure and answers ""; running that "" as a statement only
// added a second, misleading message ("Command text was not set for the
// command object.") below the real one.
#include <string>

// The root's Options value under sKey.  When the look-up failed, it has shown
// why, and this raises the silent user error, so the reader stops without a
// second message; when the table holds no value (or only blanks: spaces,
// tabs, line breaks) under the key, raises &H80040E0C naming the key.
std::string RequiredOption(const std::string& sKey);
