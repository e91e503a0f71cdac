// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The real corbelwright-calc writing where writing fails, as a shell runs it.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>

#include "FullDisk.h"
#include "StorageTestFiles.h"

namespace corbel {
namespace {

using test::ReadBytes;

struct Ran {
    int status;
    std::string err;
};

// Runs `arguments` (shell words) of the program in `folder`; its standard error
// goes to a file of the test's own elsewhere, since the folder may be full.
Ran Calc(const std::string& folder, const std::string& arguments) {
    const std::string err = ::testing::TempDir() + "cw-stderr-" +
                            ::testing::UnitTest::GetInstance()->current_test_info()->name();
    const std::string command =
        "cd '" + folder + "' && '" CW_CALC "' " + arguments + " 2>'" + err + "'";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadBytes(err)};
}

constexpr char Loan[] = "loan --amount 100000 --rate 6 --years 30";

TEST(CliOutputTest, OutputThatCannotBeWrittenIsStatusTwoWithTheReason) {
    const test::TempFolder folder;
    ::mkfifo((folder / "pipe.pdf").c_str(), 0600);
    const struct {
        std::string arguments;
        int status;
        std::string err;
    } rows[] = {
        {std::string(Loan) + " >/dev/full", 2,
         "Cannot write standard output: No space left on device\n"},
        {std::string(Loan) + " --json >&-", 2,
         "Cannot write standard output: Bad file descriptor\n"},
        {"--help >&-", 2, "Cannot write standard output: Bad file descriptor\n"},
        {"loan --amount abc >&-", 2,
         "You must enter a valid Loan amount between 0 and 999999999\n"},
        {std::string(Loan) + " --pdf pipe.pdf >/dev/null", 2,
         "Cannot write pipe.pdf: Not a regular file\n"},
        {std::string(Loan) + " --pdf \"$(printf 'x\\351.pdf')\" >/dev/null", 0, ""},
    };
    for (const auto& row : rows) {
        const Ran run = Calc(folder.path(), row.arguments);
        EXPECT_EQ(run.status, row.status) << row.arguments;
        EXPECT_EQ(run.err, row.err) << row.arguments;
    }
    EXPECT_NE(ReadBytes(folder / "x\xe9.pdf").find("%PDF"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_fifo(folder / "pipe.pdf"));
}

TEST(CliOutputTest, AFullDiskLeavesTheEarlierPdfWholeAndIsStatusTwo) {
    const test::FullDisk disk(::testing::TempDir());
    if (!disk.failure().empty()) {
        GTEST_SKIP() << "a full disk needs a small tmpfs: " << disk.failure();
    }
    ASSERT_EQ(Calc(disk / "", std::string(Loan) + " --pdf report.pdf >/dev/null").status, 0);
    const std::string earlier = ReadBytes(disk / "report.pdf");
    disk.fill();
    const std::string schedule = "schedule --amount 100000 --rate 6 --years 30 --by period";
    Ran run = Calc(disk / "", schedule + " --pdf report.pdf >/dev/null");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "Cannot write report.pdf: No space left on device\n");
    EXPECT_TRUE(ReadBytes(disk / "report.pdf") == earlier) << "the earlier PDF changed";
    run = Calc(disk / "", schedule + " --csv >schedule.csv");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "Cannot write standard output: No space left on device\n");
}

}  // namespace
}  // namespace corbel
