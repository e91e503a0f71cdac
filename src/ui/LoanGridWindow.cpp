// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/LoanGridWindow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include "report/Reports.h"
#include "ui/GridModel.h"

namespace corbel::ui {

namespace {

// The rows the grid shows at once at the window's least size: its view holds
// whole rows only, so that no scroll leaves a sliver of a row at its top.
constexpr int RowsShown = 9;

}  // namespace

LoanGridWindow::LoanGridWindow(const UiContext& context, LoanOptionsSource options, QWidget* parent)
    : TableWindow(context, std::move(options),
                  {"MORTAGEGRID",
                   "Loan Grid",
                   topic::LoanGrid,
                   {575, 400},
                   false,
                   {"HeadingLabel", "SpeedButton1", "SpeedButton2", "BitBtn1", "BitBtn2"},
                   {"MAmt", "InterestR", "Years", "Partyear", false},
                   "MGrid"},
                  parent),
      model_(new GridModel(context.regional, this)) {
    auto* partYearCaption = Named(new QLabel(Q(GridPartYearCaption), this), "Label7");

    amountSteps_ = Named(new QComboBox(this), "AmountStep");
    for (const auto step : AmountStepTexts) {
        amountSteps_->addItem(Q(step));
    }
    interestSteps_ = Named(new QComboBox(this), "InterestStep");
    // The steps in the general number format with the regional decimal separator.
    for (const double step : InterestSteps) {
        interestSteps_->addItem(Q(InterestStepText(step, context.regional.decimalSeparator())));
    }
    amountSteps_->setCurrentIndex(DefaultAmountStepIndex);
    interestSteps_->setCurrentIndex(DefaultInterestStepIndex);

    auto* fields = new QGridLayout;
    AddCaptioned(fields, 0, 0, Named(new QLabel("Amount", this), "Label4"), loanFields().amount);
    AddCaptioned(fields, 0, 2, Named(new QLabel("Interest", this), "Label5"), loanFields().rate);
    AddCaptioned(fields, 1, 0, Named(new QLabel("Years", this), "Label6"), loanFields().years);
    AddCaptioned(fields, 1, 2, partYearCaption, loanFields().parts);
    AddCaptioned(fields, 2, 0, Named(new QLabel("Amount Step", this), "Label2"), amountSteps_);
    AddCaptioned(fields, 2, 2, Named(new QLabel("Interest Step", this), "Label3"), interestSteps_);
    QLabel* guide = note("Label8",
                         "This screen allows you to easily see the effect of changes in interest "
                         "rates or your Loan amount on your monthly Loan repayment.");

    // The grid's own heading row, bold on silver, scrolls sideways with it.
    QTableView* view = makeTable(model_);
    view->setHorizontalHeader(new GridHeading(view));
    view->setItemDelegate(new GridDelegate(view));
    view->verticalHeader()->setDefaultSectionSize(std::max(20, fontMetrics().height() + 4));
    view->horizontalHeader()->setFixedHeight(std::max(20, fontMetrics().height() + 4));
    // Only an extreme loan widens the columns past the view; it then scrolls sideways.
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    view->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    // The view is wide enough for the largest amount that can be typed and for
    // repayments of up to seven digits; fitColumns widens a column for more.
    const QString usual[] = {WidestMoney(context.regional, MoneyKind::GridAmount),
                             WidestMoney(context.regional, MoneyKind::GridRepayment)};
    for (int c = 0; c < GridTableColumns; ++c) {
        const bool amounts = c == GridAmountColumn;
        usualWidths_[c] = std::max(amounts ? 66 : 68, cellWidth(usual[amounts ? 0 : 1]));
        usualWidth_ += usualWidths_[c];
    }
    columnsWidth_ = usualWidth_;
    setColumnWidths({usualWidths_.begin(), usualWidths_.end()});
    view->setMinimumWidth(usualWidth_ + view->verticalScrollBar()->sizeHint().width() +
                          2 * view->frameWidth());

    QVBoxLayout* layout = layOutTop(fields, guide);
    layout->addWidget(view);
    // Room for the sideways scroll bar that an extreme loan needs, while it is hidden.
    barRoom_ = new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Fixed);
    layout->addItem(barRoom_);
    layout->addStretch(1);
    fitGridHeight();
    setLeastSize();
}

