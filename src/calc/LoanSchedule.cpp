#include "LoanSchedule.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "ErrorChecking.h"

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

LoanSchedule ComputeSchedule(const LoanTerms& terms, ScheduleDisplay display) {
    const double f = terms.paymentsPerYear();
    const auto [firstPayment, rate, count] = StartRun(terms);

    LoanSchedule schedule;
    double payment = firstPayment;
    schedule.repayment = payment;
    schedule.rows.reserve(static_cast<std::size_t>(InitialScheduleRowCount(terms, display)));

    double balance = terms.amount;
    double rowInterest = 0;
    double rowCapital = 0;
    double accumulatedInterest = 0;
    double accumulatedCapital = 0;
    int inYear = 0;
    for (long long t = 1; t <= count; ++t) {
        ++inYear;
        // The final-payment rule inside the step lowers the payment for good: once
        // the loan is repaid every later period pays nothing.
        const PeriodStep step = StepPeriod(balance, payment, rate, terms.timing, t == count);
        payment = step.payment;
        balance = step.balance;
        const long double capital = static_cast<long double>(step.payment) - step.interest;
        rowInterest = Accumulate(rowInterest, step.interest);
        rowCapital = Accumulate(rowCapital, capital);
        accumulatedInterest = Accumulate(accumulatedInterest, step.interest);
        accumulatedCapital = Accumulate(accumulatedCapital, capital);
        if (inYear == f || t == count || display == ScheduleDisplay::ByPeriod) {
            schedule.rows.push_back({static_cast<int>(schedule.rows.size()) + 1, rowInterest,
                                     rowCapital, balance, accumulatedInterest, accumulatedCapital});
            rowInterest = 0;
            rowCapital = 0;
            if (RoundMoney(balance, 2) <= 0) {
                break;
            }
        }
        if (inYear >= f) {
            inYear = 0;
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

ScheduleCaptions CaptionsFor(PaymentFrequency repayment) {
    static constexpr std::array<ScheduleCaptions, FrequencyCount> Captions{{
        {"", false, "Annual Payment"},
        {"Half Year", true, "Half Year Payment"},
        {"Quarter", true, "Quarterly Payment"},
        {"Month", true, "Monthly Payment"},
        {"1/2 Month", true, "Half Month Payment"},
        {"Fortnight", true, "FortNightly Payment"},
        {"Week", true, "Weekly Payment"},
        {"Day", true, "Daily Payment"},
    }};
    return Captions[IndexOf(repayment)];
}

}  // namespace corbel
