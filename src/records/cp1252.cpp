// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/cp1252.h"

#include <array>
#include <cstdint>

namespace sb {

namespace {

// The characters of bytes 0x80-0x9F; the undefined ones keep their own number.
constexpr auto kHigh = std::to_array<char32_t>(
    {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
     0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
     0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178});
static_assert(kHigh.size() == 0xA0 - 0x80);

char32_t charOf(std::uint8_t b)
{
    return b >= 0x80 && b <= 0x9F ? kHigh[b - 0x80U] : char32_t{b};
}

void appendUtf8(std::string& out, char32_t c)
{
    auto put = [&out](std::uint32_t v) { out += static_cast<char>(v); };
    const auto v = static_cast<std::uint32_t>(c);
    if (v < 0x80) {
        put(v);
    } else if (v < 0x800) {
        put(0xC0 | (v >> 6));
        put(0x80 | (v & 0x3F));
    } else {
        put(0xE0 | (v >> 12));
        put(0x80 | ((v >> 6) & 0x3F));
        put(0x80 | (v & 0x3F));
    }
}

// The byte of character c, or '?' when the code page lacks it.
char byteOf(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<char>(c);
    }
    for (std::size_t i = 0; i < kHigh.size(); ++i) {
        if (kHigh[i] == c) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

} // namespace

std::string cp1252ToUtf8(std::string_view bytes)
{
    std::string out;
    for (const char b : bytes) {
        appendUtf8(out, charOf(static_cast<std::uint8_t>(b)));
    }
    return out;
}

std::string utf8ToCp1252(std::string_view utf8)
{
    std::string out;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<std::uint8_t>(utf8[i]);
        const std::size_t length = lead < 0x80           ? 1
                                   : (lead >> 5) == 0x6  ? 2
                                   : (lead >> 4) == 0xE  ? 3
                                   : (lead >> 3) == 0x1E ? 4
                                                         : 0;
        char32_t c = length == 1 ? lead : lead & (0x7FU >> length);
        bool valid = length != 0 && i + length <= utf8.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<std::uint8_t>(utf8[i + k]);
            valid = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3FU);
        }
        // Overlong forms would give a second spelling of the same byte.
        // (By the length of the sequence, 1 to 4; none is read for a byte that starts none.)
        constexpr auto kLeast = std::to_array<char32_t>({0, 0x80, 0x800, 0x10000});
        if (!valid || c < kLeast[length - 1] || c > 0x10FFFF) {
            out += '?';
            ++i;
            continue;
        }
        out += byteOf(c);
        i += length;
    }
    return out;
}

} // namespace sb
