#include "Console.h"

#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <vector>

#include "core/HuntERR31.h"
#include "host/main/Interrupt.h"
#include "host/main/ResultLines.h"
#include "platform/runtime/Text.h"
#include "platform/toolslib/cvCommand.h"
#include "platform/ui/MsgBox.h"

namespace host {
namespace {

constexpr const char* kEraseLine = "\r\x1b[K";

std::string IntText(long n) {
    char buffer[24];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, n);
    return std::string(buffer, end);
}

// Columns of the terminal on standard error; a line longer than that would
// wrap, and a wrapped line can no longer be erased with a carriage return.
size_t TerminalWidth() {
    winsize size{};
    if (ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) return size.ws_col;
    return 80;
}

// The first `chars` characters of UTF-8 text (a sequence is never cut).
std::string Clip(const std::string& text, size_t chars) {
    size_t count = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
        if (count++ == chars) return text.substr(0, i);
    }
    return text;
}

// Message-box text for a console: the lines trimmed, the empty ones left
// out, the later ones indented under the first.
std::string ConsoleText(const std::string& text) {
    std::vector<std::string> lines;
    for (const auto& line : Split(Replace(text, "\r\n", "\n"), "\n")) {
        std::string trimmed = Trim(line);
        if (!trimmed.empty()) lines.push_back(trimmed);
    }
    return Join(lines, "\n  ");
}

// Text for the person at the terminal: a message, a report or a prompt, its
// lines kept and every other control character shown, not obeyed.
void Put(std::ostream& out, const std::string& text) { out << VisibleText(text, true) << std::flush; }
void Put(FILE* out, const std::string& text) { std::fputs(VisibleText(text, true).c_str(), out); }

// Waits for a line typed on the terminal `fd`; false at the end of input, on
// an error, or once Ctrl-C was pressed.  The wait is a poll, which a Ctrl-C
// cuts short although reads are restarted, and SIGINT is let through only
// within it, so that a Ctrl-C pressed just before it is not missed.  One
// pressed between the wait and the read has the terminal discard the line
// typed, and the read, which would then wait for another, is one that Ctrl-C
// breaks off (a read of standard input that blocks, whose flag is its
// caller's too, may be all there is).
bool ReadLine(int fd, std::string& line) {
    sigset_t interrupt, before;
    sigemptyset(&interrupt);
    sigaddset(&interrupt, SIGINT);
    for (;;) {
        sigprocmask(SIG_BLOCK, &interrupt, &before);
        pollfd typed{fd, POLLIN, 0};
        const int ready = Interruptible::Interrupted() ? -1 : ::ppoll(&typed, 1, nullptr, &before);
        const int error = errno;
        sigprocmask(SIG_SETMASK, &before, nullptr);
        if (Interruptible::Interrupted()) return false;
        if (ready < 0 && error == EINTR) continue;
        if (ready < 0) return false;
        char buffer[256];
        const ssize_t n = Interruptible::Read(fd, buffer, sizeof buffer);
        if (n < 0 && (errno == EAGAIN || errno == EINTR)) continue;
        if (n <= 0) return false;
        line.assign(buffer, static_cast<size_t>(n));
        return true;
    }
}

}  // namespace

Console::Console(bool verbose)
    : verbose_(verbose), stdinTerminal_(isatty(STDIN_FILENO)), stderrTerminal_(isatty(STDERR_FILENO)) {}

Console::~Console() { ClearStatus(); }

void Console::Status(const std::string& message) {
    if (verbose_) {
        // Every message is kept as a line; the terminal's line shows the bar.
        if (!message.empty()) {
            ClearStatus();
            Put(std::cerr, VisibleText(message) + "\n");
        }
        Redraw();
        return;
    }
    status_ = message;
    Redraw();
}

void Console::ProgressMessage(const std::string& message) {
    if (verbose_ && !stderrTerminal_ && !message.empty() && message != progressMessage_)
        Put(std::cerr, VisibleText(message) + "\n");
    progressMessage_ = message;
    Redraw();
}

void Console::ProgressMax(long max) {
    max_ = max;
    Redraw();
}

void Console::ProgressValue(long value) {
    value_ = value;
    Redraw();
}

void Console::ProgressVisible(bool visible) {
    visible_ = visible;
    Redraw();
}

std::ostream& Console::Results() {
    ClearStatus();
    return StandardOutput();
}

