// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Controls.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValidator>
#include <algorithm>
#include <vector>

#include "ui/Palette.h"
#include "ui/Pictures.h"
#include "ui/ReportPrinting.h"
#include "ui/UiContext.h"

namespace corbel::ui {

namespace {

// A line edit's maximum length would also cut texts the program writes; this
// only refuses typing that makes the text longer than the limit.
class TypingLimitValidator : public QValidator {
  public:
    TypingLimitValidator(QLineEdit* field, int limit)
        : QValidator(field), limit_(limit), length_(field->text().size()) {
        // The field already holds the edited text while it asks; the length
        // before the edit is the one to compare with.
        connect(field, &QLineEdit::textChanged, this,
                [this](const QString& text) { length_ = text.size(); });
    }
    int limit() const { return limit_; }

    State validate(QString& input, int&) const override {
        return input.size() <= std::max<qsizetype>(limit_, length_) ? Acceptable : Invalid;
    }

  private:
    int limit_;
    qsizetype length_;
};

// The width a line edit needs to show `text` whole.
int FieldWidthFor(const QLineEdit* field, const QString& text) {
    QStyleOptionFrame option;
    option.initFrom(field);
    option.lineWidth =
        field->hasFrame() ? field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
    const int textWidth = field->fontMetrics().horizontalAdvance(text) + 6;
    return field->style()
        ->sizeFromContents(QStyle::CT_LineEdit, &option,
                           QSize(textWidth, field->fontMetrics().height()), field)
        .width();
}

// See KeepModalWindowsInSight.
class ModalWindowKeeper : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::WindowStateChange && watched->isWidgetType()) {
            auto* window = static_cast<QWidget*>(watched);
            if (window->isWindow() && window->isModal() && window->isMinimized()) {
                // After the window manager has finished minimising; the main
                // window behind comes back with it.
                QTimer::singleShot(0, window, [window] {
                    if (QWidget* owner = window->parentWidget()) {
                        owner->window()->showNormal();
                    }
                    window->showNormal();
                });
            }
        }
        return false;
    }
};

}  // namespace

void MakeModalWindow(QDialog* window, Qt::WindowFlags buttons) {
    window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | buttons);
    window->setModal(true);
}

void KeepModalWindowsInSight(QApplication* application) {
    constexpr const char* name = "ModalWindowKeeper";
    if (!application->findChild<QObject*>(name, Qt::FindDirectChildrenOnly)) {
        auto* keeper = new ModalWindowKeeper(application);
        keeper->setObjectName(name);
        application->installEventFilter(keeper);
    }
}

