// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/LoanSchedule.h"

#include <gtest/gtest.h>

#include <cmath>
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

// A row as its cells show it.
std::vector<std::string> Cells(const ScheduleRow& row) {
    std::vector<std::string> cells;
    for (int c = 0; c < ScheduleColumnCount; ++c) {
        cells.push_back(ScheduleCellText(row, c, test::EnUs()));
    }
    return cells;
}

using Table = std::vector<std::vector<std::string>>;

Table Shown(const LoanSchedule& schedule) {
    Table table;
    for (const auto& row : schedule.rows) {
        table.push_back(Cells(row));
    }
    return table;
}

const LoanTerms WorkedExample = Terms(1000, 12, 0, 3);

TEST(LoanScheduleTest, WorkedExampleInArrearsByPeriod) {
    const LoanSchedule s = ComputeSchedule(WorkedExample, ScheduleDisplay::ByPeriod);
    EXPECT_EQ(s.repayment, 340.03);
    EXPECT_EQ(Shown(s), (Table{{"1", "$10.00", "$330.03", "$669.97", "$10.00", "$330.03"},
                               {"2", "$6.70", "$333.33", "$336.64", "$16.70", "$663.36"},
                               {"3", "$3.37", "$336.64", "$0.00", "$20.07", "$1,000.00"}}));
    // The last repayment is the balance with its interest, below the level repayment.
    EXPECT_EQ(RoundMoney(s.rows[2].interest + s.rows[2].capital, 2), 340.01);
}

TEST(LoanScheduleTest, WorkedExampleInArrearsByYear) {
    const LoanSchedule s = ComputeSchedule(WorkedExample, ScheduleDisplay::ByYear);
    EXPECT_EQ(Shown(s), (Table{{"1", "$20.07", "$1,000.00", "$0.00", "$20.07", "$1,000.00"}}));
}

TEST(LoanScheduleTest, WorkedExampleInAdvance) {
    LoanTerms terms = WorkedExample;
    terms.timing = PaymentTiming::InAdvance;
    const LoanSchedule s = ComputeSchedule(terms, ScheduleDisplay::ByPeriod);
    EXPECT_EQ(s.repayment, 336.66);
    EXPECT_EQ(Shown(s), (Table{{"1", "$6.63", "$330.03", "$669.97", "$6.63", "$330.03"},
                               {"2", "$3.33", "$333.33", "$336.64", "$9.96", "$663.36"},
                               {"3", "$0.00", "$336.64", "$0.00", "$9.96", "$1,000.00"}}));
    EXPECT_EQ(Shown(ComputeSchedule(terms, ScheduleDisplay::ByYear)),
              (Table{{"1", "$9.96", "$1,000.00", "$0.00", "$9.96", "$1,000.00"}}));
}

struct RowCountCase {
    int years;
    int parts;
    PaymentFrequency repayment;
    int byYear;
    int byPeriod;
};

void PrintTo(const RowCountCase& c, std::ostream* os) {
    *os << c.years << " years " << c.parts << " " << Label(c.repayment);
}

class ScheduleRowCountTest : public testing::TestWithParam<RowCountCase> {};

TEST_P(ScheduleRowCountTest, RowsNumberedOneUpward) {
    const RowCountCase c = GetParam();
    const LoanTerms terms = Terms(250000, 6.5, c.years, c.parts, c.repayment);
    const LoanSchedule byYear = ComputeSchedule(terms, ScheduleDisplay::ByYear);
    const LoanSchedule byPeriod = ComputeSchedule(terms, ScheduleDisplay::ByPeriod);
    ASSERT_EQ(byYear.rows.size(), static_cast<std::size_t>(c.byYear));
    ASSERT_EQ(byPeriod.rows.size(), static_cast<std::size_t>(c.byPeriod));
    for (std::size_t r = 0; r < byPeriod.rows.size(); ++r) {
        ASSERT_EQ(byPeriod.rows[r].number, static_cast<int>(r) + 1);
    }
    // Each year's row sums that year's repayments; a last row covers the part-year ones.
    const auto f = static_cast<std::size_t>(PeriodsPerYear(c.repayment));
    for (std::size_t y = 0; y < byYear.rows.size(); ++y) {
        const std::size_t first = y * f;
        const std::size_t last = std::min(first + f, byPeriod.rows.size());
        long double interest = 0;
        for (std::size_t t = first; t < last; ++t) {
            interest += byPeriod.rows[t].interest;
        }
        EXPECT_EQ(byYear.rows[y].number, static_cast<int>(y) + 1);
        EXPECT_NEAR(byYear.rows[y].interest, interest, 1e-6) << "year " << y + 1;
        EXPECT_EQ(byYear.rows[y].balance, byPeriod.rows[last - 1].balance) << "year " << y + 1;
        EXPECT_EQ(byYear.rows[y].accumulatedCapital, byPeriod.rows[last - 1].accumulatedCapital);
    }
}

