#pragma once

#include <functional>
#include <vector>

#include "platform/Dialogs.h"
#include "platform/HelpViewer.h"

namespace corbel::test {

// Records every message box instead of showing it.
class ScriptedDialogs : public Dialogs {
  public:
    struct Shown {
        Message message;
        std::string title;
    };

    void showMessage(QWidget*, const Message& message) override {
        shown.push_back({message, std::string(Title(message.kind))});
        if (onMessage) {
            onMessage(message);
        }
    }

    std::vector<Shown> shown;
    // Runs while the box would be open, to look at the windows behind it.
    std::function<void(const Message&)> onMessage;
};

// Records the help topics asked for.
class RecordingHelp : public HelpViewer {
  public:
    void showHelp(int topic) override { topics.push_back(topic); }
    std::vector<int> topics;
};

}  // namespace corbel::test
