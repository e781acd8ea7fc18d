// SPDX-License-Identifier: GPL-3.0-or-later
#include "students/file_names.h"

#include <array>
#include <cstdint>

#include "records/cp1252.h"

namespace sb {

namespace {

bool hexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// Bytes that cannot stand in a file name on Linux or Windows: control characters (also the
// five bytes Windows-1252 leaves undefined, which stand for control characters), the path
// separators and the characters Windows reserves.
bool unsafe(std::uint8_t b)
{
    constexpr std::string_view kUndefined = "\x81\x8D\x8F\x90\x9D";
    constexpr std::string_view kReserved = "/\\<>:\"|?*";
    const char c = static_cast<char>(b);
    return b < 0x20 || b == 0x7F || kUndefined.find(c) != std::string_view::npos ||
           kReserved.find(c) != std::string_view::npos;
}

char upper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Windows opens a device instead of a file for these names, whatever follows the first dot
// and whatever blanks end the part before it.
bool windowsDevice(std::string_view name)
{
    std::string_view base = name.substr(0, name.find('.'));
    while (!base.empty() && base.back() == ' ') {
        base.remove_suffix(1);
    }
    std::string up;
    for (char c : base) {
        up += upper(c);
    }
    constexpr auto kPlain =
        std::to_array<std::string_view>({"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"});
    for (std::string_view d : kPlain) {
        if (up == d) {
            return true;
        }
    }
    if (up.size() == 4 && (up.starts_with("COM") || up.starts_with("LPT"))) {
        const auto last = static_cast<std::uint8_t>(up[3]);
        // Digits, and the superscripts 1, 2 and 3, which Windows reserves as well.
        return (last >= '0' && last <= '9') || last == 0xB9 || last == 0xB2 || last == 0xB3;
    }
    return false;
}

void appendEscaped(std::string& out, std::uint8_t b)
{
    constexpr std::string_view kHex = "0123456789ABCDEF";
    out += '%';
    out += kHex[b >> 4];
    out += kHex[b & 0x0F];
}

} // namespace

std::string fileStemForName(std::string_view name)
{
    std::string out;
    const bool device = windowsDevice(name);
    std::size_t plain = 0; // start of the bytes not yet copied
    auto flush = [&](std::size_t upTo) {
        out += cp1252ToUtf8(name.substr(plain, upTo - plain));
        plain = upTo + 1;
    };
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto b = static_cast<std::uint8_t>(name[i]);
        // A '%' is escaped only where it would read as an escape: before two hex digits.
        const bool looksEscaped =
            b == '%' && i + 2 < name.size() && hexDigit(name[i + 1]) && hexDigit(name[i + 2]);
        if (unsafe(b) || looksEscaped || (device && i == 0)) {
            flush(i);
            appendEscaped(out, b);
        }
    }
    flush(name.size());
    return out;
}

std::filesystem::path factFileName(std::string_view trimmedName)
{
    const std::string stem = fileStemForName(trimmedName) + ".Xtx";
    // Built from UTF-8 explicitly, so that a name with accents means the same file on every
    // system whatever its narrow code page.
    return std::filesystem::path(std::u8string(stem.begin(), stem.end()));
}

} // namespace sb
