// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/Messages.h"

namespace corbel {

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

std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> args) {
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t k = 0; k < pattern.size(); ++k) {
        const char next = k + 1 < pattern.size() ? pattern[k + 1] : '\0';
        const auto hole = static_cast<std::size_t>(next - '1');
        if (pattern[k] == '%' && next >= '1' && next <= '9' && hole < args.size()) {
            text.append(args.begin()[hole]);
            ++k;
        } else {
            text += pattern[k];
        }
    }
    return text;
}

}  // namespace corbel
