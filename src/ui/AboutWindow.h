// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class QLabel;

namespace corbel::ui {

// The About window: product name, version and OK; shown without blocking.
class AboutWindow : public QDialog {
    Q_OBJECT
  public:
    explicit AboutWindow(QWidget* parent = nullptr);

    void relabel(const QString& programName, const QString& version);

  private:
    QLabel* heading_;  // "HeadingLabel"
    QLabel* version_;  // "VersionLabel"
};

}  // namespace corbel::ui
