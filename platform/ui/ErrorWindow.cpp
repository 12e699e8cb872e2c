#include "ErrorWindow.h"

#include <iostream>

#include "platform/runtime/Text.h"

namespace ui {
namespace {

// Writes each report once: when the window is shown and when its text is
// replaced while it is showing.  A report keeps its lines (CR LF, as the
// library ends them); a control character in a value it quotes is shown, not
// obeyed by a terminal.
class StandardErrorPresenter final : public ErrorWindowPresenter {
public:
    void Show(const std::string& caption, const std::string& text) override {
        std::cerr << VisibleText(caption + ":\n" + Replace(text, "\r\n", "\n"), true) << "\n";
    }
    void SetText(const std::string& text) override {
        std::cerr << VisibleText(Replace(text, "\r\n", "\n"), true) << "\n";
    }
    void Activate() override {}
    void MakeTopmost() override {}
    void Hide() override {}
};

std::shared_ptr<ErrorWindowPresenter>& Installed() {
    thread_local std::shared_ptr<ErrorWindowPresenter> presenter;
    return presenter;
}

}  // namespace

std::shared_ptr<ErrorWindowPresenter> SetErrorWindowPresenter(
    std::shared_ptr<ErrorWindowPresenter> presenter) {
    auto old = std::move(Installed());
    Installed() = std::move(presenter);
    return old;
}

ErrorWindowPresenter& ErrorWindow() {
    thread_local StandardErrorPresenter standard;
    if (Installed()) return *Installed();
    return standard;
}

void ResetErrorWindow() { Installed().reset(); }

namespace {
thread_local ShowingReport* tShowing = nullptr;
}  // namespace

ShowingReport::ShowingReport(std::string sText, std::string sDescription)
    : report_{std::move(sText), std::move(sDescription)}, outer_(tShowing) {
    tShowing = this;
}

ShowingReport::~ShowingReport() { tShowing = outer_; }

const ShownReport* ReportShown(const std::string& sText) {
    for (const ShowingReport* scope = tShowing; scope; scope = scope->outer_)
        if (scope->report_.text == sText) return &scope->report_;
    return nullptr;
}

}  // namespace ui
