// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "ScriptedDialogs.h"
#include "platform/LocaleRegional.h"
#include "ui/LoanPage.h"
#include "ui/MainWindow.h"

namespace corbel::test {

// The control named `name` inside `root`; the test stops when there is none.
template <typename T = QWidget>
T* Child(const QWidget* root, const char* name) {
    T* child = root->findChild<T*>(name);
    if (!child) {
        qFatal("no control named %s in %s", name, qPrintable(root->objectName()));
    }
    return child;
}

// Replaces a field's text by typing, as a person would.
inline void Retype(QLineEdit* field, const QString& text) {
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

inline void Choose(QComboBox* list, const char* label) {
    list->setCurrentIndex(list->findText(label));
}

// The visible labels and buttons under `root` narrower than their text: what a
// person would see cut off.
inline QStringList CutOff(QWidget* root) {
    QStringList cut;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (!w->isVisible()) {
            continue;
        }
        const auto* label = qobject_cast<QLabel*>(w);
        const bool text = (label && !label->wordWrap() && !label->text().isEmpty()) ||
                          qobject_cast<QAbstractButton*>(w);
        if (text && w->width() < w->sizeHint().width()) {
            cut << w->objectName();
        }
    }
    return cut;
}

// Where a control stands in its window, and how large it is.
inline QRect PlaceInWindow(const QWidget* w) {
    return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size());
}

// Clicks `button`; while the modal window it opens is shown, runs `inspect` on
// it and closes it. Returns the window that opened, if any.
inline QWidget* OpenWith(QAbstractButton* button,
                         const std::function<void(QWidget*)>& inspect = {}) {
    QWidget* opened = nullptr;
    QTimer::singleShot(0, qApp, [&] {
        opened = QApplication::activeModalWidget();
        if (opened) {
            if (inspect) {
                inspect(opened);
            }
            opened->close();
        }
    });
    QTest::mouseClick(button, Qt::LeftButton);
    QCoreApplication::processEvents();  // the timer fires here when nothing opened
    return opened;
}
inline QWidget* OpenWith(QAbstractButton* button, const std::function<void()>& inspect) {
    return OpenWith(button, [&](QWidget*) { inspect(); });
}

// The whole program as a person meets it: the main window with every secondary
// window, in the en_US format, with scripted message boxes and recorded help.
struct ProgramUnderTest {
    LocaleRegional regional{QLocale(QLocale::English, QLocale::UnitedStates)};
    ScriptedDialogs dialogs;
    RecordingHelp help;
    MemorySettings settings;
    std::unique_ptr<ui::MainWindow> window;

    // A fresh, shown main window started with `arguments` (bytes, as the
    // system passes them) and the settings as they stand; false when it never
    // appeared.
    bool start(const std::vector<std::string>& arguments) {
        dialogs = {};
        help.topics.clear();
        window = std::make_unique<ui::MainWindow>(ui::UiContext{regional, dialogs, help},
                                                  QString("/nowhere"), settings, arguments);
        window->show();
        return QTest::qWaitForWindowExposed(window.get());
    }
    bool start(const QStringList& arguments = {}) {
        std::vector<std::string> bytes;
        for (const QString& argument : arguments) {
            bytes.push_back(QFile::encodeName(argument).toStdString());
        }
        return start(bytes);
    }
    void stop() { window.reset(); }

    // Types a loan into the Loan page's four fields.
    void typeLoan(const QString& amount, const QString& years, const QString& rate,
                  const QString& parts = QString()) {
        for (auto [name, text] : {std::pair{"MAmount", amount},
                                  {"Period", years},
                                  {"MPartyear", parts},
                                  {"IRate", rate}}) {
            Retype(Child<QLineEdit>(window->loanPage(), name), text);
        }
    }

    // The texts of the message boxes shown so far, in order.
    QStringList messages() const {
        QStringList texts;
        for (const auto& shown : dialogs.shown) {
            texts << QString::fromStdString(shown.message.text);
        }
        return texts;
    }
};

}  // namespace corbel::test
