// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class QToolBar;

namespace corbel::ui {

// The dark navy band across the top of the main window: a drawn picture, the
// product name with its shadow, two small icons, and the tool bar along its foot.
class HeaderBand : public QWidget {
    Q_OBJECT
  public:
    explicit HeaderBand(QWidget* parent = nullptr);

    // The tool bar along the band's foot, which the main window fills.
    QToolBar* toolBar() const { return toolBar_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QToolBar* toolBar_;
};

}  // namespace corbel::ui
