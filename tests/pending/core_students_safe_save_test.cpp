// Whole-file saves that never leave a half-written file, and what the program says when a
// save fails.

#include <functional>
#include <map>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/students_test_support.h"
#include "flow/lifecycle.h"
#include "students/fact_file.h"
#include "students/record_files.h"

namespace sb::test {
namespace {

// Each saver, with the file it replaces and the size of what it writes.
struct Saver {
    const char* file;
    std::size_t size;
    std::function<bool(Program&)> save;
};

std::vector<Saver> savers()
{
    return {{"Default.Xsx", 624, SaveExitSettings},
            {"Ann.Xtx", 4800, WriteFactFile},
            {"StdDat.Xrx", 624, [](Program& p) {
                 StudentFile file;
                 static_cast<void>(OpenStudentFile(p, file));
                 return RewriteStudentFile(p, file, {"Bob"});
             }}};
}

const Bytes kPrevious = concat({markedSlot("", 1, 2), markedSlot("Ann", 4), markedSlot("Cy", 5)});

// Links and named pipes planted at the temporary names of today and of old (a link would take
// the save to another file, a pipe would hang it), and the permission bits and the link of the
// file replaced.
TEST(SafeSave, ATemporaryOfAFreshNameIsUsedAndTheFileKeepsItsModeAndLink)
{
    namespace fs = std::filesystem;
    enum Case { PlantedLinks, PlantedPipes, Mode600, Mode400, FileIsALink };
    for (const Saver& s : savers()) {
        for (const Case c : {PlantedLinks, PlantedPipes, Mode600, Mode400, FileIsALink}) {
            SCOPED_TRACE(testing::Message() << s.file << " case " << c);
            FilesFixture f;
            const fs::path real = f.at(c == FileIsALink ? "elsewhere" : s.file);
            writeBytes(real, kPrevious);
            writeBytes(f.at("secret"), Bytes{7});
            std::vector<int> readers;
            for (const std::string& planted :
                 {s.file + std::string(".tmp"), std::string("Std2.ini")}) {
                if (c == PlantedLinks) {
                    fs::create_symlink(f.at("secret"), f.at(planted));
                } else if (c == PlantedPipes) {
                    ASSERT_EQ(::mkfifo(f.at(planted).c_str(), 0600), 0);
                    // A reader, so that a save opening the pipe fails instead of hanging.
                    readers.push_back(::open(f.at(planted).c_str(), O_RDONLY | O_NONBLOCK));
                }
            }
            const auto mode = c == Mode600 ? fs::perms(0600) : fs::perms(0400);
            if (c == Mode600 || c == Mode400) {
                fs::permissions(real, mode);
            } else if (c == FileIsALink) {
                fs::create_symlink("elsewhere", f.at(s.file));
            }
            EXPECT_TRUE(s.save(f.p));
            for (const int fd : readers) {
                ::close(fd);
            }
            EXPECT_EQ(readBytes(f.at("secret")), Bytes{7});
            EXPECT_EQ(readBytes(real).size(), s.size);
            EXPECT_EQ(fs::is_symlink(f.at(s.file)), c == FileIsALink);
            if (c == Mode600 || c == Mode400) {
                EXPECT_EQ(fs::status(real).permissions(), mode);
            }
        }
    }
}

// A crash half way through leaves a temporary that readers never open and the next save
// removes (only its own file's: "Cy.Xtx.tmp-Q9w8E7" stays).
TEST(SafeSave, ASaveInterruptedAnywhereLeavesThePreviousFileIntact)
{
    const std::map<std::string, std::string> notices{
        {"Default.Xsx", "Settings could not be saved (Default.Xsx)"},
        {"Ann.Xtx", "Results could not be saved (Ann.Xtx)"},
        {"StdDat.Xrx", "Student data could not be saved (StdDat.Xrx)"}};
    for (const Saver& s : savers()) {
        for (const bool crash : {true, false}) {
            SCOPED_TRACE(testing::Message() << s.file << (crash ? ": crash" : ": rename refused"));
            FilesFixture f;
            writeBytes(f.at(s.file), kPrevious);
            writeBytes(f.at("Cy.Xtx.tmp-Q9w8E7"), Bytes{1});
            if (crash) {
                f.files.crashWritingTempAfter = 300;
            } else {
                f.files.failRename = true;
            }
            EXPECT_FALSE(s.save(f.p));
            EXPECT_EQ(readBytes(f.at(s.file)), kPrevious);
            EXPECT_EQ(filesIn(f.dir.path()).size(), crash ? 3u : 2u);
            EXPECT_EQ(f.p.main.notice, notices.at(s.file));

            f.files.crashWritingTempAfter.reset();
            f.files.failRename = false;
            EXPECT_TRUE(s.save(f.p));
            EXPECT_EQ(readBytes(f.at(s.file)).size(), s.size);
            EXPECT_EQ(filesIn(f.dir.path()), (std::set<std::string>{s.file, "Cy.Xtx.tmp-Q9w8E7"}));
            EXPECT_EQ(f.p.main.notice, "") << "a save that works clears its own notice";
        }
    }
}

TEST(SafeSave, ShutDownNamesEveryFileThatCouldNotBeSavedAndASecondCloseTriesAgain)
{
    enum class Fault { Injected, ReadOnly, Full };
    for (const Fault fault : {Fault::Injected, Fault::ReadOnly, Fault::Full}) {
        SCOPED_TRACE(static_cast<int>(fault));
        FilesFixture f;
        std::optional<TmpfsMount> mount;
        if (fault != Fault::Injected) {
            mount.emplace(f.at("data"));
            SB_SKIP_WITHOUT_MOUNT(*mount);
            f.services.dataDir = mount->path();
        }
        const std::filesystem::path dir = f.services.dataDir;
        ASSERT_TRUE(ProgramClose(f.p));
        const Bytes defaults = readBytes(dir / "Default.Xsx");
        const Bytes facts = readBytes(dir / "Ann.Xtx");
        const std::set<std::string> before = filesIn(dir);

        switch (fault) {
        case Fault::Injected:
            f.files.failRename = true;
            break;
        case Fault::ReadOnly:
            ASSERT_TRUE(mount->setReadOnly(true));
            break;
        case Fault::Full:
            mount->fill();
            break;
        }
        f.p.drill.fact(1).asked = 5; // something new to save
        EXPECT_FALSE(ProgramClose(f.p));
        EXPECT_EQ(readBytes(dir / "Default.Xsx"), defaults);
        EXPECT_EQ(readBytes(dir / "Ann.Xtx"), facts);
        const std::string notice = f.p.main.notice;
        EXPECT_NE(notice.find("Default.Xsx"), std::string::npos) << notice;
        EXPECT_NE(notice.find("Ann.Xtx"), std::string::npos) << notice;

        switch (fault) {
        case Fault::Injected:
            f.files.failRename = false;
            break;
        case Fault::ReadOnly:
            ASSERT_TRUE(mount->setReadOnly(false));
            break;
        case Fault::Full:
            std::filesystem::remove(dir / "filler");
            break;
        }
        EXPECT_EQ(filesIn(dir), before) << "no temporary left";
        EXPECT_TRUE(ProgramClose(f.p));
        EXPECT_EQ(f.p.main.notice, "");
        EXPECT_NE(readBytes(dir / "Ann.Xtx"), facts);
    }
}

} // namespace
} // namespace sb::test
