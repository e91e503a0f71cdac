// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/SavingLoading.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <functional>

#include "StorageTestFiles.h"
#include "storage/Windows1252.h"

namespace corbel {
namespace {

using test::Join;
using test::TempFolder;

// A file as the program writes it, in the order of its three sections.
std::vector<std::string> Lines31() {
    return {"100000", "30",    "",      "6",     "3",  "3", "TRUE", "FALSE", "50000", "25", "7.5",
            "20",     "4",     "FALSE", "20000", "5",  "6", "8",    "",      "4",     "5",  "2",
            "4",      "10000", "5",     "",      "10", "3", "3",    "150",   "20"};
}

std::vector<std::string> FirstLines(std::size_t count) {
    auto lines = Lines31();
    lines.resize(count);
    return lines;
}

// The file's lines with line `number` (from 1) replaced.
std::vector<std::string> With(std::size_t number, std::string text,
                              std::vector<std::string> lines = Lines31()) {
    lines.at(number - 1) = std::move(text);
    return lines;
}

SavedLoan Parsed(const std::string& bytes) {
    const LoadResult result = ParseLoanFile(bytes);
    EXPECT_TRUE(result.loan) << result.error;
    return result.loan.value_or(SavedLoan{});
}

std::string WithoutLastLineEnd(const std::string& bytes) {
    return bytes.substr(0, bytes.size() - 2);
}

TEST(SaveLoanFileTest, WritesEachFieldOnItsLine) {
    SavedLoan loan{"A1", "Y2",  "P3",  "R4",  5,     6,    false,        true,
                   "S9", "S10", "S11", "S12", "S13", true, std::nullopt, std::nullopt};
    loan.whatIf = WhatIfInputs{"W15", "W16", "W17", "W18", "W19", 2, 1, 2, 7};
    loan.residual = ResidualInputs{"V24", "V25", "V26", "V27", 0, 4, "V30", "V31"};
    const std::string expected =
        Join({"A1",  "Y2",  "P3",   "R4",  "5",   "6",   "FALSE", "TRUE", "S9", "S10", "S11",
              "S12", "S13", "TRUE", "W15", "W16", "W17", "W18",   "W19",  "2",  "1",   "2",
              "7",   "V24", "V25",  "V26", "V27", "0",   "4",     "V30",  "V31"});
    TempFolder folder;
    const std::string path = folder / "loan.CWS";
    ASSERT_EQ(WriteLoanFile(path, loan), std::nullopt);
    EXPECT_EQ(test::ReadBytes(path), expected);
    const LoadResult back = ReadLoanFile(path);
    ASSERT_TRUE(back.loan) << back.error;
    EXPECT_EQ(*back.loan, loan);
}

TEST(SaveLoanFileTest, EveryFieldRoundTripsAsTyped) {
    SavedLoan numbers = Parsed(Join(Lines31()));
    SavedLoan words{" 12 abc ", "-", "1e5", "$1,000.00", 0,    7,     true,         false,
                    "abc",      "0", "x%",  " ",         "\t", false, std::nullopt, std::nullopt};
    words.whatIf = WhatIfInputs{"€ 1.000,50", "Œuvre – ‰", "café", "ÿ", "5 000", 3, 7, 1, 0};
    words.residual = ResidualInputs{"n/a", "", "12", "-4", 7, 0, "“150”", "20 %"};
    SavedLoan empty;
    empty.whatIf = WhatIfInputs{"", "", "", "", "", 4, 0, 2, 6};
    empty.residual = ResidualInputs{};
    TempFolder folder;
    const std::string path = folder / "loan.CWS";
    // Each save replaces the file before.
    for (const SavedLoan& loan : {numbers, words, empty}) {
        ASSERT_EQ(WriteLoanFile(path, loan), std::nullopt);
        const LoadResult back = ReadLoanFile(path);
        ASSERT_TRUE(back.loan) << back.error;
        EXPECT_EQ(*back.loan, loan);
    }
}

TEST(LoadLoanFileTest, ShortFilesLeaveOutTheirMissingSections) {
    const WhatIfInputs whatIf{"20000", "5", "6", "8", "", 4, 5, 2, 4};
    const ResidualInputs residual{"10000", "5", "", "10", 3, 3, "150", "20"};
    const struct {
        const char* name;
        std::string bytes;
        std::optional<WhatIfInputs> whatIf;
        std::optional<ResidualInputs> residual;
    } rows[] = {
        {"14 lines", Join(FirstLines(14)), std::nullopt, std::nullopt},
        {"14 lines, the last without its line end", WithoutLastLineEnd(Join(FirstLines(14))),
         std::nullopt, std::nullopt},
        {"19 lines", Join(FirstLines(19)), WhatIfInputs{"20000", "5", "6", "8", "", 0, 0, 0, 0},
         std::nullopt},
        {"23 lines", Join(FirstLines(23)), whatIf, std::nullopt},
        {"31 lines and more", Join(Lines31()) + "more\r\nlines", whatIf, residual},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const SavedLoan loan = Parsed(row.bytes);
        EXPECT_EQ(loan.amount, "100000");
        EXPECT_EQ(loan.investRate, "4");
        EXPECT_EQ(loan.whatIf, row.whatIf);
        EXPECT_EQ(loan.residual, row.residual);
    }
}

TEST(LoadLoanFileTest, FlagsAreSetOnlyByCapitalTRUE) {
    const struct {
        const char *line7, *line8, *line14;
        bool inArrears, inAdvance, transfer;
    } rows[] = {
        {"TRUE", "FALSE", "TRUE", true, false, true},
        {"FALSE", "TRUE", "FALSE", false, true, false},
        {"true", "true", "FALSE", false, false, false},
        {"TRUE ", " TRUE", "True", false, false, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.line7) + "/" + row.line8 + "/" + row.line14);
        const SavedLoan loan =
            Parsed(Join(With(7, row.line7, With(8, row.line8, With(14, row.line14)))));
        EXPECT_EQ(loan.inArrears, row.inArrears);
        EXPECT_EQ(loan.inAdvance, row.inAdvance);
        EXPECT_EQ(loan.transferValues, row.transfer);
    }
}

TEST(LoadLoanFileTest, WhatIfNumbersSkipBlanksAndFailOnOtherTokens) {
    using Numbers = std::array<int, 4>;  // lines 20 to 23
    const struct {
        std::size_t line;
        std::string text;
        Numbers numbers;
        const char* error;
        std::size_t lineCount = 31;
    } rows[] = {
        {20, "0", {0, 5, 2, 4}, ""},
        {20, "5", {5, 5, 2, 4}, ""},
        {20, "  3 and the rest", {3, 5, 2, 4}, ""},
        {22, "\t+2", {4, 5, 2, 4}, ""},
        {20, std::string(40, '0').c_str(), {0, 5, 2, 4}, ""},
        // An empty line is skipped: each number comes from the line after.
        {20, "", {5, 2, 4, 0}, "", 23},
        {20, "x", {}, "Invalid numeric input"},
        {22, "2.0", {}, "Invalid numeric input"},
        {20, "99999999999", {}, "Invalid numeric input"},
        {21, "8", {}, "'8' is not a valid list index"},
        {23, "-1", {}, "'-1' is not a valid list index"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.line) + ": " + row.text);
        auto lines = With(row.line, row.text);
        lines.resize(row.lineCount);
        const LoadResult result = ParseLoanFile(Join(lines));
        EXPECT_EQ(result.error, row.error);
        if (result.loan) {
            const WhatIfInputs& w = result.loan->whatIf.value();
            EXPECT_EQ((Numbers{w.solveFor, w.repaymentIndex, w.timing, w.compoundingIndex}),
                      row.numbers);
        }
    }
}

