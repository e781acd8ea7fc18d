#include "records/codec.h"
#include "records/cp1252.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using sb::DrillSettings;
using sb::FactRec;
using Bytes = std::vector<std::uint8_t>;

// The original defaults with a few distinctive values: a negative tag, saveLevel on,
// 1000 problems, a value in the unused slot 0 of secondNum, and some Auto Teach progress.
DrillSettings distinctiveDefaults()
{
    sb::Settings all;
    sb::LoadOriginalDefaults(all);
    DrillSettings r = all.defaultSettings;
    r.tag = -1;
    r.saveLevel() = 1;
    r.maxProblems() = 1000;
    r.secondNum[0] = -32768;
    r.answerCount(3) = 300;
    r.percentCorrect(10) = -2;
    r.activeSteps(1) = 7;
    r.reviewCount = 258;
    return r;
}

// The same record written out by hand, offset by offset.
Bytes distinctiveSlot()
{
    const Bytes b{
        0xFF, 0xFF,                                                 // 0 tag -1
        'D',  'e',  'f',  'a',  'u',  'l',  't',  ' ',  ' ',  ' ',  // 2 name
        ' ',  ' ',  ' ',  ' ',  ' ',  ' ',  ' ',  ' ',  ' ',  ' ',  //
        0x01, 0x00,                                                 // 22 switchAB
        0x00, 0x00,                                                 // 24 loadOnStart
        0x00, 0x00,                                                 // 26 autoTeach
        0x02, 0x00,                                                 // 28 stopOn
        0x01, 0x00,                                                 // 30 operation
        0x01, 0x00,                                                 // 32 reviewOn
        0x00, 0x00, 0xC8, 0x00, 0x50, 0x00, 0x0F, 0x00, 0x64, 0x00, // 34 teachSet 0..4
        0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x01, 0x00,             // 44 smartCheck 0..3
        0x01, 0x00, 0x01, 0x00, 0x01, 0x00,                         // 52 smartCheck 4..6
        0x00, 0x00, 0x02, 0x00, 0x03, 0x00, 0x05, 0x00, 0x03, 0x00, // 58 smartValue 0..4
        0x03, 0x00, 0x02, 0x00, 0x02, 0x00, 0x03, 0x00, 0x05, 0x00, // 68 smartValue 5..9
        0x1E, 0x00, 0xE8, 0x03, 0x0A, 0x00, 0x00, 0x00,             // 78 smartValue 10..13
        0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, // 86 firstRange 0..4
        0x00, 0x80, 0x01, 0x00, 0x01, 0x00, 0x01, 0x00, 0x01, 0x00, // 96 secondNum 0..4
        0x01, 0x00, 0x01, 0x00, 0x01, 0x00, 0x01, 0x00, 0x01, 0x00, // 106 secondNum 5..9
        0x01, 0x00,                                                 // 116 secondNum 10
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x2C, 0x01, 0x00, 0x00, // 118 answerCount 0..4
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, // 128 answerCount 5..9
        0x00, 0x00,                                                 // 138 answerCount 10
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, // 140 percentCorrect 0..4
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, // 150 percentCorrect 5..9
        0xFE, 0xFF,                                                 // 160 percentCorrect 10
        0x00, 0x00, 0x07, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, // 162 activeSteps 0..4
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, // 172 activeSteps 5..9
        0x00, 0x00,                                                 // 182 activeSteps 10
        0x02, 0x01,                                                 // 184 reviewCount 258
        0xFE, 0xFF,                                                 // 186 reviewLeft -2
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, // 188 unused
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, //
    };
    return b;
}

TEST(SettingsCodec, EncodesAndDecodesEveryFieldAtItsOffsetLittleEndian)
{
    Bytes bytes = distinctiveSlot();
    const sb::SettingsSlot slot = sb::encodeSettings(distinctiveDefaults());
    EXPECT_EQ(Bytes(slot.begin(), slot.end()), bytes);
    // The last 20 bytes carry nothing: whatever they hold is ignored.
    std::fill(bytes.begin() + 188, bytes.end(), 0xAB);
    EXPECT_EQ(sb::decodeSettings(bytes), distinctiveDefaults());
    // Only those 20 may be missing; nothing is read past the end (heap buffers of exact size).
    EXPECT_EQ(sb::decodeSettings(Bytes(bytes.begin(), bytes.begin() + 188)), distinctiveDefaults());
    EXPECT_FALSE(sb::decodeSettings(Bytes(bytes.begin(), bytes.begin() + 187)).has_value());
}

TEST(SettingsCodec, NamesArePaddedWithBlanksAndCutAtTwenty)
{
    struct Row {
        std::string name;
        std::string stored; // the 20 bytes at offset 2
    };
    const std::vector<Row> rows{
        {"Ann", "Ann                 "},
        {"ABCDEFGHIJKLMNOPQRSTUVWXY", "ABCDEFGHIJKLMNOPQRST"},
        {"Jos\xE9 M\xFCller", "Jos\xE9 M\xFCller         "},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DrillSettings r;
        r.name.fill('#');
        sb::setName(r, row.name);
        const sb::SettingsSlot slot = sb::encodeSettings(r);
        EXPECT_EQ(std::string(slot.begin() + 2, slot.begin() + 22), row.stored);
        EXPECT_EQ(slot[22], 0); // nothing spills into switchAB
    }
}

FactRec distinctiveFact()
{
    return FactRec{-1, 2, -300, 4, 258, 32767, -32768, 2, 1, 0, 256, -2};
}

const Bytes kDistinctiveFactBytes{
    0xFF, 0xFF, // first -1
    0x02, 0x00, // second 2
    0xD4, 0xFE, // answer -300
    0x04, 0x00, // group 4
    0x02, 0x01, // remainder 258
    0xFF, 0x7F, // fastRun 32767
    0x00, 0x80, // repeatsLeft -32768
    0x02, 0x00, // state 2
    0x01, 0x00, // rightRun 1
    0x00, 0x00, // slowQueued 0
    0x00, 0x01, // correct 256
    0xFE, 0xFF, // asked -2
};

TEST(FactCodec, EncodesTwelveLittleEndianFieldsInOrderAndDecodesWholeRecordsOnly)
{
    const sb::FactBytes bytes = sb::encodeFact(distinctiveFact());
    EXPECT_EQ(Bytes(bytes.begin(), bytes.end()), kDistinctiveFactBytes);

    EXPECT_FALSE(
        sb::decodeFact(Bytes(kDistinctiveFactBytes.begin(), kDistinctiveFactBytes.end() - 1))
            .has_value());
    EXPECT_EQ(sb::decodeFact(kDistinctiveFactBytes), distinctiveFact());
}

} // namespace

TEST(Cp1252, EveryByteHasOneCharacterAndComesBack)
{
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    const std::string utf8 = sb::cp1252ToUtf8(all);
    EXPECT_EQ(sb::utf8ToCp1252(utf8), all);
    const std::vector<std::pair<std::string, std::string>> rows{
        {"\x8A\xE1rka", "\u0160\u00E1rka"}, {"\x80\x9F", "\u20AC\u0178"}, {"\x81", "\u0081"}};
    for (const auto& [bytes, text] : rows) {
        EXPECT_EQ(sb::cp1252ToUtf8(bytes), text);
    }
    // Outside the code page, and broken UTF-8 (a cut sequence, an overlong '/'), each give '?'.
    EXPECT_EQ(sb::utf8ToCp1252("a\u4E2D\U0001F600b\xC3"), "a??b?");
    EXPECT_EQ(sb::utf8ToCp1252("\xC0\xAFx"), "??x");
}
