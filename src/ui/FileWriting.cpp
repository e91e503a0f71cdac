// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/FileWriting.h"

#include <QFile>
#include <QPrinter>

#include "storage/FileAccess.h"

namespace corbel::ui {

namespace {

bool SayIfFailed(QWidget* window, const UiContext& context, const QString& path,
                 const std::optional<std::string>& failure) {
    if (failure) {
        context.dialogs.showMessage(
            window, Message{MessageCause::FileFailed,
                            Fill(msg::CouldNotWrite, {path.toStdString(), *failure})});
    }
    return !failure;
}

}  // namespace

std::string FileSystemName(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

bool WriteFileOrSay(QWidget* window, const UiContext& context, const QString& path,
                    std::string_view bytes) {
    return SayIfFailed(window, context, path, ReplaceFile(FileSystemName(path), bytes));
}

bool WritePdfOrSay(QWidget* window, const UiContext& context, const QPrinter& printer,
                   const PaintDocument& paint) {
    const QString path = printer.outputFileName();
    return SayIfFailed(window, context, path, WritePdfFile(FileSystemName(path), printer, paint));
}

}  // namespace corbel::ui
