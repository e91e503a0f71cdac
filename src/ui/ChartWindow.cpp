// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/ChartWindow.h"

#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFileInfo>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QHBoxLayout>
#include <QImage>
#include <QKeySequence>
#include <QLinearGradient>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QShortcut>
#include <QSvgGenerator>
#include <QToolButton>
#include <QVBoxLayout>

#include "calc/Messages.h"
#include "ui/Controls.h"
#include "ui/FileWriting.h"
#include "ui/Pictures.h"
#include "ui/ReportPrinting.h"

namespace corbel::ui {

namespace {

const QColor ShadeBlue(128, 128, 255);
// Charts are laid out on paper, and in pictures, as on a screen of this
// resolution, so that their texts keep the size they have on screen.
constexpr qreal LayoutDpi = 96;
// A picture is laid out as a landscape A4 page's printable area, and a PNG
// drawn at twice that, so that it stays sharp in a document.
constexpr QSizeF PictureLayout(1040, 720);
constexpr qreal PngScale = 2;
// The last picture saved: its folder and its kind are offered next time.
constexpr const char* PictureFileKey = "PictureFile";
constexpr const char* PngFilter = "PNG Picture (*.png)";
constexpr const char* SvgFilter = "SVG Picture (*.svg)";

}  // namespace

QFont ChartFont(int pixels, bool bold) {
    QFont font("Arial");
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void StyleChart(QChart* chart, const QString& title) {
    chart->setTitle(title);
    chart->setTitleFont(ChartFont(19, true));
    chart->setTitleBrush(Qt::white);
    // Light blue at the top, where the white title stands, to white below.
    QLinearGradient shade(0, 0, 0, 1);
    shade.setCoordinateMode(QGradient::ObjectBoundingMode);
    shade.setColorAt(0, ShadeBlue);
    shade.setColorAt(1, Qt::white);
    chart->setBackgroundBrush(shade);
    chart->setBackgroundPen(Qt::NoPen);
    chart->setBackgroundRoundness(0);
    chart->setDropShadowEnabled(false);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->layout()->setContentsMargins(0, 0, 0, 0);
}

ChartWindow::ChartWindow(const UiContext& context, const ChartWindowNames& names, QWidget* parent)
    : QDialog(parent), context_(context), title_(names.title) {
    setObjectName(names.window);
    setWindowTitle(title_);
    chartView_ = Named(new QChartView(this), names.chart);
    chartView_->setFrameShape(QFrame::NoFrame);
    chartView_->setRenderHint(QPainter::Antialiasing);

    okButton_ = Named(new QPushButton("OK", this), names.ok);
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
    printButton_ = PictureButton(names.print, Picture::Print, "Print", this);
    connect(printButton_, &QToolButton::clicked, this, &ChartWindow::printOnCurrentPrinter);
    // A look at the landscape page first; its own print button offers every
    // printer, PDF included.
    previewButton_ = Named(new QToolButton(this), names.preview);
    previewButton_->setText("Preview");
    previewButton_->setToolTip("Print Preview");
    connect(previewButton_, &QToolButton::clicked, this, [this] {
        PreviewDocument(this, context_, title_, QPageLayout::Landscape,
                        [this](QPrinter& printer) { printOrSay(printer); });
    });
    saveButton_ = PictureButton(names.save, Picture::Save, "Save as Picture", this);
    const QKeySequence saveKeys(QKeySequence::Save);
    saveButton_->setToolTip(
        QString("Save as Picture (%1)").arg(saveKeys.toString(QKeySequence::NativeText)));
    connect(saveButton_, &QToolButton::clicked, this, &ChartWindow::saveWithDialog);
    connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, saveButton_,
            &QToolButton::click);

    // The keyboard follows the buttons as they stand, the chart last.
    ChainTabOrder({okButton_, saveButton_, printButton_, previewButton_, chartView_});
    auto* saveAndPrint = new QHBoxLayout;
    saveAndPrint->addWidget(saveButton_);
    saveAndPrint->addWidget(printButton_);
    buttons_ = new QVBoxLayout;
    buttons_->addWidget(okButton_, 0, Qt::AlignRight);
    buttons_->addLayout(saveAndPrint);
    buttons_->setAlignment(saveAndPrint, Qt::AlignRight);
    buttons_->addWidget(previewButton_, 0, Qt::AlignRight);

    printers_ = [this] { return currentPrinter(); };
}

ChartWindow::~ChartWindow() = default;

void ChartWindow::showChart(QChart* chart) {
    QChart* previous = chartView_->chart();
    chartView_->setChart(chart);
    chartView_->setAccessibleName(chart->title());
    // The view gives back the chart it showed; an empty view shows a chart of its own.
    delete previous;
}

void ChartWindow::setPrinterSource(PrinterSource source) {
    printers_ = std::move(source);
}

void ChartWindow::drawChart(QPainter& painter, const QSizeF& size, const QRectF& target) const {
    QGraphicsScene scene;
    scene.addItem(makeChart(size));
    painter.setRenderHint(QPainter::Antialiasing);
    scene.render(&painter, target, QRectF(QPointF(0, 0), size));
}

bool ChartWindow::PrintChart(QPagedPaintDevice& device) const {
    const QPageLayout::Orientation previous = device.pageLayout().orientation();
    device.setPageOrientation(QPageLayout::Landscape);
    bool printed = false;
    QPainter painter;
    if (painter.begin(&device)) {
        // A chart of its own, laid out for the page rather than for the window,
        // then drawn over the whole printable area.
        const int resolution = device.logicalDpiX();
        const QSizeF page = device.pageLayout().paintRectPixels(resolution).size();
        drawChart(painter, page * (LayoutDpi / resolution), QRectF(QPointF(0, 0), page));
        printed = painter.end();
    }
    device.setPageOrientation(previous);
    const auto* printer = dynamic_cast<const QPrinter*>(&device);
    return printed && (!printer || printer->printerState() != QPrinter::Error);
}

std::optional<QByteArray> ChartWindow::pngBytes() const {
    QImage image((PictureLayout * PngScale).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    const int dotsPerMetre = qRound(LayoutDpi * PngScale / 0.0254);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    QPainter painter(&image);
    drawChart(painter, PictureLayout, QRectF(QPointF(0, 0), image.size()));
    if (!painter.end()) {
        return std::nullopt;
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, "PNG") ? std::optional(buffer.data()) : std::nullopt;
}

std::optional<QByteArray> ChartWindow::svgBytes() const {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(PictureLayout.toSize());
    svg.setViewBox(QRectF(QPointF(0, 0), PictureLayout));
    svg.setResolution(static_cast<int>(LayoutDpi));
    svg.setTitle(title_);
    QPainter painter;
    if (!painter.begin(&svg)) {
        return std::nullopt;
    }
    drawChart(painter, PictureLayout, QRectF(QPointF(0, 0), PictureLayout));
    return painter.end() ? std::optional(buffer.data()) : std::nullopt;
}

bool ChartWindow::SaveChart(const QString& path) {
    const QString kind = QFileInfo(path).suffix().toLower();
    std::optional<QByteArray> bytes;
    std::string_view failure = msg::PictureTypes;
    if (kind == "png" || kind == "svg") {
        bytes = kind == "png" ? pngBytes() : svgBytes();
        failure = msg::PictureNotDrawn;
    }
    if (!bytes) {
        context_.dialogs.showMessage(
            this, Message{MessageCause::FileFailed,
                          Fill(msg::CouldNotWrite, {path.toStdString(), failure})});
        return false;
    }
    // Written whole or not at all: a failed save leaves an earlier picture as it was.
    return WriteFileOrSay(
        this, context_, path,
        std::string_view(bytes->constData(), static_cast<std::size_t>(bytes->size())));
}

void ChartWindow::saveWithDialog() {
    const QString last = Recall(context_, PictureFileKey);
    const QFileInfo lastFile(last);
    const QString folder = !last.isEmpty() && lastFile.absoluteDir().exists()
                               ? lastFile.absolutePath()
                               : DocumentsFolder();
    // The kind saved last comes first.
    const bool svg = lastFile.suffix().compare("svg", Qt::CaseInsensitive) == 0;
    const QString kind = svg ? "svg" : "png";
    const QString filters = svg ? QString("%1;;%2").arg(SvgFilter, PngFilter)
                                : QString("%1;;%2").arg(PngFilter, SvgFilter);
    const auto chosen =
        context_.dialogs.saveFileName(this, {filters, folder, title_ + "." + kind, kind, true});
    if (chosen && SaveChart(*chosen)) {
        Remember(context_, PictureFileKey, QFileInfo(*chosen).absoluteFilePath());
    }
}

QPrinter* ChartWindow::currentPrinter() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        return nullptr;
    }
    // One printer object for the run, so that what printing sets is put back on it.
    if (!current_ || current_->printerName() != info.printerName()) {
        current_ = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    }
    return current_.get();
}

void ChartWindow::printOnCurrentPrinter() {
    QPrinter* printer = printers_ ? printers_() : nullptr;
    if (!printer) {
        context_.dialogs.showMessage(this, Message{MessageCause::PrintFailed, msg::NoPrinter});
        return;
    }
    printOrSay(*printer);
}

void ChartWindow::printOrSay(QPrinter& printer) {
    PrintOrSay(this, context_, printer,
               [this](QPagedPaintDevice& device) { return PrintChart(device); });
}

}  // namespace corbel::ui
