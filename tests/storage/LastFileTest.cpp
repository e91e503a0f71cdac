// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/LastFile.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "StorageTestFiles.h"
#include "platform/SettingsStore.h"

namespace corbel {
namespace {

class MemoryStore : public SettingsStore {
  public:
    explicit MemoryStore(std::optional<std::string> value) : value_(std::move(value)) {}
    std::optional<std::string> readCurrentFile() const override { return value_; }
    void writeCurrentFile(const std::string& path) override { value_ = path; }

  private:
    std::optional<std::string> value_;
};

TEST(ReopenLastFileTest, ArgumentFirstThenTheStoredFile) {
    test::TempFolder folder;
    const std::string a = folder / "a.CWS", b = folder / "b.CWS", gone = folder / "gone.CWS";
    const std::string sub = folder / "sub";
    test::WriteBytes(a, "");
    test::WriteBytes(b, "");
    std::filesystem::create_directory(sub);
    const struct {
        const char* name;
        std::vector<std::string> arguments;
        std::optional<std::string> stored;
        std::optional<std::string> load;
        std::string current;
    } rows[] = {
        {"nothing stored", {}, std::nullopt, std::nullopt, "kept"},
        {"stored file", {}, b, b, b},
        {"argument over the stored file", {a}, b, a, b},
        {"argument without a file", {gone}, b, b, b},
        {"empty argument", {""}, b, b, b},
        {"argument naming a folder", {sub}, b, b, b},
        {"only the first argument counts", {gone, a}, b, b, b},
        {"stored file deleted", {}, gone, std::nullopt, gone},
        {"stored empty", {}, "", std::nullopt, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const Reopen reopen = ReopenLastFile(row.arguments, MemoryStore(row.stored), "kept");
        EXPECT_EQ(reopen.fileToLoad, row.load);
        EXPECT_EQ(reopen.currentFileName, row.current);
    }
}

// Runs with XDG_CONFIG_HOME set to a folder of the build.
TEST(QtSettingsStoreTest, RemembersTheCurrentFileUnderWendleCWIni) {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    ASSERT_NE(config, nullptr);
    const std::string file = std::string(config) + "/Wendle.conf";
    std::filesystem::remove(file);

    EXPECT_EQ(QtSettingsStore().readCurrentFile(), std::nullopt);
    for (const std::string path : {"/home/ann/Loans/Maison é 1.CWS", ""}) {
        QtSettingsStore store;
        RememberCurrentFile(store, path);
        EXPECT_EQ(QtSettingsStore().readCurrentFile(), path);
    }
    // The windows' choices stand beside it, in a group of their own.
    QtSettingsStore().remember("ExportFolder", "/home/ann/Exports");
    EXPECT_EQ(QtSettingsStore().recall("ExportFolder"), "/home/ann/Exports");
    EXPECT_EQ(QtSettingsStore().readCurrentFile(), "");
    const std::string text = test::ReadBytes(file);
    EXPECT_NE(text.find("[CWIni]\nCurrentFile="), std::string::npos) << text;
    EXPECT_NE(text.find("[Remembered]\nExportFolder=/home/ann/Exports"), std::string::npos) << text;
}

}  // namespace
}  // namespace corbel
