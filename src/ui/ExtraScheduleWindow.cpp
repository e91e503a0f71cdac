// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/ExtraScheduleWindow.h"

#include <QLabel>

#include "ui/BalanceChartWindow.h"

#include "calc/BalanceGraph.h"
#include "calc/Limits.h"

namespace corbel::ui {

namespace {

TableWindowSetup ExtraScheduleSetup(TableWindowSetup setup) {
    setup.name = "EXTRASCHEDULE";
    setup.title = "Loan Schedule with Additional Payment";
    setup.helpTopic = topic::ExtraSchedule;
    return setup;
}

}  // namespace

ExtraScheduleWindow::ExtraScheduleWindow(const UiContext& context, LoanOptionsSource options,
                                         QWidget* parent)
    : LoanScheduleWindow(context, std::move(options), ExtraScheduleSetup(setup()), parent) {
    // The heading is a sentence that follows the extra; it wraps rather than
    // widening the window, which keeps room for the longest: the largest extra
    // from the last daily repayment of the longest term.
    frame().heading->setWordWrap(true);
    frame().heading->setText(Q(ExtraScheduleHeading(MaxAmount, MaxYears * 365, context.regional)));
    setLeastSize();
}

Checked<LoanSchedule> ExtraScheduleWindow::computeSchedule(const LoanTexts& loan,
                                                           ScheduleDisplay display) {
    const Regional& regional = context().regional;
    const auto shown = ExtraScheduleFromTexts(loan, extra_, display, regional);
    if (!shown) {
        return shown.failure();
    }
    heading_ = ExtraScheduleHeading(shown->extra, shown->startRepayment, regional);
    frame().heading->setText(Q(heading_));
    // The loan passed the same checks just now.
    rowSets_ = {
        ComputeSchedule(*ReadLoan(loan, TableChecks, regional.decimalSeparator()), display).rows,
        shown->schedule.rows};
    return shown->schedule;
}

std::vector<BalanceLine> ExtraScheduleWindow::graphLines() const {
    return {{"without the extra", BalancePoints(rowSets_.withoutExtra)},
            {"with the extra", BalancePoints(rowSets_.withExtra)}};
}

}  // namespace corbel::ui
