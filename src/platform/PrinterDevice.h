// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QString>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "report/PageDevice.h"

class QPagedPaintDevice;
class QPrinter;

namespace corbel {

// The reports' page device over a printer or a PDF writer: "Courier New"
// (Liberation Mono where fontconfig substitutes it), portrait, device units of
// the device's resolution from the top-left corner of the printable area.
class PrinterPageDevice : public report::PageDevice {
  public:
    explicit PrinterPageDevice(QPagedPaintDevice& device);

    bool beginDocument() override;
    bool newPage() override;
    bool endDocument() override;
    void drawText(int x, int y, std::string_view text, const report::ReportFont& font) override;
    int textWidth(std::string_view text, const report::ReportFont& font) override;
    int textHeight(std::string_view text, const report::ReportFont& font) override;
    int cellHeight(const report::ReportFont& font) override;
    int pageWidth() override;
    int pageHeight() override;

  private:
    struct Face {
        QFont font;
        QFontMetrics metrics;
    };
    const Face& face(const report::ReportFont& font);

    QPagedPaintDevice& device_;
    QPainter painter_;
    std::map<int, Face> faces_;
    const Face* drawing_ = nullptr;  // the painter's current font
};

// What a failure message calls the printer: its name, or the file it writes.
QString PrinterName(const QPrinter& printer);

// Draws a whole document on a printer or a PDF writer; false when it failed.
using PaintDocument = std::function<bool(QPagedPaintDevice& device)>;

// Whether the printer writes a PDF file, rather than printing or drawing a preview.
bool PrintsToPdfFile(QPrinter& printer);

// Writes the document into the PDF file `fileName` (bytes in the file system's
// encoding) on the printer's page layout and resolution. The document is drawn
// in memory, then written as ReplaceFile writes every file, so that a failure
// leaves an earlier file whole. Nothing, or the reason it failed.
std::optional<std::string> WritePdfFile(const std::string& fileName, const QPrinter& settings,
                                        const PaintDocument& paint);

// Prints the report into a PDF file on A4, as WritePdfFile. A program without
// a GUI application gets a windowless one on the offscreen platform for the
// time of printing.
std::optional<std::string> PrintReportToPdf(const std::string& fileName, const ReportJob& job);

}  // namespace corbel
