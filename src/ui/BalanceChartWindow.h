// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <vector>

#include "calc/BalanceGraph.h"
#include "ui/ChartWindow.h"

class QLineSeries;
class QToolButton;

namespace corbel::ui {

// A loan on the balance chart: its name in the legend (none for a chart of
// one loan) and its points, from BalancePoints of its schedule.
struct BalanceLine {
    QString name;
    std::vector<BalancePoint> points;
};

// The balance over time: for each loan the balance still owing and the
// interest paid so far, against the years (or repayments) of its schedule,
// each line ending where its schedule ends. Several loans share the axes, so
// that one that ends sooner is seen at a glance. Prints, previews and saves as
// a picture as the cost breakdown chart does.
class BalanceChartWindow : public ChartWindow {
    Q_OBJECT
  public:
    explicit BalanceChartWindow(const UiContext& context, QWidget* parent = nullptr);
    ~BalanceChartWindow() override;

    // Draws `lines` on the same axes; `timeCaption` names the time along the
    // bottom: "Year", or the period word of a schedule by repayment ("Month").
    void showLines(const QString& timeCaption, std::vector<BalanceLine> lines);
    // For each line its balance, then its interest so far, as drawn.
    QList<QLineSeries*> series() const;

  protected:
    QChart* makeChart(const QSizeF& size) const override;

  private:
    QToolButton* helpButton_;  // "HelpBtn"
    QString timeCaption_;
    std::vector<BalanceLine> lines_;
};

}  // namespace corbel::ui
