// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/HeaderBand.h"

#include <QGridLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "calc/Version.h"
#include "ui/Palette.h"
#include "ui/Pictures.h"
#include "ui/UiContext.h"

namespace corbel::ui {

namespace {

QLabel* NameLabel(const char* name, const QColor& colour, QWidget* parent) {
    auto* label = new QLabel(Q(ProgramName), parent);
    label->setObjectName(name);
    MakeBold(label, colour);
    QFont font = label->font();
    font.setItalic(true);
    font.setPointSize(font.pointSize() + 12);
    label->setFont(font);
    return label;
}

}  // namespace

HeaderBand::HeaderBand(QWidget* parent) : QWidget(parent) {
    setObjectName("HeaderBand");
    setMinimumHeight(100);

    auto* nameShadow = NameLabel("HeadingLabel2", QColor(10, 10, 30), this);
    auto* name = NameLabel("HeadingLabel1", QColor(255, 215, 90), this);
    // The shadow sits a few pixels lower and to the right in the same cell.
    nameShadow->setContentsMargins(3, 3, 0, 0);
    name->setContentsMargins(0, 0, 3, 3);

    auto* names = new QGridLayout;
    names->addWidget(nameShadow, 0, 0);
    names->addWidget(name, 0, 0);
    name->raise();

    auto* icon1 = new QLabel(this);
    icon1->setObjectName("Image2");
    icon1->setPixmap(Pixmap(Picture::House, 28));
    auto* icon2 = new QLabel(this);
    icon2->setObjectName("Image3");
    icon2->setPixmap(Pixmap(Picture::Additional, 28));

    auto* top = new QHBoxLayout;
    top->addWidget(icon1);
    top->addLayout(names);
    top->addStretch(1);
    top->addWidget(icon2);

    toolBar_ = new QToolBar(this);
    toolBar_->setObjectName("ToolBar1");
    toolBar_->setIconSize(QSize(24, 24));
    toolBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    // The style's own focus mark is a dark dotted line, lost on the navy band:
    // the button the keyboard is on gets a gold frame instead.
    toolBar_->setStyleSheet(
        "QToolBar { background: transparent; border: none; }"
        "QToolButton:focus { border: 2px solid rgb(255, 215, 90); border-radius: 3px; }");
    // Qt's button for the tool bar's overflow has no name of its own.
    if (auto* more = toolBar_->findChild<QToolButton*>("qt_toolbar_ext_button")) {
        more->setAccessibleName("More Tools");
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 2);
    layout->addLayout(top, 1);
    layout->addWidget(toolBar_);
}

void HeaderBand::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QLinearGradient sky(0, 0, 0, height());
    sky.setColorAt(0, QColor(0, 0, 70));
    sky.setColorAt(1, Navy);
    p.fillRect(rect(), sky);
    // A low skyline of roofs across the band.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 30, 110));
    const int base = height() - 34;
    for (int x = width() / 3, k = 0; x < width(); x += 46, ++k) {
        const int h = 18 + (k * 7) % 20;
        const QPoint roof[] = {{x, base}, {x + 20, base - h}, {x + 40, base}};
        p.drawPolygon(roof, 3);
        p.drawRect(x + 4, base, 32, 10);
    }
}

}  // namespace corbel::ui
