// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/TermReductionWindow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include "calc/NumberTexts.h"
#include "report/Reports.h"

namespace corbel::ui {

TermReductionWindow::TermReductionWindow(const UiContext& context, LoanOptionsSource options,
                                         QWidget* parent)
    : TableWindow(context, std::move(options),
                  {"AdditionalP",
                   "Additional Payments",
                   topic::AdditionalPaymentsTable,
                   {537, 382},
                   true,
                   {"Label1", "SpeedButton2", "SpeedButton1", "BitBtn1", "BitBtn2"},
                   {"APAmount", "APInterest", "APPeriod", "PartYear", true},
                   "APGrid"},
                  parent),
      model_(new TermReductionModel(context.regional, TermReductionColumns, this)) {
    // The current repayment: the frequency word over "Repayment", then the amount.
    repaymentWord_ = Caption("Label5", QString(), this);
    QStringList words;
    for (const auto& info : Frequencies) {
        words << Q(info.termTableWordOpened) << Q(info.termTableWordCalculated);
    }
    ReserveWidth(repaymentWord_, words);
    auto* repaymentCaption = Caption("Label12", Q(TermReductionRepaymentCaption), this);
    repayment_ = ResultField("APMonthlyR", WidestMoney(context.regional, MoneyKind::Balance), this);
    showOpeningWord(DefaultFrequency);

    auto* fields = new QGridLayout;
    AddRow(fields, 0, Caption("Label2", "Amount", this), {loanFields().amount});
    AddRow(fields, 1, Caption("Label3", "Interest", this),
           {loanFields().rate, Caption("Label6", "%", this)});
    AddRow(fields, 2, Caption("Label4", "Years", this), {loanFields().years, loanFields().parts});
    auto* repaymentCaptions = new QVBoxLayout;
    repaymentCaptions->setSpacing(0);
    repaymentCaptions->addWidget(repaymentWord_);
    repaymentCaptions->addWidget(repaymentCaption);
    auto* repaymentRow = new QHBoxLayout;
    repaymentRow->addLayout(repaymentCaptions);
    repaymentRow->addWidget(repayment_);
    repaymentRow->addStretch(1);
    fields->addLayout(repaymentRow, 3, 0, 1, 2);

    QLabel* guide = note(
        "MortgageLabel",
        "The table below shows the additional payment required to pay off the Loan in the number "
        "of years indicated. It also shows the saving on interest charges achieved by paying off "
        "the Loan in a shorter period.");

    makeTable(model_);
    // Repayments of the dearest one-year loan reach ten digits and the interest
    // of the longest eleven; each money column is wide enough for its largest.
    const QString balance = WidestMoney(context.regional, MoneyKind::Balance);
    const QString interest = WidestMoney(context.regional, MoneyKind::Interest);
    std::vector<QStringList> everyHeading;
    for (const auto& info : Frequencies) {
        for (const auto word : {info.termTableWordOpened, info.termTableWordCalculated}) {
            everyHeading.push_back(ShownTexts(TermReductionHeadings(word)));
        }
    }
    QVBoxLayout* tableArea = headedTable({{"Label10", 84, WidestYearCount},
                                          {"Label7", 135, balance},
                                          {"Label8", 97, balance},
                                          {"Label9", 98, interest},
                                          {"Label11", 98, interest}},
                                         everyHeading);

    QVBoxLayout* layout = layOutTop(fields);
    layout->addWidget(guide);
    layout->addLayout(tableArea, 1);

    ChainTabOrder({loanFields().amount, loanFields().rate, loanFields().years, loanFields().parts,
                   frame().calculate, frame().ok, frame().print, frame().preview, frame().help});
    setLeastSize();
}

Outcome TermReductionWindow::fill() {
    const auto table = TermReductionFromTexts(loanTexts(), context().regional);
    if (!table) {
        return table.failure();
    }
    model_->setRows(table->rows);
    ShowResult(repayment_, Q(FormatMoney(context().regional, table->repayment)));
    showRepaymentWord(
        Q(TermReductionWord(options().repaymentFrequency, TermTableMoment::Calculated)));
    this->table()->scrollToTop();
    return std::nullopt;
}

void TermReductionWindow::showOpeningWord(PaymentFrequency repayment) {
    const std::string_view word = TermReductionWord(repayment, TermTableMoment::Opened);
    model_->setHeadings(ShownTexts(TermReductionHeadings(word)));
    showRepaymentWord(Q(word));
    // The part-year field has no unit label; readers name it by the unit.
    loanFields().parts->setAccessibleName(Q(UnitLabel(repayment)));
}

void TermReductionWindow::showRepaymentWord(const QString& word) {
    repaymentWord_->setText(word);
    // The two captions stacked beside the repayment name it together.
    repayment_->setAccessibleName(word + ' ' + Q(TermReductionRepaymentCaption));
}

ReportJob TermReductionWindow::reportJob() const {
    const report::ExtraPaymentsReport shown{report::ReportLoan(loanTexts()),
                                            repaymentWord_->text().toStdString(), model_->rows()};
    const Regional& regional = context().regional;
    return [shown, &regional](report::PageDevice& device) {
        return report::PrintExtraPayments(device, shown, regional);
    };
}

void TermReductionWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!hasPlace()) {
        CentreOnScreen(this);
    }
}

}  // namespace corbel::ui
