#pragma once

#include <QString>
#include <optional>

#include "calc/Messages.h"

class QWidget;

namespace corbel {

// What a file dialog opens with: the pattern it offers ("Corbelwright File
// (*.CWS)"), the folder it starts in and the file name already filled in
// (empty for none, or a path, which also chooses the folder).
struct FileDialogSetup {
    QString filter;
    QString folder;
    QString name;
    bool operator==(const FileDialogSetup&) const = default;
};

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
    // A box of the question's kind with Yes, No and Cancel.
    virtual Answer askYesNoCancel(QWidget* parent, const Message& question) = 0;
    // The open dialog: the chosen path, or nothing when it was cancelled. The
    // name of a file that does not exist is accepted.
    virtual std::optional<QString> openFileName(QWidget* parent, const FileDialogSetup& setup) = 0;
    // The save dialog: the chosen path as typed (no extension added), or
    // nothing when it was cancelled. It does not ask before replacing a file.
    virtual std::optional<QString> saveFileName(QWidget* parent, const FileDialogSetup& setup) = 0;
};

// The real boxes.
class QtDialogs : public Dialogs {
  public:
    void showMessage(QWidget* parent, const Message& message) override;
    Answer askYesNoCancel(QWidget* parent, const Message& question) override;
    std::optional<QString> openFileName(QWidget* parent, const FileDialogSetup& setup) override;
    std::optional<QString> saveFileName(QWidget* parent, const FileDialogSetup& setup) override;
};

}  // namespace corbel
