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
class RecentFilesMenu;
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

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void createControls();
    void createToolBar();
    void createMenu();
    void createSecondaryWindows();
    void setup();
    QToolButton* toolButton(const char* name, const char* hint, Picture picture);

    // A change of page: the table buttons of the tool bar serve the Loan page only.
    void followPage(int index);
    // The windows that the Loan page's buttons, the tool bar and the menu open,
    // each with the Loan page's loan once its checks pass.
    void openLoanGrid();
    void openLoanSchedule();
    void openPaymentOptions();
    void openCostChart();
    // The options window's OK: the chosen window, shown with the Loan page's loan.
    void openAdditionalPayments(AdditionalPaymentChoice choice);
    // The schedule's and the additional payments' checks of the Loan page's loan.
    bool checkLoanForTables();
    // The What If? page's loan onto the Loan page.
    void takeWhatIfLoan();

    // The saved loan file. A failure is shown naming the file, then the
    // system's words, and changes nothing: neither the pages, the title nor
    // whether the loan is saved.
    bool SaveLoanFile(const QString& path);
    bool LoadLoanFile(const QString& path);
    // Empties the Loan, loan savings and Residual Value pages before a load.
    void ClearLoanInputs();
    // Save: straight to the file the pages hold, through the dialog when they
    // hold none.
    void save();
    // Save As: the save dialog always, which asks before replacing a file.
    void saveWithDialog();
    void loadWithDialog();
    // A file of the Recent Files menu; one that is gone is dropped from it.
    void openRecentFile(const QString& path);
    // New: every page as the program starts, with no file.
    void startNewLoan();
    // Print: the report of the page shown (none on the What If? page).
    void printPage();
    // Whether the loan on the pages may give way: unsaved changes bring the
    // question whether to save first; Cancel, or a save that does not happen,
    // keeps it.
    bool mayReplaceLoan();
    // Whether the window may close (mayReplaceLoan); a close that goes ahead
    // remembers the current file for the next start.
    bool mayClose();
    void reopenLastFile(const std::vector<std::string>& arguments);
    // Reads the file (`file` in the file system's bytes, `path` as shown) and
    // applies it; the failure that stopped it otherwise.
    std::optional<Message> load(const std::string& file, const QString& path);
    SavedLoan record() const;
    void apply(const SavedLoan& loan);
    QString fileTitle(const QString& path) const;

    UiContext context_;
    SharedState state_;
    SettingsStore& settings_;
    // Each file dialog keeps its own folder and file name between uses.
    FileDialogSetup openDialog_;
    FileDialogSetup saveDialog_;
    // The file whose loan the pages hold, which the title names: the one loaded
    // or saved last; empty when there is none (or its name does not read back
    // as the same bytes).
    QString heldFile_;

    // Each control is created with its given name (in quotes).
    HeaderBand* header_ = nullptr;
    QCheckBox* transferValues_ =
        nullptr;                          // "TrasferValuesCheckBox": hidden; a loaded file ticks it
    QTabWidget* pages_ = nullptr;         // "PageControl1"
    LoanPage* loan_ = nullptr;            // "TabSheet1"
    WhatIfPage* whatIf_ = nullptr;        // "TabSheet4"
    LoanSavingsPage* savings_ = nullptr;  // "MortgageSavingsTab"
    ResidualValuePage* residual_ = nullptr;  // "ResidualValueTab"
    // The tool bar.
    QToolButton* loadButton_ = nullptr;                // "LoadBtn"
    QToolButton* saveButton_ = nullptr;                // "SaveBtn"
    QToolButton* gridButton_ = nullptr;                // "BitBtn7"
    QToolButton* scheduleButton_ = nullptr;            // "BitBtn5"
    QToolButton* additionalPaymentsButton_ = nullptr;  // "BitBtn11"
    QToolButton* chartButton_ = nullptr;               // "BitBtn2"
    QToolButton* aboutButton_ = nullptr;               // "AboutBtn"
    QToolButton* helpButton_ = nullptr;                // "HelpBtn"
    QToolButton* quitButton_ = nullptr;                // "ExitBtn"
    // The menu.
    RecentFilesMenu* recentFiles_ = nullptr;  // "RecentFiles1"
    QAction* printAction_ = nullptr;          // "Print1"

    AboutWindow* about_ = nullptr;
    LoanGridWindow* grid_ = nullptr;
    LoanScheduleWindow* schedule_ = nullptr;
    AdditionalPaymentOptions* paymentOptions_ = nullptr;
    ExtraRepaymentWindow* extraRepayment_ = nullptr;
    TermReductionWindow* termReduction_ = nullptr;
    CostChartWindow* chart_ = nullptr;
    bool centred_ = false;
    bool placeKept_ = false;  // opens where it was last closed, not centred
    // What went wrong at start-up, shown over the window once it is shown.
    std::vector<Message> startupFailures_;
    std::string settingsFailureShown_;
};

}  // namespace corbel::ui
