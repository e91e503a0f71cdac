#include "ui/ReportPrinting.h"

#include <QPrinter>
#include <QPushButton>

#include "ui/Controls.h"
#include "ui/FileWriting.h"

namespace corbel::ui {

namespace {

void PrintOn(QPrinter& printer, QWidget* window, const UiContext& context, const ReportJob& job) {
    if (PrintsToPdfFile(printer)) {
        WritePdfOrSay(window, context, printer, [&](QPagedPaintDevice& device) {
            PrinterPageDevice page(device);
            return job(page);
        });
        return;
    }
    if (!PrintReport(printer, job)) {
        context.dialogs.showMessage(
            window, Information(Fill(msg::PrinterFailed, {PrinterName(printer).toStdString()})));
    }
}

}  // namespace

void PrintWithDialog(QWidget* window, const UiContext& context, const ReportJob& job) {
    if (QPrinter* printer = context.dialogs.choosePrinter(window)) {
        PrintOn(*printer, window, context, job);
    }
}

void PreviewWithDialog(QWidget* window, const UiContext& context, const ReportJob& job) {
    context.dialogs.showPrintPreview(window, QPageLayout::Portrait, [&](QPrinter& printer) {
        PrintOn(printer, window, context, job);
    });
}

QPushButton* PreviewButton(const char* name, QWidget* parent) {
    auto* button = Named(new QPushButton("Print Preview", parent), name);
    button->setAutoDefault(false);
    return button;
}

}  // namespace corbel::ui
