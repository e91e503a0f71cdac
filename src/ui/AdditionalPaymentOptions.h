// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QRadioButton;

namespace corbel::ui {

// The two analyses the options window offers.
enum class AdditionalPaymentChoice { Specific, Table };

// The additional payment options window: which analysis to show. Its OK hands
// the choice to whoever opened it and closes once the chosen window has closed.
class AdditionalPaymentOptions : public QDialog {
    Q_OBJECT
  public:
    explicit AdditionalPaymentOptions(QWidget* parent = nullptr);

    AdditionalPaymentChoice choice() const;

  signals:
    // OK was pressed; the chosen window is shown before this returns.
    void chosen(AdditionalPaymentChoice choice);

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // OK: hands the choice over, then closes.
    void handOverChoice();

    // Each control is created with its given name (in quotes).
    QRadioButton* specificChoice_;  // "Specific"
    QLabel* specificCaption_;       // "Label1"; a click on it chooses it
    QRadioButton* tableChoice_;     // "Grid"
    QLabel* tableCaption_;          // "Label2"; a click on it chooses it
    QPushButton* okButton_;         // "BitBtn2"
    QPushButton* cancelButton_;     // "BitBtn1"
};

}  // namespace corbel::ui
