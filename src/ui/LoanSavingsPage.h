#pragma once

#include <QWidget>

#include "ui/UiContext.h"

class QLineEdit;

namespace corbel::ui {

// The loan savings page: its tab is never shown, but its five fields travel in
// the saved loan file and their change handler still checks what they receive.
class LoanSavingsPage : public QWidget {
    Q_OBJECT
  public:
    LoanSavingsPage(const UiContext& context, SharedState& state, QWidget* parent = nullptr);

    QLineEdit* MSavingsAmount;
    QLineEdit* mperiod;
    QLineEdit* minterest;
    QLineEdit* reducedperiod;
    QLineEdit* investrate;

    void MSavingsAmountChange(QLineEdit* sender);

  private:
    UiContext context_;
    SharedState& state_;
};

}  // namespace corbel::ui
