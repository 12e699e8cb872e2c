#include "ErrorDisplay.h"

#include "core/CwndShowError.h"
#include "core/ErrorReport.h"
#include "core/HuntERR31.h"
#include "core/HuntERR31SysH.h"
#include "platform/ui/ErrorWindow.h"
#include "platform/ui/MousePointer.h"
#include "platform/ui/MsgBox.h"

namespace {

struct VariantRow {
    int32_t warningStyle;
    bool exceptionInDialog;
    bool logs;
    bool numbersOtherUserErrors;  // other user errors shown as "Warning (n)"
};

const VariantRow& RowOf(ErrDisplay v) {
    static const VariantRow rows[] = {
        /* A */ {ui::vbOKOnly, true, false, false},
        /* B */ {ui::vbInformation, false, true, false},
        /* C */ {ui::vbOKOnly, true, true, false},
        /* D */ {ui::vbOKOnly, true, false, false},
        /* E */ {ui::vbInformation, false, true, false},
        /* F */ {ui::vbExclamation, true, false, true},
        /* G */ {ui::vbInformation, false, false, false},
    };
    return rows[static_cast<int>(v)];
}

// Runs one step of the display; a step that fails is skipped and the next
// one runs.
template <class F>
void Step(F&& f) {
    try {
        f();
    } catch (...) {
    }
}

void ShowUserError(const VariantRow& row, int32_t number, const std::string& description) {
    if (number == ERR_USER_WARNING)
        ui::MsgBox(description, row.warningStyle, "Warning");
    else if (number == ERR_USER_INPUT)
        ui::MsgBox(description, ui::vbExclamation, kUserInputErrorTitle);
    else if (number == ERR_USER_MULTIPLE_INPUT)
        ui::MsgBox(description, ui::vbOKOnly, kMultipleInputErrorsTitle);
    else if (row.numbersOtherUserErrors && number != ERR_USER_SILENT)
        ui::MsgBox(description, ui::vbExclamation, "Warning (" + std::to_string(number) + ")");
}

thread_local int64_t gErrorsShown = 0;

}  // namespace

int64_t ErrorsShown() { return gErrorsShown; }

void ShowErrorReport(const ErrorDisplayTarget& target) {
    const VariantRow& row = RowOf(target.variant);
    // Take what is to be shown before anything runs: a host's message box
    // may call back into the library and fail there too.
    Step([] {
        ErrPreserve();
        ErrRestore();
    });
    const bool userError = ErrIsUserError();
    const int32_t number = ErrNumber();
    const std::string description = ErrDescription();
    const ErrObject current = Err();
    std::string report;
    Step([&] { report = ErrReportText(); });

    Step([] { ui::SetMousePointer(ui::vbDefault); });
    if (number != ERR_USER_SILENT) ++gErrorsShown;
    if (userError) {
        Step([&] { ShowUserError(row, number, description); });
    } else {
        // The host is told that what it is handed is a report, and what it
        // describes.
        if (row.exceptionInDialog)
            Step([&] {
                const ui::ShowingReport showing(report, ReportDescription(report));
                CwndShowError::Instance().ErrorReport(report);
            });
        else
            Step([&] {
                const ui::ShowingReport showing(current.Description,
                                                ErrorMessageOf(current.Source, current.Description));
                ui::MsgBox(current.Description, ui::vbCritical, "Error");
            });
        if (target.fields && StoresErrorFields(target.variant)) {
            ErrorFields& f = *target.fields;
            f.ErrorNumber = current.Number;
            f.ErrorSource = current.Source;
            f.ErrorDescription = current.Description;
            f.ErrorIsException = userError;
        }
        if (row.logs) Step([&] { AppendReportToFile(report, kErrorLogFile); });
    }
    // No stale error may be taken for the next one.
    ErrClear();
    Err().Clear();
}