TEST(LoadLoanFileTest, BadListIndexLinesFailWithTheirMessage) {
    const std::string Million(1000000, 'x');
    const struct {
        const char* name;
        std::string bytes;
        const char* error;
    } rows[] = {
        {"empty file", "", "'' is not a valid integer value"},
        {"line 5 a word", Join(With(5, "abc")), "'abc' is not a valid integer value"},
        {"line 6 a blank after", Join(With(6, "3 ")), "'3 ' is not a valid integer value"},
        {"line 5 hexadecimal", Join(With(5, "0x3")), "'0x3' is not a valid integer value"},
        {"line 29 past 32 bits", Join(With(29, "2147483648")),
         "'2147483648' is not a valid integer value"},
        {"line 6 past the list", Join(With(6, "9")), "'9' is not a valid list index"},
        {"line 28 negative", Join(With(28, "-1")), "'-1' is not a valid list index"},
        {"cut after line 26", Join(FirstLines(26)), "'' is not a valid integer value"},
        {"line 5 leading spaces", Join(With(5, "  7")), ""},
        // A long bad text is quoted by its first 40 characters.
        {"line 5 forty characters", Join(With(5, std::string(39, 'x') + "\xE9")),
         "'xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx\u00E9' is not a valid integer value"},
        {"line 5 a million characters", Join(With(5, std::string(39, 'x') + "\xE9" + Million)),
         "'xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx\u00E9\u2026' is not a valid integer value"},
        {"line 6 fifty zeros before 9", Join(With(6, std::string(50, '0') + "9")),
         "'0000000000000000000000000000000000000000\u2026' is not a valid list index"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const LoadResult result = ParseLoanFile(row.bytes);
        EXPECT_EQ(result.error, row.error);
        EXPECT_EQ(result.loan.has_value(), result.error.empty());
    }
}

TEST(LoadLoanFileTest, ReadsBoundedAndReportsTheSystemsError) {
    const struct {
        const char* name;
        std::function<void(const std::string&)> make;
        const char* error;
    } rows[] = {
        {"missing", [](const std::string&) {}, "No such file or directory"},
        {"folder", [](const std::string& p) { std::filesystem::create_directory(p); },
         "Is a directory"},
        {"pipe", [](const std::string& p) { ::mkfifo(p.c_str(), 0600); }, "Not a regular file"},
        {"one endless line",
         [](const std::string& p) { test::WriteBytes(p, std::string(3 << 20, '7')); },
         "File too large"},
        {"binary after the 31 lines",
         [](const std::string& p) {
             test::WriteBytes(p, Join(Lines31()) + std::string(3 << 20, '\0'));
         },
         ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TempFolder folder;
        const std::string path = folder / "loan.CWS";
        row.make(path);
        const LoadResult result = ReadLoanFile(path);
        EXPECT_EQ(result.error, row.error);
        EXPECT_EQ(result.loan.has_value(), result.error.empty());
    }
}

TEST(LoadLoanFileTest, LinesEndWithLineFeedAndDropCarriageReturns) {
    const std::string crlf = Join(Lines31());
    const struct {
        const char* name;
        std::string bytes;
    } rows[] = {
        {"line feeds only", Join(Lines31(), "\n")},
        {"a lone carriage return inside", Join(With(1, "100\r000"))},
        {"two carriage returns before the line feed", Join(With(1, "100000\r"))},
        {"last line without its line end", WithoutLastLineEnd(crlf)},
        {"last line ending in a lone carriage return", crlf.substr(0, crlf.size() - 1)},
    };
    const SavedLoan expected = Parsed(crlf);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Parsed(row.bytes), expected);
    }
}

