#pragma once
// The files this thread has read by name, noted where they are opened: every
// file read through RegularFile (settings, query files, translations,
// layouts, chart files, INI and index files) and every database file the
// engine opens or attaches.  A host that writes files asks it which of them
// an output would replace, so that nothing it writes ever takes the place of
// a file its own work depends on, whatever name the output was given.
//
// A file is noted once per name, as the file found there when it was last
// opened, and also when opening it failed: a reader that finds no file may
// read one of that name later (a data file attached again when a statement
// first needs it), and a file written there meanwhile would be read in its
// place.  FileNotes keeps such notes for any other set of files a host
// keeps outputs away from (the files of a data set).
#include <sys/stat.h>

#include <string>
#include <unordered_map>
#include <vector>

// A file noted as read.
struct FileRead {
    std::string path;       // the name it was read by, as the reader gave it
    std::string canonical;  // that name made absolute, the links of its folders followed
    bool present = false;   // it was there: device and inode say which file it is
    dev_t device = 0;
    ino_t inode = 0;
};

// Files noted by name, each as the file found there when it was last noted,
// to be told apart from any other file as files are: by device and inode,
// links followed, and by name where one was not there.
class FileNotes {
public:
    // Notes `sFile`: `st` is what the opened file (or the name, links
    // followed) gave, nullptr when there was no file.  Never fails.
    void Note(const std::string& sFile, const struct stat* st);
    // Notes `sFile` as it is on disk this moment (links followed).  Never
    // fails.
    void Note(const std::string& sFile);
    // Forgets every note.
    void Clear() {
        notes_.clear();
        byName_.clear();
    }
    // The note that `sFile` is: the same file once links are followed (same
    // device and inode, hard links included) or, where either was not there,
    // the same path made absolute with its folders' links followed; nullptr
    // when it is none of them.  `sFile` itself is not followed when it is a
    // link that leads nowhere yet: give the name its links lead to.  The
    // note stays valid until the next one is made.  Never fails.
    const FileRead* Find(const std::string& sFile) const;

private:
    std::vector<FileRead> notes_;
    std::unordered_map<std::string, size_t> byName_;  // each note's place, by its canonical name
};

// Notes that `sFile` is read now: `st` is what the opened file (or the name,
// links followed) gave, nullptr when there was no file to open.  Never fails.
void NoteFileRead(const std::string& sFile, const struct stat* st);

// Notes that `sFile` is read now, as it is on disk this moment (links
// followed).  Never fails.
void NoteFileRead(const std::string& sFile);

// `sFile` made absolute with its folders' links followed as far as they
// exist, so that two names of one file that is not there yet compare equal;
// `sFile` itself where the system cannot say.  Never raises but for memory.
std::string CanonicalFileName(const std::string& sFile);

// Forgets every file noted on this thread: a host calls it when a new piece
// of work (a command) begins.
void ForgetFilesRead();

// The file noted on this thread that `sFile` is, as FileNotes::Find says.
// Never fails.
const FileRead* FileReadAs(const std::string& sFile);
