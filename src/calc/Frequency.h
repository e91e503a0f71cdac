// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace corbel {

// Order is the order of every frequency list; "Monthly" is the default.
enum class PaymentFrequency {
    Annualy,
    BiAnnualy,
    Quarterly,
    Monthly,
    BiMonthly,
    FortNightly,
    Weekly,
    Daily
};

enum class PaymentTiming { InArrears, InAdvance };

inline constexpr int FrequencyCount = 8;
inline constexpr PaymentFrequency DefaultFrequency = PaymentFrequency::Monthly;

// Everything the program says about a frequency, in list order.
struct FrequencyInfo {
    PaymentFrequency frequency;
    std::string_view label;  // the list text, matched exactly
    double periodsPerYear;
    std::string_view periodName;      // used by the term messages
    std::string_view unitLabel;       // beside the part-year field; empty: field hidden
    std::string_view word;            // in captions: "Monthly Loan Payment", "Bi-Annual Repayment"
    std::string_view scheduleButton;  // the schedule's by-period button; empty: hidden
    std::string_view scheduleRepaymentLabel;  // beside the schedule's repayment
    // The additional payments windows: the table's word as the window opens and as
    // its own Calculate rewrites it, the specific window's payment word and start
    // period word, and the repayment periods in a month of its paid-off sentence
    // (30 for daily repayments, a month counted as 30 days).
    std::string_view termTableWordOpened;
    std::string_view termTableWordCalculated;
    std::string_view extraPaymentWord;
    std::string_view startPeriodWord;
    double periodsPerMonth;
};

inline constexpr std::array<FrequencyInfo, FrequencyCount> Frequencies{{
    {PaymentFrequency::Annualy, "Annualy", 1, "", "", "Annual", "", "Annual Payment", "Yearly",
     "Annual", "Annual", "Year", 1.0 / 12},
    {PaymentFrequency::BiAnnualy, "Bi-Annualy", 2, "Half-Year", "Half-Year(s)", "Bi-Annual",
     "Half Year", "Half Year Payment", "Half Year", "Half Year", "Half Year", "Half Year", 1.0 / 6},
    {PaymentFrequency::Quarterly, "Quarterly", 4, "Quarter", "Quarter(s)", "Quarterly", "Quarter",
     "Quarterly Payment", "Quarterly", "Quarterly", "Quarterly", "Quarter", 1.0 / 3},
    {PaymentFrequency::Monthly, "Monthly", 12, "Month", "Month(s)", "Monthly", "Month",
     "Monthly Payment", "Monthly", "Monthly", "Monthly", "Month", 1},
    {PaymentFrequency::BiMonthly, "Bi-Monthly", 24, "Half-Month", "Half-Month(s)", "Bi-Monthly",
     "1/2 Month", "Half Month Payment", "1/2 Monthly", "Half Monthly", "Half Month", "Half Month",
     2},
    {PaymentFrequency::FortNightly, "FortNightly", 26, "Fortnight", "Fortnight(s)", "Fortnightly",
     "Fortnight", "FortNightly Payment", "Fortnightly", "FortNightly", "FortNightly", "Fortnight",
     26.0 / 12},
    {PaymentFrequency::Weekly, "Weekly", 52, "Week", "Week(s)", "Weekly", "Week", "Weekly Payment",
     "Weekly", "Weekly", "Weekly", "Week", 52.0 / 12},
    {PaymentFrequency::Daily, "Daily", 365, "Day", "Day(s)", "Daily", "Day", "Daily Payment",
     "Daily", "Daily", "Daily", "Day", 30},
}};

constexpr const FrequencyInfo& Info(PaymentFrequency f) {
    return Frequencies[static_cast<int>(f)];
}
constexpr std::string_view Label(PaymentFrequency f) {
    return Info(f).label;
}
constexpr double PeriodsPerYear(PaymentFrequency f) {
    return Info(f).periodsPerYear;
}
// The same as a whole number: every frequency has whole periods in a year.
constexpr long long WholePeriodsPerYear(PaymentFrequency f) {
    return static_cast<long long>(PeriodsPerYear(f));
}
constexpr std::string_view UnitLabel(PaymentFrequency f) {
    return Info(f).unitLabel;
}
constexpr PaymentFrequency FrequencyAt(int index) {
    return Frequencies[index].frequency;
}
constexpr int IndexOf(PaymentFrequency f) {
    return static_cast<int>(f);
}

// The frequency whose label is exactly `label` (case-sensitive), if any.
std::optional<PaymentFrequency> FrequencyFromLabel(std::string_view label);

// The eight labels in list order, comma-separated, for texts that offer them.
std::string LabelList();

// The Loan page's caption of the repayment: "   Monthly Loan Payment is".
std::string LoanPaymentCaption(PaymentFrequency repayment);

// The period noun of the term messages for a number of periods per year; empty for 1.
std::string_view PeriodName(double periodsPerYear);

}  // namespace corbel
