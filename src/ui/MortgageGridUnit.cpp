// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/MortgageGridUnit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include "calc/LoanGrid.h"
#include "calc/NumberTexts.h"
#include "report/Reports.h"
#include "ui/Controls.h"
#include "ui/GridModel.h"
#include "ui/Palette.h"
#include "ui/Pictures.h"
#include "ui/ReportPrinting.h"
#include "ui/TableCopy.h"

namespace corbel::ui {

namespace {

constexpr QSize ClientArea(575, 400);
// The rows the grid shows at once: its view holds whole rows only, so that no
// scroll leaves a sliver of a row at its top.
constexpr int RowsShown = 9;

}  // namespace

TMORTAGEGRID::TMORTAGEGRID(const UiContext& context, LoanOptionsSource options, QWidget* parent)
    : QDialog(parent),
      context_(context),
      options_(std::move(options)),
      model_(new GridModel(context.regional, this)) {
    setObjectName("MORTAGEGRID");
    const TableWindowFrame frame = MakeTableWindowFrame(
        this, "Loan Grid", {"SpeedButton1", "SpeedButton2", "BitBtn1", "BitBtn2"}, topic::LoanGrid,
        context.help);
    HeadingLabel = frame.heading;
    SpeedButton1 = frame.calculate;
    SpeedButton2 = frame.ok;
    BitBtn2 = frame.help;
    BitBtn1 = frame.print;
    PreviewBtn = frame.preview;
    const PlainRowsSource plain = [this] {
        return model_->filled() ? GridPlainRows(model_->grid()) : PlainRows();
    };
    frame.buttons->insertWidget(4, ExportButton(this, context_, "Loan Grid.csv", plain));
    MAmt = InputField("MAmt", 0, 0, this);
    InterestR = InputField("InterestR", 0, 0, this);
    Years = InputField("Years", 0, 0, this);
    Partyear = InputField("Partyear", 0, 0, this);
    Label7 = Named(new QLabel(Q(GridPartYearCaption), this), "Label7");

    AmountStep = Named(new QComboBox(this), "AmountStep");
    for (const auto step : AmountStepTexts) {
        AmountStep->addItem(Q(step));
    }
    InterestStep = Named(new QComboBox(this), "InterestStep");
    // The steps in the general number format with the regional decimal separator.
    InterestStep->clear();
    for (const double step : InterestSteps) {
        InterestStep->addItem(Q(InterestStepText(step, context_.regional.decimalSeparator())));
    }
    AmountStep->setCurrentIndex(DefaultAmountStepIndex);
    InterestStep->setCurrentIndex(DefaultInterestStepIndex);

    auto* fields = new QGridLayout;
    AddCaptioned(fields, 0, 0, Named(new QLabel("Amount", this), "Label4"), MAmt);
    AddCaptioned(fields, 0, 2, Named(new QLabel("Interest", this), "Label5"), InterestR);
    AddCaptioned(fields, 1, 0, Named(new QLabel("Years", this), "Label6"), Years);
    AddCaptioned(fields, 1, 2, Label7, Partyear);
    AddCaptioned(fields, 2, 0, Named(new QLabel("Amount Step", this), "Label2"), AmountStep);
    AddCaptioned(fields, 2, 2, Named(new QLabel("Interest Step", this), "Label3"), InterestStep);

    Label8 =
        Named(new QLabel("This screen allows you to easily see the effect of changes in interest "
                         "rates or your Loan amount on your monthly Loan repayment.",
                         this),
              "Label8");
    Label8->setWordWrap(true);
    QFont bold = Label8->font();
    bold.setBold(true);
    Label8->setFont(bold);
    QPalette green = Label8->palette();
    green.setColor(QPalette::WindowText, BoldGreen);
    Label8->setPalette(green);

    MGrid = TableView("MGrid", this);
    MGrid->setAccessibleName(windowTitle());
    MGrid->setHorizontalHeader(new GridHeading(MGrid));
    MGrid->setModel(model_);
    MGrid->setItemDelegate(new GridDelegate(MGrid));
    MGrid->verticalHeader()->hide();
    MGrid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    MGrid->verticalHeader()->setDefaultSectionSize(std::max(20, fontMetrics().height() + 4));
    MGrid->horizontalHeader()->setFixedHeight(std::max(20, fontMetrics().height() + 4));
    // Only an extreme loan widens the columns past the view; it then scrolls sideways.
    MGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    MGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MGrid->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    AllowCopy(MGrid, plain);
    MGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The view is wide enough for the largest amount that can be typed and for
    // repayments of up to seven digits; fitColumns widens a column for more.
    const Regional& regional = context_.regional;
    const QString usual[] = {Q(FormatMoney(regional, MaxAmount, MoneyForm::NoDecimals)),
                             Q(FormatMoney(regional, 9999999.99, MoneyForm::TwoDecimals))};
    int gridWidth = 0;
    for (int c = 0; c < GridTableColumns; ++c) {
        usualWidths_[c] = std::max(c == 0 ? 66 : 68, cellWidth(usual[c == 0 ? 0 : 1]));
        MGrid->setColumnWidth(c, usualWidths_[c]);
        gridWidth += usualWidths_[c];
    }
    MGrid->setFixedWidth(gridWidth + MGrid->verticalScrollBar()->sizeHint().width() +
                         2 * MGrid->frameWidth());

    auto* left = new QVBoxLayout;
    left->addWidget(HeadingLabel);
    left->addLayout(fields);
    left->addWidget(Label8);
    auto* top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addLayout(frame.buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(MGrid);
    // Room for the sideways scroll bar that an extreme loan needs, while it is hidden.
    barRoom_ = new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Fixed);
    layout->addItem(barRoom_);
    layout->addStretch(1);
    fitGridHeight(false);

    connect(SpeedButton1, &QPushButton::clicked, this, &TMORTAGEGRID::SpeedButton1Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TMORTAGEGRID::BitBtn1Click);
    connect(PreviewBtn, &QPushButton::clicked, this, &TMORTAGEGRID::PreviewBtnClick);

    adjustSize();
    setFixedSize(sizeHint().expandedTo(ClientArea));
}

void TMORTAGEGRID::fitGridHeight(bool sidewaysScrollBar) {
    const int rows = MGrid->horizontalHeader()->height() +
                     RowsShown * MGrid->verticalHeader()->defaultSectionSize();
    const int bar = MGrid->horizontalScrollBar()->sizeHint().height();
    MGrid->setFixedHeight(rows + (sidewaysScrollBar ? bar : 0) + 2 * MGrid->frameWidth());
    // The grid and the room below it keep one height: the window's size stays.
    barRoom_->changeSize(0, sidewaysScrollBar ? 0 : bar, QSizePolicy::Minimum, QSizePolicy::Fixed);
    layout()->invalidate();
}

LoanTexts TMORTAGEGRID::fieldTexts() const {
    return LoanFieldTexts(MAmt, InterestR, Years, Partyear, options_());
}

int TMORTAGEGRID::amountStep() const {
    return AmountSteps[std::max(0, AmountStep->currentIndex())];
}

double TMORTAGEGRID::interestStep() const {
    return InterestSteps[std::max(0, InterestStep->currentIndex())];
}

Checked<LoanGrid> TMORTAGEGRID::computeGrid() const {
    return LoanGridFromTexts(fieldTexts(), amountStep(), interestStep(),
                             context_.regional.decimalSeparator());
}

int TMORTAGEGRID::cellWidth(const QString& text) const {
    // Headings and amounts are bold; the delegate draws from 2 pixels in.
    QFont bold = MGrid->font();
    bold.setBold(true);
    return QFontMetrics(bold).horizontalAdvance(text) + 6;
}

void TMORTAGEGRID::fitColumns() {
    // Amounts and repayments grow down the rows and repayments along them: the
    // first and last rows hold every column's widest text.
    const int last = model_->rowCount();
    bool wider = false;
    for (int c = 0; c < GridTableColumns; ++c) {
        int width = usualWidths_[c];
        for (const int row : {0, 1, last}) {
            width = std::max(width, cellWidth(model_->cellText(row, c)));
        }
        wider = wider || width > usualWidths_[c];
        MGrid->setColumnWidth(c, width);
    }
    fitGridHeight(wider);
}

void TMORTAGEGRID::showGrid(const LoanGrid& grid) {
    model_->setGrid(grid);
    fitColumns();
    topRow_ = grid.firstVisibleRow ? *grid.firstVisibleRow - 1 : -1;
    scrollToTopRow();
}

void TMORTAGEGRID::scrollToTopRow() {
    if (topRow_ >= 0) {
        // The view lays out a refilled model later; its scroll range must know the
        // new rows now, or the scroll stops at the old grid's end.
        MGrid->doItemsLayout();
        // Keyboard focus enters the grid at the typed amount's row, not at its first row.
        const int marked = model_->markedRow();  // counted from the headings' row
        MGrid->selectionModel()->setCurrentIndex(
            model_->index(marked > 0 ? marked - 1 : topRow_, 0), QItemSelectionModel::NoUpdate);
        MGrid->scrollTo(model_->index(topRow_, 0), QAbstractItemView::PositionAtTop);
    }
}

void TMORTAGEGRID::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Before the window is first laid out the grid cannot scroll that far yet.
    scrollToTopRow();
}

