// terralith: the console host.  It reads its options, finds the settings
// file, makes the root, opens the database and runs one command of the table
// in Commands.cpp.  Results go to standard output; status, progress,
// messages and questions to standard error.
//
// Exit status: 0 done, 1 failed, 2 usage; after a Ctrl-C the program ends by
// SIGINT, as the shell expects of a program it interrupted.
#include <cstdlib>
#include <iostream>
#include <memory>
#include <sstream>

#include "core/Globals.h"
#include "host/main/Commands.h"
#include "host/main/Console.h"
#include "host/main/Interrupt.h"
#include "host/main/ResultLines.h"
#include "host/main/Session.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/FilesRead.h"
#include "platform/runtime/Text.h"
#include "platform/ui/ErrorWindow.h"
#include "platform/ui/MsgBox.h"

#ifndef TERRALITH_SAMPLE_SETTINGS
#define TERRALITH_SAMPLE_SETTINGS ""
#endif

namespace {

using namespace host;

// Where the settings come from without --settings; a build without the
// sample data (the release preset, an installed host) has no default.
const std::string kDefaultSettings = *TERRALITH_SAMPLE_SETTINGS
                                         ? "$TERRALITH_SETTINGS, else the sample data's"
                                         : "$TERRALITH_SETTINGS; this build has none of its own";
const std::string kCommonOptions =
    "Every command takes --settings FILE and --verbose; without --settings the settings file is " +
    kDefaultSettings + ".";

// Runs the chosen command; every path out of here has said why it failed.
int Run(Console& console, const Command& command, const CommandRun& run, const SettingsChoice& settings) {
    ui::SetMessageBoxHandler([&console](const std::string& text, int32_t style, const std::string&) {
        return AskOnConsole(console, text, style);
    });
    ui::SetErrorWindowPresenter(std::make_shared<ConsoleErrorWindow>(console));
    // Counts from the start, so that a failure shown while the database
    // opens fails the command too.
    ShownErrors shown;
    // The files this command reads are noted from here on; no output may
    // replace one of them.
    ForgetFilesRead();
    Session session = OpenSession(console, settings, command.opensDatabase, command.reportsFolders);
    if (!session.root) return kFailed;
    CommandContext context{console, *session.root, session.settings, shown};
    int status = run(context);
    // What the library said after a Ctrl-C was left unsaid: the command was
    // cancelled, whatever became of it.
    if (console.Withheld()) throw Cancelled{};
    // An error shown while the command ran makes the run a failure.
    return status == kDone && context.Failed() ? kFailed : status;
}

// The end of a run: the result lines held are written (of a command that
// did not come to its end, its whole lines), then it says cancelled when a
// Ctrl-C stopped the command or its lines, or that they could not be
// written; the exit status, a failure when lines were lost.
int Ended(Console& console, int status, bool cancelled, bool finished) {
    ResultLines& out = StandardOutput();
    if (!finished) out.DropUnfinishedLine();
    console.ClearStatus();
    out.WriteAll();
    if (cancelled || out.CutShort()) {
        console.Say("cancelled");
        return status;
    }
    // A result line lost (a full disk, a closed pipe, a terminal gone) never
    // passes for a run that printed everything.
    if (out.Failed()) {
        console.Say("the results could not be written to standard output");
        return kFailed;
    }
    return status;
}

// True when an option named `name` ("--layout") of the host or of one of its
// commands takes a value.
bool TakesValue(const CLI::App& app, const std::string& name) {
    std::vector<const CLI::App*> apps = app.get_subcommands([](const CLI::App*) { return true; });
    apps.push_back(&app);
    for (const CLI::App* a : apps)
        if (const CLI::Option* option = a->get_option_no_throw(name);
            option && option->get_items_expected_max() > 0)
            return true;
    return false;
}

// The arguments as CLI11 takes them, last first.  An option that takes a
// value, written "--NAME=" with nothing after the "=", is handed on with an
// empty value, which its check refuses: CLI11 would take the next word for
// its value (--settings= --verbose would read a settings file named
// --verbose).  After "--" every argument is taken as it is.
std::vector<std::string> Arguments(const CLI::App& app, int argc, char** argv) {
    std::vector<std::string> args;
    bool options = true;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--") options = false;
        const std::string name = arg.substr(0, arg.size() - 1);
        if (options && StartsWith(arg, "--") && EndsWith(arg, "=") && name.find('=') == std::string::npos &&
            TakesValue(app, name)) {
            args.push_back(name);
            args.emplace_back();
        } else {
            args.push_back(arg);
        }
    }
    return {args.rbegin(), args.rend()};
}

