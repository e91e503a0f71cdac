// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPageLayout>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

#include "calc/Messages.h"

class QPrinter;
class QWidget;

namespace corbel {

// What a file dialog opens with: the pattern it offers ("Corbelwright File
// (*.CWS)"), the folder it starts in and the file name already filled in
// (empty for none, or a path, which also chooses the folder). A save dialog
// adds `suffix` to a name typed without an extension, and asks before
// replacing a file when `confirmReplace` says so.
struct FileDialogSetup {
    QString filter;
    QString folder;
    QString name;
    QString suffix = {};
    bool confirmReplace = false;
    bool operator==(const FileDialogSetup&) const = default;
};

// The user's documents folder, or the home folder when there is none.
QString DocumentsFolder();

// Where the open and save dialogs first start: the program's folder, as on a
// computer where programs live in a folder of the user's; when the user cannot
// write there (an installed program under /usr/bin), the user's documents
// folder, or the home folder when there is none.
QString FileDialogStartFolder(const QString& programFolder);

// Information boxes carry the information icon and the title "Information";
// Confirm boxes the question-mark icon and the title "Confirm"; Error boxes,
// which report a failed file operation in the system's words, the error icon
// and the title "Error".
enum class MessageKind { Information, Confirm, Error };

// The box a message is shown in, by what it is about: the program's one table
// of them.
MessageKind KindOf(MessageCause cause);
std::string_view Title(MessageKind kind);

// The buttons of a question with Yes, No and Cancel; closing the box is Cancel.
enum class Answer { Yes, No, Cancel };

// Every modal box the program shows goes through this interface, so that the
// windows can be driven without a person clicking: the real one shows Qt's
// boxes, a scripted one records what was shown and answers as told.
class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // A message box of the message's kind (icon and title) with one "OK".
    virtual void showMessage(QWidget* parent, const Message& message) = 0;
    // The print dialog: the printer chosen there with its settings when confirmed,
    // nothing when cancelled. The printer stays the adapter's. Printing to a
    // file offers `pdfFile`, the file of the report about to be printed.
    virtual QPrinter* choosePrinter(QWidget* parent, const QString& pdfFile) = 0;
    // The print preview: `paint` draws the document on the printer it is given,
    // as often as the preview needs it; the pages are shown in `orientation`,
    // whatever orientation the drawing leaves on the printer. Its own printing
    // to a file offers `pdfFile`. Answers the PDF file printed from it, if any.
    using PaintDocument = std::function<void(QPrinter& printer)>;
    virtual QString showPrintPreview(QWidget* parent, QPageLayout::Orientation orientation,
                                     const QString& pdfFile, const PaintDocument& paint) = 0;
    // A box of the question's kind with Yes, No and Cancel.
    virtual Answer askYesNoCancel(QWidget* parent, const Message& question) = 0;
    // The open dialog: the chosen path, or nothing when it was cancelled. The
    // name of a file that does not exist is accepted.
    virtual std::optional<QString> openFileName(QWidget* parent, const FileDialogSetup& setup) = 0;
    // The save dialog: the chosen path as typed, or nothing when it was
    // cancelled; only the setup's suffix is added, and it asks before replacing
    // a file only when the setup says so.
    virtual std::optional<QString> saveFileName(QWidget* parent, const FileDialogSetup& setup) = 0;
};

// The real boxes.
class QtDialogs : public Dialogs {
  public:
    QtDialogs();
    ~QtDialogs() override;
    void showMessage(QWidget* parent, const Message& message) override;
    QPrinter* choosePrinter(QWidget* parent, const QString& pdfFile) override;
    QString showPrintPreview(QWidget* parent, QPageLayout::Orientation orientation,
                             const QString& pdfFile, const PaintDocument& paint) override;
    Answer askYesNoCancel(QWidget* parent, const Message& question) override;
    std::optional<QString> openFileName(QWidget* parent, const FileDialogSetup& setup) override;
    std::optional<QString> saveFileName(QWidget* parent, const FileDialogSetup& setup) override;

  private:
    // The run's one printer (made on first use), offering the report's own
    // file when it prints to files.
    QPrinter& printer(const QString& pdfFile);
    // One printer for the run, so the dialog offers the settings chosen last time.
    std::unique_ptr<QPrinter> printer_;
};

}  // namespace corbel
