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

    void MSavingsAmountChange(QLineEdit* sender);
    // Takes the Loan page's amount, years and rate (each runs the change check).
    void copyLoan(const QString& amount, const QString& years, const QString& rate);

  private:
    QLineEdit* MSavingsAmount;
    QLineEdit* mperiod;
    QLineEdit* minterest;
    QLineEdit* reducedperiod;
    QLineEdit* investrate;
    UiContext context_;
    SharedState& state_;
};

}  // namespace corbel::ui
