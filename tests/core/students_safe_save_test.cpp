// Whole-file saves that never leave a half-written file, and what the program says when a
// save fails.

#include <functional>

#include "core/students_test_support.h"
#include "students/fact_file.h"
#include "students/lifecycle.h"
#include "students/record_files.h"

namespace sb::test {
namespace {

struct SaveFixture : FilesFixture {
    Program& p = program;
    SaveFixture()
    {
        LoadOriginalDefaults(p.settings);
        p.cur() = p.settings.defaultSettings;
        setName(p.cur(), "Ann");
        p.cur().saveLevel() = 1;
    }
};

struct Target {
    const char* file;
    std::size_t size;
    const char* notice;
    std::function<bool(Program&)> save;
};

const std::vector<Target>& targets()
{
    static const std::vector<Target> all{
        {"Default.Xsx", 624, "Settings could not be saved", SaveExitSettings},
        {"Ann.Xtx", 4800, "Results could not be saved", WriteFactFile},
    };
    return all;
}

TEST(SafeSave, ASaveInterruptedAnywhereLeavesThePreviousFileIntact)
{
    struct Failure {
        const char* what;
        std::optional<std::size_t> writeFailsAfter;
        bool renameFails;
    };
    const std::vector<Failure> failures{
        {"nothing written", 0, false},
        {"half written", 300, false},
        {"all written, flush failed", 100000, false},
        {"rename refused", std::nullopt, true},
    };
    for (const Target& t : targets()) {
        for (const Failure& fail : failures) {
            SCOPED_TRACE(testing::Message() << t.file << ": " << fail.what);
            SaveFixture f;
            const Bytes previous(t.size, 0x5A);
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

TEST(SafeSave, AFailureOfOneFileIsNotHiddenByTheSuccessOfAnother)
{
    SaveFixture f;
    f.files.failRename = true;
    EXPECT_FALSE(SaveExitSettings(f.p));
    f.files.failRename = false;
    EXPECT_TRUE(WriteFactFile(f.p));
    EXPECT_EQ(f.p.main.notice, "Settings could not be saved");
}

TEST(SafeSave, ShutDownGoesOnWhenNothingCanBeSaved)
{
    SaveFixture f;
    const Bytes oldDefaults(624, 3);
    const Bytes oldFacts(4800, 4);
    writeBytes(f.at("Default.Xsx"), oldDefaults);
    writeBytes(f.at("Ann.Xtx"), oldFacts);
    f.files.failWriteNewAfter = 10;
    EXPECT_FALSE(ProgramClose(f.p));
    EXPECT_EQ(readBytes(f.at("Default.Xsx")), oldDefaults);
    EXPECT_EQ(readBytes(f.at("Ann.Xtx")), oldFacts);
    // Both saves were tried: the fact file's failure came last.
    EXPECT_EQ(f.p.main.notice, "Results could not be saved");
}

TEST(SafeSave, AReadOnlyDirectoryKeepsTheOldFileAndSaysSo)
{
    ProgramFixture f;
    Program& p = f.program;
    LoadOriginalDefaults(p.settings);
    p.cur() = p.settings.defaultSettings;
    const Bytes old(624, 7);
    writeBytes(f.dir.path() / "Default.Xsx", old);
    std::filesystem::permissions(f.dir.path(), std::filesystem::perms::owner_read |
                                                   std::filesystem::perms::owner_exec);
    {
        std::ofstream probe(f.dir.path() / "probe");
        if (probe) {
            GTEST_SKIP() << "this user may write into a read-only directory (root)";
        }
    }
    EXPECT_FALSE(SaveExitSettings(p));
    EXPECT_EQ(readBytes(f.dir.path() / "Default.Xsx"), old);
    EXPECT_EQ(p.main.notice, "Settings could not be saved");
}

} // namespace
} // namespace sb::test
