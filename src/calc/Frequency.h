#pragma once

#include <array>
#include <optional>
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

struct FrequencyInfo {
    PaymentFrequency frequency;
    std::string_view label;  // the list text, matched exactly
    double periodsPerYear;
    std::string_view periodName;  // used by the term messages
    std::string_view unitLabel;   // beside the part-year field; empty: field hidden
};

inline constexpr std::array<FrequencyInfo, FrequencyCount> Frequencies{{
    {PaymentFrequency::Annualy, "Annualy", 1, "", ""},
    {PaymentFrequency::BiAnnualy, "Bi-Annualy", 2, "Half-Year", "Half-Year(s)"},
    {PaymentFrequency::Quarterly, "Quarterly", 4, "Quarter", "Quarter(s)"},
    {PaymentFrequency::Monthly, "Monthly", 12, "Month", "Month(s)"},
    {PaymentFrequency::BiMonthly, "Bi-Monthly", 24, "Half-Month", "Half-Month(s)"},
    {PaymentFrequency::FortNightly, "FortNightly", 26, "Fortnight", "Fortnight(s)"},
    {PaymentFrequency::Weekly, "Weekly", 52, "Week", "Week(s)"},
    {PaymentFrequency::Daily, "Daily", 365, "Day", "Day(s)"},
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

// Periods per year of a frequency label; throws std::invalid_argument for a text
// that is not one of the eight labels (the lists offer nothing else).
double PaymentsPerYear(std::string_view label);
double CompoundingsPerYear(std::string_view label);

// The period noun of the term messages for a number of periods per year; empty for 1.
std::string_view PeriodName(double periodsPerYear);

}  // namespace corbel
