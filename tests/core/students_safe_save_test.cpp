// Whole-file saves that never leave a half-written file, and what the program says when a
// save fails.

#include <functional>

#include "core/students_test_support.h"
#include "students/fact_file.h"
#include "flow/lifecycle.h"
#include "students/record_files.h"

namespace sb::test {
namespace {

TEST(SafeSave, ASaveInterruptedAnywhereLeavesThePreviousFileIntact)
{
    struct Target {
        const char* file;
        std::size_t size;
        const char* notice;
        std::function<bool(Program&)> save;
    };
    const std::vector<Target> targets{
        {"Default.Xsx", 624, "Settings could not be saved", SaveExitSettings},
        {"Ann.Xtx", 4800, "Results could not be saved", WriteFactFile},
        {"StdDat.Xrx", 624, "Student data could not be saved",
         [](Program& p) {
             StudentFile file;
             static_cast<void>(OpenStudentFile(p, file));
             return RewriteStudentFile(p, file, {"Bob"});
         }},
    };
    struct Failure {
        const char* what;
        std::optional<std::size_t> writeFailsAfter;
        bool renameFails;
    };
    const std::vector<Failure> failures{{"half written", 300, false},
                                        {"rename refused", std::nullopt, true}};
    for (const Target& t : targets) {
        for (const Failure& fail : failures) {
            SCOPED_TRACE(testing::Message() << t.file << ": " << fail.what);
            FilesFixture f;
            const Bytes previous =
                concat({markedSlot("", 1, 2), markedSlot("Ann", 4), markedSlot("Cy", 5)});
            writeBytes(f.at(t.file), previous);
            f.files.failWriteNewAfter = fail.writeFailsAfter;
            f.files.failRename = fail.renameFails;

            EXPECT_FALSE(t.save(f.p));
            EXPECT_EQ(readBytes(f.at(t.file)), previous);
            EXPECT_EQ(filesIn(f.dir.path()), std::set<std::string>{t.file}) << "no temp left";
            EXPECT_EQ(f.p.main.notice, t.notice);

            f.files.failWriteNewAfter.reset();
            f.files.failRename = false;
            EXPECT_TRUE(t.save(f.p));
            EXPECT_EQ(readBytes(f.at(t.file)).size(), t.size);
            EXPECT_EQ(f.p.main.notice, "") << "a save that works clears its own notice";
        }
    }
}

TEST(SafeSave, ShutDownTriesEverySaveAndReportsTheLastFailure)
{
    FilesFixture f;
    const Bytes oldDefaults(624, 3);
    writeBytes(f.at("Default.Xsx"), oldDefaults);
    f.files.failWriteNewAfter = 10;
    EXPECT_FALSE(ProgramClose(f.p));
    EXPECT_EQ(readBytes(f.at("Default.Xsx")), oldDefaults);
    EXPECT_EQ(f.p.main.notice, "Results could not be saved");
}

} // namespace
} // namespace sb::test