// A message is one line: a line break in it belongs to a value it quotes.
void Console::Say(const std::string& message) { Write("terralith: " + VisibleText(message) + "\n"); }

void Console::Write(const std::string& text) {
    ClearStatus();
    StandardOutput().WriteLines();
    Put(std::cerr, text);
}

bool Console::WithholdForInterrupt() {
    const bool withhold = !sayEverything_ && Interruptible::Interrupted();
    withheld_ = withheld_ || withhold;
    return withhold;
}

void Console::ClearStatus() {
    // A status that was on the line is stale once something else is written.
    status_.clear();
    if (!stderrTerminal_ || shown_.empty()) return;
    std::cerr << kEraseLine << std::flush;
    shown_.clear();
}

std::string Console::Line() const {
    std::string line;
    if (visible_) {
        long percent = max_ > 0 ? std::clamp(value_, 0L, max_) * 100 / max_ : 0;
        const long width = 20;
        long filled = percent * width / 100;
        line = "[" + std::string(filled, '#') + std::string(width - filled, '-') + "] " + IntText(percent) +
               "% ";
        if (!progressMessage_.empty()) return line + progressMessage_;
    }
    return line + status_;
}

void Console::Redraw() {
    if (!stderrTerminal_) return;
    // The line is redrawn with a carriage return: a status or progress text
    // may quote a value, and none may move the cursor or wrap the line.
    std::string line = Clip(VisibleText(Line()), TerminalWidth() - 1);
    if (line == shown_) return;
    StandardOutput().WriteLines();
    std::cerr << (line.empty() ? std::string(kEraseLine) : "\r" + line + "\x1b[K") << std::flush;
    shown_ = line;
}

void ConsoleCallBack::Call(const Ref<ICallBackClient2>&, const Variant& vCommand) {
    Ref<cvCommand> command = vCommand.ToObject<cvCommand>();
    if (!command) return;
    const std::string name = command->Value("CMD");
    auto number = [&](const char* key) { return static_cast<long>(Val(command->Value(key))); };
    if (name == "STATUS_MESSAGE") {
        console_.Status(command->Value("MSG"));
    } else if (name == "PROGRESS_BAR_MESSAGE") {
        console_.ProgressMessage(command->Value("MSG"));
    } else if (name == "PROGRESS_BAR_MAX") {
        console_.ProgressMax(number("VALUE"));
    } else if (name == "PROGRESS_BAR_VALUE") {
        console_.ProgressValue(number("VALUE"));
    } else if (name == "PROGRESS_BAR_VISIBLE") {
        console_.ProgressVisible(command->Value("VISIBLE") == "True");
    } else if (name == "PROGRESS_BAR_CANCEL") {
        // The library offers or withdraws a cancel button; on a console
        // Ctrl-C cancels whenever a query runs, and the bar stays as it is.
    } else if (name == "KILL_SETTINGS_FILE") {
        // A settings file is the person's own; with no defaults to write in
        // its place, removing it would only leave nothing to start from.
        console_.Say("the settings file " + settingsFile_ +
                     " is left as it is: correct the database it names, or name another settings file with "
                     "--settings or TERRALITH_SETTINGS");
    }
    // KILL_SPLASH: there is no splash screen.  FROM_DATA: nothing to do.
}

void ConsoleErrorWindow::Show(const std::string& caption, const std::string& text) {
    if (console_.WithholdForInterrupt()) return;
    if (console_.Verbose()) {
        console_.Write(caption + ":\n" + Replace(text, "\r\n", "\n") + "\n");
        return;
    }
    const ui::ShownReport* report = ui::ReportShown(text);
    console_.Say(OneMessage(report ? report->description : text));
}

void ConsoleErrorWindow::SetText(const std::string& text) { Show("Error Report", text); }

std::string OneMessage(const std::string& text) {
    std::vector<std::string> parts;
    for (const auto& line : Split(Replace(text, "\r\n", "\n"), "\n"))
        if (!Trim(line).empty()) parts.push_back(Trim(line));
    return Join(parts, " ");
}

std::string PlainDescription(const Error& e) {
    return OneMessage(ErrorMessageOf(e.Source(), e.Description()));
}