INSTANTIATE_TEST_SUITE_P(WholeAndPartYears, ScheduleRowCountTest,
                         testing::Values(RowCountCase{5, 0, PaymentFrequency::Monthly, 5, 60},
                                         RowCountCase{5, 4, PaymentFrequency::Monthly, 6, 64},
                                         RowCountCase{0, 7, PaymentFrequency::Monthly, 1, 7},
                                         RowCountCase{2, 12, PaymentFrequency::Monthly, 3, 36},
                                         RowCountCase{3, 1, PaymentFrequency::Quarterly, 4, 13},
                                         RowCountCase{1, 0, PaymentFrequency::Weekly, 1, 52},
                                         RowCountCase{2, 5, PaymentFrequency::FortNightly, 3, 57}));

TEST(LoanScheduleTest, InitialSizingIsAtLeastElevenRows) {
    EXPECT_EQ(InitialScheduleRowCount(WorkedExample, ScheduleDisplay::ByPeriod), 11);
    EXPECT_EQ(InitialScheduleRowCount(Terms(1, 6, 30, 0), ScheduleDisplay::ByYear), 30);
    EXPECT_EQ(InitialScheduleRowCount(Terms(1, 6, 30, 2), ScheduleDisplay::ByYear), 31);
    EXPECT_EQ(InitialScheduleRowCount(Terms(1, 6, 30, 2), ScheduleDisplay::ByPeriod), 362);
    // The table itself holds only the rows written.
    EXPECT_EQ(ComputeSchedule(WorkedExample, ScheduleDisplay::ByPeriod).rows.size(), 3u);
}

// A repayment rounded up from 0.0167 to 0.02 clears 10 after 500 of 600 months.
TEST(LoanScheduleTest, EarlyEndByPeriodStopsAtTheClearingRepayment) {
    const LoanTerms terms = Terms(10, 0.000001, 50, 0);
    const LoanSchedule s = ComputeSchedule(terms, ScheduleDisplay::ByPeriod);
    EXPECT_EQ(s.repayment, 0.02);
    ASSERT_EQ(s.rows.size(), 500u);
    EXPECT_EQ(RoundMoney(s.rows.back().balance, 2), 0);
    EXPECT_GT(RoundMoney(s.rows[498].balance, 2), 0);
    EXPECT_EQ(RoundMoney(s.rows.back().accumulatedCapital, 2), 10);
}

TEST(LoanScheduleTest, EarlyEndByYearEndsWithThatYearsRow) {
    const LoanTerms terms = Terms(10, 0.000001, 50, 0);
    const LoanSchedule byYear = ComputeSchedule(terms, ScheduleDisplay::ByYear);
    const LoanSchedule byPeriod = ComputeSchedule(terms, ScheduleDisplay::ByPeriod);
    // Repayment 500 falls in year 42; its last four months pay nothing.
    ASSERT_EQ(byYear.rows.size(), 42u);
    const ScheduleRow& last = byYear.rows.back();
    EXPECT_EQ(last.number, 42);
    long double capital = 0;
    for (std::size_t t = 41 * 12; t < byPeriod.rows.size(); ++t) {
        capital += byPeriod.rows[t].capital;
    }
    EXPECT_NEAR(last.capital, capital, 1e-9);
    EXPECT_EQ(RoundMoney(last.capital, 2), 0.16);  // 8 repayments of 0.02
    EXPECT_EQ(RoundMoney(last.balance, 2), 0);
}

// The schedule and the amortisation run take the same steps: same count, same
// last payment, same total interest.
TEST(LoanScheduleTest, AgreesWithTheAmortisationRun) {
    const LoanTerms loans[] = {
        Terms(100000, 6, 30, 0),
        Terms(100000, 6, 30, 0, PaymentFrequency::Monthly, PaymentTiming::InAdvance),
        Terms(1000, 0.0001, 50, 0),
        Terms(75000, 9.25, 12, 20, PaymentFrequency::FortNightly, PaymentTiming::InArrears,
              PaymentFrequency::Daily),
        Terms(5000, 30, 4, 100, PaymentFrequency::Daily, PaymentTiming::InAdvance,
              PaymentFrequency::Quarterly),
    };
    for (const LoanTerms& terms : loans) {
        const auto run = RunAmortisation(terms);
        ASSERT_TRUE(run);
        const LoanSchedule s = ComputeSchedule(terms, ScheduleDisplay::ByPeriod);
        ASSERT_EQ(s.rows.size(), static_cast<std::size_t>(run->paymentCount));
        const ScheduleRow& last = s.rows.back();
        EXPECT_EQ(static_cast<double>(static_cast<long double>(last.interest) + last.capital),
                  run->lastPayment);
        EXPECT_EQ(RoundMoney(last.accumulatedInterest, 2), run->interestTotal);
    }
}

