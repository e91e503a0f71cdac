// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/MainUnit.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <string>
#include <utility>
#include <vector>

#include "calc/Version.h"
#include "ui/APGridUnit.h"
#include "ui/APOptionsUnit.h"
#include "ui/AboutFormUnit.h"
#include "ui/Controls.h"
#include "ui/ExtraPaymentUnit.h"
#include "ui/FileWriting.h"
#include "ui/HeaderBand.h"
#include "ui/LoanPage.h"
#include "ui/LoanSavingsPage.h"
#include "ui/MSCHEDULEUnit.h"
#include "ui/MortChartUnit.h"
#include "ui/MortgageGridUnit.h"
#include "ui/Pictures.h"
#include "ui/ResidualValuePage.h"
#include "ui/WhatIfPage.h"

namespace corbel::ui {

namespace {

constexpr QSize ClientArea(525, 401);

}  // namespace

TMORTLOAN::TMORTLOAN(const UiContext& context, const QString& fileDialogFolder,
                     ProgramSettings& settings, const std::vector<std::string>& arguments,
                     QWidget* parent)
    : QMainWindow(parent),
      context_(context),
      settings_(settings),
      openDialog_{QString(), fileDialogFolder, QString()},
      saveDialog_{QString(), fileDialogFolder, QString()} {
    setObjectName("MORTLOAN");
    context_.settings = &settings;
    // Fixed size: minimise and close only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    KeepModalWindowsInSight(qApp);
    state_.LoanSaved = true;
    createControls();
    createSecondaryWindows();
    reopenLastFile(arguments);
    setup();
}

QToolButton* TMORTLOAN::toolButton(const char* name, const char* hint, Picture picture) {
    QToolButton* button = PictureButton(name, picture, hint, header_->toolBar());
    button->setAutoRaise(true);
    header_->toolBar()->addWidget(button);
    return button;
}

void TMORTLOAN::createToolBar() {
    LoadBtn = toolButton("LoadBtn", "Load File", Picture::Open);
    SaveBtn = toolButton("SaveBtn", "Save File", Picture::Save);
    header_->toolBar()->addSeparator();
    BitBtn7 = toolButton("BitBtn7", "View the Loan Grid", Picture::Grid);
    BitBtn5 = toolButton("BitBtn5", "View the Loan Schedule", Picture::Schedule);
    BitBtn11 = toolButton("BitBtn11", "See the effect of additional payments on your Loan",
                          Picture::Additional);
    BitBtn2 = toolButton("BitBtn2", "View a  graph of your Loan", Picture::Chart);
    header_->toolBar()->addSeparator();
    AboutBtn = toolButton("AboutBtn", "About", Picture::About);
    HelpBtn = toolButton("HelpBtn", "Help", Picture::Help);
    ExitBtn = toolButton("ExitBtn", "Quit", Picture::Quit);
    ExitBtn->setText("Quit");
    ExitBtn->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QPalette palette = ExitBtn->palette();
    palette.setColor(QPalette::ButtonText, Qt::white);
    ExitBtn->setPalette(palette);

    // The tool-bar table buttons click the Loan page's own buttons.
    const std::pair<QToolButton*, LoanPage::Opener> openers[] = {
        {BitBtn7, LoanPage::Opener::Grid},
        {BitBtn5, LoanPage::Opener::Schedule},
        {BitBtn11, LoanPage::Opener::AdditionalPayments},
        {BitBtn2, LoanPage::Opener::Chart}};
    for (const auto& [button, opener] : openers) {
        connect(button, &QToolButton::clicked, loan_,
                [this, opener = opener] { loan_->click(opener); });
    }
    connect(AboutBtn, &QToolButton::clicked, this, [this] {
        about_->show();
        about_->raise();
    });
    connect(HelpBtn, &QToolButton::clicked, this,
            [this] { context_.help.showHelp(topic::Contents); });
    connect(ExitBtn, &QToolButton::clicked, this, &QWidget::close);
    connect(LoadBtn, &QToolButton::clicked, this, &TMORTLOAN::LoadBtnClick);
    connect(SaveBtn, &QToolButton::clicked, this, &TMORTLOAN::SaveBtnClick);
}

void TMORTLOAN::createMenu() {
    auto entry = [](QMenu* menu, const char* caption, const char* name, QToolButton* button) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        connect(action, &QAction::triggered, button, &QToolButton::click);
    };
    QMenu* file = menuBar()->addMenu("&File");
    file->setObjectName("File1");
    entry(file, "&Open File", "OpenFile1", LoadBtn);
    entry(file, "&Save File", "SaveFile1", SaveBtn);
    file->addSeparator();
    entry(file, "&Exit", "Exit1", ExitBtn);
    QMenu* help = menuBar()->addMenu("&Help");
    help->setObjectName("Help1");
    entry(help, "&Contents", "Contents1", HelpBtn);
    help->addSeparator();
    entry(help, "&About", "About1", AboutBtn);
}

