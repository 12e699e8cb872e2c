#pragma once
// Counting what the library shows while a command runs, to tell a command
// that showed an error from one that did not.
#include <memory>
#include <utility>

#include "core/ErrorDisplay.h"
#include "platform/ui/ErrorWindow.h"
#include "platform/ui/MsgBox.h"

namespace host {

// Counts the errors the library shows while it lives (message boxes and
// error reports), passing each on to what the console installed.  Failures()
// are the error reports, the boxes with the critical icon and the boxes of
// refused input ("User Input Error", "Multiple Input Errors"); it leaves out
// the boxes that only warn or inform (a unit replaced in a grid layout is no
// failure of the load, nor is "No records were found").  Warnings() are the
// boxes with the exclamation icon that are no failures: what they mean is
// for the caller to say (a query refused for its size is one).
class ShownErrors {
public:
    ShownErrors() {
        previousBox_ = ui::SetMessageBoxHandler(
            [this](const std::string& text, int32_t style, const std::string& title) {
                ++count_;
                if ((style & 0x70) == ui::vbCritical || title == kUserInputErrorTitle ||
                    title == kMultipleInputErrorsTitle)
                    ++failures_;
                else if ((style & 0x70) == ui::vbExclamation)
                    ++warnings_;
                return previousBox_ ? previousBox_(text, style, title) : ui::UnattendedAnswer(style);
            });
        previousWindow_ = ui::SetErrorWindowPresenter(std::make_shared<Counter>(*this));
    }
    ~ShownErrors() {
        ui::SetMessageBoxHandler(std::move(previousBox_));
        ui::SetErrorWindowPresenter(std::move(previousWindow_));
    }
    ShownErrors(const ShownErrors&) = delete;
    ShownErrors& operator=(const ShownErrors&) = delete;
    // Every box and error report shown so far.
    int Count() const { return count_; }
    // The failures shown so far, as the class comment counts them.
    int Failures() const { return failures_; }
    // The warnings shown so far, as the class comment counts them.
    int Warnings() const { return warnings_; }

private:
    class Counter final : public ui::ErrorWindowPresenter {
    public:
        explicit Counter(ShownErrors& owner) : owner_(owner) {}
        void Show(const std::string& caption, const std::string& text) override {
            ++owner_.count_;
            ++owner_.failures_;
            Target().Show(caption, text);
        }
        void SetText(const std::string& text) override { Target().SetText(text); }
        void Activate() override { Target().Activate(); }
        void MakeTopmost() override { Target().MakeTopmost(); }
        void Hide() override { Target().Hide(); }

    private:
        // What the console installed; with nothing installed the count is all.
        struct Silent final : ui::ErrorWindowPresenter {
            void Show(const std::string&, const std::string&) override {}
            void SetText(const std::string&) override {}
            void Activate() override {}
            void MakeTopmost() override {}
            void Hide() override {}
        };
        ui::ErrorWindowPresenter& Target() {
            static Silent silent;
            return owner_.previousWindow_ ? *owner_.previousWindow_ : silent;
        }
        ShownErrors& owner_;
    };

    ui::MessageBoxHandler previousBox_;
    std::shared_ptr<ui::ErrorWindowPresenter> previousWindow_;
    int count_ = 0, failures_ = 0, warnings_ = 0;
};

}  // namespace host
