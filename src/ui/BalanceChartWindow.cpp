// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/BalanceChartWindow.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QLegend>
#include <QLineSeries>
#include <QPen>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <functional>

#include "ui/Controls.h"
#include "ui/Pictures.h"

namespace corbel::ui {

namespace {

// Each loan's pair of lines: the balance in blue, the interest in red; a second
// loan in lighter shades and dashed.
struct LineLook {
    QColor balance;
    QColor interest;
    Qt::PenStyle style;
};
const LineLook Looks[] = {{QColor(0, 0, 160), QColor(220, 0, 0), Qt::SolidLine},
                          {QColor(0, 150, 150), QColor(240, 130, 0), Qt::DashLine}};
constexpr qsizetype MostMarkedPoints = 61;  // a point marked at each year up to 60
constexpr int MostMoneySteps = 6;
constexpr int MostTimeSteps = 10;
constexpr QSize LeastSize(560, 400);
constexpr int WideEnoughForNames = 960;

// The step of an axis: 1, 2 or 5 times a power of ten, at least `least`, that
// reaches `top` in at most `most` steps.
double NiceStep(double top, int most, double least) {
    for (double power = least;; power *= 10) {
        for (const double times : {1.0, 2.0, 5.0}) {
            if (times * power * most >= top) {
                return times * power;
            }
        }
    }
}

// An axis from 0 to `top` labelled at every step, or, when `roundUp`, to the
// first step at or above it.
QCategoryAxis* StepAxis(double top, int most, double least, bool roundUp,
                        const std::function<QString(double value, double step)>& label) {
    const double step = NiceStep(top > 0 ? top : least * most, most, least);
    // An axis of nothing still spans one step.
    const bool toStep = roundUp || top <= 0;
    const double steps =
        toStep ? std::max(1.0, std::ceil(top / step - 1e-9)) : std::floor(top / step + 1e-9);
    auto* axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setStartValue(0);
    for (int k = 0; k <= steps; ++k) {
        axis->append(label(k * step, step), k * step);
    }
    axis->setRange(0, toStep ? steps * step : top);
    axis->setLabelsFont(ChartFont(12));
    axis->setTitleFont(ChartFont(12, true));
    axis->setGridLineColor(QColor(210, 210, 210));
    return axis;
}

}  // namespace

// The chart: a line for the balance and one for the interest so far of each
// loan, money up the side and time along the bottom in the regional format,
// the legend under them.
class BalanceChart : public QChart {
  public:
    BalanceChart(const Regional& regional, const QString& timeCaption,
                 const std::vector<BalanceLine>& lines)
        : regional_(regional) {
        StyleChart(this, "Balance and Interest Paid over Time");
        setPlotAreaBackgroundBrush(Qt::white);
        setPlotAreaBackgroundVisible(true);
        // One loan's two names fit under the chart; several loans' are listed beside it.
        legend()->setAlignment(lines.size() > 1 ? Qt::AlignRight : Qt::AlignBottom);
        legend()->setShowToolTips(true);
        legend()->setFont(ChartFont(12));
        legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);

        double lastTime = 0;
        double topMoney = 0;
        for (std::size_t k = 0; k < lines.size(); ++k) {
            const BalanceLine& line = lines[k];
            const LineLook& look = Looks[k % std::size(Looks)];
            const auto named = [&](const char* quantity) {
                return line.name.isEmpty() ? QString(quantity)
                                           : QString("%1 (%2)").arg(quantity, line.name);
            };
            auto* balance = newSeries(named("Outstanding Balance"), look.balance, look.style);
            auto* interest = newSeries(named("Interest Paid"), look.interest, look.style);
            for (const BalancePoint& point : line.points) {
                balance->append(point.time, point.balance);
                interest->append(point.time, point.interestSoFar);
                lastTime = std::max(lastTime, point.time);
                topMoney = std::max({topMoney, point.balance, point.interestSoFar});
            }
            for (QLineSeries* series : {balance, interest}) {
                series->setPointsVisible(series->count() <= MostMarkedPoints);
                addSeries(series);
            }
        }
        // Money up to the first step at or above the largest amount; whole
        // amounts once the steps are whole, cents for a loan of less.
        auto* money =
            StepAxis(topMoney, MostMoneySteps, 0.01, true, [this](double value, double step) {
                const MoneyForm form = step >= 1 ? MoneyForm::NoDecimals : MoneyForm::TwoDecimals;
                return QString::fromStdString(regional_.money(value, form));
            });
        // Time up to where the longest schedule ends, so that it ends at the edge.
        auto* time = StepAxis(lastTime, MostTimeSteps, 1, false, [this](double value, double) {
            return QString::fromStdString(regional_.number(value, 0, true));
        });
        time->setTitleText(timeCaption);
        addAxis(money, Qt::AlignLeft);
        addAxis(time, Qt::AlignBottom);
        for (QAbstractSeries* series : this->series()) {
            series->attachAxis(money);
            series->attachAxis(time);
        }
    }

  private:
    QLineSeries* newSeries(const QString& name, const QColor& colour, Qt::PenStyle style) {
        auto* series = new QLineSeries(this);
        series->setName(name);
        QPen pen(colour, 2);
        pen.setStyle(style);
        series->setPen(pen);
        series->setMarkerSize(3);
        return series;
    }

    const Regional& regional_;
};

BalanceChartWindow::BalanceChartWindow(const UiContext& context, QWidget* parent)
    : ChartWindow(context,
                  {"BalanceGraph", "Balance Graph", "BalanceChart", "OKBtn", "PrintBtn",
                   "PreviewBtn", "SaveBtn"},
                  parent) {
    MakeModalWindow(this);
    showLines(Q(YearCaption), {});
    helpButton_ = PictureButton("HelpBtn", Picture::Help, "Help", this);
    connect(helpButton_, &QToolButton::clicked, this,
            [this] { this->context().help.showHelp(topic::BalanceGraph); });
    setTabOrder(helpButton_, chartView());  // the buttons first, the chart last

    buttonColumn()->addWidget(helpButton_, 0, Qt::AlignRight);
    buttonColumn()->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(chartView(), 1);
    layout->addLayout(buttonColumn());
    // A chart reads better large: the window can grow.
    setMinimumSize(LeastSize);
    resize(LeastSize * 5 / 4);
    setSizeGripEnabled(true);
}

BalanceChartWindow::~BalanceChartWindow() = default;

void BalanceChartWindow::showLines(const QString& timeCaption, std::vector<BalanceLine> lines) {
    timeCaption_ = timeCaption;
    lines_ = std::move(lines);
    // A new chart each time: Qt Charts leaves the labels of an axis it takes away.
    showChart(new BalanceChart(context().regional, timeCaption_, lines_));
    // Room for the legend beside the chart, with the loans' names whole.
    if (lines_.size() > 1 && width() < WideEnoughForNames) {
        resize(WideEnoughForNames, height());
    }
}

QList<QLineSeries*> BalanceChartWindow::series() const {
    QList<QLineSeries*> lines;
    for (QAbstractSeries* series : chartView()->chart()->series()) {
        lines << static_cast<QLineSeries*>(series);
    }
    return lines;
}

QChart* BalanceChartWindow::makeChart(const QSizeF& size) const {
    auto* chart = new BalanceChart(context().regional, timeCaption_, lines_);
    chart->resize(size);
    return chart;
}

}  // namespace corbel::ui
