// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMainWindow>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "platform/Dialogs.h"
#include "storage/LastFile.h"
#include "storage/SavingLoading.h"
#include "ui/UiContext.h"

class QAction;
class QCheckBox;
class QDialog;
class QTabWidget;
class QToolButton;

namespace corbel::ui {

class HeaderBand;
class LoanPage;
class LoanSavingsPage;
class AboutWindow;
class ExtraRepaymentWindow;
class TermReductionWindow;
class AdditionalPaymentOptions;
class CostChartWindow;
class LoanGridWindow;
class LoanScheduleWindow;
class WhatIfPage;
class ResidualValuePage;
enum class Picture;
enum class AdditionalPaymentChoice;

// The main window: it owns the start-up and shut-down, the pages, the tool bar
// and menu, and the secondary windows (created once each, for the whole run).
// `arguments` are the command-line arguments after the program's name, as bytes
// in the file system's encoding: a file named there opens at start-up instead
// of the last file remembered in `settings` (ReopenLastFile), where the windows
// keep their choices too. A start-up file that cannot be read is shown over the
// window once it is shown. The open and save dialogs first start in
// `fileDialogFolder`.
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    MainWindow(const UiContext& context, const QString& fileDialogFolder, ProgramSettings& settings,
               const std::vector<std::string>& arguments = {}, QWidget* parent = nullptr);

    SharedState& state() { return state_; }

    LoanPage* loanPage() const { return loan_; }
    WhatIfPage* whatIfPage() const { return whatIf_; }
    ResidualValuePage* residualPage() const { return residual_; }

    LoanGridWindow* grid() const { return grid_; }
    LoanScheduleWindow* schedule() const { return schedule_; }
    CostChartWindow* chart() const { return chart_; }

    void PageControl1Change(int index);
    void MortgageGridBtnClick();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void BitBtn9Click();
    void TransferBtnClick();

    // The saved loan file. A failure is shown naming the file, then the
    // system's words, and changes nothing: neither the pages, the title nor
    // LoanSaved.
    bool SaveLoanFile(const QString& path);
    bool LoadLoanFile(const QString& path);
    // Empties the Loan, loan savings and Residual Value pages before a load.
    void ClearLoanInputs();
    // Save and load through the file dialogs.
    void SaveBtnClick();
    void LoadBtnClick();
    // Whether the window may close: unsaved changes bring the question whether
    // to save first (Cancel, or a save that does not happen, keeps the window
    // open); a close that goes ahead remembers the current file for the next start.
    bool FormCloseQuery();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // The schedule's and the additional payments' checks of the Loan page's loan.
    bool checkLoanForTables();
    void createControls();
    void createToolBar();
    void createMenu();
    void createSecondaryWindows();
    void setup();
    void relabel();
    // The options window's OK: the chosen window, shown with the Loan page's loan.
    void openAdditionalPayments(AdditionalPaymentChoice choice);
    void reopenLastFile(const std::vector<std::string>& arguments);
    // Reads the file (`file` in the file system's bytes, `path` as shown) and
    // applies it; the failure that stopped it otherwise.
    std::optional<Message> load(const std::string& file, const QString& path);
    SavedLoan record() const;
    void apply(const SavedLoan& loan);
    QString fileTitle(const QString& path) const;
    QToolButton* toolButton(const char* name, const char* hint, Picture picture);

    UiContext context_;
    SharedState state_;
    SettingsStore& settings_;
    // Each file dialog keeps its own folder and file name between uses.
    FileDialogSetup openDialog_;
    FileDialogSetup saveDialog_;

    HeaderBand* header_ = nullptr;
    QCheckBox* TrasferValuesCheckBox = nullptr;  // hidden; only a loaded file ticks it
    QTabWidget* PageControl1 = nullptr;          // the pages
    LoanPage* loan_ = nullptr;
    WhatIfPage* whatIf_ = nullptr;
    LoanSavingsPage* savings_ = nullptr;
    ResidualValuePage* residual_ = nullptr;

    QToolButton* LoadBtn = nullptr;   // tool bar: Load File
    QToolButton* SaveBtn = nullptr;   // tool bar: Save File
    QToolButton* BitBtn7 = nullptr;   // tool bar: the Loan Grid
    QToolButton* BitBtn5 = nullptr;   // tool bar: the Loan Schedule
    QToolButton* BitBtn11 = nullptr;  // tool bar: the additional payments
    QToolButton* BitBtn2 = nullptr;   // tool bar: the chart
    QToolButton* AboutBtn = nullptr;  // tool bar: About
    QToolButton* HelpBtn = nullptr;   // tool bar: Help (contents)
    QToolButton* ExitBtn = nullptr;   // tool bar: Quit

    AboutWindow* about_ = nullptr;
    LoanGridWindow* grid_ = nullptr;
    LoanScheduleWindow* schedule_ = nullptr;
    AdditionalPaymentOptions* apOptions_ = nullptr;
    ExtraRepaymentWindow* specific_ = nullptr;
    TermReductionWindow* additional_ = nullptr;
    CostChartWindow* chart_ = nullptr;
    bool centred_ = false;
    // What went wrong at start-up, shown over the window once it is shown.
    std::vector<Message> startupFailures_;
    std::string settingsFailureShown_;
};

}  // namespace corbel::ui
