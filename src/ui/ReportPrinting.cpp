// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/ReportPrinting.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QPushButton>

#include "ui/Controls.h"
#include "ui/FileWriting.h"

namespace corbel::ui {

namespace {

QString PdfFileKey(const QString& report) {
    return "PdfFile/" + report;
}

bool PrintOn(QPrinter& printer, QWidget* window, const UiContext& context, const ReportJob& job) {
    if (PrintsToPdfFile(printer)) {
        return WritePdfOrSay(window, context, printer, [&](QPagedPaintDevice& device) {
            PrinterPageDevice page(device);
            return job(page);
        });
    }
    if (!PrintReport(printer, job)) {
        context.dialogs.showMessage(
            window, Message{MessageCause::PrintFailed,
                            Fill(msg::PrinterFailed, {PrinterName(printer).toStdString()})});
        return false;
    }
    return true;
}

}  // namespace

QString ReportPdfFile(const UiContext& context, const QString& report) {
    const QString last = Recall(context, PdfFileKey(report));
    if (!last.isEmpty() && QFileInfo(last).absoluteDir().exists()) {
        return last;
    }
    return QDir(DocumentsFolder()).filePath(report + ".pdf");
}

void PrintWithDialog(QWidget* window, const UiContext& context, const QString& report,
                     const ReportJob& job) {
    QPrinter* printer = context.dialogs.choosePrinter(window, ReportPdfFile(context, report));
    if (printer && PrintOn(*printer, window, context, job) &&
        printer->outputFormat() == QPrinter::PdfFormat) {
        Remember(context, PdfFileKey(report), printer->outputFileName());
    }
}

void PreviewDocument(QWidget* window, const UiContext& context, const QString& report,
                     QPageLayout::Orientation orientation, const Dialogs::PaintDocument& paint) {
    const QString printed = context.dialogs.showPrintPreview(window, orientation,
                                                             ReportPdfFile(context, report), paint);
    if (!printed.isEmpty()) {
        Remember(context, PdfFileKey(report), printed);
    }
}

void PreviewWithDialog(QWidget* window, const UiContext& context, const QString& report,
                       const ReportJob& job) {
    PreviewDocument(window, context, report, QPageLayout::Portrait,
                    [&](QPrinter& printer) { PrintOn(printer, window, context, job); });
}

QPushButton* PreviewButton(const char* name, QWidget* parent) {
    auto* button = Named(new QPushButton("Print Preview", parent), name);
    button->setAutoDefault(false);
    return button;
}

}  // namespace corbel::ui
