// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

#include "calc/AdditionalPayments.h"
#include "ui/LoanScheduleWindow.h"

namespace corbel::ui {

// The loan schedule with an extra amount added to every repayment from a
// chosen one on: the specific additional payment window's run, shown as the
// loan schedule window shows a schedule, its heading saying what was added and
// from when.
class ExtraScheduleWindow : public LoanScheduleWindow {
    Q_OBJECT
  public:
    ExtraScheduleWindow(const UiContext& context, LoanOptionsSource options,
                        QWidget* parent = nullptr);

    // The extra amount and its start, as the specific window's fields hold them;
    // the window's own Calculate keeps them for the loan in its fields.
    void setExtra(const ExtraPaymentTexts& extra) { extra_ = extra; }

    // The rows of the latest fill, both by the same display: the loan's own
    // schedule and the one with the extra.
    struct RowSets {
        std::vector<ScheduleRow> withoutExtra;
        std::vector<ScheduleRow> withExtra;
    };
    const RowSets& rowSets() const { return rowSets_; }

  private:
    Checked<LoanSchedule> computeSchedule(const LoanTexts& loan, ScheduleDisplay display) override;
    std::string reportLine() const override { return heading_; }
    // The loan without and with the extra, on the same axes.
    std::vector<BalanceLine> graphLines() const override;

    ExtraPaymentTexts extra_;
    std::string heading_;
    RowSets rowSets_;
};

}  // namespace corbel::ui
