#pragma once
// The one rule for every file this system writes (query files, grid layouts,
// settings documents, the console host's pictures and grids).  SAVING.md,
// beside this file, tells the same for a person who uses them.
//
// - The name may lead, through symbolic links, to a regular file or to no
//   file yet.  Anything else there (a folder, a pipe, a device, a socket,
//   also one reached through /dev/stdout or /proc/self/fd) is refused before
//   a byte is written, so a write never blocks on a pipe nor turns a device
//   node into a file.
// - A regular file already there is replaced only when the caller says so
//   (the library's own save, a person's --force).  Otherwise the name must be
//   free, and of several writers racing for one name exactly one succeeds.
// - A failure never leaves the file truncated, nor empty but on a file
//   system that has neither hard links nor a rename that refuses to
//   replace: there a file takes a free name only by an empty file made under
//   it first, which it is then renamed over, and a kill between the two, or
//   a failed rename whose empty file cannot be removed again, leaves that
//   empty file.  The text goes to a new file in the target's folder, is
//   flushed to disk, and only then takes the target's name, after which the
//   folder is flushed too (where it may be written but not read, so that it
//   cannot be opened, the file system that holds it).  Until then the old
//   file is untouched; after it the new one is complete.  A file that
//   replaces another takes its permissions, but a set-user-ID or
//   set-group-ID bit only where it has that owner or group: it is the
//   writer's, in the writer's group or, in a set-group-ID folder, the
//   folder's.  The bits are set again once the content is written, since a
//   write by a process that is not root clears them.
// - The new file has no name while it is written where the file system can
//   do that, so a write that is killed leaves nothing behind.  Elsewhere, and
//   for the instant between naming it and renaming it over the target, it is
//   ".<name>.tmp-<inode>" ("-<n>" after it should someone's own file have
//   that name), locked while in use; so is a file replaced while others
//   are published with it, kept until they all have their names.  A file
//   that must be named from the start is first ".<name>.tmp-<n>-<m>", born
//   empty and with the sticky bit, which it keeps until it has the name
//   that carries its inode.  A later write of the target removes such a
//   file once no one holds its lock, and only when the first number in its
//   name is its own inode or it is still as it was born: a person's file
//   that merely looks like one stays, and a write killed at any instant
//   leaves nothing the next one does not remove, but in a folder it may not
//   read, where nothing can be found, and on NFS a file it may not write,
//   where the lock needs a file open for writing.  The part taken from the
//   target's name is shortened, between two characters, so that the name
//   fits within the folder's limit: every name the folder takes can be
//   written.
// - A file kept while others are published with it is kept by a second
//   name (a hard link) where it can be, else by a copy: two kinds.  A copy
//   opens to no one who could not open the file: it is this process's
//   alone until it has the file's content, its owner and group where this
//   process may give them, the extended attributes it may set, the file's
//   access control list (or none, never the folder's default) and its
//   mode, a set-user-ID or set-group-ID bit only with the owner or group it
//   is for.  Where its owner or group cannot be the file's, each user and
//   group still opens it as they opened the file, as the system judges
//   that (it consults no list while the mode's group bits are clear, so
//   such a file opens as its mode says), by a list: the file's owner is
//   named with its own rights, the copy's group entry gives what the file
//   gave that group (the entry naming it, else what everyone else had), an
//   entry names the file's group with what it had, every entry gives what
//   it gave through the file's mask, and the mask is what they all give
//   (where that is nothing, what everyone else has, lest the list go
//   unconsulted); a copy that opens to each as the file did by its mode
//   alone needs none.  A list gives a member of two groups it names what
//   either entry gives: where that is more than the file gave them (the
//   file's group had less than everyone else), the copy is not made.  The
//   copy's owner is this process where it may give files to no one else,
//   and has what the file's owner had.  Where the file system takes no
//   list (it says "not supported"; any other failure to set one stops the
//   copy), the copy goes without one only where no user or group would get
//   more than the file gave them.  A copy is not made whose attributes
//   cannot be read, or that cannot be given what this process may give it:
//   the owner where it may give files to anyone (root), the file's group
//   where it is one of this process's, the user.* attributes, the list (but
//   as just said).  An attribute only root may set (trusted.*, security.*)
//   that is refused it, it goes without.  Exchanging the names of the new file
//   and the old in one step (renameat2 with RENAME_EXCHANGE) would keep
//   the very file without a copy, but it leaves the old file under the
//   name that carries the new one's inode, which no clean-up takes for
//   left over: a second rename must follow, and a write killed between the
//   two would leave the old file where no later write removes it.  It would
//   not spare the copy where the file system cannot exchange (NFS, CIFS, a
//   FUSE file system that does not implement the rename's flags), nor the
//   second name, which NFS has; and a file that may be neither read nor
//   written could be exchanged but not locked against another write's
//   clean-up.  So a file is kept by a second name, else by a copy.
#include <sys/stat.h>
#include <sys/types.h>

#include <functional>
#include <initializer_list>
#include <memory>
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

// What a name leads to now, and the name a write of it gives its file.
struct OutputDestination {
    OutputTarget target;
    std::string file;  // the name itself, or where its chain of symbolic links ends
};

// What `sFile` leads to now, as the system itself follows it; raises 75
// (with `source`, naming the file) for links that lead round in a circle or
// cannot be read and for a name the system refuses (too long, a file where a
// folder should be), 70 when a folder on the way may not be searched, 52 for
// an empty name.
OutputDestination OutputDestinationOf(const std::string& sFile, const char* source);

class PendingFile;

