#pragma once
// The console host's commands.  Each is one entry of a table: its name, a
// line of help, and a function that declares its arguments on its
// subcommand and hands back what runs once the root is ready.  A new command
// is a new entry; main() needs no change.
#include <CLI/CLI.hpp>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/main/Console.h"
#include "host/main/ShownErrors.h"
#include "interfaces/ISettings2.h"
#include "root/cvDataManager.h"

namespace host {

class DataSetFiles;

// Exit statuses.
constexpr int kDone = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;

struct CommandContext {
    Console& console;
    cvDataManager& root;
    // The host's settings document the root was given.
    Ref<ISettings2> settings;
    // What the library has shown since the root was made.
    const ShownErrors& shown;
    // True when the library showed a failure while the command ran (it was
    // printed then) or the root recorded one: a refused query, a statement
    // the engine could not run, an error report.
    bool Failed() const { return root.ErrorNumber() != 0 || shown.Failures() > 0; }
    // The data set's files, found at the command's first output check and
    // kept for the next (OutputFilesWritable).
    std::shared_ptr<const DataSetFiles> dataSet = nullptr;
};

using CommandRun = std::function<int(CommandContext&)>;

struct Command {
    std::string name;
    std::string summary;
    // Declares the arguments on the command's subcommand; the function it
    // returns runs the command and returns the exit status.
    std::function<CommandRun(CLI::App&)> declare;
    // False for a command that works without the database.
    bool opensDatabase = true;
    // True for a command that shows the folders and files the root only
    // reports (UserDataFolder, NotesDatabase), which the settings must then hold.
    bool reportsFolders = false;
};

// Every command, in the order --help lists them.
const std::vector<Command>& Commands();

// Refuses an empty value as a usage error, "<option>: <what>, not empty":
// given by hand, an empty name would quietly stand for a default or for
// nothing at all.  `what` says what the value is ("FILE is a file name").
CLI::Validator NotEmpty(const std::string& what);

// Takes an asset type (Field, Well, Block, Transport) in any letter case and
// hands on its own spelling; given to an option with transform(), as check()
// keeps the value as typed.
CLI::Validator AssetType();

// The asset types, in the order the commands list them.
inline constexpr const char* kAssetTypes[] = {"Field", "Well", "Block", "Transport"};

}  // namespace host
