// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <functional>

#include "calc/MortgageFunctions.h"
#include "calc/Regional.h"
#include "platform/Dialogs.h"
#include "platform/HelpViewer.h"
#include "platform/QtText.h"
#include "platform/SettingsStore.h"

namespace corbel::ui {

// What every window needs of the platform: regional settings, the message
// boxes and the help viewer, and where the windows' choices are remembered
// between runs (nowhere when none is given).
struct UiContext {
    const Regional& regional;
    Dialogs& dialogs;
    HelpViewer& help;
    ProgramSettings* settings = nullptr;
};

// A choice remembered under `key`; empty when nothing is, or nowhere.
inline QString Recall(const UiContext& context, const QString& key) {
    return context.settings ? context.settings->recall(key) : QString();
}
inline void Remember(const UiContext& context, const QString& key, const QString& value) {
    if (context.settings) {
        context.settings->remember(key, value);
    }
}

// Help topics of the windows.
namespace topic {
inline constexpr int Contents = 0;
inline constexpr int LoanPage = 2;
inline constexpr int LoanGrid = 3;
inline constexpr int LoanSchedule = 4;
inline constexpr int AdditionalPaymentsTable = 5;
inline constexpr int SpecificAdditionalPayment = 6;
inline constexpr int WhatIf = 8;
inline constexpr int ExtraSchedule = 9;
inline constexpr int BalanceGraph = 11;
}  // namespace topic

// State shared across the windows for the whole run, owned by the main window.
struct SharedState {
    bool loanSaved = true;  // the Loan page inputs have no unsaved change
    AmortisationSummary summary;
    QString currentFileName;
};

// What the secondary windows read from the Loan page each time they calculate:
// the frequencies and the timing are never copied into their own fields.
struct LoanOptions {
    PaymentFrequency repaymentFrequency = DefaultFrequency;
    PaymentFrequency compounding = DefaultFrequency;
    PaymentTiming timing = PaymentTiming::InArrears;
};
using LoanOptionsSource = std::function<LoanOptions()>;

}  // namespace corbel::ui