// Parses the arguments and runs the command; the exit status.  A command
// stopped by Ctrl-C has said cancelled.
int RunHost(int argc, char** argv) {
    CLI::App app{"Runs the Terralith data layer on a settings file and prints what a command asks for.",
                 "terralith"};
    app.set_version_flag("--version", [] { return cvDataManager::Create()->VersionString(); });
    std::string settingsOption;
    bool verbose = false;
    app.add_option("--settings", settingsOption, "settings file (default: " + kDefaultSettings + ")")
        ->type_name("FILE")
        ->check(NotEmpty("FILE is a file name"));
    app.add_flag("-v,--verbose", verbose, "every status line, and whole error reports, on standard error");
    app.require_subcommand(1);
    app.failure_message([](const CLI::App* parent, const CLI::Error& e) {
        std::string help = "--help", what = e.what();
        for (const CLI::App* sub : parent->get_subcommands()) help = sub->get_name() + " --help";
        // A misspelt command is left over as an argument nobody took.
        if (parent->get_subcommands().empty() && !parent->remaining().empty())
            what = "unknown command: " + parent->remaining().front();
        return "terralith: " + what + "\nRun 'terralith " + help + "' for more information.\n";
    });

    std::vector<std::pair<CLI::App*, CommandRun>> runs;
    for (const Command& command : Commands()) {
        CLI::App* sub = app.add_subcommand(command.name, command.summary);
        sub->fallthrough();  // the global options may follow the command's name
        runs.emplace_back(sub, command.declare(*sub));
        std::string footer = sub->get_footer();
        sub->footer((footer.empty() ? "" : footer + "\n") + kCommonOptions);
    }
    // Only now: a command made earlier would take this footer as its own.
    app.footer(
        kCommonOptions +
        "\nExit status: 0 done, 1 failed, 2 usage error.  Ctrl-C stops a command at its next point: it "
        "says cancelled, writes no file and ends by SIGINT (status 130 in the shell, and a script's loop "
        "stops); pressed after the command's last point, it lets the command finish, then ends it by SIGINT; "
        "a second Ctrl-C ends it by SIGINT at once.\n"
        "Results go to standard output; status lines, messages and questions to standard error.");

    try {
        app.parse(Arguments(app, argc, argv));
    } catch (const CLI::ParseError& e) {
        // A usage error quotes the argument it refused: its control
        // characters are shown, not obeyed, as in every other message.
        std::ostringstream out, err;
        const int status = app.exit(e, out, err);
        Console console(false);
        bool cancelled = false;
        try {
            StandardOutput() << VisibleText(out.str(), true);
        } catch (const Cancelled&) {
            cancelled = true;
        }
        const int ended = Ended(console, status == 0 ? kDone : kUsage, cancelled, !cancelled);
        std::cerr << VisibleText(err.str(), true);
        ReleaseModuleData();
        return ended;
    }

    int status = kFailed;
    bool cancelled = false, finished = false;
    {
        Console console(verbose);
        const SettingsChoice settings =
            ChooseSettingsFile(settingsOption, std::getenv("TERRALITH_SETTINGS"), TERRALITH_SAMPLE_SETTINGS);
        try {
            for (size_t i = 0; i < runs.size(); ++i)
                if (runs[i].first->parsed()) status = Run(console, Commands()[i], runs[i].second, settings);
            finished = true;
        } catch (const Error& e) {
            console.Say(PlainDescription(e));
        } catch (const Cancelled&) {
            cancelled = true;
        }
        ReleaseModuleData();
        ui::SetMessageBoxHandler(nullptr);
        ui::SetErrorWindowPresenter(nullptr);
        status = Ended(console, status, cancelled, finished);
    }
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    // Ctrl-C is taken from the start: wherever it comes, the command stops at
    // the next point it may.
    Interruptible interruptible;
    const int status = RunHost(argc, argv);
    // The files are as the command left them, what it had to say is said and
    // the console's line is clear: a program that heard Ctrl-C, whether it
    // stopped, failed for its own reason or came to its end first, ends as an
    // interrupted one.
    interruptible.EndIfInterrupted();
    return status;
}
