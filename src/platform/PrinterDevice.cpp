// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/PrinterDevice.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPageSize>
#include <QPaintEngine>
#include <QPdfWriter>
#include <QPrinter>
#include <memory>

#include "calc/Messages.h"
#include "platform/QtText.h"
#include "storage/FileAccess.h"

namespace corbel {

namespace {

int Key(const report::ReportFont& font) {
    return font.points * 4 + (font.bold ? 2 : 0) + (font.underline ? 1 : 0);
}

}  // namespace

PrinterPageDevice::PrinterPageDevice(QPagedPaintDevice& device) : device_(device) {
    // The page's lines are counted before the document begins, so the page must
    // already be upright then.
    device_.setPageOrientation(QPageLayout::Portrait);
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
        it = faces_.emplace(key, Face{f, QFontMetrics(f, &device_)}).first;
    }
    return it->second;
}

bool PrinterPageDevice::beginDocument() {
    drawing_ = nullptr;
    return painter_.begin(&device_);
}

bool PrinterPageDevice::newPage() {
    return device_.newPage();
}

bool PrinterPageDevice::endDocument() {
    const bool ended = !painter_.isActive() || painter_.end();
    const auto* printer = dynamic_cast<const QPrinter*>(&device_);
    return ended && (!printer || printer->printerState() != QPrinter::Error);
}

void PrinterPageDevice::drawText(int x, int y, std::string_view text,
                                 const report::ReportFont& font) {
    const Face& f = face(font);
    if (drawing_ != &f) {
        painter_.setFont(f.font);
        drawing_ = &f;
    }
    painter_.drawText(x, y + f.metrics.ascent(), Q(text));
}

int PrinterPageDevice::textWidth(std::string_view text, const report::ReportFont& font) {
    return face(font).metrics.horizontalAdvance(Q(text));
}

int PrinterPageDevice::textHeight(std::string_view, const report::ReportFont& font) {
    return face(font).metrics.height();
}

int PrinterPageDevice::cellHeight(const report::ReportFont& font) {
    return face(font).metrics.height();
}

int PrinterPageDevice::pageWidth() {
    return device_.pageLayout().paintRectPixels(device_.logicalDpiX()).width();
}

int PrinterPageDevice::pageHeight() {
    return device_.pageLayout().paintRectPixels(device_.logicalDpiY()).height();
}

QString PrinterName(const QPrinter& printer) {
    return printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName()
                                                         : printer.printerName();
}

bool PrintsToPdfFile(QPrinter& printer) {
    // A print preview draws through an engine of its own on the same printer.
    return printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty() &&
           printer.paintEngine() && printer.paintEngine()->type() == QPaintEngine::Pdf;
}

std::optional<std::string> WritePdfFile(const std::string& fileName, const QPrinter& settings,
                                        const PaintDocument& paint) {
    // Qt's PDF writer does not report a write that fails, so it writes into
    // memory, where none can, and the file is written as every other file.
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&bytes);
        writer.setResolution(settings.resolution());
        writer.setPageLayout(settings.pageLayout());
        writer.setPdfVersion(settings.pdfVersion());
        writer.setCreator(settings.creator());
        writer.setTitle(settings.docName());
        if (!paint(writer)) {
            return std::string(msg::PdfNotDrawn);
        }
    }
    const QByteArray& pdf = bytes.data();
    return ReplaceFile(fileName,
                       std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
}

std::optional<std::string> PrintReportToPdf(const std::string& fileName, const ReportJob& job) {
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
    QPrinter a4(QPrinter::HighResolution);
    a4.setOutputFormat(QPrinter::PdfFormat);
    a4.setPageSize(QPageSize(QPageSize::A4));
    auto failure = WritePdfFile(fileName, a4, [&](QPagedPaintDevice& device) {
        PrinterPageDevice page(device);
        return job(page);
    });
    qInstallMessageHandler(previous);
    return failure;
}

}  // namespace corbel
