#include "students/file_names.h"

#include <array>
#include <cstdint>

namespace sb {

namespace {

bool unsafe(std::uint8_t b)
{
    if (b < 0x20 || (b >= 0x7F && b <= 0x9F)) {
        return true;
    }
    constexpr std::string_view kReserved = "/\\<>:\"|?*%";
    return kReserved.find(static_cast<char>(b)) != std::string_view::npos;
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
    constexpr std::array<std::string_view, 6> kPlain{"CON", "PRN",    "AUX",
                                                     "NUL", "CONIN$", "CONOUT$"};
    for (std::string_view d : kPlain) {
        if (up == d) {
            return true;
        }
    }
    if (up.size() == 4 && (up.starts_with("COM") || up.starts_with("LPT"))) {
        const auto last = static_cast<std::uint8_t>(up[3]);
        // Digits, and the Latin-1 superscripts 1, 2 and 3, which Windows reserves as well.
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
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto b = static_cast<std::uint8_t>(name[i]);
        if (unsafe(b) || (device && i == 0)) {
            appendEscaped(out, b);
        } else if (b < 0x80) {
            out += static_cast<char>(b);
        } else {
            // Latin-1 160..255 as the two bytes of its UTF-8 form.
            out += static_cast<char>(0xC0 | (b >> 6));
            out += static_cast<char>(0x80 | (b & 0x3F));
        }
    }
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
