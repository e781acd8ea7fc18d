// "Default.Xsx", start-up and shut-down.

#include <map>

#include "core/students_test_support.h"
#include "mainwin/main_form.h"
#include "students/lifecycle.h"
#include "students/record_files.h"

namespace sb::test {
namespace {

// Puts the selection of curSettings on the main window's boxes, as the pupil would see it,
// so that reading the selection back at shut-down finds the same values.
void mirrorSelection(Program& p)
{
    for (std::size_t i = 1; i <= 4; ++i) {
        p.main.a[i].value = p.cur().firstRange[i];
    }
    for (std::size_t i = 1; i <= 10; ++i) {
        p.main.b[i].value = p.cur().secondNum[i];
    }
    p.main.op = p.cur().operation;
    p.main.switchBox.value = p.cur().switchAB;
}

std::string nameField(const Bytes& file, std::size_t slot)
{
    const auto begin = file.begin() + static_cast<std::ptrdiff_t>((slot - 1) * 208 + 2);
    return std::string(begin, begin + 20);
}

TEST(DefaultFile, FirstRunCreatesThreeSlotsOnCloseAndNothingAtStart)
{
    ProgramFixture f;
    Program& p = f.program;
    ProgramLoad(p);
    EXPECT_TRUE(filesIn(f.dir.path()).empty()) << "start-up must not write";
    EXPECT_EQ(p.cur().operation, 1);
    EXPECT_EQ(p.cur().maxProblems(), 200);
    EXPECT_EQ(trimmedName(p.cur()), "Default");

    mirrorSelection(p);
    ASSERT_TRUE(ProgramClose(p));
    // Auto Teach is off and saveLevel 0: no fact file.
    EXPECT_EQ(filesIn(f.dir.path()), std::set<std::string>{"Default.Xsx"});
    const Bytes file = readBytes(f.dir.path() / "Default.Xsx");
    ASSERT_EQ(file.size(), 624u);
    HandSlot last = originalDefaultsSlot();
    last.name("Untitled");
    EXPECT_EQ(fieldsOf(file, 1), fieldsOf(originalDefaultsSlot()));
    EXPECT_EQ(fieldsOf(file, 2), fieldsOf(last));
    EXPECT_EQ(fieldsOf(file, 3), fieldsOf(originalDefaultsSlot()));
}

TEST(DefaultFile, OnlyATagOfExactlyOneSelectsASlotAndSlotThreeWins)
{
    struct Row {
        int tag2, tag3;
        int chosenOperation; // slot 1 carries 4, slot 2 carries 5, slot 3 carries 6
    };
    const std::vector<Row> rows{
        {0, 0, 4}, {1, 0, 5}, {0, 1, 6}, {1, 1, 6}, {-1, 0, 4}, {2, 0, 4}, {0, 2, 4}, {1, 2, 5},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << "tags " << r.tag2 << ", " << r.tag3);
        ProgramFixture f;
        writeBytes(f.dir.path() / "Default.Xsx",
                   concat({markedSlot("Custom", 4, 1), markedSlot("Untitled", 5, r.tag2),
                           markedSlot("Ann", 6, r.tag3)}));
        LoadStartupSettings(f.program);
        EXPECT_EQ(f.program.cur().operation, r.chosenOperation);
        // The three slots are read whatever their tags.
        EXPECT_EQ(f.program.settings.defaultSettings.operation, 4);
        EXPECT_EQ(f.program.settings.lastSettings.operation, 5);
        EXPECT_EQ(f.program.settings.workSettings.operation, 6);
        EXPECT_EQ(f.program.settings.workSettings.tag, r.tag3);
    }
}

TEST(DefaultFile, ASlotTheFileDoesNotHoldWholeIsNeverChosen)
{
    struct Row {
        std::size_t length;
        int chosenOperation; // 0: the original defaults (operation 1, name "Default")
    };
    // Slots 2 and 3 both carry tag 1; slot 1 carries operation 4.
    const std::vector<Row> rows{
        {624, 6}, {623, 5}, {415, 4}, {208, 4}, {207, 0}, {0, 0},
    };
    const Bytes full =
        concat({markedSlot("Custom", 4), markedSlot("Untitled", 5, 1), markedSlot("Ann", 6, 1)});
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.length << " bytes");
        ProgramFixture f;
        writeBytes(f.dir.path() / "Default.Xsx",
                   Bytes(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(r.length)));
        LoadStartupSettings(f.program);
        if (r.chosenOperation == 0) {
            EXPECT_EQ(f.program.cur().operation, 1);
            EXPECT_EQ(trimmedName(f.program.cur()), "Default");
            EXPECT_EQ(f.program.cur().shockSeconds(), 10);
        } else {
            EXPECT_EQ(f.program.cur().operation, r.chosenOperation);
        }
    }
}