void LoanGridWindow::fitGridHeight() {
    QTableView* view = table();
    const int rowHeight = view->verticalHeader()->defaultSectionSize();
    // A row more for each row's height the window has grown by.
    const int grown = minimumHeight() > 0 ? std::max(0, height() - minimumHeight()) : 0;
    const int rows =
        view->horizontalHeader()->height() + (RowsShown + grown / rowHeight) * rowHeight;
    // Columns wider than the view scroll sideways.
    const int room = std::max(usualWidth_, view->width() - 2 * view->frameWidth() -
                                               view->verticalScrollBar()->sizeHint().width());
    const bool sideways = columnsWidth_ > room;
    const int bar = view->horizontalScrollBar()->sizeHint().height();
    view->setFixedHeight(rows + (sideways ? bar : 0) + 2 * view->frameWidth());
    // The grid and the room below it keep one height: the window's size stays.
    barRoom_->changeSize(0, sideways ? 0 : bar, QSizePolicy::Minimum, QSizePolicy::Fixed);
    layout()->invalidate();
}

void LoanGridWindow::resizeEvent(QResizeEvent* event) {
    TableWindow::resizeEvent(event);
    fitGridHeight();
}

int LoanGridWindow::amountStep() const {
    return AmountSteps[std::max(0, amountSteps_->currentIndex())];
}

double LoanGridWindow::interestStep() const {
    return InterestSteps[std::max(0, interestSteps_->currentIndex())];
}

int LoanGridWindow::cellWidth(const QString& text) const {
    // Headings and amounts are bold; the delegate draws from 2 pixels in.
    QFont bold = table()->font();
    bold.setBold(true);
    return QFontMetrics(bold).horizontalAdvance(text) + 6;
}

void LoanGridWindow::fitColumns() {
    // Amounts and repayments grow down the rows and repayments along them: the
    // first and last rows hold every column's widest text.
    const int last = model_->rowCount();
    std::vector<int> widths;
    columnsWidth_ = 0;
    for (int c = 0; c < GridTableColumns; ++c) {
        int width = usualWidths_[c];
        for (const int row : {0, 1, last}) {
            width = std::max(width, cellWidth(model_->cellText(row, c)));
        }
        widths.push_back(width);
        columnsWidth_ += width;
    }
    setColumnWidths(std::move(widths));
    fitGridHeight();
}

Outcome LoanGridWindow::fill() {
    const auto grid = LoanGridFromTexts(loanTexts(), amountStep(), interestStep(),
                                        context().regional.decimalSeparator());
    if (!grid) {
        return grid.failure();
    }
    model_->setGrid(*grid);
    fitColumns();
    topRow_ = grid->firstVisibleRow ? *grid->firstVisibleRow - 1 : -1;
    scrollToTopRow();
    return std::nullopt;
}

void LoanGridWindow::scrollToTopRow() {
    if (topRow_ >= 0) {
        // The view lays out a refilled model later; its scroll range must know the
        // new rows now, or the scroll stops at the old grid's end.
        table()->doItemsLayout();
        // Keyboard focus enters the grid at the typed amount's row, not at its first row.
        const int marked = model_->markedRow();  // counted from the headings' row
        table()->selectionModel()->setCurrentIndex(
            model_->index(marked > 0 ? marked - 1 : topRow_, 0), QItemSelectionModel::NoUpdate);
        table()->scrollTo(model_->index(topRow_, 0), QAbstractItemView::PositionAtTop);
    }
}

void LoanGridWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Before the window is first laid out the grid cannot scroll that far yet.
    scrollToTopRow();
}

ReportJob LoanGridWindow::reportJob() const {
    const report::LoanGridReport shown{
        report::ReportLoan(loanTexts()), amountSteps_->currentText().toStdString(),
        interestSteps_->currentText().toStdString(), &model_->grid()};
    const Regional& regional = context().regional;
    return [shown, &regional](report::PageDevice& device) {
        return report::PrintLoanGrid(device, shown, regional);
    };
}

}  // namespace corbel::ui
