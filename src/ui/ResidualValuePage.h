#pragma once

#include <QWidget>

#include "calc/ResidualValue.h"
#include "ui/CaptionPanel.h"
#include "ui/UiContext.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace corbel::ui {

// The Residual Value page: the repayment that leaves no residual value, the
// residual a smaller repayment leaves, and the repayment for a chosen residual.
class ResidualValuePage : public QWidget {
    Q_OBJECT
  public:
    ResidualValuePage(const UiContext& context, QWidget* parent = nullptr);

    void RVPaymentChange();
    // Calculate, and for Print the calculation before printing.
    void BitBtn3Click();

  private:
    QLineEdit* RVAmount;
    QLineEdit* RVInterest;
    QLineEdit* RVPeriod;
    QLineEdit* RVPartYear;
    QLabel* Label90;
    QComboBox* RVPayment;
    QComboBox* RVCompounded;
    QPushButton* BitBtn3;
    QPushButton* PrintRVDetailsBtn;
    CaptionPanel* Panel9;
    QLineEdit* RVMRepayment;
    QLabel* Label23;
    QLineEdit* RVResValue;
    QLineEdit* RV1;
    QLineEdit* RV1Percent;
    QLineEdit* RV2Percent;
    QLineEdit* RV2;
    QLabel* Label29;
    QLineEdit* RVMR;
    ResidualTexts texts() const;
    void setCaptions(const ResidualCaptions& captions);

    UiContext context_;
};

}  // namespace corbel::ui
