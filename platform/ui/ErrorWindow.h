#pragma once
// The window that shows an error report.  The library keeps the window's
// state and layout itself (the error dialog in core/); what actually puts it
// on a screen is a presenter the host may install.  Without one, every report
// goes to standard error, so a library call never waits for a person.
#include <memory>
#include <string>

namespace ui {

class ErrorWindowPresenter {
public:
    virtual ~ErrorWindowPresenter() = default;
    // Shows the window modeless with its caption and text; returns at once.
    // May raise when the window cannot be shown; the caller tries once more.
    virtual void Show(const std::string& caption, const std::string& text) = 0;
    // The text changed while the window is showing.
    virtual void SetText(const std::string& text) = 0;
    // Brings the window forward and redraws it.
    virtual void Activate() = 0;
    // Keeps the window above every other window.
    virtual void MakeTopmost() = 0;
    // Hides the window; it may be shown again later.
    virtual void Hide() = 0;
};

// Installs the host's presenter (an empty one restores the default) and
// returns the one it replaces (empty when the default was in place).
std::shared_ptr<ErrorWindowPresenter> SetErrorWindowPresenter(
    std::shared_ptr<ErrorWindowPresenter> presenter);

// The presenter in use on this thread: the host's, or the default one.
ErrorWindowPresenter& ErrorWindow();

// Back to the default presenter (tests).
void ResetErrorWindow();

}  // namespace ui
