// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <string_view>

namespace corbel::report {

// A report font: the face is the device's ("Courier New"); the report chooses
// the size in points, bold and underline.
struct ReportFont {
    int points = 8;
    bool bold = false;
    bool underline = false;
    bool operator==(const ReportFont&) const = default;
};

// What the reports need of a printer: a page of device units with its origin at
// the top-left corner of the printable area, text drawn and measured in a font.
// The platform implements it over its printing facility; tests record it.
class PageDevice {
  public:
    virtual ~PageDevice() = default;
    // Starts the document; false when it cannot be started.
    virtual bool beginDocument() = 0;
    // Starts a new page; false when the device failed.
    virtual bool newPage() = 0;
    // Ends the document and hands it over; false when the device failed.
    virtual bool endDocument() = 0;
    // Draws `text` (UTF-8) with its top-left corner at (x, y).
    virtual void drawText(int x, int y, std::string_view text, const ReportFont& font) = 0;
    virtual int textWidth(std::string_view text, const ReportFont& font) = 0;
    virtual int textHeight(std::string_view text, const ReportFont& font) = 0;
    // The font's character cell height: what an empty line advances.
    virtual int cellHeight(const ReportFont& font) = 0;
    // The printable area.
    virtual int pageWidth() = 0;
    virtual int pageHeight() = 0;
};

}  // namespace corbel::report

namespace corbel {

// A report written onto a page device; false when the device failed.
using ReportJob = std::function<bool(report::PageDevice&)>;

}  // namespace corbel
