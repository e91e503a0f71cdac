// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/Printing.h"

#include <gtest/gtest.h>

#include <QLocale>

#include "RecordingDevice.h"
#include "platform/LocaleRegional.h"

namespace corbel::report {
namespace {

using test::RecordingDevice;

struct PageCase {
    int pageHeight;  // in 8-point cells of 150 units
    int linesPerPage;
};

class LinesPerPageTest : public testing::TestWithParam<PageCase> {};

TEST_P(LinesPerPageTest, PageHeightInLinesOfARoundedToEvenLessSeven) {
    RecordingDevice device(9583, GetParam().pageHeight, 150);
    ReportWriter w(device);
    ASSERT_TRUE(w.OpenReport());
    EXPECT_EQ(w.linesPerPage, GetParam().linesPerPage);
}

INSTANTIATE_TEST_SUITE_P(Heights, LinesPerPageTest,
                         testing::Values(PageCase{88 * 150, 81}, PageCase{825 * 15, 75}),
                         [](const auto& info) {
                             return "Lines" + std::to_string(info.param.linesPerPage);
                         });

TEST(ReportWriterTest, LineHeights) {
    RecordingDevice device;
    ReportWriter w(device);
    ASSERT_TRUE(w.OpenReport());
    // Runs of 8 points, bold and regular on one line: their height and 2.
    w.SetReportFont(8, true);
    w.Write("Page ");
    w.Flush();
    w.SetReportFont(8);
    w.Write("1");
    w.EndLine();
    EXPECT_EQ(w.y(), 153);
    // An empty line advances by the cell height of its font.
    w.SetReportFont(10, true);
    w.EndLine();
    EXPECT_EQ(w.y(), 153 + 189);
    // A run flushed in 12 points keeps its height when the font changes before the line ends.
    w.SetReportFont(12, true);
    w.Write("Loan Details");
    w.Flush();
    w.SetReportFont(10, true);
    w.EndLine();
    EXPECT_EQ(w.y(), 153 + 189 + 229);
    ASSERT_EQ(device.runs.size(), 3u);
    EXPECT_EQ(device.runs[1].x, 5 * 80);
    EXPECT_EQ(device.runs[2].font, (ReportFont{12, true, false}));
}

TEST(ReportWriterTest, RunWiderThanThePageGoesOnAtTheNextLine) {
    RecordingDevice device;  // 9583 wide: 119 characters of 80
    ReportWriter w(device);
    ASSERT_TRUE(w.OpenReport());
    w.Write(std::string(125, 'x'));
    w.Flush();
    ASSERT_EQ(device.runs.size(), 2u);
    EXPECT_EQ(device.runs[0].text.size(), 119u);
    EXPECT_EQ(device.runs[1].x, 0);
    EXPECT_EQ(device.runs[1].y, 153);
    EXPECT_EQ(device.runs[1].text, "xxxxxx");
    EXPECT_EQ(w.x(), 6 * 80);
}

TEST(ReportWriterTest, FormFeedPageStartsWithOneEmptyLine) {
    RecordingDevice device;
    ReportWriter w(device);
    ASSERT_TRUE(w.OpenReport());
    w.Write("first");
    w.EndLine();
    w.FormFeedLine();
    w.Write("second");
    w.EndLine();
    ASSERT_EQ(device.runs.size(), 2u);
    EXPECT_EQ(device.runs[1].page, 1);
    EXPECT_EQ(device.runs[1].y, 151);
}

TEST(ReportWriterTest, PageFullByLineEndStartsAtTheTop) {
    RecordingDevice device;  // 13699 high: a line of 153 past 13699 - 306 starts a page
    ReportWriter w(device);
    ASSERT_TRUE(w.OpenReport());
    for (int line = 0; line < 89; ++line) {
        w.Write("L");
        w.EndLine();
    }
    EXPECT_EQ(device.runs[87].page, 0);
    EXPECT_EQ(device.runs[88].page, 1);
    EXPECT_EQ(device.runs[88].y, 0);
}

TEST(ReportWriterTest, NewPageIfFullWaitsForTheHeading) {
    RecordingDevice device;
    ReportWriter w(device);
    ASSERT_TRUE(w.OpenReport());
    EXPECT_FALSE(w.NewPageIfFull(100000));
    w.PrintScheduleHeading();
    EXPECT_FALSE(w.NewPageIfFull(w.linesPerPage));
    EXPECT_EQ(device.page, 0);
    EXPECT_TRUE(w.NewPageIfFull(w.linesPerPage + 1));
    EXPECT_EQ(device.page, 1);
    EXPECT_EQ(w.pageNumber, 2);
    EXPECT_EQ(w.lineCount, 1);
    EXPECT_TRUE(w.headingPending);
}

TEST(PadTextTest, TrimsThenPads) {
    const std::string long45(45, 'z');
    const struct {
        std::string text;
        std::string align;
        int width;
        std::string padded;
    } cases[] = {
        {"  Monthly Loan Payment is", "L", 33, "Monthly Loan Payment is" + std::string(10, ' ')},
        {"Interest Rate:", "L", 40, "Interest Rate:" + std::string(26, ' ')},
        {" " + long45 + "\t", "L", 40, long45},
        {"abc", "R", 5, "  abc"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PadText(c.text, c.align, c.width), c.padded) << c.text;
    }
}

TEST(FillPlaceholdersTest, FillsInOrderAtTheFirstOccurrence) {
    const struct {
        std::string pattern;
        std::string first;
        std::string second;
        std::string filled;
    } cases[] = {
        {"This payment will leave a residual value of %S1 or %S2", "$100.00", "10%",
         "This payment will leave a residual value of $100.00 or 10%"},
        {"%s2 before %s1", "a", "b", "b before a"},
        {"%S1 and %S2", "x%S2", "y", "xy and %S2"},
        {"%S1 %S1 %S3", "x", "y", "x %S1 %S3"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FillPlaceholders(c.pattern, {c.first, c.second}), c.filled) << c.pattern;
    }
}

TEST(WrapTextTest, BreaksAtSpacesKeepsTheSymbolWithItsAmountCutsLongWords) {
    const std::string a(60, 'a'), b(9, 'b'), c(29, 'c'), x(68, 'x'), w(150, 'w');
    const struct {
        std::string text;
        std::vector<std::string> lines;
    } cases[] = {
        // A space at position 71 still gives a line of 70.
        {a + " " + b + " " + c, {a + " " + b, c}},
        {x + " $ 100.00 more", {x, "$ 100.00 more"}},
        {w, {w.substr(0, 70), w.substr(70, 70), w.substr(140)}},
        {"short", {"short"}},
    };
    for (const auto& t : cases) {
        EXPECT_EQ(WrapText(t.text, 70, "$"), t.lines) << t.text;
    }
}

TEST(FormatMoneyTextTest, NumbersBecomeMoneyOthersEmpty) {
    const LocaleRegional enUs(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(FormatMoneyText("abc", enUs), "");
    EXPECT_EQ(FormatMoneyText("", enUs), "");
    EXPECT_EQ(FormatMoneyText("12.5", enUs), "$12.50");
    EXPECT_EQ(FormatMoneyText("100,000", enUs), "");
}

}  // namespace
}  // namespace corbel::report
