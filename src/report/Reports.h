// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>
#include <string>

#include "calc/AdditionalPayments.h"
#include "calc/LoanGrid.h"
#include "calc/LoanSchedule.h"
#include "calc/Regional.h"
#include "report/PageDevice.h"

namespace corbel::report {

// Each report prints what its window shows: the window fills a record of its
// texts as they stand, and the tables' cells come from their column definitions.
// Every report answers false when the printer failed.

// The loan and options that every report prints at its top.
struct TableLoan {
    std::string amount;
    std::string rate;
    std::string years;
    std::string partYearUnit;  // the caption beside the part-year field
    std::string parts;
    std::string repayment;  // the Loan page's MPayment
    bool inArrears = true;  // the Loan page's MArrears
};

// The Loan page.
struct LoanDetailsReport {
    TableLoan loan;                // MAmount, IRate, Period, Label98, MPartyear, MPayment, MArrears
    std::string compounding;       // MCompounded
    std::string repaymentCaption;  // Panel1, "   Monthly Loan Payment is"
    std::string repaymentResult;   // MonthlyRepayment
    std::string totalInterest;     // TotalInterest
};
bool PrintLoanDetails(PageDevice& device, const LoanDetailsReport& report,
                      const Regional& regional);

// The loan grid window.
struct LoanGridReport {
    TableLoan loan;           // MAmt, InterestR, Years, Label7, Partyear
    std::string compounding;  // the Loan page's MCompounded
    std::string amountStep;   // AmountStep
    std::string interestStep;
    const LoanGrid* grid = nullptr;  // MGrid
};
bool PrintLoanGrid(PageDevice& device, const LoanGridReport& report, const Regional& regional);

// The loan schedule window.
struct LoanScheduleReport {
    TableLoan loan;                     // MSAmount, MSInterest, MSPeriod, Label11, Partyear
    std::string compounding;            // the Loan page's MCompounded
    std::string firstHeading;           // Label10: "Year" or the period
    std::span<const ScheduleRow> rows;  // MSGrid
};
bool PrintLoanSchedule(PageDevice& device, const LoanScheduleReport& report,
                       const Regional& regional);

// The additional payments table window; its part-year unit is the Loan page's Label98.
struct ExtraPaymentsReport {
    TableLoan loan;                          // APAmount, APInterest, APPeriod, Label98, PartYear
    std::string word;                        // Label5, the frequency word
    std::span<const TermReductionRow> rows;  // APGrid
};
bool PrintExtraPayments(PageDevice& device, const ExtraPaymentsReport& report,
                        const Regional& regional);

// The Residual Value page; an empty proposed repayment or residual percentage
// leaves its lines out.
struct ResidualValueReport {
    TableLoan loan;  // RVAmount, RVInterest, RVPeriod, Label90, RVPartYear, RVPayment; in arrears
    std::string compounding;           // RVCompounded
    std::string noResidualRepayment;   // RVMRepayment
    std::string proposed;              // RVResValue
    std::string residual;              // RV1
    std::string residualPercent;       // RV1Percent
    std::string chosenPercent;         // RV2Percent
    std::string chosenResidual;        // RV2
    std::string repaymentForResidual;  // RVMR
};
bool PrintResidualValue(PageDevice& device, const ResidualValueReport& report,
                        const Regional& regional);

}  // namespace corbel::report