QLabel* Caption(const char* name, const QString& text, QWidget* parent) {
    auto* label = Named(new QLabel(text, parent), name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLineEdit* InputField(const char* name, FieldKind kind, QWidget* parent, const QString& text) {
    auto* field = Named(new QLineEdit(text, parent), name);
    if (kind.typingLimit > 0) {
        LimitTyping(field, kind.typingLimit);
    }
    if (kind.widthDigits > 0) {
        field->setFixedWidth(FieldWidthFor(field, QString(kind.widthDigits, '9')));
    }
    MakeInputField(field);
    return field;
}

QLineEdit* ResultField(const char* name, const QString& widest, QWidget* parent) {
    auto* field = Named(new QLineEdit(parent), name);
    MakeResultField(field);
    // Tab reaches a result as any field: keyboard and screen-reader users read
    // and copy it there.
    if (!widest.isEmpty()) {
        field->setFixedWidth(FieldWidthFor(field, widest));
    }
    return field;
}

void LimitTyping(QLineEdit* field, int limit) {
    field->setValidator(new TypingLimitValidator(field, limit));
}

int TypingLimit(const QLineEdit* field) {
    const auto* validator = dynamic_cast<const TypingLimitValidator*>(field->validator());
    return validator ? validator->limit() : 0;
}

void ShowResult(QLineEdit* field, const QString& text) {
    field->setText(text);
    field->setCursorPosition(0);
    const bool cut = FieldWidthFor(field, text) > field->width();
    field->setToolTip(cut ? text : QString());
}

void AddRow(QGridLayout* form, int row, QWidget* caption,
            std::initializer_list<QWidget*> controls) {
    form->addWidget(caption, row, 0);
    auto* label = qobject_cast<QLabel*>(caption);
    if (label && controls.size() > 0) {
        label->setBuddy(*controls.begin());
    }
    const std::vector<QWidget*> line(controls);
    const auto labelAt = [&](std::size_t k) {
        return k < line.size() ? qobject_cast<QLabel*>(line[k]) : nullptr;
    };
    auto* packed = new QHBoxLayout;
    for (std::size_t k = 0; k < line.size(); ++k) {
        QWidget* control = line[k];
        if (k > 0 && !labelAt(k) && !HasReaderName(control)) {
            QLabel* beside = labelAt(k + 1)   ? labelAt(k + 1)
                             : labelAt(k - 1) ? labelAt(k - 1)
                                              : label;
            if (beside) {
                control->setAccessibleName(beside->text().trimmed());
            }
        }
        packed->addWidget(control);
    }
    packed->addStretch(1);
    form->addLayout(packed, row, 1);
    // Rows stand together at the top; any height to spare goes below the last.
    form->setRowStretch(row, 0);
    form->setRowStretch(row + 1, 1);
}

void AddCaptioned(QGridLayout* form, int row, int column, QLabel* caption, QWidget* control) {
    form->addWidget(caption, row, column);
    form->addWidget(control, row, column + 1);
    caption->setBuddy(control);
}

QTableView* TableView(const char* name, QWidget* parent) {
    auto* view = Named(new QTableView(parent), name);
    view->setTabKeyNavigation(false);
    return view;
}

QToolButton* PictureButton(const char* name, Picture picture, const QString& hint,
                           QWidget* parent) {
    auto* button = Named(new QToolButton(parent), name);
    button->setIcon(Icon(picture));
    button->setToolTip(hint);
    button->setAccessibleName(hint.simplified());
    return button;
}

bool HasReaderName(QWidget* widget) {
    const QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(widget);
    return reader && !reader->text(QAccessible::Name).trimmed().isEmpty();
}

TableWindowFrame MakeTableWindowFrame(QDialog* window, const QString& title,
                                      const TableWindowNames& names, int helpTopic,
                                      HelpViewer& help) {
    window->setWindowTitle(title);
    MakeModalWindow(window);
    TableWindowFrame frame;
    frame.heading = Named(new QLabel(title, window), names.heading);
    MakeHeading(frame.heading);
    frame.calculate = Named(new QPushButton("Calculate", window), names.calculate);
    frame.ok = Named(new QPushButton("OK", window), names.ok);
    frame.help = PictureButton(names.help, Picture::Help, "Help", window);
    frame.calculate->setDefault(true);
    frame.ok->setAutoDefault(false);
    frame.buttons = new QVBoxLayout;
    frame.buttons->addWidget(frame.calculate);
    frame.buttons->addWidget(frame.ok);
    if (names.print) {
        frame.print = Named(new QPushButton(" Print", window), names.print);
        frame.print->setAccessibleName("Print");  // the blank only sets the text off the icon
        frame.print->setIcon(Icon(Picture::Print));
        frame.print->setAutoDefault(false);
        frame.preview = PreviewButton("PreviewBtn", window);
        frame.buttons->addWidget(frame.print);
        frame.buttons->addWidget(frame.preview);
    }
    frame.buttons->addWidget(frame.help, 0, Qt::AlignHCenter);
    frame.buttons->addStretch(1);
    QObject::connect(frame.ok, &QPushButton::clicked, window, &QDialog::accept);
    QObject::connect(frame.help, &QToolButton::clicked, window,
                     [&help, helpTopic] { help.showHelp(helpTopic); });
    return frame;
}

QLabel* HeadingPanel(const char* name, const QString& text, QWidget* parent) {
    auto* label = Caption(name, text, parent);
    label->setFrameStyle(QFrame::Panel | QFrame::Raised);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    return label;
}

void CentreOnScreen(QWidget* window) {
    if (const QScreen* screen = window->screen()) {
        window->move(screen->availableGeometry().center() - window->rect().center());
    }
}

void ChainTabOrder(std::initializer_list<QWidget*> widgets) {
    QWidget* previous = nullptr;
    for (QWidget* widget : widgets) {
        if (previous) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

void ReserveWidth(QLabel* label, const QStringList& texts) {
    int widest = 0;
    for (const QString& text : texts) {
        widest = std::max(widest, label->fontMetrics().horizontalAdvance(text));
    }
    label->setMinimumWidth(widest + 2 * label->margin() + 2 * label->frameWidth() + 2);
    KeepRoomWhenHidden(label);
}

void KeepRoomWhenHidden(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

bool ShowPartYearFor(PaymentFrequency frequency, QLineEdit* field, QLabel* unitLabel) {
    const bool annual = frequency == PaymentFrequency::Annualy;
    if (annual) {
        field->clear();
    } else {
        unitLabel->setText(Q(UnitLabel(frequency)));
    }
    unitLabel->setVisible(!annual);
    field->setVisible(!annual);
    return !annual;
}

void ReservePartYearRoom(QLineEdit* field, QLabel* unitLabel) {
    QStringList units;
    for (const auto& info : Frequencies) {
        units << Q(info.unitLabel);
    }
    ReserveWidth(unitLabel, units);
    KeepRoomWhenHidden(field);
    // Named by its unit, which follows the repayment frequency.
    unitLabel->setBuddy(field);
}

QComboBox* FrequencyList(const char* name, QWidget* parent) {
    auto* list = Named(new QComboBox(parent), name);
    list->setEditable(false);
    for (const auto& info : Frequencies) {
        list->addItem(Q(info.label));
    }
    list->setCurrentIndex(IndexOf(DefaultFrequency));
    return list;
}

PaymentFrequency SelectedFrequency(const QComboBox* list) {
    return FrequencyAt(std::max(0, list->currentIndex()));
}

LoanOptions LoanChoices::options() const {
    return {SelectedFrequency(repaymentList), SelectedFrequency(compoundingList),
            inArrears->isChecked() ? PaymentTiming::InArrears : PaymentTiming::InAdvance};
}

LoanChoices MakeLoanChoices(const LoanChoiceNames& names, QWidget* parent) {
    LoanChoices choices;
    auto* repaymentGroup = Named(new QGroupBox(names.repaymentTitle, parent), names.repaymentGroup);
    choices.repaymentList = FrequencyList(names.repaymentList, repaymentGroup);
    choices.inArrears = Named(new QRadioButton("In Arrears", repaymentGroup), names.inArrears);
    choices.inAdvance = Named(new QRadioButton("In Advance", repaymentGroup), names.inAdvance);
    choices.inArrears->setChecked(true);
    auto* repaymentLayout = new QVBoxLayout(repaymentGroup);
    repaymentLayout->addWidget(choices.repaymentList);
    repaymentLayout->addWidget(choices.inArrears);
    repaymentLayout->addWidget(choices.inAdvance);

    auto* compoundingGroup =
        Named(new QGroupBox("Interest Compounded", parent), names.compoundingGroup);
    choices.compoundingList = FrequencyList(names.compoundingList, compoundingGroup);
    (new QVBoxLayout(compoundingGroup))->addWidget(choices.compoundingList);

    choices.groups = new QVBoxLayout;
    choices.groups->addWidget(repaymentGroup);
    choices.groups->addWidget(compoundingGroup);
    return choices;
}

LoanTexts LoanFields::texts(const LoanOptions& options) const {
    LoanTexts texts;
    texts.amount = amount->text().toStdString();
    texts.rate = rate->text().toStdString();
    texts.years = years->text().toStdString();
    texts.parts = parts->text().toStdString();
    texts.repaymentFrequency = options.repaymentFrequency;
    texts.compounding = options.compounding;
    texts.timing = options.timing;
    return texts;
}

}  // namespace corbel::ui
