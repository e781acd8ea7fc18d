#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace sb {

// A pupil's name as it may stand in a file name on Linux and on Windows. Names are single-byte
// Latin-1 text; the result is UTF-8. Every byte that is not safe in a file name is written as
// '%' and two upper-case hex digits: control characters (0-31, 127, 128-159), the separators
// '/' and '\', the characters < > : " | ? *, and '%' itself. A name that Windows would take
// for a device (CON, PRN, AUX, NUL, COM0-9, LPT0-9, CONIN$, CONOUT$, in any case, also with
// something after a dot) has its first character escaped too. The mapping is reversible, so
// two different names never share a file, and the result never holds a path separator.
// Ordinary names are kept as they are: "Ann" stays "Ann".
std::string fileStemForName(std::string_view name);

// The fact file of the pupil with this name (already trimmed of blanks): the safe form of the
// name followed by ".Xtx", as a single file name to be put under the data directory. A name
// of only blanks gives ".Xtx".
std::filesystem::path factFileName(std::string_view trimmedName);

} // namespace sb
