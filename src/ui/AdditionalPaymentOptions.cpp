// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/AdditionalPaymentOptions.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/Controls.h"
#include "ui/Palette.h"

namespace corbel::ui {

namespace {

constexpr QSize ClientArea(341, 150);

// A bold purple caption that wraps, standing for the radio button before it.
QLabel* ChoiceCaption(const char* name, const QString& text, QRadioButton* choice,
                      QWidget* parent) {
    auto* label = Caption(name, text, parent);
    label->setWordWrap(true);
    MakeBold(label, Purple);
    label->setCursor(Qt::PointingHandCursor);
    // The button has no text of its own; readers of the screen take the caption.
    choice->setAccessibleName(text);
    return label;
}

}  // namespace

AdditionalPaymentOptions::AdditionalPaymentOptions(QWidget* parent) : QDialog(parent) {
    setObjectName("APOPTIONS");
    setWindowTitle("Additional Payment Options");
    MakeModalWindow(this);
    specificChoice_ = Named(new QRadioButton(this), "Specific");
    tableChoice_ = Named(new QRadioButton(this), "Grid");
    specificChoice_->setChecked(true);
    specificCaption_ = ChoiceCaption(
        "Label1", "Calculate the effects of a specific additional payment", specificChoice_, this);
    tableCaption_ = ChoiceCaption(
        "Label2",
        "Compare the additional payments required to reduce the Loan by different periods.",
        tableChoice_, this);
    specificCaption_->installEventFilter(this);
    tableCaption_->installEventFilter(this);
    okButton_ = Named(new QPushButton("OK", this), "BitBtn2");
    cancelButton_ = Named(new QPushButton("Cancel", this), "BitBtn1");
    okButton_->setDefault(true);

    auto* choices = new QGridLayout;
    choices->addWidget(specificChoice_, 0, 0, Qt::AlignTop);
    choices->addWidget(specificCaption_, 0, 1);
    choices->addWidget(tableChoice_, 1, 0, Qt::AlignTop);
    choices->addWidget(tableCaption_, 1, 1);
    choices->setColumnStretch(1, 1);
    choices->setVerticalSpacing(12);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addStretch(1);
    layout->addLayout(buttons);

    ChainTabOrder({specificChoice_, tableChoice_, okButton_, cancelButton_});
    connect(okButton_, &QPushButton::clicked, this, &AdditionalPaymentOptions::handOverChoice);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);

    // The captions wrap within the given width; the height follows from them.
    resize(ClientArea);
    setFixedSize(ClientArea.width(),
                 std::max(ClientArea.height(), layout->totalHeightForWidth(ClientArea.width())));
}

AdditionalPaymentChoice AdditionalPaymentOptions::choice() const {
    return tableChoice_->isChecked() ? AdditionalPaymentChoice::Table
                                     : AdditionalPaymentChoice::Specific;
}

void AdditionalPaymentOptions::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnScreen(this);
}

bool AdditionalPaymentOptions::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        // A caption stands for the choice before it.
        for (auto [caption, choice] : {std::pair{specificCaption_, specificChoice_},
                                       std::pair{tableCaption_, tableChoice_}}) {
            if (watched == caption) {
                choice->setChecked(true);
                choice->setFocus();
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void AdditionalPaymentOptions::handOverChoice() {
    emit chosen(choice());
    // Back from the chosen window, the options close too.
    accept();
}

}  // namespace corbel::ui