void TMORTLOAN::createControls() {
    auto* central = new QWidget(this);
    central->setObjectName("ClientArea");
    header_ = new HeaderBand(central);
    TrasferValuesCheckBox = new QCheckBox("Transfer Values to Mortgage Savings", central);
    TrasferValuesCheckBox->setObjectName("TrasferValuesCheckBox");

    PageControl1 = new QTabWidget(central);
    PageControl1->setObjectName("PageControl1");
    loan_ = new LoanPage(context_, state_, PageControl1);
    loan_->setObjectName("TabSheet1");
    whatIf_ = new WhatIfPage(context_, PageControl1);
    whatIf_->setObjectName("TabSheet4");
    savings_ = new LoanSavingsPage(context_, state_, PageControl1);
    savings_->setObjectName("MortgageSavingsTab");
    residual_ = new ResidualValuePage(context_, PageControl1);
    residual_->setObjectName("ResidualValueTab");
    PageControl1->addTab(loan_, "Loan");
    PageControl1->addTab(whatIf_, "What If?");
    PageControl1->addTab(savings_, "Loan Savings");
    PageControl1->addTab(residual_, "Residual Value");

    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(header_);
    layout->addWidget(TrasferValuesCheckBox);
    layout->addWidget(PageControl1, 1);
    central->setMinimumSize(ClientArea);
    setCentralWidget(central);

    createToolBar();
    createMenu();
    connect(PageControl1, &QTabWidget::currentChanged, this, &TMORTLOAN::PageControl1Change);
    connect(loan_, &LoanPage::openRequested, this, [this](LoanPage::Opener opener) {
        switch (opener) {
            case LoanPage::Opener::Grid:
                return MortgageGridBtnClick();
            case LoanPage::Opener::Schedule:
                return SpeedButton2Click();
            case LoanPage::Opener::Chart:
                return BitBtn9Click();
            case LoanPage::Opener::AdditionalPayments:
                return SpeedButton3Click();
        }
    });
    connect(whatIf_, &WhatIfPage::transferRequested, this, &TMORTLOAN::TransferBtnClick);
    connect(loan_, &LoanPage::partYearShown, this,
            [this](bool shown) { schedule_->setPartYearVisible(shown); });
}

void TMORTLOAN::createSecondaryWindows() {
    // Created once each, in this order, and kept hidden until an action opens them.
    const LoanOptionsSource options = [this] { return loan_->options(); };
    grid_ = new TMORTAGEGRID(context_, options, this);
    schedule_ = new TMSCHEDULE(context_, options, this);
    apOptions_ = new TAPOPTIONS(this);
    specific_ = new TADDMONTHLYR(
        context_, [this] { return loan_->texts(); }, this);
    additional_ = new TAdditionalP(context_, options, this);
    connect(apOptions_, &TAPOPTIONS::chosen, this, &TMORTLOAN::openAdditionalPayments);
    chart_ = new TMortChartForm(context_, this);
    about_ = new TAboutForm(this);
}

void TMORTLOAN::relabel() {
    const QString name = Q(ProgramName);
    setWindowTitle(name + " " + Q(ProgramVersion));
    header_->setProgramName(name);
    PageControl1->setTabText(PageControl1->indexOf(loan_), "Loan");
    loan_->relabel(name);
    whatIf_->relabel(name);
    about_->relabel(name, Q(ProgramVersion));
    additional_->relabel();
    apOptions_->relabel();
    specific_->relabel();
}

void TMORTLOAN::setup() {
    // The savings page is never shown: a hidden tab alone could still be reached
    // with Ctrl+Tab or the arrow keys, a disabled one cannot.
    PageControl1->setTabVisible(PageControl1->indexOf(savings_), false);
    PageControl1->setTabEnabled(PageControl1->indexOf(savings_), false);
    PageControl1->setTabVisible(PageControl1->indexOf(residual_), true);
    TrasferValuesCheckBox->hide();
    openDialog_.filter = "Corbelwright Saved Files (*.CWS)";
    saveDialog_.filter = "Corbelwright File (*.CWS)";
    // A file opened at start keeps its name in the title, which the relabelling
    // would otherwise drop: the user sees which file the pages hold.
    const QString opened = windowTitle();
    relabel();
    if (!opened.isEmpty()) {
        setWindowTitle(opened);
    }
    loan_->MPaymentChange();
    PageControl1->setCurrentWidget(loan_);
    // Fixed size: the given client area, or more where the texts need it.
    adjustSize();
    setFixedSize(sizeHint());
}

