#include "HelpWindow.h"

#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace corbel::ui {

HelpWindow::HelpWindow(const QString& helpFile, QWidget* parent)
    : QDialog(parent), helpFile_(helpFile), browser_(new QTextBrowser(this)) {
    setObjectName("HelpWindow");
    setWindowTitle("Corbelwright Help");
    browser_->setObjectName("HelpBrowser");
    browser_->setOpenLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(560, 480);
}

QString HelpWindow::anchor(int topic) {
    return topic == 0 ? QStringLiteral("contents") : QStringLiteral("topic%1").arg(topic);
}

void HelpWindow::showHelp(int topic) {
    QFile file(helpFile_);
    if (!file.open(QIODevice::ReadOnly)) {
        return;  // no help file, no help and no message
    }
    browser_->setHtml(QString::fromUtf8(file.readAll()));
    show();
    raise();
    browser_->scrollToAnchor(anchor(topic));
}

}  // namespace corbel::ui
