#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QString>

#include "platform/Dialogs.h"

namespace corbel {

QtDialogs::QtDialogs() = default;
QtDialogs::~QtDialogs() = default;

QPrinter* QtDialogs::choosePrinter(QWidget* parent) {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    QPrintDialog dialog(printer_.get(), parent);
    return dialog.exec() == QDialog::Accepted ? printer_.get() : nullptr;
}

void QtDialogs::showPrintPreview(QWidget* parent, const PaintDocument& paint) {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    QPrintPreviewDialog dialog(printer_.get(), parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint](QPrinter* printer) { paint(*printer); });
    dialog.exec();
}

void QtDialogs::showMessage(QWidget* parent, const Message& message) {
    QMessageBox box(
        message.kind == MessageKind::Confirm ? QMessageBox::Question : QMessageBox::Information,
        QString::fromUtf8(Title(message.kind)), QString::fromStdString(message.text),
        QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace corbel
