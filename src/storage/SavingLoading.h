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

// The inputs a saved loan file carries, a line each in the order of the file's
// line tables (SavingLoading.cpp). Texts are UTF-8, exactly as they stand in
// their fields. A list index is the position in a frequency list (0 "Annualy"
// ... 3 "Monthly" ... 7 "Daily").

// The What If? page.
struct WhatIfInputs {
    std::string amount;
    std::string years;
    std::string partYear;
    std::string rate;
    std::string repay;
    // The Calculate choice: a WhatIfChoice's savedCode; any other value selects none.
    int solveFor = ChoiceOf(DefaultWhatIfVariable).savedCode;
    int repaymentIndex = 3;
    int timing = 1;  // 1 in arrears, 2 in advance; any other selects neither
    int compoundingIndex = 3;
    bool operator==(const WhatIfInputs&) const = default;
};

// The Residual Value page.
struct ResidualInputs {
    std::string amount;
    std::string years;
    std::string partYear;
    std::string rate;
    int repaymentIndex = 3;
    int compoundingIndex = 3;
    std::string proposedRepayment;
    std::string residualPercent;
    bool operator==(const ResidualInputs&) const = default;
};

// The whole file: the Loan page, the loan savings fields and the transfer
// choice, then the two pages. A file read without its what-if section leaves
// that page as it was; one read without its residual section leaves that page
// cleared.
struct SavedLoan {
    std::string amount;
    std::string years;
    std::string partYear;
    std::string rate;
    int repaymentIndex = 3;
    int compoundingIndex = 3;
    bool inArrears = true;   // the line is exactly "TRUE"
    bool inAdvance = false;  // likewise; In Advance is selected exactly when this is true
    std::string savingsAmount;
    std::string savingsPeriod;
    std::string savingsRate;
    std::string reducedPeriod;
    std::string investRate;
    bool transferValues = false;
    std::optional<WhatIfInputs> whatIf;      // absent when the file ends after the loan's lines
    std::optional<ResidualInputs> residual;  // absent when it ends before the residual lines
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
