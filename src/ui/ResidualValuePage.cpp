#include "ResidualValuePage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "Controls.h"
#include "ErrorChecking.h"
#include "LoanPage.h"
#include "Palette.h"
#include "Pictures.h"

namespace corbel::ui {

ResidualValuePage::ResidualValuePage(const UiContext& context, QWidget* parent)
    : QWidget(parent), context_(context) {
    auto* heading = Caption("Label38", "Residual Value", this);
    MakeHeading(heading, 4);

    auto input = [this](const char* name, int maxLength, const char* text) {
        auto* e = Named(new QLineEdit(text, this), name);
        e->setMaxLength(maxLength);
        MakeInputField(e);
        return e;
    };
    auto result = [this](const char* name) {
        auto* e = Named(new QLineEdit(this), name);
        MakeResultField(e);
        e->setFocusPolicy(Qt::ClickFocus);
        e->setMinimumWidth(fontMetrics().horizontalAdvance("$999,999,999.99") + 8);
        return e;
    };
    RVAmount = input("RVAmount", 9, "10000");
    RVInterest = input("RVInterest", 5, "10");
    RVPeriod = input("RVPeriod", 2, "5");
    RVPartYear = input("RVPartYear", 3, "");
    for (QLineEdit* e : {RVPeriod, RVPartYear}) {
        e->setMaximumWidth(fontMetrics().horizontalAdvance(QString(5, '9')));
    }
    for (QLineEdit* e : {RVAmount, RVInterest}) {
        e->setMaximumWidth(fontMetrics().horizontalAdvance(QString(14, '9')));
    }
    Label90 = Caption("Label90", "Months", this);

    auto* fields = new QGridLayout;
    fields->addWidget(Caption("Label1", "Loan Amount", this), 0, 0);
    fields->addWidget(RVAmount, 0, 1, 1, 4);
    fields->addWidget(Caption("Label5", "Interest Rate", this), 1, 0);
    fields->addWidget(RVInterest, 1, 1, 1, 4);
    fields->addWidget(Caption("Label22", "Period", this), 2, 0);
    fields->addWidget(RVPeriod, 2, 1);
    fields->addWidget(Caption("Label96", "Years", this), 2, 2);
    fields->addWidget(RVPartYear, 2, 3);
    fields->addWidget(Label90, 2, 4);

    auto* repayment = Named(new QGroupBox("Repayment", this), "RVRepaymentGroup");
    RVPayment = Named(new QComboBox(repayment), "RVPayment");
    FillFrequencyList(RVPayment);
    (new QVBoxLayout(repayment))->addWidget(RVPayment);
    auto* interest = Named(new QGroupBox("Interest", this), "RVInterestGroup");
    RVCompounded = Named(new QComboBox(interest), "RVCompounded");
    FillFrequencyList(RVCompounded);
    auto* interestLayout = new QVBoxLayout(interest);
    interestLayout->addWidget(Caption("Label21", "Compounded", interest));
    interestLayout->addWidget(RVCompounded);

    BitBtn3 = Named(new QPushButton("Calculate", this), "BitBtn3");
    PrintRVDetailsBtn = Named(new QPushButton("Print", this), "PrintRVDetailsBtn");
    PrintRVDetailsBtn->setIcon(Icon(Picture::Print));

    Panel9 = new CaptionPanel("Panel9", "   Monthly Repayment with no Residual Value", this);
    RVMRepayment = result("RVMRepayment");
    Panel9->addWidget(RVMRepayment);

    Label23 = Caption("Label23", "Proposed Monthly Repayment of", this);
    RVResValue = input("RVResValue", 9, "");
    RV1 = result("RV1");
    RV1Percent = result("RV1Percent");
    RV1Percent->setMinimumWidth(fontMetrics().horizontalAdvance("99999.99") + 8);
    RV1Percent->setMaximumWidth(fontMetrics().horizontalAdvance("999999.99") + 8);

    RV2Percent = input("RV2Percent", 5, "");
    RV2 = result("RV2");
    for (QLineEdit* e : {RVResValue, RV2Percent}) {
        e->setMaximumWidth(fontMetrics().horizontalAdvance(QString(12, '9')));
    }
    Label29 = Caption("Label29", Q(InitialRequiresCaption), this);
    RVMR = result("RVMR");

    // Each sentence reads across its rows: the proposed repayment leaves a residual,
    // a chosen residual needs a repayment.
    auto* leaves = new QHBoxLayout;
    leaves->addWidget(RV1);
    leaves->addWidget(Caption("Label26", "or", this));
    leaves->addWidget(RV1Percent);
    leaves->addWidget(Caption("Label25", "%", this));
    leaves->addStretch(1);
    auto* results = new QGridLayout;
    results->addWidget(Label23, 0, 0);
    results->addWidget(RVResValue, 0, 1);
    results->addWidget(Caption("Label24", "leaves a residual value of", this), 1, 0,
                       Qt::AlignRight);
    results->addLayout(leaves, 1, 1);
    results->addWidget(Caption("Label27", "Residual Value of", this), 2, 0);
    results->addWidget(RV2Percent, 2, 1);
    results->addWidget(Caption("Label28", "% leaves a Residual Value of", this), 3, 0,
                       Qt::AlignRight);
    results->addWidget(RV2, 3, 1, Qt::AlignLeft);
    results->addWidget(Label29, 4, 0, Qt::AlignRight);
    results->addWidget(RVMR, 4, 1, Qt::AlignLeft);
    results->setColumnStretch(1, 1);

    auto* options = new QVBoxLayout;
    options->addWidget(repayment);
    options->addWidget(interest);
    auto* top = new QHBoxLayout;
    top->addLayout(fields, 1);
    top->addLayout(options);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BitBtn3);
    buttons->addWidget(PrintRVDetailsBtn);
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->addWidget(Panel9);
    layout->addLayout(results);
    layout->addStretch(1);

