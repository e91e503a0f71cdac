#include <QMessageBox>
#include <QString>

#include "platform/Dialogs.h"

namespace corbel {

void QtDialogs::showMessage(QWidget* parent, const Message& message) {
    QMessageBox box(
        message.kind == MessageKind::Confirm ? QMessageBox::Question : QMessageBox::Information,
        QString::fromUtf8(Title(message.kind)), QString::fromStdString(message.text),
        QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace corbel
