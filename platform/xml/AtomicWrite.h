#pragma once
// Writing a file so that a failure never leaves it truncated or empty: the
// text goes to a new file beside the old one, is flushed to disk, and only
// then is renamed over the old name.  Until the rename the old file is
// untouched; after it the new one is complete.
#include <string>
#include <string_view>

// Writes `content` as the file `sFile`.  Failures raise 70 (permission
// denied) or 75 (path/file access error), 52 for an empty name, with
// `source` as the error's source; the file as it was stays in place and no
// temporary file is left behind.
void WriteFileAtomically(const std::string& sFile, std::string_view content, const char* source);
