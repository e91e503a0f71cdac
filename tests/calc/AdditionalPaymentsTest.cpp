// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/AdditionalPayments.h"

#include <gtest/gtest.h>

#include <numeric>
#include <optional>
#include <string>
#include <vector>

#include "TestRegional.h"
#include "calc/NumberTexts.h"
#include "calc/Rounding.h"

namespace corbel {
namespace {

LoanTerms Terms(double amount, double rate, int years, int parts,
                PaymentFrequency repayment = PaymentFrequency::Monthly,
                PaymentTiming timing = PaymentTiming::InArrears,
                PaymentFrequency compounding = PaymentFrequency::Monthly) {
    return {amount, rate, years, parts, repayment, compounding, timing};
}

using Table = std::vector<std::vector<std::string>>;

Table Shown(const TermReductionTable& table) {
    Table shown;
    for (const auto& row : table.rows) {
        auto& cells = shown.emplace_back();
        for (int c = 0; c < TermReductionColumnCount; ++c) {
            cells.push_back(TermReductionCellText(row, c, test::EnUs()));
        }
    }
    return shown;
}

std::string Money(double value) {
    return FormatMoney(test::EnUs(), value);
}

// --- The term-reduction table ---

struct TableCase {
    PaymentTiming timing;
    std::string repayment;
    Table rows;
};

TEST(TermReductionTest, WorkedExampleInArrearsAndInAdvance) {
    const TableCase cases[] = {
        {PaymentTiming::InArrears,
         "$47.08",
         {{"2", "$0.00", "$47.08", "$129.74", "$0.00"},
          {"1", "$41.77", "$88.85", "$66.18", "$63.56"}}},
        {PaymentTiming::InAdvance,
         "$46.61",
         {{"2", "$0.00", "$46.61", "$118.57", "$0.00"},
          {"1", "$41.36", "$87.97", "$55.63", "$62.94"}}},
    };
    for (const TableCase& c : cases) {
        const auto table =
            ComputeTermReductionTable(Terms(1000, 12, 2, 0, PaymentFrequency::Monthly, c.timing));
        EXPECT_EQ(Money(table.repayment), c.repayment);
        EXPECT_EQ(Shown(table), c.rows);
    }
}

// 25 years and 6 months: rows 26 down to 1, the first being the loan as typed.
TEST(TermReductionTest, PartYearIsTheFirstRowOnly) {
    const LoanTerms loan = Terms(100000, 6, 25, 6);
    const auto table = ComputeTermReductionTable(loan);
    ASSERT_EQ(table.rows.size(), 26u);
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        EXPECT_EQ(table.rows[r].years, 26 - static_cast<int>(r));
    }
    const TermReductionRow& first = table.rows.front();
    EXPECT_EQ(first.repayment, table.repayment);
    EXPECT_EQ(first.additional, 0);
    EXPECT_EQ(first.interestSaved, 0);
    // The first row's total interest is the Loan page's.
    const auto page = CalculateLoan({"100000", "6", "25", "6"}, test::EnUs());
    ASSERT_TRUE(page);
    EXPECT_EQ(Money(first.totalInterest), Money(page->totalInterest));
    // The second row is 25 whole years, the last one year.
    const auto whole = ComputeTermReductionTable(Terms(100000, 6, 25, 0));
    EXPECT_EQ(table.rows[1].repayment, whole.repayment);
    EXPECT_EQ(table.rows.back().repayment, whole.rows.back().repayment);
}

struct RowCountCase {
    const char* name;
    LoanTerms terms;
    int rows;
};

TEST(TermReductionTest, RowsAreTheYearsTheLoanTakes) {
    const RowCountCase cases[] = {
        {"whole years", Terms(1000, 12, 2, 0), 2},
        {"part year only", Terms(1000, 12, 0, 6), 1},
        {"a full year of parts", Terms(1000, 12, 2, 12), 3},
        {"weekly with parts", Terms(5000, 8, 3, 10, PaymentFrequency::Weekly), 4},
        // A repayment rounded up from 0.0139 to 0.02 clears 0.50 in 25 of 36
        // months: three rows, not the two that 25 / 12 in fractions gives.
        {"cleared in 25 months", Terms(0.5, 0.000001, 3, 0), 3},
        {"cleared in 599 months", Terms(1000, 0.0001, 50, 0), 50},
    };
    for (const RowCountCase& c : cases) {
        const auto table = ComputeTermReductionTable(c.terms);
        ASSERT_EQ(table.rows.size(), static_cast<std::size_t>(c.rows)) << c.name;
        EXPECT_EQ(table.rows.front().years, c.rows) << c.name;
        EXPECT_EQ(table.rows.back().years, 1) << c.name;
    }
}

// Repayments that barely exceed the interest: the closed form gives 500,006.67,
// the repayments really charge 1,500,005.00.
TEST(TermReductionTest, NegativeClosingRepaymentTakesTheRunsInterest) {
    const LoanTerms loan = Terms(100000, 30, 50, 0, PaymentFrequency::FortNightly,
                                 PaymentTiming::InArrears, PaymentFrequency::FortNightly);
    const auto table = ComputeTermReductionTable(loan);
    ASSERT_EQ(table.rows.size(), 50u);
    EXPECT_EQ(Money(table.rows.front().totalInterest), "$1,500,005.00");
    for (const auto& row : table.rows) {
        EXPECT_GE(row.totalInterest, 0) << row.years;
    }
}

TEST(TermReductionTest, ChecksOfTheTableWindow) {
    struct Case {
        LoanTexts texts;
        Message failure;
    };
    const Case cases[] = {
        {{"-1", "12", "2", ""}, Message{MessageCause::AmountOutOfRange, msg::ValidLoanAmount}},
        {{"1000", "", "", ""},
         Message{MessageCause::TermInvalid, "You must enter a period "}},  // term before rate
        {{"1000", "0", "2", ""}, Message{MessageCause::RateOutOfRange, msg::ValidInterestRate}},
    };
    for (const Case& c : cases) {
        const auto result = TermReductionFromTexts(c.texts, test::EnUs());
        ASSERT_FALSE(result) << c.failure.text;
        EXPECT_EQ(result.failure(), c.failure);
    }
    EXPECT_EQ(TermReductionFromTexts({"0", "0.000001", "1", ""}, test::EnUs())->rows.size(), 1u);
}

struct WordCase {
    PaymentFrequency repayment;
    std::string_view opened;
    std::string_view calculated;
};

TEST(TermReductionTest, FrequencyWordsAndHeadings) {
    const WordCase cases[] = {
        {PaymentFrequency::Annualy, "Yearly", "Annual"},
        {PaymentFrequency::BiAnnualy, "Half Year", "Half Year"},
        {PaymentFrequency::Quarterly, "Quarterly", "Quarterly"},
        {PaymentFrequency::Monthly, "Monthly", "Monthly"},
        {PaymentFrequency::BiMonthly, "1/2 Monthly", "Half Monthly"},
        {PaymentFrequency::FortNightly, "Fortnightly", "FortNightly"},
        {PaymentFrequency::Weekly, "Weekly", "Weekly"},
        {PaymentFrequency::Daily, "Daily", "Daily"},
    };
    for (const WordCase& c : cases) {
        EXPECT_EQ(TermReductionWord(c.repayment, TermTableMoment::Opened), c.opened);
        EXPECT_EQ(TermReductionWord(c.repayment, TermTableMoment::Calculated), c.calculated);
    }
    const auto headings = TermReductionHeadings("Monthly");
    EXPECT_EQ(
        std::vector<std::string>(headings.begin(), headings.end()),
        (std::vector<std::string>{"Years to pay off Loan", "Additional Monthly Payment Required",
                                  "Total Monthly Payment", "Total Interest", "Interest Saved"}));
}

// --- One extra amount from a chosen repayment on ---

TEST(ExtraPaymentTest, WorkedExampleFromTheStart) {
    const auto result =
        ExtraPaymentFromTexts({"1000", "12", "2", ""}, {"10", false, "", ""}, test::EnUs());
    ASSERT_TRUE(result);
    EXPECT_EQ(result->repaymentWithExtra, 57.08);
    EXPECT_EQ(result->paidOffIn, 20);
    EXPECT_EQ(Money(result->totalInterest), "$129.74");
    EXPECT_EQ(Money(result->newInterest), "$104.92");
    EXPECT_EQ(Money(result->interestSaved), "$24.82");
    EXPECT_EQ(result->sentence, "You have paid off your 2 Year Loan in 1 Year and 8 Months");
}

struct SentenceCase {
    int years;
    int parts;
    long long paidOffIn;
    PaymentFrequency repayment;
    std::string sentence;
};

TEST(ExtraPaymentTest, PaidOffSentence) {
    const std::string start = "You have paid off your ";
    const SentenceCase cases[] = {
        {25, 0, 19 * 12 + 4, PaymentFrequency::Monthly, "25 Year Loan in 19 Years and 4 Months"},
        {10, 6, 96, PaymentFrequency::Monthly, "10 Year and 6 month Loan in 8 Years"},
        {0, 6, 4, PaymentFrequency::Monthly, "6 month Loan in 4 Months"},
        {1, 0, 12, PaymentFrequency::Monthly, "1 Year Loan in 1 Year"},
        {3, 0, 13, PaymentFrequency::Monthly, "3 Year Loan in 1 Year and 1 Month"},
        {0, 26, 20, PaymentFrequency::Weekly, "6 month Loan in 5 Months"},  // 20 weeks: 4.6 months
        {5, 0, 3, PaymentFrequency::Annualy, "5 Year Loan in 3 Years"},
        // Leftover days count 30 to a month, and more than a tenth of a month is
        // a month: 364 days make 13 months, 4 days one, 2 days none.
        {2, 0, 365 + 364, PaymentFrequency::Daily, "2 Year Loan in 1 Year and 13 Months"},
        {2, 0, 365 + 4, PaymentFrequency::Daily, "2 Year Loan in 1 Year and 1 Month"},
        {2, 0, 365 + 2, PaymentFrequency::Daily, "2 Year Loan in 1 Year"},
    };
    for (const SentenceCase& c : cases) {
        EXPECT_EQ(PaidOffSentence(c.years, c.parts, c.paidOffIn, c.repayment), start + c.sentence);
    }
}

struct RunCase {
    const char* name;
    LoanTexts loan;
    ExtraPaymentTexts extra;
    long long paidOffIn;
    std::string sentence;
};

TEST(ExtraPaymentTest, StartsAndSentencesOfWholeRuns) {
    const std::string start = "You have paid off your ";
    const RunCase cases[] = {
        // 172.55 + 100 a month: 737.45, 472.27, 204.44, then 206.48 clears it.
        {"part-year loan",
         {"1000", "12", "", "6"},
         {"100", false, "", ""},
         4,
         "6 month Loan in 4 Months"},
        // The fifth annual repayment is the first with the extra, and it clears
        // the loan; the hidden start period field plays no part.
        {"annual year 5",
         {"10000", "8", "10", "", PaymentFrequency::Annualy},
         {"999999999", true, "5", "7"},
         5,
         "10 Year Loan in 5 Years"},
        {"annual year 1",
         {"10000", "8", "10", "", PaymentFrequency::Annualy},
         {"999999999", true, "1", ""},
         1,
         "10 Year Loan in 1 Year"},
        // 1.00 a day clears 730 on day 730; 1.00 more on day 729 (year 2, day
        // 364) clears it that day.
        {"daily year 2 day 364",
         {"730", "0.000001", "2", "", PaymentFrequency::Daily},
         {"1", true, "2", "364"},
         729,
         "2 Year Loan in 1 Year and 13 Months"},
        {"monthly year 2, empty period is the first",
         {"1000", "12", "2", ""},
         {"999999999", true, "2", ""},
         13,
         "2 Year Loan in 1 Year and 1 Month"},
        // A start period that the check counts as 1 is 1 in the run.
        {"monthly year 2, period x",
         {"1000", "12", "2", ""},
         {"999999999", true, "2", "x"},
         13,
         "2 Year Loan in 1 Year and 1 Month"},
        {"monthly year 2, period 0x3",
         {"1000", "12", "2", ""},
         {"999999999", true, "2", "0x3"},
         15,
         "2 Year Loan in 1 Year and 3 Months"},
    };
    for (const RunCase& c : cases) {
        const auto result = ExtraPaymentFromTexts(c.loan, c.extra, test::EnUs());
        ASSERT_TRUE(result) << c.name << ": " << result.failure().text;
        EXPECT_EQ(result->paidOffIn, c.paidOffIn) << c.name;
        EXPECT_EQ(result->sentence, start + c.sentence) << c.name;
    }
}

// No extra from the start: the run is the loan's own, so its new interest is
// the amortisation's, and the interest without extra is the Loan page's.
// 1316 at 6% would end its 360th month 0.26 short without the last repayment
// clearing what is left; the fortnightly loan is the one whose closed form is
// a million short.
TEST(ExtraPaymentTest, NoExtraGivesTheLoansOwnFigures) {
    const LoanTexts loans[] = {
        {"1316", "6", "30", ""},
        {"100000", "6", "30", "", PaymentFrequency::Monthly, PaymentFrequency::Monthly,
         PaymentTiming::InAdvance},
        {"1000", "0.0001", "50", ""},  // cleared by the 599th repayment
        {"100000", "30", "50", "", PaymentFrequency::FortNightly, PaymentFrequency::FortNightly},
    };
    for (const LoanTexts& loan : loans) {
        const auto result = ExtraPaymentFromTexts(loan, {"0", false, "", ""}, test::EnUs());
        const auto page = CalculateLoan(loan, test::EnUs());
        ASSERT_TRUE(result && page) << loan.amount;
        EXPECT_EQ(result->paidOffIn, page->run.paymentCount) << loan.amount;
        EXPECT_EQ(result->newInterest, page->run.interestTotal) << loan.amount;
        EXPECT_EQ(result->totalInterest, page->totalInterest) << loan.amount;
    }
}

// --- The schedule of the same run ---

struct ScheduleCase {
    const char* name;
    LoanTexts loan;
    ExtraPaymentTexts extra;
    ScheduleDisplay display;
    std::size_t rows;
    long long start;
};

// The window's figures are the schedule's: the new interest is the last row's
// accumulated interest and the rows' sum, the capital adds up to the loan, the
// last row clears it in the repayment the sentence counts (a by-year schedule
// ends in that year), and the rows before the extra starts are the loan's own.
TEST(ExtraScheduleTest, FiguresAreTheSchedulesLastRowAndSums) {
    using D = ScheduleDisplay;
    const LoanTexts inAdvance{"1000",
                              "12",
                              "2",
                              "",
                              PaymentFrequency::Monthly,
                              PaymentFrequency::Monthly,
                              PaymentTiming::InAdvance};
    const ScheduleCase cases[] = {
        {"worked example", {"1000", "12", "2", ""}, {"10", false, "", ""}, D::ByPeriod, 20, 1},
        {"year 2 month 3", {"1000", "12", "2", ""}, {"100", true, "2", "3"}, D::ByPeriod, 18, 15},
        {"year 3 by year", {"10000", "8", "5", ""}, {"200", true, "3", ""}, D::ByYear, 4, 25},
        {"in advance", inAdvance, {"10", false, "", ""}, D::ByPeriod, 20, 1},
        // Cleared in repayment 31, the seventh month of the third year.
        {"part last year", {"5000", "9", "4", "6"}, {"50", false, "", ""}, D::ByYear, 3, 1},
        {"annual",
         {"10000", "8", "10", "", PaymentFrequency::Annualy},
         {"1000", true, "4", ""},
         D::ByYear,
         7,
         4},
    };
    for (const ScheduleCase& c : cases) {
        const auto shown = ExtraScheduleFromTexts(c.loan, c.extra, c.display, test::EnUs());
        const auto loan = ScheduleFromTexts(c.loan, c.display, ".");
        ASSERT_TRUE(shown && loan) << c.name;
        const std::vector<ScheduleRow>& rows = shown->schedule.rows;
        const auto perRow = static_cast<std::size_t>(
            c.display == D::ByPeriod ? 1 : PeriodsPerYear(c.loan.repaymentFrequency));
        const auto paidOffIn = static_cast<std::size_t>(shown->result.paidOffIn);
        ASSERT_EQ(rows.size(), c.rows) << c.name;
        EXPECT_EQ(rows.size(), (paidOffIn + perRow - 1) / perRow) << c.name;
        EXPECT_EQ(shown->startRepayment, c.start) << c.name;
        const double interest =
            std::accumulate(rows.begin(), rows.end(), 0.0,
                            [](double s, auto& r) { return s + ScheduleCellValue(r, 1); });
        EXPECT_EQ(RoundMoney(interest, 2), shown->result.newInterest) << c.name;
        EXPECT_EQ(ScheduleCellValue(rows.back(), 4), shown->result.newInterest) << c.name;
        EXPECT_EQ(ScheduleCellValue(rows.back(), 5), std::stod(c.loan.amount)) << c.name;
        EXPECT_EQ(ScheduleCellValue(rows.back(), 3), 0) << c.name;
        const std::size_t before = static_cast<std::size_t>(c.start - 1) / perRow;
        for (std::size_t r = 0; r <= before; ++r) {
            EXPECT_EQ(ScheduleCellValue(rows[r], 2) == ScheduleCellValue(loan->rows[r], 2),
                      r < before)
                << c.name << " row " << r + 1;
        }
    }
    EXPECT_EQ(ExtraScheduleHeading(1234.5, 25, test::DeDe()),
              "With an extra 1.234,50\u00a0\u20ac a repayment from repayment 25");
}

struct CheckCase {
    const char* name;
    ExtraPaymentTexts texts;
    PaymentFrequency repayment;
    std::optional<Message> failure;
};

TEST(ExtraPaymentTest, ChecksOfTheSpecificWindowInOrder) {
    using F = PaymentFrequency;
    const Message year{MessageCause::StartYearInvalid, "You must enter a year."};
    const Message tooLate{MessageCause::StartYearPastTerm, "You must enter a year between 1 and 2"};
    const Message tooEarly{MessageCause::StartYearInvalid, "You must enter a year between 1 and 2"};
    const Message month{MessageCause::StartPeriodOutOfRange,
                        "You must enter a Month between 1 and 12"};
    const CheckCase cases[] = {
        {"extra not a number",
         {"abc", true, "", "13"},
         F::Monthly,
         Message{MessageCause::AmountOutOfRange, msg::ValidLoanAmount}},
        {"extra negative",
         {"-1", false, "", ""},
         F::Monthly,
         Message{MessageCause::AmountOutOfRange, msg::ValidLoanAmount}},
        {"extra zero from the start", {"0", false, "", ""}, F::Monthly, std::nullopt},
        {"year empty", {"10", true, "", "13"}, F::Monthly, year},
        {"year 0", {"10", true, "0", ""}, F::Monthly, year},
        {"year not whole", {"10", true, "1.5", ""}, F::Monthly, year},
        {"year past the term", {"10", true, "3", "13"}, F::Monthly, tooLate},
        {"year below 1", {"10", true, "-1", ""}, F::Monthly, tooEarly},
        {"year 00 is a number below 1", {"10", true, "00", ""}, F::Monthly, tooEarly},
        {"empty period is the first", {"10", true, "2", ""}, F::Monthly, std::nullopt},
        {"period 0 is the first", {"10", true, "2", "0"}, F::Monthly, std::nullopt},
        {"period past the year", {"10", true, "2", "13"}, F::Monthly, month},
        {"period checked from the start too", {"10", false, "", "13"}, F::Monthly, month},
        {"period below 1", {"10", false, "", "-1"}, F::Monthly, month},
        {"daily period",
         {"10", true, "1", "366"},
         F::Daily,
         Message{MessageCause::StartPeriodOutOfRange, "You must enter a Day between 1 and 365"}},
        {"half-year period",
         {"10", true, "1", "3"},
         F::BiAnnualy,
         Message{MessageCause::StartPeriodOutOfRange,
                 "You must enter a Half Year between 1 and 2"}},
        {"annual: no period", {"10", true, "2", "99"}, F::Annualy, std::nullopt},
    };
    for (const CheckCase& c : cases) {
        EXPECT_EQ(CheckExtraPayment(c.texts, " 2 ", c.repayment, "."), c.failure) << c.name;
    }
}

TEST(ExtraPaymentTest, LoanChecksComeFirst) {
    const auto result =
        ExtraPaymentFromTexts({"1000", "0", "2", ""}, {"abc", false, "", ""}, test::EnUs());
    ASSERT_FALSE(result);
    EXPECT_EQ(result.failure(), (Message{MessageCause::RateOutOfRange, msg::ValidInterestRate}));
}

struct CaptionCase {
    PaymentFrequency repayment;
    std::string extra;
    std::string start;
    bool visible;
};

TEST(ExtraPaymentTest, CaptionsByFrequency) {
    const CaptionCase cases[] = {
        {PaymentFrequency::Annualy, "Additional Annual Payment", "and Year", false},
        {PaymentFrequency::BiAnnualy, "Additional Half Year Payment", "and Half Year (1 - 2)",
         true},
        {PaymentFrequency::Quarterly, "Additional Quarterly Payment", "and Quarter (1 - 4)", true},
        {PaymentFrequency::Monthly, "Additional Monthly Payment", "and Month (1 - 12)", true},
        {PaymentFrequency::BiMonthly, "Additional Half Month Payment", "and Half Month (1 - 24)",
         true},
        {PaymentFrequency::FortNightly, "Additional FortNightly Payment", "and Fortnight (1 - 26)",
         true},
        {PaymentFrequency::Weekly, "Additional Weekly Payment", "and Week (1 - 52)", true},
        {PaymentFrequency::Daily, "Additional Daily Payment", "and Day (1 - 365)", true},
    };
    for (const CaptionCase& c : cases) {
        const ExtraPaymentCaptions captions = ExtraPaymentCaptionsFor(c.repayment);
        EXPECT_EQ(captions.extraLabel, c.extra);
        EXPECT_EQ(captions.startPeriodLabel, c.start);
        EXPECT_EQ(captions.startPeriodVisible, c.visible);
    }
}

}  // namespace
}  // namespace corbel
