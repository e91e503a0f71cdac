// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/FileAccess.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "FullDisk.h"
#include "StorageTestFiles.h"

namespace corbel {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

struct stat Info(const std::string& path) {
    struct stat info {};
    ::lstat(path.c_str(), &info);
    return info;
}

// The names in the folder and the folders under it.
std::size_t Entries(const fs::path& folder) {
    return static_cast<std::size_t>(std::distance(fs::recursive_directory_iterator(folder),
                                                  fs::recursive_directory_iterator()));
}

// A group the file may be given other than the user's own: any for root.
gid_t AnotherGroup() {
    if (::geteuid() == 0) {
        return 100;
    }
    gid_t groups[64];
    const int count = ::getgroups(64, groups);
    return count > 1 ? groups[count - 1] : ::getegid();
}

constexpr fs::perms WriteAll =
    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
// 0666: nobody run by root keeps root's group.
constexpr fs::perms ReadWrite =
    WriteAll | fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;

TEST(ReplaceFileTest, TheFileTheNameStandsForKeepsItsLinksOwnerGroupAndMode) {
    const struct {
        const char* name;
        // Makes the files in the folder; the name to save under is "loan.CWS".
        std::function<void(TempFolder&)> make;
        bool asOrdinaryUser;
        // Where the saved text is to be found, and what else must hold.
        const char* saved;
        std::function<void(TempFolder&)> check;
    } rows[] = {
        {"a link to a file in another folder, through a second link",
         [](TempFolder& f) {
             fs::create_directory(f / "sub");
             WriteBytes(f / "sub/real.CWS", "old");
             fs::create_symlink("real.CWS", f / "sub/inner.CWS");
             fs::create_symlink("sub/inner.CWS", f / "loan.CWS");
         },
         false, "sub/real.CWS",
         [](TempFolder& f) {
             EXPECT_TRUE(fs::is_symlink(f / "loan.CWS"));
             EXPECT_TRUE(fs::is_symlink(f / "sub/inner.CWS"));
         }},
        {"a dangling link makes the file it names",
         [](TempFolder& f) { fs::create_symlink("new.CWS", f / "loan.CWS"); }, false, "new.CWS",
         [](TempFolder& f) { EXPECT_TRUE(fs::is_symlink(f / "loan.CWS")); }},
        {"a file of the group users, 0640",
         [](TempFolder& f) {
             WriteBytes(f / "loan.CWS", "old");
             ASSERT_EQ(::chown((f / "loan.CWS").c_str(), -1, AnotherGroup()), 0);
             ASSERT_EQ(::chmod((f / "loan.CWS").c_str(), 0640), 0);
         },
         false, "loan.CWS",
         [](TempFolder& f) {
             EXPECT_EQ(Info(f / "loan.CWS").st_mode & 07777, 0640u);
             EXPECT_EQ(Info(f / "loan.CWS").st_gid, AnotherGroup());
         }},
        {"a file with a second name",
         [](TempFolder& f) {
             WriteBytes(f / "loan.CWS", "old");
             fs::create_hard_link(f / "loan.CWS", f / "copy.CWS");
         },
         false, "copy.CWS",
         [](TempFolder& f) {
             EXPECT_EQ(Info(f / "loan.CWS").st_ino, Info(f / "copy.CWS").st_ino);
         }},
        {"a writable file in a folder the user cannot write in",
         [](TempFolder& f) {
             WriteBytes(f / "loan.CWS", "old");
             fs::permissions(f / "loan.CWS", ReadWrite);
             fs::permissions(f.path(), fs::perms::all & ~WriteAll);
         },
         true, "loan.CWS", [](TempFolder&) {}},
        {"another user's file the user may write",
         [](TempFolder& f) {
             WriteBytes(f / "loan.CWS", "old");
             fs::permissions(f / "loan.CWS", ReadWrite);
             fs::permissions(f.path(), fs::perms::all);
         },
         true, "loan.CWS",
         [](TempFolder& f) { EXPECT_EQ(Info(f / "loan.CWS").st_uid, ::geteuid()); }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TempFolder folder;
        row.make(folder);
        const std::size_t entries =
            Entries(folder.path()) + (fs::exists(folder / row.saved) ? 0 : 1);
        std::optional<std::string> error;
        const auto save = [&] { error = ReplaceFile(folder / "loan.CWS", "new"); };
        row.asOrdinaryUser ? test::AsOrdinaryUser(save) : save();
        EXPECT_EQ(error, std::nullopt);
        EXPECT_EQ(ReadBytes(folder / row.saved), "new");
        row.check(folder);
        EXPECT_EQ(Entries(folder.path()), entries) << "no temporary file is left behind";
    }
}

TEST(ReplaceFileTest, RefusesWhatIsNoFileWithoutWaitingOnIt) {
    TempFolder folder;
    ::mkfifo((folder / "pipe").c_str(), 0600);
    fs::create_symlink("loop2", folder / "loop1");
    fs::create_symlink("loop1", folder / "loop2");
    const struct {
        std::string path;
        const char* error;
    } rows[] = {
        {folder / "pipe", "Not a regular file"},
        {folder / "loop1", "Too many levels of symbolic links"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ReplaceFile(row.path, "new"), row.error) << row.path;
    }
    EXPECT_TRUE(fs::is_fifo(folder / "pipe"));
    EXPECT_EQ(Entries(folder.path()), 3u);
}

TEST(ReplaceFileTest, AFullDiskLeavesTheEarlierFileWhole) {
    const test::FullDisk disk(::testing::TempDir());
    if (!disk.failure().empty()) {
        GTEST_SKIP() << "a full disk needs a small tmpfs: " << disk.failure();
    }
    // Replaced through a new file, and rewritten in place to keep a second name.
    WriteBytes(disk / "loan.CWS", "old");
    WriteBytes(disk / "linked.CWS", "old");
    fs::create_hard_link(disk / "linked.CWS", disk / "copy.CWS");
    disk.fill();
    const std::string text(64 << 10, 'n');
    for (const char* name : {"loan.CWS", "linked.CWS"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(ReplaceFile(disk / name, text), "No space left on device");
        EXPECT_EQ(ReadBytes(disk / name), "old");
    }
    EXPECT_EQ(Entries(disk / ""), 4u) << "no temporary file is left behind";
}

}  // namespace
}  // namespace corbel
