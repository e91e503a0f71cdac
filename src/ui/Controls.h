#pragma once

#include <QString>

#include "LoanCalculation.h"
#include "UiContext.h"

class QLabel;
class QLineEdit;
class QWidget;

namespace corbel::ui {

// Gives a new control its name, so that tests and accessibility tools find it.
template <typename T>
T* Named(T* widget, const char* name) {
    widget->setObjectName(name);
    return widget;
}

// A named label whose text is shown as it stands, leading blanks and all.
QLabel* Caption(const char* name, const QString& text, QWidget* parent);

// Shows a part-year field with its unit label for `frequency`; for annual
// repayments hides both and empties the field. Returns whether they are shown.
bool ShowPartYearFor(PaymentFrequency frequency, QLineEdit* field, QLabel* unitLabel);

// A loan as four typed fields with the Loan page's frequencies and timing.
LoanTexts LoanFieldTexts(const QLineEdit* amount, const QLineEdit* rate, const QLineEdit* years,
                         const QLineEdit* parts, const LoanOptions& options);

}  // namespace corbel::ui