void TMORTLOAN::PageControl1Change(int index) {
    if (PageControl1->widget(index) == residual_ && TrasferValuesCheckBox->isChecked()) {
        const LoanEntry loan = loan_->loanEntry();
        savings_->copyLoan(loan.amount, loan.years, loan.rate);
    }
    const bool onLoan = PageControl1->widget(index) == loan_;
    if (!onLoan) {
        TrasferValuesCheckBox->hide();
    }
    for (QToolButton* button : {BitBtn7, BitBtn11, BitBtn5, BitBtn2}) {
        button->setEnabled(onLoan);
    }
}

void TMORTLOAN::MortgageGridBtnClick() {
    loan_->focusAmount();
    // Each field is copied as soon as it has passed its check.
    const LoanReading reading =
        ReadLoanInOrder(loan_->texts(), GridChecks, context_.regional.decimalSeparator());
    grid_->copyLoan(loan_->loanEntry(), reading.passed);
    if (!reading.loan) {
        context_.dialogs.showMessage(this, reading.loan.failure());
        return;
    }
    grid_->FillLoanGrid();
    grid_->exec();
}

bool TMORTLOAN::checkLoanForTables() {
    loan_->focusAmount();
    const auto checked =
        ReadLoan(loan_->texts(), TableChecks, context_.regional.decimalSeparator());
    if (!checked) {
        context_.dialogs.showMessage(this, checked.failure());
    }
    return checked.ok();
}

void TMORTLOAN::SpeedButton2Click() {
    if (!checkLoanForTables()) {
        return;
    }
    schedule_->setLoan(loan_->loanEntry());
    schedule_->setFrequencyCaptions(loan_->repayment(), loan_->partYearUnit());
    schedule_->FillLoanSchedule();
    schedule_->exec();
}

void TMORTLOAN::SpeedButton3Click() {
    if (!checkLoanForTables()) {
        return;
    }
    apOptions_->exec();
}

void TMORTLOAN::openAdditionalPayments(AdditionalPaymentChoice choice) {
    if (choice == AdditionalPaymentChoice::Table) {
        additional_->setLoan(loan_->loanEntry());
        additional_->FillTermReductionTable();
        additional_->showOpeningWord(loan_->repayment());
        additional_->exec();
    } else {
        specific_->setFrequencyCaptions(loan_->repayment());
        specific_->placeBelowCorner(this);
        specific_->exec();
    }
}

void TMORTLOAN::BitBtn9Click() {
    const auto slices = CostBreakdown(loan_->texts(), context_.regional);
    if (!slices) {
        context_.dialogs.showMessage(this, slices.failure());
        return;
    }
    state_.summary = slices->run;
    chart_->showBreakdown(slices->principal, slices->interest);
    chart_->exec();
}

void TMORTLOAN::TransferBtnClick() {
    loan_->setLoan(whatIf_->loanEntry());
    PageControl1->setCurrentWidget(loan_);
}

void TMORTLOAN::reopenLastFile(const std::vector<std::string>& arguments) {
    const Reopen reopen =
        corbel::ReopenLastFile(arguments, settings_, FileSystemName(state_.CurrentFileName));
    state_.CurrentFileName = QFile::decodeName(QByteArray::fromStdString(reopen.currentFileName));
    settingsFailureShown_ = settings_.failure();
    if (!settingsFailureShown_.empty()) {
        startupFailures_.push_back(Message{MessageCause::FileFailed, settingsFailureShown_});
    }
    if (reopen.fileToLoad) {
        // The name as shown; the file itself is read by its bytes, which a name
        // that is not valid UTF-8 keeps.
        const QString path = QFile::decodeName(QByteArray::fromStdString(*reopen.fileToLoad));
        openDialog_.folder = saveDialog_.folder = QFileInfo(path).absolutePath();
        openDialog_.name = saveDialog_.name = path;
        // The program starts all the same.
        if (auto failure = load(*reopen.fileToLoad, path)) {
            startupFailures_.push_back(std::move(*failure));
        }
    }
}

QString TMORTLOAN::fileTitle(const QString& path) const {
    return Q(ProgramName) + " " + Q(ProgramVersion) + " -  " + path;
}

SavedLoan TMORTLOAN::record() const {
    SavedLoan saved;
    const LoanEntry loan = loan_->loanEntry();
    saved.amount = loan.amount.toStdString();
    saved.years = loan.years.toStdString();
    saved.partYear = loan.parts.toStdString();
    saved.rate = loan.rate.toStdString();
    saved.repaymentIndex = IndexOf(loan.repayment);
    saved.compoundingIndex = IndexOf(loan.compounding);
    saved.inArrears = loan.timing == PaymentTiming::InArrears;
    saved.inAdvance = !saved.inArrears;
    savings_->record(saved);
    saved.transferValues = TrasferValuesCheckBox->isChecked();
    saved.whatIf = whatIf_->record();
    saved.residual = residual_->record();
    return saved;
}

