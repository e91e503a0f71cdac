// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/HelpWindow.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFrame>
#include <QVBoxLayout>

namespace corbel::ui {

HelpWindow::HelpWindow(const QString& helpFile, QWidget* parent)
    : QDialog(parent), helpFile_(helpFile), browser_(new QTextBrowser(this)) {
    setObjectName("HelpWindow");
    setWindowTitle("Corbelwright Help");
    browser_->setObjectName("HelpBrowser");
    browser_->setAccessibleName("Help text");
    browser_->setOpenLinks(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->setObjectName("HelpButtons");
    buttons->button(QDialogButtonBox::Close)->setObjectName("HelpCloseBtn");
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_, 1);
    layout->addWidget(buttons);
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
    // A modal window blocks every window but its own; help asked for from one
    // takes its turn on top of it, and is an ordinary window otherwise.
    const QWidget* modal = QApplication::activeModalWidget();
    const Qt::WindowModality wanted = modal && modal != this ? Qt::ApplicationModal : Qt::NonModal;
    if (windowModality() != wanted) {
        hide();
        setWindowModality(wanted);
    }
    browser_->setHtml(QString::fromUtf8(file.readAll()));
    leaveRoomAfterTheLastSection();
    show();
    raise();
    activateWindow();
    browser_->scrollToAnchor(anchor(topic));
}

void HelpWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    leaveRoomAfterTheLastSection();
}

void HelpWindow::leaveRoomAfterTheLastSection() {
    // Room of a whole view after the end, so that even the last section can
    // stand at the top of the view.
    QTextFrame* root = browser_->document()->rootFrame();
    QTextFrameFormat format = root->frameFormat();
    format.setBottomMargin(browser_->viewport()->height());
    root->setFrameFormat(format);
}

}  // namespace corbel::ui
