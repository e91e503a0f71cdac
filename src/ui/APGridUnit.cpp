// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/APGridUnit.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "calc/NumberTexts.h"
#include "report/Reports.h"
#include "ui/Controls.h"
#include "ui/Palette.h"
#include "ui/Pictures.h"
#include "ui/ReportPrinting.h"
#include "ui/TableCopy.h"

namespace corbel::ui {

namespace {

constexpr QSize ClientArea(537, 382);
constexpr int ColumnWidths[TermReductionColumnCount] = {84, 135, 97, 98, 98};

const char* const Note =
    "The table below shows the additional payment required to pay off the Loan in the number "
    "of years indicated. It also shows the saving on interest charges achieved by paying off the "
    "Loan in a shorter period.";

}  // namespace

TAdditionalP::TAdditionalP(const UiContext& context, LoanOptionsSource options, QWidget* parent)
    : QDialog(parent),
      context_(context),
      options_(std::move(options)),
      model_(new TermReductionModel(context.regional, TermReductionColumnCount,
                                    TermReductionCellText, this)) {
    setObjectName("AdditionalP");
    const TableWindowFrame frame = MakeTableWindowFrame(
        this, "Additional Payments", {"SpeedButton2", "SpeedButton1", "BitBtn1", "BitBtn2"},
        topic::AdditionalPaymentsTable, context.help);
    Label1 = frame.heading;
    Label1->setObjectName("Label1");
    SpeedButton2 = frame.calculate;
    SpeedButton1 = frame.ok;
    BitBtn2 = frame.help;
    BitBtn1 = frame.print;
    PreviewBtn = frame.preview;
    const PlainRowsSource plain = [this] {
        return TermReductionPlainRows(model_->rows(), headingWord_);
    };
    frame.buttons->insertWidget(4, ExportButton(this, context_, "Additional Payments.csv", plain));

    APAmount = InputField("APAmount", 0, 10, this);
    APInterest = InputField("APInterest", 0, 10, this);
    APPeriod = InputField("APPeriod", 0, 3, this);
    PartYear = InputField("PartYear", 0, 4, this);

    // The current repayment: the frequency word over "Repayment", then the amount.
    Label5 = Caption("Label5", QString(), this);
    QStringList words;
    for (const auto& info : Frequencies) {
        words << Q(info.termTableWordOpened) << Q(info.termTableWordCalculated);
    }
    ReserveWidth(Label5, words);
    auto* label12 = Caption("Label12", Q(TermReductionRepaymentCaption), this);
    APMonthlyR = ResultField("APMonthlyR", Q(FormatMoney(context_.regional, -9999999999.99)), this);
    showRepaymentWord(Q(TermReductionWord(DefaultFrequency, TermTableMoment::Opened)));
    PartYear->setAccessibleName(Q(UnitLabel(DefaultFrequency)));

    auto* fields = new QGridLayout;
    AddRow(fields, 0, Caption("Label2", "Amount", this), {APAmount});
    AddRow(fields, 1, Caption("Label3", "Interest", this),
           {APInterest, Caption("Label6", "%", this)});
    AddRow(fields, 2, Caption("Label4", "Years", this), {APPeriod, PartYear});
    auto* repaymentCaption = new QVBoxLayout;
    repaymentCaption->setSpacing(0);
    repaymentCaption->addWidget(Label5);
    repaymentCaption->addWidget(label12);
    auto* repayment = new QHBoxLayout;
    repayment->addLayout(repaymentCaption);
    repayment->addWidget(APMonthlyR);
    repayment->addStretch(1);
    fields->addLayout(repayment, 3, 0, 1, 2);

    MortgageLabel = Named(new QLabel(Note, this), "MortgageLabel");
    MortgageLabel->setWordWrap(true);
    QFont bold = MortgageLabel->font();
    bold.setBold(true);
    MortgageLabel->setFont(bold);
    QPalette green = MortgageLabel->palette();
    green.setColor(QPalette::WindowText, BoldGreen);
    MortgageLabel->setPalette(green);

    APGrid = TableView("APGrid", this);
    APGrid->setAccessibleName(windowTitle());
    APGrid->setModel(model_);
    APGrid->horizontalHeader()->hide();
    APGrid->verticalHeader()->hide();
    APGrid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    APGrid->verticalHeader()->setDefaultSectionSize(std::max(18, fontMetrics().height() + 2));
    APGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    APGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    AllowCopy(APGrid, plain);
    APGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Repayments of the dearest one-year loan reach ten digits and the interest
    // of the longest eleven; each money column is wide enough for its largest.
    const auto moneyWidth = [this](double widest) {
        return fontMetrics().horizontalAdvance(Q(FormatMoney(context_.regional, widest))) + 10;
    };
    const int needed[TermReductionColumnCount] = {
        fontMetrics().horizontalAdvance("99") + 10, moneyWidth(-9999999999.99),
        moneyWidth(-9999999999.99), moneyWidth(-99999999999.99), moneyWidth(-99999999999.99)};
    int gridWidth = 0;
    for (int c = 0; c < TermReductionColumnCount; ++c) {
        APGrid->setColumnWidth(c, std::max(ColumnWidths[c], needed[c]));
        gridWidth += APGrid->columnWidth(c);
    }
    const int scrollWidth = APGrid->verticalScrollBar()->sizeHint().width();
    APGrid->setFixedWidth(gridWidth + scrollWidth + 2 * APGrid->frameWidth());

    // The headings: raised panels directly above the grid, each as wide as its
    // column and all as high as the longest wording of any frequency needs.
    const char* const headingNames[TermReductionColumnCount] = {"Label10", "Label7", "Label8",
                                                                "Label9", "Label11"};
    QLabel* headings[TermReductionColumnCount];
    for (int c = 0; c < TermReductionColumnCount; ++c) {
        headings[c] = HeadingPanel(headingNames[c], QString(), this);
        headings[c]->setFixedWidth(APGrid->columnWidth(c));
    }
    Label10 = headings[0];
    Label7 = headings[1];
    Label8 = headings[2];
    int headingHeight = 0;
    for (const auto& info : Frequencies) {
        for (const auto word : {info.termTableWordOpened, info.termTableWordCalculated}) {
            const auto texts = TermReductionHeadings(word);
            for (int c = 0; c < TermReductionColumnCount; ++c) {
                headings[c]->setText(Q(texts[c]));
                headingHeight =
                    std::max(headingHeight, headings[c]->heightForWidth(APGrid->columnWidth(c)));
            }
        }
    }
    const auto opening =
        TermReductionHeadings(TermReductionWord(DefaultFrequency, TermTableMoment::Opened));
    for (int c = 0; c < TermReductionColumnCount; ++c) {
        headings[c]->setText(Q(opening[c]));
    }
    auto* headingRow = new QHBoxLayout;
    headingRow->setSpacing(0);
    headingRow->addSpacing(APGrid->frameWidth());
    for (QLabel* heading : headings) {
        heading->setFixedHeight(headingHeight);
        headingRow->addWidget(heading);
    }
    auto* blank = HeadingPanel("Panel8", QString(), this);
    blank->setFixedSize(scrollWidth + APGrid->frameWidth(), headingHeight);
    headingRow->addWidget(blank);
    headingRow->addStretch(1);

    auto* left = new QVBoxLayout;
    left->addWidget(Label1);
    left->addLayout(fields);
    auto* top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addLayout(frame.buttons);

    auto* table = new QVBoxLayout;
    table->setSpacing(0);
    table->addLayout(headingRow);
    table->addWidget(APGrid, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(MortgageLabel);
    layout->addLayout(table, 1);

    ChainTabOrder({APAmount, APInterest, APPeriod, PartYear, SpeedButton2, SpeedButton1, BitBtn1,
                   PreviewBtn, BitBtn2});
    connect(SpeedButton2, &QPushButton::clicked, this, &TAdditionalP::SpeedButton2Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TAdditionalP::BitBtn1Click);
    connect(PreviewBtn, &QPushButton::clicked, this, &TAdditionalP::PreviewBtnClick);

    adjustSize();
    setFixedSize(sizeHint().expandedTo(ClientArea));
}

void TAdditionalP::relabel() {
    MortgageLabel->setText(Note);
    Label10->setText(Q(TermReductionColumns[0].heading));
}

void TAdditionalP::setLoan(const LoanEntry& loan) {
    APAmount->setText(loan.amount);
    APInterest->setText(loan.rate);
    APPeriod->setText(loan.years);
    PartYear->setText(loan.parts);
}

Checked<TermReductionTable> TAdditionalP::computeTable() const {
    return TermReductionFromTexts(
        LoanFieldTexts(APAmount, APInterest, APPeriod, PartYear, options_()), context_.regional);
}

void TAdditionalP::showTable(const TermReductionTable& table) {
    model_->setRows(table.rows);
    ShowResult(APMonthlyR, Q(FormatMoney(context_.regional, table.repayment)));
    showRepaymentWord(Q(TermReductionWord(options_().repayment, TermTableMoment::Calculated)));
    APGrid->scrollToTop();
}

void TAdditionalP::FillTermReductionTable() {
    if (const auto table = computeTable()) {
        showTable(*table);
    }
}

void TAdditionalP::showOpeningWord(PaymentFrequency repayment) {
    const std::string_view word = TermReductionWord(repayment, TermTableMoment::Opened);
    headingWord_ = word;
    const auto texts = TermReductionHeadings(word);
    showRepaymentWord(Q(word));
    // The part-year field has no unit label; readers name it by the unit.
    PartYear->setAccessibleName(Q(UnitLabel(repayment)));
    Label7->setText(Q(texts[1]));
    Label8->setText(Q(texts[2]));
}

void TAdditionalP::showRepaymentWord(const QString& word) {
    Label5->setText(word);
    // The two captions stacked beside the repayment name it together.
    APMonthlyR->setAccessibleName(word + ' ' + Q(TermReductionRepaymentCaption));
}

void TAdditionalP::SpeedButton2Click() {
    calculate();
}

bool TAdditionalP::calculate() {
    APAmount->setFocus();
    const auto table = computeTable();
    if (!table) {
        context_.dialogs.showMessage(this, table.failure());
        return false;
    }
    showTable(*table);
    return true;
}

ReportJob TAdditionalP::reportJob() const {
    const report::ExtraPaymentsReport shown{
        report::ReportLoan(LoanFieldTexts(APAmount, APInterest, APPeriod, PartYear, options_())),
        Label5->text().toStdString(), model_->rows()};
    const Regional& regional = context_.regional;
    return [shown, &regional](report::PageDevice& device) {
        return report::PrintExtraPayments(device, shown, regional);
    };
}

void TAdditionalP::BitBtn1Click() {
    if (!calculate()) {
        return;
    }
    PrintWithDialog(this, context_, "Additional Payments", reportJob());
}

void TAdditionalP::PreviewBtnClick() {
    if (!calculate()) {
        return;
    }
    PreviewWithDialog(this, context_, "Additional Payments", reportJob());
}

void TAdditionalP::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* shown = screen()) {
        move(shown->availableGeometry().center() - rect().center());
    }
}

}  // namespace corbel::ui
