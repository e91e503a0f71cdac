// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "calc/Regional.h"
#include "report/PageDevice.h"

namespace corbel::report {

// The printer text channel and the pagination shared by the reports. Written
// text waits as pending text until a flush draws it as one run in the font of
// that moment, so the reports flush before they change the font.
class ReportWriter {
  public:
    explicit ReportWriter(PageDevice& device);

    // --- The channel ---
    // Writes text; a carriage return flushes, a line feed ends the line and a
    // form feed starts a new page.
    void Write(std::string_view text);
    // Writes text in a field of `width` characters: spaces in front up to the
    // width, never cut.
    void Write(std::string_view text, int width);
    void Write(long long number, int width = 0);
    void Flush();
    // A carriage return and a line feed.
    void EndLine();
    // A form feed as a line of its own: the new page starts with one empty line.
    void FormFeedLine();
    // Flushes and ends the document; false when the device failed at any point.
    bool CloseReport();

    // --- The framework of the reports ---
    // Resets the pagination, sets 8-point regular, works out linesPerPage and
    // begins the document; false when it cannot be begun.
    bool OpenReport();
    void SetReportFont(int size, bool bold = false, bool underline = false);
    // Before each table row: when the count passes the page and no heading is
    // pending, starts a new page and answers true.
    bool NewPageIfFull(int count);
    void PrintPageNumber();
    void PrintGridHeading();
    void PrintScheduleHeading();
    void PrintExtraPaymentsHeading();
    // Each line of WrapText(text, width) as a line of its own.
    void PrintWrapped(std::string_view text, int width, std::string_view currencySymbol);

    int lineCount = 1;
    int pageNumber = 1;
    int linesPerPage = 0;
    bool headingPending = true;

    // Where the next run goes, for tests.
    int x() const { return x_; }
    int y() const { return y_; }
    const ReportFont& font() const { return font_; }

  private:
    void NewLine();
    void LineFeed();
    void FormFeed();
    void StartPage();
    void PrintHeading(std::string_view title, int titleWidth);

    PageDevice& device_;
    ReportFont font_;
    std::string pending_;
    int pendingCount_ = 0;
    int x_ = 0;
    int y_ = 0;
    int h_ = 0;
    int width_ = 0;
    int height_ = 0;
    bool ok_ = true;
};

// Trims spaces and control characters from both ends, then pads with spaces to
// `width`: behind the text for align "L", in front otherwise.
std::string PadText(std::string_view text, std::string_view align, int width);

// Fills "%S1", "%S2", ... (any case) in order, each at its first occurrence in
// the text as filled so far; at most nine values.
std::string FillPlaceholders(std::string_view pattern,
                             std::initializer_list<std::string_view> values);

// Lines of at most `width` characters, broken at the last space that allows it,
// never leaving the currency symbol alone at the end of a line; a word longer
// than the width is cut.
std::vector<std::string> WrapText(std::string_view text, int width,
                                  std::string_view currencySymbol);

// The text read as a regional number, as money text; empty when it is no number.
std::string FormatMoneyText(std::string_view text, const Regional& regional);

}  // namespace corbel::report
