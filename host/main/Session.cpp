#include "Session.h"

#include <algorithm>
#include <charconv>
#include <pugixml.hpp>
#include <vector>

#include "core/CTools.h"
#include "core/Globals.h"
#include "core/mTL5ErrorCodes.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/RegularFile.h"
#include "platform/runtime/Text.h"
#include "platform/xml/XmlPath.h"
#include "platform/xml/cvSettings.h"

namespace host {
namespace {

std::string Number(size_t n) {
    char buffer[24];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, n);
    return std::string(buffer, end);
}

// The file parsed as the settings document parses it: why it cannot be read
// (unread) or where it is not well-formed (the returned text), and its root
// element's name.
std::string Parse(const std::string& path, std::string& unread, std::string& root) {
    std::string text;
    if (!TryReadRegularFile(path, text, unread)) return unread;
    pugi::xml_document document;
    pugi::xml_parse_result result = document.load_buffer(text.data(), text.size(), xmlpath::kParseOptions);
    if (result) {
        root = document.document_element().name();
        return "";
    }
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

// Why the file's text is not well-formed XML, with the line and column where
// the parser stopped, or why it cannot be read; "" when it is well-formed.
std::string XmlProblem(const std::string& path) {
    std::string unread, root;
    return Parse(path, unread, root);
}

}  // namespace

SettingsChoice ChooseSettingsFile(const std::string& option, const char* environment,
                                  const std::string& builtIn) {
    if (!option.empty()) return {option, false};
    if (environment && *environment) return {environment, false};
    return {builtIn, true};
}

std::string XmlFileProblem(const std::string& path, std::string* pRoot) {
    std::string unread, root;
    const std::string problem = Parse(path, unread, root);
    if (pRoot) *pRoot = root;
    if (problem.empty() || !unread.empty()) return problem;
    return "not well-formed XML: " + problem;
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

    session.root->OpenDatabase();
    const int32_t number = session.root->ErrorNumber();
    if (number == ERR_DATABASE_NOT_FOUND) {
        console.Say("there is no database at " + session.root->Database());
        return {};
    }
    if (number != 0) {
        // What went wrong was shown as it happened.
        console.Say("the database could not be opened (error &H" + Hex(number) + ")");
        return {};
    }
    return session;
}

}  // namespace host