TEST(LoanScheduleTest, AnnualRepaymentsGiveTheSameTableEitherWay) {
    for (const PaymentTiming timing : {PaymentTiming::InArrears, PaymentTiming::InAdvance}) {
        const LoanTerms terms =
            Terms(50000, 7, 20, 0, PaymentFrequency::Annualy, timing, PaymentFrequency::Quarterly);
        const LoanSchedule byYear = ComputeSchedule(terms, ScheduleDisplay::ByYear);
        const LoanSchedule byPeriod = ComputeSchedule(terms, ScheduleDisplay::ByPeriod);
        EXPECT_EQ(byYear.rows.size(), 20u);
        EXPECT_EQ(Shown(byYear), Shown(byPeriod));
    }
}

}  // namespace
// Found by argument-dependent lookup, so it lives beside LoanTerms.
void PrintTo(const LoanTerms& t, std::ostream* os) {
    *os << t.amount << " at " << t.annualRate << " for " << t.years << "+" << t.partPeriods << " "
        << Label(t.repaymentFrequency)
        << (t.timing == PaymentTiming::InAdvance ? " in advance" : "");
}
namespace {

class ScheduleTotalsTest : public testing::TestWithParam<LoanTerms> {};

TEST_P(ScheduleTotalsTest, LastRowClearsTheAmount) {
    for (const ScheduleDisplay display : {ScheduleDisplay::ByYear, ScheduleDisplay::ByPeriod}) {
        const LoanTerms terms = GetParam();
        const LoanSchedule s = ComputeSchedule(terms, display);
        ASSERT_FALSE(s.rows.empty());
        long double interest = 0;
        for (std::size_t r = 0; r < s.rows.size(); ++r) {
            interest += s.rows[r].interest;
            if (r + 1 < s.rows.size()) {
                EXPECT_GT(RoundMoney(s.rows[r].balance, 2), 0) << "row " << r + 1;
            }
        }
        const ScheduleRow& last = s.rows.back();
        EXPECT_EQ(FormatMoney(test::EnUs(), RoundMoney(last.balance, 2)), "$0.00");
        EXPECT_EQ(RoundMoney(last.accumulatedCapital, 2), RoundMoney(terms.amount, 2));
        // Summed in doubles row by row: a few units in the last place at most.
        EXPECT_NEAR(last.accumulatedInterest, interest, 1e-6 + 1e-14 * interest);
    }
}

INSTANTIATE_TEST_SUITE_P(Loans, ScheduleTotalsTest,
                         testing::Values(Terms(100000, 6, 30, 0), Terms(123456.78, 4.35, 25, 6),
                                         Terms(100000, 6, 30, 0, PaymentFrequency::Monthly,
                                               PaymentTiming::InAdvance),
                                         Terms(2500, 18, 2, 3, PaymentFrequency::Weekly,
                                               PaymentTiming::InAdvance, PaymentFrequency::Annualy),
                                         Terms(999999999, 100, 50, 2, PaymentFrequency::BiAnnualy),
                                         Terms(0.5, 3, 1, 0, PaymentFrequency::Daily)));

TEST(LoanScheduleTest, OneRepayment) {
    LoanTerms terms = Terms(1000, 12, 0, 1);
    LoanSchedule s = ComputeSchedule(terms, ScheduleDisplay::ByPeriod);
    ASSERT_EQ(s.rows.size(), 1u);
    EXPECT_EQ(s.rows[0].interest, RoundMoney(1000 * 0.01, 2));
    EXPECT_EQ(s.rows[0].capital, 1000);
    terms.timing = PaymentTiming::InAdvance;
    s = ComputeSchedule(terms, ScheduleDisplay::ByYear);
    ASSERT_EQ(s.rows.size(), 1u);
    EXPECT_EQ(s.rows[0].interest, 0);
    EXPECT_EQ(s.rows[0].capital, 1000);
    EXPECT_EQ(s.rows[0].balance, 0);
}

TEST(LoanScheduleTest, AmountZeroIsOneRowOfZeros) {
    for (const ScheduleDisplay display : {ScheduleDisplay::ByYear, ScheduleDisplay::ByPeriod}) {
        const LoanSchedule s = ComputeSchedule(Terms(0, 6, 30, 0), display);
        EXPECT_EQ(s.repayment, 0);
        EXPECT_EQ(Shown(s), (Table{{"1", "$0.00", "$0.00", "$0.00", "$0.00", "$0.00"}}));
    }
}

// 50 years and 365 daily part-year periods; a repayment of exactly 1.00 clears
// one unit a day, so no repayment comes early.
TEST(LoanScheduleTest, LongestLoanByPeriod) {
    const LoanTerms terms = Terms(18615, 0.000001, 50, 365, PaymentFrequency::Daily);
    const LoanSchedule s = ComputeSchedule(terms, ScheduleDisplay::ByPeriod);
    ASSERT_EQ(s.rows.size(), 18615u);
    EXPECT_EQ(s.rows.back().number, 18615);
    EXPECT_EQ(RoundMoney(s.rows.back().balance, 2), 0);
    EXPECT_EQ(ComputeSchedule(terms, ScheduleDisplay::ByYear).rows.size(), 51u);
}

TEST(LoanScheduleTest, ChecksOfTheScheduleWindow) {
    LoanTexts texts{"1000", "12", "", "3"};
    ASSERT_TRUE(ScheduleFromTexts(texts, ScheduleDisplay::ByPeriod, "."));
    EXPECT_EQ(ScheduleFromTexts(texts, ScheduleDisplay::ByPeriod, ".")->rows.size(), 3u);
    struct Case {
        LoanTexts texts;
        Message failure;
    };
    const Case cases[] = {
        {{"-1", "12", "1", ""}, Message{MessageCause::AmountOutOfRange, msg::ValidLoanAmount}},
        {{"1000", "0", "1", ""}, Message{MessageCause::RateOutOfRange, msg::ValidInterestRate}},
        {{"1000", "0", "", ""},
         Message{MessageCause::TermInvalid, "You must enter a period "}},  // term before rate
        {{"x", "x", "x", ""}, Message{MessageCause::AmountOutOfRange, msg::ValidLoanAmount}},
    };
    for (const Case& c : cases) {
        const auto result = ScheduleFromTexts(c.texts, ScheduleDisplay::ByYear, ".");
        ASSERT_FALSE(result) << c.texts.amount;
        EXPECT_EQ(result.failure(), c.failure);
    }
    // Amount 0 and the least rate pass.
    EXPECT_TRUE(ScheduleFromTexts({"0", "0.000001", "1", ""}, ScheduleDisplay::ByYear, "."));
}

struct CaptionCase {
    PaymentFrequency repayment;
    std::string_view button;
    bool visible;
    std::string_view label;
};

TEST(LoanScheduleTest, CaptionsByFrequency) {
    const CaptionCase cases[] = {
        {PaymentFrequency::Annualy, "", false, "Annual Payment"},
        {PaymentFrequency::BiAnnualy, "Half Year", true, "Half Year Payment"},
        {PaymentFrequency::Quarterly, "Quarter", true, "Quarterly Payment"},
        {PaymentFrequency::Monthly, "Month", true, "Monthly Payment"},
        {PaymentFrequency::BiMonthly, "1/2 Month", true, "Half Month Payment"},
        {PaymentFrequency::FortNightly, "Fortnight", true, "FortNightly Payment"},
        {PaymentFrequency::Weekly, "Week", true, "Weekly Payment"},
        {PaymentFrequency::Daily, "Day", true, "Daily Payment"},
    };
    for (const CaptionCase& c : cases) {
        const FrequencyInfo& info = Info(c.repayment);
        EXPECT_EQ(info.scheduleButton, c.button) << Label(c.repayment);
        EXPECT_EQ(!info.scheduleButton.empty(), c.visible) << Label(c.repayment);
        EXPECT_EQ(info.scheduleRepaymentLabel, c.label) << Label(c.repayment);
        // A row is a year with annual repayments, however it is shown.
        EXPECT_EQ(ScheduleHeadings(ScheduleDisplay::ByPeriod, c.repayment)[0],
                  c.visible ? c.button : "Year");
    }
    const auto byYear = ScheduleHeadings(ScheduleDisplay::ByYear, PaymentFrequency::Daily);
    EXPECT_EQ(std::vector<std::string_view>(byYear.begin(), byYear.end()),
              (std::vector<std::string_view>{"Year", "Interest", "Capital Reduction",
                                             "Outstanding Balance", "Accumulated Interest",
                                             "Accumulated Capital"}));
}

TEST(LoanScheduleTest, CellValuesAreRoundedToCentsAsShown) {
    const ScheduleRow row{7, 3.374999, 336.645, 0.001, 20.07, 999.9999};
    const double values[] = {7, 3.37, 336.64, 0, 20.07, 1000};
    for (int c = 0; c < ScheduleColumnCount; ++c) {
        EXPECT_EQ(ScheduleCellValue(row, c), values[c]) << c;
    }
}

}  // namespace
}  // namespace corbel
