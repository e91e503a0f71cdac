// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/HelpWindow.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFrame>
#include <QUrl>
#include <QVBoxLayout>

#include "ui/WindowMemory.h"

namespace corbel::ui {

HelpWindow::HelpWindow(const QString& helpFile, QWidget* parent, ProgramSettings* settings)
    : QDialog(parent), helpFile_(helpFile), browser_(new QTextBrowser(this)) {
    setObjectName("HelpWindow");
    setWindowTitle("Corbelwright Help");
    browser_->setObjectName("HelpBrowser");
    browser_->setAccessibleName("Help text");
    browser_->setOpenLinks(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->setObjectName("HelpButtons");
    buttons->button(QDialogButtonBox::Close)->setObjectName("HelpCloseBtn");
    // A way back from every link, as in any help viewer: Back (Alt+Left) and
    // Contents (Alt+Home).
    auto* back = buttons->addButton("Back", QDialogButtonBox::ActionRole);
    back->setObjectName("HelpBackBtn");
    back->setToolTip("Back (Alt+Left)");
    back->setEnabled(false);
    auto* contents = buttons->addButton("Contents", QDialogButtonBox::ActionRole);
    contents->setObjectName("HelpContentsBtn");
    contents->setToolTip("Contents (Alt+Home)");
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(contents, &QPushButton::clicked, this, [this] { goTo(anchor(0)); });
    // The browser reads the file afresh for every link: each time the room after
    // the last section is made again, and the section put at the top.
    connect(browser_, &QTextBrowser::sourceChanged, this, [this](const QUrl& url) {
        leaveRoomAfterTheLastSection();
        if (url.hasFragment()) {
            showSectionAtTop(url.fragment());
        }
    });
    connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Left), this), &QShortcut::activated,
            browser_, &QTextBrowser::backward);
    connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Home), this), &QShortcut::activated, this,
            [this] { goTo(anchor(0)); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_, 1);
    layout->addWidget(buttons);
    resize(560, 480);
    new WindowMemory(this, settings, WindowKeeps::Size);
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
    const bool first = browser_->source().isEmpty();
    if (first) {
        // Opened by its address, so that the browser keeps the way back.
        browser_->setSource(QUrl::fromLocalFile(helpFile_), QTextDocument::HtmlResource);
    }
    show();
    raise();
    activateWindow();
    goTo(anchor(topic));
    if (first) {
        browser_->clearHistory();  // the way back starts at the topic asked for
    }
}

void HelpWindow::goTo(const QString& section) {
    QUrl url = QUrl::fromLocalFile(helpFile_);
    url.setFragment(section);
    browser_->setSource(url, QTextDocument::HtmlResource);
}

void HelpWindow::showSectionAtTop(const QString& section) {
    // The top of the block that holds the anchor, heading and all: the
    // browser's own scroll stops at the anchor's text, below a heading's top.
    QTextDocument* document = browser_->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().anchorNames().contains(section)) {
                browser_->verticalScrollBar()->setValue(
                    qRound(document->documentLayout()->blockBoundingRect(block).top()));
                return;
            }
        }
    }
    browser_->scrollToAnchor(section);
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
