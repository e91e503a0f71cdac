#include "Frequency.h"

#include <stdexcept>
#include <string>

namespace corbel {

std::optional<PaymentFrequency> FrequencyFromLabel(std::string_view label) {
    for (const auto& info : Frequencies) {
        if (info.label == label) {
            return info.frequency;
        }
    }
    return std::nullopt;
}

double PaymentsPerYear(std::string_view label) {
    if (auto f = FrequencyFromLabel(label)) {
        return PeriodsPerYear(*f);
    }
    throw std::invalid_argument("not a frequency: " + std::string(label));
}

double CompoundingsPerYear(std::string_view label) {
    return PaymentsPerYear(label);
}

std::string_view PeriodName(double periodsPerYear) {
    for (const auto& info : Frequencies) {
        if (info.periodsPerYear == periodsPerYear) {
            return info.periodName;
        }
    }
    return {};
}

}  // namespace corbel
