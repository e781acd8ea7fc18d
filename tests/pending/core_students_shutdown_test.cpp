// Shut-down without a drill: nothing is lost and nothing is counted as learnt.

#include <vector>

#include "core/students_test_support.h"
#include "flow/lifecycle.h"
#include "flow/main_form.h"

namespace sb::test {
namespace {

TEST(DefaultFile, OneThatCouldNotBeReadIsKeptAtShutDown)
{
    FilesFixture f;
    const Bytes before =
        concat({markedSlot("Custom", 4), markedSlot("Untitled", 1), markedSlot("Ann", 1)});
    writeBytes(f.at("Default.Xsx"), before);
    f.files.failRead = true; // locked by another program while this one starts
    ProgramLoad(f.p);
    f.files.failRead = false;
    EXPECT_FALSE(ProgramClose(f.p));
    EXPECT_EQ(readBytes(f.at("Default.Xsx")), before);
    EXPECT_EQ(f.p.main.notice, "Settings could not be saved (Default.Xsx)");
}

// With Auto Teach on and no fact file, the table was never built: closing the program before
// the first drill must not take the selected second number out as mastered.
TEST(DefaultFile, ClosingWithoutDrillingMastersNothing)
{
    ProgramFixture f;
    Program& p = f.program;
    ProgramLoad(p);
    p.cur().autoTeach = 1;
    bseln_click(p);
    b_click(p, 1, 1);
    ASSERT_TRUE(ProgramClose(p));
    const Bytes file = readBytes(f.dir.path() / "Default.Xsx");
    EXPECT_EQ(i16At(file, 2 * 208 + 98), 1) << "slot 3 keeps second number 1";
}

// Second numbers 1..10 of slot 3 of "Default.Xsx" as saved.
std::vector<std::int16_t> savedSeconds(const std::filesystem::path& dir)
{
    const Bytes file = readBytes(dir / "Default.Xsx");
    std::vector<std::int16_t> seconds;
    for (std::size_t n = 1; n <= 10; ++n) {
        seconds.push_back(i16At(file, 2 * 208 + 96 + 2 * n));
    }
    return seconds;
}

// An Auto Teach pupil who starts and closes the program without answering. The first close
// writes a fact file holding the never-built table; every later start reads it back. Only
// answers master a second number, so the selection stays as it was, run after run.
TEST(AutoTeachShutDown, StartAndCloseWithoutAnsweringNeverClimbs)
{
    ProgramFixture f;
    const std::vector<std::int16_t> onlyOne{1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    for (int run = 1; run <= 4; ++run) {
        SCOPED_TRACE(run);
        Program p{f.services};
        ProgramLoad(p);
        if (run == 1) {
            p.cur().autoTeach = 1;
            p.cur().saveLevel() = 1; // the pupil's settings come back at the next start
            bseln_click(p);
            b_click(p, 1, 1);
        }
        ASSERT_TRUE(ProgramClose(p));
        EXPECT_EQ(savedSeconds(f.dir.path()), onlyOne);
    }
}

// The teacher empties the selection and closes: nothing was retired, so nothing begins. The
// next Start puts second number 1 back.
TEST(AutoTeachShutDown, EmptiedSelectionIsSavedEmpty)
{
    for (const int begun : {0, 3}) {
        SCOPED_TRACE(begun);
        ProgramFixture f;
        Program& p = f.program;
        ProgramLoad(p);
        p.cur().autoTeach = 1;
        for (int n = 1; n <= begun; ++n) {
            p.cur().activeSteps(n) = 4;
        }
        bseln_click(p);
        ASSERT_TRUE(ProgramClose(p));
        EXPECT_EQ(savedSeconds(f.dir.path()), std::vector<std::int16_t>(10, 0));
    }
}

} // namespace
} // namespace sb::test
