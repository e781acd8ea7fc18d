// SPDX-License-Identifier: GPL-3.0-or-later

#include <numeric>

#include "records/cp1252.h"
#include "records/fact_table.h"
#include "support/test_support.h"

namespace sb::test {
namespace {

using I16 = std::int16_t;

// The value every test record stores at byte offset o: its two bytes are o + 1 and o, so a
// field written at the wrong place, in the wrong order or half is seen at once.
I16 v(std::size_t o)
{
    return static_cast<I16>(o * 256 + o + 1);
}
template <std::size_t N> void fill(std::array<I16, N>& a, std::size_t offset)
{
    for (std::size_t i = 0; i < N; ++i) {
        a[i] = v(offset + 2 * i);
    }
}

TEST(Codec, EveryFieldOfASettingsSlotAndAFactRecordSitsAtItsOffsetLittleEndian)
{
    DrillSettings s;
    s.tag = v(0);
    setName(s, "Jos\xE9 Maximilian Hub");
    s.switchAB = v(22), s.loadOnStart = v(24), s.autoTeach = v(26), s.stopOn = v(28);
    s.operation = v(30), s.reviewOn = v(32), s.reviewCount = v(184), s.reviewLeft = v(186);
    fill(s.teachSet, 34), fill(s.smartCheck, 44), fill(s.smartValue, 58);
    fill(s.firstRange, 86), fill(s.secondNum, 96);
    fill(s.numStats[0], 118), fill(s.numStats[1], 140), fill(s.numStats[2], 162);
    Bytes slot(208, 0);
    for (std::size_t o = 0; o < 188; o += 2) {
        slot[o] = static_cast<std::uint8_t>(o + 1);
        slot[o + 1] = static_cast<std::uint8_t>(o);
    }
    const Bytes fact(slot.begin(), slot.begin() + 24); // the same values before the name
    const std::string name = "Jos\xE9 Maximilian Hub ";
    std::copy(name.begin(), name.end(), slot.begin() + 2);

    const SettingsSlot encoded = encodeSettings(s);
    EXPECT_EQ(Bytes(encoded.begin(), encoded.end()), slot);
    std::fill(slot.begin() + 188, slot.end(), 0xAB); // the unused tail is never read
    EXPECT_EQ(decodeSettings(slot), s);
    EXPECT_EQ(decodeSettings(Bytes(slot.begin(), slot.begin() + 188)), s);
    EXPECT_FALSE(decodeSettings(Bytes(slot.begin(), slot.begin() + 187)).has_value());

    const FactRec f{v(0), v(2), v(4), v(6), v(8), v(10), v(12), v(14), v(16), v(18), v(20), v(22)};
    const FactBytes encodedFact = encodeFact(f);
    EXPECT_EQ(Bytes(encodedFact.begin(), encodedFact.end()), fact);
    EXPECT_EQ(decodeFact(fact), f);
    EXPECT_FALSE(decodeFact(Bytes(fact.begin(), fact.end() - 1)).has_value());
}

// Names are Windows-1252 bytes: every byte has one character and comes back.
TEST(Cp1252, EveryByteHasOneCharacterAndComesBack)
{
    std::string all(256, '\0'); // every byte, from 0 up
    std::iota(all.begin(), all.end(), '\0');
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
    EXPECT_EQ(cp1252ToUtf8("\x8A\xE1rka\x80\x9F\x81"), "\u0160\u00E1rka\u20AC\u0178\u0081");
    // Outside the code page, and broken UTF-8 (a cut sequence, an overlong '/'), each give '?'.
    EXPECT_EQ(utf8ToCp1252("a\u4E2D\U0001F600b\xC3"), "a??b?");
    EXPECT_EQ(utf8ToCp1252("\xC0\xAFx"), "??x");
    EXPECT_EQ(utf8ToCp1252("\xC2\x80\xC2\x9F"), "??") << "control characters, not the euro sign";
}

} // namespace
} // namespace sb::test
