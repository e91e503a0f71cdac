// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/Printing.h"

#include <algorithm>
#include <cmath>

#include "calc/NumberReading.h"
#include "calc/NumberTexts.h"
#include "calc/Utf8.h"

namespace corbel::report {

namespace {

// Pending text is drawn at the latest when this many characters wait.
constexpr int MaxPending = 128;
constexpr std::string_view Hyphens = "------------------------";

// Field widths, wrapping and the page edge count characters, not bytes.
int Length(std::string_view text) {
    return static_cast<int>(CharacterCount(text));
}

// The text split into its characters, each as its UTF-8 bytes.
std::vector<std::string_view> Characters(std::string_view text) {
    std::vector<std::string_view> characters;
    std::size_t start = 0;
    for (std::size_t i = 1; i <= text.size(); ++i) {
        if (i == text.size() || StartsCharacter(text[i])) {
            characters.push_back(text.substr(start, i - start));
            start = i;
        }
    }
    return characters;
}

std::string Join(const std::vector<std::string_view>& characters, std::size_t from,
                 std::size_t to) {
    std::string text;
    for (std::size_t i = from; i < to; ++i) {
        text += characters[i];
    }
    return text;
}

}  // namespace

ReportWriter::ReportWriter(PageDevice& device) : device_(device) {}

void ReportWriter::Write(std::string_view text) {
    for (const std::string_view character : Characters(text)) {
        if (character == "\r") {
            Flush();
        } else if (character == "\n") {
            LineFeed();
        } else if (character == "\f") {
            FormFeed();
        } else {
            pending_ += character;
            if (++pendingCount_ >= MaxPending) {
                Flush();
            }
        }
    }
}

void ReportWriter::Write(std::string_view text, int width) {
    const int length = Length(text);
    if (length < width) {
        Write(std::string(static_cast<std::size_t>(width - length), ' '));
    }
    Write(text);
}

void ReportWriter::Write(long long number, int width) {
    Write(std::to_string(number), width);
}

void ReportWriter::Flush() {
    if (pending_.empty()) {
        return;
    }
    std::vector<std::string_view> characters;
    const std::string text = std::move(pending_);
    pending_.clear();
    pendingCount_ = 0;
    characters = Characters(text);
    std::size_t from = 0;
    while (from < characters.size()) {
        // What does not fit between x and the page's right edge goes on the next line.
        std::size_t to = characters.size();
        std::string run = Join(characters, from, to);
        int width = device_.textWidth(run, font_);
        while (to > from && x_ + width > width_) {
            --to;
            run = Join(characters, from, to);
            width = to > from ? device_.textWidth(run, font_) : 0;
        }
        if (to == from && x_ == 0) {
            // A character wider than the whole page is drawn all the same; otherwise
            // nothing would ever be drawn and the text would never end.
            to = from + 1;
            run = Join(characters, from, to);
            width = device_.textWidth(run, font_);
        }
        if (to > from) {
            const int height = device_.textHeight(run, font_);
            if (height > h_) {
                h_ = height + 2;
            }
            if (ok_) {
                device_.drawText(x_, y_, run, font_);
            }
        }
        if (to < characters.size()) {
            NewLine();
        } else {
            x_ += width;
        }
        from = to;
    }
}

void ReportWriter::NewLine() {
    x_ = 0;
    y_ += h_ > 0 ? h_ : device_.cellHeight(font_);
    if (y_ > height_ - 2 * h_) {
        StartPage();
    }
    h_ = 0;
}

void ReportWriter::LineFeed() {
    Flush();
    NewLine();
}

void ReportWriter::EndLine() {
    Flush();  // the carriage return
    LineFeed();
}

void ReportWriter::StartPage() {
    if (ok_) {
        ok_ = device_.newPage();
    }
    x_ = 0;
    y_ = 0;
}

void ReportWriter::FormFeed() {
    Flush();
    StartPage();
}

void ReportWriter::FormFeedLine() {
    FormFeed();
    EndLine();
}

bool ReportWriter::CloseReport() {
    Flush();
    const bool ended = device_.endDocument();
    return ok_ && ended;
}

bool ReportWriter::OpenReport() {
    lineCount = 1;
    pageNumber = 1;
    SetReportFont(8);
    width_ = device_.pageWidth();
    height_ = device_.pageHeight();
    const int lineHeight = std::max(1, device_.textHeight("A", font_));
    // Halves go to the even number, as the default rounding does.
    linesPerPage = static_cast<int>(std::nearbyint(static_cast<double>(height_) / lineHeight)) - 7;
    headingPending = true;
    pending_.clear();
    pendingCount_ = 0;
    x_ = y_ = h_ = 0;
    ok_ = device_.beginDocument();
    return ok_;
}

void ReportWriter::SetReportFont(int size, bool bold, bool underline) {
    font_ = ReportFont{size, bold, underline};
}

bool ReportWriter::NewPageIfFull(int count) {
    if (count <= linesPerPage || headingPending) {
        return false;
    }
    FormFeedLine();
    ++pageNumber;
    lineCount = 1;
    headingPending = true;
    return true;
}

void ReportWriter::PrintPageNumber() {
    Write("Page ");
    Write(pageNumber);
    EndLine();
}

void ReportWriter::PrintHeading(std::string_view title, int titleWidth) {
    Write(title, titleWidth);
    Flush();
    SetReportFont(10, true);
    EndLine();
    Write(Hyphens, 55);
    Flush();
    EndLine();
    EndLine();
    SetReportFont(8);
    lineCount += 6;
    headingPending = false;
}

void ReportWriter::PrintGridHeading() {
    EndLine();
    PrintHeading("Loan Grid", 40);
}

void ReportWriter::PrintScheduleHeading() {
    SetReportFont(12, true);
    PrintHeading("Loan Schedule", 42);
}

void ReportWriter::PrintExtraPaymentsHeading() {
    SetReportFont(12, true);
    PrintHeading("Additional Payments Schedule", 51);
}

void ReportWriter::PrintWrapped(std::string_view text, int width, std::string_view currencySymbol) {
    for (const std::string& line : WrapText(text, width, currencySymbol)) {
        Write(line);
        EndLine();
    }
}

std::string PadText(std::string_view text, std::string_view align, int width) {
    const std::string_view trimmed = Strip(text);
    const int length = Length(trimmed);
    if (length >= width) {
        return std::string(trimmed);
    }
    const std::string spaces(static_cast<std::size_t>(width - length), ' ');
    return align == "L" ? std::string(trimmed) + spaces : spaces + std::string(trimmed);
}

std::string FillPlaceholders(std::string_view pattern,
                             std::initializer_list<std::string_view> values) {
    std::string text(pattern);
    char digit = '1';
    for (const std::string_view value : values) {
        if (digit > '9') {
            break;
        }
        for (std::size_t i = 0; i + 2 < text.size(); ++i) {
            if (text[i] == '%' && (text[i + 1] == 'S' || text[i + 1] == 's') &&
                text[i + 2] == digit) {
                text.replace(i, 3, value);
                break;
            }
        }
        ++digit;
    }
    return text;
}

std::vector<std::string> WrapText(std::string_view text, int width,
                                  std::string_view currencySymbol) {
    // A width below one character could never shorten the text.
    const std::size_t w = static_cast<std::size_t>(std::max(1, width));
    const std::vector<std::string_view> symbol = Characters(currencySymbol);
    const std::size_t k = symbol.size();
    std::vector<std::string> lines;
    std::string remaining(text);
    while (!remaining.empty()) {
        const std::vector<std::string_view> c = Characters(remaining);
        // s: the last space among the first w + 1 characters, counted from 1.
        std::size_t s = 0;
        for (std::size_t i = 1; i <= std::min(c.size(), w + 1); ++i) {
            if (c[i - 1] == " ") {
                s = i;
            }
        }
        std::size_t lineEnd;
        std::size_t restStart;
        if (s > 0 && c.size() > w) {
            // The symbol standing just before the break, apart from what precedes
            // it, moves to the next line with its amount.
            if (k > 0 && s >= k + 2 && c[s - k - 2] == " " &&
                std::equal(symbol.begin(), symbol.end(), c.begin() + (s - k - 1))) {
                s -= k + 1;
            }
            lineEnd = s - 1;
            restStart = s;
        } else {
            lineEnd = std::min(w, c.size());
            restStart = lineEnd;
        }
        lines.push_back(Join(c, 0, lineEnd));
        remaining = std::string(Strip(Join(c, restStart, c.size())));
    }
    return lines;
}

std::string FormatMoneyText(std::string_view text, const Regional& regional) {
    const auto value = ReadDecimal(text, regional.decimalSeparator());
    return value ? FormatMoney(regional, *value) : std::string();
}

}  // namespace corbel::report
