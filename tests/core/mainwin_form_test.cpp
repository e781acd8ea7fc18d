#include "mainwin/main_form.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <map>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/fakes.h"
#include "drill/answering.h"
#include "drill/pool.h"
#include "mainwin/run_control.h"
#include "records/drill_settings.h"

namespace {

using sb::DrillSettings;
using sb::Program;

// A program as started without a settings file: the original defaults shown, no drill started,
// Reset disabled. Its random source is empty, so any draw made by the selection logic fails the
// test, unless the test runs a drill.
struct Form {
    sb::test::ScriptedRandom scripted;
    sb::StdRandom seeded{7};
    sb::test::FixedClock clock;
    sb::test::RecordingSound sound;
    sb::test::RecordingPictures pictures;
    sb::test::TempDir dir;
    sb::Services services;
    Program p;

    explicit Form(bool drills = false)
        : services{drills ? static_cast<sb::Random&>(seeded) : scripted, clock, sound, pictures,
                   dir.path()},
          p{services}
    {
        sb::LoadOriginalDefaults(p.settings);
        p.cur() = p.settings.defaultSettings;
        const DrillSettings shown = p.cur();
        sb::ShowSelection(p, shown);
        p.main.cPause = p.main.resultsgo = p.main.Reset = false;
        for (std::size_t i = 1; i <= 3; ++i) {
            p.main.but[i].enabled = false;
        }
        p.flags.firstLocked = 0;
        p.settings.startSettings = p.cur();
    }

    void setFirst(const std::string& digits)
    {
        for (std::size_t g = 1; g <= 4; ++g) {
            p.main.a[g].value = static_cast<std::int16_t>(digits[g - 1] - '0');
        }
    }
    // The range boxes as "values enabled", e.g. "0101 1111".
    std::string first() const
    {
        std::string values, enabled;
        for (std::size_t g = 1; g <= 4; ++g) {
            values += std::to_string(p.main.a[g].value);
            enabled += p.main.a[g].enabled ? '1' : '0';
        }
        return values + " " + enabled;
    }
};

TEST(MainForm, TenSubLocksTheFirstNumbersAndAnyOtherOperationRestoresThem)
{
    const std::map<std::string, int> ops{{"Add", sb::OpAdd}, {"10Sub", sb::Op10Sub},
                                         {"Sub", sb::OpSub}, {"Mult", sb::OpMult},
                                         {"Div", sb::OpDiv}, {"DivR", sb::OpDivR}};
    struct Row {
        const char* before;
        const char* clicks;
        const char* after;
    };
    const std::vector<Row> rows{
        {"0101", "10Sub", "1000 0000"},
        {"0101", "10Sub Add", "0101 1111"},
        {"0101", "10Sub Sub", "0101 1111"},
        {"0101", "10Sub Mult", "0101 1111"},
        {"0101", "10Sub Div", "0101 1111"},
        {"0101", "10Sub DivR", "0101 1111"},
        // Chosen twice, 10 Sub keeps the values saved the first time.
        {"0101", "10Sub 10Sub", "1000 0000"},
        {"0101", "10Sub 10Sub Add", "0101 1111"},
        // Select All while locked ticks the still disabled boxes, not the ones to restore.
        {"0010", "10Sub asela", "1111 0000"},
        {"0010", "10Sub asela 10Sub", "1111 0000"},
        {"0010", "10Sub asela 10Sub Mult", "0010 1111"},
        {"0101", "Mult DivR Add", "0101 1111"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.before) + ": " + row.clicks);
        Form f;
        f.setFirst(row.before);
        std::istringstream words(row.clicks);
        std::string last;
        for (std::string w; words >> w; last = w) {
            if (w == "asela") {
                sb::asela_click(f.p);
            } else {
                sb::op_click(f.p, ops.at(w));
            }
        }
        EXPECT_EQ(f.first(), row.after);
        EXPECT_EQ(f.p.flags.firstLocked, f.first().ends_with("0000") ? 1 : 0);
        if (ops.count(last) != 0) {
            EXPECT_EQ(f.p.main.op, ops.at(last));
        }
        // Start reads the boxes as shown, the locked 1..10 range included.
        DrillSettings read = f.p.cur();
        sb::ReadSelection(f.p.main, read);
        std::string readFirst;
        for (std::size_t g = 1; g <= 4; ++g) {
            readFirst += std::to_string(read.firstRange[g]);
        }
        EXPECT_EQ(readFirst, f.first().substr(0, 4));
    }
}

TEST(MainForm, ShowingTenSubLocksAndShowingAnotherOperationUnlocks)
{
    Form f;
    DrillSettings s = f.p.cur();
    s.firstRange = {0, 0, 1, 1, 0};
    s.operation = sb::Op10Sub;
    sb::ShowSelection(f.p, s);
    EXPECT_EQ(f.first(), "1000 0000");
    s.operation = sb::OpAdd;
    sb::ShowSelection(f.p, s);
    EXPECT_EQ(f.first(), "0110 1111");
}

