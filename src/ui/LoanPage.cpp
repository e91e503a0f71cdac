// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/LoanPage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include "calc/NumberTexts.h"
#include "calc/Version.h"
#include "report/Reports.h"
#include "ui/Controls.h"
#include "ui/Palette.h"
#include "ui/Pictures.h"
#include "ui/ReportPrinting.h"

namespace corbel::ui {

namespace {

QString PaymentCaption(PaymentFrequency frequency) {
    return Q(LoanPaymentCaption(frequency));
}

}  // namespace

void FillFrequencyList(QComboBox* list) {
    list->setEditable(false);
    for (const auto& info : Frequencies) {
        list->addItem(Q(info.label));
    }
    list->setCurrentIndex(IndexOf(DefaultFrequency));
}

PaymentFrequency SelectedFrequency(const QComboBox* list) {
    return FrequencyAt(std::max(0, list->currentIndex()));
}

LoanPage::LoanPage(const UiContext& context, SharedState& state, QWidget* parent)
    : QWidget(parent), context_(context), state_(state) {
    auto* picture = Named(new QLabel(this), "Image1");
    picture->setPixmap(Pixmap(Picture::House, 40));
    auto* title = Caption("MALabel", Q(ProgramName), this);
    MakeHeading(title, 8);

    auto* amountLabel = Caption("MAmountLabel", "Loan Amount", this);
    MAmount = InputField("MAmount", 9, 10, this);
    auto* periodLabel = Caption("Label4", "Period", this);
    Period = InputField("Period", 2, 3, this);
    auto* yearsLabel = Caption("Label97", "Year(s)", this);
    MPartyear = InputField("MPartyear", 3, 4, this);
    Label98 = Caption("Label98", "Month(s)", this);
    ReservePartYearRoom(MPartyear, Label98);
    auto* rateLabel = Caption("Label3", "Interest Rate", this);
    IRate = InputField("IRate", 8, 10, this);
    auto* percent = Caption("Label99", "%", this);

    auto* fields = new QGridLayout;
    AddRow(fields, 0, amountLabel, {MAmount});
    AddRow(fields, 1, periodLabel, {Period, yearsLabel, MPartyear, Label98});
    AddRow(fields, 2, rateLabel, {IRate, percent});

    auto* repaymentGroup = Named(new QGroupBox("Repayment", this), "GroupBox1");
    MPayment = Named(new QComboBox(repaymentGroup), "MPayment");
    FillFrequencyList(MPayment);
    MArrears = Named(new QRadioButton("In Arrears", repaymentGroup), "MArrears");
    MAdvance = Named(new QRadioButton("In Advance", repaymentGroup), "MAdvance");
    MArrears->setChecked(true);
    auto* repaymentLayout = new QVBoxLayout(repaymentGroup);
    repaymentLayout->addWidget(MPayment);
    repaymentLayout->addWidget(MArrears);
    repaymentLayout->addWidget(MAdvance);

    auto* compoundGroup = Named(new QGroupBox("Interest Compounded", this), "GroupBox2");
    MCompounded = Named(new QComboBox(compoundGroup), "MCompounded");
    FillFrequencyList(MCompounded);
    auto* compoundLayout = new QVBoxLayout(compoundGroup);
    compoundLayout->addWidget(MCompounded);

    auto* options = new QVBoxLayout;
    options->addWidget(repaymentGroup);
    options->addWidget(compoundGroup);

    const QString widestMoney = Q(FormatMoney(context_.regional, -999999999999.99));
    Panel1 = new CaptionPanel("Panel1", PaymentCaption(DefaultFrequency), this);
    QStringList captions;
    for (const auto& info : Frequencies) {
        captions << PaymentCaption(info.frequency);
    }
    Panel1->reserveCaptionWidth(captions);
    MonthlyRepayment = ResultField("MonthlyRepayment", widestMoney, Panel1);
    BitBtn8 = Named(new QPushButton("Last Payment", Panel1), "BitBtn8");
    Panel1->addWidget(MonthlyRepayment);
    Panel1->addWidget(BitBtn8);

    Panel6 = new CaptionPanel("Panel6", "   Total Interest Charges are:", this);
    TotalInterest = ResultField("TotalInterest", widestMoney, Panel6);
    Panel6->addWidget(TotalInterest);
    BitBtn9 = PictureButton("BitBtn9", Picture::Chart, "View a  graph of your Loan", this);

    auto* panel6Row = new QHBoxLayout;
    panel6Row->addWidget(Panel6, 1);
    panel6Row->addWidget(BitBtn9);

    CalMortBtn = Named(new QPushButton("Calculate", this), "CalMortBtn");
    PrintMortBtn = Named(new QPushButton("Print", this), "PrintMortBtn");
    PrintMortBtn->setIcon(Icon(Picture::Print));
    PreviewMortBtn = PreviewButton("PreviewMortBtn", this);
    BitBtn1 = PictureButton("BitBtn1", Picture::Help, "Help", this);
    CalMortBtn->setDefault(false);
    CalMortBtn->setAutoDefault(false);

    MortgageGridBtn = Named(new QPushButton("Loan Grid", this), "MortgageGridBtn");
    SpeedButton2 = Named(new QPushButton("Schedule", this), "SpeedButton2");
    SpeedButton3 = Named(new QPushButton("Additional Payments", this), "SpeedButton3");

    auto* heading = new QHBoxLayout;
    heading->addWidget(picture);
    heading->addWidget(title, 1);

    auto* inputs = new QHBoxLayout;
    inputs->addLayout(fields, 1);
    inputs->addLayout(options);

    auto* actions = new QHBoxLayout;
    actions->addWidget(CalMortBtn);
    actions->addWidget(PrintMortBtn);
    actions->addWidget(PreviewMortBtn);
    actions->addStretch(1);
    actions->addWidget(BitBtn1);

    auto* tables = new QHBoxLayout;
    tables->addWidget(MortgageGridBtn);
    tables->addWidget(SpeedButton2);
    tables->addWidget(SpeedButton3);

    auto* page = new QVBoxLayout(this);
    page->addLayout(heading);
    page->addLayout(inputs);
    page->addWidget(Panel1);
    page->addLayout(panel6Row);
    page->addLayout(actions);
    page->addLayout(tables);
    page->addStretch(1);

    ChainTabOrder({MAmount, Period, MPartyear, IRate, MPayment, MArrears, MAdvance, MCompounded,
                   BitBtn8, BitBtn9, CalMortBtn, PrintMortBtn, PreviewMortBtn, BitBtn1,
                   MortgageGridBtn, SpeedButton2, SpeedButton3});

    const auto unsaved = [this] { state_.LoanSaved = false; };
    for (QLineEdit* edit : {MAmount, Period, MPartyear, IRate}) {
        connect(edit, &QLineEdit::textChanged, this, unsaved);
        // Enter in a field calculates, as the Calculate button does.
        connect(edit, &QLineEdit::returnPressed, CalMortBtn, &QPushButton::click);
    }
    connect(MCompounded, &QComboBox::currentIndexChanged, this, unsaved);
    // A change of timing, not a click on the chosen button, leaves the loan unsaved.
    connect(MArrears, &QRadioButton::toggled, this, unsaved);
    connect(MPayment, &QComboBox::currentIndexChanged, this, &LoanPage::MPaymentChange);
    connect(CalMortBtn, &QPushButton::clicked, this, &LoanPage::CalMortBtnClick);
    // Print calculates as Calculate does, then prints unless a check refused the loan.
    connect(PrintMortBtn, &QPushButton::clicked, this, [this] {
        if (calculate()) {
            PrintWithDialog(window(), context_, "Loan Details", reportJob());
        }
    });
    connect(PreviewMortBtn, &QPushButton::clicked, this, [this] {
        if (calculate()) {
            PreviewWithDialog(window(), context_, "Loan Details", reportJob());
        }
    });
    connect(BitBtn8, &QPushButton::clicked, this, &LoanPage::BitBtn8Click);
    const std::pair<QAbstractButton*, Opener> openers[] = {
        {MortgageGridBtn, Opener::Grid},
        {SpeedButton2, Opener::Schedule},
        {SpeedButton3, Opener::AdditionalPayments},
        {BitBtn9, Opener::Chart}};
    for (const auto& [button, opener] : openers) {
        connect(button, &QAbstractButton::clicked, this,
                [this, opener = opener] { emit openRequested(opener); });
    }
    connect(BitBtn1, &QToolButton::clicked, this,
            [this] { context_.help.showHelp(topic::LoanPage); });
}

PaymentFrequency LoanPage::repayment() const {
    return SelectedFrequency(MPayment);
}

LoanOptions LoanPage::options() const {
    return {repayment(), SelectedFrequency(MCompounded),
            MArrears->isChecked() ? PaymentTiming::InArrears : PaymentTiming::InAdvance};
}

LoanEntry LoanPage::loanEntry() const {
    const LoanOptions chosen = options();
    return {MAmount->text(),  IRate->text(),      Period->text(), MPartyear->text(),
            chosen.repayment, chosen.compounding, chosen.timing};
}

QString LoanPage::partYearUnit() const {
    return Label98->text();
}

void LoanPage::focusAmount() {
    MAmount->setFocus();
}

void LoanPage::relabel(const QString& programName) {
    findChild<QLabel*>("MALabel")->setText(programName);
    findChild<QLabel*>("MAmountLabel")->setText("Loan Amount");
    MortgageGridBtn->setText("Loan Grid");
}

void LoanPage::click(Opener opener) {
    switch (opener) {
        case Opener::Grid:
            MortgageGridBtn->click();
            break;
        case Opener::Schedule:
            SpeedButton2->click();
            break;
        case Opener::AdditionalPayments:
            SpeedButton3->click();
            break;
        case Opener::Chart:
            BitBtn9->click();
            break;
    }
}

void LoanPage::setLoan(const LoanEntry& loan) {
    setInputs(loan);
    MPaymentChange();
}

void LoanPage::clear() {
    setInputs({});
    ShowResult(MonthlyRepayment, QString());
    ShowResult(TotalInterest, QString());
}

void LoanPage::setInputs(const LoanEntry& loan) {
    // Written texts arrive whole; the checks judge them at the next calculation.
    MAmount->setText(loan.amount);
    Period->setText(loan.years);
    MPartyear->setText(loan.parts);
    IRate->setText(loan.rate);
    {
        // The frequency change runs once, after every value is in place.
        const QSignalBlocker blocker(MPayment);
        MPayment->setCurrentIndex(IndexOf(loan.repayment));
    }
    MArrears->setChecked(loan.timing == PaymentTiming::InArrears);
    MAdvance->setChecked(loan.timing == PaymentTiming::InAdvance);
    MCompounded->setCurrentIndex(IndexOf(loan.compounding));
}

LoanTexts LoanPage::texts() const {
    return LoanFieldTexts(MAmount, IRate, Period, MPartyear, options());
}

void LoanPage::MPaymentChange() {
    state_.LoanSaved = false;
    const PaymentFrequency frequency = repayment();
    const bool shown = ShowPartYearFor(frequency, MPartyear, Label98);
    const QString caption = PaymentCaption(frequency);
    if (Panel1->caption() != caption) {
        // The repayment shown was worked out for the frequency its old caption named.
        ShowResult(MonthlyRepayment, QString());
        Panel1->setCaption(caption);
    }
    emit partYearShown(shown);
}

void LoanPage::CalMortBtnClick() {
    calculate();
}

bool LoanPage::calculate() {
    TotalInterest->clear();
    MonthlyRepayment->clear();
    const auto loan = CalculateLoan(texts(), context_.regional);
    if (!loan) {
        context_.dialogs.showMessage(window(), loan.failure());
        return false;
    }
    ShowResult(MonthlyRepayment, Q(FormatMoney(context_.regional, loan->repayment)));
    state_.summary = loan->run;
    if (loan->notice) {
        context_.dialogs.showMessage(window(), *loan->notice);
    }
    ShowResult(TotalInterest, Q(FormatMoney(context_.regional, loan->totalInterest)));
    return true;
}

ReportJob LoanPage::reportJob() const {
    const report::LoanDetailsReport shown{
        report::ReportLoan(texts()), Panel1->caption().toStdString(),
        MonthlyRepayment->text().toStdString(), TotalInterest->text().toStdString()};
    const Regional& regional = context_.regional;
    return [shown, &regional](report::PageDevice& device) {
        return report::PrintLoanDetails(device, shown, regional);
    };
}

void LoanPage::BitBtn8Click() {
    MAmount->setFocus();
    const auto result = LastPayment(texts(), context_.regional);
    if (!result) {
        context_.dialogs.showMessage(window(), result.failure());
        return;
    }
    state_.summary = result->run;
    context_.dialogs.showMessage(window(), result->message);
}

}  // namespace corbel::ui
