// Files made outside the program (tests/data, made by the script in its README) load as the
// script wrote them; a cut tail and impossible second numbers are handled.

#include "core/students_test_support.h"
#include "records/codec.h"
#include "students/fact_file.h"

namespace sb::test {
namespace {

Bytes golden(const char* name)
{
    return readBytes(std::filesystem::path(SUMBLITZ_TEST_DATA) / name);
}

TEST(GoldenFiles, AKnownSlotDecodesAndItsUnusedTailIsNotNeeded)
{
    for (const char* name : {"slot_ann.bin", "slot_ann_cut.bin"}) {
        SCOPED_TRACE(name);
        const auto s = decodeSettings(golden(name));
        ASSERT_TRUE(s.has_value());
        EXPECT_EQ(trimmedName(*s), "Ann");
        EXPECT_EQ(s->operation, 4);
        EXPECT_EQ(s->stopOn, 3);
        EXPECT_EQ(s->saveLevel(), 1);
        EXPECT_EQ(s->maxProblems(), 150);
        EXPECT_EQ(s->percentCorrect(1), 86);
        EXPECT_EQ(s->activeSteps(3), 1);
        EXPECT_EQ(s->reviewCount, 57);
        EXPECT_EQ(s->reviewLeft, -2);
    }
}

TEST(GoldenFiles, AKnownFactFileLoadsRecordByRecord)
{
    FilesFixture f;
    f.p.cur().operation = OpMult;
    writeBytes(f.at("Ann.Xtx"), golden("facts_ann.Xtx"));
    ReadFactFile(f.p);
    EXPECT_EQ(f.p.drill.fact(23), (FactRec{3, 2, 6, 1, 0, 0, 2, 2, 0, 1, 3, 5}));
    EXPECT_EQ(f.p.drill.fact(200), (FactRec{20, 10, 200, 4, 0, 1, 0, 0, 1, 0, 1, 1}));

    // Second numbers 300 and -1 would index past the per-number statistics: they take the
    // row of their slot.
    writeBytes(f.at("Ann.Xtx"), golden("facts_ann_bad_second.Xtx"));
    ReadFactFile(f.p);
    EXPECT_EQ(f.p.drill.fact(7).second, 1);
    EXPECT_EQ(f.p.drill.fact(8).second, 1);
}

} // namespace
} // namespace sb::test
