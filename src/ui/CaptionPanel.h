// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFrame>
#include <QList>
#include <QString>
#include <QStringList>

class QHBoxLayout;
class QLabel;

namespace corbel::ui {

// A raised panel with a caption on its left and room for controls after it.
class CaptionPanel : public QFrame {
    Q_OBJECT
  public:
    CaptionPanel(const QString& objectName, const QString& caption, QWidget* parent = nullptr);

    QString caption() const;
    void setCaption(const QString& caption);
    // Keeps room for the widest of the captions the panel can show.
    void reserveCaptionWidth(const QStringList& captions);
    // Adds a control after the caption; a field is named by the caption.
    void addWidget(QWidget* widget, int stretch = 0);

  private:
    void nameFields();

    QLabel* caption_;
    QHBoxLayout* layout_;
    QList<QWidget*> fields_;
};

}  // namespace corbel::ui
