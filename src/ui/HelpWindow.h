// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QString>

#include "platform/HelpViewer.h"
#include "platform/SettingsStore.h"

class QTextBrowser;

namespace corbel::ui {

// The help viewer: a window of the program showing the help file, opened with a
// topic's section at the top. A missing help file shows nothing. It opens at
// the size it was last closed at, kept in `settings` when given.
class HelpWindow : public QDialog, public HelpViewer {
    Q_OBJECT
  public:
    explicit HelpWindow(const QString& helpFile, QWidget* parent = nullptr,
                        ProgramSettings* settings = nullptr);

    void showHelp(int topic) override;
    // The anchor of a topic's section in the help file.
    static QString anchor(int topic);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    // Shows the help file's section, as a link to it would.
    void goTo(const QString& section);
    void showSectionAtTop(const QString& section);
    void leaveRoomAfterTheLastSection();

    QString helpFile_;
    QTextBrowser* browser_;
};

}  // namespace corbel::ui
