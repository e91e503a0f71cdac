// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/SavingLoading.h"

#include <cerrno>
#include <charconv>
#include <limits>

#include "calc/Messages.h"
#include "storage/FileAccess.h"
#include "storage/Windows1252.h"

namespace corbel {

namespace {

constexpr std::string_view LineEnd = "\r\n";
constexpr std::string_view True = "TRUE";
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
        if (value < 0 || value > 7) {
            throw ReadFailure{Fill(msg::NotValidListIndex, {Excerpt(FromWindows1252(text))})};
        }
        return value;
    }

    std::string_view bytes_;
    bool more_;
    std::size_t pos_ = 0;
};

SavedLoan ReadLines(LineReader& in) {
    SavedLoan loan;
    loan.amount = in.text();
    loan.years = in.text();
    loan.partYear = in.text();
    loan.rate = in.text();
    loan.repaymentIndex = in.listIndex();
    loan.compoundingIndex = in.listIndex();
    loan.inArrears = in.flag();
    loan.inAdvance = in.flag();
    loan.savingsAmount = in.text();
    loan.savingsPeriod = in.text();
    loan.savingsRate = in.text();
    loan.reducedPeriod = in.text();
    loan.investRate = in.text();
    loan.transferValues = in.flag();
    if (in.atEnd()) {
        return loan;
    }
    WhatIfInputs& w = loan.whatIf.emplace();
    w.amount = in.text();
    w.years = in.text();
    w.partYear = in.text();
    w.rate = in.text();
    w.repay = in.text();
    w.solveFor = in.number().value;
    w.repaymentIndex = in.numberListIndex();
    w.timing = in.number().value;
    w.compoundingIndex = in.numberListIndex();
    if (in.atEnd()) {
        return loan;
    }
    ResidualInputs& r = loan.residual.emplace();
    r.amount = in.text();
    r.years = in.text();
    r.partYear = in.text();
    r.rate = in.text();
    r.repaymentIndex = in.listIndex();
    r.compoundingIndex = in.listIndex();
    r.proposedRepayment = in.text();
    r.residualPercent = in.text();
    return loan;
}

// A field's text on one line: a line break inside it would shift every later
// line, so it is written as a character the file cannot hold.
void Text(std::string& out, std::string_view text) {
    for (char c : ToWindows1252(text)) {
        out += c == '\r' || c == '\n' ? '?' : c;
    }
    out += LineEnd;
}

void Whole(std::string& out, int value) {
    out += std::to_string(value);
    out += LineEnd;
}

void Flag(std::string& out, bool value) {
    out += value ? True : std::string_view("FALSE");
    out += LineEnd;
}

}  // namespace

std::string LoanFileText(const SavedLoan& loan) {
    std::string out;
    Text(out, loan.amount);
    Text(out, loan.years);
    Text(out, loan.partYear);
    Text(out, loan.rate);
    Whole(out, loan.repaymentIndex);
    Whole(out, loan.compoundingIndex);
    Flag(out, loan.inArrears);
    Flag(out, loan.inAdvance);
    Text(out, loan.savingsAmount);
    Text(out, loan.savingsPeriod);
    Text(out, loan.savingsRate);
    Text(out, loan.reducedPeriod);
    Text(out, loan.investRate);
    Flag(out, loan.transferValues);
    if (!loan.whatIf && !loan.residual) {
        return out;
    }
    const WhatIfInputs w = loan.whatIf.value_or(WhatIfInputs{});
    Text(out, w.amount);
    Text(out, w.years);
    Text(out, w.partYear);
    Text(out, w.rate);
    Text(out, w.repay);
    Whole(out, w.solveFor);
    Whole(out, w.repaymentIndex);
    Whole(out, w.timing);
    Whole(out, w.compoundingIndex);
    if (!loan.residual) {
        return out;
    }
    const ResidualInputs& r = *loan.residual;
    Text(out, r.amount);
    Text(out, r.years);
    Text(out, r.partYear);
    Text(out, r.rate);
    Whole(out, r.repaymentIndex);
    Whole(out, r.compoundingIndex);
    Text(out, r.proposedRepayment);
    Text(out, r.residualPercent);
    return out;
}

LoadResult ParseLoanFile(std::string_view bytes, bool more) {
    LineReader in(bytes, more);
    try {
        return {ReadLines(in), {}};
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
