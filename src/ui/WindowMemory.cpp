// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/WindowMemory.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QStringList>
#include <QWidget>
#include <algorithm>

namespace corbel::ui {

namespace {

const QString PlaceKey = QStringLiteral("/Place");
const QString SizeKey = QStringLiteral("/Size");

// How much of a frame's top must stay on a screen for the user to take the
// window by its title bar: a title bar's height, and this much of its width.
constexpr int TitleBarHeight = 24;
constexpr int LeastTitleBarWidth = 100;

// "x,y" or "width,height" as kept.
struct Pair {
    int first = 0;
    int second = 0;
    bool read = false;  // false for any other text
};
Pair ReadPair(const QString& text) {
    const QStringList parts = text.split(',');
    Pair pair;
    bool first = false, second = false;
    pair.first = parts.value(0).toInt(&first);
    pair.second = parts.value(1).toInt(&second);
    pair.read = parts.size() == 2 && first && second;
    return pair;
}

QString PairText(int first, int second) {
    return QStringLiteral("%1,%2").arg(first).arg(second);
}

// The screen that shows the title bar of a frame `width` wide at `place`.
QScreen* ScreenShowingTitleBar(QPoint place, int width) {
    const QRect titleBar(place, QSize(width, TitleBarHeight));
    for (QScreen* screen : QGuiApplication::screens()) {
        const QRect shown = screen->availableGeometry().intersected(titleBar);
        if (shown.height() == TitleBarHeight &&
            shown.width() >= std::min(width, LeastTitleBarWidth)) {
            return screen;
        }
    }
    return nullptr;
}

}  // namespace

WindowMemory::WindowMemory(QWidget* window, ProgramSettings* settings, WindowKeeps keeps)
    : QObject(window), window_(window), settings_(settings), keeps_(keeps) {
    if (!settings_) {
        return;
    }
    restore();
    window->installEventFilter(this);
    // The program may end with the window open (the help beside the main window).
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
        if (window_->isVisible()) {
            remember();
        }
    });
}

void WindowMemory::restore() {
    const QString name = window_->objectName();
    const Pair size =
        keeps_ != WindowKeeps::Place ? ReadPair(settings_->recall(name + SizeKey)) : Pair();
    const Pair place =
        keeps_ != WindowKeeps::Size ? ReadPair(settings_->recall(name + PlaceKey)) : Pair();
    const QPoint corner(place.first, place.second);
    QScreen* screen = place.read
                          ? ScreenShowingTitleBar(corner, size.read ? size.first : window_->width())
                          : nullptr;
    if (size.read) {
        QSize kept(size.first, size.second);
        if (const QScreen* on = screen ? screen : window_->screen()) {
            kept = kept.boundedTo(on->availableGeometry().size());
        }
        window_->resize(
            kept.expandedTo(window_->minimumSize()).expandedTo(window_->minimumSizeHint()));
    }
    if (screen) {
        window_->move(corner);
        hasPlace_ = true;
    }
}

void WindowMemory::remember() {
    // A maximised window is kept at the size and place it comes back to.
    const bool normal = !window_->isMaximized() && !window_->isFullScreen();
    const QRect area = normal ? window_->geometry() : window_->normalGeometry();
    if (keeps_ != WindowKeeps::Size) {
        const QPoint frame = area.topLeft() - (window_->geometry().topLeft() - window_->pos());
        settings_->remember(window_->objectName() + PlaceKey, PairText(frame.x(), frame.y()));
        // Opened again in this run, it comes back here too, not where a dialog
        // would be put.
        if (normal) {
            window_->move(frame);
        }
        hasPlace_ = true;
    }
    if (keeps_ != WindowKeeps::Place) {
        settings_->remember(window_->objectName() + SizeKey, PairText(area.width(), area.height()));
    }
}

bool WindowMemory::eventFilter(QObject* watched, QEvent* event) {
    // Closed by the program or the user; a window minimised is hidden by the system.
    if (watched == window_ && event->type() == QEvent::Hide && !event->spontaneous()) {
        remember();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace corbel::ui
