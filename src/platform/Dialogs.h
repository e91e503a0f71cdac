#pragma once

#include <functional>
#include <memory>

#include "calc/Messages.h"

class QPrinter;
class QWidget;

namespace corbel {

// Every modal box the program shows goes through this interface, so that the
// windows can be driven without a person clicking: the real one shows Qt's
// boxes, a scripted one records what was shown and answers as told.
class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // A message box of the message's kind (icon and title) with one "OK".
    virtual void showMessage(QWidget* parent, const Message& message) = 0;
    // The print dialog: the printer chosen there with its settings when confirmed,
    // nothing when cancelled. The printer stays the adapter's.
    virtual QPrinter* choosePrinter(QWidget* parent) = 0;
    // The print preview: `paint` draws the document on the printer it is given,
    // as often as the preview needs it.
    using PaintDocument = std::function<void(QPrinter& printer)>;
    virtual void showPrintPreview(QWidget* parent, const PaintDocument& paint) = 0;
};

// The real boxes.
class QtDialogs : public Dialogs {
  public:
    QtDialogs();
    ~QtDialogs() override;
    void showMessage(QWidget* parent, const Message& message) override;
    QPrinter* choosePrinter(QWidget* parent) override;
    void showPrintPreview(QWidget* parent, const PaintDocument& paint) override;

  private:
    // One printer for the run, so the dialog offers the settings chosen last time.
    std::unique_ptr<QPrinter> printer_;
};

}  // namespace corbel
