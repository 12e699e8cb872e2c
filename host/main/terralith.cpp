// terralith: the console host.  It creates the root, hands it a settings file,
// registers a callback that shows status lines and a progress bar, opens the
// database and runs one command.
#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "core/CTools.h"
#include "core/Globals.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/Text.h"
#include "platform/toolslib/cvCommand.h"
#include "platform/ui/ErrorWindow.h"
#include "platform/ui/MsgBox.h"
#include "root/cvDataManager.h"

#ifndef TERRALITH_SAMPLE_SETTINGS
#define TERRALITH_SAMPLE_SETTINGS ""
#endif

namespace {

const char* const kUsage =
    "usage: terralith [--settings FILE] COMMAND [ARGUMENTS]\n"
    "\n"
    "commands:\n"
    "  info                              version, folders, file names and data release\n"
    "  option KEY                        the value of KEY in the database's Options table\n"
    "  asset-code COUNTRY ASSET [LOOKUP] the asset-code index record of ASSET (or of the short code LOOKUP)\n"
    "\n"
    "Without --settings the sample settings of the build tree are used.\n";

bool Interactive() { return isatty(STDIN_FILENO) && isatty(STDERR_FILENO); }

// Shows status and progress commands on standard error: a bar that redraws in
// place on a terminal, plain lines otherwise.
class ConsoleCallBack final : public IParentCallBack {
public:
    void Call(const Ref<ICallBackClient2>&, const Variant& vCommand) override {
        Ref<cvCommand> command = vCommand.ToObject<cvCommand>();
        if (!command) return;
        const std::string cmd = command->Value("CMD");
        if (cmd == "STATUS_MESSAGE") {
            Status(command->Value("MSG"));
        } else if (cmd == "PROGRESS_BAR_MESSAGE") {
            message_ = command->Value("MSG");
            Draw();
        } else if (cmd == "PROGRESS_BAR_MAX") {
            max_ = static_cast<long>(Val(command->Value("VALUE")));
        } else if (cmd == "PROGRESS_BAR_VALUE") {
            value_ = static_cast<long>(Val(command->Value("VALUE")));
            Draw();
        } else if (cmd == "PROGRESS_BAR_VISIBLE") {
            visible_ = command->Value("VISIBLE") == "True";
            if (!visible_) EndBar();
        }
    }
    ~ConsoleCallBack() override {
        EndBar();
        if (statusShown_) std::cerr << "\r\x1b[K" << std::flush;
    }

private:
    // On a terminal the status line is rewritten in place; elsewhere each
    // message is a line of its own.
    void Status(const std::string& msg) {
        EndBar();
        if (!terminal_) {
            if (!msg.empty()) std::cerr << msg << "\n";
            return;
        }
        std::cerr << "\r" << msg << "\x1b[K" << std::flush;
        statusShown_ = !msg.empty();
    }
    void Draw() {
        if (!visible_) return;
        if (!terminal_) {
            std::cerr << "progress: " << message_ << " " << value_ << "/" << max_ << "\n";
            return;
        }
        if (statusShown_) std::cerr << "\n";
        statusShown_ = false;
        const int width = 30;
        int filled = max_ > 0 ? static_cast<int>(width * std::min(value_, max_) / max_) : 0;
        std::cerr << "\r[" << std::string(filled, '#') << std::string(width - filled, ' ') << "] " << message_
                  << "\x1b[K" << std::flush;
        drawn_ = true;
    }
    void EndBar() {
        if (drawn_) std::cerr << "\n";
        drawn_ = false;
    }

