// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>
#include <initializer_list>

#include "calc/LoanCalculation.h"
#include "ui/FieldKinds.h"
#include "ui/UiContext.h"

class QApplication;
class QComboBox;
class QDialog;
class QGridLayout;
class QPushButton;
class QRadioButton;
class QTableView;
class QToolButton;
class QVBoxLayout;
class QLabel;
class QLineEdit;
class QWidget;

namespace corbel::ui {

enum class Picture;

// Gives a new control its name, so that tests and accessibility tools find it.
template <typename T>
T* Named(T* widget, const char* name) {
    widget->setObjectName(name);
    return widget;
}

// A modal window of the main window: a dialog with its title and, of the
// title-bar buttons, `buttons` only (the close button unless told otherwise);
// never one to minimise or maximise.
void MakeModalWindow(QDialog* window, Qt::WindowFlags buttons = Qt::WindowCloseButtonHint);

// Brings back at once a modal window that a window manager minimised anyway
// (one that offers minimise on every window would hide the program with it,
// with nothing on screen to bring it back).
void KeepModalWindowsInSight(QApplication* application);

// A named label whose text is shown as it stands, leading blanks and all.
QLabel* Caption(const char* name, const QString& text, QWidget* parent);

// A field the user types into: white, with the typing limit and width of its
// kind.
QLineEdit* InputField(const char* name, FieldKind kind, QWidget* parent,
                      const QString& text = QString());

// A read-only light blue field that only the program writes, wide enough for
// `widest` (empty: as the layout gives).
QLineEdit* ResultField(const char* name, const QString& widest, QWidget* parent);

// Limits what a person types into `field` to `limit` characters without cutting
// a text the program writes there: a longer written text stays whole and can be
// shortened, but not lengthened, by typing.
void LimitTyping(QLineEdit* field, int limit);
// The typing limit of a field; 0 when none.
int TypingLimit(const QLineEdit* field);

// Writes a result: the field shows the start of the text, and the whole text in
// its tool tip when it does not fit.
void ShowResult(QLineEdit* field, const QString& text);

// A row of a form: its caption in the first column, then the controls that
// follow it on the same line, packed to the left. Screen readers name the first
// control by the row's caption and each later one by the caption just after it
// (its unit), else the one just before it, else the row's caption.
void AddRow(QGridLayout* form, int row, QWidget* caption, std::initializer_list<QWidget*> controls);

// A table for a table window: Tab leaves it for the next control, as in any
// form, and the arrow keys move between its cells.
QTableView* TableView(const char* name, QWidget* parent);

// Places `caption` at `row`, `column` of `form` and `control` in the next
// column; screen readers name the control by the caption, whatever it comes to say.
void AddCaptioned(QGridLayout* form, int row, int column, QLabel* caption, QWidget* control);

// A button that shows only a picture; `hint` is its tool tip and its name for
// screen readers.
QToolButton* PictureButton(const char* name, Picture picture, const QString& hint, QWidget* parent);

// Whether a screen reader finds a name for `widget` (its text, its caption, its
// accessible name).
bool HasReaderName(QWidget* widget);

// What every table window has: its title and modality, the large heading, and
// a column of Calculate (the default button, so that Enter in any field
// calculates once), OK (closes) and help (opens `helpTopic`).
struct TableWindowFrame {
    QLabel* heading;
    QPushButton* calculate;
    QPushButton* ok;
    QPushButton* print = nullptr;  // " Print" and "Print Preview", when named
    QPushButton* preview = nullptr;
    QToolButton* help;
    QVBoxLayout* buttons;  // the button column, to place beside the fields
};
struct TableWindowNames {
    const char* heading;
    const char* calculate;
    const char* ok;
    const char* print;  // nullptr: a window that prints nothing
    const char* help;
};
TableWindowFrame MakeTableWindowFrame(QDialog* window, const QString& title,
                                      const TableWindowNames& names, int helpTopic,
                                      HelpViewer& help);

// A raised panel over a table column, its caption centred and wrapped.
QLabel* HeadingPanel(const char* name, const QString& text, QWidget* parent);

// Centres `window` on the screen it stands on.
void CentreOnScreen(QWidget* window);

// Keyboard focus moves through `widgets` in this order.
void ChainTabOrder(std::initializer_list<QWidget*> widgets);

// Makes `label` as wide as the widest of `texts`, so that a change of caption
// never moves or resizes its neighbours; it keeps its room when hidden.
void ReserveWidth(QLabel* label, const QStringList& texts);
// A hidden widget keeps its room in the layout.
void KeepRoomWhenHidden(QWidget* widget);

// Shows a part-year field with its unit label for `frequency`; for annual
// repayments hides both and empties the field. Returns whether they are shown.
bool ShowPartYearFor(PaymentFrequency frequency, QLineEdit* field, QLabel* unitLabel);
// Reserves room for every unit label a part-year field can have; the field
// takes its unit as its name for screen readers.
void ReservePartYearRoom(QLineEdit* field, QLabel* unitLabel);

// A list of the eight frequencies, with "Monthly" chosen.
QComboBox* FrequencyList(const char* name, QWidget* parent);
PaymentFrequency SelectedFrequency(const QComboBox* list);

// The choices of a loan beside its fields on the Loan and What If? pages: a
// group with the repayment frequency list and the timing (In Arrears, chosen
// at first, or In Advance), over a group "Interest Compounded" with the
// compounding frequency list.
struct LoanChoiceNames {
    const char* repaymentGroup;
    const char* repaymentTitle;
    const char* repaymentList;
    const char* inArrears;
    const char* inAdvance;
    const char* compoundingGroup;
    const char* compoundingList;
};
struct LoanChoices {
    QComboBox* repaymentList;
    QRadioButton* inArrears;
    QRadioButton* inAdvance;
    QComboBox* compoundingList;
    QVBoxLayout* groups;  // the two groups, one over the other

    LoanOptions options() const;
};
LoanChoices MakeLoanChoices(const LoanChoiceNames& names, QWidget* parent);

// A loan's four typed fields.
struct LoanFields {
    QLineEdit* amount;
    QLineEdit* rate;   // annual, in percent
    QLineEdit* years;  // whole years
    QLineEdit* parts;  // part-year periods
    // The loan as typed, with the frequencies and timing of `options`.
    LoanTexts texts(const LoanOptions& options) const;
};

}  // namespace corbel::ui
