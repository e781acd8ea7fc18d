// The per-pupil fact file and the file names made from pupils' names.

#include "core/students_test_support.h"
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
        {"../../x", "..%2F..%2Fx.Xtx"}, {"a/b", "a%2Fb.Xtx"},
        {"a\\b", "a%5Cb.Xtx"},          {"..", "...Xtx"},
        {"50%", "50%25.Xtx"},           {"CON", "%43ON.Xtx"},
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

} // namespace
} // namespace sb::test
