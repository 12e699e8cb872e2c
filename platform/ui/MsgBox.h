#pragma once
// Message boxes.  The host installs a handler that shows them; without one
// the text goes to standard error and the box answers by itself, so a library
// call never waits for a person: a Yes/No (or Yes/No/Cancel) question answers
// No, since Yes is the answer that acts, and any other box its default button.
#include <cstdint>
#include <functional>
#include <string>

namespace ui {

// Styles and answers as the classic run time numbers them.
constexpr int32_t vbOKOnly = 0;
constexpr int32_t vbOKCancel = 1;
constexpr int32_t vbAbortRetryIgnore = 2;
constexpr int32_t vbYesNoCancel = 3;
constexpr int32_t vbYesNo = 4;
constexpr int32_t vbRetryCancel = 5;
constexpr int32_t vbCritical = 16;
constexpr int32_t vbQuestion = 32;
constexpr int32_t vbExclamation = 48;
constexpr int32_t vbInformation = 64;
constexpr int32_t vbDefaultButton2 = 256;
constexpr int32_t vbDefaultButton3 = 512;

constexpr int32_t vbOK = 1;
constexpr int32_t vbCancel = 2;
constexpr int32_t vbAbort = 3;
constexpr int32_t vbRetry = 4;
constexpr int32_t vbIgnore = 5;
constexpr int32_t vbYes = 6;
constexpr int32_t vbNo = 7;

// Receives the text (line breaks as CR LF), the style and the title; answers
// with the button pressed.
using MessageBoxHandler =
    std::function<int32_t(const std::string& text, int32_t style, const std::string& title)>;

// Installs the host's handler (an empty one restores the default) and returns
// the one it replaces.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

// Shows a message box and returns the answer; without a handler, writes the
// text and the answer taken to standard error and returns UnattendedAnswer.
int32_t MsgBox(const std::string& text, int32_t style = vbOKOnly, const std::string& title = "");

// The answer of the default button of a style.
int32_t DefaultAnswer(int32_t style);

// The answer when no one can be asked: No for a Yes/No or Yes/No/Cancel
// question, whatever its default button; otherwise DefaultAnswer.
int32_t UnattendedAnswer(int32_t style);

}  // namespace ui