    QWidget* order[] = {RVAmount,     RVInterest, RVPeriod,          RVPartYear, RVPayment,
                        RVCompounded, BitBtn3,    PrintRVDetailsBtn, RVResValue, RV2Percent};
    for (std::size_t k = 1; k < std::size(order); ++k) {
        setTabOrder(order[k - 1], order[k]);
    }
    for (QLineEdit* e : {RVAmount, RVInterest, RVPeriod, RVPartYear, RVResValue, RV2Percent}) {
        connect(e, &QLineEdit::returnPressed, BitBtn3, &QPushButton::click);
    }
    connect(RVPayment, &QComboBox::currentIndexChanged, this, &ResidualValuePage::RVPaymentChange);
    connect(BitBtn3, &QPushButton::clicked, this, &ResidualValuePage::BitBtn3Click);
    // Print calculates as Calculate does; the printed report comes with the reports.
    connect(PrintRVDetailsBtn, &QPushButton::clicked, this, &ResidualValuePage::BitBtn3Click);
}

ResidualTexts ResidualValuePage::texts() const {
    ResidualTexts texts;
    texts.amount = RVAmount->text().toStdString();
    texts.rate = RVInterest->text().toStdString();
    texts.years = RVPeriod->text().toStdString();
    texts.parts = RVPartYear->text().toStdString();
    texts.proposed = RVResValue->text().toStdString();
    texts.residualPercent = RV2Percent->text().toStdString();
    texts.repayment = SelectedFrequency(RVPayment);
    texts.compounding = SelectedFrequency(RVCompounded);
    return texts;
}

void ResidualValuePage::setCaptions(const ResidualCaptions& captions) {
    Panel9->setCaption(Q(captions.noResidual));
    Label23->setText(Q(captions.proposed));
    Label29->setText(Q(captions.requiresRepayment));
}

void ResidualValuePage::RVPaymentChange() {
    const PaymentFrequency frequency = SelectedFrequency(RVPayment);
    setCaptions(ResidualCaptionsFor(frequency));
    ShowPartYearFor(frequency, RVPartYear, Label90);
}

void ResidualValuePage::BitBtn3Click() {
    RVAmount->setFocus();
    for (QLineEdit* e : {RVMRepayment, RV1, RV1Percent, RV2, RVMR}) {
        e->clear();
    }
    const auto result = CalculateResidualValue(texts(), context_.regional);
    if (!result) {
        context_.dialogs.showMessage(window(), result.failure());
        return;
    }
    const Regional& regional = context_.regional;
    setCaptions(result->captions);
    RVMRepayment->setText(Q(FormatMoney(regional, result->noResidualRepayment)));
    if (result->refusal) {
        context_.dialogs.showMessage(window(), *result->refusal);
        return;
    }
    if (result->residual) {
        RV1->setText(Q(FormatMoney(regional, *result->residual)));
        RV1Percent->setText(Q(*result->residualPercentText));
    }
    if (result->repaymentForResidual) {
        RVMR->setText(Q(FormatMoney(regional, *result->repaymentForResidual)));
        RV2->setText(Q(FormatMoney(regional, *result->residualMoney)));
    }
}

}  // namespace corbel::ui
