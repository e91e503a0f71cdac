// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
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
#include "ui/AboutWindow.h"
#include "ui/AdditionalPaymentOptions.h"
#include "ui/Controls.h"
#include "ui/CostChartWindow.h"
#include "ui/ExtraRepaymentWindow.h"
#include "ui/FieldAccessibility.h"
#include "ui/FileWriting.h"
#include "ui/HeaderBand.h"
#include "ui/LoanGridWindow.h"
#include "ui/LoanPage.h"
#include "ui/LoanSavingsPage.h"
#include "ui/LoanScheduleWindow.h"
#include "ui/Pictures.h"
#include "ui/RecentFilesMenu.h"
#include "ui/ResidualValuePage.h"
#include "ui/TermReductionWindow.h"
#include "ui/WhatIfPage.h"
#include "ui/WindowMemory.h"

namespace corbel::ui {

namespace {

constexpr QSize ClientArea(525, 401);

}  // namespace

MainWindow::MainWindow(const UiContext& context, const QString& fileDialogFolder,
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
    InstallFieldAccessibility();
    state_.loanSaved = true;
    createControls();
    createSecondaryWindows();
    reopenLastFile(arguments);
    setup();
    placeKept_ = (new WindowMemory(this, &settings, WindowKeeps::Place))->hasPlace();
}

QToolButton* MainWindow::toolButton(const char* name, const char* hint, Picture picture) {
    QToolButton* button = PictureButton(name, picture, hint, header_->toolBar());
    button->setAutoRaise(true);
    header_->toolBar()->addWidget(button);
    return button;
}

void MainWindow::createToolBar() {
    loadButton_ = toolButton("LoadBtn", "Load File", Picture::Open);
    saveButton_ = toolButton("SaveBtn", "Save File", Picture::Save);
    header_->toolBar()->addSeparator();
    gridButton_ = toolButton("BitBtn7", "View the Loan Grid", Picture::Grid);
    scheduleButton_ = toolButton("BitBtn5", "View the Loan Schedule", Picture::Schedule);
    additionalPaymentsButton_ = toolButton(
        "BitBtn11", "See the effect of additional payments on your Loan", Picture::Additional);
    chartButton_ = toolButton("BitBtn2", "View a  graph of your Loan", Picture::Chart);
    header_->toolBar()->addSeparator();
    aboutButton_ = toolButton("AboutBtn", "About", Picture::About);
    helpButton_ = toolButton("HelpBtn", "Help", Picture::Help);
    quitButton_ = toolButton("ExitBtn", "Quit", Picture::Quit);
    quitButton_->setText("Quit");
    quitButton_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QPalette palette = quitButton_->palette();
    palette.setColor(QPalette::ButtonText, Qt::white);
    quitButton_->setPalette(palette);

    // The tool-bar table buttons click the Loan page's own buttons.
    const std::pair<QToolButton*, LoanPage::Opener> openers[] = {
        {gridButton_, LoanPage::Opener::Grid},
        {scheduleButton_, LoanPage::Opener::Schedule},
        {additionalPaymentsButton_, LoanPage::Opener::AdditionalPayments},
        {chartButton_, LoanPage::Opener::Chart}};
    for (const auto& [button, opener] : openers) {
        connect(button, &QToolButton::clicked, loan_,
                [this, opener = opener] { loan_->click(opener); });
    }
    connect(aboutButton_, &QToolButton::clicked, this, [this] {
        about_->show();
        about_->raise();
    });
    connect(helpButton_, &QToolButton::clicked, this,
            [this] { context_.help.showHelp(topic::Contents); });
    connect(quitButton_, &QToolButton::clicked, this, &QWidget::close);
    connect(loadButton_, &QToolButton::clicked, this, &MainWindow::loadWithDialog);
    connect(saveButton_, &QToolButton::clicked, this, &MainWindow::save);
}

void MainWindow::createMenu() {
    // Each entry carries the platform's standard keys, shown beside it; they
    // work on every page, whichever field has the focus. Where the platform has
    // none (Save As and Quit under some themes), the keys the desktops share.
    const auto entry = [this](QMenu* menu, const char* caption, const char* name,
                              QKeySequence::StandardKey keys, auto act,
                              const QKeySequence& common = {}) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        const QList<QKeySequence> standard = QKeySequence::keyBindings(keys);
        action->setShortcuts(standard.isEmpty() && !common.isEmpty() ? QList{common} : standard);
        connect(action, &QAction::triggered, this, act);
        return action;
    };
    // An entry that repeats a tool-bar button clicks it.
    const auto click = [](QToolButton* button) { return [button] { button->click(); }; };
    QMenu* file = menuBar()->addMenu("&File");
    file->setObjectName("File1");
    entry(file, "&New", "New1", QKeySequence::New, [this] { startNewLoan(); });
    entry(file, "&Open File", "OpenFile1", QKeySequence::Open, click(loadButton_));
    recentFiles_ = new RecentFilesMenu(*context_.settings, file);
    file->addMenu(recentFiles_);
    connect(recentFiles_, &RecentFilesMenu::chosen, this, &MainWindow::openRecentFile);
    entry(file, "&Save File", "SaveFile1", QKeySequence::Save, click(saveButton_));
    entry(
        file, "Save &As...", "SaveAs1", QKeySequence::SaveAs, [this] { saveWithDialog(); },
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    file->addSeparator();
    printAction_ = entry(file, "&Print...", "Print1", QKeySequence::Print, [this] { printPage(); });
    file->addSeparator();
    entry(file, "&Exit", "Exit1", QKeySequence::Quit, click(quitButton_),
          QKeySequence(Qt::CTRL | Qt::Key_Q));
    QMenu* help = menuBar()->addMenu("&Help");
    help->setObjectName("Help1");
    entry(help, "&Contents", "Contents1", QKeySequence::HelpContents, click(helpButton_));
    help->addSeparator();
    entry(help, "&About", "About1", QKeySequence::UnknownKey, click(aboutButton_));
}

void MainWindow::createControls() {
    auto* central = new QWidget(this);
    central->setObjectName("ClientArea");
    header_ = new HeaderBand(central);
    // The transfer box and the savings page are never shown. They stand in a
    // window of their own that is never shown either: assistive technology
    // lists every control of a shown window, hidden or not, and could tick the
    // box or open the page.
    auto* neverShown = new QWidget(this, Qt::Window);
    neverShown->setObjectName("NeverShown");
    transferValues_ = new QCheckBox("Transfer Values to Mortgage Savings", neverShown);
    transferValues_->setObjectName("TrasferValuesCheckBox");

    pages_ = new QTabWidget(central);
    pages_->setObjectName("PageControl1");
    loan_ = new LoanPage(context_, state_, pages_);
    loan_->setObjectName("TabSheet1");
    whatIf_ = new WhatIfPage(context_, pages_);
    whatIf_->setObjectName("TabSheet4");
    savings_ = new LoanSavingsPage(context_, state_, neverShown);
    savings_->setObjectName("MortgageSavingsTab");
    residual_ = new ResidualValuePage(context_, pages_);
    residual_->setObjectName("ResidualValueTab");
    pages_->addTab(loan_, "Loan");
    pages_->addTab(whatIf_, "What If?");
    pages_->addTab(residual_, "Residual Value");

    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(header_);
    layout->addWidget(pages_, 1);
    central->setMinimumSize(ClientArea);
    setCentralWidget(central);

    createToolBar();
    createMenu();
    connect(pages_, &QTabWidget::currentChanged, this, &MainWindow::followPage);
    connect(loan_, &LoanPage::openRequested, this, [this](LoanPage::Opener opener) {
        switch (opener) {
            case LoanPage::Opener::Grid:
                return openLoanGrid();
            case LoanPage::Opener::Schedule:
                return openLoanSchedule();
            case LoanPage::Opener::Chart:
                return openCostChart();
            case LoanPage::Opener::AdditionalPayments:
                return openPaymentOptions();
        }
    });
    connect(whatIf_, &WhatIfPage::transferRequested, this, &MainWindow::takeWhatIfLoan);
    connect(loan_, &LoanPage::partYearShown, this,
            [this](bool shown) { schedule_->setPartYearVisible(shown); });
}

void MainWindow::createSecondaryWindows() {
    // Created once each, in this order, and kept hidden until an action opens them.
    const LoanOptionsSource options = [this] { return loan_->options(); };
    grid_ = new LoanGridWindow(context_, options, this);
    schedule_ = new LoanScheduleWindow(context_, options, this);
    paymentOptions_ = new AdditionalPaymentOptions(this);
    extraRepayment_ = new ExtraRepaymentWindow(
        context_, [this] { return loan_->texts(); }, this);
    termReduction_ = new TermReductionWindow(context_, options, this);
    connect(paymentOptions_, &AdditionalPaymentOptions::chosen, this,
            &MainWindow::openAdditionalPayments);
    chart_ = new CostChartWindow(context_, this);
    about_ = new AboutWindow(this);
}

void MainWindow::setup() {
    pages_->setTabVisible(pages_->indexOf(residual_), true);
    transferValues_->hide();
    openDialog_.filter = "Corbelwright Saved Files (*.CWS)";
    saveDialog_.filter = "Corbelwright File (*.CWS)";
    // The name the dialog asks about before replacing is the one written.
    saveDialog_.suffix = "CWS";
    saveDialog_.confirmReplace = true;
    // A file opened at start has put its name in the title already.
    if (windowTitle().isEmpty()) {
        setWindowTitle(Q(ProgramName) + " " + Q(ProgramVersion));
    }
    loan_->applyRepaymentFrequency();
    pages_->setCurrentWidget(loan_);
    // Fixed size: the given client area, or more where the texts need it.
    adjustSize();
    setFixedSize(sizeHint());
}

void MainWindow::followPage(int index) {
    if (pages_->widget(index) == residual_ && transferValues_->isChecked()) {
        const LoanEntry loan = loan_->loanEntry();
        savings_->copyLoan(loan.amount, loan.years, loan.rate);
    }
    const bool onLoan = pages_->widget(index) == loan_;
    if (!onLoan) {
        transferValues_->hide();
    }
    for (QToolButton* button :
         {gridButton_, additionalPaymentsButton_, scheduleButton_, chartButton_}) {
        button->setEnabled(onLoan);
    }
    // The What If? page has no report.
    printAction_->setEnabled(pages_->widget(index) != whatIf_);
}

void MainWindow::printPage() {
    if (pages_->currentWidget() == loan_) {
        loan_->print();
    } else if (pages_->currentWidget() == residual_) {
        residual_->print();
    }
}

void MainWindow::openLoanGrid() {
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

bool MainWindow::checkLoanForTables() {
    loan_->focusAmount();
    const auto checked =
        ReadLoan(loan_->texts(), TableChecks, context_.regional.decimalSeparator());
    if (!checked) {
        context_.dialogs.showMessage(this, checked.failure());
    }
    return checked.ok();
}

void MainWindow::openLoanSchedule() {
    if (!checkLoanForTables()) {
        return;
    }
    schedule_->copyLoan(loan_->loanEntry());
    schedule_->setFrequencyCaptions(loan_->repaymentFrequency(), loan_->partYearUnit());
    schedule_->FillLoanSchedule();
    schedule_->exec();
}

void MainWindow::openPaymentOptions() {
    if (!checkLoanForTables()) {
        return;
    }
    paymentOptions_->exec();
}

void MainWindow::openAdditionalPayments(AdditionalPaymentChoice choice) {
    if (choice == AdditionalPaymentChoice::Table) {
        termReduction_->copyLoan(loan_->loanEntry());
        termReduction_->FillTermReductionTable();
        termReduction_->showOpeningWord(loan_->repaymentFrequency());
        termReduction_->exec();
    } else {
        extraRepayment_->setFrequencyCaptions(loan_->repaymentFrequency());
        extraRepayment_->placeBelowCorner(this);
        extraRepayment_->exec();
    }
}

void MainWindow::openCostChart() {
    const auto slices = CostBreakdown(loan_->texts(), context_.regional);
    if (!slices) {
        context_.dialogs.showMessage(this, slices.failure());
        return;
    }
    state_.summary = slices->run;
    chart_->showBreakdown(slices->principal, slices->interest);
    chart_->exec();
}

void MainWindow::takeWhatIfLoan() {
    loan_->setLoan(whatIf_->loanEntry());
    pages_->setCurrentWidget(loan_);
}

void MainWindow::reopenLastFile(const std::vector<std::string>& arguments) {
    const Reopen reopen =
        corbel::ReopenLastFile(arguments, settings_, FileSystemName(state_.currentFileName));
    state_.currentFileName = QFile::decodeName(QByteArray::fromStdString(reopen.currentFileName));
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

QString MainWindow::fileTitle(const QString& path) const {
    const QString program = Q(ProgramName) + " " + Q(ProgramVersion);
    return path.isEmpty() ? program : program + " -  " + path;
}

SavedLoan MainWindow::record() const {
    SavedLoan saved;
    const LoanEntry loan = loan_->loanEntry();
    saved.amount = loan.amount.toStdString();
    saved.years = loan.years.toStdString();
    saved.partYear = loan.parts.toStdString();
    saved.rate = loan.rate.toStdString();
    saved.repaymentIndex = IndexOf(loan.repaymentFrequency);
    saved.compoundingIndex = IndexOf(loan.compounding);
    saved.inArrears = loan.timing == PaymentTiming::InArrears;
    saved.inAdvance = !saved.inArrears;
    savings_->record(saved);
    saved.transferValues = transferValues_->isChecked();
    saved.whatIf = whatIf_->record();
    saved.residual = residual_->record();
    return saved;
}

void MainWindow::apply(const SavedLoan& saved) {
    loan_->setInputs({Q(saved.amount), Q(saved.rate), Q(saved.years), Q(saved.partYear),
                      FrequencyAt(saved.repaymentIndex), FrequencyAt(saved.compoundingIndex),
                      saved.inAdvance ? PaymentTiming::InAdvance : PaymentTiming::InArrears});
    savings_->apply(saved);
    transferValues_->setChecked(saved.transferValues);
    if (saved.whatIf) {
        whatIf_->apply(*saved.whatIf);
    }
    if (saved.residual) {
        residual_->apply(*saved.residual);
    }
    // The lists were set without their change handlers; each page's captions
    // now follow its repayment frequency (a file without its residual section
    // leaves that page on "Monthly").
    residual_->applyRepaymentFrequency();
    loan_->applyRepaymentFrequency();
}

void MainWindow::ClearLoanInputs() {
    loan_->clear();
    savings_->clear();
    residual_->clear();
}

bool MainWindow::SaveLoanFile(const QString& path) {
    if (const auto error = WriteLoanFile(FileSystemName(path), record())) {
        context_.dialogs.showMessage(
            this, Message{MessageCause::FileFailed,
                          Fill(msg::CouldNotWrite, {path.toStdString(), *error})});
        return false;
    }
    setWindowTitle(fileTitle(path));
    heldFile_ = path;
    recentFiles_->add(path);
    state_.loanSaved = true;
    return true;
}

std::optional<Message> MainWindow::load(const std::string& file, const QString& path) {
    // Read and checked whole first, so that a bad file leaves the pages alone.
    const LoadResult read = ReadLoanFile(file);
    if (!read.loan) {
        return Message{MessageCause::FileFailed,
                       Fill(msg::CouldNotOpen, {path.toStdString(), read.error})};
    }
    ClearLoanInputs();
    setWindowTitle(fileTitle(path));
    apply(*read.loan);
    // A name that does not read back as the same bytes would save elsewhere.
    heldFile_ = FileSystemName(path) == file ? QFileInfo(path).absoluteFilePath() : QString();
    if (!heldFile_.isEmpty()) {
        recentFiles_->add(heldFile_);
    }
    state_.loanSaved = true;
    return std::nullopt;
}

bool MainWindow::LoadLoanFile(const QString& path) {
    const auto failure = load(FileSystemName(path), path);
    if (failure) {
        context_.dialogs.showMessage(this, *failure);
    }
    return !failure;
}

void MainWindow::save() {
    if (heldFile_.isEmpty()) {
        saveWithDialog();
    } else if (SaveLoanFile(heldFile_)) {
        state_.currentFileName = heldFile_;
    }
}

void MainWindow::saveWithDialog() {
    const auto chosen = context_.dialogs.saveFileName(this, saveDialog_);
    if (!chosen || chosen->isEmpty()) {
        return;
    }
    saveDialog_.name = *chosen;
    const QString name = Q(SavedFileName(chosen->toStdString()));
    // The dialog asked about the name it gave; ".CWS" added to a name with
    // another extension makes a name it did not ask about.
    if (name != *chosen && QFileInfo::exists(name) &&
        context_.dialogs.askYesNoCancel(
            this, Message{MessageCause::FileExists,
                          Fill(msg::ReplaceExisting, {name.toStdString()})}) != Answer::Yes) {
        return;
    }
    if (!SaveLoanFile(name)) {
        return;
    }
    state_.currentFileName = name;
    openDialog_.folder = saveDialog_.folder;
    openDialog_.name = *chosen;
}

void MainWindow::loadWithDialog() {
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
    state_.currentFileName = *chosen;
}

void MainWindow::openRecentFile(const QString& path) {
    // A file that is gone replaces nothing: no question, only why it is not opened.
    const bool exists = QFileInfo::exists(path);
    if (exists && !mayReplaceLoan()) {
        return;
    }
    if (!LoadLoanFile(path)) {
        if (!exists) {
            recentFiles_->remove(path);
        }
        return;
    }
    openDialog_.folder = saveDialog_.folder = QFileInfo(path).absolutePath();
    openDialog_.name = saveDialog_.name = path;
    state_.currentFileName = path;
}

void MainWindow::startNewLoan() {
    if (!mayReplaceLoan()) {
        return;
    }
    loan_->clear();
    savings_->clear();
    transferValues_->setChecked(false);
    whatIf_->clear();
    residual_->restart();
    loan_->applyRepaymentFrequency();
    state_.summary = {};
    heldFile_.clear();
    // The save dialog keeps its folder but offers no earlier loan's name.
    saveDialog_.name.clear();
    setWindowTitle(fileTitle({}));
    pages_->setCurrentWidget(loan_);
    loan_->focusAmount();
    // Nothing typed yet, nothing to lose.
    state_.loanSaved = true;
}

bool MainWindow::mayReplaceLoan() {
    if (state_.loanSaved) {
        return true;
    }
    switch (context_.dialogs.askYesNoCancel(
        this, Message{MessageCause::UnsavedChanges, msg::SaveFileFirst})) {
        case Answer::Cancel:
            return false;
        case Answer::Yes:
            saveButton_->click();
            // A save that was cancelled or failed would lose the changes the
            // user just asked to keep.
            return state_.loanSaved;
        case Answer::No:
            break;
    }
    return true;
}

bool MainWindow::mayClose() {
    if (!mayReplaceLoan()) {
        return false;
    }
    RememberCurrentFile(settings_, FileSystemName(state_.currentFileName));
    // The program closes all the same; the user learns that the file is not
    // remembered, unless start-up said so already.
    if (const std::string failure = settings_.failure(); failure != settingsFailureShown_) {
        context_.dialogs.showMessage(this, Message{MessageCause::FileFailed, failure});
    }
    return true;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!mayClose()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
    if (event->isAccepted()) {
        // The program ends with its main window, whatever other window is open.
        QCoreApplication::quit();
    }
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!centred_) {
        centred_ = true;
        if (!placeKept_) {
            CentreOnScreen(this);
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
