#pragma once

#include "storage/LastFile.h"

namespace corbel {

// The last-file memory in QSettings: organisation "Wendle", group "CWIni",
// value "CurrentFile" (the registry under HKEY_CURRENT_USER on Windows, an
// INI file under the user's configuration folder elsewhere). A settings file
// that is not a regular file (a pipe would hold the program up for ever) is
// neither read nor written, and failure() says so.
class QtSettingsStore : public SettingsStore {
  public:
    std::optional<std::string> readCurrentFile() const override;
    void writeCurrentFile(const std::string& path) override;
    std::string failure() const override { return failure_; }

  private:
    // Whether the settings file may be opened; otherwise failure_ says why.
    bool usable(std::string_view action) const;

    mutable std::string failure_;
};

}  // namespace corbel
