#pragma once
// The files a command writes, checked together before it does any work, so
// that a mistyped name costs nothing and destroys nothing: each must lead to
// a regular file or to nothing yet, may be there already only with --force,
// and must differ from the command's other outputs and from the files it
// reads.  The writes themselves go through WriteFileAtomically with the
// ExistingFile that Existing() gives, so a file that appears in the meantime
// is not replaced either.
#include <string>
#include <vector>

#include "platform/runtime/AtomicWrite.h"

namespace host {

// What a write may do with a file already there: replace it with --force only.
inline ExistingFile Existing(bool bForce) { return bForce ? ExistingFile::Replace : ExistingFile::Refuse; }

// Why the outputs cannot be written, as the message a person reads ("" when
// they can): the first output that leads to something other than a regular
// file, is there already without `bForce`, names the same file as an earlier
// output, or names one of the `inputs`.  Empty names are left out.
std::string OutputFilesProblem(const std::vector<std::string>& outputs,
                               const std::vector<std::string>& inputs, bool bForce);

}  // namespace host
