#pragma once

#include <QPrinter>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
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

    // The print dialog answers OK with a PDF printer into `printTo`, or Cancel
    // when there is none.
    QPrinter* choosePrinter(QWidget*) override {
        ++printDialogs;
        if (!printTo) {
            return nullptr;
        }
        printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(*printTo);
        return printer.get();
    }

    // The preview draws its document once, on a PDF printer into `printTo` when
    // there is one.
    void showPrintPreview(QWidget* parent, const PaintDocument& paint) override {
        ++previews;
        if (QPrinter* target = choosePrinter(parent)) {
            --printDialogs;
            paint(*target);
        }
    }

    std::vector<Shown> shown;
    std::optional<QString> printTo;
    int printDialogs = 0;
    int previews = 0;
    std::shared_ptr<QPrinter> printer;
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
