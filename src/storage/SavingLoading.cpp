// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/SavingLoading.h"

#include <cerrno>
#include <charconv>
#include <limits>
#include <span>

#include "calc/Frequency.h"
#include "calc/Messages.h"
#include "storage/FileAccess.h"
#include "storage/Windows1252.h"

namespace corbel {

namespace {

constexpr std::string_view LineEnd = "\r\n";
constexpr std::string_view True = "TRUE";
constexpr std::string_view False = "FALSE";
constexpr std::size_t MaxNumberToken = 32;

// Ends a read at its first failure; caught where the read began.
struct ReadFailure {
    std::string text;
};

// Optional sign and decimal digits, nothing else, within an int.
std::optional<int> SignedDecimal(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    long long value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
        if (value > -static_cast<long long>(std::numeric_limits<int>::min())) {
            return std::nullopt;
        }
    }
    value = negative ? -value : value;
    if (value > std::numeric_limits<int>::max()) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

// The bytes of a file read line by line, as the loader reads them.
class LineReader {
  public:
    LineReader(std::string_view bytes, bool more) : bytes_(bytes), more_(more) {}

    // Whether nothing follows; a file that goes on past the bytes at hand is
    // too large to be a saved loan file.
    bool atEnd() const {
        if (pos_ == bytes_.size() && more_) {
            throw ReadFailure{SystemErrorText(EFBIG)};
        }
        return pos_ == bytes_.size();
    }

    // The raw bytes of the next line, without its line feed and without any
    // carriage return; empty past the end.
    std::string rawLine() {
        const std::size_t end = bytes_.find('\n', pos_);
        if (end == std::string_view::npos && more_) {
            throw ReadFailure{SystemErrorText(EFBIG)};
        }
        const std::size_t stop = end == std::string_view::npos ? bytes_.size() : end;
        std::string line;
        line.reserve(stop - pos_);
        for (std::size_t k = pos_; k < stop; ++k) {
            if (bytes_[k] != '\r') {
                line += bytes_[k];
            }
        }
        pos_ = end == std::string_view::npos ? bytes_.size() : end + 1;
        return line;
    }

    std::string text() { return FromWindows1252(rawLine()); }
    bool flag() { return rawLine() == True; }

    // Leading spaces, an optional sign and decimal digits; a position in a
    // frequency list.
    int listIndex() {
        const std::string line = rawLine();
        std::string_view digits(line);
        digits.remove_prefix(std::min(digits.find_first_not_of(' '), digits.size()));
        const auto value = SignedDecimal(digits);
        if (!value) {
            throw ReadFailure{Fill(msg::NotValidInteger, {Excerpt(FromWindows1252(line))})};
        }
        return checkedIndex(*value, line);
    }

    // A number of the what-if section: blanks and line ends skipped, then a
    // run of up to 32 characters above the blank; 0 when the file has ended.
    // The rest of the line where it stood is skipped.
    struct Number {
        int value = 0;
        std::string token;
    };
    Number number() {
        while (pos_ < bytes_.size() && (bytes_[pos_] == ' ' || bytes_[pos_] == '\t' ||
                                        bytes_[pos_] == '\r' || bytes_[pos_] == '\n')) {
            ++pos_;
        }
        if (atEnd()) {
            return {};
        }
        const std::size_t start = pos_;
        while (pos_ < bytes_.size() &&
               pos_ - start<MaxNumberToken&& static_cast<unsigned char>(bytes_[pos_])> ' ') {
            ++pos_;
        }
        Number number{0, std::string(bytes_.substr(start, pos_ - start))};
        rawLine();
        const auto value = SignedDecimal(number.token);
        if (!value) {
            throw ReadFailure{std::string(msg::InvalidNumericInput)};
        }
        number.value = *value;
        return number;
    }

    int numberListIndex() {
        const Number n = number();
        return checkedIndex(n.value, n.token);
    }

