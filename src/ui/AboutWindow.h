// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

namespace corbel::ui {

// The About window: product name, version and OK; shown without blocking.
class AboutWindow : public QDialog {
    Q_OBJECT
  public:
    explicit AboutWindow(QWidget* parent = nullptr);
};

}  // namespace corbel::ui