TEST(Windows1252Test, MapsBothWays) {
    const struct {
        std::string utf8, bytes;
    } rows[] = {
        {"€‚ƒ„…†‡ˆ‰Š‹ŒŽ", "\x80\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8E"},
        {"‘’“”•–—˜™š›œžŸ", "\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9A\x9B\x9C\x9E\x9F"},
        {"\u0081\u008D\u008F\u0090\u009D", "\x81\x8D\x8F\x90\x9D"},
        {"café\u00A0ÿ", "caf\xE9\xA0\xFF"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.utf8);
        EXPECT_EQ(ToWindows1252(row.utf8), row.bytes);
        EXPECT_EQ(FromWindows1252(row.bytes), row.utf8);
    }
}

TEST(Windows1252Test, WritesWhatTheCodePageCannotHoldAsQuestionMarks) {
    const struct {
        std::string text, line;
    } rows[] = {
        {"€5 ✓",
         "\x80"
         "5 ?"},
        {"中文 😀", "?? ?"},
        {"\u0080\u009F", "??"},
        {"bad \xFF\xC3", "bad ??"},
        {"two\nlines\r", "two?lines?"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        SavedLoan loan;
        loan.amount = row.text;
        const std::string bytes = LoanFileText(loan);
        EXPECT_EQ(bytes.substr(0, bytes.find("\r\n")), row.line);
    }
}

TEST(SavedFileNameTest, AppendsCwsUnlessTheNameEndsWithIt) {
    const struct {
        const char *chosen, *saved;
    } rows[] = {
        {"loan", "loan.CWS"}, {"loan.cws", "loan.cws"},     {"ab", "ab.CWS"},
        {"CWS", "CWS.CWS"},   {"/tmp/x.Cws", "/tmp/x.Cws"}, {"loan.cws.bak", "loan.cws.bak.CWS"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(SavedFileName(row.chosen), row.saved) << row.chosen;
    }
}

// Runs `action` with files limited to a few bytes, so that a write fails midway.
void WithFilesLimitedTo(rlim_t bytes, const std::function<void()>& action) {
    rlimit before{};
    ::getrlimit(RLIMIT_FSIZE, &before);
    rlimit limited = before;
    limited.rlim_cur = bytes;
    const auto previous = ::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &limited);
    action();
    ::setrlimit(RLIMIT_FSIZE, &before);
    ::signal(SIGXFSZ, previous);
}

TEST(SaveLoanFileTest, AFailedSaveLeavesTheEarlierFileWhole) {
    const struct {
        const char* name;
        std::function<void(const std::filesystem::path&, const std::function<void()>&)> failing;
        const char* error;
    } rows[] = {
        {"a file the user may not write, in a folder likewise",
         [](const std::filesystem::path& folder, const std::function<void()>& save) {
             for (const auto& path : {folder / "loan.CWS", folder}) {
                 std::filesystem::permissions(path, std::filesystem::perms::owner_write,
                                              std::filesystem::perm_options::remove);
             }
             test::AsOrdinaryUser(save);
         },
         "Permission denied"},
        {"write cut short",
         [](const std::filesystem::path&, const std::function<void()>& save) {
             WithFilesLimitedTo(40, save);
         },
         "File too large"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TempFolder folder;
        const std::string path = folder / "loan.CWS";
        const std::string earlier = Join(Lines31());
        test::WriteBytes(path, earlier);
        SavedLoan changed = Parsed(earlier);
        changed.amount = "250000";
        std::optional<std::string> error;
        row.failing(folder.path(), [&] { error = WriteLoanFile(path, changed); });
        EXPECT_EQ(error, row.error);
        EXPECT_EQ(test::ReadBytes(path), earlier);
        const auto entries = std::distance(std::filesystem::directory_iterator(folder.path()),
                                           std::filesystem::directory_iterator());
        EXPECT_EQ(entries, 1) << "no temporary file is left behind";
    }
}

}  // namespace
}  // namespace corbel
