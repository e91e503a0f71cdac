// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/CostChartWindow.h"

#include <QChart>
#include <QChartView>
#include <QFontMetricsF>
#include <QGraphicsItem>
#include <QGraphicsLayout>
#include <QGridLayout>
#include <QPainter>
#include <QPieSeries>
#include <QPieSlice>
#include <QVBoxLayout>
#include <QtMath>
#include <algorithm>
#include <cmath>

#include "ui/Controls.h"

namespace corbel::ui {

namespace {

const QColor PrincipalGreen(0, 128, 0);
const QColor InterestRed(255, 0, 0);
constexpr qreal ExplodeFactor = 0.15;  // of the radius
constexpr qreal LeaderLine = 4;        // pixels from slice to mark
constexpr qreal Gap = 6;
constexpr QSize ClientArea(526, 380);

}  // namespace

// The legend: a framed box with one line per slice (colour box, label, value
// right-aligned) and a dividing line between lines.
class CostLegend : public QGraphicsItem {
  public:
    explicit CostLegend(QGraphicsItem* parent) : QGraphicsItem(parent), font_(ChartFont(12)) {}

    const QList<LegendLine>& lines() const { return lines_; }
    void setLines(QList<LegendLine> lines) {
        prepareGeometryChange();
        lines_ = std::move(lines);
        const QFontMetricsF metrics(font_);
        labelWidth_ = valueWidth_ = 0;
        for (const LegendLine& line : lines_) {
            labelWidth_ = std::max(labelWidth_, metrics.horizontalAdvance(line.label));
            valueWidth_ = std::max(valueWidth_, metrics.horizontalAdvance(line.value));
        }
        lineHeight_ = metrics.height() + 4;
        size_ = QSizeF(Pad + boxWidth() + Pad + labelWidth_ + 3 * Pad + valueWidth_ + Pad,
                       lineHeight_ * lines_.size());
    }

    QRectF boundingRect() const override { return QRectF(QPointF(0, 0), size_); }

    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override {
        painter->setPen(QPen(Qt::black, 1));
        painter->setBrush(Qt::white);
        painter->drawRect(boundingRect());
        painter->setFont(font_);
        for (qsizetype k = 0; k < lines_.size(); ++k) {
            const qreal top = lineHeight_ * k;
            if (k > 0) {
                painter->drawLine(QPointF(0, top), QPointF(size_.width(), top));
            }
            const qreal box = lineHeight_ / 2;
            painter->setBrush(lines_[k].colour);
            painter->drawRect(QRectF(Pad, top + (lineHeight_ - box) / 2, boxWidth(), box));
            const qreal labelLeft = Pad + boxWidth() + Pad;
            painter->drawText(QRectF(labelLeft, top, labelWidth_, lineHeight_),
                              Qt::AlignLeft | Qt::AlignVCenter, lines_[k].label);
            painter->drawText(
                QRectF(size_.width() - Pad - valueWidth_, top, valueWidth_, lineHeight_),
                Qt::AlignRight | Qt::AlignVCenter, lines_[k].value);
        }
    }

  private:
    static constexpr qreal Pad = 4;
    qreal boxWidth() const { return lineHeight_; }

    QFont font_;
    QList<LegendLine> lines_;
    qreal labelWidth_ = 0;
    qreal valueWidth_ = 0;
    qreal lineHeight_ = 0;
    QSizeF size_;
};

// The chart itself, styled and laid out: the title, the legend under it, and
// the pie with its marks in the room that is left.
class CostChart : public QChart {
  public:
    explicit CostChart(const Regional& regional) : regional_(regional) {
        StyleChart(this, "Cost Breakdown of Loan");
        setPlotAreaBackgroundVisible(false);
        legend()->hide();
        series_ = new QPieSeries(this);
        series_->setObjectName("Series1");
        addSeries(series_);
        costLegend_ = new CostLegend(this);
        connect(this, &QChart::plotAreaChanged, this,
                [this](const QRectF& area) { arrange(area); });
    }

    QPieSeries* series() const { return series_; }
    const CostLegend* costLegend() const { return costLegend_; }