TEST(DefaultFile, FieldsWithNoDefinedEffectAreRepairedOneByOne)
{
    struct Row {
        const char* field;
        std::size_t offset;
        int stored;
        int loaded;
    };
    const std::vector<Row> rows{
        {"operation", 30, 0, 1},       {"operation", 30, 7, 1},      {"operation", 30, 6, 6},
        {"stopOn", 28, 0, 2},          {"stopOn", 28, 10, 2},        {"stopOn", 28, 9, 9},
        {"averageOver", 40, 0, 15},    {"averageOver", 40, 328, 15}, {"averageOver", 40, -15, 15},
        {"averageOver", 40, 327, 327}, {"repeatWithin", 68, 0, 3},   {"repeatWithin", 68, 1, 1},
        {"shockSeconds", 82, -4, -4},  {"maxProblems", 80, -1, -1},  {"delaySeconds", 84, -2, -2},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.field << " stored as " << r.stored);
        ProgramFixture f;
        HandSlot current = markedSlot("Ann", 3, 1);
        current.at(r.offset, r.stored).at(36, 700); // reviewAfter: a marker that must survive
        writeBytes(f.dir.path() / "Default.Xsx",
                   concat({originalDefaultsSlot(), markedSlot("Untitled", 2), current}));
        LoadStartupSettings(f.program);
        const DrillSettings& s = f.program.cur();
        const std::map<std::string, std::int16_t> loaded{
            {"operation", s.operation},         {"stopOn", s.stopOn},
            {"averageOver", s.averageOver()},   {"repeatWithin", s.repeatWithin()},
            {"shockSeconds", s.shockSeconds()}, {"maxProblems", s.maxProblems()},
            {"delaySeconds", s.delaySeconds()},
        };
        EXPECT_EQ(loaded.at(r.field), r.loaded);
        EXPECT_EQ(s.reviewAfter(), 700);
        EXPECT_EQ(trimmedName(s), "Ann");
    }
}

TEST(DefaultFile, ShutDownTagsSlotsTwoAndThreeFromTheSettingsInUse)
{
    struct Row {
        int saveLevel, loadOnStart, autoTeach;
        int tag2, tag3;
        bool factFile;
    };
    const std::vector<Row> rows{
        {0, 0, 0, 0, 0, false}, {1, 0, 0, 1, 0, true},   {0, 1, 0, 0, 1, false},
        {0, 0, 1, 0, 0, true},  {-1, 3, 2, -1, 3, true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << "saveLevel " << r.saveLevel << " loadOnStart "
                                        << r.loadOnStart << " autoTeach " << r.autoTeach);
        ProgramFixture f;
        Program& p = f.program;
        LoadOriginalDefaults(p.settings);
        p.cur() = p.settings.defaultSettings;
        setName(p.cur(), "Ann");
        p.cur().saveLevel() = static_cast<std::int16_t>(r.saveLevel);
        p.cur().loadOnStart = static_cast<std::int16_t>(r.loadOnStart);
        p.cur().autoTeach = static_cast<std::int16_t>(r.autoTeach);
        mirrorSelection(p);
        ASSERT_TRUE(ProgramClose(p));

        const Bytes file = readBytes(f.dir.path() / "Default.Xsx");
        ASSERT_EQ(file.size(), 624u);
        EXPECT_EQ(i16At(file, 0), 0);
        EXPECT_EQ(i16At(file, 208), r.tag2);
        EXPECT_EQ(i16At(file, 416), r.tag3);
        EXPECT_EQ(nameField(file, 3), "Ann                 ");
        EXPECT_EQ(i16At(file, 208 + 56), r.saveLevel);
        EXPECT_EQ(i16At(file, 416 + 24), r.loadOnStart);
        EXPECT_EQ(std::filesystem::exists(f.dir.path() / "Ann.Xtx"), r.factFile);
    }
}

