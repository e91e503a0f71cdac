// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/TermCheck.h"

#include <string>

#include "calc/Frequency.h"
#include "calc/NumberReading.h"
#include "calc/NumberTexts.h"

namespace corbel {

Outcome CheckTerm(std::string_view yearsText, std::string_view label, std::string_view partText,
                  int maxYears, double periodsPerYear) {
    yearsText = Strip(yearsText);
    partText = Strip(partText);
    int years = 0;
    int part = 0;
    if (!yearsText.empty()) {
        const auto value = ReadWhole(yearsText);
        if (!value) {
            return Message{MessageCause::TermInvalid, msg::ValidYear};
        }
        years = *value;
        if (years < 0 || years > maxYears) {
            return Message{MessageCause::TermInvalid,
                           Fill(msg::YearsOutOfRange, {label, std::to_string(maxYears)})};
        }
    }
    const std::string_view periodName = PeriodName(periodsPerYear);
    if (!partText.empty()) {
        const auto value = ReadWhole(partText);
        if (!value) {
            return Message{MessageCause::TermInvalid, Fill(msg::ValidPartYear, {periodName})};
        }
        part = *value;
    }
    if (part < 0 || part > periodsPerYear) {
        return Message{
            MessageCause::TermInvalid,
            Fill(msg::PartYearOutOfRange, {periodName, GeneralNumberText(periodsPerYear)})};
    }
    if (static_cast<long long>(years) + part <= 0) {
        return Message{MessageCause::TermInvalid, Fill(msg::TermMissing, {label})};
    }
    return std::nullopt;
}

}  // namespace corbel
