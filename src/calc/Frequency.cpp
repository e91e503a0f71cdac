// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/Frequency.h"

#include "calc/Messages.h"

namespace corbel {

std::optional<PaymentFrequency> FrequencyFromLabel(std::string_view label) {
    for (const auto& info : Frequencies) {
        if (info.label == label) {
            return info.frequency;
        }
    }
    return std::nullopt;
}

std::string LabelList() {
    std::string list;
    for (const auto& info : Frequencies) {
        list.append(list.empty() ? "" : ", ").append(info.label);
    }
    return list;
}

std::string LoanPaymentCaption(PaymentFrequency repayment) {
    return Fill("   %1 Loan Payment is", {Info(repayment).word});
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
