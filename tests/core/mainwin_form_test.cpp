#include "mainwin/main_form.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "core/fakes.h"
#include "drill/answering.h"
#include "drill/pool.h"
#include "mainwin/run_control.h"
#include "records/drill_settings.h"

namespace {

using sb::DrillSettings;
using sb::Program;
using sb::test::ProgramFixture;

using Ranges = std::array<std::int16_t, 4>; // a 1..4
using Enabled = std::array<bool, 4>;

// The main window as the program's start leaves it when there is no settings file: the original
// defaults shown, no drill started, Reset disabled.
void loadIdle(Program& p)
{
    sb::LoadOriginalDefaults(p.settings);
    p.cur() = p.settings.defaultSettings;
    const DrillSettings shown = p.cur();
    sb::ShowSelection(p, shown);
    p.main.cPause = false;
    p.main.resultsgo = false;
    p.main.Reset = false;
    for (std::size_t i = 1; i <= 3; ++i) {
        p.main.but[i].enabled = false;
    }
    p.flags.firstLocked = 0;
    p.settings.startSettings = p.cur();
}

// A loaded program whose selection clicks are the pupil's. Its scripted random source is empty,
// so any draw made by the window's selection logic fails the test.
struct Form : ProgramFixture {
    Form() { loadIdle(program); }

    Program& p = program;

