// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardPaths>
#include <QString>
#include <algorithm>

#include "platform/Dialogs.h"
#include "platform/QtText.h"

namespace corbel {

namespace {

QMessageBox::Icon IconOf(MessageKind kind) {
    switch (kind) {
        case MessageKind::Confirm:
            return QMessageBox::Question;
        case MessageKind::Error:
            return QMessageBox::Critical;
        case MessageKind::Information:
            break;
    }
    return QMessageBox::Information;
}

std::optional<QString> ChooseFile(QFileDialog& dialog, const FileDialogSetup& setup) {
    dialog.setNameFilter(setup.filter);
    dialog.setDirectory(setup.folder);
    if (!setup.name.isEmpty()) {
        dialog.selectFile(setup.name);
    }
    // The extension the program asks for, and no other; where it offers several
    // kinds of file, the kind chosen in the dialog.
    dialog.setDefaultSuffix(setup.suffix);
    if (!setup.suffix.isEmpty()) {
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog](const QString& filter) {
                             static const QRegularExpression pattern(R"(\*\.(\w+))");
                             const QRegularExpressionMatch kind = pattern.match(filter);
                             if (kind.hasMatch()) {
                                 dialog.setDefaultSuffix(kind.captured(1));
                             }
                         });
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().front();
}

}  // namespace

QtDialogs::QtDialogs() = default;
QtDialogs::~QtDialogs() = default;

QPrinter& QtDialogs::printer(const QString& pdfFile) {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    // A printer chosen last time stays chosen; printing to a file offers the
    // report's own file, never the one the last report went to.
    const bool toFile = printer_->outputFormat() == QPrinter::PdfFormat ||
                        QPrinterInfo::availablePrinterNames().isEmpty();
    if (toFile && !pdfFile.isEmpty()) {
        printer_->setOutputFileName(pdfFile);
    }
    return *printer_;
}

QPrinter* QtDialogs::choosePrinter(QWidget* parent, const QString& pdfFile) {
    QPrintDialog dialog(&printer(pdfFile), parent);
    return dialog.exec() == QDialog::Accepted ? printer_.get() : nullptr;
}

QString QtDialogs::showPrintPreview(QWidget* parent, QPageLayout::Orientation orientation,
                                    const QString& pdfFile, const PaintDocument& paint) {
    printer(pdfFile);
    printer_->setPageOrientation(orientation);
    QPrintPreviewDialog dialog(printer_.get(), parent);
    // Large enough to read a page at once: most of the screen's height, as wide
    // as an upright page needs, the page's width fitted to the view.
    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        const int height = area.height() * 9 / 10;
        dialog.resize(std::min(area.width() * 9 / 10, height * 17 / 20), height);
    }
    if (auto* fitWidth = dialog.findChild<QAction*>("fitWidthAction")) {
        fitWidth->trigger();
    }
    // The preview frames its pages by the printer's layout after the drawing,
    // which may have put back an orientation of its own.
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint, orientation](QPrinter* printer) {
                         paint(*printer);
                         printer->setPageOrientation(orientation);
                     });
    // The preview closes itself as accepted once its own Print has printed.
    const bool printed = dialog.exec() == QDialog::Accepted;
    return printed && printer_->outputFormat() == QPrinter::PdfFormat ? printer_->outputFileName()
                                                                      : QString();
}

void QtDialogs::showMessage(QWidget* parent, const Message& message) {
    const MessageKind kind = KindOf(message.cause);
    QMessageBox box(IconOf(kind), Q(Title(kind)), Q(message.text), QMessageBox::Ok, parent);
    box.exec();
}

Answer QtDialogs::askYesNoCancel(QWidget* parent, const Message& question) {
    const MessageKind kind = KindOf(question.cause);
    QMessageBox box(IconOf(kind), Q(Title(kind)), Q(question.text),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

std::optional<QString> QtDialogs::openFileName(QWidget* parent, const FileDialogSetup& setup) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // A name of no existing file is taken too; loading it reports why it failed.
    dialog.setFileMode(QFileDialog::AnyFile);
    return ChooseFile(dialog, setup);
}

std::optional<QString> QtDialogs::saveFileName(QWidget* parent, const FileDialogSetup& setup) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !setup.confirmReplace);
    return ChooseFile(dialog, setup);
}

QString DocumentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QString FileDialogStartFolder(const QString& programFolder) {
    const QFileInfo program(programFolder);
    if (program.isDir() && program.isWritable())
        return programFolder;
    return DocumentsFolder();
}

}  // namespace corbel
