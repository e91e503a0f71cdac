#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "CliRun.h"
#include "TestRegional.h"
#include "calc/ErrorChecking.h"

namespace corbel::cli {
namespace {

// A JSON number as the command writes a value the program holds: two-decimal
// money values read back as written.
std::string Num(double value) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", value);
    std::string text = buf;
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') {
        text.pop_back();
    }
    return text;
}

std::string Row(int number, std::initializer_list<double> money) {
    std::string text = "[";
    text.append(std::to_string(number));
    for (const double v : money) {
        text.append(",").append(Num(v));
    }
    return text.append("]");
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
        {"schedule", {"--amount-step", "1000"}},
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
