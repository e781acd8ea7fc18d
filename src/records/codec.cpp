// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/codec.h"

#include <algorithm>

namespace sb {

// Offsets of the fields inside a settings slot.
namespace offset {
constexpr std::size_t tag = 0;
constexpr std::size_t name = 2;
constexpr std::size_t switchAB = 22;
constexpr std::size_t loadOnStart = 24;
constexpr std::size_t autoTeach = 26;
constexpr std::size_t stopOn = 28;
constexpr std::size_t operation = 30;
constexpr std::size_t reviewOn = 32;
constexpr std::size_t teachSet = 34;
constexpr std::size_t smartCheck = 44;
constexpr std::size_t smartValue = 58;
constexpr std::size_t firstRange = 86;
constexpr std::size_t secondNum = 96;
constexpr std::size_t numStats = 118;
constexpr std::size_t reviewCount = 184;
constexpr std::size_t reviewLeft = 186;
} // namespace offset

static_assert(offset::reviewLeft + 2 == kSlotDataSize);
static_assert(offset::numStats + 2 * 33 == offset::reviewCount);

void putI16(std::span<std::uint8_t> out, std::size_t at, std::int16_t value)
{
    const auto u = static_cast<std::uint16_t>(value);
    out[at] = static_cast<std::uint8_t>(u & 0xFFu);
    out[at + 1] = static_cast<std::uint8_t>(u >> 8);
}

std::int16_t getI16(std::span<const std::uint8_t> in, std::size_t at)
{
    const auto u = static_cast<std::uint16_t>(in[at] | (in[at + 1] << 8));
    return static_cast<std::int16_t>(u);
}

namespace {

template <std::size_t N>
void putArray(std::span<std::uint8_t> out, std::size_t at, const std::array<std::int16_t, N>& a)
{
    for (std::size_t i = 0; i < N; ++i) {
        putI16(out, at + 2 * i, a[i]);
    }
}

template <std::size_t N>
void getArray(std::span<const std::uint8_t> in, std::size_t at, std::array<std::int16_t, N>& a)
{
    for (std::size_t i = 0; i < N; ++i) {
        a[i] = getI16(in, at + 2 * i);
    }
}

} // namespace

SettingsSlot encodeSettings(const DrillSettings& s)
{
    SettingsSlot out{};
    putI16(out, offset::tag, s.tag);
    std::transform(s.name.begin(), s.name.end(), out.begin() + offset::name,
                   [](char c) { return static_cast<std::uint8_t>(c); });
    putI16(out, offset::switchAB, s.switchAB);
    putI16(out, offset::loadOnStart, s.loadOnStart);
    putI16(out, offset::autoTeach, s.autoTeach);
    putI16(out, offset::stopOn, s.stopOn);
    putI16(out, offset::operation, s.operation);
    putI16(out, offset::reviewOn, s.reviewOn);
    putArray(out, offset::teachSet, s.teachSet);
    putArray(out, offset::smartCheck, s.smartCheck);
    putArray(out, offset::smartValue, s.smartValue);
    putArray(out, offset::firstRange, s.firstRange);
    putArray(out, offset::secondNum, s.secondNum);
    for (std::size_t col = 0; col < 3; ++col) {
        putArray(out, offset::numStats + col * 22, s.numStats[col]);
    }
    putI16(out, offset::reviewCount, s.reviewCount);
    putI16(out, offset::reviewLeft, s.reviewLeft);
    return out;
}

std::optional<DrillSettings> decodeSettings(std::span<const std::uint8_t> in)
{
    if (in.size() < kSlotDataSize) {
        return std::nullopt;
    }
    DrillSettings s;
    s.tag = getI16(in, offset::tag);
    std::transform(in.begin() + offset::name, in.begin() + offset::name + kNameLength,
                   s.name.begin(), [](std::uint8_t b) { return static_cast<char>(b); });
    s.switchAB = getI16(in, offset::switchAB);
    s.loadOnStart = getI16(in, offset::loadOnStart);
    s.autoTeach = getI16(in, offset::autoTeach);
    s.stopOn = getI16(in, offset::stopOn);
    s.operation = getI16(in, offset::operation);
    s.reviewOn = getI16(in, offset::reviewOn);
    getArray(in, offset::teachSet, s.teachSet);
    getArray(in, offset::smartCheck, s.smartCheck);
    getArray(in, offset::smartValue, s.smartValue);
    getArray(in, offset::firstRange, s.firstRange);
    getArray(in, offset::secondNum, s.secondNum);
    for (std::size_t col = 0; col < 3; ++col) {
        getArray(in, offset::numStats + col * 22, s.numStats[col]);
    }
    s.reviewCount = getI16(in, offset::reviewCount);
    s.reviewLeft = getI16(in, offset::reviewLeft);
    return s;
}

FactBytes encodeFact(const FactRec& f)
{
    FactBytes out{};
    const std::array<std::int16_t, 12> v{f.first,     f.second,     f.answer,      f.group,
                                         f.remainder, f.fastRun,    f.repeatsLeft, f.state,
                                         f.rightRun,  f.slowQueued, f.correct,     f.asked};
    putArray(out, 0, v);
    return out;
}

std::optional<FactRec> decodeFact(std::span<const std::uint8_t> in)
{
    if (in.size() < kFactRecSize) {
        return std::nullopt;
    }
    std::array<std::int16_t, 12> v{};
    getArray(in, 0, v);
    return FactRec{v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11]};
}

} // namespace sb
