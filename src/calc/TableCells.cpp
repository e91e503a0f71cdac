// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/TableCells.h"

#include <cmath>

#include "calc/NumberTexts.h"
#include "calc/Rounding.h"

namespace corbel {

std::string CellText(double value, CellForm form, const Regional& regional) {
    switch (form) {
        case CellForm::Count:
            return std::to_string(std::llround(value));
        case CellForm::Money:
            return FormatMoney(regional, RoundMoney(value, 2));
        case CellForm::WholeMoney:
            return FormatMoney(regional, value, MoneyForm::NoDecimals);
        case CellForm::CentMoney:
            return FormatMoney(regional, value, MoneyForm::TwoDecimals);
    }
    return {};
}

double CellValue(double value, CellForm form) {
    return form == CellForm::Money ? RoundMoney(value, 2) : value;
}

}  // namespace corbel