  private:
    static int checkedIndex(int value, std::string_view text) {
        if (value < 0 || value >= FrequencyCount) {
            throw ReadFailure{Fill(msg::NotValidListIndex, {Excerpt(FromWindows1252(text))})};
        }
        return value;
    }

    std::string_view bytes_;
    bool more_;
    std::size_t pos_ = 0;
};

// How a line holds its field.
enum class LineForm {
    Text,         // the field's text
    Flag,         // "TRUE" for true
    ListIndex,    // a position in a frequency list
    Number,       // a number of the what-if section
    NumberIndex,  // a frequency list position written as such a number
};

// One line of the file: its form and the member it fills.
template <typename Section>
struct Line {
    LineForm form;
    std::string Section::*text = nullptr;
    bool Section::*flag = nullptr;
    int Section::*whole = nullptr;
};

template <typename Section>
constexpr Line<Section> TextLine(std::string Section::*field) {
    return {LineForm::Text, field};
}
template <typename Section>
constexpr Line<Section> FlagLine(bool Section::*field) {
    return {LineForm::Flag, nullptr, field};
}
template <typename Section>
constexpr Line<Section> WholeLine(LineForm form, int Section::*field) {
    return {form, nullptr, nullptr, field};
}

// The file, a line a field in this order; the comments name the controls.
// Lines 1 to 14: the Loan page and the loan savings.
constexpr Line<SavedLoan> LoanLines[] = {
    TextLine(&SavedLoan::amount),                                  // MAmount
    TextLine(&SavedLoan::years),                                   // Period
    TextLine(&SavedLoan::partYear),                                // MPartyear
    TextLine(&SavedLoan::rate),                                    // IRate
    WholeLine(LineForm::ListIndex, &SavedLoan::repaymentIndex),    // MPayment
    WholeLine(LineForm::ListIndex, &SavedLoan::compoundingIndex),  // MCompounded
    FlagLine(&SavedLoan::inArrears),                               // MArrears
    FlagLine(&SavedLoan::inAdvance),                               // MAdvance
    TextLine(&SavedLoan::savingsAmount),                           // MSavingsAmount
    TextLine(&SavedLoan::savingsPeriod),                           // mperiod
    TextLine(&SavedLoan::savingsRate),                             // minterest
    TextLine(&SavedLoan::reducedPeriod),                           // reducedperiod
    TextLine(&SavedLoan::investRate),                              // investrate
    FlagLine(&SavedLoan::transferValues),                          // TrasferValuesCheckBox
};
// Lines 15 to 23: the What If? page.
constexpr Line<WhatIfInputs> WhatIfLines[] = {
    TextLine(&WhatIfInputs::amount),                                    // WIPrincipal
    TextLine(&WhatIfInputs::years),                                     // WIPeriods
    TextLine(&WhatIfInputs::partYear),                                  // WIPartYear
    TextLine(&WhatIfInputs::rate),                                      // WIInterest
    TextLine(&WhatIfInputs::repay),                                     // WIRepay
    WholeLine(LineForm::Number, &WhatIfInputs::solveFor),               // the Calculate choice
    WholeLine(LineForm::NumberIndex, &WhatIfInputs::repaymentIndex),    // WIPayment
    WholeLine(LineForm::Number, &WhatIfInputs::timing),                 // WIArrearsRB, WIAdvanceRB
    WholeLine(LineForm::NumberIndex, &WhatIfInputs::compoundingIndex),  // WICompounded
};
// Lines 24 to 31: the Residual Value page.
constexpr Line<ResidualInputs> ResidualLines[] = {
    TextLine(&ResidualInputs::amount),                                  // RVAmount
    TextLine(&ResidualInputs::years),                                   // RVPeriod
    TextLine(&ResidualInputs::partYear),                                // RVPartYear
    TextLine(&ResidualInputs::rate),                                    // RVInterest
    WholeLine(LineForm::ListIndex, &ResidualInputs::repaymentIndex),    // RVPayment
    WholeLine(LineForm::ListIndex, &ResidualInputs::compoundingIndex),  // RVCompounded
    TextLine(&ResidualInputs::proposedRepayment),                       // RVResValue
    TextLine(&ResidualInputs::residualPercent),                         // RV2Percent
};

template <typename Section>
void ReadSection(LineReader& in, std::span<const Line<Section>> lines, Section& section) {
    for (const Line<Section>& line : lines) {
        switch (line.form) {
            case LineForm::Text:
                section.*line.text = in.text();
                break;
            case LineForm::Flag:
                section.*line.flag = in.flag();
                break;
            case LineForm::ListIndex:
                section.*line.whole = in.listIndex();
                break;
            case LineForm::Number:
                section.*line.whole = in.number().value;
                break;
            case LineForm::NumberIndex:
                section.*line.whole = in.numberListIndex();
                break;
        }
    }
}

SavedLoan ReadSections(LineReader& in) {
    SavedLoan loan;
    ReadSection<SavedLoan>(in, LoanLines, loan);
    if (in.atEnd()) {
        return loan;
    }
    ReadSection<WhatIfInputs>(in, WhatIfLines, loan.whatIf.emplace());
    if (in.atEnd()) {
        return loan;
    }
    ReadSection<ResidualInputs>(in, ResidualLines, loan.residual.emplace());
    return loan;
}

// A field's text on one line: a line break inside it would shift every later
// line, so it is written as a character the file cannot hold.
void WriteText(std::string& out, std::string_view text) {
    for (char c : ToWindows1252(text)) {
        out += c == '\r' || c == '\n' ? '?' : c;
    }
    out += LineEnd;
}

template <typename Section>
void WriteSection(std::string& out, std::span<const Line<Section>> lines, const Section& section) {
    for (const Line<Section>& line : lines) {
        switch (line.form) {
            case LineForm::Text:
                WriteText(out, section.*line.text);
                break;
            case LineForm::Flag:
                out += section.*line.flag ? True : False;
                out += LineEnd;
                break;
            case LineForm::ListIndex:
            case LineForm::Number:
            case LineForm::NumberIndex:
                out += std::to_string(section.*line.whole);
                out += LineEnd;
                break;
        }
    }
}

}  // namespace

std::string LoanFileText(const SavedLoan& loan) {
    std::string out;
    WriteSection<SavedLoan>(out, LoanLines, loan);
    if (!loan.whatIf && !loan.residual) {
        return out;
    }
    WriteSection<WhatIfInputs>(out, WhatIfLines, loan.whatIf.value_or(WhatIfInputs{}));
    if (loan.residual) {
        WriteSection<ResidualInputs>(out, ResidualLines, *loan.residual);
    }
    return out;
}

LoadResult ParseLoanFile(std::string_view bytes, bool more) {
    LineReader in(bytes, more);
    try {
        return {ReadSections(in), {}};
    } catch (const ReadFailure& failure) {
        return {std::nullopt, failure.text};
    }
}

LoadResult ReadLoanFile(const std::string& path) {
    std::string error;
    const auto start = ReadFileStart(path, MaxLoanFileBytes, error);
    if (!start) {
        return {std::nullopt, error};
    }
    return ParseLoanFile(start->bytes, start->more);
}

std::optional<std::string> WriteLoanFile(const std::string& path, const SavedLoan& loan) {
    const std::string bytes = LoanFileText(loan);
    // What is saved must read back.
    if (bytes.size() > MaxLoanFileBytes) {
        return SystemErrorText(EFBIG);
    }
    return ReplaceFile(path, bytes);
}

std::string SavedFileName(std::string_view chosen) {
    constexpr std::string_view Extension = ".CWS";
    bool matches = chosen.size() >= Extension.size();
    for (std::size_t k = 0; matches && k < Extension.size(); ++k) {
        const char c = chosen[chosen.size() - Extension.size() + k];
        matches = (c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c) == Extension[k];
    }
    return matches ? std::string(chosen) : std::string(chosen) + std::string(Extension);
}

}  // namespace corbel