TEST(DefaultFile, SettingsComeBackAtTheNextStartWhenSaveLevelIsOn)
{
    ProgramFixture first;
    Program& p = first.program;
    ProgramLoad(p);
    p.cur().saveLevel() = 1;
    p.cur().operation = 4; // Multiply
    p.cur().shockSeconds() = 7;
    mirrorSelection(p);
    ASSERT_TRUE(ProgramClose(p));

    ScriptedRandom random;
    FixedClock clock;
    RecordingSound sound;
    RecordingPictures pictures;
    Services again{random, clock, sound, pictures, first.dir.path()};
    Program next(again);
    ProgramLoad(next);
    EXPECT_EQ(next.cur().operation, 4);
    EXPECT_EQ(next.cur().shockSeconds(), 7);
    EXPECT_EQ(trimmedName(next.cur()), "Untitled");
    EXPECT_EQ(next.settings.startSettings, next.cur());
}

TEST(DefaultFile, StartUpLeavesTheIdleStateAndANewDrillToBuild)
{
    ProgramFixture f;
    Program& p = f.program;
    HandSlot current = markedSlot("Ann", 4, 1);
    current.at(56, 1); // saveLevel: the fact file is read
    writeBytes(f.dir.path() / "Default.Xsx",
               concat({originalDefaultsSlot(), markedSlot("Untitled", 1), current}));
    writeBytes(f.dir.path() / "Ann.Xtx", dataFile("facts_ann.Xtx"));
    p.drill.score = 9;
    p.drill.total = 12;
    p.drill.drillMinutes = 3;
    p.drill.repeatCount = 5;
    p.drill.repeatDelay = 2;
    p.flags.smartFromStudent = 1;
    p.flags.studentFromSmart = 1;

    ProgramLoad(p);
    EXPECT_EQ(p.drill.factCount, 200);
    EXPECT_EQ(p.drill.fact(23).asked, 5);
    EXPECT_EQ(p.run.drillResumable, 0) << "the first Start always builds a new drill";
    EXPECT_TRUE(p.main.start);
    EXPECT_FALSE(p.main.cPause || p.main.resultsgo || p.main.Reset || p.main.but[1].enabled);
    EXPECT_EQ(p.drill.repeatDelay, -1);
    EXPECT_EQ(p.drill.repeatCount + p.drill.score + p.drill.total + p.drill.drillMinutes, 0);
    EXPECT_EQ(p.flags.smartFromStudent + p.flags.studentFromSmart + p.flags.firstLocked, 0);
    EXPECT_EQ(p.settings.startSettings, p.cur());
    EXPECT_EQ(filesIn(f.dir.path()), (std::set<std::string>{"Default.Xsx", "Ann.Xtx"}));
}

// Settings saved with "10 Sub" come back with the first-number boxes locked, and choosing
// another operation unlocks them again.
TEST(DefaultFile, SavedTenSubComesBackLockedAndCanBeUnlocked)
{
    ProgramFixture f;
    Program& p = f.program;
    HandSlot current = originalDefaultsSlot();
    current.at(0, 1).at(30, 2).at(88, 0).at(90, 1); // tag 1, 10 Sub, ranges 1 off, 2 on
    writeBytes(f.dir.path() / "Default.Xsx",
               concat({originalDefaultsSlot(), originalDefaultsSlot(), current}));

    ProgramLoad(p);
    ASSERT_EQ(p.cur().operation, 2);
    EXPECT_EQ(p.flags.firstLocked, 1);
    for (const bool locked : {true, false}) {
        if (!locked) {
            op_click(p, 1);
        }
        for (std::size_t i = 1; i <= 4; ++i) {
            SCOPED_TRACE(testing::Message() << "locked " << locked << ", box " << i);
            EXPECT_EQ(p.main.a[i].enabled, !locked);
            EXPECT_EQ(p.main.a[i].value, i == (locked ? 1u : 2u) ? 1 : 0);
        }
    }
}

} // namespace
} // namespace sb::test
