#pragma once
// The files a command writes, checked together so that a mistyped name costs
// nothing and destroys nothing: each must lead to a regular file or to
// nothing yet, in a folder that is there and may be written, may be there
// already only with --force, and must differ from the command's other
// outputs, from every file the command has read (FilesRead: the settings,
// translation, database and linked data files, Options.ini, query, layout
// and chart files) and from every file of the data set, read or not
// (DataSetFiles), whatever name the output was given.  A command checks
// once it has opened its inputs and before it works, and once more just
// before its files take their names, so that a file first read while it
// worked is protected too; the data set is found at the first check only.
// The writes themselves go through the atomic write with the ExistingFile
// that Existing() gives, so a file that appears in the meantime is not
// replaced either.
#include <string>
#include <vector>

#include "host/main/Commands.h"
#include "host/main/DataSet.h"
#include "platform/runtime/AtomicWrite.h"
#include "platform/runtime/FilesRead.h"

namespace host {

// What a write may do with a file already there: replace it with --force only.
inline ExistingFile Existing(bool bForce) { return bForce ? ExistingFile::Replace : ExistingFile::Refuse; }

// Why the outputs cannot be written, as the message a person reads ("" when
// they can): the first output that leads to something other than a regular
// file, lies in a folder that is not there or may not be written, is there
// already without `bForce`, names the same file as an earlier output, or is
// a file noted as read on this thread (said as a file the command reads) or
// one of `dataSet` (said as one of the data set's files), or, while the core
// database's links are unknown, would replace a database file (which it
// might link) or one that cannot be read to tell; that last raises Cancelled
// instead once Ctrl-C was pressed, which breaks off the wait for the core
// database's lock and so may have left them unknown.  Empty names are left
// out.
std::string OutputFilesProblem(const std::vector<std::string>& outputs, bool bForce,
                               const DataSetFiles& dataSet);

// True when the outputs can be written, the data set being the one of the
// command's settings (found at the first call and kept in `c`); otherwise
// says OutputFilesProblem on the console and returns false.
bool OutputFilesWritable(CommandContext& c, const std::vector<std::string>& outputs, bool bForce);

}  // namespace host
