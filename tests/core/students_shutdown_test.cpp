// Shut-down without a drill: nothing is lost and nothing is counted as learnt.

#include "core/students_test_support.h"
#include "mainwin/main_form.h"
#include "students/lifecycle.h"

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

} // namespace
} // namespace sb::test
