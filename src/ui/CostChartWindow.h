// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QList>
#include <QString>

#include "ui/ChartWindow.h"

class QPieSeries;

namespace corbel::ui {

class CostChart;

// One line of the chart's legend, as drawn.
struct LegendLine {
    QColor colour;
    QString label;
    QString value;
    bool operator==(const LegendLine&) const = default;
};

// The cost breakdown chart window: the loan's total cost as a pie of the amount
// borrowed and the total interest, with its OK, print and save buttons. Created
// once and reused; every showing is given its two slices afresh.
class CostChartWindow : public ChartWindow {
    Q_OBJECT
  public:
    explicit CostChartWindow(const UiContext& context, QWidget* parent = nullptr);
    ~CostChartWindow() override;

    // Replaces the two slices: "Principal" and "Interest", in that order.
    void showBreakdown(double principal, double interest);
    // The legend, one line per slice.
    QList<LegendLine> legendLines() const;

    QPieSeries* series() const { return series_; }

  protected:
    void showEvent(QShowEvent* event) override;
    QChart* makeChart(const QSizeF& size) const override;

  private:
    QPieSeries* series_;  // "Series1"
    CostChart* chart_;
    double principal_ = 0;
    double interest_ = 0;
};

}  // namespace corbel::ui
