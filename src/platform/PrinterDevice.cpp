// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/PrinterDevice.h"

#include <QGuiApplication>
#include <QPageSize>
#include <QPrinter>
#include <memory>

namespace corbel {

namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

int Key(const report::ReportFont& font) {
    return font.points * 4 + (font.bold ? 2 : 0) + (font.underline ? 1 : 0);
}

}  // namespace

PrinterPageDevice::PrinterPageDevice(QPrinter& printer) : printer_(printer) {
    // The page's lines are counted before the document begins, so the page must
    // already be upright then.
    printer_.setPageOrientation(QPageLayout::Portrait);
}

const PrinterPageDevice::Face& PrinterPageDevice::face(const report::ReportFont& font) {
    const int key = Key(font);
    auto it = faces_.find(key);
    if (it == faces_.end()) {
        QFont f("Courier New");
        f.setStyleHint(QFont::TypeWriter);
        f.setPointSize(font.points);
        f.setBold(font.bold);
        f.setUnderline(font.underline);
        it = faces_.emplace(key, Face{f, QFontMetrics(f, &printer_)}).first;
    }
    return it->second;
}

bool PrinterPageDevice::beginDocument() {
    drawing_ = nullptr;
    return painter_.begin(&printer_);
}

bool PrinterPageDevice::newPage() {
    return printer_.newPage();
}

bool PrinterPageDevice::endDocument() {
    const bool ended = !painter_.isActive() || painter_.end();
    return ended && printer_.printerState() != QPrinter::Error;
}

void PrinterPageDevice::drawText(int x, int y, std::string_view text,
                                 const report::ReportFont& font) {
    const Face& f = face(font);
    if (drawing_ != &f) {
        painter_.setFont(f.font);
        drawing_ = &f;
    }
    painter_.drawText(x, y + f.metrics.ascent(), Text(text));
}

int PrinterPageDevice::textWidth(std::string_view text, const report::ReportFont& font) {
    return face(font).metrics.horizontalAdvance(Text(text));
}

int PrinterPageDevice::textHeight(std::string_view, const report::ReportFont& font) {
    return face(font).metrics.height();
}

int PrinterPageDevice::cellHeight(const report::ReportFont& font) {
    return face(font).metrics.height();
}

int PrinterPageDevice::pageWidth() {
    return static_cast<int>(printer_.pageRect(QPrinter::DevicePixel).width());
}

int PrinterPageDevice::pageHeight() {
    return static_cast<int>(printer_.pageRect(QPrinter::DevicePixel).height());
}

bool PrintReport(QPrinter& printer, const ReportJob& job) {
    PrinterPageDevice device(printer);
    return job(device);
}

QString PrinterName(const QPrinter& printer) {
    return printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName()
                                                         : printer.printerName();
}

bool PrintReportToPdf(const std::string& fileName, const ReportJob& job) {
    static int argc = 1;
    static char name[] = "corbelwright";
    static char* argv[] = {name, nullptr};
    // The caller reports a failure in the program's own words; Qt's diagnostics
    // (a painter that cannot begin, the offscreen platform's set-up) would only
    // stand beside them.
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    std::unique_ptr<QGuiApplication> app;
    if (!QCoreApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setOutputFileName(QString::fromStdString(fileName));
    const bool printed = PrintReport(printer, job);
    qInstallMessageHandler(previous);
    return printed;
}

}  // namespace corbel
