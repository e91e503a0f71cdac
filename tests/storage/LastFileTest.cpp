// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/LastFile.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

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
    test::WriteBytes(folder / "-dash.CWS", "");
    std::filesystem::create_directory(sub);
    std::filesystem::create_symlink("nothing.CWS", folder / "dangling.CWS");
    // Relative names, as typed in the folder.
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
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
        {"argument naming a folder, whose failure is shown", {sub}, b, sub, b},
        {"argument naming a link to nothing", {"dangling.CWS"}, b, "dangling.CWS", b},
        {"a name starting with a dash after --", {"--", "-dash.CWS"}, b, "-dash.CWS", b},
        {"-- alone", {"--"}, b, b, b},
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
    std::filesystem::current_path(before);
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
    // So do the recent files; a shorter list leaves nothing of a longer one.
    const QStringList recent = {"/home/ann/Prêt, & maison.CWS"};
    QtSettingsStore().rememberRecentFiles({"/a.CWS", "/b.CWS"});
    QtSettingsStore().rememberRecentFiles(recent);
    EXPECT_EQ(QtSettingsStore().recentFiles(), recent);
    const std::string text = test::ReadBytes(file);
    EXPECT_NE(text.find("[CWIni]\nCurrentFile="), std::string::npos) << text;
    EXPECT_NE(text.find("[RecentFiles]\n1\\File="), std::string::npos) << text;
    EXPECT_EQ(text.find("2\\File"), std::string::npos) << text;
    EXPECT_NE(text.find("[Remembered]\nExportFolder=/home/ann/Exports"), std::string::npos) << text;
}

// A pipe in the settings file's place would hold the program up in QSettings.
TEST(QtSettingsStoreTest, ASettingsFileThatIsNoFileIsIgnoredWithAMessage) {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    ASSERT_NE(config, nullptr);
    const std::string file = std::string(config) + "/Wendle.conf";
    std::filesystem::remove(file);
    ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
    QtSettingsStore store;
    EXPECT_EQ(store.readCurrentFile(), std::nullopt);
    store.writeCurrentFile("/home/ann/loan.CWS");
    EXPECT_EQ(store.failure(), "Could not open " + file + "\nNot a regular file");
    EXPECT_TRUE(std::filesystem::is_fifo(file));
    std::filesystem::remove(file);
}

}  // namespace
}  // namespace corbel
