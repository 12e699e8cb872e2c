#include "MsgBox.h"

#include <iostream>

#include "ThreadHook.h"
#include "platform/runtime/Text.h"

namespace ui {
namespace {
using Hook = ThreadHook<MessageBoxHandler, struct MessageBoxTag>;
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) { return Hook::Set(std::move(handler)); }

int32_t DefaultAnswer(int32_t style) {
    static const int32_t buttons[][3] = {
        {vbOK, vbOK, vbOK},      {vbOK, vbCancel, vbCancel}, {vbAbort, vbRetry, vbIgnore},
        {vbYes, vbNo, vbCancel}, {vbYes, vbNo, vbNo},        {vbRetry, vbCancel, vbCancel},
    };
    int32_t set = style & 7;
    if (set > 5) set = 0;
    int32_t which = (style & vbDefaultButton3) ? 2 : (style & vbDefaultButton2) ? 1 : 0;
    return buttons[set][which];
}

int32_t UnattendedAnswer(int32_t style) {
    int32_t set = style & 7;
    if (set == vbYesNo || set == vbYesNoCancel) return vbNo;
    return DefaultAnswer(style);
}

int32_t MsgBox(const std::string& text, int32_t style, const std::string& title) {
    if (Hook::Get()) return Hook::Get()(text, style, title);
    static const char* const names[] = {"", "OK", "Cancel", "Abort", "Retry", "Ignore", "Yes", "No"};
    int32_t answer = UnattendedAnswer(style);
    // A box's text keeps its lines (CR LF, as the library ends them); a
    // control character in a value it quotes is shown, not obeyed by a
    // terminal.
    std::cerr << VisibleText(
                     (title.empty() ? std::string("Message") : title) + ": " + Replace(text, "\r\n", "\n"),
                     true)
              << "\n"
              << "(no one to ask; answered " << names[answer] << ")\n";
    return answer;
}

}  // namespace ui