    bool terminal_ = isatty(STDERR_FILENO);
    bool visible_ = false;
    bool drawn_ = false;
    bool statusShown_ = false;
    long max_ = 100, value_ = 0;
    std::string message_;
};

// Error reports the library shows go to standard error.
class ConsoleErrorWindow final : public ui::ErrorWindowPresenter {
public:
    void Show(const std::string& caption, const std::string& text) override { Print(caption, text); }
    void SetText(const std::string& text) override { Print("Error Report", text); }
    void Activate() override {}
    void MakeTopmost() override {}
    void Hide() override {}

private:
    static void Print(const std::string& caption, const std::string& text) {
        std::cerr << caption << ":\n" << Replace(text, "\r\n", "\n") << "\n";
    }
};

// Message boxes: printed; a question is asked only of a person at a terminal,
// otherwise the box's default button answers.
int32_t ConsoleMessageBox(const std::string& text, int32_t style, const std::string& title) {
    std::cerr << (title.empty() ? "Message" : title) << ": " << Replace(text, "\r\n", "\n") << "\n";
    int32_t buttons = style & 7;
    if ((buttons != ui::vbYesNo && buttons != ui::vbYesNoCancel) || !Interactive())
        return ui::DefaultAnswer(style);
    std::cerr << "[y/n] " << std::flush;
    std::string answer;
    std::getline(std::cin, answer);
    return (!answer.empty() && (answer[0] == 'y' || answer[0] == 'Y')) ? ui::vbYes : ui::vbNo;
}

void PrintTable(const std::vector<std::pair<std::string, std::string>>& rows) {
    size_t width = 0;
    for (const auto& row : rows) width = std::max(width, row.first.size());
    for (const auto& row : rows)
        std::cout << row.first << std::string(width - row.first.size() + 2, ' ') << row.second << "\n";
}

int Fail(const std::string& message) {
    std::cerr << "terralith: " << message << "\n";
    return 1;
}

int Run(const std::string& settingsFile, const std::vector<std::string>& args) {
    const std::string& command = args[0];
    if (command != "info" && command != "option" && command != "asset-code")
        return Fail("unknown command: " + command);
    if ((command == "option" && args.size() != 2) ||
        (command == "asset-code" && (args.size() < 3 || args.size() > 4)) ||
        (command == "info" && args.size() != 1)) {
        std::cerr << kUsage;
        return 2;
    }

    Ref<cvDataManager> root = cvDataManager::Create();
    Ref<ISettings2> settings = gTools()->NewSettingsObject();
    if (!settings->Load(settingsFile)) return Fail("cannot read the settings file " + settingsFile);
    root->Settings(settings);
    root->RegisterCallBack(New<ConsoleCallBack>());

    root->OpenDatabase();
    if (root->ErrorNumber() != 0) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "%X", static_cast<unsigned>(root->ErrorNumber()));
        return Fail("the database could not be opened: error " + std::to_string(root->ErrorNumber()) +
                    " (&H" + hex + ")");
    }

    if (command == "info") {
        PrintTable({
            {"Version", root->VersionString()},
            {"DataFolder", root->DataFolder()},
            {"UserDataFolder", root->UserDataFolder()},
            {"BaseDataFolder", root->BaseDataFolder()},
            {"CoreDatabaseFolder", root->CoreDatabaseFolder()},
            {"CacheFolder", root->CacheFolder()},
            {"NotesFolder", root->NotesFolder()},
            {"DatabaseFileName", root->DatabaseFileName()},
            {"NotesDatabaseFileName", root->NotesDatabaseFileName()},
            {"Database", root->Database()},
            {"NotesDatabase", root->NotesDatabase()},
            {"DataRelease", root->DataRelease()},
            {"DataYear", root->DataYear()},
            {"MinVersion", root->ApplicationMinVersion()},
            {"MaxVersion", root->ApplicationMaxVersion()},
        });
    } else if (command == "option") {
        std::cout << root->GetOption(args[1]) << "\n";
    } else {
        std::cout << root->GetQZAssetCode(args[1], args[2], args.size() > 3 ? args[3] : "") << "\n";
    }
    // An error shown while the command ran (an option that could not be
    // read, an index file that is not there) makes the run a failure.
    return root->ErrorNumber() == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    std::string settingsFile = TERRALITH_SAMPLE_SETTINGS;
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--settings" && i + 1 < argc) {
            settingsFile = argv[++i];
        } else if (a == "--help" || a == "-h") {
            std::cout << kUsage;
            return 0;
        } else {
            args.push_back(a);
        }
    }
    if (args.empty()) {
        std::cerr << kUsage;
        return 2;
    }
    ui::SetMessageBoxHandler(ConsoleMessageBox);
    ui::SetErrorWindowPresenter(std::make_shared<ConsoleErrorWindow>());
    try {
        int rc = Run(settingsFile, args);
        ReleaseModuleData();
        return rc;
    } catch (const Error& e) {
        std::cerr << "terralith: error " << e.Number() << ": " << Replace(e.Description(), "\r\n", "\n")
                  << "\n";
        return 1;
    }
}
