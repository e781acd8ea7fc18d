#include "flow/main_form.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "core/fakes.h"
#include "flow/answering.h"
#include "flow/run_control.h"
#include "records/drill_settings.h"

namespace {

using sb::Program;

// A program as started without a settings file: the original defaults shown, no drill started.
struct Form {
    sb::StdRandom random{7};
    sb::test::FixedClock clock;
    sb::test::RecordingSound sound;
    sb::test::RecordingPictures pictures;
    sb::test::TempDir dir;
    sb::Services services{random, clock, sound, pictures, dir.path()};
    Program p{services};

    Form()
    {
        sb::LoadOriginalDefaults(p.settings);
        p.cur() = p.settings.defaultSettings;
        const sb::DrillSettings shown = p.cur();
        sb::ShowSelection(p, shown);
        p.main.Reset = false;
        p.flags.firstLocked = 0;
        p.settings.startSettings = p.cur();
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
    const std::map<std::string, int> ops{
        {"Add", sb::OpAdd}, {"10Sub", sb::Op10Sub}, {"Mult", sb::OpMult}};
    struct Row {
        const char* before;
        const char* clicks;
        const char* after;
    };
    const std::vector<Row> rows{
        {"0101", "10Sub", "1000 0000"},
        {"0101", "10Sub Add", "0101 1111"},
        // Chosen twice, 10 Sub keeps the values saved the first time.
        {"0101", "10Sub 10Sub Add", "0101 1111"},
        // Select All while locked ticks the still disabled boxes, not the ones to restore.
        {"0010", "10Sub asela", "1111 0000"},
        {"0010", "10Sub asela 10Sub Mult", "0010 1111"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.before) + ": " + row.clicks);
        Form f;
        for (std::size_t g = 1; g <= 4; ++g) {
            f.p.main.a[g].value = static_cast<std::int16_t>(row.before[g - 1] - '0');
        }
        std::istringstream words(row.clicks);
        for (std::string w; words >> w;) {
            w == "asela" ? sb::asela_click(f.p) : sb::op_click(f.p, ops.at(w));
        }
        EXPECT_EQ(f.first(), row.after);
        EXPECT_EQ(f.p.flags.firstLocked, f.first().ends_with("0000") ? 1 : 0);
    }
}

TEST(MainForm, SwitchWritesSwitchABAtOnce)
{
    for (std::int16_t v : {std::int16_t{0}, std::int16_t{1}}) {
        SCOPED_TRACE(v);
        Form f;
        f.p.main.switchBox.value = f.p.cur().switchAB = static_cast<std::int16_t>(1 - v);
        sb::switch_click(f.p, v);
        EXPECT_EQ(f.p.cur().switchAB, v);
        EXPECT_EQ(f.p.settings.startSettings.switchAB, 1); // only Start copies the selection
    }
}

TEST(MainForm, EverySelectionClickEnablesNewDrill)
{
    const std::vector<std::pair<const char*, void (*)(Program&)>> clicks{
        {"a ticked", [](Program& p) { sb::a_click(p, 3, 1); }},
        {"b cleared", [](Program& p) { sb::b_click(p, 7, 0); }},
        // The select buttons enable New Drill themselves, also when no box changes.
        {"bsela, all ticked", [](Program& p) { sb::bsela_click(p); }},
        {"aseln", [](Program& p) { sb::aseln_click(p); }},
        {"op 10 Sub", [](Program& p) { sb::op_click(p, sb::Op10Sub); }},
        {"switch", [](Program& p) { sb::switch_click(p, 0); }},
    };
    for (bool running : {false, true}) {
        for (const auto& [name, click] : clicks) {
            SCOPED_TRACE(std::string(running ? "while a drill runs, " : "before Start, ") + name);
            Form f;
            if (running) {
                sb::StartDrill(f.p);
            }
            ASSERT_FALSE(f.p.main.Reset);
            click(f.p);
            EXPECT_TRUE(f.p.main.Reset);
            // The running drill is not touched: its pool was built at Start.
            EXPECT_EQ(f.p.main.timerEnabled, running);
        }
    }
}

} // namespace
