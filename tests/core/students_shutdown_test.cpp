// Shut-down without a drill: nothing is lost and nothing is counted as learnt.

#include "core/students_test_support.h"
#include "mainwin/main_form.h"
#include "students/lifecycle.h"

namespace sb::test {
namespace {

TEST(DefaultFile, OneThatCouldNotBeReadIsKeptAtShutDown)
{
    FilesFixture f;
    HandSlot custom = originalDefaultsSlot();
    custom.at(0, 1).at(80, 25); // made with "Current As Default": 25 problems
    const Bytes before = concat({custom, markedSlot("Untitled", 1), markedSlot("Ann", 1)});
    writeBytes(f.at("Default.Xsx"), before);

    f.files.failRead = true; // locked by another program while this one starts
    ProgramLoad(f.program);
    EXPECT_EQ(trimmedName(f.program.cur()), "Default") << "the original defaults stand in";

    f.files.failRead = false;
    EXPECT_FALSE(ProgramClose(f.program));
    EXPECT_EQ(readBytes(f.at("Default.Xsx")), before);
    EXPECT_EQ(f.program.main.notice, "Settings could not be saved");
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
    EXPECT_EQ(p.cur().secondNum[1], 1);
    EXPECT_EQ(p.main.DsEnd, "");
    const Bytes file = readBytes(f.dir.path() / "Default.Xsx");
    EXPECT_EQ(i16At(file, 2 * 208 + 96 + 2), 1) << "slot 3 keeps second number 1";
}

} // namespace
} // namespace sb::test