    void setFirst(Ranges r)
    {
        for (std::size_t g = 0; g < 4; ++g) {
            p.main.a[g + 1].value = r[g];
        }
    }
    Ranges first() const
    {
        Ranges r{};
        for (std::size_t g = 0; g < 4; ++g) {
            r[g] = p.main.a[g + 1].value;
        }
        return r;
    }
    Enabled firstEnabled() const
    {
        Enabled e{};
        for (std::size_t g = 0; g < 4; ++g) {
            e[g] = p.main.a[g + 1].enabled;
        }
        return e;
    }
};

constexpr Enabled kAllEnabled{true, true, true, true};
constexpr Enabled kNoneEnabled{false, false, false, false};

// Draws for the few tests that must run a drill to reach a state.
class SeededRandom final : public sb::Random {
public:
    double next() override { return m_dist(m_engine); }

private:
    std::mt19937 m_engine{7};
    std::uniform_real_distribution<double> m_dist{0.0, 1.0};
};

TEST(MainForm, TenSubLocksTheFirstNumbersAndAnyOtherOperationRestoresThem)
{
    for (int k : {sb::OpAdd, sb::OpSub, sb::OpMult, sb::OpDiv, sb::OpDivR}) {
        SCOPED_TRACE(k);
        Form f;
        f.setFirst({0, 1, 0, 1});

        sb::op_click(f.p, sb::Op10Sub);
        EXPECT_EQ(f.first(), (Ranges{1, 0, 0, 0}));
        EXPECT_EQ(f.firstEnabled(), kNoneEnabled);
        EXPECT_EQ(f.p.flags.firstLocked, 1);
        DrillSettings read = f.p.cur();
        sb::ReadSelection(f.p.main, read);
        EXPECT_EQ(read.firstRange, (std::array<std::int16_t, 5>{0, 1, 0, 0, 0}));

        sb::op_click(f.p, k);
        EXPECT_EQ(f.first(), (Ranges{0, 1, 0, 1}));
        EXPECT_EQ(f.firstEnabled(), kAllEnabled);
        EXPECT_EQ(f.p.flags.firstLocked, 0);
        EXPECT_EQ(f.p.main.op, k);
    }
}

TEST(MainForm, TenSubChosenTwiceKeepsTheValuesSavedTheFirstTime)
{
    Form f;
    f.setFirst({0, 1, 0, 1});
    sb::op_click(f.p, sb::Op10Sub);
    sb::op_click(f.p, sb::Op10Sub);
    EXPECT_EQ(f.first(), (Ranges{1, 0, 0, 0}));
    EXPECT_EQ(f.firstEnabled(), kNoneEnabled);

    sb::op_click(f.p, sb::OpAdd);
    EXPECT_EQ(f.first(), (Ranges{0, 1, 0, 1}));
    EXPECT_EQ(f.firstEnabled(), kAllEnabled);
}

TEST(MainForm, SelectAllWhileLockedTicksTheStillDisabledBoxes)
{
    Form f;
    f.setFirst({0, 0, 1, 0});
    sb::op_click(f.p, sb::Op10Sub);
    f.p.main.Reset = false;

    sb::asela_click(f.p);
    EXPECT_EQ(f.first(), (Ranges{1, 1, 1, 1}));
    EXPECT_EQ(f.firstEnabled(), kNoneEnabled);
    EXPECT_TRUE(f.p.main.Reset);

    // Choosing 10 Sub again does not take these values as the ones to restore.
    sb::op_click(f.p, sb::Op10Sub);
    EXPECT_EQ(f.first(), (Ranges{1, 1, 1, 1}));
    sb::op_click(f.p, sb::OpMult);
    EXPECT_EQ(f.first(), (Ranges{0, 0, 1, 0}));
    EXPECT_EQ(f.firstEnabled(), kAllEnabled);
}

TEST(MainForm, OperationsOtherThanTenSubLeaveUnlockedBoxesAlone)
{
    Form f;
    f.setFirst({0, 1, 0, 1});
    sb::op_click(f.p, sb::OpMult);
    sb::op_click(f.p, sb::OpDivR);
    sb::op_click(f.p, sb::OpAdd);
    EXPECT_EQ(f.first(), (Ranges{0, 1, 0, 1}));
    EXPECT_EQ(f.firstEnabled(), kAllEnabled);
    EXPECT_EQ(f.p.flags.firstLocked, 0);
}

TEST(MainForm, SwitchWritesSwitchABAtOnce)
{
    for (std::int16_t v : {std::int16_t{0}, std::int16_t{1}}) {
        SCOPED_TRACE(v);
        Form f;
        const std::int16_t before = static_cast<std::int16_t>(1 - v);
        f.p.main.switchBox.value = before;
        f.p.cur().switchAB = before;
        f.p.settings.startSettings.switchAB = before;

        sb::switch_click(f.p, v);
        EXPECT_EQ(f.p.cur().switchAB, v);
        EXPECT_EQ(f.p.main.switchBox.value, v);
        EXPECT_EQ(f.p.settings.startSettings.switchAB, before);
        EXPECT_TRUE(f.p.main.Reset);

        // Reading the selection leaves it to the box's own click.
        DrillSettings read = f.p.cur();
        read.switchAB = 5;
        sb::ReadSelection(f.p.main, read);
        EXPECT_EQ(read.switchAB, 5);
    }
}

TEST(MainForm, EverySelectionClickEnablesNewDrill)
{
    struct Click {
        const char* name;
        void (*click)(Program&);
    };
    const std::vector<Click> clicks{
        {"a ticked", [](Program& p) { sb::a_click(p, 3, 1); }},
        {"a cleared", [](Program& p) { sb::a_click(p, 1, 0); }},
        {"b cleared", [](Program& p) { sb::b_click(p, 7, 0); }},
        {"b 10 cleared", [](Program& p) { sb::b_click(p, 10, 0); }},
        {"asela", [](Program& p) { sb::asela_click(p); }},
        {"aseln", [](Program& p) { sb::aseln_click(p); }},
        {"bsela with every box already ticked", [](Program& p) { sb::bsela_click(p); }},
        {"bseln", [](Program& p) { sb::bseln_click(p); }},
        // The four buttons enable New Drill themselves, also when no box changes.
        {"asela with every box already ticked",
         [](Program& p) {
             for (std::size_t g = 1; g <= 4; ++g) {
                 p.main.a[g].value = 1;
             }
             sb::asela_click(p);
         }},
        {"aseln with every box already clear",
         [](Program& p) {
             for (std::size_t g = 1; g <= 4; ++g) {
                 p.main.a[g].value = 0;
             }
             sb::aseln_click(p);
         }},
        {"bseln with every box already clear",
         [](Program& p) {
             for (std::size_t n = 1; n <= 10; ++n) {
                 p.main.b[n].value = 0;
             }
             sb::bseln_click(p);
         }},
        {"op Subract", [](Program& p) { sb::op_click(p, sb::OpSub); }},
        {"op 10 Sub", [](Program& p) { sb::op_click(p, sb::Op10Sub); }},
        {"op Div with R", [](Program& p) { sb::op_click(p, sb::OpDivR); }},
        {"switch", [](Program& p) { sb::switch_click(p, 0); }},
    };
    struct Context {
        const char* name;
        void (*reach)(Program&);
        bool drillRuns;
    };
    const std::vector<Context> contexts{
        {"before the first Start", [](Program&) {}, false},
        {"while a drill runs", [](Program& p) { sb::StartDrill(p); }, true},
        {"idle after a finished drill and New Drill",
         [](Program& p) {
             p.cur().maxProblems() = 1;
             sb::StartDrill(p);
             sb::but_click(p, p.drill.rightSlot);
             sb::NewDrill(p);
         },
         false},
    };
    for (const Context& context : contexts) {
        for (const Click& click : clicks) {
            SCOPED_TRACE(std::string(context.name) + ", " + click.name);
            SeededRandom random;
            sb::test::FixedClock clock;
            sb::test::RecordingSound sound;
            sb::test::RecordingPictures pictures;
            sb::test::TempDir dir;
            sb::Services services{random, clock, sound, pictures, dir.path()};
            Program p{services};
            loadIdle(p);
            context.reach(p);
            ASSERT_FALSE(p.main.Reset);
            const std::int32_t total = p.drill.total;

            click.click(p);
            EXPECT_TRUE(p.main.Reset);
            // The running drill is not touched: its pool was built at Start.
            EXPECT_EQ(p.main.cPause, context.drillRuns);
            EXPECT_EQ(p.main.timerEnabled, context.drillRuns);
            EXPECT_EQ(p.drill.total, total);
        }
    }
}

TEST(MainForm, ShowSelectionRunsTheClickHandlingOnlyForChangedValues)
{
    struct Row {
        const char* name;
        void (*change)(DrillSettings&);
        bool reset;
    };
    const std::vector<Row> rows{
        {"nothing changed", [](DrillSettings&) {}, false},
        {"a range ticked", [](DrillSettings& s) { s.firstRange[3] = 1; }, true},
        {"a second number cleared", [](DrillSettings& s) { s.secondNum[7] = 0; }, true},
        {"another operation", [](DrillSettings& s) { s.operation = sb::OpDiv; }, true},
        {"switchAB cleared", [](DrillSettings& s) { s.switchAB = 0; }, true},
        {"only fields the boxes do not show",
         [](DrillSettings& s) {
             s.stopOn = 4;
             s.autoTeach = 1;
         },
         false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Form f;
        ASSERT_FALSE(f.p.main.Reset);
        DrillSettings shown = f.p.cur();
        row.change(shown);

        sb::ShowSelection(f.p, shown);
        EXPECT_EQ(f.p.main.Reset, row.reset);
        DrillSettings read = shown;
        read.operation = 0;
        sb::ReadSelection(f.p.main, read);
        EXPECT_TRUE(sb::SameSelections(read, shown));
        EXPECT_EQ(f.p.main.switchBox.value, shown.switchAB);
        // The switch's click handling writes curSettings whatever record is shown.
        EXPECT_EQ(f.p.cur().switchAB, shown.switchAB);
    }
}

TEST(MainForm, ShowingTenSubLocksAndShowingAnotherOperationUnlocks)
{
    Form f;
    DrillSettings s = f.p.cur();
    s.firstRange = {0, 0, 1, 1, 0};
    s.operation = sb::Op10Sub;
    sb::ShowSelection(f.p, s);
    EXPECT_EQ(f.first(), (Ranges{1, 0, 0, 0}));
    EXPECT_EQ(f.firstEnabled(), kNoneEnabled);

    s.operation = sb::OpAdd;
    sb::ShowSelection(f.p, s);
    EXPECT_EQ(f.first(), (Ranges{0, 1, 1, 0}));
    EXPECT_EQ(f.firstEnabled(), kAllEnabled);
}

TEST(MainForm, UpdateShowsTheCurrentSelectionButLeavesTheSwitchAlone)
{
    struct Row {
        const char* name;
        void (*change)(DrillSettings&);
        bool reset;
    };
    const std::vector<Row> rows{
        {"nothing changed but switchAB", [](DrillSettings&) {}, false},
        {"ranges, second numbers and operation",
         [](DrillSettings& s) {
             s.firstRange[2] = 1;
             s.secondNum[1] = 0;
             s.operation = sb::OpSub;
         },
         true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Form f;
        ASSERT_EQ(f.p.main.switchBox.value, 1);
        f.p.cur().switchAB = 0;
        row.change(f.p.cur());
        const DrillSettings expected = f.p.cur();

        sb::update(f.p);
        EXPECT_EQ(f.p.main.switchBox.value, 1);
        EXPECT_EQ(f.p.cur().switchAB, 0);
        EXPECT_EQ(f.p.main.Reset, row.reset);
        DrillSettings read;
        sb::ReadSelection(f.p.main, read);
        EXPECT_TRUE(sb::SameSelections(read, expected));
    }
}

TEST(MainForm, ReadSelectionCopiesTheBoxesAsTheyStand)
{
    struct Row {
        const char* name;
        std::int16_t op;
        std::int16_t operation; // expected, read into a record holding Divide
    };
    const std::vector<Row> rows{
        {"no operation selected keeps the record's", 0, sb::OpDiv},
        {"Subract", sb::OpSub, sb::OpSub},
        {"Add", sb::OpAdd, sb::OpAdd},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Form f;
        f.setFirst({0, 1, 0, 1});
        for (std::size_t n = 1; n <= 10; ++n) {
            f.p.main.b[n].value = static_cast<std::int16_t>(n % 2);
        }
        f.p.main.op = row.op;

        DrillSettings s;
        s.operation = sb::OpDiv;
        sb::ReadSelection(f.p.main, s);
        EXPECT_EQ(s.operation, row.operation);
        EXPECT_EQ(s.firstRange, (std::array<std::int16_t, 5>{0, 0, 1, 0, 1}));
        EXPECT_EQ(s.secondNum, (std::array<std::int16_t, 11>{0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0}));
    }
}

} // namespace
