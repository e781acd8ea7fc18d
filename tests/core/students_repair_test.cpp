// Damaged record files: what is kept, what is repaired, what never selects.

#include "core/students_test_support.h"
#include "flow/main_form.h"
#include "records/codec.h"
#include "students/fact_file.h"
#include "flow/lifecycle.h"
#include "students/record_files.h"

namespace sb::test {
namespace {

TEST(DamagedFiles, ASlotTheFileDoesNotHoldWholeIsNeverChosen)
{
    // Slot 1 carries operation 4; slots 2 and 3 carry tag 1 and operations 5 and 6.
    const Bytes full =
        concat({markedSlot("Custom", 4), markedSlot("Untitled", 5, 1), markedSlot("Ann", 6, 1)});
    const std::vector<std::pair<std::size_t, int>> rows{{624, 6}, {623, 5}, {415, 4}, {207, 1}};
    for (const auto& [length, operation] : rows) {
        SCOPED_TRACE(testing::Message() << length << " bytes");
        ProgramFixture f;
        writeBytes(f.dir.path() / "Default.Xsx",
                   Bytes(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(length)));
        LoadStartupSettings(f.program);
        EXPECT_EQ(f.program.cur().operation, operation);
    }
}

TEST(DamagedFiles, FieldsWithNoDefinedEffectAreRepairedOneByOne)
{
    struct Row {
        std::size_t offset; // operation 30, stopOn 28, averageOver 40, repeatWithin 68
        int stored;
        int loaded;
    };
    const std::vector<Row> rows{{30, 7, 1},  {30, 6, 6},    {28, 10, 2},    {28, 9, 9},
                                {40, 0, 15}, {40, 328, 15}, {40, 327, 327}, {68, 0, 3},
                                {82, -4, -4}}; // a negative ShockClock has a defined effect
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << "offset " << r.offset << " stored " << r.stored);
        ProgramFixture f;
        HandSlot current = markedSlot("Ann", 3, 1);
        current.at(r.offset, r.stored).at(36, 700); // reviewAfter 700 must survive the repair
        writeBytes(f.dir.path() / "Default.Xsx",
                   concat({originalDefaultsSlot(), markedSlot("Untitled", 2), current}));
        LoadStartupSettings(f.program);
        const SettingsSlot stored = encodeSettings(f.program.cur());
        const Bytes loaded(stored.begin(), stored.end());
        EXPECT_EQ(i16At(loaded, r.offset), r.loaded);
        EXPECT_EQ(f.program.cur().reviewAfter(), 700);
    }
}

// Start-up clears the "10 Sub" lock before it shows the selection, so settings saved with
// "10 Sub" come back locked and another operation unlocks the boxes again.
TEST(DamagedFiles, SavedTenSubComesBackLockedAndCanBeUnlocked)
{
    ProgramFixture f;
    Program& p = f.program;
    HandSlot current = originalDefaultsSlot();
    current.at(0, 1).at(30, 2).at(88, 0).at(90, 1); // tag 1, 10 Sub, ranges 1 off, 2 on
    writeBytes(f.dir.path() / "Default.Xsx",
               concat({originalDefaultsSlot(), originalDefaultsSlot(), current}));
    ProgramLoad(p);
    EXPECT_EQ(p.flags.firstLocked, 1);
    EXPECT_FALSE(p.main.a[2].enabled);
    op_click(p, 1);
    EXPECT_TRUE(p.main.a[2].enabled);
    EXPECT_EQ(p.main.a[1].value, 0);
    EXPECT_EQ(p.main.a[2].value, 1);
}

// A cut fact file keeps its whole records and builds the rest for the current settings,
// without a random draw (a DivR table would otherwise draw one remainder per fact).
TEST(DamagedFiles, AShortFactFileIsCompletedWithoutRandomDraws)
{
    FilesFixture f;
    f.p.cur().operation = OpDivR;
    Bytes cut(10 * 24 + 10, 0);
    cut[9 * 24 + 14] = 7; // record 10: state 7 (bytes 14..15), kept as read
    writeBytes(f.at("Ann.Xtx"), cut);
    ReadFactFile(f.p);
    EXPECT_EQ(f.random.used(), 0u);
    EXPECT_EQ(f.p.drill.fact(10).state, 7);
    EXPECT_EQ(f.p.drill.fact(200).first, 200); // 10 x 20 + remainder 0
    EXPECT_EQ(f.p.drill.factCount, 200);
    EXPECT_EQ(f.p.run.drillResumable, 1);
}

} // namespace
} // namespace sb::test