TEST(MainForm, SwitchWritesSwitchABAtOnce)
{
    for (std::int16_t v : {std::int16_t{0}, std::int16_t{1}}) {
        SCOPED_TRACE(v);
        Form f;
        const auto before = static_cast<std::int16_t>(1 - v);
        f.p.main.switchBox.value = f.p.cur().switchAB = before;
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
    const std::vector<std::pair<const char*, void (*)(Program&)>> clicks{
        {"a ticked", [](Program& p) { sb::a_click(p, 3, 1); }},
        {"b cleared", [](Program& p) { sb::b_click(p, 7, 0); }},
        // The four buttons enable New Drill themselves, also when no box changes.
        {"asela, all ticked",
         [](Program& p) {
             p.main.a[1].value = p.main.a[2].value = p.main.a[3].value = p.main.a[4].value = 1;
             sb::asela_click(p);
         }},
        {"aseln, all clear",
         [](Program& p) {
             p.main.a[1].value = p.main.a[2].value = p.main.a[3].value = p.main.a[4].value = 0;
             sb::aseln_click(p);
         }},
        {"bsela, all ticked", [](Program& p) { sb::bsela_click(p); }},
        {"bseln, all clear",
         [](Program& p) {
             for (std::size_t n = 1; n <= 10; ++n) {
                 p.main.b[n].value = 0;
             }
             sb::bseln_click(p);
         }},
        {"op Subract", [](Program& p) { sb::op_click(p, sb::OpSub); }},
        {"op 10 Sub", [](Program& p) { sb::op_click(p, sb::Op10Sub); }},
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
        {"after a finished drill and New Drill",
         [](Program& p) {
             p.cur().maxProblems() = 1;
             sb::StartDrill(p);
             sb::but_click(p, p.drill.rightSlot);
             sb::NewDrill(p);
         },
         false},
    };
    for (const Context& context : contexts) {
        for (const auto& [name, click] : clicks) {
            SCOPED_TRACE(std::string(context.name) + ", " + name);
            Form f(true);
            context.reach(f.p);
            ASSERT_FALSE(f.p.main.Reset);
            const std::int32_t total = f.p.drill.total;

            click(f.p);
            EXPECT_TRUE(f.p.main.Reset);
            // The running drill is not touched: its pool was built at Start.
            EXPECT_EQ(f.p.main.timerEnabled, context.drillRuns);
            EXPECT_EQ(f.p.drill.total, total);
        }
    }
}

TEST(MainForm, ShowSelectionRunsTheClickHandlingOnlyForChangedValues)
{
    const std::vector<std::tuple<const char*, void (*)(DrillSettings&), bool>> rows{
        {"nothing changed", [](DrillSettings&) {}, false},
        {"a range ticked", [](DrillSettings& s) { s.firstRange[3] = 1; }, true},
        {"a second number cleared", [](DrillSettings& s) { s.secondNum[7] = 0; }, true},
        {"another operation", [](DrillSettings& s) { s.operation = sb::OpDiv; }, true},
        {"switchAB cleared", [](DrillSettings& s) { s.switchAB = 0; }, true},
        {"only fields the boxes do not show", [](DrillSettings& s) { s.stopOn = 4; }, false},
    };
    for (const auto& [name, change, reset] : rows) {
        SCOPED_TRACE(name);
        Form f;
        DrillSettings shown = f.p.cur();
        change(shown);

        sb::ShowSelection(f.p, shown);
        EXPECT_EQ(f.p.main.Reset, reset);
        DrillSettings read = shown;
        read.operation = 0;
        sb::ReadSelection(f.p.main, read);
        EXPECT_TRUE(sb::SameSelections(read, shown));
        EXPECT_EQ(f.p.main.switchBox.value, shown.switchAB);
        // The switch's click handling writes curSettings whatever record is shown.
        EXPECT_EQ(f.p.cur().switchAB, shown.switchAB);
    }
}

TEST(MainForm, UpdateShowsTheCurrentSelectionButLeavesTheSwitchAlone)
{
    for (bool others : {false, true}) {
        SCOPED_TRACE(others ? "ranges, second numbers and operation changed" : "only switchAB");
        Form f;
        ASSERT_EQ(f.p.main.switchBox.value, 1);
        f.p.cur().switchAB = 0;
        if (others) {
            f.p.cur().firstRange[2] = 1;
            f.p.cur().secondNum[1] = 0;
            f.p.cur().operation = sb::OpSub;
        }
        const DrillSettings expected = f.p.cur();

        sb::update(f.p);
        EXPECT_EQ(f.p.main.switchBox.value, 1);
        EXPECT_EQ(f.p.cur().switchAB, 0);
        EXPECT_EQ(f.p.main.Reset, others);
        DrillSettings read;
        sb::ReadSelection(f.p.main, read);
        EXPECT_TRUE(sb::SameSelections(read, expected));
    }
}

TEST(MainForm, ReadSelectionCopiesTheBoxesAsTheyStand)
{
    // {op shown, operation read into a record holding Divide}: no operation keeps the record's.
    using Pair = std::pair<int, int>;
    for (const auto& [op, operation] : {Pair{0, sb::OpDiv}, Pair{sb::OpSub, sb::OpSub}}) {
        SCOPED_TRACE(op);
        Form f;
        f.setFirst("0101");
        for (std::size_t n = 1; n <= 10; ++n) {
            f.p.main.b[n].value = static_cast<std::int16_t>(n % 2);
        }
        f.p.main.op = static_cast<std::int16_t>(op);

        DrillSettings s;
        s.operation = sb::OpDiv;
        sb::ReadSelection(f.p.main, s);
        EXPECT_EQ(s.operation, operation);
        EXPECT_EQ(s.firstRange, (std::array<std::int16_t, 5>{0, 0, 1, 0, 1}));
        EXPECT_EQ(s.secondNum, (std::array<std::int16_t, 11>{0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0}));
    }
}

} // namespace
