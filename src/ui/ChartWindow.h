// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QDialog>
#include <QFont>
#include <QSizeF>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "ui/UiContext.h"

class QChart;
class QChartView;
class QPagedPaintDevice;
class QPainter;
class QPrinter;
class QPushButton;
class QToolButton;
class QVBoxLayout;

namespace corbel::ui {

// The printer a chart goes to: the current printer, or null when there is
// none. The printer stays its provider's; printing gives it back as it was.
using PrinterSource = std::function<QPrinter*()>;

// The given names of a chart window and its controls, and its title, which
// also names its printout and its picture file.
struct ChartWindowNames {
    const char* window;
    const char* title;
    const char* chart;
    const char* ok;
    const char* print;
    const char* preview;
    const char* save;
};

// A chart's text in pixels: the chart scales as a whole when printed or saved,
// and a point size would be taken at the printer's resolution a second time.
QFont ChartFont(int pixels, bool bold = false);

// The charts' look: the title in white bold over a background shaded from
// light blue at the top to white, no frame, no shadow, no animation.
void StyleChart(QChart* chart, const QString& title);

// A window that shows a chart and prints it (landscape, on the current printer,
// or through the print preview) and saves it as a PNG or SVG picture (the save
// button, or the standard Save keys). Printouts and pictures are drawn from a
// chart of their own laid out for the paper or the picture, never from the
// window's pixels, so a picture is the chart as printed.
class ChartWindow : public QDialog {
    Q_OBJECT
  public:
    ~ChartWindow() override;

    // Where Print prints; the current printer unless given another source.
    void setPrinterSource(PrinterSource source);

    // Prints the chart on a printer or a PDF writer in landscape, filling the
    // page, and puts the device's orientation back. False when the printer failed.
    bool PrintChart(QPagedPaintDevice& device) const;
    // Writes the chart as the picture `path`: SVG when its name ends in .svg,
    // PNG when in .png. A name of another kind, or a file that could not be
    // written, is shown naming the file and why; false then.
    bool SaveChart(const QString& path);

    QChartView* chartView() const { return chartView_; }
    QPushButton* okButton() const { return okButton_; }
    QToolButton* printButton() const { return printButton_; }
    QToolButton* saveButton() const { return saveButton_; }

  protected:
    ChartWindow(const UiContext& context, const ChartWindowNames& names, QWidget* parent);

    // Shows `chart` in the window, which takes it, in place of the one shown.
    void showChart(QChart* chart);
    // A new chart of what the window shows, laid out at `size` (pixels as on a
    // 96 dpi screen), for a page or a picture; the caller takes it.
    virtual QChart* makeChart(const QSizeF& size) const = 0;
    // OK, then Save and Print side by side, then Print Preview, right-aligned
    // one under the other, for the window to place.
    QVBoxLayout* buttonColumn() const { return buttons_; }
    const UiContext& context() const { return context_; }

  private:
    // Lays a chart out at `size` and draws it over `target`.
    void drawChart(QPainter& painter, const QSizeF& size, const QRectF& target) const;
    std::optional<QByteArray> pngBytes() const;
    std::optional<QByteArray> svgBytes() const;
    // Save: the save dialog in the last picture's folder, then the picture.
    void saveWithDialog();
    // Print: the chart on the current printer, or a message that there is none.
    void printOnCurrentPrinter();
    // Prints the chart on `printer`, and says so when the printer fails.
    void printOrSay(QPrinter& printer);
    QPrinter* currentPrinter();

    UiContext context_;
    QString title_;
    QChartView* chartView_;
    QPushButton* okButton_;
    QToolButton* printButton_;
    QToolButton* previewButton_;
    QToolButton* saveButton_;
    QVBoxLayout* buttons_;
    PrinterSource printers_;
    std::unique_ptr<QPrinter> current_;
};

}  // namespace corbel::ui
