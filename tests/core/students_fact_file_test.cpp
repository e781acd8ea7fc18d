// The per-pupil fact file and the file names made from pupils' names.

#include "core/students_test_support.h"
#include "students/fact_file.h"
#include "students/file_names.h"

namespace sb::test {
namespace {

struct FactFixture : FilesFixture {
    Program& p = program;
    FactFixture()
    {
        LoadOriginalDefaults(p.settings);
        p.cur() = p.settings.defaultSettings;
        setName(p.cur(), "Ann");
        p.cur().saveLevel() = 1;
    }
};

FactRec rec(std::array<int, 12> v)
{
    auto c = [&v](std::size_t i) { return static_cast<std::int16_t>(v[i]); };
    return FactRec{c(0), c(1), c(2), c(3), c(4), c(5), c(6), c(7), c(8), c(9), c(10), c(11)};
}

Bytes part(const Bytes& b, std::size_t from, std::size_t n)
{
    return Bytes(b.begin() + static_cast<std::ptrdiff_t>(from),
                 b.begin() + static_cast<std::ptrdiff_t>(from + n));
}

TEST(FactFile, WritesTwoHundredRecordsOfTwentyFourBytesAndReadsThemBack)
{
    FactFixture f;
    setName(f.p.cur(), "  Ann  ");
    f.p.drill.fact(1) = rec({1, 1, 2, 1, 0, 0, 0, 1, 0, 0, 3, 4});
    f.p.drill.fact(101) = rec({11, 6, 1, 1, 5, 0, 0, 1, 0, 0, 1, 2});
    f.p.drill.fact(200) = rec({20, 10, 30, 4, 0, 2, 1, 2, 3, 1, -5, 300});
    f.p.drill.fact(201) = rec({9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9}); // never stored
    const Drill written = f.p.drill;
    ASSERT_TRUE(WriteFactFile(f.p));

    EXPECT_EQ(filesIn(f.dir.path()), std::set<std::string>{"Ann.Xtx"});
    const Bytes file = readBytes(f.at("Ann.Xtx"));
    ASSERT_EQ(file.size(), 4800u);
    EXPECT_EQ(part(file, 0, 24),
              (Bytes{1, 0, 1, 0, 2, 0, 1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 3, 0, 4, 0}));
    EXPECT_EQ(part(file, 2400, 24),
              (Bytes{11, 0, 6, 0, 1, 0, 1, 0, 5, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 1, 0, 2, 0}));
    EXPECT_EQ(part(file, 4776, 24), (Bytes{20, 0, 10, 0, 30, 0, 4, 0, 0,    0,    2,    0,
                                           1,  0, 2,  0, 3,  0, 1, 0, 0xFB, 0xFF, 0x2C, 0x01}));
    EXPECT_EQ(part(file, 24, 24), Bytes(24, 0)) << "a fact never built is stored as zeros";

    f.p.drill = Drill{};
    f.p.run.drillResumable = 0;
    ReadFactFile(f.p);
    EXPECT_EQ(f.p.drill.factCount, 200);
    EXPECT_EQ(f.p.run.drillResumable, 1);
    for (int k = 1; k <= 200; ++k) {
        ASSERT_EQ(f.p.drill.fact(k), written.fact(k)) << "fact " << k;
    }
    EXPECT_EQ(f.p.drill.fact(201), FactRec{});
}

TEST(FactFile, AKnownFileLoadsRecordByRecord)
{
    FactFixture f;
    writeBytes(f.at("Ann.Xtx"), dataFile("facts_ann.Xtx"));
    f.p.drill.poolCount = 3;
    f.p.drill.repeatCount = 2;
    ReadFactFile(f.p);
    EXPECT_EQ(f.p.drill.fact(23), rec({3, 2, 6, 1, 0, 0, 2, 2, 0, 1, 3, 5}));
    EXPECT_EQ(f.p.drill.fact(200), rec({20, 10, 200, 4, 0, 1, 0, 0, 1, 0, 1, 1}));
    EXPECT_EQ(f.p.drill.fact(33), rec({13, 2, 26, 2, 0, 0, 0, 1, 0, 0, 0, 0}));
    // The pool and the repeat list are not stored and not rebuilt.
    EXPECT_EQ(f.p.drill.poolCount, 3);
    EXPECT_EQ(f.p.drill.repeatCount, 2);
}

TEST(FactFile, OnlyAutoTeachOnOrSaveLevelSetTouchesTheDisk)
{
    struct Row {
        int autoTeach, saveLevel;
        bool enabled;
    };
    const std::vector<Row> rows{
        {0, 0, false}, {2, 0, false}, {-1, 0, false}, {1, 0, true}, {0, 1, true}, {0, -1, true},
    };
    for (const Row& r : rows) {
        for (int resumable : {0, 1}) {
            SCOPED_TRACE(testing::Message() << "autoTeach " << r.autoTeach << " saveLevel "
                                            << r.saveLevel << " resumable " << resumable);
            FactFixture f;
            f.p.cur().autoTeach = static_cast<std::int16_t>(r.autoTeach);
            f.p.cur().saveLevel() = static_cast<std::int16_t>(r.saveLevel);
            const Bytes stored = dataFile("facts_ann.Xtx");
            writeBytes(f.at("Ann.Xtx"), stored);
            f.p.run.drillResumable = static_cast<std::int16_t>(resumable);

            ReadFactFile(f.p);
            EXPECT_EQ(f.p.run.drillResumable, r.enabled ? 1 : resumable);
            EXPECT_EQ(f.p.drill.factCount, r.enabled ? 200 : 0);
            f.p.drill.fact(1).asked = 77;
            EXPECT_TRUE(WriteFactFile(f.p));
            EXPECT_EQ(readBytes(f.at("Ann.Xtx")) == stored, !r.enabled);
            if (!r.enabled) {
                EXPECT_TRUE(f.files.calls.empty()) << f.files.calls.front();
            }
        }
    }
}

TEST(FactFile, AMissingFileOnlyClearsResumable)
{
    FactFixture f;
    f.p.run.drillResumable = 1;
    f.p.drill.fact(5).asked = 9;
    ReadFactFile(f.p);
    EXPECT_EQ(f.p.run.drillResumable, 0);
    EXPECT_EQ(f.p.drill.fact(5).asked, 9);
    EXPECT_EQ(f.p.drill.factCount, 0);
}

TEST(FactFile, AShortFileKeepsItsWholeRecordsAndBuildsTheRestWithoutRandomDraws)
{
    FactFixture f;
    // Addition, ranges 1..10 and 17..20, every second number: fact 200 (20 + 10) is in play.
    f.p.cur().operation = 1;
    f.p.cur().firstRange[4] = 1;
    writeBytes(f.at("Ann.Xtx"), dataFile("facts_ann_cut.Xtx"));
    ReadFactFile(f.p);
    EXPECT_EQ(f.p.drill.fact(199), rec({19, 10, 190, 4, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(f.p.drill.fact(200), rec({20, 10, 30, 4, 0, 0, 0, 1, 0, 0, 0, 0}));
    EXPECT_EQ(f.p.drill.factCount, 200);
    EXPECT_EQ(f.p.run.drillResumable, 1);

    // Division with remainder would draw a remainder per fact; the scripted source has no
    // numbers, so a single draw fails the test.
    FactFixture g;
    g.p.cur().operation = 6;
    const Bytes known = dataFile("facts_ann.Xtx");
    writeBytes(g.at("Ann.Xtx"), part(known, 0, 10 * 24 + 10));
    ReadFactFile(g.p);
    EXPECT_EQ(g.random.used(), 0u);
    EXPECT_EQ(g.p.drill.fact(10), rec({10, 1, 10, 1, 0, 0, 0, 1, 0, 0, 0, 0}));
    EXPECT_EQ(g.p.drill.fact(11), rec({11, 1, 11, 2, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(g.p.drill.fact(200), rec({200, 10, 20, 4, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(FactFile, ASecondNumberOutsideTheTableIsTakenFromTheSlot)
{
    FactFixture f;
    writeBytes(f.at("Ann.Xtx"), dataFile("facts_ann_bad_second.Xtx"));
    ReadFactFile(f.p);
    EXPECT_EQ(f.p.drill.fact(7), rec({7, 1, 7, 1, 0, 0, 0, 1, 0, 0, 0, 0}));
    EXPECT_EQ(f.p.drill.fact(8), rec({8, 1, 8, 1, 0, 0, 0, 1, 0, 0, 0, 0}));

    // A table saved before any was built is all zeros; its second number 0 is kept.
    FactFixture g;
    writeBytes(g.at("Ann.Xtx"), Bytes(4800, 0));
    g.p.drill.fact(3).asked = 4;
    ReadFactFile(g.p);
    EXPECT_EQ(g.p.drill.fact(3), FactRec{});
    EXPECT_EQ(g.p.drill.factCount, 200);
}

TEST(FactFile, PupilNamesBecomeFileNamesInsideTheDataDirectory)
{
    struct Row {
        std::string name;
        std::string file;
    };
    const std::vector<Row> rows{
        {"Ann", "Ann.Xtx"},
        {"    ", ".Xtx"},
        {"../../x", "..%2F..%2Fx.Xtx"},
        {"a/b", "a%2Fb.Xtx"},
        {"a\\b", "a%5Cb.Xtx"},
        {"..", "...Xtx"},
        {"C:x", "C%3Ax.Xtx"},
        {"what?*", "what%3F%2A.Xtx"},
        {"50%", "50%25.Xtx"},
        {std::string("nul\0x", 5), "nul%00x.Xtx"},
        {"CON", "%43ON.Xtx"},
        {"nul.x", "%6Eul.x.Xtx"},
        {"LPT\xB9", "%4CPT\xC2\xB9.Xtx"},
        {"Comet", "Comet.Xtx"},
        {"Jos\xE9", "Jos\xC3\xA9.Xtx"},
        {"Ann.", "Ann..Xtx"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        FactFixture f;
        const std::filesystem::path data = f.dir.path() / "a" / "b" / "data";
        std::filesystem::create_directories(data);
        f.services.dataDir = data;
        setName(f.p.cur(), r.name);
        ASSERT_TRUE(WriteFactFile(f.p));

        std::vector<std::string> written;
        for (const auto& e : std::filesystem::recursive_directory_iterator(f.dir.path())) {
            if (e.is_regular_file()) {
                written.push_back(std::filesystem::relative(e.path(), f.dir.path()).string());
            }
        }
        EXPECT_EQ(written, std::vector<std::string>{"a/b/data/" + r.file});

        f.p.run.drillResumable = 0;
        ReadFactFile(f.p);
        EXPECT_EQ(f.p.run.drillResumable, 1) << "the same name finds the same file";
    }
}

} // namespace
} // namespace sb::test