// Gives each pending file its name, in order, then flushes every folder they
// lie in, each once.  A file that replaces one while a later file has still
// to take its name first keeps the file it replaces as ".<name>.tmp-<its
// inode>" (a second name of that very file, or where it can have none a
// copy that opens to no one new, as the top of this file says), until every
// file has its name.  Should one not take its name, those before it are withdrawn
// (Withdraw: a file that took a free name is removed, a kept file gets its
// name back) and its error is raised: every name is as it was.  A file that
// cannot be withdrawn, and a kept file that cannot take its name back (it
// stays under its own), are named in the error beside its own failure.  No
// kept file remains once it returns but one whose removal failed, which the
// next write of its target removes.  Two renames are two steps: a process
// killed between them leaves the first files published without the later
// ones, and the files they replaced kept.  Null entries and files published
// already are passed over.  Raises as Publish, naming the files of every
// folder that could not be flushed; 70 before any file takes its name when
// one that may have to be withdrawn lies in a folder that gives up no name
// (append-only).
void PublishAll(std::initializer_list<PendingFile*> files);

// A file written whole but not yet published under its name, so that several
// files can be written first and published together: a command that writes
// two files writes both before either takes its name.
class PendingFile {
public:
    // Writes `content` into a new file in the folder of the file `sFile` leads
    // to and flushes it to disk; the name is untouched.  Raises, with `source`
    // as the error's source and the file named: 52 for an empty name, 75 when
    // the name leads to something other than a regular file or links lead
    // round in a circle, 58 when `existing` is Refuse and the name is taken,
    // 70 when `existing` is Replace, or the file must be named from the
    // start, in a folder that gives up no name (append-only), 70 (permission
    // denied) or 75 (path/file access error) when the system fails; nothing
    // is left behind then.
    PendingFile(const std::string& sFile, std::string_view content, const char* source,
                ExistingFile existing = ExistingFile::Replace);
    // Removes the written file unless it was published.  Never fails.
    ~PendingFile();
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    // Gives the written file its name (through the links, as written) and
    // flushes the folder.  Raises as the constructor: 58 when `existing` is
    // Refuse and the name was taken meanwhile; saying the file is written
    // when the folder cannot be flushed afterwards, 75, or 70 where the
    // system refused it (EACCES, EPERM, EROFS).  A second call does nothing.
    void Publish();
    // Undoes a Publish that took a free name (`existing` Refuse, or within
    // PublishAll one that found nothing to keep) or that PublishAll kept the
    // replaced file of: removes the file again while the name still leads to
    // it, and never a file another writer put under the name since; a kept
    // file then takes the free name back, or stays under its own when it
    // cannot.  Does nothing otherwise (a replaced
    // file that was not kept cannot come back); never fails.
    void Withdraw() noexcept;

private:
    friend void PublishAll(std::initializer_list<PendingFile*> files);
    // A file not yet filled in, as Keep makes one.
    PendingFile() = default;
    // Makes the new file in the folder, unnamed or under the name that
    // carries its inode, with no more permissions than `mode`, and locks it:
    // what it is as made (its mode, owner and group).  Raises as the
    // constructor.
    struct stat Open(mode_t mode = 0666);
    // Publish without flushing the folder; with `keep`, a file replaced is
    // kept first (Keep).
    void TakeName(bool keep);
    // Keeps the regular file at the target under a name of its own, as
    // PublishAll says, or notes that the name is free.  Raises as the
    // constructor when the file may be neither read nor written, or can
    // neither be linked nor copied, and 70 where the rename is bound to fail.
    void Keep();
    // A copy of the file held open, `st` as looked at, as Keep keeps it:
    // complete, flushed and named.  Raises as the constructor.
    std::unique_ptr<PendingFile> Copy(const struct stat& st) const;
    // Withdraw, saying what became of the file it replaced when that could
    // not take its name back ("" when it did, or there was none).
    std::string Withdrawn() noexcept;
    // A kept file takes back the name its replacement held, which is free
    // unless `whyNotFree` says why not; one that cannot stays under the name
    // that carries its inode and is no longer removed: what says so, or ""
    // when it has its name.
    std::string GiveBack(const std::string& whyNotFree) noexcept;
    // Closes the file and removes it unless it was published; so too the
    // file kept.
    void Discard() noexcept;
    // Gives `take` the names that mark a temporary file as this one, the
    // prefix and its own inode number (which a clean-up checks before
    // removing it), until one is free: `take`'s result, 0 or an errno, with
    // the name it was last given in `name`.
    int TakeMarkedName(const std::function<int(const std::string&)>& take, std::string& name) const;
    // Discards the file and raises the system's error `err` with `what`.
    [[noreturn]] void Fail(int err, const std::string& what);
    // Why a file in a folder with the sticky bit is not replaced.
    std::string SharedFolderRefusal() const;

    std::string file_;    // as the caller named it, for messages
    std::string target_;  // the name the file takes: where the links end
    std::string folder_;  // the target's folder
    std::string prefix_;  // of this target's temporary names in that folder
    std::string temp_;    // the written file's temporary name; "" while it has none
    const char* source_ = nullptr;
    ExistingFile existing_ = ExistingFile::Refuse;
    int fd_ = -1;
    bool published_ = false;
    bool tookFreeName_ = false;          // Keep found the name free
    bool copy_ = false;                  // a copy Keep made: its failures are the keep's
    std::unique_ptr<PendingFile> kept_;  // the file it replaced, until PublishAll is done
    dev_t device_ = 0;
    ino_t inode_ = 0;
};

// Writes `content` as the file `sFile`: a PendingFile published at once.
// Raises as PendingFile and Publish do; before the file takes its name the
// file as it was stays in place and no temporary file is left behind.
void WriteFileAtomically(const std::string& sFile, std::string_view content, const char* source,
                         ExistingFile existing = ExistingFile::Replace);