std::string PlainDescription(const Error& e, const std::string& sName) {
    std::string plain = PlainDescription(e);
    // The library quotes the name on one line.
    const std::string word = " " + VisibleText(sName);
    for (size_t at = plain.find(word); !sName.empty() && at != std::string::npos;
         at = plain.find(word, at + 1)) {
        const size_t end = at + word.size();
        if (end == plain.size()) {
            plain.erase(at);
            break;
        }
        // What followed the name on a line of its own (why the file could
        // not be read) now follows the message.
        if (plain[end] == ' ') {
            plain.replace(at, word.size() + 1, ": ");
            break;
        }
    }
    return plain;
}

int32_t AskOnConsole(Console& console, const std::string& text, int32_t style) {
    struct Button {
        char key;
        int32_t answer;
        const char* name;
    };
    static const std::vector<Button> kSets[] = {
        {{'o', ui::vbOK, "OK"}},
        {{'o', ui::vbOK, "OK"}, {'c', ui::vbCancel, "Cancel"}},
        {{'a', ui::vbAbort, "Abort"}, {'r', ui::vbRetry, "Retry"}, {'i', ui::vbIgnore, "Ignore"}},
        {{'y', ui::vbYes, "Yes"}, {'n', ui::vbNo, "No"}, {'c', ui::vbCancel, "Cancel"}},
        {{'y', ui::vbYes, "Yes"}, {'n', ui::vbNo, "No"}},
        {{'r', ui::vbRetry, "Retry"}, {'c', ui::vbCancel, "Cancel"}},
    };
    int32_t set = style & 7;
    if (set > ui::vbRetryCancel) set = ui::vbOKOnly;
    const std::vector<Button>& buttons = kSets[set];
    const int32_t preset = ui::DefaultAnswer(style);
    // The button that goes no further: Abort where there is one, else the
    // last (Cancel, No, OK).
    const int32_t noFurther = (set == ui::vbAbortRetryIgnore ? buttons.front() : buttons.back()).answer;
    // A Ctrl-C pressed before the question answers it at once, unasked: the
    // command stops at its next point and says cancelled.
    if (console.WithholdForInterrupt()) return noFurther;
    auto nameOf = [&](int32_t answer) {
        for (const auto& b : buttons)
            if (b.answer == answer) return std::string(b.name);
        return std::string("?");
    };

    // A box may carry a whole error report as its text, as the library says
    // when it shows one: like the error window, the console shows what it
    // describes, and the whole report with --verbose.
    const ui::ShownReport* report = ui::ReportShown(text);
    const std::string message =
        report && !console.Verbose() ? OneMessage(report->description) : ConsoleText(text);
    // The box's own lines stay lines.
    if (buttons.size() == 1) {
        console.Write("terralith: " + message + "\n");
        return ui::vbOK;
    }
    const int32_t safe = set == ui::vbYesNo ? ui::vbNo : preset;
    if (!console.CanAsk()) {
        console.Write("terralith: " + message + "\n");
        console.Say("standard input is not a terminal, so the answer is " + nameOf(safe));
        return safe;
    }

    // Asked on the terminal itself, so a redirected standard error does not
    // hide the question from the person who has to answer it.
    console.ClearStatus();
    FILE* tty = std::fopen("/dev/tty", "r+");
    const int in = tty ? fileno(tty) : STDIN_FILENO;
    FILE* out = tty ? tty : stderr;
    std::string prompt = "[";
    for (const auto& b : buttons) {
        if (prompt.size() > 1) prompt += "/";
        prompt += b.answer == preset ? static_cast<char>(b.key - 'a' + 'A') : b.key;
    }
    prompt += "] ";
    Put(out, "terralith: " + message + "\n");
    int32_t answer = 0;
    while (answer == 0) {
        Put(out, prompt);
        std::fflush(out);
        std::string line;
        if (!ReadLine(in, line)) {
            // Ctrl-C answers with the button that goes no further, and the
            // command stops at its next point.
            if (Interruptible::Interrupted()) {
                Put(out, "\n");
                answer = noFurther;
                break;
            }
            Put(out, "\nterralith: no answer, so the answer is " + nameOf(safe) + "\n");
            answer = safe;
            break;
        }
        std::string reply = LCase(Trim(Replace(line, "\n", "")));
        if (reply.empty()) answer = preset;
        for (const auto& b : buttons)
            if (!reply.empty() && (reply == LCase(b.name) || reply == std::string(1, b.key)))
                answer = b.answer;
    }
    if (tty) std::fclose(tty);
    return answer;
}

}  // namespace host
