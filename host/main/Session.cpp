#include "Session.h"

#include <algorithm>
#include <charconv>
#include <pugixml.hpp>
#include <vector>

#include "core/CTools.h"
#include "core/Globals.h"
#include "core/mTL5ErrorCodes.h"
#include "host/main/Interrupt.h"
#include "host/main/ShownErrors.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/RegularFile.h"
#include "platform/runtime/Text.h"
#include "platform/xml/ReadMarkup.h"
#include "platform/xml/XmlPath.h"
#include "platform/xml/cvSettings.h"

namespace host {
namespace {

std::string Number(size_t n) {
    char buffer[24];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, n);
    return std::string(buffer, end);
}

// What reading a file as the settings document reads it finds: why it
// cannot be read, where it is not well-formed, or what else makes the
// document unfit (nested too deeply, a reference to character 0); else the
// name of its root element.
struct Reading {
    std::string unread, malformed, refused, root;
};

// Where and why the parser finds `text` not well-formed, in lines and
// characters; "" when it does not.
std::string WhereMalformed(const std::string& text) {
    pugi::xml_document document;
    pugi::xml_parse_result result = document.load_buffer(text.data(), text.size(), xmlpath::kParseOptions);
    if (result) return "";
    // The parser gives a byte offset; people count lines and characters.
    size_t offset = std::min(static_cast<size_t>(std::max<ptrdiff_t>(result.offset, 0)), text.size());
    size_t line = 1, column = 1;
    for (size_t i = 0; i < offset; ++i) {
        if (text[i] == '\n') {
            ++line;
            column = 1;
        } else if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            ++column;
        }
    }
    return "line " + Number(line) + ", column " + Number(column) + ": " + result.description();
}

// The file at `path` read as the settings document reads it; never fails.
Reading Read(const std::string& path) {
    Reading reading;
    std::string text;
    if (!TryReadRegularFile(path, text, reading.unread)) return reading;
    pugi::xml_document document;
    std::string refused;
    try {
        // As every document of this system is read, so that the file is
        // refused here for whatever a load would refuse it for.
        refused = ReadMarkup(document, text, xmlpath::kParseOptions, pugi::encoding_auto);
    } catch (const Error& e) {
        reading.unread = PlainDescription(e);
        return reading;
    }
    if (refused.empty()) {
        reading.root = document.document_element().name();
        return reading;
    }
    // The engine's own account counts bytes; the parser is asked again for
    // where it stopped, which people count in lines and characters.
    reading.malformed = WhereMalformed(text);
    if (reading.malformed.empty()) reading.refused = refused;
    return reading;
}

// Why the file's text is not well-formed XML, with the line and column where
// the parser stopped, or why it cannot be read; "" when it is well-formed.
std::string XmlProblem(const std::string& path) {
    const Reading reading = Read(path);
    return reading.unread.empty() ? reading.malformed : reading.unread;
}

}  // namespace

SettingsChoice ChooseSettingsFile(const std::string& option, const char* environment,
                                  const std::string& builtIn) {
    if (!option.empty()) return {option, false};
    if (environment && *environment) return {environment, false};
    return {builtIn, true};
}

std::string XmlFileProblem(const std::string& path, std::string* pRoot) {
    const Reading reading = Read(path);
    if (pRoot) *pRoot = reading.root;
    if (!reading.unread.empty()) return reading.unread;
    if (!reading.malformed.empty()) return "not well-formed XML: " + reading.malformed;
    if (!reading.refused.empty()) return "malformed XML: " + reading.refused;
    return "";
}

Session OpenSession(Console& console, const SettingsChoice& settings, bool openDatabase,
                    bool reportsFolders) {
    const std::string& settingsFile = settings.file;
    // An installed host finds no sample data: its settings come from the user.
    constexpr const char* kNameOne = "name one with --settings FILE or TERRALITH_SETTINGS";
    if (settingsFile.empty()) {
        console.Say(std::string("no settings file: ") + kNameOne +
                    " (this terralith was built without the sample data, so it has no default)");
        return {};
    }
    // Nobody named the file the build chose: whatever is wrong with it, the
    // way out is to name another.
    const std::string builtIn =
        settings.builtIn ? std::string(" (the sample data's, used when none is named: ") + kNameOne + ")"
                         : "";
    auto refuse = [&](const std::string& message) {
        console.Say(message + builtIn);
        return Session{};
    };
    const std::string cannot = "cannot read the settings file " + settingsFile + ": ";
    if (std::string problem = RegularFileProblem(settingsFile); !problem.empty())
        return refuse(cannot + problem);

    Session session;
    session.root = cvDataManager::Create();
    session.settings = gTools()->NewSettingsObject();
    if (!session.settings->Load(settingsFile)) {
        // The parser's own account names the line and column; what it does
        // not object to (nesting too deep, a reference to character 0) the
        // settings document says.
        std::string problem = XmlProblem(settingsFile);
        const std::string refused = LoadProblemOf(session.settings);
        return refuse(!problem.empty()
                          ? "the settings file " + settingsFile + " is not well-formed XML: " + problem
                      : refused.empty() ? cannot + "it is not a settings document"
                                        : cannot + refused);
    }
    const std::string unusable = "the settings file " + settingsFile + " cannot be used: ";
    // The root reads these as text to find its files; without one it would
    // only say "Invalid use of Null", and not where.  The two it only
    // reports are asked for only where they are shown, so that a settings
    // file without them still serves every other command.
    std::vector<const char*> read = {"Options/Paths/DataFolder", "Options/Files/CoreDatabase",
                                     "Options/Files/i18N"};
    if (reportsFolders)
        read.insert(read.end(), {"Options/Paths/UserDataFolder", "Options/Files/NotesDatabase"});
    for (const char* path : read)
        if (session.settings->GetValue(path).IsNull())
            return refuse(unusable + "it has no " + path + " element");
    try {
        session.root->Settings(session.settings);
    } catch (const Error& e) {
        // The root names what is missing; the file name it adds is already
        // in our own words.
        return refuse(unusable + PlainDescription(e, settingsFile));
    }
    session.root->RegisterCallBack(New<ConsoleCallBack>(console, settingsFile));
    if (!openDatabase) return session;

    ShownErrors shown;
    session.root->OpenDatabase();
    // A Ctrl-C while it opened (a wait for a lock given up, the question of
    // a missing database answered No) leaves nothing to say but cancelled.
    Interruptible::StopIfInterrupted();
    const int32_t number = session.root->ErrorNumber();
    if (number == ERR_DATABASE_NOT_FOUND) {
        console.Say("there is no database at " + session.root->Database());
        return {};
    }
    if (number != 0) {
        // What went wrong was shown as it happened, naming what could not be
        // read; only a failure nobody showed is said here.
        if (shown.Failures() == 0)
            console.Say("the database could not be opened (error &H" + Hex(number) + ")");
        return {};
    }
    return session;
}

}  // namespace host
