// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

#include "calc/Limits.h"

namespace corbel {

// What a message is about. The windows show each cause in its kind of box
// (KindOf, platform/Dialogs.h); corbelwright-calc prints the text alone.
enum class MessageCause {
    AmountOutOfRange,       // an amount, repayment or extra amount not a number in its range
    RateOutOfRange,         // an interest rate likewise
    TermInvalid,            // the years and part-year periods (CheckTerm)
    StartYearInvalid,       // the extra payment's start year: none, or below 1
    StartYearPastTerm,      // the extra payment's start year: after the loan's years
    StartPeriodOutOfRange,  // the extra payment's start period
    NoAnswer,               // the What If? page finds no answer
    ProposedAboveNeeded,    // the Residual Value page's proposed repayment
    EarlyClearance,         // the rounded repayment clears the loan before its term
    PaymentsToMake,         // the Loan page's Last Payment answer
    SavingsFieldInvalid,    // a loan savings field
    PrintFailed,            // no printer, or the printer could not print
    FileFailed,             // a file could not be read or written, in the system's words
    UnsavedChanges,         // the question when the program closes
    FileExists,             // the question before a save replaces a file
};

struct Message {
    Message(MessageCause cause, std::string_view text) : cause(cause), text(text) {}
    MessageCause cause;
    std::string text;
    bool operator==(const Message&) const = default;
};

namespace detail {

// A piece of a message text made at compile time: a literal, or a whole number
// of 0 or more written in decimal digits.
struct TextPiece {
    static constexpr std::size_t Capacity = 80;
    char chars[Capacity] = {};
    std::size_t size = 0;

