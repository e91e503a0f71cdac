// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/Messages.h"

#include "calc/Utf8.h"

namespace corbel {

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

std::string Excerpt(std::string_view text) {
    constexpr int MaxCharacters = 40;
    int characters = 0;
    for (std::size_t k = 0; k < text.size(); ++k) {
        if (StartsCharacter(text[k]) && ++characters > MaxCharacters) {
            return std::string(text.substr(0, k)) + "\u2026";
        }
    }
    return std::string(text);
}

}  // namespace corbel
