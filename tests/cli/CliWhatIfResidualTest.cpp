// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <sstream>

#include "CliRun.h"

namespace corbel::cli {
namespace {

// The JSON number after "key": as written, or nullopt for null or a missing key.
std::optional<double> Member(const std::string& json, const std::string& key) {
    const std::string tag = "\"" + key + "\":";
    const auto at = json.find(tag);
    if (at == std::string::npos || json.compare(at + tag.size(), 4, "null") == 0) {
        return std::nullopt;
    }
    return std::stod(json.substr(at + tag.size()));
}

const char* const CantBePaidOff =
    "This Loan can't be paid off in a reasonable period. Try increasing your payments.\n";

TEST(CliWhatIfTest, InterestFromTheRepaymentAsJson) {
    const CliRun r = Call("whatif", {"--solve", "interest", "--amount", "100000", "--years", "30",
                                     "--repay", "599.5506", "--json"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out,
              "{\"amount\":\"100000\",\"rate\":\"6\",\"years\":\"30\",\"parts\":\"\","
              "\"repay\":\"599.5506\"}\n");
}

TEST(CliWhatIfTest, EachSolveWritesItsFields) {
    CliRun r = Call("whatif", {"--solve", "payment", "--amount", "100000", "--rate", "6", "--years",
                               "30", "--advance", "--json"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("\"repay\":\"596.5677\""), std::string::npos) << r.out;
    // The amount is solved unless told otherwise; its own option is emptied.
    r = Call("whatif", {"--amount", "5", "--rate", "6", "--years", "30", "--repay", "599.55"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              "Loan amount: 100000\nInterest rate: 6\nYears: 30\nPart-year periods: \n"
              "Repayment: 599.55\n");
    r = Call("whatif", {"--solve", "periods", "--amount", "100000", "--rate", "6", "--repay",
                        "599.5506", "--repayment", "Monthly", "--json"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("\"years\":\"30\",\"parts\":\"0\""), std::string::npos) << r.out;
}

TEST(CliWhatIfTest, InformingMessagesFailTheSolve) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> calls = {
        {{"--solve", "periods", "--amount", "100000", "--rate", "6", "--repay", "500"},
         CantBePaidOff},
        {{"--solve", "interest", "--amount", "1000", "--years", "1", "--repay", "1000"},
         "The interest rate needed for this repayment is above 1000%.\n"},
        {{"--solve", "interest", "--amount", "0", "--years", "1", "--repay", "10"},
         "An interest rate can't be found for a Loan amount of 0.\n"},
        {{"--solve", "payment", "--amount", "1", "--rate", "0", "--years", "1"},
         "You must enter an interest rate greater than 0 and less that 100%\n"},
        {{"--solve", "amount", "--rate", "6", "--years", "1", "--parts", "13", "--repay", "1"},
         "You must enter a Month between 0 and 12\n"},
    };
    for (const auto& [args, message] : calls) {
        const CliRun r = Call("whatif", args);
        EXPECT_EQ(r.status, 2) << message;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, message);
    }
}

TEST(CliResidualTest, AllResultsAsJson) {
    const CliRun r = Call("residual", {"--amount", "10000", "--rate", "10", "--years", "5",
                                       "--proposed", "150", "--residual-percent", "20", "--json"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(Member(r.out, "no_residual_repayment"), 212.47) << r.out;
    EXPECT_EQ(Member(r.out, "residual"), 4837.53);
    EXPECT_EQ(Member(r.out, "residual_percent"), 48.38);
    EXPECT_EQ(Member(r.out, "residual_money"), 2000);
    EXPECT_EQ(Member(r.out, "repayment_for_residual"), 186.64);
}

TEST(CliResidualTest, EmptyResultsAreNullOrLeftOut) {
    CliRun r = Call("residual", {"--amount", "10000", "--rate", "10", "--years", "5", "--json"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("\"residual\":null,\"residual_percent\":null,\"residual_money\":null,"
                         "\"repayment_for_residual\":null}"),
              std::string::npos)
        << r.out;
    r = Call("residual",
             {"--amount", "10000", "--rate", "10", "--years", "5", "--proposed", "150"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              "Repayment with no residual value: $212.47\nResidual value: $4,837.53\n"
              "Residual value percent: 48.38\n");
}

TEST(CliResidualTest, ProposedTooHighPrintsOnlyTheMessage) {
    const CliRun r = Call("residual", {"--amount", "10000", "--rate", "10", "--years", "5",
                                       "--proposed", "212.48", "--residual-percent", "20"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err,
              "The proposed monthly repayment cannot be higher than the actual payment needed to "
              "leave no residual value.\n");
}

TEST(CliResidualTest, FailedCheck) {
    const CliRun r = Call("residual", {"--amount", "0.5", "--rate", "10", "--years", "5"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "You must enter a amount between 1 and 999999999\n");
}

TEST(CliWhatIfResidualUsageTest, WrongUsageIsStatusSixtyFour) {
    const std::vector<std::pair<std::string, std::vector<std::string>>> calls = {
        {"residual", {"--amount", "10000", "--rate", "10", "--years", "5", "--advance"}},
        {"residual", {"--repay", "10"}},
        {"residual", {"--proposed"}},
        {"whatif", {"--solve", "rate"}},
        {"whatif", {"--proposed", "10"}},
        {"whatif", {"--repay"}},
    };
    for (const auto& [command, args] : calls) {
        const CliRun r = Call(command, args);
        EXPECT_EQ(r.status, 64) << command << " " << args.back();
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("usage: corbelwright-calc COMMAND"), std::string::npos);
    }
}

}  // namespace
}  // namespace corbel::cli
