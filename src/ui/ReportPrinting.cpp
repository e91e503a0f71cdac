#include "ui/ReportPrinting.h"

#include <QPrinter>

namespace corbel::ui {

void PrintWithDialog(QWidget* window, const UiContext& context, const ReportJob& job) {
    QPrinter* printer = context.dialogs.choosePrinter(window);
    if (!printer) {
        return;
    }
    if (!PrintReport(*printer, job)) {
        context.dialogs.showMessage(
            window, Information(Fill(msg::PrinterFailed, {PrinterName(*printer).toStdString()})));
    }
}

}  // namespace corbel::ui
