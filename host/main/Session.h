#pragma once
// Everything a command needs before it runs: the settings file found and
// read, the root made and bound to it, the callback registered and, for the
// commands that need it, the database opened.
#include <string>

#include "host/main/Console.h"
#include "interfaces/ISettings2.h"
#include "root/cvDataManager.h"

namespace host {

// The settings file a run uses, and whether nobody named it.
struct SettingsChoice {
    std::string file;      // "" when nothing names one
    bool builtIn = false;  // neither --settings nor TERRALITH_SETTINGS gave it
};

// The settings file to use: the --settings option when given, else the
// TERRALITH_SETTINGS environment value when not empty, else the built-in one
// (the sample data's, "" in a build without it).
SettingsChoice ChooseSettingsFile(const std::string& option, const char* environment,
                                  const std::string& builtIn);

// Why the file cannot be read as an XML document, in the words that follow
// its name in a message: why it cannot be read, "not well-formed XML: " with
// the line, column and why, or "malformed XML: " and what else every load
// refuses (elements nested deeper than 256 levels, a reference to character
// 0); "" when it can, with the name of its root element in *pRoot when
// asked.  Never fails.
std::string XmlFileProblem(const std::string& path, std::string* pRoot = nullptr);

struct Session {
    Ref<cvDataManager> root;
    Ref<ISettings2> settings;  // the host's document, which the root is bound into
};

// Makes the root on the settings file and, when asked, opens the database.
// On failure it says why on the console and returns a session without a root.
// A settings file without a folder or file the root reads to open its files
// (or, for a command that reports them all, one it only reports) is refused
// naming the element.  A built-in file that cannot be used, or none, is said
// together with how to name one (--settings, TERRALITH_SETTINGS).
Session OpenSession(Console& console, const SettingsChoice& settings, bool openDatabase,
                    bool reportsFolders = false);

}  // namespace host
