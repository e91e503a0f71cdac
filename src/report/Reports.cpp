// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/Reports.h"

#include <functional>

#include "report/Printing.h"

namespace corbel::report {

namespace {

constexpr std::string_view Title = "Loan Details";

std::string Timing(bool inArrears) {
    return inArrears ? " (In Arrears)" : " (In Advance)";
}

// Lines 2 to 7 of the first page of the grid and schedule reports: the title,
// its underline and three lines of the loan in fields of 25, 23, 25 and 8.
void PrintTableLoan(ReportWriter& w, const TableLoan& loan, std::string_view underline,
                    std::string_view partYearUnit) {
    w.SetReportFont(12, true);
    w.EndLine();
    w.Write(Title, 42);
    w.Flush();
    w.SetReportFont(10, true);
    w.EndLine();
    w.Write(underline, 55);
    w.Flush();
    w.EndLine();
    const auto line = [&w](std::string_view a, std::string_view b, std::string_view c,
                           std::string_view d) {
        w.Write(a, 25);
        w.Write(b, 23);
        w.Write(c, 25);
        w.Write(d, 8);
        w.EndLine();
    };
    line("Loan Amount:", loan.amount, "Interest Rate:", loan.rate);
    line("Years:", loan.years, std::string(partYearUnit) + ":", loan.parts);
    line("Repayment:", loan.repaymentFrequency + Timing(loan.inArrears),
         "Interest Compounded:", loan.compounding);
}

// A line of fields in the current font, flushed after the fields listed.
struct Field {
    std::string_view text;
    int width;
    bool flushAfter = false;
};
void PrintFields(ReportWriter& w, std::initializer_list<Field> fields) {
    for (const Field& field : fields) {
        w.Write(field.text, field.width);
        if (field.flushAfter) {
            w.Flush();
        }
    }
    w.EndLine();
}

// The rows of a table report: a page top before the first row and after every
// page break by count, then the row, counted.
void PrintRows(ReportWriter& w, int rowCount, const std::function<void(bool first)>& pageTop,
               const std::function<void(int)>& row) {
    for (int r = 0; r < rowCount; ++r) {
        if (w.NewPageIfFull(w.lineCount) || r == 0) {
            pageTop(r == 0);
        }
        row(r);
        ++w.lineCount;
    }
}

// A row: the first cell in bold, the others regular in their widths, flushed
// after every two.
template <typename CellText>
void PrintRow(ReportWriter& w, std::span<const int> widths, const CellText& cell) {
    w.SetReportFont(8, true);
    w.Write(cell(0), widths[0]);
    w.Flush();
    w.SetReportFont(8);
    for (std::size_t c = 1; c < widths.size(); ++c) {
        w.Write(cell(static_cast<int>(c)), widths[c]);
        if (c % 2 == 0) {
            w.Flush();
        }
    }
    w.EndLine();
}

}  // namespace

TableLoan ReportLoan(const LoanTexts& loan) {
    return {loan.amount,
            loan.rate,
            loan.years,
            std::string(UnitLabel(loan.repaymentFrequency)),
            loan.parts,
            std::string(Label(loan.repaymentFrequency)),
            loan.timing == PaymentTiming::InArrears,
            std::string(Label(loan.compounding))};
}

TableLoan ReportLoan(const ResidualTexts& loan) {
    return ReportLoan(LoanTexts{loan.amount, loan.rate, loan.years, loan.parts,
                                loan.repaymentFrequency, loan.compounding,
                                PaymentTiming::InArrears});
}

bool PrintLoanDetails(PageDevice& device, const LoanDetailsReport& report,
                      const Regional& regional) {
    ReportWriter w(device);
    if (!w.OpenReport()) {
        return false;
    }
    w.SetReportFont(12, true, true);
    w.EndLine();
    w.Write(Title);
    w.Flush();
    w.SetReportFont(10, true);
    w.EndLine();
    for (int i = 0; i < 3; ++i) {
        w.EndLine();
    }
    w.Write("Loan Amount:     " + FormatMoneyText(report.loan.amount, regional));
    w.EndLine();
    w.Write("Period:              Years: " + report.loan.years + "     " +
            report.loan.partYearUnit + ": " + report.loan.parts);
    w.EndLine();
    w.Write("Interest Rate:       ");
    w.Write(report.loan.rate + "%" + " Compounded " + report.loan.compounding, 8);
    w.EndLine();
    w.Write("Payment:             " + report.loan.repaymentFrequency +
            Timing(report.loan.inArrears));
    w.EndLine();
    w.EndLine();
    w.Write(PadText(report.repaymentCaption, "L", 33), 33);
    w.Write(report.repaymentResult);
    w.EndLine();
    w.Write("Total Interest:                  " + report.totalInterest);
    w.EndLine();
    return w.CloseReport();
}

bool PrintLoanGrid(PageDevice& device, const LoanGridReport& report, const Regional& regional) {
    ReportWriter w(device);
    if (!w.OpenReport()) {
        return false;
    }
    w.SetReportFont(8, true);
    w.PrintPageNumber();
    PrintTableLoan(w, report.loan, "--------------------", GridPartYearCaption);
    PrintFields(w, {{"Amount Step:", 25},
                    {report.amountStep, 23},
                    {"Interest Step:", 25},
                    {report.interestStep, 8}});
    w.SetReportFont(8);
    w.EndLine();
    w.EndLine();
    w.lineCount += 7;

    static const LoanGrid empty;
    const LoanGrid& grid = report.grid ? *report.grid : empty;
    static constexpr int Widths[GridTableColumns] = {14, 14, 14, 14, 14, 14, 14, 14};
    const auto cell = [&](int row) {
        return [&, row](int column) { return GridCellText(grid, row, column, regional); };
    };
    PrintRows(
        w, grid.rowCount() - 1,
        [&](bool first) {
            w.SetReportFont(8, true);
            if (!first) {
                w.PrintPageNumber();
            }
            w.PrintGridHeading();
            w.SetReportFont(8, true);
            const auto heading = cell(0);
            for (int c = 0; c < GridTableColumns; ++c) {
                w.Write(heading(c), Widths[c]);
            }
            w.EndLine();
            w.EndLine();
            w.SetReportFont(8);
        },
        [&](int r) { PrintRow(w, Widths, cell(r + 1)); });
    return w.CloseReport();
}

bool PrintLoanSchedule(PageDevice& device, const LoanScheduleReport& report,
                       const Regional& regional) {
    ReportWriter w(device);
    if (!w.OpenReport()) {
        return false;
    }
    w.SetReportFont(8, true);
    w.PrintPageNumber();
    PrintTableLoan(w, report.loan, "------------------------", report.loan.partYearUnit);
    if (!report.extra.empty()) {
        w.Write(report.extra);
        w.EndLine();
        ++w.lineCount;
    }
    w.EndLine();
    w.EndLine();
    w.lineCount += 8;

    static constexpr int Widths[ScheduleColumnCount] = {10, 18, 18, 18, 18, 18};
    PrintRows(
        w, static_cast<int>(report.rows.size()),
        [&](bool first) {
            w.SetReportFont(8, true);
            if (!first) {
                w.PrintPageNumber();
            }
            w.PrintScheduleHeading();
            w.SetReportFont(8, true);
            PrintFields(w, {{report.firstHeading, 10},
                            {"Interest", 18},
                            {"Capital", 18, true},
                            {"Outstanding", 18},
                            {"Accumulated", 18},
                            {"Accumulated", 18, true}});
            PrintFields(w, {{"", 10},
                            {"Interest", 18},
                            {"Reduction", 18, true},
                            {"Balance", 18},
                            {"Interest", 18},
                            {"Capital", 18, true}});
            w.SetReportFont(8);
        },
        [&](int r) {
            const ScheduleRow& row = report.rows[static_cast<std::size_t>(r)];
            PrintRow(w, Widths,
                     [&](int column) { return ScheduleCellText(row, column, regional); });
        });
    return w.CloseReport();
}

bool PrintExtraPayments(PageDevice& device, const ExtraPaymentsReport& report,
                        const Regional& regional) {
    ReportWriter w(device);
    if (!w.OpenReport()) {
        return false;
    }
    const TableLoan& loan = report.loan;
    w.SetReportFont(12, true);
    w.EndLine();
    w.Write(Title);
    w.Flush();
    w.SetReportFont(10, true);
    w.EndLine();
    w.EndLine();
    for (const std::string& line :
         {"Loan Amount:     " + loan.amount, "Interest Rate:       " + loan.rate + "%",
          "Period               Years:   " + loan.years + "   " + loan.partYearUnit + ":  " +
              loan.parts,
          "Payment:             " + loan.repaymentFrequency + Timing(loan.inArrears)}) {
        w.Write(line);
        w.EndLine();
    }
    w.EndLine();
    w.EndLine();
    w.lineCount += 9;

    static constexpr int Widths[TermReductionColumnCount] = {19, 20, 24, 20, 18};
    const std::string additional = "Additional " + report.word;
    const std::string total = "Total " + report.word;
    PrintRows(
        w, static_cast<int>(report.rows.size()),
        [&](bool) {
            w.SetReportFont(8, true);
            w.PrintExtraPaymentsHeading();
            w.SetReportFont(8, true);
            PrintFields(w, {{"Years to Pay", 26},
                            {additional, 20},
                            {total, 18, true},
                            {"Total Interest", 20},
                            {"Interest Saved", 20, true}});
            PrintFields(w, {{"off Loan", 24},
                            {"Payment Required", 20},
                            {"Payment", 18, true},
                            {"", 20},
                            {"", 20, true}});
            w.SetReportFont(8);
        },
        [&](int r) {
            const TermReductionRow& row = report.rows[static_cast<std::size_t>(r)];
            PrintRow(w, Widths,
                     [&](int column) { return TermReductionCellText(row, column, regional); });
        });
    return w.CloseReport();
}

bool PrintResidualValue(PageDevice& device, const ResidualValueReport& report,
                        const Regional& regional) {
    ReportWriter w(device);
    if (!w.OpenReport()) {
        return false;
    }
    w.SetReportFont(12, true, true);
    w.EndLine();
    w.Write("Residual Value Details");
    w.EndLine();
    w.SetReportFont(10, true);
    for (int i = 0; i < 3; ++i) {
        w.EndLine();
    }
    const auto line = [&w](std::string_view label, const std::string& value) {
        w.Write(PadText(label, "L", 40) + value);
        w.EndLine();
    };
    line("Loan Amount:", FormatMoneyText(report.loan.amount, regional));
    line("Period:", "Years: " + report.loan.years + "     " + report.loan.partYearUnit + ": " +
                        report.loan.parts);
    line("Interest Rate:",
         report.loan.rate + "%    " + "Compounded" + ": " + report.loan.compounding);
    w.EndLine();
    line("Payment with no residual value:",
         report.noResidualRepayment + "  (" + report.loan.repaymentFrequency + ")");
    w.EndLine();
    if (!report.proposed.empty()) {
        line("Proposed Payment of:", FormatMoneyText(report.proposed, regional) + "  (" +
                                         report.loan.repaymentFrequency + ")");
        w.Write(FillPlaceholders("This payment will leave a residual value of %S1 or %S2",
                                 {report.residual, report.residualPercent + "%"}));
        w.EndLine();
        w.EndLine();
    }
    if (!report.chosenPercent.empty()) {
        w.PrintWrapped(
            FillPlaceholders(
                "A Residual Value of %S1 leaves a Residual Value of %S2 and "
                "requires a payment of %S3",
                {report.chosenPercent + "%", report.chosenResidual, report.repaymentForResidual}) +
                " (" + report.loan.repaymentFrequency + ")",
            70, regional.currencySymbol());
        w.EndLine();
    }
    return w.CloseReport();
}

}  // namespace corbel::report
