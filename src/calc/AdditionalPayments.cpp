// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/AdditionalPayments.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "calc/Limits.h"
#include "calc/NumberReading.h"
#include "calc/NumberTexts.h"
#include "calc/Rounding.h"

namespace corbel {

namespace {

// The number of rows: the years the loan really takes. Whole numbers
// throughout, since 25 / 12 as a fraction times 12 truncates to 0 and would
// lose the part year.
long long TermReductionRowCount(const LoanTerms& terms, long long paymentCount) {
    const long long f = WholePeriodsPerYear(terms.repaymentFrequency);
    if (paymentCount / f == terms.years) {
        return terms.years + (terms.partPeriods > 0 ? 1 : 0);
    }
    return paymentCount / f + (paymentCount % f != 0 ? 1 : 0);
}

double Difference(double a, double b) {
    return static_cast<double>(static_cast<long double>(a) - b);
}

}  // namespace

TermReductionTable ComputeTermReductionTable(const LoanTerms& terms) {
    TermReductionTable table;
    table.repayment = Instalment(terms);
    const auto run = RunAmortisation(terms);
    if (!run) {
        return table;
    }
    const long long rows = TermReductionRowCount(terms, run->paymentCount);
    struct Row {
        int years;
        double payment;
        double total;
    };
    std::vector<Row> shown;
    for (long long o = rows; o >= 1; --o) {
        // Only the first row keeps the part year; the others are whole years.
        const bool partYearRow = o == rows && terms.partPeriods > 0;
        LoanTerms row = terms;
        row.years = static_cast<int>(partYearRow ? o - 1 : o);
        row.partPeriods = partYearRow ? terms.partPeriods : 0;
        const double payment = Instalment(row);
        const auto [last, interest] =
            ClosedFormInterest(row, partYearRow ? table.repayment : payment);
        // A negative closing repayment means the rounded repayment clears the loan
        // before its term; the closed form would then give back interest never
        // charged, so the row's own run says what is charged.
        const double total =
            last < 0 ? RunAmortisation(row)->interestTotal : RoundMoney(interest, 2);
        shown.push_back({static_cast<int>(o), payment, total});
    }
    table.rows.reserve(shown.size());
    const double baseline = shown.empty() ? 0 : shown.front().total;
    for (const Row& row : shown) {
        table.rows.push_back({row.years, RoundMoney(Difference(row.payment, table.repayment), 2),
                              RoundMoney(row.payment, 2), row.total,
                              RoundMoney(Difference(baseline, row.total), 2)});
    }
    return table;
}

Checked<TermReductionTable> TermReductionFromTexts(const LoanTexts& texts,
                                                   const Regional& regional) {
    const auto terms = ReadLoan(texts, TableChecks, regional.decimalSeparator());
    if (!terms) {
        return terms.failure();
    }
    return ComputeTermReductionTable(*terms);
}

std::string_view TermReductionWord(PaymentFrequency repayment, TermTableMoment moment) {
    const FrequencyInfo& info = Info(repayment);
    return moment == TermTableMoment::Opened ? info.termTableWordOpened
                                             : info.termTableWordCalculated;
}

const std::array<TableColumn<TermReductionRow>, TermReductionColumnCount> TermReductionColumns{{
    {"Years to pay off Loan", CellForm::Count,
     [](const TermReductionRow& r) { return static_cast<double>(r.years); }},
    {"Additional %1 Payment Required", CellForm::Money,
     [](const TermReductionRow& r) { return r.additional; }},
    {"Total %1 Payment", CellForm::Money, [](const TermReductionRow& r) { return r.repayment; }},
    {"Total Interest", CellForm::Money, [](const TermReductionRow& r) { return r.totalInterest; }},
    {InterestSavedCaption, CellForm::Money,
     [](const TermReductionRow& r) { return r.interestSaved; }},
}};

std::array<std::string, TermReductionColumnCount> TermReductionHeadings(std::string_view word) {
    std::array<std::string, TermReductionColumnCount> headings;
    for (int c = 0; c < TermReductionColumnCount; ++c) {
        headings[c] = Fill(TermReductionColumns[c].heading, {word});
    }
    return headings;
}

std::string TermReductionCellText(const TermReductionRow& row, int column,
                                  const Regional& regional) {
    const auto& c = TermReductionColumns[column];
    return CellText(c.value(row), c.form, regional);
}

double TermReductionCellValue(const TermReductionRow& row, int column) {
    const auto& c = TermReductionColumns[column];
    return CellValue(c.value(row), c.form);
}

int StartPeriod(std::string_view periodText) {
    const std::string_view text = Strip(periodText);
    const auto value = ReadWhole(text);
    return value && text != "0" ? *value : 1;
}

Outcome CheckExtraPayment(const ExtraPaymentTexts& texts, std::string_view loanYearsText,
                          PaymentFrequency repayment, std::string_view decimalSeparator) {
    if (!IsNumberInRange(texts.extra, 0, MaxAmount, decimalSeparator)) {
        return Message{MessageCause::AmountOutOfRange, msg::ValidLoanAmount};
    }
    if (texts.startInYear) {
        const std::string_view yearText = Strip(texts.year);
        const auto year = ReadWhole(yearText);
        if (!year || yearText == "0") {
            return Message{MessageCause::StartYearInvalid, msg::EnterAYear};
        }
        // The Loan page's years passed its term check, so stripped they are a
        // whole number or empty.
        const std::string_view loanYears = Strip(loanYearsText);
        const std::string message = Fill(msg::YearOutOfRange, {loanYears});
        if (*year > WholeOrZero(loanYears)) {
            return Message{MessageCause::StartYearPastTerm, message};
        }
        if (*year < 1) {
            return Message{MessageCause::StartYearInvalid, message};
        }
    }
    if (repayment != PaymentFrequency::Annualy) {
        const double f = PeriodsPerYear(repayment);
        const int period = StartPeriod(texts.period);
        if (period < 1 || period > f) {
            return Message{MessageCause::StartPeriodOutOfRange,
                           Fill(msg::StartPeriodOutOfRange,
                                {Info(repayment).startPeriodWord, GeneralNumberText(f)})};
        }
    }
    return std::nullopt;
}

long long StartRepayment(const ExtraPaymentTexts& texts, PaymentFrequency repayment) {
    if (!texts.startInYear) {
        return 1;
    }
    const long long year = ReadWhole(Strip(texts.year)).value_or(1);
    const long long start =
        repayment == PaymentFrequency::Annualy
            ? year
            : (year - 1) * WholePeriodsPerYear(repayment) + StartPeriod(texts.period);
    return std::max(start, 1LL);
}

std::string PaidOffSentence(int years, int parts, long long paidOffIn, PaymentFrequency repayment) {
    const long long f = WholePeriodsPerYear(repayment);
    const long double perMonth = Info(repayment).periodsPerMonth;
    const long long yearsTaken = paidOffIn / f;
    const double monthsTaken =
        RoundMoney(static_cast<double>((paidOffIn - yearsTaken * f) / perMonth + 0.4L), 0);
    const double loanMonths =
        std::trunc(RoundMoney(static_cast<double>(parts / perMonth + 0.4L), 0));

    std::string term;
    if (years != 0) {
        term = Fill(msg::TermYears, {std::to_string(years)});
    }
    if (parts != 0) {
        const std::string months = Fill(msg::TermMonths, {GeneralNumberText(loanMonths)});
        term = years != 0 ? Fill(msg::JoinedBy, {term, months}) : months;
    }
    std::string taken;
    if (yearsTaken == 1) {
        taken = Fill(msg::TermYears, {"1"});
    } else if (yearsTaken > 1) {
        taken = Fill(msg::TakenYears, {std::to_string(yearsTaken)});
    }
    std::string months;
    if (monthsTaken == 1) {
        months = Fill(msg::TakenMonth, {"1"});
    } else if (monthsTaken > 1) {
        months = Fill(msg::TakenMonths, {GeneralNumberText(monthsTaken)});
    }
    taken = taken.empty() || months.empty() ? taken + months : Fill(msg::JoinedBy, {taken, months});
    return Fill(msg::PaidOff, {term, taken});
}

namespace {

// The run behind both the window's figures and its schedule; `schedule`, when
// given, receives the rows as `display` groups them.
ExtraPaymentResult RunExtraPayment(const LoanTerms& terms, double extra, long long startRepayment,
                                   ScheduleDisplay display, LoanSchedule* schedule) {
    ExtraPaymentResult result;
    const auto run = RunAmortisation(terms);
    if (!run) {
        return result;
    }
    result.totalInterest = TotalInterest(terms, Instalment(terms), *run);
    // A loan that its rounded repayment clears early is taken over the count it
    // really needs.
    const long long f = WholePeriodsPerYear(terms.repaymentFrequency);
    LoanTerms loan = terms;
    if (run->paymentCount != terms.paymentCount()) {
        loan.years = static_cast<int>(run->paymentCount / f);
        loan.partPeriods = static_cast<int>(run->paymentCount - loan.years * f);
    }
    const auto [levelPayment, rate, count] = StartRun(loan);
    result.repayment = levelPayment;
    result.repaymentWithExtra = static_cast<double>(levelPayment + static_cast<long double>(extra));
    std::optional<ScheduleRowGatherer> rows;
    if (schedule) {
        schedule->repayment = result.repaymentWithExtra;
        schedule->rows.reserve(static_cast<std::size_t>(InitialScheduleRowCount(loan, display)));
        rows.emplace(*schedule, display, f);
    }

    double payment = levelPayment;
    double balance = terms.amount;
    double interest = 0;
    for (long long w = 1; w <= count; ++w) {
        if (w == startRepayment) {
            payment = result.repaymentWithExtra;
        }
        // The term's last repayment clears what is left, as in every other run,
        // so the loan always ends repaid within its term.
        const PeriodStep step = StepPeriod(balance, payment, rate, loan.timing, w == count);
        payment = step.payment;
        balance = step.balance;
        interest += step.interest;
        const bool cleared = balance <= 0.01;
        if (rows) {
            rows->add(step, cleared);
        }
        if (cleared) {
            result.newInterest = RoundMoney(interest, 2);
            result.interestSaved =
                RoundMoney(Difference(result.totalInterest, result.newInterest), 2);
            result.paidOffIn = w;
            result.sentence =
                PaidOffSentence(loan.years, loan.partPeriods, w, loan.repaymentFrequency);
            break;
        }
    }
    return result;
}

}  // namespace

ExtraPaymentResult ComputeExtraPayment(const LoanTerms& terms, double extra,
                                       long long startRepayment) {
    return RunExtraPayment(terms, extra, startRepayment, ScheduleDisplay::ByYear, nullptr);
}

ExtraSchedule ComputeExtraSchedule(const LoanTerms& terms, double extra, long long startRepayment,
                                   ScheduleDisplay display) {
    ExtraSchedule shown;
    shown.extra = extra;
    shown.startRepayment = startRepayment;
    shown.result = RunExtraPayment(terms, extra, startRepayment, display, &shown.schedule);
    return shown;
}

namespace {

// The Loan page's checks of the Additional Payments button, then the window's
// own; the run is left to the caller.
template <typename Run>
auto CheckedExtraRun(const LoanTexts& loan, const ExtraPaymentTexts& texts,
                     const Regional& regional, const Run& run)
    -> Checked<decltype(run(LoanTerms{}, 0.0, 1LL))> {
    const std::string separator = regional.decimalSeparator();
    const auto terms = ReadLoan(loan, TableChecks, separator);
    if (!terms) {
        return terms.failure();
    }
    if (auto failure = CheckExtraPayment(texts, loan.years, loan.repaymentFrequency, separator)) {
        return *failure;
    }
    const double extra = *NumberInRange(texts.extra, 0, MaxAmount, separator);
    return run(*terms, extra, StartRepayment(texts, loan.repaymentFrequency));
}

}  // namespace

Checked<ExtraPaymentResult> ExtraPaymentFromTexts(const LoanTexts& loan,
                                                  const ExtraPaymentTexts& texts,
                                                  const Regional& regional) {
    return CheckedExtraRun(loan, texts, regional, ComputeExtraPayment);
}

Checked<ExtraSchedule> ExtraScheduleFromTexts(const LoanTexts& loan, const ExtraPaymentTexts& texts,
                                              ScheduleDisplay display, const Regional& regional) {
    return CheckedExtraRun(loan, texts, regional,
                           [display](const LoanTerms& terms, double extra, long long start) {
                               return ComputeExtraSchedule(terms, extra, start, display);
                           });
}

std::string ExtraScheduleHeading(double extra, long long startRepayment, const Regional& regional) {
    return Fill("With an extra %1 a repayment from repayment %2",
                {FormatMoney(regional, extra), std::to_string(startRepayment)});
}

ExtraPaymentCaptions ExtraPaymentCaptionsFor(PaymentFrequency repayment) {
    const FrequencyInfo& info = Info(repayment);
    const bool visible = repayment != PaymentFrequency::Annualy;
    return {Fill("Additional %1 Payment", {info.extraPaymentWord}),
            visible ? Fill("and %1 (1 - %2)",
                           {info.startPeriodWord, GeneralNumberText(info.periodsPerYear)})
                    : Fill("and %1", {info.startPeriodWord}),
            visible};
}

}  // namespace corbel