void TMORTLOAN::apply(const SavedLoan& saved) {
    loan_->setInputs({Q(saved.amount), Q(saved.rate), Q(saved.years), Q(saved.partYear),
                      FrequencyAt(saved.repaymentIndex), FrequencyAt(saved.compoundingIndex),
                      saved.inAdvance ? PaymentTiming::InAdvance : PaymentTiming::InArrears});
    savings_->apply(saved);
    TrasferValuesCheckBox->setChecked(saved.transferValues);
    if (saved.whatIf) {
        whatIf_->apply(*saved.whatIf);
    }
    if (saved.residual) {
        residual_->apply(*saved.residual);
    }
    // The lists were set without their change handlers; each page's captions
    // now follow its repayment frequency (a file without its residual section
    // leaves that page on "Monthly").
    residual_->RVPaymentChange();
    loan_->MPaymentChange();
}

void TMORTLOAN::ClearLoanInputs() {
    loan_->clear();
    savings_->clear();
    residual_->clear();
}

bool TMORTLOAN::SaveLoanFile(const QString& path) {
    if (const auto error = WriteLoanFile(FileSystemName(path), record())) {
        context_.dialogs.showMessage(
            this, Message{MessageCause::FileFailed,
                          Fill(msg::CouldNotWrite, {path.toStdString(), *error})});
        return false;
    }
    setWindowTitle(fileTitle(path));
    state_.LoanSaved = true;
    return true;
}

std::optional<Message> TMORTLOAN::load(const std::string& file, const QString& path) {
    // Read and checked whole first, so that a bad file leaves the pages alone.
    const LoadResult read = ReadLoanFile(file);
    if (!read.loan) {
        return Message{MessageCause::FileFailed,
                       Fill(msg::CouldNotOpen, {path.toStdString(), read.error})};
    }
    ClearLoanInputs();
    setWindowTitle(fileTitle(path));
    apply(*read.loan);
    state_.LoanSaved = true;
    return std::nullopt;
}

bool TMORTLOAN::LoadLoanFile(const QString& path) {
    const auto failure = load(FileSystemName(path), path);
    if (failure) {
        context_.dialogs.showMessage(this, *failure);
    }
    return !failure;
}

void TMORTLOAN::SaveBtnClick() {
    const auto chosen = context_.dialogs.saveFileName(this, saveDialog_);
    if (!chosen || chosen->isEmpty()) {
        return;
    }
    saveDialog_.name = *chosen;
    const QString name = Q(SavedFileName(chosen->toStdString()));
    if (!SaveLoanFile(name)) {
        return;
    }
    state_.CurrentFileName = name;
    openDialog_.folder = saveDialog_.folder;
    openDialog_.name = *chosen;
}

void TMORTLOAN::LoadBtnClick() {
    const auto chosen = context_.dialogs.openFileName(this, openDialog_);
    if (!chosen || chosen->isEmpty()) {
        return;
    }
    openDialog_.name = *chosen;
    if (!LoadLoanFile(*chosen)) {
        return;
    }
    saveDialog_.folder = openDialog_.folder;
    saveDialog_.name = *chosen;
    state_.CurrentFileName = *chosen;
}

bool TMORTLOAN::FormCloseQuery() {
    if (!state_.LoanSaved) {
        switch (context_.dialogs.askYesNoCancel(
            this, Message{MessageCause::UnsavedChanges, msg::SaveFileFirst})) {
            case Answer::Cancel:
                return false;
            case Answer::Yes:
                SaveBtn->click();
                // A save that was cancelled or failed would lose the changes the
                // user just asked to keep: the window stays open.
                if (!state_.LoanSaved) {
                    return false;
                }
                break;
            case Answer::No:
                break;
        }
    }
    RememberCurrentFile(settings_, FileSystemName(state_.CurrentFileName));
    // The program closes all the same; the user learns that the file is not
    // remembered, unless start-up said so already.
    if (const std::string failure = settings_.failure(); failure != settingsFailureShown_) {
        context_.dialogs.showMessage(this, Message{MessageCause::FileFailed, failure});
    }
    return true;
}

void TMORTLOAN::closeEvent(QCloseEvent* event) {
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
    if (event->isAccepted()) {
        // The program ends with its main window, whatever other window is open.
        QCoreApplication::quit();
    }
}

void TMORTLOAN::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!centred_) {
        centred_ = true;
        if (const QScreen* screen = this->screen()) {
            move(screen->availableGeometry().center() - rect().center());
        }
        // Over the window, once it stands on the screen, rather than alone
        // before it.
        QTimer::singleShot(0, this, [this] {
            for (const Message& failure : std::exchange(startupFailures_, {})) {
                context_.dialogs.showMessage(this, failure);
            }
        });
    }
}

}  // namespace corbel::ui
