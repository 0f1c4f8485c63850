#include "reports/ConfirmPrint.h"

#include "reports/PrintForms.h"
#include "reports/PrintOptions.h"

namespace korva {

bool ConfirmPrint(std::uint32_t& printOptions, const std::string& paperName, PrintForms& forms) {
    HtmlFileDispositionForm disposition;
    if ((printOptions & kPrintNow) != 0) disposition.choice = HtmlDisposition::PrintNow;
    const auto chosen = forms.htmlFileDisposition(disposition);
    if (!chosen) return false;
    if (chosen->choice == HtmlDisposition::KeepForManualPrint) {
        printOptions &= ~kPrintNow;
        return true;
    }
    std::uint32_t options = printOptions | kPrintNow;
    if ((options & kShowPrintReminder) != 0) {
        const auto reminder = forms.printReminder(PrintReminderForm{paperName, false});
        // A cancelled reminder abandons the run, so it must not have changed the options.
        if (!reminder) return false;
        if (reminder->dontRemindAgain) options &= ~kShowPrintReminder;
    }
    printOptions = options;
    return true;
}

}  // namespace korva
