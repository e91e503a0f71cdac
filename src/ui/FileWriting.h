// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <string_view>

#include "platform/PrinterDevice.h"
#include "ui/UiContext.h"

class QPrinter;
class QWidget;

namespace corbel::ui {

// Every file a window writes goes through ReplaceFile: written whole or not at
// all. A failure is shown naming the file and the system's reason.

// Writes `bytes` as the file `path`; false when it failed and was shown.
bool WriteFileOrSay(QWidget* window, const UiContext& context, const QString& path,
                    std::string_view bytes);

// Writes the document into the PDF file the printer was set to in the print
// dialog; false when it failed and was shown.
bool WritePdfOrSay(QWidget* window, const UiContext& context, const QPrinter& printer,
                   const PaintDocument& paint);

// The file system's bytes of a file name the program holds as text.
std::string FileSystemName(const QString& path);

}  // namespace corbel::ui
