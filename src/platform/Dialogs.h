#pragma once

#include "calc/Messages.h"

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
};

// The real boxes.
class QtDialogs : public Dialogs {
  public:
    void showMessage(QWidget* parent, const Message& message) override;
};

}  // namespace corbel
