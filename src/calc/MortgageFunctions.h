// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

#include "calc/Frequency.h"

namespace corbel {

// base^exponent in extended precision: exponent 0 gives 1, base 0 with a
// positive exponent gives 0, whole exponents by repeated squaring (one
// reciprocal when negative), any other as exp(exponent * ln(base)).
long double Power(long double base, long double exponent);

// A rate per period too small to move 1 in extended precision: the formulas
// that divide by it take their zero-rate limits instead.
bool IsZeroRate(long double rate);

// The rate per repayment period (a fraction) equivalent to the annual percentage
// `annualRate` compounded `compoundingsPerYear` times a year.
double PeriodicRate(double annualRate, double compoundingsPerYear, double paymentsPerYear);

// Level payments for `amount` over `count` payments; both take the rate as the
// annual percentage R' = i x n x 100 and recover i = R' / (100 x n) themselves.
double LevelPaymentArrears(double amount, double annualPercent, double count,
                           double paymentsPerYear);
double LevelPaymentAdvance(double amount, double annualPercent, double count,
                           double paymentsPerYear);

// The payment rule: round a level payment up to the cent unless it exceeds a
// whole cent by less than 0.0001.
double PaymentRule(double levelPayment);

struct LoanTerms {
    double amount = 0;
    double annualRate = 0;  // percent
    int years = 0;
    int partPeriods = 0;
    PaymentFrequency repaymentFrequency = DefaultFrequency;
    PaymentFrequency compounding = DefaultFrequency;
    PaymentTiming timing = PaymentTiming::InArrears;

    double paymentsPerYear() const { return PeriodsPerYear(repaymentFrequency); }
    double compoundingsPerYear() const { return PeriodsPerYear(compounding); }
    double paymentCount() const { return years * paymentsPerYear() + partPeriods; }
};

// R' = PeriodicRate x n x 100, the form in which the rate travels to the
// level-payment routines; and i = R' / (100 x n) back from it.
double AnnualPercent(const LoanTerms& terms);
double RatePerPeriod(double annualPercent, double paymentsPerYear);

// The level payment of the terms by their timing, not rounded.
double LevelPayment(double amount, double annualPercent, double count, double paymentsPerYear,
                    PaymentTiming timing);

// The instalment: the level payment of the terms with the payment rule applied.
double Instalment(const LoanTerms& terms);

// What every period-by-period run starts from: the instalment, the rate per
// period and the number of periods (whole periods of the years plus the parts).
struct RunStart {
    double payment;
    double rate;
    long long count;
};
RunStart StartRun(const LoanTerms& terms);

// One repayment period of an amortisation run.
struct PeriodStep {
    double interest;  // charged this period, in cents
    double payment;   // the payment made; the final one clears the balance exactly
    double balance;   // owing after the payment
};
PeriodStep StepPeriod(double balance, double payment, double rate, PaymentTiming timing,
                      bool finalPeriod);

// What a run ends with.
struct AmortisationSummary {
    int paymentCount = 0;      // the payments made, the last of them clearing the balance
    double interestTotal = 0;  // in cents
    double lastPayment = 0;    // the final payment, which clears the balance exactly
};

// The period-by-period run of the loan until the balance is cleared; nullopt
// when the term has no payments.
std::optional<AmortisationSummary> RunAmortisation(const LoanTerms& terms);

// The closed form's final payment when all payments before it are `instalment`.
double ClosedFormLastPayment(const LoanTerms& terms, double instalment);

// The closed form's total interest, (n - 1) x instalment + last - amount, with
// the last payment it rests on.
struct ClosedFormTotals {
    double lastPayment;
    double interest;
};
ClosedFormTotals ClosedFormInterest(const LoanTerms& terms, double instalment);

// Total interest: the closed form's estimate when the run made every payment and
// neither the estimate nor the closed form's last payment is negative, otherwise
// the run's own total.
double TotalInterest(const LoanTerms& terms, double instalment, const AmortisationSummary& run);

}  // namespace corbel
