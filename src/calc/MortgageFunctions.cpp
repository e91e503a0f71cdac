// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/MortgageFunctions.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <thread>

#include "calc/ErrorChecking.h"

namespace corbel {

namespace {

long double IntPower(long double base, long long exponent) {
    unsigned long long e = exponent < 0 ? -static_cast<unsigned long long>(exponent) : exponent;
    long double result = 1;
    long double x = base;
    while (e != 0) {
        if (e & 1) {
            result *= x;
        }
        e >>= 1;
        if (e != 0) {
            x *= x;
        }
    }
    return exponent < 0 ? 1 / result : result;
}

}  // namespace

long double Power(long double base, long double exponent) {
    if (exponent == 0) {
        return 1;
    }
    if (base == 0 && exponent > 0) {
        return 0;
    }
    if (std::truncl(exponent) == exponent &&
        std::fabs(exponent) <= std::numeric_limits<int>::max()) {
        return IntPower(base, static_cast<long long>(exponent));
    }
    return std::exp(exponent * std::log(base));
}

bool IsZeroRate(long double rate) {
    return 1 + rate == 1;
}

double PeriodicRate(double annualRate, double compoundingsPerYear, double paymentsPerYear) {
    const long double m = compoundingsPerYear;
    return static_cast<double>(Power(1 + annualRate / (100 * m), m / paymentsPerYear) - 1);
}

double RatePerPeriod(double annualPercent, double paymentsPerYear) {
    return static_cast<double>(annualPercent / (100 * static_cast<long double>(paymentsPerYear)));
}

double LevelPaymentArrears(double amount, double annualPercent, double count,
                           double paymentsPerYear) {
    const double r = RatePerPeriod(annualPercent, paymentsPerYear);
    if (r == 0) {
        return RoundMoney(static_cast<double>(static_cast<long double>(amount) / count), 2);
    }
    const long double growth = Power(1 + static_cast<long double>(r), count);
    return static_cast<double>(amount * static_cast<long double>(r) * growth / (growth - 1));
}

double LevelPaymentAdvance(double amount, double annualPercent, double count,
                           double paymentsPerYear) {
    const double r = RatePerPeriod(annualPercent, paymentsPerYear);
    if (r == 0) {
        return RoundMoney(static_cast<double>(static_cast<long double>(amount) / count), 2);
    }
    const long double v = 1 + static_cast<long double>(r);
    return static_cast<double>(
        amount * Power(1 + (1 - Power(v, 1 - static_cast<long double>(count))) / r, -1));
}

double PaymentRule(double levelPayment) {
    return RoundMoney(static_cast<double>(levelPayment + 0.0049L), 2);
}

double AnnualPercent(const LoanTerms& terms) {
    const double i =
        PeriodicRate(terms.annualRate, terms.compoundingsPerYear(), terms.paymentsPerYear());
    return static_cast<double>(static_cast<long double>(i) * terms.paymentsPerYear() * 100);
}

double LevelPayment(double amount, double annualPercent, double count, double paymentsPerYear,
                    PaymentTiming timing) {
    return timing == PaymentTiming::InArrears
               ? LevelPaymentArrears(amount, annualPercent, count, paymentsPerYear)
               : LevelPaymentAdvance(amount, annualPercent, count, paymentsPerYear);
}

double Instalment(const LoanTerms& terms) {
    return PaymentRule(LevelPayment(terms.amount, AnnualPercent(terms), terms.paymentCount(),
                                    terms.paymentsPerYear(), terms.timing));
}

namespace {

// Whether `rounded`, a computed value, is also the exact value + `error`
// rounded to 64 bits and then to 53 (see SumsAsExtended).
[[gnu::always_inline]] inline bool RoundsAsExtended(double rounded, double error) {
    const auto bits = std::bit_cast<std::uint64_t>(rounded);
    const auto exponent = static_cast<int>((bits >> 52) & 0x7ff);
    constexpr std::uint64_t Fraction = (std::uint64_t{1} << 52) - 1;
    if (exponent <= 200 || exponent >= 0x7ff - 200 || (bits & Fraction) == 0) {
        return false;
    }
    const double spacing = std::bit_cast<double>(static_cast<std::uint64_t>(exponent - 52) << 52);
    return std::fabs(error) < spacing * (0.5 - 0x1p-10);
}

// Whether `product`, a x b in doubles, is also (double)((long double)a * b); its
// exact error by Dekker's product of halves (split at 2^27 + 1), exact while
// the magnitudes stay well inside the exponent range, which RoundsAsExtended
// checks on the product and the split checks on the factors.
[[gnu::always_inline]] inline bool MultipliesAsExtended(double a, double b, double product) {
    constexpr double Split = 134217729.0;  // 2^27 + 1
    const double aSize = std::fabs(a);
    const double bSize = std::fabs(b);
    if (!(aSize > 0x1p-900 && aSize < 0x1p900 && bSize > 0x1p-900 && bSize < 0x1p900)) {
        return false;
    }
    const double aScaled = Split * a;
    const double aHigh = aScaled - (aScaled - a);
    const double aLow = a - aHigh;
    const double bScaled = Split * b;
    const double bHigh = bScaled - (bScaled - b);
    const double bLow = b - bHigh;
    const double error = ((aHigh * bHigh - product) + aHigh * bLow + aLow * bHigh) + aLow * bLow;
    return RoundsAsExtended(product, error);
}

// Whether `sum`, a + b in doubles, is also (double)((long double)a + b): the
// exact sum rounded to 64 bits and then to 53, in which the first rounding can
// move a sum onto a midpoint of doubles. With e the exact error of `sum` (a + b
// = sum + e, found exactly by Knuth's two-sum) and u the spacing of doubles
// above |sum|, the 64-bit sum lies within |e| + u/2^12 of `sum`; below u/2 -
// u/2^10 it rounds back to `sum`. A power of two has half that room below it,
// so it, values near the ends of the exponent range and the rest go the
// extended way. Then also the extended sum is below a double p exactly when
// `sum` is, unless sum == p: rounding to doubles keeps order.
[[gnu::always_inline]] inline bool SumsAsExtended(double a, double b, double sum) {
    const double bPart = sum - a;
    const double error = (a - (sum - bPart)) + (b - bPart);
    return RoundsAsExtended(sum, error);
}

// Drawing code that leaves the upper halves of the 256-bit vector registers in
// use (Qt's, in the windows) made the runs' scalar SSE instructions wait on
// them: a run in a window took twice its time. Clearing them (vzeroupper) first
// costs nothing.
void ClearUpperVectorHalves() {
#if defined(__x86_64__) && defined(__GNUC__)
    if (__builtin_cpu_supports("avx")) {
        asm volatile("vzeroupper");
    }
#endif
}

// StepPeriod, always inline: the runs' loops are bound by its chain from one
// balance to the next, and a call would lengthen it.
[[gnu::always_inline]] inline PeriodStep Step(double balance, double payment, double rate,
                                              PaymentTiming timing, bool finalPeriod) {
    const long double b = balance;
    double interest = 0;
    if (timing == PaymentTiming::InArrears) {
        double product = balance * rate;
        if (!MultipliesAsExtended(balance, rate, product)) [[unlikely]] {
            product = static_cast<double>(b * rate);
        }
        interest = RoundMoney(product, 2);
    } else if (balance > payment && !finalPeriod) {
        // The payment at the start of the period reduces the balance before interest runs.
        interest = RoundMoney(static_cast<double>((b - payment) * rate), 2);
    }
    // The balance plus interest is stored before the payment comes off it, so a
    // final payment leaves exactly nothing.
    double owing = balance + interest;
    bool below = owing < payment;
    if (!SumsAsExtended(balance, interest, owing) || owing == payment) [[unlikely]] {
        owing = static_cast<double>(b + interest);
        below = b + interest < payment;
    }
    if (below || finalPeriod) {
        payment = owing;
    }
    return {interest, payment, owing - payment};
}

}  // namespace

PeriodStep StepPeriod(double balance, double payment, double rate, PaymentTiming timing,
                      bool finalPeriod) {
    return Step(balance, payment, rate, timing, finalPeriod);
}

RunStart StartRun(const LoanTerms& terms) {
    const double n = terms.paymentsPerYear();
    const double annualPercent = AnnualPercent(terms);
    return {PaymentRule(
                LevelPayment(terms.amount, annualPercent, terms.paymentCount(), n, terms.timing)),
            RatePerPeriod(annualPercent, n),
            static_cast<long long>(std::trunc(terms.years * n)) + terms.partPeriods};
}

std::optional<AmortisationSummary> RunAmortisation(const LoanTerms& terms,
                                                   const Regional& regional) {
    const auto [firstPayment, rate, count] = StartRun(terms);
    double payment = firstPayment;
    if (count <= 0) {
        return std::nullopt;
    }
    ClearUpperVectorHalves();
    double balance = terms.amount;
    double total = 0;
    for (long long k = 1; k <= count; ++k) {
        const PeriodStep step = Step(balance, payment, rate, terms.timing, k == count);
        payment = step.payment;
        balance = step.balance;
        total += step.interest;
        if (RoundsToNoMoney(balance)) {
            return AmortisationSummary{FormatMoney(regional, payment), static_cast<int>(k),
                                       RoundMoney(total, 2), payment};
        }
    }
    return std::nullopt;  // not reached: the final period clears the balance
}

namespace {

// The runs of `loans[first]`, `loans[first + stride]`, ... into `totals`, a few
// at a time in one loop; a lane whose loan is cleared takes the next loan.
void RunInterleaved(std::span<const LoanTerms> loans, std::size_t first, std::size_t stride,
                    std::span<double> totals) {
    constexpr std::size_t Lanes = 4;
    ClearUpperVectorHalves();
    struct Lane {
        double balance, payment, rate, total;
        long long k, count;
        PaymentTiming timing;
        std::size_t loan;
    };
    Lane lanes[Lanes];
    std::size_t next = first;
    std::size_t active = 0;
    const auto start = [&](Lane& lane) {
        const LoanTerms& terms = loans[next];
        const auto [payment, rate, count] = StartRun(terms);
        lane = {terms.amount, payment, rate, 0, 1, count, terms.timing, next};
        next += stride;
    };
    for (; active < Lanes && next < loans.size(); ++active) {
        start(lanes[active]);
    }
    while (active > 0) {
        for (std::size_t l = 0; l < active; ++l) {
            Lane& lane = lanes[l];
            const PeriodStep step =
                Step(lane.balance, lane.payment, lane.rate, lane.timing, lane.k == lane.count);
            lane.payment = step.payment;
            lane.balance = step.balance;
            lane.total += step.interest;
            if (RoundsToNoMoney(lane.balance) || lane.k >= lane.count) {
                totals[lane.loan] = RoundMoney(lane.total, 2);
                if (next < loans.size()) {
                    start(lane);
                } else {
                    lane = lanes[--active];
                    --l;  // the lane moved here has not stepped this round
                }
            } else {
                ++lane.k;
            }
        }
    }
}

}  // namespace

std::vector<double> RunInterestTotals(std::span<const LoanTerms> loans) {
    std::vector<double> totals(loans.size());
    if (loans.size() < 8 || std::thread::hardware_concurrency() < 2) {
        RunInterleaved(loans, 0, 1, totals);
        return totals;
    }
    // Alternate loans to each thread, so that long and short runs are shared.
    std::thread other([&] { RunInterleaved(loans, 1, 2, totals); });
    RunInterleaved(loans, 0, 2, totals);
    other.join();
    return totals;
}

double ClosedFormLastPayment(const LoanTerms& terms, double instalment) {
    const long double n = terms.paymentCount();
    const long double i = RatePerPeriod(AnnualPercent(terms), terms.paymentsPerYear());
    const long double v = 1 + i;
    const long double a = terms.amount;
    if (terms.timing == PaymentTiming::InArrears) {
        return static_cast<double>((a - instalment * (1 - Power(v, -(n - 1))) / i) * Power(v, n));
    }
    return RoundMoney(static_cast<double>((a - instalment * (1 + (1 - Power(v, -(n - 2))) / i)) *
                                          Power(v, n - 1)),
                      2);
}

ClosedFormTotals ClosedFormInterest(const LoanTerms& terms, double instalment) {
    const double last = ClosedFormLastPayment(terms, instalment);
    const long double n = terms.paymentCount();
    return {last, static_cast<double>((n - 1) * instalment + last - terms.amount)};
}

double TotalInterest(const LoanTerms& terms, double instalment, const AmortisationSummary& run) {
    const auto [last, estimate] = ClosedFormInterest(terms, instalment);
    if (run.PaymentCount == terms.paymentCount() && estimate >= 0 && last >= 0) {
        return estimate;
    }
    return run.InterestTotal;
}

}  // namespace corbel
