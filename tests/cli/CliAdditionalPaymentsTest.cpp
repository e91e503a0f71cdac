// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "CliRun.h"

namespace corbel::cli {
namespace {

const std::vector<std::string> Loan = {"--amount", "1000", "--rate", "12", "--years", "2"};

std::vector<std::string> With(std::vector<std::string> extra) {
    std::vector<std::string> args = Loan;
    args.insert(args.end(), extra.begin(), extra.end());
    return args;
}

TEST(CliExtraTest, WorkedExampleAsJsonWithTheTotalInterestAsLoanWritesIt) {
    const CliRun r = Call("extra", With({"--extra", "10", "--json"}));
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out,
              "{\"total_interest\":129.74392324366116,\"new_interest\":104.92,"
              "\"interest_saved\":24.82,"
              "\"sentence\":\"You have paid off your 2 Year Loan in 1 Year and 8 Months\"}\n");
    EXPECT_NE(Call("loan", With({"--json"})).out.find("\"total_interest\":129.74392324366116,"),
              std::string::npos);
}

TEST(CliExtraTest, TextForm) {
    const CliRun r = Call("extra", With({"--extra", "10"}));
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              "Total interest without additional payment: $129.74\n"
              "Total Interest with additional payment: $104.92\n"
              "Interest Saved: $24.82\n"
              "Paid off: You have paid off your 2 Year Loan in 1 Year and 8 Months\n");
}

TEST(CliExtraTest, ScheduleAsTextJsonAndCsvFromOneRun) {
    CliRun r = Call("extra", With({"--extra", "10", "--schedule"}));
    EXPECT_EQ(r.out,
              "With an extra $10.00 a repayment from repayment 1\n"
              "Monthly Payment: $57.08\n"
              "Year  Interest  Capital Reduction  Outstanding Balance  Accumulated Interest  "
              "Accumulated Capital\n"
              "   1    $87.85            $597.11              $402.89                $87.85  "
              "            $597.11\n"
              "   2    $17.07            $402.89                $0.00               $104.92  "
              "          $1,000.00\n"
              "Total interest without additional payment: $129.74\n"
              "Total Interest with additional payment: $104.92\n"
              "Interest Saved: $24.82\n"
              "Paid off: You have paid off your 2 Year Loan in 1 Year and 8 Months\n");
    // By period: twenty rows, the last the 20.40 that clears the loan.
    r = Call("extra", With({"--extra", "10", "--schedule", "--by", "period", "--json"}));
    EXPECT_EQ(r.out.rfind("{\"repayment\":57.08,\"repayment_text\":\"$57.08\","
                          "\"total_interest\":129.74392324366116,\"new_interest\":104.92,"
                          "\"interest_saved\":24.82,\"sentence\":\"You have paid off your 2 "
                          "Year Loan in 1 Year and 8 Months\",\"rows\":[[1,10,47.08,952.92,10,"
                          "47.08],[2,",
                          0),
              0u)
        << r.out;
    EXPECT_NE(r.out.find(",[19,0.77,56.31,20.2,104.72,979.8],[20,0.2,20.2,0,104.92,1000]]}\n"),
              std::string::npos)
        << r.out;
    r = Call("extra", With({"--extra", "10", "--start-year", "2", "--start-period", "3",
                            "--schedule", "--csv", "--locale", "de_DE"}));
    EXPECT_EQ(r.out,
              "Year,Interest,Capital Reduction,Outstanding Balance,Accumulated Interest,"
              "Accumulated Capital\n"
              "1,94.70,470.26,529.74,94.70,470.26\n"
              "2,30.90,529.74,0.00,125.60,1000.00\n");
}

TEST(CliReduceTest, WorkedExampleAsJsonTextAndCsv) {
    CliRun r = Call("reduce", With({"--json"}));
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(
        r.out,
        "{\"repayment\":47.08,\"rows\":[[2,0,47.08,129.74,0],[1,41.77,88.85,66.18,63.56]]}\n");
    r = Call("reduce", With({"--advance"}));
    EXPECT_EQ(r.out,
              "Monthly Repayment: $46.61\n"
              "Years to pay off Loan  Additional Monthly Payment Required  Total Monthly Payment  "
              "Total Interest  Interest Saved\n"
              "                    2                                $0.00                 $46.61  "
              "       $118.57           $0.00\n"
              "                    1                               $41.36                 $87.97  "
              "        $55.63          $62.94\n");
    r = Call("reduce", With({"--csv", "--locale", "de_DE"}));
    EXPECT_EQ(r.out,
              "Years to pay off Loan,Additional Monthly Payment Required,Total Monthly Payment,"
              "Total Interest,Interest Saved\n"
              "2,0.00,47.08,129.74,0.00\n"
              "1,41.77,88.85,66.18,63.56\n");
    // The window opens with "Yearly" for annual repayments.
    r = Call("reduce",
             {"--amount", "1000", "--rate", "12", "--years", "2", "--repayment", "Annualy"});
    EXPECT_EQ(r.out.rfind("Yearly Repayment: ", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("Additional Yearly Payment Required"), std::string::npos) << r.out;
}

struct FailureCase {
    std::string command;
    std::vector<std::string> args;
    std::string message;
};

TEST(CliAdditionalPaymentsTest, FailedChecksGoToStandardErrorWithStatusTwo) {
    const FailureCase cases[] = {
        {"extra", With({"--extra", "abc"}),
         "You must enter a valid Loan amount between 0 and 999999999"},
        {"extra", With({"--extra", "10", "--start-year", "3"}),
         "You must enter a year between 1 and 2"},
        {"extra", With({"--extra", "10", "--start-year", ""}), "You must enter a year."},
        {"extra", With({"--extra", "10", "--start-year", "3", "--schedule"}),
         "You must enter a year between 1 and 2"},
        {"extra", With({"--extra", "10", "--start-period", "13"}),
         "You must enter a Month between 1 and 12"},
        {"extra",
         {"--amount", "1000", "--years", "2", "--extra", "10"},
         "You must enter a valid interest rate between 0 and 100"},
        {"reduce", {"--amount", "1000", "--rate", "12"}, "You must enter a period "},
    };
    for (const FailureCase& c : cases) {
        const CliRun r = Call(c.command, c.args);
        EXPECT_EQ(r.status, 2) << c.message;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, c.message + "\n");
    }
}

TEST(CliAdditionalPaymentsTest, HiddenStartPeriodIsWrongUsage) {
    const CliRun r =
        Call("extra", {"--amount", "1000", "--rate", "12", "--years", "2", "--repayment", "Annualy",
                       "--extra", "10", "--start-year", "1", "--start-period", "1"});
    EXPECT_EQ(r.status, 64);
    EXPECT_NE(r.err.find("--start-period"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace corbel::cli