void TMORTAGEGRID::copyLoan(const LoanEntry& loan, LoanCheckStage passed) {
    if (passed >= LoanCheckStage::Amount) {
        MAmt->setText(loan.amount);
    }
    if (passed >= LoanCheckStage::Term) {
        Years->setText(loan.years);
        Partyear->setText(loan.parts);
    }
    if (passed >= LoanCheckStage::All) {
        InterestR->setText(loan.rate);
    }
}

void TMORTAGEGRID::FillLoanGrid() {
    if (const auto grid = computeGrid()) {
        showGrid(*grid);
    }
}

void TMORTAGEGRID::SpeedButton1Click() {
    MAmt->setFocus();
    const auto grid = computeGrid();
    if (!grid) {
        context_.dialogs.showMessage(this, grid.failure());
        return;
    }
    showGrid(*grid);
}

ReportJob TMORTAGEGRID::reportJob() const {
    const report::LoanGridReport shown{report::ReportLoan(fieldTexts()),
                                       AmountStep->currentText().toStdString(),
                                       InterestStep->currentText().toStdString(), &model_->grid()};
    const Regional& regional = context_.regional;
    return [shown, &regional](report::PageDevice& device) {
        return report::PrintLoanGrid(device, shown, regional);
    };
}

void TMORTAGEGRID::BitBtn1Click() {
    PrintWithDialog(this, context_, "Loan Grid", reportJob());
}

void TMORTAGEGRID::PreviewBtnClick() {
    PreviewWithDialog(this, context_, "Loan Grid", reportJob());
}

}  // namespace corbel::ui
