// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/Reports.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <algorithm>

#include "RecordingDevice.h"
#include "calc/Frequency.h"
#include "platform/LocaleRegional.h"
#include "report/Printing.h"

namespace corbel::report {
namespace {

using test::RecordingDevice;
using Lines = std::vector<std::string>;

const LocaleRegional& EnUs() {
    static const LocaleRegional regional(QLocale(QLocale::English, QLocale::UnitedStates));
    return regional;
}

// A text in a field of `width`.
std::string F(std::string_view text, int width) {
    return std::string(static_cast<std::size_t>(std::max<int>(0, width - text.size())), ' ') +
           std::string(text);
}

LoanTerms Terms(double amount, double rate, int years, int parts,
                PaymentFrequency repayment = PaymentFrequency::Monthly) {
    return {
        amount, rate, years, parts, repayment, PaymentFrequency::Monthly, PaymentTiming::InArrears};
}

// The loan lines of a monthly loan in arrears, as the windows and the command line fill them.
TableLoan Monthly(std::string amount, std::string rate, std::string years, std::string parts) {
    return ReportLoan(LoanTexts{amount, rate, years, parts, PaymentFrequency::Monthly,
                                PaymentFrequency::Monthly, PaymentTiming::InArrears});
}

TEST(LoanDetailsReportTest, HundredThousandAtSixPercentOverThirtyYears) {
    LoanDetailsReport report{Monthly("100000", "6", "30", "0"),
                             LoanPaymentCaption(PaymentFrequency::Monthly), "$599.56",
                             "$115,832.08"};
    RecordingDevice device;
    ASSERT_TRUE(PrintLoanDetails(device, report, EnUs()));
    EXPECT_TRUE(device.ended);
    std::vector<std::pair<int, std::string>> drawn;
    for (const auto& run : device.runs) {
        drawn.emplace_back(run.y, run.text);
    }
    // An empty 12-point line, the title, three empty 10-point lines, then the body.
    const std::vector<std::pair<int, std::string>> expected = {
        {227, "Loan Details"},
        {1023, "Loan Amount:     $100,000.00"},
        {1214, "Period:              Years: 30     Month(s): 0"},
        {1405, "Interest Rate:       6% Compounded Monthly"},
        {1596, "Payment:             Monthly (In Arrears)"},
        {1976, "Monthly Loan Payment is          $599.56"},
        {2167, "Total Interest:                  $115,832.08"},
    };
    EXPECT_EQ(drawn, expected);
    EXPECT_EQ(device.runs[0].font, (ReportFont{12, true, true}));
    EXPECT_EQ(device.runs[1].font, (ReportFont{10, true, false}));
}

TEST(LoanDetailsReportTest, AmountTheRegionalReadingRejectsPrintsEmpty) {
    LoanDetailsReport report;
    report.loan.amount = "100,000";
    RecordingDevice device;
    ASSERT_TRUE(PrintLoanDetails(device, report, EnUs()));
    EXPECT_EQ(device.lines().at(1), "Loan Amount:     ");
}

TEST(LoanGridReportTest, FiftyOneAmountRowsUnderTheRateHeadings) {
    const LoanGrid grid = ComputeLoanGrid(Terms(100000, 6, 25, 0), 2000, 0.25);
    // The grid's part-year caption is its own "Month", whatever the repayments.
    const LoanGridReport report{Monthly("100000", "6", "25", ""), "2000", "0.25", &grid};
    RecordingDevice device;
    ASSERT_TRUE(PrintLoanGrid(device, report, EnUs()));
    const auto pages = device.pages();
    ASSERT_EQ(pages.size(), 1u);
    const Lines& page = pages[0];
    const Lines top = {
        "Page 1",
        F("Loan Details", 42),
        F("--------------------", 55),
        F("Loan Amount:", 25) + F("100000", 23) + F("Interest Rate:", 25) + F("6", 8),
        F("Years:", 25) + F("25", 23) + F("Month:", 25) + F("", 8),
        F("Repayment:", 25) + F("Monthly (In Arrears)", 23) + F("Interest Compounded:", 25) +
            F("Monthly", 8),
        F("Amount Step:", 25) + F("2000", 23) + F("Interest Step:", 25) + F("0.25", 8),
        F("Loan Grid", 40),
        F("------------------------", 55)};
    ASSERT_GE(page.size(), top.size() + 1);
    EXPECT_EQ(Lines(page.begin(), page.begin() + top.size()), top);
    std::string headings;
    for (const char* h : {"Amt/Int", "5.25%", "5.5%", "5.75%", "6%", "6.25%", "6.5%", "6.75%"}) {
        headings += F(h, 14);
    }
    EXPECT_EQ(page[top.size()], headings);
    const Lines rows(page.begin() + top.size() + 1, page.end());
    ASSERT_EQ(rows.size(), 51u);
    EXPECT_EQ(rows.front().substr(0, 28), F("$50,000", 14) + F("$299.63", 14));
    EXPECT_EQ(rows.back().substr(0, 14), F("$150,000", 14));
    // The amount is bold, the repayments regular.
    const auto firstRow = std::find_if(device.runs.begin(), device.runs.end(), [](const auto& run) {
        return run.text == F("$50,000", 14);
    });
    ASSERT_NE(firstRow, device.runs.end());
    EXPECT_TRUE(firstRow->font.bold);
    EXPECT_FALSE((firstRow + 1)->font.bold);
}

// The rows on each page of a schedule report: the lines after the second
// column-heading line.
std::vector<int> RowsPerPage(const RecordingDevice& device) {
    std::vector<int> counts;
    for (const Lines& page : device.pages()) {
        const auto heading = std::find_if(page.begin(), page.end(), [](const std::string& l) {
            return l.find("Reduction") != std::string::npos;
        });
        counts.push_back(heading == page.end() ? 0 : static_cast<int>(page.end() - heading - 1));
    }
    return counts;
}

TEST(LoanScheduleReportTest, RowsPerPageAndPageTops) {
    const LoanSchedule schedule =
        ComputeSchedule(Terms(100000, 6, 30, 0), ScheduleDisplay::ByPeriod);
    ASSERT_EQ(schedule.rows.size(), 360u);
    const LoanScheduleReport report{Monthly("100000", "6", "30", ""), "Month", schedule.rows};
    RecordingDevice device;
    ASSERT_TRUE(PrintLoanSchedule(device, report, EnUs()));
    ReportWriter probe(device);
    ASSERT_TRUE(probe.OpenReport());
    const int L = probe.linesPerPage;
    const int first = L - 14, later = L - 6;
    const int full = (360 - first) / later;
    std::vector<int> expected{first};
    expected.insert(expected.end(), static_cast<std::size_t>(full), later);
    expected.push_back(360 - first - full * later);
    EXPECT_EQ(RowsPerPage(device), expected);
    const auto pages = device.pages();
    for (std::size_t p = 0; p < pages.size(); ++p) {
        const Lines& page = pages[p];
        const std::size_t title = p == 0 ? 6 : 1;
        ASSERT_GT(page.size(), title + 3);
        EXPECT_EQ(page[0], "Page " + std::to_string(p + 1));
        EXPECT_EQ(page[title], F("Loan Schedule", 42));
        EXPECT_EQ(page[title + 2], F("Month", 10) + F("Interest", 18) + F("Capital", 18) +
                                       F("Outstanding", 18) + F("Accumulated", 18) +
                                       F("Accumulated", 18));
        EXPECT_EQ(page[title + 3], F("", 10) + F("Interest", 18) + F("Reduction", 18) +
                                       F("Balance", 18) + F("Interest", 18) + F("Capital", 18));
    }
    // The first row's cells are the table's own.
    EXPECT_EQ(pages[0][10], F("1", 10) + F("$500.00", 18) + F("$99.56", 18) + F("$99,900.44", 18) +
                                F("$500.00", 18) + F("$99.56", 18));
}

TEST(LoanScheduleReportTest, ThirtyYearlyRowsOnOnePage) {
    const LoanSchedule schedule = ComputeSchedule(Terms(100000, 6, 30, 0), ScheduleDisplay::ByYear);
    const LoanScheduleReport report{Monthly("100000", "6", "30", ""), "Year", schedule.rows};
    RecordingDevice device;
    ASSERT_TRUE(PrintLoanSchedule(device, report, EnUs()));
    EXPECT_EQ(RowsPerPage(device), std::vector<int>{30});
    const Lines lines = device.lines();
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& l) { return l.starts_with("Page"); }),
              1);
}

