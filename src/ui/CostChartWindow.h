// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QDialog>
#include <QList>
#include <QString>
#include <functional>
#include <memory>

#include "ui/UiContext.h"

class QChartView;
class QPieSeries;
class QPagedPaintDevice;
class QPrinter;
class QPushButton;
class QToolButton;

namespace corbel::ui {

class CostChart;

// The printer the chart goes to: the current printer, or null when there is
// none. The printer stays its provider's; printing gives it back as it was.
using PrinterSource = std::function<QPrinter*()>;

// One line of the chart's legend, as drawn.
struct LegendLine {
    QColor colour;
    QString label;
    QString value;
    bool operator==(const LegendLine&) const = default;
};

// The cost breakdown chart window: the loan's total cost as a pie of the amount
// borrowed and the total interest, with its OK and print buttons. Created once
// and reused; every showing is given its two slices afresh.
class CostChartWindow : public QDialog {
    Q_OBJECT
  public:
    explicit CostChartWindow(const UiContext& context, QWidget* parent = nullptr);
    ~CostChartWindow() override;

    // Replaces the two slices: "Principal" and "Interest", in that order.
    void showBreakdown(double principal, double interest);
    // Where Print prints; the current printer unless given another source.
    void setPrinterSource(PrinterSource source);
    // The legend, one line per slice.
    QList<LegendLine> legendLines() const;

    // Prints the chart on a printer or a PDF writer in landscape, filling the
    // page, and puts the device's orientation back. False when the printer failed.
    bool PrintChart(QPagedPaintDevice& device) const;

    QPieSeries* series() const { return series_; }
    QChartView* chartView() const { return chartView_; }
    QPushButton* okButton() const { return okButton_; }
    QToolButton* printButton() const { return printButton_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    // Print: the chart on the current printer, or a message that there is none.
    void printOnCurrentPrinter();
    // Prints the chart on `printer`, and says so when the printer fails.
    void printOrSay(QPrinter& printer);
    QPrinter* currentPrinter();

    // Each control is created with its given name (in quotes).
    QChartView* chartView_;       // "MortgageChart"
    QPieSeries* series_;          // "Series1"
    QPushButton* okButton_;       // "BitBtn2"
    QToolButton* printButton_;    // "BitBtn1"
    QToolButton* previewButton_;  // "PreviewBtn"
    UiContext context_;
    CostChart* chart_;
    double principal_ = 0;
    double interest_ = 0;
    PrinterSource printers_;
    std::unique_ptr<QPrinter> current_;
};

}  // namespace corbel::ui
