// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/FieldAccessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QValidator>

namespace corbel::ui {

namespace {

class FieldAccessible : public QAccessibleWidget,
                        public QAccessibleTextInterface,
                        public QAccessibleEditableTextInterface {
  public:
    explicit FieldAccessible(QLineEdit* field)
        : QAccessibleWidget(field, QAccessible::EditableText) {}

    QLineEdit* field() const { return static_cast<QLineEdit*>(widget()); }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value && field()->echoMode() == QLineEdit::Normal) {
            return field()->text();
        }
        const QString own = QAccessibleWidget::text(t);
        return own.isEmpty() && t == QAccessible::Description ? field()->placeholderText() : own;
    }

    // A field the program writes is read-only to assistive technology as it
    // is to the keyboard: not editable, and no editing interface to write with.
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = field()->isReadOnly();
        state.editable = !field()->isReadOnly();
        state.passwordEdit = field()->echoMode() != QLineEdit::Normal;
        state.selectableText = true;
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        if (type == QAccessible::EditableTextInterface) {
            return field()->isReadOnly() ? nullptr
                                         : static_cast<QAccessibleEditableTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    // Text.
    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        if (index == 0 && field()->hasSelectedText()) {
            *start = field()->selectionStart();
            *end = *start + field()->selectionLength();
        }
    }
    int selectionCount() const override { return field()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override { field()->deselect(); }
    void setSelection(int, int start, int end) override {
        field()->setSelection(start, end - start);
    }
    int cursorPosition() const override { return field()->cursorPosition(); }
    void setCursorPosition(int position) override { field()->setCursorPosition(position); }
    QString text(int start, int end) const override {
        return field()->text().mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(field()->text().size()); }
    // Where the character stands while the field shows the start of its text.
    QRect characterRect(int offset) const override {
        const QString all = field()->text();
        if (offset < 0 || offset >= all.size()) {
            return QRect();
        }
        QStyleOptionFrame option;
        option.initFrom(field());
        const QRect contents =
            field()->style()->subElementRect(QStyle::SE_LineEditContents, &option, field());
        const QFontMetrics metrics(field()->font());
        const QRect local(contents.left() + metrics.horizontalAdvance(all.left(offset)),
                          contents.top() + (contents.height() - metrics.height()) / 2,
                          metrics.horizontalAdvance(all.at(offset)), metrics.height());
        return QRect(field()->mapToGlobal(local.topLeft()), local.size());
    }
    int offsetAtPoint(const QPoint& point) const override {
        return field()->cursorPositionAt(field()->mapFromGlobal(point));
    }
    void scrollToSubstring(int start, int end) override {
        field()->setCursorPosition(end);
        field()->setCursorPosition(start);
    }
    QString attributes(int offset, int* start, int* end) const override {
        *start = *end = offset;
        return QString();
    }

    // Editing, only while the field takes typing; a text the field's check
    // would refuse from the keyboard is refused here too.
    void deleteText(int start, int end) override {
        write(field()->text().remove(start, end - start));
    }
    void insertText(int offset, const QString& text) override {
        write(field()->text().insert(offset, text));
    }
    void replaceText(int start, int end, const QString& text) override {
        write(field()->text().replace(start, end - start, text));
    }

  private:
    void write(QString text) {
        int position = 0;
        if (field()->isReadOnly() ||
            (field()->validator() &&
             field()->validator()->validate(text, position) == QValidator::Invalid)) {
            return;
        }
        field()->setText(text);
    }
};

QAccessibleInterface* FieldFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("QLineEdit") && object && object->isWidgetType()) {
        return new FieldAccessible(static_cast<QLineEdit*>(object));
    }
    return nullptr;
}

}  // namespace

void InstallFieldAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(FieldFactory);
        return true;
    }();
    (void)installed;
}

}  // namespace corbel::ui
