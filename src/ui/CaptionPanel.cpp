// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/CaptionPanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "ui/Controls.h"

namespace corbel::ui {

CaptionPanel::CaptionPanel(const QString& objectName, const QString& caption, QWidget* parent)
    : QFrame(parent), caption_(new QLabel(caption, this)), layout_(new QHBoxLayout(this)) {
    setObjectName(objectName);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    caption_->setTextFormat(Qt::PlainText);  // the captions' leading blanks are kept
    caption_->setObjectName(objectName + "Caption");
    layout_->setContentsMargins(4, 4, 4, 4);
    layout_->addWidget(caption_, 1);
}

QString CaptionPanel::caption() const {
    return caption_->text();
}
void CaptionPanel::setCaption(const QString& caption) {
    caption_->setText(caption);
    nameFields();
}
void CaptionPanel::reserveCaptionWidth(const QStringList& captions) {
    ReserveWidth(caption_, captions);
}
void CaptionPanel::addWidget(QWidget* widget, int stretch) {
    layout_->addWidget(widget, stretch);
    if (qobject_cast<QLineEdit*>(widget)) {
        fields_ << widget;
        nameFields();
    }
}

void CaptionPanel::nameFields() {
    // Screen readers name the fields by the caption, without its leading blanks.
    for (QWidget* field : fields_) {
        field->setAccessibleName(caption_->text().trimmed());
    }
}

}  // namespace corbel::ui
