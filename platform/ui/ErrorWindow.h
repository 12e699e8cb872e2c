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

// An error report as the library hands it to the host while it shows one, in
// the error window or in a message box: its text and its description (the
// error's own message, what a host that shows less than the whole report
// shows).  A host knows a report by this, never by what its text says.
struct ShownReport {
    std::string text;
    std::string description;
};

// The report being shown on this thread whose text is sText; null for any
// other text (a box that is no report, a question asked while one shows).
const ShownReport* ReportShown(const std::string& sText);

// Marks a report as being shown while it lives: the library makes one around
// the call that shows it.  Scopes nest, on one thread.
class ShowingReport {
public:
    ShowingReport(std::string sText, std::string sDescription);
    ~ShowingReport();
    ShowingReport(const ShowingReport&) = delete;
    ShowingReport& operator=(const ShowingReport&) = delete;

private:
    friend const ShownReport* ReportShown(const std::string& sText);
    ShownReport report_;
    ShowingReport* outer_;
};

}  // namespace ui
