#include "CwndShowError.h"

#include <memory>

#include "platform/ui/Clipboard.h"
#include "platform/ui/ErrorWindow.h"

namespace {
constexpr int32_t kButtonWidth = 1245;
constexpr int32_t kButtonHeight = 465;
constexpr int32_t kGap = 60;

std::unique_ptr<CwndShowError>& Slot() {
    thread_local std::unique_ptr<CwndShowError> dialog;
    return dialog;
}
}  // namespace

CwndShowError::CwndShowError() {
    layout_.btnClose = {0, 0, kButtonWidth, kButtonHeight};
    layout_.btnCopy = {0, 0, kButtonWidth, kButtonHeight};
}

CwndShowError& CwndShowError::Instance() {
    if (!Slot()) Slot().reset(new CwndShowError());
    return *Slot();
}

void CwndShowError::ResetInstance() { Slot().reset(); }

CwndShowError::Layout CwndShowError::Arrange(const Layout& current, int32_t innerWidth, int32_t innerHeight,
                                             int32_t windowState) {
    if (windowState != vbNormal) return current;
    Layout next = current;
    Placement& close = next.btnClose;
    close.Left = innerWidth - (close.Width + kGap);
    close.Top = innerHeight - (close.Height + kGap);
    Placement& copy = next.btnCopy;
    copy.Left = close.Left - (copy.Width + kGap);
    copy.Top = close.Top;
    next.txtError = {0, 0, innerWidth, close.Top - kGap};
    return next;
}

void CwndShowError::Form_Resize() { layout_ = Arrange(layout_, innerWidth_, innerHeight_, windowState_); }

void CwndShowError::Resized(int32_t innerWidth, int32_t innerHeight, int32_t windowState) {
    innerWidth_ = innerWidth;
    innerHeight_ = innerHeight;
    windowState_ = windowState;
    Form_Resize();
}

void CwndShowError::ShowTopmost() {
    try {
        ui::ErrorWindow().Show(caption_, text_);
    } catch (...) {
        // A window that could not be shown the first time usually can be the
        // second; a second failure goes to the caller.
        ui::ErrorWindow().Show(caption_, text_);
    }
    visible_ = true;
    Form_Resize();
    try {
        ui::ErrorWindow().MakeTopmost();
    } catch (...) {
    }
}

void CwndShowError::ErrorReport(const std::string& sText) {
    text_ = sText;
    if (visible_)
        ui::ErrorWindow().SetText(text_);
    else
        ShowTopmost();
    try {
        ui::ErrorWindow().Activate();
        ui::ErrorWindow().MakeTopmost();
    } catch (...) {
    }
}

void CwndShowError::btnClose_Click() {
    visible_ = false;
    ui::ErrorWindow().Hide();
}

void CwndShowError::btnCopy_Click() {
    ui::Clipboard::Clear();
    ui::Clipboard::SetText(text_);
}
