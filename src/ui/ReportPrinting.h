// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include "platform/PrinterDevice.h"
#include "ui/UiContext.h"

class QPushButton;
class QWidget;

namespace corbel::ui {

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

}  // namespace corbel::ui
