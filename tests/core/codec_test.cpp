#include "records/codec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
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
    ASSERT_EQ(bytes.size(), 208u);
    const sb::SettingsSlot slot = sb::encodeSettings(distinctiveDefaults());
    for (std::size_t at = 0; at < 208; ++at) {
        EXPECT_EQ(slot[at], bytes[at]) << "byte " << at;
    }
    // The last 20 bytes carry nothing: whatever they hold is ignored.
    std::fill(bytes.begin() + 188, bytes.end(), 0xAB);
    EXPECT_EQ(sb::decodeSettings(bytes), distinctiveDefaults());
}

TEST(SettingsCodec, NamesArePaddedWithBlanksAndCutAtTwenty)
{
    struct Row {
        std::string name;
        std::string stored; // the 20 bytes at offset 2
    };
    const std::vector<Row> rows{
        {"Ann", "Ann                 "},
        {"", "                    "},
        {"ABCDEFGHIJKLMNOPQRSTUVWXY", "ABCDEFGHIJKLMNOPQRST"},
        {"Exactly twenty chars", "Exactly twenty chars"},
        {"Jos\xE9 M\xFCller", "Jos\xE9 M\xFCller         "},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_EQ(row.stored.size(), 20u);
        DrillSettings r;
        r.name.fill('#');
        sb::setName(r, row.name);
        const sb::SettingsSlot slot = sb::encodeSettings(r);
        EXPECT_EQ(std::string(slot.begin() + 2, slot.begin() + 22), row.stored);
        EXPECT_EQ(slot[0], 0); // the tag before the name is untouched
        EXPECT_EQ(slot[22], 0);
    }
}

TEST(SettingsCodec, ShortBuffersYieldNothingAndNothingIsReadPastTheEnd)
{
    const Bytes full = distinctiveSlot();
    struct Row {
        std::size_t size;
        bool decodes;
    };
    const std::vector<Row> rows{
        {0, false}, {22, false}, {187, false}, {188, true}, {208, true}, {624, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.size);
        // A heap buffer of exactly this size, so the sanitizer build catches a read past it.
        Bytes buffer(row.size, 0xCD);
        std::copy_n(full.begin(), std::min(row.size, full.size()), buffer.begin());
        const auto decoded = sb::decodeSettings(buffer);
        ASSERT_EQ(decoded.has_value(), row.decodes);
        if (decoded) {
            EXPECT_EQ(*decoded, distinctiveDefaults());
        }
    }
}

TEST(SettingsCodec, AnyBytesSurviveADecodeEncodeRoundTrip)
{
    std::mt19937 gen(7);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 200; ++round) {
        SCOPED_TRACE(round);
        Bytes in(188);
        for (auto& b : in) {
            b = static_cast<std::uint8_t>(byte(gen));
        }
        const auto decoded = sb::decodeSettings(in);
        ASSERT_TRUE(decoded.has_value());
        const sb::SettingsSlot out = sb::encodeSettings(*decoded);
        ASSERT_TRUE(std::equal(in.begin(), in.end(), out.begin()));
        for (std::size_t at = 188; at < 208; ++at) {
            ASSERT_EQ(out[at], 0);
        }
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

    struct Row {
        std::size_t size;
        bool decodes;
    };
    const std::vector<Row> rows{{0, false}, {23, false}, {24, true}, {48, true}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.size);
        Bytes buffer(row.size, 0xCD);
        std::copy_n(kDistinctiveFactBytes.begin(), std::min<std::size_t>(row.size, 24),
                    buffer.begin());
        const auto decoded = sb::decodeFact(buffer);
        ASSERT_EQ(decoded.has_value(), row.decodes);
        if (decoded) {
            EXPECT_EQ(*decoded, distinctiveFact());
        }
    }
}

} // namespace
