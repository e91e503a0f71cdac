// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CliRun.h"
#include "cli/Json.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace corbel::cli {
namespace {

TEST(CliLoanTest, JsonInArrears) {
    const CliRun r = Call("loan", {"--amount", "100000", "--rate", "6", "--years", "30", "--json"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(
        r.out,
        "{\"repayment\":599.56,\"repayment_text\":\"$599.56\","
        "\"total_interest\":115832.08237341489,\"total_interest_text\":\"$115,832.08\","
        "\"payment_count\":360,\"last_payment\":590.1300000006738,\"last_payment_text\":\"$590."
        "13\","
        "\"message\":null,\"chart_principal\":100000,\"chart_interest\":115832.08237341489}\n");
}

TEST(CliLoanTest, JsonInAdvance) {
    const CliRun r =
        Call("loan", {"--amount", "100000", "--rate", "6", "--years", "30", "--advance", "--json"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("\"repayment_text\":\"$596.57\""), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"total_interest_text\":\"$114,762.88\""), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"payment_count\":360"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"last_payment_text\":\"$594.48\""), std::string::npos) << r.out;
}

TEST(CliLoanTest, TextFormAndTheEarlyClearanceMessage) {
    CliRun r = Call("loan", {"--amount", "100000", "--rate", "6", "--years", "30"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              "Repayment: $599.56\nTotal interest: $115,832.08\nPayment count: 360\n"
              "Last payment: $590.13\nChart principal: $100,000.00\nChart interest: $115,832.08\n");
    r = Call("loan", {"--amount", "1000", "--rate", "0.0001", "--years", "50", "--json"});
    EXPECT_EQ(r.status, 0);  // informing is not failing
    EXPECT_NE(r.out.find("\"message\":\"It is impossible to pay off this Loan"), std::string::npos);
    EXPECT_NE(r.out.find("\"payment_count\":599"), std::string::npos);
}

TEST(CliLoanTest, FailedChecksGoToStandardErrorWithStatusTwo) {
    CliRun r = Call("loan", {"--amount", "abc", "--rate", "6", "--years", "30"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "You must enter a valid Loan amount between 0 and 999999999\n");
    r = Call("loan", {"--amount", "1000", "--rate", "6", "--years", "51"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "You must enter a period  between 0 and 50\n");
    r = Call("loan", {"--amount", "1000", "--years", "5"});  // a left-out option is an empty field
    EXPECT_EQ(r.err, "You must enter a valid interest rate between 0 and 100\n");
    r = Call("loan", {"--amount", "1000", "--rate", "6", "--years", "1", "--parts", "13"});
    EXPECT_EQ(r.err, "You must enter a Month between 0 and 12\n");
    r = Call("loan", {"--amount", "1000", "--rate", "6", "--years", "1", "--parts", "300",
                      "--repayment", "Daily"});
    EXPECT_EQ(r.status, 0);
}

TEST(CliLoanTest, LocaleReadsAndWritesRegionalNumbers) {
    CliRun r =
        Call({"loan", "--locale", "de_DE", "--amount", "100000,0", "--rate", "6", "--years", "30"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("Repayment: 599,56\u00a0\u20ac\n"), std::string::npos) << r.out;
    r = Call({"loan", "--locale", "de_DE", "--amount", "100000.5", "--rate", "6", "--years", "30"});
    EXPECT_EQ(r.status, 2);
}

TEST(CliUsageTest, WrongUsageIsStatusSixtyFour) {
    const std::vector<std::vector<std::string>> calls = {
        {},
        {"mortgage"},
        {"loan", "--bogus"},
        {"loan", "--amount"},
        {"loan", "--repayment", "monthly"},
        {"loan", "--compounding", "Yearly"},
        {"loan", "--locale", "xx_YY"},
        {"--bogus"},
        {"--help", "mortgage"},
        {"--version", "loan"},
        {"loan", "extra"},
        {"loan", "--json=1"},
        {"reduce", "--json", "--csv"},
    };
    for (const auto& args : calls) {
        const CliRun r = Call(args);
        EXPECT_EQ(r.status, 64) << (args.empty() ? "" : args.back());
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("usage: corbelwright-calc COMMAND"), std::string::npos);
    }
    EXPECT_NE(Call({"loan", "--bogus"}).err.find("--bogus"), std::string::npos);
}

TEST(CliUsageTest, LocaleNamesAsTheSystemWritesThemAndOnlyUnknownOnesRefused) {
    const struct {
        const char* name;
        const char* repayment;  // empty: refused
    } rows[] = {
        {"C.UTF-8", "$599.56"}, {"POSIX", "$599.56"},
        {"C", "$599.56"},       {"en_US.UTF-8", "$599.56"},
        {"en_GB", "£599.56"},   {"de_DE.utf8@euro", "599,56"},
        {"klingon", ""},        {"xx_YY.UTF-8", ""},
    };
    for (const auto& row : rows) {
        const CliRun r = Call(
            {"loan", "--locale", row.name, "--amount", "100000", "--rate", "6", "--years", "30"});
        if (*row.repayment == '\0') {
            EXPECT_EQ(r.status, 64) << row.name;
            EXPECT_EQ(r.err.substr(0, r.err.find('\n')),
                      "corbelwright-calc: unknown locale '" + std::string(row.name) + "'");
        } else {
            EXPECT_EQ(r.status, 0) << row.name << r.err;
            EXPECT_EQ(r.out.rfind("Repayment: " + std::string(row.repayment), 0), 0u) << r.out;
        }
    }
}

TEST(CliUsageTest, OptionFollowedByAnotherOptionLacksItsValue) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> calls = {
        {{"loan", "--years", "--json"}, "option --years needs a value"},
        {{"loan", "--amount", "--advance"}, "option --amount needs a value"},
        {{"grid", "--rate", "--amount-step", "1000"}, "option --rate needs a value"},
        {{"whatif", "--repay", "--solve", "interest"}, "option --repay needs a value"},
    };
    for (const auto& [args, named] : calls) {
        const CliRun r = Call(args);
        EXPECT_EQ(r.status, 64) << named;
        EXPECT_NE(r.err.find(named), std::string::npos) << r.err;
    }
    // A value that only starts like an option is a value.
    const CliRun r = Call("loan", {"--amount", "1000", "--years", "5", "--rate", "-5"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "You must enter a valid interest rate between 0 and 100\n");
}

TEST(CliUsageTest, PartYearWithAnnualRepaymentsIsWrongUsage) {
    const std::vector<std::string> annual = {"--amount", "1000", "--rate",      "6",
                                             "--years",  "5",    "--repayment", "Annualy",
                                             "--parts",  "1"};
    for (const std::string command : {"loan", "schedule", "grid", "residual", "whatif"}) {
        const CliRun r = Call(command, annual);
        EXPECT_EQ(r.status, 64) << command;
        EXPECT_NE(r.err.find("--parts"), std::string::npos) << r.err;
    }
    // Solving the periods writes the part-year field: its option is ignored.
    const CliRun r = Call("whatif", {"--solve", "periods", "--amount", "1000", "--rate", "6",
                                     "--repay", "300", "--repayment", "Annualy", "--parts", "1"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Years: 4\nPart-year periods: 0\n"), std::string::npos) << r.out;
    EXPECT_EQ(Call("loan", {"--amount", "1000", "--rate", "6", "--years", "5", "--repayment",
                            "Annualy", "--parts", ""})
                  .status,
              0);
}

TEST(CliTextFormTest, EchoedControlCharactersAreEscaped) {
    CliRun r = Call("whatif", {"--rate", "6\n", "--years", "30\t", "--repay", "599.55\x1b"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "Loan amount: 100000\nInterest rate: 6\\n\nYears: 30\\t\nPart-year periods: \n"
              "Repayment: 599.55\\x1b\n");
    r = Call({"mortgage\n\r"});
    EXPECT_EQ(r.status, 64);
    EXPECT_NE(r.err.find("unknown command 'mortgage\\n\\x0d'\n"), std::string::npos) << r.err;
}

TEST(CliJsonTest, NumbersAreTheShortestTextsThatReadBack) {
    const std::pair<double, std::string> cases[] = {
        {599.56, "599.56"}, {3.86, "3.86"}, {0.1 + 0.2, "0.30000000000000004"},
        {100000, "100000"}, {-0.0, "0"},    {-41.5, "-41.5"},
        {1e300, "1e+300"},  {NAN, "null"},  {INFINITY, "null"},
    };
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(Number(value).dump(), text) << value;
    }
}

TEST(CliJsonTest, TextThatIsNotUtf8StaysValidJson) {
    std::ostringstream out;
    WriteJson(out, {{"sentence", "6\xff\n"}});
    EXPECT_EQ(out.str(), "{\"sentence\":\"6\xef\xbf\xbd\\n\"}\n");
}

struct HelpCase {
    std::string command;
    std::vector<std::string> offered;  // its own options
    std::vector<std::string> notOffered;
};

TEST(CliHelpTest, CommandHelpListsItsOptionsAndAnExampleThatRuns) {
    const HelpCase cases[] = {
        {"loan", {"--pdf", "--amount", "--advance", "--json", "--locale"}, {"--csv", "--by"}},
        {"schedule", {"--by", "--csv", "--pdf"}, {"--amount-step"}},
        {"grid", {"--amount-step", "--interest-step", "--csv", "--pdf"}, {"--by"}},
        {"reduce", {"--csv", "--pdf"}, {"--extra"}},
        {"extra",
         {"--extra", "--start-year", "--start-period", "--schedule", "--by", "--csv", "--pdf"},
         {"--amount-step"}},
        {"whatif", {"--solve", "--repay"}, {"--csv", "--pdf"}},
        {"residual", {"--proposed", "--residual-percent", "--pdf"}, {"--advance", "--csv"}},
    };
    for (const HelpCase& c : cases) {
        const CliRun r = Call({c.command, "--help"});
        EXPECT_EQ(r.status, 0) << c.command;
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.out.rfind("Usage: corbelwright-calc " + c.command + " [OPTIONS]\n", 0), 0u)
            << r.out;
        for (const std::string& option : c.offered) {
            EXPECT_NE(r.out.find("\n  " + option + " "), std::string::npos) << c.command << option;
        }
        for (const std::string& option : c.notOffered) {
            EXPECT_EQ(r.out.find("\n  " + option + " "), std::string::npos) << c.command << option;
        }
        const std::string tag = "\nExample:\n  corbelwright-calc ";
        const auto at = r.out.find(tag);
        ASSERT_NE(at, std::string::npos) << r.out;
        const auto from = at + tag.size();
        std::istringstream line(r.out.substr(from, r.out.find('\n', from) - from));
        std::vector<std::string> example{"--locale", "en_US"};
        for (std::string word; line >> word;) {
            example.insert(example.end() - 2, word);
        }
        const CliRun run = Call(example);
        EXPECT_EQ(run.status, 0) << c.command << ": " << run.err;
    }
}

TEST(CliHelpTest, ProgramHelpListsTheCommandsAndTheSharedOptions) {
    const CliRun r = Call({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    for (const std::string name :
         {"loan", "schedule", "grid", "reduce", "extra", "whatif", "residual", "--amount", "--rate",
          "--years", "--parts", "--repayment", "--compounding", "--advance", "--json", "--locale",
          "--help", "--version"}) {
        EXPECT_NE(r.out.find("\n  " + name + " "), std::string::npos) << name;
    }
    EXPECT_EQ(Call({"--help", "grid"}).out, Call({"grid", "--help"}).out);
}

TEST(CliHelpTest, VersionNamesTheProgramItsVersionAndItsLicence) {
    const CliRun r = Call({"--version"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out,
              "corbelwright-calc (Corbelwright) 1.07\n"
              "License GPL-3.0-or-later: GNU GPL version 3 or later "
              "<https://gnu.org/licenses/gpl.html>\n");
}

}  // namespace
}  // namespace corbel::cli
