#include "Controls.h"

#include <QLabel>
#include <QLineEdit>

#include "UiContext.h"

namespace corbel::ui {

QLabel* Caption(const char* name, const QString& text, QWidget* parent) {
    auto* label = Named(new QLabel(text, parent), name);
    label->setTextFormat(Qt::PlainText);
    return label;
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

}  // namespace corbel::ui
