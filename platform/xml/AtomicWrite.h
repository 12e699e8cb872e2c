#pragma once
// Writing a file so that a failure never leaves it truncated or empty: the
// text goes to a new file beside the old one, is flushed to disk, and only
// then is renamed over the old name, after which the folder is flushed too.
// Until the rename the old file is untouched; after it the new one is
// complete.  The temporary file is named after the document
// (".<name>.tmp-<digits>-<digits>") and locked while it is written, so a
// save also removes what an earlier save that was killed half-way left.
#include <string>
#include <string_view>

// Writes `content` as the file `sFile` (through a symbolic link, or a chain
// of them, to the file it points at, which is made when it is not there yet;
// links that lead round in a circle raise 75).  Failures raise 70
// (permission denied) or 75 (path/file access error), 52 for an empty name,
// with `source` as the error's source; before the rename the file as it was
// stays in place and no temporary file is left behind, and a folder that
// cannot be flushed after it raises 75.
void WriteFileAtomically(const std::string& sFile, std::string_view content, const char* source);
