// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/LoanSchedule.h"

#include <algorithm>
#include <cmath>

#include "calc/Rounding.h"

namespace corbel {

namespace {

// Adds one period's figure to a running sum, rounded to double where stored.
double Accumulate(double sum, long double amount) {
    return static_cast<double>(sum + amount);
}

}  // namespace

int InitialScheduleRowCount(const LoanTerms& terms, ScheduleDisplay display) {
    int rows = 0;
    if (display == ScheduleDisplay::ByYear) {
        rows = terms.partPeriods == 0 ? terms.years : terms.years + 1;
    } else {
        rows =
            static_cast<int>(std::trunc(terms.years * terms.paymentsPerYear())) + terms.partPeriods;
    }
    return std::max(rows, 11);
}

bool ScheduleRowGatherer::add(const PeriodStep& step, bool endsTheRun) {
    ++periods_;
    const long double capital = static_cast<long double>(step.payment) - step.interest;
    rowInterest_ = Accumulate(rowInterest_, step.interest);
    rowCapital_ = Accumulate(rowCapital_, capital);
    accumulatedInterest_ = Accumulate(accumulatedInterest_, step.interest);
    accumulatedCapital_ = Accumulate(accumulatedCapital_, capital);
    if (!endsTheRun && display_ == ScheduleDisplay::ByYear && periods_ % periodsPerYear_ != 0) {
        return false;
    }
    schedule_.rows.push_back({static_cast<int>(schedule_.rows.size()) + 1, rowInterest_,
                              rowCapital_, step.balance, accumulatedInterest_,
                              accumulatedCapital_});
    rowInterest_ = 0;
    rowCapital_ = 0;
    return true;
}

LoanSchedule ComputeSchedule(const LoanTerms& terms, ScheduleDisplay display) {
    const auto [firstPayment, rate, count] = StartRun(terms);

    LoanSchedule schedule;
    double payment = firstPayment;
    schedule.repayment = payment;
    schedule.rows.reserve(static_cast<std::size_t>(InitialScheduleRowCount(terms, display)));
    ScheduleRowGatherer rows(schedule, display, WholePeriodsPerYear(terms.repaymentFrequency));

    double balance = terms.amount;
    for (long long t = 1; t <= count; ++t) {
        // The final-payment rule inside the step lowers the payment for good: once
        // the loan is repaid every later period pays nothing.
        const PeriodStep step = StepPeriod(balance, payment, rate, terms.timing, t == count);
        payment = step.payment;
        balance = step.balance;
        if (rows.add(step, t == count) && RoundMoney(balance, 2) <= 0) {
            break;
        }
    }
    return schedule;
}

Checked<LoanSchedule> ScheduleFromTexts(const LoanTexts& texts, ScheduleDisplay display,
                                        std::string_view decimalSeparator) {
    const auto terms = ReadLoan(texts, TableChecks, decimalSeparator);
    if (!terms) {
        return terms.failure();
    }
    return ComputeSchedule(*terms, display);
}

const std::array<TableColumn<ScheduleRow>, ScheduleColumnCount> ScheduleColumns{{
    {YearCaption, CellForm::Count,
     [](const ScheduleRow& r) { return static_cast<double>(r.number); }},
    {"Interest", CellForm::Money, [](const ScheduleRow& r) { return r.interest; }},
    {"Capital Reduction", CellForm::Money, [](const ScheduleRow& r) { return r.capital; }},
    {"Outstanding Balance", CellForm::Money, [](const ScheduleRow& r) { return r.balance; }},
    {"Accumulated Interest", CellForm::Money,
     [](const ScheduleRow& r) { return r.accumulatedInterest; }},
    {"Accumulated Capital", CellForm::Money,
     [](const ScheduleRow& r) { return r.accumulatedCapital; }},
}};

std::array<std::string_view, ScheduleColumnCount> ScheduleHeadings(ScheduleDisplay display,
                                                                   PaymentFrequency repayment) {
    std::array<std::string_view, ScheduleColumnCount> headings;
    for (int c = 0; c < ScheduleColumnCount; ++c) {
        headings[c] = ScheduleColumns[c].heading;
    }
    const std::string_view periodWord = Info(repayment).scheduleButton;
    if (display == ScheduleDisplay::ByPeriod && !periodWord.empty()) {
        headings[0] = periodWord;
    }
    return headings;
}

std::string ScheduleCellText(const ScheduleRow& row, int column, const Regional& regional) {
    const auto& c = ScheduleColumns[column];
    return CellText(c.value(row), c.form, regional);
}

double ScheduleCellValue(const ScheduleRow& row, int column) {
    const auto& c = ScheduleColumns[column];
    return CellValue(c.value(row), c.form);
}

}  // namespace corbel
