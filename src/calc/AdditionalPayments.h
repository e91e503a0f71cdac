// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "calc/Checked.h"
#include "calc/LoanCalculation.h"
#include "calc/LoanSchedule.h"
#include "calc/MortgageFunctions.h"
#include "calc/Regional.h"
#include "calc/TableCells.h"

namespace corbel {

// --- The term-reduction table: the loan paid off one whole year sooner a row ---

// One row as computed; every money figure is already rounded to cents.
struct TermReductionRow {
    int years = 0;             // years to pay off the loan
    double additional = 0;     // the repayment less the current repayment
    double repayment = 0;      // the repayment that pays the loan off in `years`
    double totalInterest = 0;  // never negative
    double interestSaved = 0;  // against the first row
};

struct TermReductionTable {
    double repayment = 0;  // the current repayment, shown above the table
    std::vector<TermReductionRow> rows;
};

// The full term first (a part year makes it one year longer than the whole
// years), then one year less a row down to one year. A loan whose rounded
// repayment clears it early gets the rows of the years it really takes.
TermReductionTable ComputeTermReductionTable(const LoanTerms& terms);

// The table window's checks (amount, term, rate) on its fields, then the table.
Checked<TermReductionTable> TermReductionFromTexts(const LoanTexts& texts,
                                                   const Regional& regional);

// The frequency word of the table window: the one it opens with (in the
// repayment caption and the two column headings) and the one its own Calculate
// writes into the repayment caption alone.
enum class TermTableMoment { Opened, Calculated };
std::string_view TermReductionWord(PaymentFrequency repayment, TermTableMoment moment);

// The table's columns; two headings carry the frequency word as %1.
inline constexpr int TermReductionColumnCount = 5;
extern const std::array<TableColumn<TermReductionRow>, TermReductionColumnCount>
    TermReductionColumns;
std::array<std::string, TermReductionColumnCount> TermReductionHeadings(std::string_view word);
std::string TermReductionCellText(const TermReductionRow& row, int column,
                                  const Regional& regional);
double TermReductionCellValue(const TermReductionRow& row, int column);

// The caption under the frequency word beside the current repayment.
inline constexpr std::string_view TermReductionRepaymentCaption = "Repayment";

// --- One extra amount added to every repayment from a chosen one on ---

// The specific additional payment window's fields.
struct ExtraPaymentTexts {
    std::string extra;         // the extra amount per repayment
    bool startInYear = false;  // "Starting in year"; otherwise from the start of the loan
    std::string year;          // the start year
    std::string period;        // the start period within that year
};

// The window's Calculate checks, in order: the extra amount; with "Starting in
// year" the year (a whole number other than "0", at most the Loan page's whole
// years `loanYearsText`, at least 1); unless repayments are annual, the start
// period (1 to the periods per year), whichever start is chosen.
Outcome CheckExtraPayment(const ExtraPaymentTexts& texts, std::string_view loanYearsText,
                          PaymentFrequency repayment, std::string_view decimalSeparator);

// The start period as the check and the run both read it: a whole number other
// than the text "0"; anything else counts as 1.
int StartPeriod(std::string_view periodText);

// The first repayment that carries the extra: 1 from the start of the loan;
// with "Starting in year", the year's own repayment for annual repayments,
// otherwise (year - 1) x periods per year + the start period; never below 1.
long long StartRepayment(const ExtraPaymentTexts& texts, PaymentFrequency repayment);

struct ExtraPaymentResult {
    double repayment = 0;           // the level repayment, before the extra
    double repaymentWithExtra = 0;  // from the start repayment on
    double totalInterest = 0;       // without the extra, as the Loan page works it out
    double newInterest = 0;         // with the extra, in cents
    double interestSaved = 0;       // in cents
    long long paidOffIn = 0;        // the repayment that cleared the loan
    std::string sentence;           // "You have paid off your 2 Year Loan in 1 Year and 8 Months"
};

// The paid-off sentence for a loan of `years` and `parts` periods repaid in
// `paidOffIn` repayments. Leftover periods count as months at the frequency's
// periods a month, a fraction above 0.1 making a whole month (so 364 days show
// as 13 months).
std::string PaidOffSentence(int years, int parts, long long paidOffIn, PaymentFrequency repayment);

// Runs the loan period by period with `extra` added to every repayment from
// `startRepayment` on. A loan whose rounded repayment clears it early is taken
// over the count it really needs. The term's last repayment clears what is left.
ExtraPaymentResult ComputeExtraPayment(const LoanTerms& terms, double extra,
                                       long long startRepayment);

// The Loan page's checks of the Additional Payments button on `loan`, then the
// window's own, then the run.
Checked<ExtraPaymentResult> ExtraPaymentFromTexts(const LoanTexts& loan,
                                                  const ExtraPaymentTexts& texts,
                                                  const Regional& regional);

// The same run with its schedule, so that the window's figures and the table
// cannot disagree: the new interest is the last row's accumulated interest and
// the last row is the repayment that cleared the loan. The schedule's
// repayment is the repayment with the extra; the capital column includes it.
struct ExtraSchedule {
    ExtraPaymentResult result;
    LoanSchedule schedule;
    double extra = 0;
    long long startRepayment = 1;
};
ExtraSchedule ComputeExtraSchedule(const LoanTerms& terms, double extra, long long startRepayment,
                                   ScheduleDisplay display);
// The same checks as ExtraPaymentFromTexts, then the run with its schedule.
Checked<ExtraSchedule> ExtraScheduleFromTexts(const LoanTexts& loan, const ExtraPaymentTexts& texts,
                                              ScheduleDisplay display, const Regional& regional);

// The heading of the schedule with the extra: "With an extra $10.00 a
// repayment from repayment 1", the start counted from 1 over the whole loan.
std::string ExtraScheduleHeading(double extra, long long startRepayment, const Regional& regional);

// The captions of the specific window's three results.
inline constexpr std::string_view TotalInterestCaption =
    "Total interest without additional payment";
inline constexpr std::string_view NewInterestCaption = "Total Interest with additional payment";
inline constexpr std::string_view InterestSavedCaption = "Interest Saved";

// The specific window's captions, set each time it opens: the extra amount's
// label, and the start period's label, which with its field is hidden for
// annual repayments.
struct ExtraPaymentCaptions {
    std::string extraLabel;
    std::string startPeriodLabel;
    bool startPeriodVisible = true;
};
ExtraPaymentCaptions ExtraPaymentCaptionsFor(PaymentFrequency repayment);

}  // namespace corbel
