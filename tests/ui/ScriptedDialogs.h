// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMap>
#include <QPrinter>
#include <QString>
#include <QWidget>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/Dialogs.h"
#include "platform/HelpViewer.h"
#include "platform/SettingsStore.h"

namespace corbel::test {

// Records every box and file dialog instead of showing it, and answers as the
// test has told it, in order. A question nobody scripted is cancelled, and so
// is a file dialog.
class ScriptedDialogs : public Dialogs {
  public:
    struct Shown {
        Message message;
        std::string title;
        bool overShownWindow;  // the box's window stood on the screen
    };
    enum class FileDialog { Open, Save };
    struct FileDialogShown {
        FileDialog which;
        FileDialogSetup setup;
    };

    void showMessage(QWidget* parent, const Message& message) override {
        shown.push_back(
            {message, std::string(Title(KindOf(message.cause))), parent && parent->isVisible()});
        if (onMessage) {
            onMessage(message);
        }
    }
    Answer askYesNoCancel(QWidget* parent, const Message& question) override {
        showMessage(parent, question);
        return next(answers, Answer::Cancel);
    }
    std::optional<QString> openFileName(QWidget*, const FileDialogSetup& setup) override {
        fileDialogs.push_back({FileDialog::Open, setup});
        return next(openChoices, std::optional<QString>());
    }
    std::optional<QString> saveFileName(QWidget*, const FileDialogSetup& setup) override {
        fileDialogs.push_back({FileDialog::Save, setup});
        return next(saveChoices, std::optional<QString>());
    }

    // The print dialog answers OK with a PDF printer into `printTo`, or Cancel
    // when there is none; `pdfFiles` lists the files it offered.
    QPrinter* choosePrinter(QWidget*, const QString& pdfFile) override {
        ++printDialogs;
        pdfFiles.push_back(pdfFile);
        if (!printTo) {
            return nullptr;
        }
        printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(*printTo);
        return printer.get();
    }

    // The preview draws its document once, on a PDF printer into `printTo` when
    // there is one, as its own Print would.
    QString showPrintPreview(QWidget* parent, QPageLayout::Orientation orientation,
                             const QString& pdfFile, const PaintDocument& paint) override {
        ++previews;
        if (QPrinter* target = choosePrinter(parent, pdfFile)) {
            --printDialogs;
            target->setPageOrientation(orientation);
            paint(*target);
            return target->outputFileName();
        }
        return {};
    }

    std::vector<Shown> shown;
    std::optional<QString> printTo;
    std::vector<QString> pdfFiles;
    int printDialogs = 0;
    int previews = 0;
    std::shared_ptr<QPrinter> printer;
    // Runs while the box would be open, to look at the windows behind it.
    std::function<void(const Message&)> onMessage;
    std::deque<Answer> answers;
    std::deque<std::optional<QString>> openChoices;  // nothing: cancelled
    std::deque<std::optional<QString>> saveChoices;
    std::vector<FileDialogShown> fileDialogs;

  private:
    // The script's next answer, or `answer` when the script has run out.
    template <typename T>
    static T next(std::deque<T>& script, T answer) {
        if (!script.empty()) {
            std::swap(answer, script.front());
            script.pop_front();
        }
        return answer;
    }
};

// Records the help topics asked for.
class RecordingHelp : public HelpViewer {
  public:
    void showHelp(int topic) override { topics.push_back(topic); }
    std::vector<int> topics;
};

// The settings held in memory; nothing stored at first.
class MemorySettings : public ProgramSettings {
  public:
    std::optional<std::string> readCurrentFile() const override { return currentFile; }
    void writeCurrentFile(const std::string& path) override { currentFile = path; }
    QString recall(const QString& key) const override { return remembered.value(key); }
    void remember(const QString& key, const QString& value) override {
        remembered.insert(key, value);
    }
    QStringList recentFiles() const override { return recent; }
    void rememberRecentFiles(const QStringList& files) override { recent = files; }
    std::string failure() const override { return failureText; }
    std::optional<std::string> currentFile;
    QStringList recent;
    QMap<QString, QString> remembered;
    std::string failureText;
};

}  // namespace corbel::test
