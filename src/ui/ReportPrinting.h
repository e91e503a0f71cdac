// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/PrinterDevice.h"
#include "ui/UiContext.h"

class QPushButton;
class QWidget;

namespace corbel::ui {

// A window's Print: the print dialog, then the report on the printer chosen
// there; a printer that fails shows its message. Cancel prints nothing.
void PrintWithDialog(QWidget* window, const UiContext& context, const ReportJob& job);

// A window's Print Preview: the same report drawn into the print preview.
void PreviewWithDialog(QWidget* window, const UiContext& context, const ReportJob& job);

// The Print Preview button that stands beside a Print button.
QPushButton* PreviewButton(const char* name, QWidget* parent);

}  // namespace corbel::ui
