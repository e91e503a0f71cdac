// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <functional>

#include "platform/PrinterDevice.h"
#include "ui/UiContext.h"

class QAbstractButton;
class QHBoxLayout;
class QPushButton;
class QWidget;

namespace corbel::ui {

// Prints what `paint` draws on `printer`: into a PDF file written whole or not
// at all, or on a printer. A failure is shown naming the file or the printer;
// false then.
bool PrintOrSay(QWidget* window, const UiContext& context, QPrinter& printer,
                const PaintDocument& paint);

// The file a report offers when printed to a file: the one it was last printed
// to, else its name ("Loan Schedule") as a PDF in the documents folder.
QString ReportPdfFile(const UiContext& context, const QString& report);

// A window's Print: the print dialog, then the report on the printer chosen
// there; a printer that fails shows its message. Cancel prints nothing.
// `report` names the report's file.
void PrintWithDialog(QWidget* window, const UiContext& context, const QString& report,
                     const ReportJob& job);

// The print preview of a document that `paint` draws, in `orientation`.
void PreviewDocument(QWidget* window, const UiContext& context, const QString& report,
                     QPageLayout::Orientation orientation, const Dialogs::PaintDocument& paint);

// A window's Print Preview: the same report drawn into the print preview.
void PreviewWithDialog(QWidget* window, const UiContext& context, const QString& report,
                       const ReportJob& job);

// The Print Preview button that stands beside a Print button.
QPushButton* PreviewButton(const char* name, QWidget* parent);

// Whether a window may print now; the window's Calculate, when printing shows
// what it calculates.
using ReadyToPrint = std::function<bool()>;
using ReportSource = std::function<ReportJob()>;

// A window's Print and Print Preview buttons: each runs `ready` first, when
// given, and prints nothing when it answers false; then the report that `job`
// makes as the window stands, named `report`, goes to the print dialog or the
// preview over `owner`'s window. `context` lives as long as `owner`.
void ConnectPrinting(QWidget* owner, QAbstractButton* print, QAbstractButton* preview,
                     const UiContext& context, const QString& report, ReadyToPrint ready,
                     ReportSource job);

// A page's Calculate, Print and Print Preview side by side, packed to the left
// of `row`: Calculate runs `calculate`, and so do Print and Print Preview
// before they print the page's report (ConnectPrinting).
struct CalculateAndPrint {
    QPushButton* calculate;
    QPushButton* print;
    QPushButton* preview;
    QHBoxLayout* row;
};
struct CalculateAndPrintNames {
    const char* calculate;
    const char* print;
    const char* preview;
};
CalculateAndPrint CalculateAndPrintButtons(QWidget* page, const UiContext& context,
                                           const CalculateAndPrintNames& names,
                                           const QString& report, ReadyToPrint calculate,
                                           ReportSource job);

}  // namespace corbel::ui