    template <std::size_t N>
    constexpr TextPiece(const char (&text)[N]) : size(N - 1) {
        static_assert(N - 1 <= Capacity);
        std::copy_n(text, N - 1, chars);
    }
    constexpr TextPiece(long long number) {
        char digits[20] = {};
        std::size_t count = 0;
        do {
            digits[count++] = static_cast<char>('0' + number % 10);
            number /= 10;
        } while (number > 0);
        for (; size < count; ++size) {
            chars[size] = digits[count - 1 - size];
        }
    }
};

template <TextPiece... Pieces>
struct JoinedText {
    static constexpr std::size_t Size = (Pieces.size + ...);
    static constexpr std::array<char, Size> Chars = [] {
        std::array<char, Size> chars{};
        std::size_t at = 0;
        ((std::copy_n(Pieces.chars, Pieces.size, chars.begin() + at), at += Pieces.size), ...);
        return chars;
    }();
};

}  // namespace detail

// A message text that states limits, joined at compile time from its literal
// pieces and the limits themselves: Stating<"less than ", MaxAmount>.
template <detail::TextPiece... Pieces>
inline constexpr std::string_view Stating{detail::JoinedText<Pieces...>::Chars.data(),
                                          detail::JoinedText<Pieces...>::Size};

// Every message text of the program, each in one place and whole: the holes
// %1, %2, ... of a message that carries values are filled by Fill().
namespace msg {
// Loan page and the windows opened from it.
inline constexpr std::string_view ValidLoanAmount =
    Stating<"You must enter a valid Loan amount between 0 and ", MaxAmount>;
inline constexpr std::string_view ValidInterestRate =
    Stating<"You must enter a valid interest rate between 0 and ", MaxRate>;
inline constexpr std::string_view GridLoanAmount =
    Stating<"You must enter a Loan amount between 0 and ", MaxAmount>;
inline constexpr std::string_view GridInterestRate =
    Stating<"You must enter an interest rate between 0 and ", MaxRate, ".">;
inline constexpr std::string_view EarlyClearance =
    "It is impossible to pay off this Loan in the specified time if the Loan payment is rounded "
    "to 2 decimal places. If it is rounded it will be paid off in %1 payments.";
inline constexpr std::string_view PaymentsToMake =
    "You will make %1 payments of %2 and your last payment will be %3";

// Term checks; %1 of the years messages is the field's label, which brings its own blanks.
inline constexpr std::string_view ValidYear = "You must enter a valid Year";
inline constexpr std::string_view YearsOutOfRange = "You must enter%1 between 0 and %2";
inline constexpr std::string_view ValidPartYear = "You must enter a valid %1";
inline constexpr std::string_view PartYearOutOfRange = "You must enter a %1 between 0 and %2";
inline constexpr std::string_view TermMissing = "You must enter%1";
inline constexpr std::string_view PeriodLabel = " a period ";

// Specific additional payment window; %1 of the start period message is the
// period word ("Month"), %2 the periods per year.
inline constexpr std::string_view EnterAYear = "You must enter a year.";
inline constexpr std::string_view YearOutOfRange = "You must enter a year between 1 and %1";
inline constexpr std::string_view StartPeriodOutOfRange = "You must enter a %1 between 1 and %2";
// Its paid-off sentence: "You have paid off your 10 Year and 6 month Loan in 8
// Years", built from the loan's term (%1) and the time taken (%2).
inline constexpr std::string_view PaidOff = "You have paid off your %1 Loan in %2";
inline constexpr std::string_view TermYears = "%1 Year";  // the loan's: "25 Year"; taken: "1 Year"
inline constexpr std::string_view TermMonths = "%1 month";
inline constexpr std::string_view TakenYears = "%1 Years";
inline constexpr std::string_view TakenMonth = "%1 Month";
inline constexpr std::string_view TakenMonths = "%1 Months";
inline constexpr std::string_view JoinedBy = "%1 and %2";

// What If? page.
inline constexpr std::string_view WhatIfInterest =
    Stating<"You must enter an interest rate greater than 0 and less that ", MaxRate, "%">;
inline constexpr std::string_view WhatIfAmount =
    Stating<"You must enter a valid amount, less than ", MaxAmount>;
inline constexpr std::string_view WhatIfPayment =
    Stating<"You must enter a valid Loan payment, less than ", MaxAmount>;
inline constexpr std::string_view CantBePaidOff =
    "This Loan can't be paid off in a reasonable period. Try increasing your payments.";
inline constexpr std::string_view RateBeyondSearch =
    Stating<"The interest rate needed for this repayment is above ", MaxWhatIfRate, "%.">;
inline constexpr std::string_view NoRateForZeroAmount =
    "An interest rate can't be found for a Loan amount of 0.";
inline constexpr std::string_view NoRateAtOrAboveZero =
    "No interest rate of 0% or more gives this repayment.";

// Residual Value page.
inline constexpr std::string_view ResidualAmount =
    Stating<"You must enter a amount between ", MinResidualAmount, " and ", MaxAmount>;
inline constexpr std::string_view ResidualInterest =
    Stating<"You must enter an interest rate between 1 and ", MaxRate>;
inline constexpr std::string_view ProposedTooHigh =
    "The proposed monthly repayment cannot be higher than the actual payment needed to leave no "
    "residual value.";

// Printing; %1 of a failure is the printer's name.
inline constexpr std::string_view NoPrinter = "There is no printer to print on.";
inline constexpr std::string_view PrinterFailed = "The printer \"%1\" could not print.";
// %1 is the reason the loader gives.
inline constexpr std::string_view PdfModuleMissing =
    "The PDF printing module could not be loaded: %1";
inline constexpr std::string_view PdfNotDrawn = "The PDF document could not be drawn";

// A file that could not be read or written: its name (%1), then the reason the
// system or the reader gives (%2). The windows' boxes put them on two lines,
// corbelwright-calc on one.
inline constexpr std::string_view CouldNotOpen = "Could not open %1\n%2";
inline constexpr std::string_view CouldNotWrite = "Could not write %1\n%2";
inline constexpr std::string_view CannotWrite = "Cannot write %1: %2";
inline constexpr std::string_view StandardOutput = "standard output";
// Why a chart was not saved as a picture.
inline constexpr std::string_view PictureTypes =
    "A chart is saved as a PNG picture (.png) or an SVG picture (.svg).";
inline constexpr std::string_view PictureNotDrawn = "The picture could not be drawn";

// Loan savings fields.
inline constexpr std::string_view SavingsAmountNumeric = "This Loan Amount must be Numeric only";
inline constexpr std::string_view SavingsPeriodNumeric = "This Period(years) must be Numeric only";
inline constexpr std::string_view SavingsInterestNumeric =
    "This Interest rate(%) must be Numeric only";
inline constexpr std::string_view SavingsReducedNumeric =
    "This Reduced Period(years) must be Numeric only";
inline constexpr std::string_view SavingsInvestNumeric =
    "This Investment rate(%) must be Numeric only";
inline constexpr std::string_view SavingsPeriodZero = "You must enter a period greater than 0.";

// Saved loan file: a line that does not read as what it holds. %1 is the line's text.
inline constexpr std::string_view NotValidInteger = "'%1' is not a valid integer value";
inline constexpr std::string_view InvalidNumericInput = "Invalid numeric input";
inline constexpr std::string_view NotValidListIndex = "'%1' is not a valid list index";
// A name that is a device or a pipe rather than a file.
inline constexpr std::string_view NotAFile = "Not a regular file";
// Asked when the program closes with unsaved changes (Yes, No, Cancel).
inline constexpr std::string_view SaveFileFirst = "Do you want to save your file first?";
// Asked before a save replaces the file %1 (Yes, No, Cancel).
inline constexpr std::string_view ReplaceExisting =
    "%1 already exists.\nDo you want to replace it?";
}  // namespace msg

// The message `pattern` with each %1 ... %9 replaced by that argument, in one pass.
std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> args);

// A bad text (UTF-8) as a message quotes it: its first 40 characters, then "…"
// when more follow, so that a line of a million characters makes a box that
// fits on the screen.
std::string Excerpt(std::string_view text);

}  // namespace corbel
