// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <charconv>
#include <cstdio>
#include <sstream>

#include "CliRun.h"
#include "TestRegional.h"
#include "calc/LoanSchedule.h"
#include "calc/NumberTexts.h"

namespace corbel::cli {
namespace {

// A cent value as a person writes it: the JSON form of a rounded money value.
std::string Num(double value) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.15g", value);
    return buf;
}

std::string Row(int number, std::initializer_list<double> money) {
    std::string text = "[";
    text.append(std::to_string(number));
    for (const double v : money) {
        text.append(",").append(Num(v));
    }
    return text.append("]");
}

// The fields of each line of a CSV text whose fields need no quotes.
std::vector<std::vector<std::string>> CsvFields(const std::string& text) {
    std::vector<std::vector<std::string>> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line);
        auto& cells = lines.emplace_back();
        for (std::string field; std::getline(fields, field, ',');) {
            cells.push_back(field);
        }
    }
    return lines;
}

TEST(CliScheduleTest, WorkedExampleByPeriodAsJson) {
    const CliRun r = Call("schedule", {"--amount", "1000", "--rate", "12", "--parts", "3", "--by",
                                       "period", "--json"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, "{\"repayment\":" + Num(340.03) +
                         ",\"repayment_text\":\"$340.03\",\"rows\":[" +
                         Row(1, {10.00, 330.03, 669.97, 10.00, 330.03}) + "," +
                         Row(2, {6.70, 333.33, 336.64, 16.70, 663.36}) + "," +
                         Row(3, {3.37, 336.64, 0.00, 20.07, 1000.00}) + "]}\n");
}

TEST(CliScheduleTest, ByYearIsTheDefault) {
    const CliRun r = Call(
        "schedule", {"--amount", "1000", "--rate", "12", "--parts", "3", "--advance", "--json"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "{\"repayment\":" + Num(336.66) +
                         ",\"repayment_text\":\"$336.66\",\"rows\":[" +
                         Row(1, {9.96, 1000.00, 0.00, 9.96, 1000.00}) + "]}\n");
}

TEST(CliScheduleTest, TextFormIsAlignedColumns) {
    CliRun r =
        Call("schedule", {"--amount", "1000", "--rate", "12", "--parts", "3", "--by", "period"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              "Monthly Payment: $340.03\n"
              "Month  Interest  Capital Reduction  Outstanding Balance  Accumulated Interest  "
              "Accumulated Capital\n"
              "    1    $10.00            $330.03              $669.97                $10.00  "
              "            $330.03\n"
              "    2     $6.70            $333.33              $336.64                $16.70  "
              "            $663.36\n"
              "    3     $3.37            $336.64                $0.00                $20.07  "
              "          $1,000.00\n");
    r = Call("schedule",
             {"--amount", "1000", "--rate", "12", "--years", "2", "--repayment", "Bi-Monthly"});
    const LoanTerms biMonthly{1000,
                              12,
                              2,
                              0,
                              PaymentFrequency::BiMonthly,
                              PaymentFrequency::Monthly,
                              PaymentTiming::InArrears};
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')),
              "Half Month Payment: " + FormatMoney(test::EnUs(), Instalment(biMonthly)));
    EXPECT_EQ(r.out.substr(r.out.find('\n') + 1, 6), "Year  ");
    r = Call("schedule", {"--amount", "1000", "--rate", "12", "--years", "2", "--repayment",
                          "Bi-Monthly", "--by", "period"});
    EXPECT_NE(r.out.find("\n1/2 Month  Interest"), std::string::npos) << r.out;
}

TEST(CliScheduleTest, CsvByYearReadsBackAsTheRowsCentValues) {
    const CliRun r =
        Call("schedule", {"--amount", "100000", "--rate", "6", "--years", "30", "--csv"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    const LoanSchedule schedule =
        ComputeSchedule({100000, 6, 30, 0, PaymentFrequency::Monthly, PaymentFrequency::Monthly,
                         PaymentTiming::InArrears},
                        ScheduleDisplay::ByYear);
    const auto lines = CsvFields(r.out);
    ASSERT_EQ(lines.size(), 31u);
    ASSERT_EQ(schedule.rows.size(), 30u);
    EXPECT_EQ(lines[0], (std::vector<std::string>{"Year", "Interest", "Capital Reduction",
                                                  "Outstanding Balance", "Accumulated Interest",
                                                  "Accumulated Capital"}));
    for (std::size_t k = 0; k < schedule.rows.size(); ++k) {
        ASSERT_EQ(lines[k + 1].size(), std::size_t{ScheduleColumnCount});
        for (int c = 0; c < ScheduleColumnCount; ++c) {
            const std::string& field = lines[k + 1][c];
            double value = -1;
            std::from_chars(field.data(), field.data() + field.size(), value);
            EXPECT_EQ(value, ScheduleCellValue(schedule.rows[k], c)) << field;
            // Money with exactly two decimals, the year as a whole number.
            EXPECT_EQ(field.find('.'), c == 0 ? std::string::npos : field.size() - 3) << field;
        }
    }
    EXPECT_EQ(lines[30][3], "0.00");
    EXPECT_EQ(lines[30][5], "100000.00");
}

TEST(CliGridTest, CsvHeadingAndRows) {
    const CliRun r = Call("grid", {"--amount", "25000", "--rate", "6", "--years", "25",
                                   "--amount-step", "10000", "--csv"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              "Amt/Int,5.25%,5.5%,5.75%,6%,6.25%,6.5%,6.75%\n"
              "25000.00,149.82,153.53,157.28,161.08,164.92,168.81,172.73\n"
              "35000.00,209.74,214.94,220.19,225.51,230.89,236.33,241.82\n"
              "45000.00,269.67,276.34,283.10,289.94,296.86,303.85,310.92\n");
}

TEST(CliTablesTest, CsvNumbersUseAFullStopInAnyLocale) {
    CliRun r = Call({"schedule", "--locale", "de_DE", "--amount", "1000", "--rate", "12", "--parts",
                     "3", "--by", "period", "--csv"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              "Month,Interest,Capital Reduction,Outstanding Balance,Accumulated Interest,"
              "Accumulated Capital\n"
              "1,10.00,330.03,669.97,10.00,330.03\n"
              "2,6.70,333.33,336.64,16.70,663.36\n"
              "3,3.37,336.64,0.00,20.07,1000.00\n");
    const std::vector<std::string> grid = {
        "--amount", "25000", "--rate", "6", "--years", "25", "--interest-step", "0.125", "--csv"};
    std::vector<std::string> gridInGerman = {"grid", "--locale", "de_DE"};
    gridInGerman.insert(gridInGerman.end(), grid.begin(), grid.end());
    r = Call(gridInGerman);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("Amt/Int,5.625%,5.75%,5.875%,6%,6.125%,6.25%,6.375%\n", 0), 0u) << r.out;
    EXPECT_EQ(r.out, Call("grid", grid).out);
}

TEST(CliGridTest, HundredThousandAsJson) {
    const CliRun r = Call("grid", {"--amount", "100000", "--rate", "6", "--years", "25", "--json"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(
        r.out.rfind("{\"rates\":[5.25,5.5,5.75,6,6.25,6.5,6.75],\"amounts\":[50000,52000,", 0), 0u)
        << r.out;
    EXPECT_NE(r.out.find(",148000,150000],\"marked_row\":26,\"payments\":[[" + Num(299.63) + ","),
              std::string::npos);
    // The 26th row of payments, its fourth cell.
    std::size_t at = r.out.find("\"payments\":[[") + 12;  // the first row
    for (int row = 1; row < 26; ++row) {
        at = r.out.find('[', at + 1);
    }
    const std::string row26 = r.out.substr(at, r.out.find(']', at) - at);
    const std::string cell = std::string(",").append(Num(644.31)).append(",");
    EXPECT_NE(row26.find(cell), std::string::npos) << row26;
}

TEST(CliGridTest, StepsAndTextForm) {
    CliRun r = Call("grid", {"--amount", "25000", "--rate", "6", "--years", "25", "--amount-step",
                             "10000", "--interest-step", "0.125"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.substr(0, r.out.find('\n', r.out.find('\n') + 1)),
              "Marked row: 1\n"
              "Amt/Int   5.625%    5.75%   5.875%       6%   6.125%    6.25%   6.375%");
    EXPECT_NE(r.out.find("\n$25,000  $155."), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\n$45,000  "), std::string::npos) << r.out;
    r = Call("grid", {"--amount", "25000", "--rate", "6", "--years", "25", "--locale", "de_DE"});
    EXPECT_NE(r.out.find("5,25%"), std::string::npos) << r.out;
}

struct FailureCase {
    std::string command;
    std::vector<std::string> args;
    std::string message;
};

TEST(CliTablesTest, FailedChecksGoToStandardErrorWithStatusTwo) {
    const FailureCase cases[] = {
        {"schedule",
         {"--amount", "abc", "--rate", "6", "--years", "30"},
         "You must enter a valid Loan amount between 0 and 999999999"},
        {"schedule",
         {"--amount", "1000", "--rate", "0", "--years", "30"},
         "You must enter a valid interest rate between 0 and 100"},
        {"schedule", {"--amount", "1000", "--rate", "0"}, "You must enter a period "},
        {"schedule",
         {"--amount", "1000", "--rate", "6", "--parts", "13"},
         "You must enter a Month between 0 and 12"},
        {"grid",
         {"--amount", "-1", "--rate", "6", "--years", "30"},
         "You must enter a Loan amount between 0 and 999999999"},
        {"grid",
         {"--amount", "1000", "--years", "30"},
         "You must enter an interest rate between 0 and 100."},
        {"grid",
         {"--amount", "1000", "--rate", "6", "--years", "x"},
         "You must enter a valid Year"},
    };
    for (const FailureCase& c : cases) {
        const CliRun r = Call(c.command, c.args);
        EXPECT_EQ(r.status, 2) << c.message;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, c.message + "\n");
    }
}

TEST(CliTablesTest, StepsNotOfferedAreUsageErrors) {
    const std::vector<std::string> loan = {"--amount", "1000", "--rate", "6", "--years", "30"};
    const std::vector<std::pair<std::string, std::vector<std::string>>> calls = {
        {"grid", {"--amount-step", "3000"}},     {"grid", {"--amount-step", "2000.0"}},
        {"grid", {"--interest-step", "0.3"}},    {"grid", {"--interest-step", "0,25"}},
        {"grid", {"--interest-step"}},           {"schedule", {"--by", "month"}},
        {"schedule", {"--amount-step", "1000"}}, {"extra", {"--csv", "--extra", "10"}},
    };
    for (const auto& [command, extra] : calls) {
        std::vector<std::string> args = loan;
        args.insert(args.end(), extra.begin(), extra.end());
        const CliRun r = Call(command, args);
        EXPECT_EQ(r.status, 64) << command << " " << extra.front();
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(extra.front()), std::string::npos) << r.err;
    }
}

}  // namespace
}  // namespace corbel::cli
