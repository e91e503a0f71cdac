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

LoanTexts LoanFieldTexts(const QLineEdit* amount, const QLineEdit* rate, const QLineEdit* years,
                         const QLineEdit* parts, const LoanOptions& options) {
    LoanTexts texts;
    texts.amount = amount->text().toStdString();
    texts.rate = rate->text().toStdString();
    texts.years = years->text().toStdString();
    texts.parts = parts->text().toStdString();
    texts.repayment = options.repayment;
    texts.compounding = options.compounding;
    texts.timing = options.timing;
    return texts;
}

}  // namespace corbel::ui
