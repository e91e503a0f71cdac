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
#include <QScreen>
#include <QVBoxLayout>

#include "ui/Controls.h"

namespace corbel::ui {

namespace {

constexpr QSize ClientArea(341, 150);
const QColor Purple(128, 0, 128);

const char* const SpecificCaption = "Calculate the effects of a specific additional payment";
const char* const TableCaption =
    "Compare the additional payments required to reduce the Loan by different periods.";

// A bold purple caption that wraps, standing for the radio button before it.
QLabel* ChoiceCaption(const char* name, const QString& text, QRadioButton* choice,
                      QWidget* parent) {
    auto* label = Caption(name, text, parent);
    label->setWordWrap(true);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    QPalette purple = label->palette();
    purple.setColor(QPalette::WindowText, Purple);
    label->setPalette(purple);
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
    Specific = Named(new QRadioButton(this), "Specific");
    Grid = Named(new QRadioButton(this), "Grid");
    Specific->setChecked(true);
    Label1 = ChoiceCaption("Label1", SpecificCaption, Specific, this);
    Label2 = ChoiceCaption("Label2", TableCaption, Grid, this);
    Label1->installEventFilter(this);
    Label2->installEventFilter(this);
    BitBtn2 = Named(new QPushButton("OK", this), "BitBtn2");
    BitBtn1 = Named(new QPushButton("Cancel", this), "BitBtn1");
    BitBtn2->setDefault(true);

    auto* choices = new QGridLayout;
    choices->addWidget(Specific, 0, 0, Qt::AlignTop);
    choices->addWidget(Label1, 0, 1);
    choices->addWidget(Grid, 1, 0, Qt::AlignTop);
    choices->addWidget(Label2, 1, 1);
    choices->setColumnStretch(1, 1);
    choices->setVerticalSpacing(12);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BitBtn2);
    buttons->addWidget(BitBtn1);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addStretch(1);
    layout->addLayout(buttons);

    ChainTabOrder({Specific, Grid, BitBtn2, BitBtn1});
    connect(BitBtn2, &QPushButton::clicked, this, &AdditionalPaymentOptions::BitBtn2Click);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);

    // The captions wrap within the given width; the height follows from them.
    resize(ClientArea);
    setFixedSize(ClientArea.width(),
                 std::max(ClientArea.height(), layout->totalHeightForWidth(ClientArea.width())));
}

AdditionalPaymentChoice AdditionalPaymentOptions::choice() const {
    return Grid->isChecked() ? AdditionalPaymentChoice::Table : AdditionalPaymentChoice::Specific;
}

void AdditionalPaymentOptions::relabel() {
    Label2->setText(TableCaption);
    Grid->setAccessibleName(TableCaption);
}

void AdditionalPaymentOptions::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* shown = screen()) {
        move(shown->availableGeometry().center() - rect().center());
    }
}

bool AdditionalPaymentOptions::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == Label1) {
            Label1Click();
        } else if (watched == Label2) {
            Label2Click();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void AdditionalPaymentOptions::Label1Click() {
    Specific->setChecked(true);
    Specific->setFocus();
}

void AdditionalPaymentOptions::Label2Click() {
    Grid->setChecked(true);
    Grid->setFocus();
}

void AdditionalPaymentOptions::BitBtn2Click() {
    emit chosen(choice());
    // Back from the chosen window, the options close too.
    accept();
}

}  // namespace corbel::ui
