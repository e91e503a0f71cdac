// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Thousands of random actions on every page and window, as an impatient person
// might: texts of every kind typed or pasted into the fields, list entries and
// radio buttons chosen, buttons pressed, the modal windows they open used in
// turn and closed. No crash, no result field showing anything but a money or
// number text, no infinity or NaN shown anywhere, and no typed field changing
// by itself.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "ProgramUnderTest.h"

using namespace corbel;

namespace {

#ifdef CW_SANITIZE
constexpr int Rounds = 5000;  // the sanitizers make each round many times slower
#else
constexpr int Rounds = 20000;
#endif
constexpr int RoundsInAWindow = 25;  // actions in each modal window before it is closed
constexpr quint32 StartingValue = 20240607;

// Pieces of what people type: numbers at and past every limit, the
// hexadecimal forms, exponents, blanks, control characters and other scripts.
const QStringList Pieces = {"100000",
                            "6",
                            "30",
                            "0",
                            "12",
                            "-5",
                            "1e308",
                            "-1e308",
                            "1e-308",
                            "1E-5",
                            "4.9e-324",
                            "0x1F",
                            "$FF",
                            "x7",
                            "0X",
                            "999999999",
                            "1000",
                            "1001",
                            "0.0001",
                            "2147483648",
                            "12.5",
                            "0.125",
                            ".",
                            ",",
                            "e",
                            "E",
                            "+",
                            "-",
                            " ",
                            "   ",
                            "\t",
                            "\x01",
                            "\x7f",
                            "\u0661\u0662\u0663",
                            "\u4e2d\u6587",
                            "\u03a9\u03bc",
                            "\u20ac",
                            "\u066b",
                            "\u00a0",
                            "50",
                            "365",
                            "51",
                            "3",
                            "99.99",
                            "1e15",
                            "5e-5",
                            "-0",
                            "00000000000000000000000001"};

const QStringList Sensible = {"100000", "6", "30", "5", "1", "0", "12", "2", "1000", "8.5", "250"};

// Money texts in the en_US format and the program's number texts.
const QRegularExpression MoneyOrNumber(
    R"(^(\(?\$\d{1,3}(,\d{3})*\.\d\d\)?|-?\$\d{1,3}(,\d{3})*\.\d\d|-?\d+(\.\d+)?(E-?\d+)?%?)$)");
const QRegularExpression InfOrNan(R"(\b(inf|infinity|nan)\b)",
                                  QRegularExpression::CaseInsensitiveOption);

QString Describe(const QWidget* w) {
    return w->window()->objectName() + "/" + w->objectName();
}

}  // namespace

class RandomInputTest : public QObject {
    Q_OBJECT

    test::ProgramUnderTest p_;
    QRandomGenerator random_{StartingValue};
    QStringList faults_;
    QStringList lastActions_;
    int pressed_ = 0;
    int opened_ = 0;
    int boxes_ = 0;

    int pick(int count) { return static_cast<int>(random_.bounded(count)); }

    QString randomText() {
        switch (pick(10)) {
            case 0:
                return QString();
            case 1:  // very long
                return QString(2000 + pick(3000), QChar('0' + pick(10)));
            case 2:
                return Pieces.at(pick(Pieces.size())).repeated(50 + pick(200));
            case 3:
            case 4:
            case 5:  // a sensible value now and then, so that the windows open
                return Sensible.at(pick(Sensible.size()));
            default: {
                QString text;
                for (int k = pick(4) + 1; k > 0; --k) {
                    text += Pieces.at(pick(Pieces.size()));
                }
                return text;
            }
        }
    }

    void note(const QString& action) {
        lastActions_ << action.left(120);
        if (lastActions_.size() > 12) {
            lastActions_.removeFirst();
        }
    }

    void fault(const QString& what) {
        if (faults_.size() < 20) {
            faults_ << what + "\n    after: " + lastActions_.join("\n           ");
        }
    }

    template <typename T>
    static QList<T*> usable(QWidget* window) {
        QList<T*> found;
        for (T* w : window->findChildren<T*>()) {
            if (w->isVisible() && w->isEnabled()) {
                found << w;
            }
        }
        return found;
    }

    // The fields a person can type into: not read-only, not part of a list.
    static QList<QLineEdit*> inputs(QWidget* window) {
        QList<QLineEdit*> found;
        for (QLineEdit* field : usable<QLineEdit>(window)) {
            if (!field->isReadOnly() && !qobject_cast<QComboBox*>(field->parentWidget())) {
                found << field;
            }
        }
        return found;
    }

    void typeInto(QLineEdit* field, const QString& text, QHash<QLineEdit*, QString>& typed) {
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        if (text.size() > 300) {  // pasted, as nobody types that much
            QApplication::clipboard()->setText(text);
            QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        } else {
            // One key a character, whatever its script; Enter is left to the
            // buttons, as it would press the default one.
            const QString keys = QString(text).remove('\n').remove('\r');
            for (const QChar c : keys) {
                QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
            }
        }
        typed[field] = field->text();
    }

    // Presses `button`; a modal window it opens is used in turn and closed.
    void press(QAbstractButton* button, int depth) {
        const QPointer<QWidget> before = QApplication::activeModalWidget();
        QTimer::singleShot(0, qApp, [this, before, depth] {
            QWidget* opened = QApplication::activeModalWidget();
            if (opened && opened != before) {
                ++opened_;
                if (depth < 2) {
                    exercise(opened, RoundsInAWindow, depth + 1);
                }
                if (opened->isVisible()) {
                    opened->close();
                }
            }
        });
        const auto boxes = p_.dialogs.shown.size();
        QTest::mouseClick(button, Qt::LeftButton);
        QCoreApplication::processEvents();
        ++pressed_;
        boxes_ += static_cast<int>(p_.dialogs.shown.size() - boxes);
    }

