#pragma once
// The error dialog: a modeless window that shows the full report of an
// exception, with "Close" and "Copy".  One per thread, made by the first
// report and kept: Close only hides it, and the next report replaces its text
// and shows it again.  The window itself is drawn by the host's presenter
// (platform/ui/ErrorWindow.h); this class keeps its state and layout, and the
// host forwards the person's clicks and resizes to it.
#include <cstdint>
#include <string>

class CwndShowError {
public:
    // A control's place and size in twips.
    struct Placement {
        int32_t Left = 0;
        int32_t Top = 0;
        int32_t Width = 0;
        int32_t Height = 0;
        bool operator==(const Placement&) const = default;
    };
    struct Layout {
        Placement txtError;
        Placement btnClose;
        Placement btnCopy;
        bool operator==(const Layout&) const = default;
    };

    // Window states as the host reports them.
    static constexpr int32_t vbNormal = 0;
    static constexpr int32_t vbMinimized = 1;
    static constexpr int32_t vbMaximized = 2;

    // The thread's dialog, made on first use.
    static CwndShowError& Instance();
    // Drops the thread's dialog (tests).
    static void ResetInstance();

    // Replaces the text with sText and shows the dialog when it is hidden,
    // then brings it forward and on top.  Does not wait for the person.
    void ErrorReport(const std::string& sText);
    // Hides the dialog; the text stays for the next report.
    void btnClose_Click();
    // Puts the whole text on the clipboard.
    void btnCopy_Click();
    // Lays the controls out for the current inner size; only in the normal
    // window state.
    void Form_Resize();
    // The host's window changed size or state.
    void Resized(int32_t innerWidth, int32_t innerHeight, int32_t windowState);

    // Where the controls go for an inner size: buttons 60 twips from the
    // bottom-right corner, Copy left of Close, the text box filling the rest
    // above them.  Outside the normal state the layout stays as it is.
    static Layout Arrange(const Layout& current, int32_t innerWidth, int32_t innerHeight,
                          int32_t windowState);

    const std::string& Caption() const { return caption_; }
    const std::string& Text() const { return text_; }
    bool Visible() const { return visible_; }
    int32_t ScaleWidth() const { return innerWidth_; }
    int32_t ScaleHeight() const { return innerHeight_; }
    int32_t WindowState() const { return windowState_; }
    const Layout& Controls() const { return layout_; }
    const std::string& FontName() const { return fontName_; }
    double FontSize() const { return fontSize_; }
    bool MultiLine() const { return true; }
    const std::string& CloseCaption() const { return closeCaption_; }
    const std::string& CopyCaption() const { return copyCaption_; }

private:
    CwndShowError();
    void ShowTopmost();

    std::string caption_ = "Error Report";
    std::string text_;
    std::string fontName_ = "Courier New";
    double fontSize_ = 8.25;
    std::string closeCaption_ = "Close";
    std::string copyCaption_ = "Copy";
    bool visible_ = false;
    int32_t innerWidth_ = 8475;
    int32_t innerHeight_ = 4560;
    int32_t windowState_ = vbNormal;
    Layout layout_;
};