    void setSlices(double principal, double interest) {
        series_->clear();
        const struct {
            const char* label;
            double value;
            QColor colour;
        } points[] = {{"Principal", principal, PrincipalGreen},
                      {"Interest", interest, InterestRed}};
        const double total = principal + interest;
        QList<LegendLine> lines;
        QPieSlice* largest = nullptr;
        for (const auto& point : points) {
            const double share = total > 0 ? point.value / total * 100 : 0;
            const QString mark = QString("%1 %2 %").arg(
                point.label, QString::fromStdString(regional_.number(share, 2, false)));
            QPieSlice* slice = series_->append(mark, point.value);
            slice->setColor(point.colour);
            // With nothing to share out there is no pie to mark. A pie that is
            // one slice whole has no outlines: the slice of nothing and the
            // whole one's edges would stand as a line from the centre.
            slice->setLabelVisible(total > 0);
            if (point.value <= 0 || point.value >= total) {
                slice->setPen(Qt::NoPen);
            }
            slice->setLabelPosition(QPieSlice::LabelOutside);
            slice->setLabelFont(ChartFont(12));
            slice->setLabelColor(Qt::black);
            slice->setExplodeDistanceFactor(ExplodeFactor);
            if (!largest || point.value > largest->value()) {
                largest = slice;
            }
            lines.append({point.colour, point.label,
                          QString::fromStdString(regional_.number(point.value, 3, true))});
        }
        largest->setExploded(true);
        costLegend_->setLines(std::move(lines));
        arrange(plotArea());
    }

  private:
    void arrange(const QRectF& area) {
        const QSizeF legendSize = costLegend_->boundingRect().size();
        costLegend_->setPos(area.center().x() - legendSize.width() / 2, area.top() + Gap);
        const qreal top = area.top() + legendSize.height() + 2 * Gap;
        const qreal height = area.bottom() - Gap - top;
        if (height <= 0 || area.width() <= 0) {
            return;
        }
        qreal markWidth = 0;
        qreal markHeight = 0;
        for (const QPieSlice* slice : series_->slices()) {
            const QFontMetricsF metrics(slice->labelFont());
            markWidth = std::max(markWidth, metrics.horizontalAdvance(slice->label()));
            markHeight = std::max(markHeight, metrics.height());
        }
        // Room for the pulled-out slice, and for a mark beside or above the pie.
        const qreal room = 1 + ExplodeFactor;
        const qreal radius =
            std::max(1.0, std::min((height / 2 - markHeight - LeaderLine) / room,
                                   (area.width() / 2 - markWidth - LeaderLine - 2 * Gap) / room));
        series_->setPieSize(std::min(1.0, 2 * radius / std::min(area.width(), area.height())));
        series_->setHorizontalPosition(0.5);
        series_->setVerticalPosition((top + height / 2 - area.top()) / area.height());
        // A mark stands on its leader line; one below the pie gets a line long
        // enough to keep it clear of the slice it names.
        for (QPieSlice* slice : series_->slices()) {
            const qreal middle = qDegreesToRadians(slice->startAngle() + slice->angleSpan() / 2);
            const qreal below = std::max(0.0, -std::cos(middle));
            slice->setLabelArmLengthFactor((LeaderLine + markHeight * below) / radius);
        }
    }

    const Regional& regional_;
    QPieSeries* series_;
    CostLegend* costLegend_;
};

CostChartWindow::CostChartWindow(const UiContext& context, QWidget* parent)
    : ChartWindow(context,
                  {"MortChartForm", "Cost Breakdown Graph", "MortgageChart", "BitBtn2", "BitBtn1",
                   "PreviewBtn", "SaveBtn"},
                  parent) {
    // A dialog border without title-bar buttons.
    MakeModalWindow(this, {});
    chart_ = new CostChart(context.regional);
    series_ = chart_->series();
    showChart(chart_);

    // The buttons stand over the chart's top right corner.
    buttonColumn()->setContentsMargins(0, Gap, Gap, 0);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(chartView(), 0, 0);
    layout->addLayout(buttonColumn(), 0, 0, Qt::AlignTop | Qt::AlignRight);
    setFixedSize(ClientArea);

    showBreakdown(0, 0);
}

CostChartWindow::~CostChartWindow() = default;

void CostChartWindow::showBreakdown(double principal, double interest) {
    principal_ = principal;
    interest_ = interest;
    chart_->setSlices(principal, interest);
}

QList<LegendLine> CostChartWindow::legendLines() const {
    return chart_->costLegend()->lines();
}

QChart* CostChartWindow::makeChart(const QSizeF& size) const {
    auto* chart = new CostChart(context().regional);
    chart->resize(size);
    chart->setSlices(principal_, interest_);
    return chart;
}

void CostChartWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnScreen(this);
}

}  // namespace corbel::ui