    // One random action on `window`.
    void act(QWidget* window, int depth, QHash<QLineEdit*, QString>& typed) {
        switch (pick(12)) {
            case 10:
            case 11:  // every field at once with a small number: a loan that opens windows
                for (QLineEdit* field : inputs(window)) {
                    const QString text = QString::number(1 + pick(12));
                    note("type '" + text + "' into " + Describe(field));
                    typeInto(field, text, typed);
                }
                break;
            case 0:
            case 1:
            case 2:
            case 3: {
                const auto fields = inputs(window);
                if (!fields.isEmpty()) {
                    QLineEdit* field = fields.at(pick(fields.size()));
                    const QString text = randomText();
                    note("type '" + text + "' into " + Describe(field));
                    typeInto(field, text, typed);
                }
                break;
            }
            case 4: {
                const auto lists = usable<QComboBox>(window);
                if (!lists.isEmpty()) {
                    QComboBox* list = lists.at(pick(lists.size()));
                    const int index = pick(list->count());
                    note("choose " + list->itemText(index) + " in " + Describe(list));
                    list->setCurrentIndex(index);
                }
                break;
            }
            case 5: {
                const auto radios = usable<QRadioButton>(window);
                if (!radios.isEmpty()) {
                    QRadioButton* radio = radios.at(pick(radios.size()));
                    note("click " + Describe(radio));
                    QTest::mouseClick(radio, Qt::LeftButton);
                }
                break;
            }
            case 6:
                if (auto* pages = window->findChild<QTabWidget*>()) {
                    const int page = pick(pages->count());
                    note("page " + pages->tabText(page));
                    pages->setCurrentIndex(page);
                }
                break;
            default: {
                QList<QAbstractButton*> buttons;
                for (QAbstractButton* b : usable<QAbstractButton>(window)) {
                    // Quit would end the program under test.
                    if (!qobject_cast<QRadioButton*>(b) && b->objectName() != "ExitBtn") {
                        buttons << b;
                    }
                }
                if (!buttons.isEmpty()) {
                    QAbstractButton* button = buttons.at(pick(buttons.size()));
                    note("press " + Describe(button) + " '" + button->text() + "'");
                    press(button, depth);
                }
                break;
            }
        }
    }

    // What every shown window must never show.
    void checkShown() {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (!top->isVisible()) {
                continue;
            }
            for (QLabel* label : top->findChildren<QLabel*>()) {
                if (label->isVisible() && InfOrNan.match(label->text()).hasMatch()) {
                    fault(Describe(label) + " shows '" + label->text() + "'");
                }
            }
            for (QLineEdit* field : top->findChildren<QLineEdit*>()) {
                if (!field->isVisible() || !field->isReadOnly()) {
                    continue;
                }
                const QString text = field->text();
                if (!text.isEmpty() && !MoneyOrNumber.match(text).hasMatch()) {
                    fault("result " + Describe(field) + " holds '" + text.left(80) + "'");
                }
            }
            for (QAbstractItemView* view : top->findChildren<QAbstractItemView*>()) {
                const QAbstractItemModel* model = view->model();
                if (!view->isVisible() || model == nullptr) {
                    continue;
                }
                for (int row = 0; row < std::min(model->rowCount(), 40); ++row) {
                    for (int column = 0; column < model->columnCount(); ++column) {
                        const QString cell = model->index(row, column).data().toString();
                        if (InfOrNan.match(cell).hasMatch()) {
                            fault(Describe(view) + " shows '" + cell + "'");
                        }
                    }
                }
            }
        }
    }

    // A typed text stays as typed; the program's own writes are a solved
    // What If? field (read-only while solved), a part-year field emptied and
    // hidden for annual repayments, and the What If? loan transferred to the
    // Loan page.
    void checkTyped(QHash<QLineEdit*, QString>& typed) {
        const bool transferred = lastActions_.last().contains("/TransferBtn");
        for (auto it = typed.begin(); it != typed.end();) {
            QLineEdit* field = it.key();
            const bool own = field->isReadOnly() ||
                             (field->isHidden() && field->text().isEmpty()) ||
                             (transferred && field->window() == p_.window.get());
            if (own) {
                it = typed.erase(it);
                continue;
            }
            if (field->text() != it.value()) {
                fault(Describe(field) + " changed by itself from '" + it.value().left(80) +
                      "' to '" + field->text().left(80) + "'");
                it.value() = field->text();
            }
            ++it;
        }
    }

    // `rounds` random actions on `window` while it is shown.
    int exercise(QWidget* window, int rounds, int depth) {
        QHash<QLineEdit*, QString> typed;
        int round = 0;
        for (; round < rounds && window->isVisible() && faults_.size() < 20; ++round) {
            act(window, depth, typed);
            checkShown();
            if (!lastActions_.isEmpty()) {
                checkTyped(typed);
            }
        }
        return round;
    }

  private slots:
    void init() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY(p_.start());
    }
    void cleanup() { p_.stop(); }

    void randomActionsShowOnlySoundResults() {
        const int done = exercise(p_.window.get(), Rounds, 0);
        QVERIFY2(faults_.isEmpty(), qPrintable(faults_.join("\n")));
        QVERIFY2(done == Rounds, qPrintable(lastActions_.join("\n")));
        qInfo("%d buttons pressed, %d modal windows opened, %d message boxes", pressed_, opened_,
              boxes_);
    }
};

QTEST_MAIN(RandomInputTest)
#include "RandomInputTest.moc"
