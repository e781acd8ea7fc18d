// A "Default.Xsx" that is there but cannot be read is never written over.

#include "core/students_test_support.h"
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

} // namespace
} // namespace sb::test
