// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace corbel {

// The saved loan file is 8-bit text in Windows-1252 on every platform; the
// program holds its texts in UTF-8.

// Every byte maps to one character: 0x80-0x9F to their Windows-1252 characters
// (the five bytes that code page leaves undefined to U+0081, U+008D, U+008F,
// U+0090 and U+009D), every other byte to the code point of its value.
std::string FromWindows1252(std::string_view bytes);

// The reverse; a character the code page cannot hold, or a byte that is not
// part of well-formed UTF-8, becomes "?".
std::string ToWindows1252(std::string_view utf8);

}  // namespace corbel
