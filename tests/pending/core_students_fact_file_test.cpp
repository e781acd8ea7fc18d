// The per-pupil fact file and the file names made from pupils' names.

#include <fcntl.h>
#include <sys/fsuid.h>
#include <unistd.h>

#include "core/students_test_support.h"
#include "flow/lifecycle.h"
#include "students/fact_file.h"
#include "students/file_names.h"

namespace sb::test {
namespace {

FactRec rec(std::array<int, 12> v)
{
    auto c = [&v](std::size_t i) { return static_cast<std::int16_t>(v[i]); };
    return FactRec{c(0), c(1), c(2), c(3), c(4), c(5), c(6), c(7), c(8), c(9), c(10), c(11)};
}

TEST(FactFile, RoundTripsTwoHundredRecordsOfTwentyFourBytes)
{
    FilesFixture f;
    setName(f.p.cur(), "  Ann  ");
    f.p.drill.fact(1) = rec({1, 1, 2, 1, 0, 0, 0, 1, 0, 0, 3, 4});
    f.p.drill.fact(200) = rec({20, 10, 30, 4, 0, 2, 1, 2, 3, 1, -5, 300});
    f.p.drill.fact(201) = rec({9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9}); // never stored
    const Drill written = f.p.drill;
    ASSERT_TRUE(WriteFactFile(f.p));

    Bytes expected(4800, 0);
    const Bytes first{1, 0, 1, 0, 2, 0, 1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 3, 0, 4, 0};
    const Bytes last{20, 0, 10, 0, 30, 0, 4, 0, 0,    0,    2,    0,
                     1,  0, 2,  0, 3,  0, 1, 0, 0xFB, 0xFF, 0x2C, 1};
    std::copy(first.begin(), first.end(), expected.begin());
    std::copy(last.begin(), last.end(), expected.begin() + 4776);
    EXPECT_EQ(readBytes(f.at("Ann.Xtx")), expected);

    f.p.drill = Drill{};
    f.p.run.drillResumable = 0;
    ReadFactFile(f.p);
    EXPECT_EQ(f.p.run.drillResumable, 1);
    EXPECT_EQ(f.p.drill.factCount, 200);
    EXPECT_EQ(f.p.drill.fact(1), written.fact(1));
    EXPECT_EQ(f.p.drill.fact(200), written.fact(200));
    EXPECT_EQ(f.p.drill.fact(201), FactRec{});
}

TEST(FactFile, OnlyAutoTeachOnOrSaveLevelSetTouchesTheDisk)
{
    struct Row {
        int autoTeach, saveLevel;
        bool enabled;
    };
    for (const Row& r :
         std::vector<Row>{{0, 0, false}, {2, 0, false}, {1, 0, true}, {0, 1, true}}) {
        SCOPED_TRACE(testing::Message()
                     << "autoTeach " << r.autoTeach << " saveLevel " << r.saveLevel);
        FilesFixture f;
        f.p.cur().autoTeach = static_cast<std::int16_t>(r.autoTeach);
        f.p.cur().saveLevel() = static_cast<std::int16_t>(r.saveLevel);
        const Bytes stored(4800, 0x11);
        writeBytes(f.at("Ann.Xtx"), stored);

        ReadFactFile(f.p);
        EXPECT_EQ(f.p.run.drillResumable, r.enabled ? 1 : 0);
        EXPECT_TRUE(WriteFactFile(f.p));
        EXPECT_EQ(readBytes(f.at("Ann.Xtx")) == stored, !r.enabled);
        EXPECT_EQ(f.files.calls == 0, !r.enabled);
    }
}

TEST(FactFile, PupilNamesBecomeFileNamesInsideTheDataDirectory)
{
    const std::vector<std::pair<std::string, std::string>> rows{
        {"../../x", "..%2F..%2Fx.Xtx"},
        {"a/b", "a%2Fb.Xtx"},
        {"a\\b", "a%5Cb.Xtx"},
        {"..", "...Xtx"},
        {"CON", "%43ON.Xtx"},
        {"a:b*?", "a%3Ab%2A%3F.Xtx"},
        {"t\tab", "t%09ab.Xtx"},
        {"50%", "50%.Xtx"},
        {"%41", "%2541.Xtx"},
        {"\x8A\xE1rka \x8C\x9E\x9F", "\u0160\u00E1rka \u0152\u017E\u0178.Xtx"},
        {"x\x81", "x%81.Xtx"}, // a byte Windows-1252 leaves undefined
    };
    for (const auto& [name, file] : rows) {
        SCOPED_TRACE(name);
        FilesFixture f;
        const std::filesystem::path data = f.dir.path() / "a" / "b" / "data";
        std::filesystem::create_directories(data);
        f.services.dataDir = data;
        setName(f.p.cur(), name);
        ASSERT_TRUE(WriteFactFile(f.p));
        std::vector<std::string> written;
        for (const auto& e : std::filesystem::recursive_directory_iterator(f.dir.path())) {
            if (e.is_regular_file()) {
                written.push_back(std::filesystem::relative(e.path(), f.dir.path()).string());
            }
        }
        EXPECT_EQ(written, std::vector<std::string>{"a/b/data/" + file});
        ReadFactFile(f.p);
        EXPECT_EQ(f.p.run.drillResumable, 1) << "the same name finds the same file";
    }
}

// The pupil's facts can be seen by nobody but another user: the run goes on from scratch, but the
// file is never written over, and the notice says so.
TEST(FactFile, OneThatCannotBeReadIsNeverWrittenOver)
{
    for (const bool injected : {true, false}) {
        SCOPED_TRACE(injected ? "read fails" : "file of another user, mode 0600");
        FilesFixture f;
        f.p.cur().loadOnStart = 1;
        ASSERT_TRUE(ProgramClose(f.p)); // start-up will choose Ann
        const Bytes stored(4800, 0x11);
        writeBytes(f.at("Ann.Xtx"), stored);

        Program next{f.services};
        if (injected) {
            f.files.unreadable = {"Ann.Xtx"};
            ProgramLoad(next);
            f.files.unreadable.clear();
        } else {
            std::filesystem::permissions(f.at("Ann.Xtx"), std::filesystem::perms::owner_read |
                                                              std::filesystem::perms::owner_write);
            const bool root = ::geteuid() == 0;
            if (root) {
                ::setfsuid(65534); // nobody, for this thread's file access only
            } else {
                std::filesystem::permissions(f.at("Ann.Xtx"), std::filesystem::perms::none);
            }
            const int fd = ::open(f.at("Ann.Xtx").c_str(), O_RDONLY);
            ProgramLoad(next);
            if (root) {
                ::setfsuid(0);
            } else {
                std::filesystem::permissions(f.at("Ann.Xtx"),
                                             std::filesystem::perms::owner_read |
                                                 std::filesystem::perms::owner_write);
            }
            if (fd >= 0) {
                ::close(fd);
                GTEST_SKIP()
                    << "this system lets the test read a file of mode 0600 of another user";
            }
        }
        ASSERT_EQ(trimmedName(next.cur()), "Ann");
        EXPECT_FALSE(ProgramClose(next));
        EXPECT_EQ(readBytes(f.at("Ann.Xtx")), stored);
        EXPECT_NE(next.main.notice.find("Ann.Xtx"), std::string::npos) << next.main.notice;
    }
}

} // namespace
} // namespace sb::test
