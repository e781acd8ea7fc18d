// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace sb {

// Pupils' names and every other text in the record files are single bytes of the Windows-1252
// code page. These turn them into UTF-8 for file names and the screen, and back.

// Every byte becomes its character: ASCII as itself, 0x80-0x9F as the letters and signs
// Windows-1252 puts there (0x8A is "Š", 0x9F is "Ÿ"), 0xA0-0xFF as Latin-1. The five bytes the
// code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters of the
// same number, as Windows maps them, so that every byte has a character and the way back is
// exact.
std::string cp1252ToUtf8(std::string_view bytes);

// The way back. A character the code page does not have, and a byte that is not part of valid
// UTF-8, becomes '?' (one for each such character or byte).
std::string utf8ToCp1252(std::string_view utf8);

} // namespace sb