TEST(LoanScheduleReportTest, ExtraLineUnderTheLoanTakesARowOfTheFirstPage) {
    const LoanSchedule schedule =
        ComputeSchedule(Terms(100000, 6, 30, 0), ScheduleDisplay::ByPeriod);
    LoanScheduleReport report{Monthly("100000", "6", "30", ""), "Month", schedule.rows,
                              "With an extra $10.00 a repayment from repayment 1"};
    RecordingDevice device;
    RecordingDevice plain;
    ASSERT_TRUE(PrintLoanSchedule(device, report, EnUs()));
    ASSERT_TRUE(PrintLoanSchedule(plain, {report.loan, "Month", schedule.rows}, EnUs()));
    const Lines page = device.pages()[0];
    const auto at = std::find(page.begin(), page.end(), report.extra);
    ASSERT_NE(at, page.end());
    EXPECT_TRUE(std::prev(at)->starts_with(F("Repayment:", 25))) << *std::prev(at);
    EXPECT_EQ(RowsPerPage(device)[0], RowsPerPage(plain)[0] - 1);
}

TEST(ExtraPaymentsReportTest, WorkedExampleWithoutPageNumbers) {
    const TermReductionTable table = ComputeTermReductionTable(Terms(1000, 12, 2, 0));
    const ExtraPaymentsReport report{Monthly("1000", "12", "2", ""), "Monthly", table.rows};
    RecordingDevice device;
    ASSERT_TRUE(PrintExtraPayments(device, report, EnUs()));
    const Lines expected = {
        "Loan Details",
        "Loan Amount:     1000",
        "Interest Rate:       12%",
        "Period               Years:   2   Month(s):  ",
        "Payment:             Monthly (In Arrears)",
        F("Additional Payments Schedule", 51),
        F("------------------------", 55),
        F("Years to Pay", 26) + F("Additional Monthly", 20) + F("Total Monthly", 18) +
            F("Total Interest", 20) + F("Interest Saved", 20),
        F("off Loan", 24) + F("Payment Required", 20) + F("Payment", 18) + F("", 20) + F("", 20),
        F("2", 19) + F("$0.00", 20) + F("$47.08", 24) + F("$129.74", 20) + F("$0.00", 18),
        F("1", 19) + F("$41.77", 20) + F("$88.85", 24) + F("$66.18", 20) + F("$63.56", 18),
    };
    EXPECT_EQ(device.lines(), expected);
}

