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
#include <string>

#include "report/PageDevice.h"

class QPrinter;

namespace corbel {

// The reports' page device over a printer: "Courier New" (Liberation Mono where
// fontconfig substitutes it), portrait, device units of the printer's resolution
// from the top-left corner of the printable area.
class PrinterPageDevice : public report::PageDevice {
  public:
    explicit PrinterPageDevice(QPrinter& printer);

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

    QPrinter& printer_;
    QPainter painter_;
    std::map<int, Face> faces_;
    const Face* drawing_ = nullptr;  // the painter's current font
};

// Prints the report on the printer; false when the printer failed.
bool PrintReport(QPrinter& printer, const ReportJob& job);

// What a failure message calls the printer: its name, or the file it writes.
QString PrinterName(const QPrinter& printer);

// Prints the report into a PDF file on A4. A program without a GUI application
// gets a windowless one on the offscreen platform for the time of printing.
bool PrintReportToPdf(const std::string& fileName, const ReportJob& job);

}  // namespace corbel
