// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/ReportPrinting.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPrinter>
#include <QPushButton>

#include "ui/Controls.h"
#include "ui/FileWriting.h"
#include "ui/Pictures.h"

namespace corbel::ui {

namespace {

QString PdfFileKey(const QString& report) {
    return "PdfFile/" + report;
}

bool PrintOn(QPrinter& printer, QWidget* window, const UiContext& context, const ReportJob& job) {
    return PrintOrSay(window, context, printer, [&](QPagedPaintDevice& device) {
        PrinterPageDevice page(device);
        return job(page);
    });
}

}  // namespace

bool PrintOrSay(QWidget* window, const UiContext& context, QPrinter& printer,
                const PaintDocument& paint) {
    if (PrintsToPdfFile(printer)) {
        return WritePdfOrSay(window, context, printer, paint);
    }
    if (!paint(printer)) {
        context.dialogs.showMessage(
            window, Message{MessageCause::PrintFailed,
                            Fill(msg::PrinterFailed, {PrinterName(printer).toStdString()})});
        return false;
    }
    return true;
}

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

void ConnectPrinting(QWidget* owner, QAbstractButton* print, QAbstractButton* preview,
                     const UiContext& context, const QString& report, ReadyToPrint ready,
                     ReportSource job) {
    const auto connectOne = [&](QAbstractButton* button, auto show) {
        QObject::connect(button, &QAbstractButton::clicked, owner,
                         [owner, &context, report, ready, job, show] {
                             if (!ready || ready()) {
                                 show(owner->window(), context, report, job());
                             }
                         });
    };
    connectOne(print, PrintWithDialog);
    connectOne(preview, PreviewWithDialog);
}

CalculateAndPrint CalculateAndPrintButtons(QWidget* page, const UiContext& context,
                                           const CalculateAndPrintNames& names,
                                           const QString& report, ReadyToPrint calculate,
                                           ReportSource job) {
    CalculateAndPrint buttons;
    buttons.calculate = Named(new QPushButton("Calculate", page), names.calculate);
    buttons.print = Named(new QPushButton("Print", page), names.print);
    buttons.print->setIcon(Icon(Picture::Print));
    buttons.preview = PreviewButton(names.preview, page);
    buttons.row = new QHBoxLayout;
    buttons.row->addWidget(buttons.calculate);
    buttons.row->addWidget(buttons.print);
    buttons.row->addWidget(buttons.preview);
    buttons.row->addStretch(1);
    QObject::connect(buttons.calculate, &QPushButton::clicked, page, calculate);
    ConnectPrinting(page, buttons.print, buttons.preview, context, report, std::move(calculate),
                    std::move(job));
    return buttons;
}

}  // namespace corbel::ui
