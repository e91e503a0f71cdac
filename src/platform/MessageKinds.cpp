// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Dialogs.h"

namespace corbel {

MessageKind KindOf(MessageCause cause) {
    switch (cause) {
        case MessageCause::AmountOutOfRange:
        case MessageCause::RateOutOfRange:
        case MessageCause::StartYearPastTerm:
        case MessageCause::NoAnswer:
        case MessageCause::EarlyClearance:
        case MessageCause::SavingsFieldInvalid:
        case MessageCause::PrintFailed:
        case MessageCause::UnsavedChanges:
            return MessageKind::Information;
        case MessageCause::TermInvalid:
        case MessageCause::StartYearInvalid:
        case MessageCause::StartPeriodOutOfRange:
        case MessageCause::ProposedAboveNeeded:
        case MessageCause::PaymentsToMake:
        case MessageCause::FileExists:
            return MessageKind::Confirm;
        case MessageCause::FileFailed:
            return MessageKind::Error;
    }
    return MessageKind::Information;
}

std::string_view Title(MessageKind kind) {
    switch (kind) {
        case MessageKind::Confirm:
            return "Confirm";
        case MessageKind::Error:
            return "Error";
        case MessageKind::Information:
            break;
    }
    return "Information";
}

}  // namespace corbel
