#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "core/fakes.h"
#include "teach/status_panel.h"

namespace sb {
namespace {

class StatusPanel : public ::testing::Test {
protected:
    void SetUp() override
    {
        LoadOriginalDefaults(p.settings);
        p.cur() = p.settings.defaultSettings;
    }

    test::ProgramFixture f;
    Program& p = f.program;
};

TEST_F(StatusPanel, OriginalDefaultsReplaceEveryLineOfAnEarlierPupil)
{
    setName(p.cur(), "Ann");
    p.cur().autoTeach = 1;
    ShowStatus(p);
    p.cur() = p.settings.defaultSettings;
    ShowStatus(p);

    const std::array<std::string, 8> expected{"Student  Default", "OnStart  Off", "Teach    Off",
                                              "Save      Off",    "MaxTime 30",   "MaxProb 200",
                                              "StopOn   Prob",    "Timer      10"};
    EXPECT_EQ(p.main.DisSet, expected);
    EXPECT_EQ(p.main.dsword, "Sumblitz1.2");
}

TEST_F(StatusPanel, NameDecidesLineZeroAndTitle)
{
    struct Row {
        const char* stored;
        const char* line0;
        const char* title;
        const char* storedAfter;
    };
    const std::vector<Row> rows{
        {"  Ann Lee", "Student  Loaded", "Ann Lee:", "Ann Lee             "},
        {"   Untitled", "Student  Untitled", "Sumblitz1.2", "Untitled            "},
        {"default", "Student  Loaded", "default:", "default             "},
        {"Default Class", "Student  Loaded", "Default Class:", "Default Class       "},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.stored);
        setName(p.cur(), row.stored);

        ShowStatus(p);

        EXPECT_EQ(p.main.DisSet[0], row.line0);
        EXPECT_EQ(p.main.dsword, row.title);
        EXPECT_EQ(std::string(p.cur().name.data(), 20), row.storedAfter);
    }
}

TEST_F(StatusPanel, LinesFollowTheSettings)
{
    struct Row {
        void (*change)(DrillSettings&);
        std::size_t line;
        const char* text;
    };
    const std::vector<Row> rows{
        {[](DrillSettings& s) { s.loadOnStart = 1; }, 1, "OnStart  On"},
        {[](DrillSettings& s) { s.autoTeach = 2; }, 2, "Teach    Off"}, // only 1 is on
        {[](DrillSettings& s) { s.maxProblems() = 1000; }, 5, "MaxProb 1000"},
        {[](DrillSettings& s) { s.stopOn = 1; }, 6, "StopOn   Time"},
        {[](DrillSettings& s) { s.stopOn = 5; }, 6, "StopOn   Off"},
        // Outside 1..5 a drill never stops by its rule, as with 5.
        {[](DrillSettings& s) { s.stopOn = 6; }, 6, "StopOn   Off"},
        {[](DrillSettings& s) { s.shockSeconds() = 7; }, 7, "Timer      7"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        p.cur() = p.settings.defaultSettings;
        row.change(p.cur());

        ShowStatus(p);

        EXPECT_EQ(p.main.DisSet[row.line], row.text);
    }
}

} // namespace
} // namespace sb
