#pragma once
// The clipboard.  It lives in this process only (the desktop's clipboard is
// the host's business): the error dialog's Copy puts the report here and a
// host that wants it on the desktop reads it back with GetText.
#include <string>

namespace ui::Clipboard {

// Empties the clipboard.
void Clear();
// Puts text on the clipboard, replacing what was there.
void SetText(const std::string& text);
// The text on the clipboard ("" when empty).
std::string GetText();
// Empties it (tests).
void Reset();

}  // namespace ui::Clipboard
