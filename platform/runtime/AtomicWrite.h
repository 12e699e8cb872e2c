#pragma once
// The one rule for every file this system writes (query files, grid layouts,
// settings documents, the console host's pictures and grids):
//
// - The name may lead, through symbolic links, to a regular file or to no
//   file yet.  Anything else there (a folder, a pipe, a device, a socket) is
//   refused before a byte is written, so a write never blocks on a pipe nor
//   turns a device node into a file.
// - A regular file already there is replaced only when the caller says so
//   (the library's own save, a person's --force).  Otherwise the name must be
//   free, and of several writers racing for one name exactly one succeeds.
// - A failure never leaves the file truncated or empty: the text goes to a
//   new file beside the target, is flushed to disk, and only then takes the
//   target's name, after which the folder is flushed too.  Until then the old
//   file is untouched; after it the new one is complete.  The temporary file
//   is named after the document (".<name>.tmp-<digits>-<digits>") and locked
//   while it is written, so a write also removes what an earlier write that
//   was killed half-way left.
#include <string>
#include <string_view>

// What a write does with a regular file already at the name.
enum class ExistingFile {
    Replace,  // replaces it, keeping its permissions
    Refuse,   // refuses with 58; the name is taken without replacing anything
};

// What a name leads to once its symbolic links are followed.
enum class OutputTarget {
    Absent,       // nothing yet: a write makes the file
    RegularFile,  // a file a write may replace
    Other,        // a folder, pipe, device or socket: never written
};

// What `sFile` leads to now; raises 75 (with `source`) for links that lead
// round in a circle or cannot be read, 52 for an empty name.
OutputTarget OutputTargetOf(const std::string& sFile, const char* source);

// Writes `content` as the file `sFile` (through a symbolic link, or a chain
// of them, to the file it points at, which is made when it is not there
// yet).  Raises, with `source` as the error's source and the file named: 52
// for an empty name, 75 when the name leads to something other than a
// regular file or links lead round in a circle, 58 when `existing` is Refuse
// and the name is taken (also when another writer took it meanwhile), 70
// (permission denied) or 75 (path/file access error) when the system fails.
// Before the file takes its name the file as it was stays in place and no
// temporary file is left behind; a folder that cannot be flushed after it
// raises 75.
void WriteFileAtomically(const std::string& sFile, std::string_view content, const char* source,
                         ExistingFile existing = ExistingFile::Replace);
