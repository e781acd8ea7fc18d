// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace sb {

// A pupil's name as it stands in a file name: the name's Windows-1252 bytes as UTF-8, so that
// "\x8A\xE1rka" is "Šárka" and "50%" is "50%". Only what cannot stand in a file name on Linux or
// on Windows is written as '%' and two upper-case hex digits of the byte: control characters
// (with the five bytes the code page leaves undefined), the separators '/' and '\', the
// characters < > : " | ? *, and a '%' that is followed by two hex digits (so that the mapping
// stays reversible: two different names never share a file). A name that Windows would take
// for a device (CON, PRN, AUX, NUL, COM0-9, LPT0-9, CONIN$, CONOUT$, in any case, also with
// something after a dot) has its first character escaped too. Trailing dots and blanks need
// nothing: the name is trimmed, and ".Xtx" always follows it.
std::string fileStemForName(std::string_view name);

// The fact file of the pupil with this name (already trimmed of blanks): the safe form of the
// name followed by ".Xtx", as a single file name to be put under the data directory. A name
// of only blanks gives ".Xtx".
std::filesystem::path factFileName(std::string_view trimmedName);

} // namespace sb