ResidualValueReport ResidualExample() {
    ResidualValueReport r;
    ResidualTexts texts;
    texts.amount = "10000";
    texts.rate = "10";
    texts.years = "5";
    r.loan = ReportLoan(texts);
    r.noResidualRepayment = "$212.47";
    return r;
}

TEST(ResidualValueReportTest, OptionalLinesFollowTheirFields) {
    const Lines always = {
        "Residual Value Details",
        PadText("Loan Amount:", "L", 40) + "$10,000.00",
        // The unit named by the repayments, whatever the page's label reads before any change.
        PadText("Period:", "L", 40) + "Years: 5     Month(s): ",
        PadText("Interest Rate:", "L", 40) + "10%    Compounded: Monthly",
        PadText("Payment with no residual value:", "L", 40) + "$212.47  (Monthly)",
    };
    const Lines proposed = {
        PadText("Proposed Payment of:", "L", 40) + "$150.00  (Monthly)",
        "This payment will leave a residual value of $4,837.53 or 48.38%",
    };
    const Lines chosen = {
        "A Residual Value of 20% leaves a Residual Value of $2,000.00 and",
        "requires a payment of $186.64 (Monthly)",
    };
    const auto join = [](std::initializer_list<Lines> parts) {
        Lines all;
        for (const Lines& part : parts) {
            all.insert(all.end(), part.begin(), part.end());
        }
        return all;
    };
    for (const bool withProposed : {false, true}) {
        for (const bool withChosen : {false, true}) {
            ResidualValueReport r = ResidualExample();
            if (withProposed) {
                r.proposed = "150";
                r.residual = "$4,837.53";
                r.residualPercent = "48.38";
            }
            if (withChosen) {
                r.chosenPercent = "20";
                r.chosenResidual = "$2,000.00";
                r.repaymentForResidual = "$186.64";
            }
            RecordingDevice device;
            ASSERT_TRUE(PrintResidualValue(device, r, EnUs()));
            EXPECT_EQ(device.lines(), join({always, withProposed ? proposed : Lines{},
                                            withChosen ? chosen : Lines{}}))
                << withProposed << withChosen;
        }
    }
}

}  // namespace
}  // namespace corbel::report
