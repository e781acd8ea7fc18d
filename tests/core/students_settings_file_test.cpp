// "Default.Xsx", start-up and shut-down.

#include "core/students_test_support.h"
#include "flow/main_form.h"
#include "flow/lifecycle.h"
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

TEST(DefaultFile, FirstRunCreatesThreeSlotsOnCloseAndNothingAtStart)
{
    ProgramFixture f;
    Program& p = f.program;
    ProgramLoad(p);
    EXPECT_TRUE(filesIn(f.dir.path()).empty()) << "start-up must not write";
    mirrorSelection(p);
    ASSERT_TRUE(ProgramClose(p));
    // Auto Teach is off and saveLevel 0: no fact file.
    EXPECT_EQ(filesIn(f.dir.path()), std::set<std::string>{"Default.Xsx"});
    const Bytes file = readBytes(f.dir.path() / "Default.Xsx");
    ASSERT_EQ(file.size(), 624u);
    EXPECT_EQ(fieldsOf(file, 1), fieldsOf(originalDefaultsSlot()));
    EXPECT_EQ(fieldsOf(file, 2), fieldsOf(originalDefaultsSlot().name("Untitled")));
    EXPECT_EQ(fieldsOf(file, 3), fieldsOf(originalDefaultsSlot()));
}

TEST(DefaultFile, OnlyATagOfExactlyOneSelectsASlotAndSlotThreeWins)
{
    struct Row {
        int tag2, tag3;
        int chosenOperation; // slot 1 carries 4, slot 2 carries 5, slot 3 carries 6
    };
    for (const Row& r : std::vector<Row>{{0, 0, 4}, {1, 0, 5}, {1, 1, 6}, {-1, 0, 4}, {1, 2, 5}}) {
        SCOPED_TRACE(testing::Message() << "tags " << r.tag2 << ", " << r.tag3);
        ProgramFixture f;
        writeBytes(f.dir.path() / "Default.Xsx",
                   concat({markedSlot("Custom", 4, 1), markedSlot("Untitled", 5, r.tag2),
                           markedSlot("Ann", 6, r.tag3)}));
        LoadStartupSettings(f.program);
        EXPECT_EQ(f.program.cur().operation, r.chosenOperation);
    }
}

TEST(DefaultFile, ShutDownTagsSlotsTwoAndThreeFromTheSettingsInUse)
{
    struct Row {
        int saveLevel, loadOnStart, autoTeach;
        bool factFile;
    };
    for (const Row& r : std::vector<Row>{{0, 0, 0, false}, {1, 0, 0, true}, {0, 1, 1, true}}) {
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
        EXPECT_EQ((std::vector<int>{i16At(file, 0), i16At(file, 208), i16At(file, 416)}),
                  (std::vector<int>{0, r.saveLevel, r.loadOnStart}));
        EXPECT_EQ(std::string(file.begin() + 418, file.begin() + 438), "Ann                 ");
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
    EXPECT_EQ(trimmedName(next.cur()), "Untitled");
}

} // namespace
} // namespace sb::test
