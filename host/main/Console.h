#pragma once
// What the console host shows a person besides its results: the status line
// and progress bar, messages and questions, all on standard error, so that
// standard output carries results only and can be piped.
//
// On a terminal the status line and the bar share one line that is redrawn
// in place and cleared before anything else is written.  Into a pipe or a
// file that chatter is left out unless --verbose asks for it as plain lines.
#include <cstdint>
#include <ostream>
#include <string>

#include "interfaces/ICallBackClient2.h"
#include "platform/runtime/Error.h"
#include "platform/ui/ErrorWindow.h"

namespace host {

class Console {
public:
    // Looks at which of the standard streams are terminals.
    explicit Console(bool verbose);
    // Leaves the terminal's line empty.
    ~Console();
    Console(const Console&) = delete;
    Console& operator=(const Console&) = delete;

    bool Verbose() const { return verbose_; }
    // True when a person can be asked: standard input is a terminal.
    bool CanAsk() const { return stdinTerminal_; }

    // A status message: the terminal's status line; a line of its own with
    // --verbose; nothing otherwise.
    void Status(const std::string& message);
    void ProgressMessage(const std::string& message);
    void ProgressMax(long max);
    void ProgressValue(long value);
    void ProgressVisible(bool visible);

    // Standard output's one writer (ResultLines), with the status line
    // cleared first: it raises Cancelled before a line once Ctrl-C was
    // pressed, so that a command stops before it prints or at its next line.
    std::ostream& Results();
    // "terralith: " and the message as one line on standard error; every
    // control character in it, a line break too, shown as an escape.
    void Say(const std::string& message);
    // Text of several lines written to standard error (a report shown with
    // --verbose), after the whole result lines held: its line breaks and tabs
    // kept, every other control character shown as an escape.
    void Write(const std::string& text);
    // Clears the status line; the next status message draws it again.
    void ClearStatus();
    // True once Ctrl-C was pressed: what the library shows then (a wait for
    // a lock given up, a question) is the cancel's doing and is left unsaid,
    // and Withheld() notes it.
    bool WithholdForInterrupt();
    // True when something the library showed was left unsaid for a Ctrl-C:
    // the command ends saying cancelled instead.
    bool Withheld() const { return withheld_; }
    // For a command past its last point, which nothing cancels any more:
    // what the library shows from here on is its own failure (a file
    // written whose folder cannot be flushed), said even after a Ctrl-C.
    void SayEverything() { sayEverything_ = true; }

private:
    void Redraw();
    std::string Line() const;

    bool verbose_;
    bool stdinTerminal_;
    bool stderrTerminal_;
    std::string status_;
    std::string progressMessage_;
    long max_ = 100;
    long value_ = 0;
    bool visible_ = false;
    bool withheld_ = false;
    bool sayEverything_ = false;
    std::string shown_;  // what the terminal's status line holds now
};

// The host callback: status and progress commands go to the console; the two
// start-up commands are answered as a console host can.
class ConsoleCallBack final : public IParentCallBack {
public:
    ConsoleCallBack(Console& console, std::string settingsFile)
        : console_(console), settingsFile_(std::move(settingsFile)) {}
    void Call(const Ref<ICallBackClient2>& oSender, const Variant& vCommand) override;

private:
    Console& console_;
    std::string settingsFile_;
};

// Error reports: what each describes, as the library hands it over with the
// report (ui::ReportShown), as one plain message; the whole report (call
// stack, arguments) only with --verbose.
class ConsoleErrorWindow final : public ui::ErrorWindowPresenter {
public:
    explicit ConsoleErrorWindow(Console& console) : console_(console) {}
    void Show(const std::string& caption, const std::string& text) override;
    void SetText(const std::string& text) override;
    void Activate() override {}
    void MakeTopmost() override {}
    void Hide() override {}

private:
    Console& console_;
};

// Text of several lines as one message: its lines (CR LF or line feeds)
// trimmed, the empty ones left out, joined by blanks.
std::string OneMessage(const std::string& text);
// What an error the library raised says, as one message: the description of
// the report it carries when ErrorIn handed it on (ErrorMessageOf), else its
// own description.
std::string PlainDescription(const Error& e);
// The same without the first mention of sName as a word of its own (what
// followed it joined on with ": "), for a message that leads with the name.
std::string PlainDescription(const Error& e, const std::string& sName);

// A message box on the console.  A question is asked only when standard
// input is a terminal (on /dev/tty when it can be opened); otherwise the safe
// answer is taken, No for a Yes/No question and the default button for any
// other, and the console says which.
int32_t AskOnConsole(Console& console, const std::string& text, int32_t style);

}  // namespace host
