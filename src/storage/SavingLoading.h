// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "calc/WhatIf.h"

namespace corbel {

// The inputs a saved loan file carries, one member per line in file order.
// Texts are UTF-8, exactly as they stand in their fields. A list index is the
// position in a frequency list (0 "Annualy" ... 3 "Monthly" ... 7 "Daily").

// Lines 15 to 23: the What If? page.
struct WhatIfInputs {
    std::string amount;    // 15 WIPrincipal
    std::string years;     // 16 WIPeriods
    std::string partYear;  // 17 WIPartYear
    std::string rate;      // 18 WIInterest
    std::string repay;     // 19 WIRepay
    int solveFor =
        ChoiceOf(DefaultWhatIfVariable).savedCode;  // 20 a WhatIfChoice's savedCode;
                                                    //    any other value selects none of them
    int repaymentIndex = 3;                         // 21 WIPayment (0 to 7)
    int timing = 1;            // 22 1 WIArrearsRB, 2 WIAdvanceRB; any other selects neither
    int compoundingIndex = 3;  // 23 WICompounded (0 to 7)
    bool operator==(const WhatIfInputs&) const = default;
};

// Lines 24 to 31: the Residual Value page.
struct ResidualInputs {
    std::string amount;             // 24 RVAmount
    std::string years;              // 25 RVPeriod
    std::string partYear;           // 26 RVPartYear
    std::string rate;               // 27 RVInterest
    int repaymentIndex = 3;         // 28 RVPayment (0 to 7)
    int compoundingIndex = 3;       // 29 RVCompounded (0 to 7)
    std::string proposedRepayment;  // 30 RVResValue
    std::string residualPercent;    // 31 RV2Percent
    bool operator==(const ResidualInputs&) const = default;
};

// The whole file. A file read without its what-if section leaves that page as
// it was; one read without its residual section leaves that page cleared.
struct SavedLoan {
    std::string amount;                      // 1 MAmount
    std::string years;                       // 2 Period
    std::string partYear;                    // 3 MPartyear
    std::string rate;                        // 4 IRate
    int repaymentIndex = 3;                  // 5 MPayment (0 to 7)
    int compoundingIndex = 3;                // 6 MCompounded (0 to 7)
    bool inArrears = true;                   // 7 MArrears: line is exactly "TRUE"
    bool inAdvance = false;                  // 8 MAdvance: line is exactly "TRUE"; In Advance is
                                             //   selected exactly when this is true
    std::string savingsAmount;               // 9 MSavingsAmount
    std::string savingsPeriod;               // 10 mperiod
    std::string savingsRate;                 // 11 minterest
    std::string reducedPeriod;               // 12 reducedperiod
    std::string investRate;                  // 13 investrate
    bool transferValues = false;             // 14 TrasferValuesCheckBox: line is exactly "TRUE"
    std::optional<WhatIfInputs> whatIf;      // 15-23, absent when the file ends after 14
    std::optional<ResidualInputs> residual;  // 24-31, absent when it ends after 14 or 23
    bool operator==(const SavedLoan&) const = default;
};

// A saved loan read and checked whole, or the text of the failure that stopped
// it (nothing of a failed file is to be applied).
struct LoadResult {
    std::optional<SavedLoan> loan;
    std::string error;
};

// The reader looks at no more than this many bytes: a real file is a few
// hundred, and a file whose lines need more is refused as too large.
inline constexpr std::size_t MaxLoanFileBytes = std::size_t{1} << 20;

// The file's bytes: lines end with CR LF; the file ends after the last section
// the record holds (the program always fills both, giving 31 lines; a residual
// section without a what-if one writes the what-if page's start values); a
// text's characters that Windows-1252 cannot hold, and line breaks inside a
// text, become "?".
std::string LoanFileText(const SavedLoan& loan);

// Reads the bytes of a file. `more` says that the bytes are only the start of a
// longer file: reading past them then fails as too large.
LoadResult ParseLoanFile(std::string_view bytes, bool more = false);

// Reads and checks the file at `path`; failures carry the system's
// error text or the text of the first bad line.
LoadResult ReadLoanFile(const std::string& path);

// Writes the file at `path` as ReplaceFile writes every file; on failure the
// earlier file is left whole and the system's error text returned.
std::optional<std::string> WriteLoanFile(const std::string& path, const SavedLoan& loan);

// The name a chosen save name is written under: ".CWS" is appended unless its
// last four characters are ".CWS" in any case.
std::string SavedFileName(std::string_view chosen);

}  // namespace corbel
