// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

#include "platform/SettingsStore.h"

class QWidget;

namespace corbel::ui {

// What of a window's geometry is kept from one run to the next.
enum class WindowKeeps { Place, Size, PlaceAndSize };

// Keeps a window's place (the top-left corner of its frame) or its size, or
// both, in the program's settings under the window's name: each time the
// window is closed, and when the program ends with it open. Made with the
// window, before it is first shown and once its least size is set, it gives
// back what was kept: the size never below the least size nor, unless that
// is larger, beyond the screen; the place only while a screen still shows the
// window's title bar, so that a window last seen on a monitor since unplugged
// opens where it would without a memory.
class WindowMemory : public QObject {
  public:
    WindowMemory(QWidget* window, ProgramSettings* settings, WindowKeeps keeps);

    // Whether the window has a place of its own: one given back when it was
    // made, or where it was last closed.
    bool hasPlace() const { return hasPlace_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void restore();
    void remember();

    QWidget* window_;
    ProgramSettings* settings_;
    WindowKeeps keeps_;
    bool hasPlace_ = false;
};

}  // namespace corbel::ui
