// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/TermCheck.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "calc/Frequency.h"

namespace corbel {
namespace {

struct TermCase {
    const char* years;
    const char* part;
    PaymentFrequency frequency;
    const char* message;  // nullptr: the term is accepted
};

void PrintTo(const TermCase& c, std::ostream* os) {
    *os << "'" << c.years << "' '" << c.part << "' " << Label(c.frequency);
}

class CheckTermTest : public ::testing::TestWithParam<TermCase> {};

TEST_P(CheckTermTest, MessagesInTheirOrder) {
    const auto& c = GetParam();
    const Outcome outcome =
        CheckTerm(c.years, " a period ", c.part, 50, PeriodsPerYear(c.frequency));
    if (c.message == nullptr) {
        EXPECT_FALSE(outcome.has_value()) << outcome->text;
    } else {
        ASSERT_TRUE(outcome.has_value());
        EXPECT_EQ(outcome->text, c.message);
        EXPECT_EQ(outcome->cause, MessageCause::TermInvalid);
    }
}

using PF = PaymentFrequency;
INSTANTIATE_TEST_SUITE_P(
    Terms, CheckTermTest,
    ::testing::Values(
        TermCase{"30", "", PF::Monthly, nullptr}, TermCase{"0", "5", PF::Monthly, nullptr},
        TermCase{"", "12", PF::Monthly, nullptr}, TermCase{" 50 ", " 365 ", PF::Daily, nullptr},
        TermCase{"$A", "", PF::Monthly, nullptr},
        TermCase{"", "", PF::Monthly, "You must enter a period "},
        TermCase{"  ", "\t", PF::Monthly, "You must enter a period "},
        TermCase{"0", "0", PF::Monthly, "You must enter a period "},
        TermCase{"51", "", PF::Monthly, "You must enter a period  between 0 and 50"},
        TermCase{"-1", "", PF::Monthly, "You must enter a period  between 0 and 50"},
        TermCase{"2.5", "", PF::Monthly, "You must enter a valid Year"},
        TermCase{"--0", "5", PF::Monthly, "You must enter a valid Year"},
        TermCase{"1", "$-0", PF::Monthly, "You must enter a valid Month"},
        // The years are checked before the part-year periods.
        TermCase{"2.5", "x", PF::Monthly, "You must enter a valid Year"},
        TermCase{"51", "13", PF::Monthly, "You must enter a period  between 0 and 50"},
        TermCase{"1", "x", PF::Monthly, "You must enter a valid Month"},
        TermCase{"1", "13", PF::Monthly, "You must enter a Month between 0 and 12"},
        TermCase{"1", "-1", PF::Monthly, "You must enter a Month between 0 and 12"},
        TermCase{"1", "366", PF::Daily, "You must enter a Day between 0 and 365"},
        TermCase{"1", "3", PF::BiAnnualy, "You must enter a Half-Year between 0 and 2"},
        TermCase{"1", "5", PF::Quarterly, "You must enter a Quarter between 0 and 4"},
        TermCase{"1", "25", PF::BiMonthly, "You must enter a Half-Month between 0 and 24"},
        TermCase{"1", "27", PF::FortNightly, "You must enter a Fortnight between 0 and 26"},
        TermCase{"1", "53", PF::Weekly, "You must enter a Week between 0 and 52"},
        TermCase{"1", "1.5", PF::Weekly, "You must enter a valid Week"},
        // Annual repayments have no period name.
        TermCase{"1", "2", PF::Annualy, "You must enter a  between 0 and 1"}));

}  // namespace
}  // namespace corbel
