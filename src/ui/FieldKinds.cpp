// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/FieldKinds.h"

#include "ui/UiContext.h"

namespace corbel::ui {

QString WidestMoney(const Regional& regional, MoneyKind kind) {
    // A result that can be negative is measured with its sign, so that a minus
    // or brackets fit as well.
    switch (kind) {
        case MoneyKind::Amount:
            return Q(regional.money(-999999999.99, MoneyForm::Regional));
        case MoneyKind::Balance:
            return Q(regional.money(-9999999999.99, MoneyForm::Regional));
        case MoneyKind::Interest:
            return Q(regional.money(-99999999999.99, MoneyForm::Regional));
        case MoneyKind::LoanTotal:
            return Q(regional.money(-999999999999.99, MoneyForm::Regional));
        case MoneyKind::GridAmount:
            return Q(regional.money(MaxAmount, MoneyForm::NoDecimals));
        case MoneyKind::GridRepayment:
            return Q(regional.money(9999999.99, MoneyForm::TwoDecimals));
    }
    return QString();
}

}  // namespace corbel::ui
