#pragma once
// The one way results reach standard output: whole lines, written a block
// at a time.
//
// A terminal takes each write(2) as it comes, and a write per line made the
// printing of a long result cost more than the command's work; so lines are
// gathered into a block and written when it is full and at the end, each
// block ending at a line's end (a line longer than a block is written whole).
// Ctrl-C is heard at each line, as before: once it was pressed no line is
// taken (Cancelled is raised before it), and a write that it breaks off goes
// on to the end of the line it is in and no further: the lines held after it
// are dropped, which the command's end then calls cancelled.  A write that
// fails is noted, and what follows it is dropped.
#include <cstddef>
#include <ostream>
#include <streambuf>
#include <string>

namespace host {

class ResultLines final : public std::ostream {
public:
    // The size of a block into a pipe or a file: a quarter of what a pipe
    // holds, so that the program reading it takes one block while the next
    // is written (blocks of a whole pipe's worth had each side wait for the
    // other, and came through slower than the C library's 4 KiB writes).
    static constexpr size_t kBlock = 16384;
    // The size of a block on a terminal, whose writes cost by the character:
    // few enough that their number costs nothing beside what it shows.
    static constexpr size_t kTerminalBlock = 65536;

    // Lines for the descriptor `fd`, written in blocks of kTerminalBlock
    // bytes when it is a terminal, of kBlock otherwise.
    explicit ResultLines(int fd);
    ResultLines(const ResultLines&) = delete;
    ResultLines& operator=(const ResultLines&) = delete;

    // Writes the whole lines held; the start of a line still to be ended
    // stays held.
    void WriteLines() { lines_.Write(false); }
    // Writes everything held, a last line without its line break too; true
    // when everything taken was written: no write failed and nothing was
    // dropped for a Ctrl-C.
    bool WriteAll() { return lines_.Write(true); }
    // Drops what is held after the last whole line: the rest of a line that
    // a command stopped in the middle of.
    void DropUnfinishedLine() { lines_.DropUnfinishedLine(); }
    // True once a write failed.
    bool Failed() const { return lines_.Failed(); }
    // True once lines taken were dropped because Ctrl-C was pressed.
    bool CutShort() const { return lines_.CutShort(); }

private:
    class Lines final : public std::streambuf {
    public:
        Lines(int fd, size_t block);
        bool Write(bool all);
        void DropUnfinishedLine();
        bool Failed() const { return failed_; }
        bool CutShort() const { return cut_; }

    protected:
        std::streamsize xsputn(const char* s, std::streamsize n) override;
        int_type overflow(int_type c) override;
        int sync() override;

    private:
        void WriteHeld(size_t end);

        int fd_;
        size_t block_;
        std::string held_;
        size_t lineEnd_ = 0;  // the end of the last whole line held
        bool failed_ = false;
        bool cut_ = false;
    };

    Lines lines_;
};

// Standard output's writer, the one that every result goes through.
ResultLines& StandardOutput();

}  // namespace host
