#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "core/fakes.h"
#include "teach/status_panel.h"

namespace sb {
namespace {

std::string storedName(const DrillSettings& s)
{
    return std::string(s.name.data(), s.name.size());
}

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
    p.cur().stopOn = 3;
    ShowStatus(p);
    p.cur() = p.settings.defaultSettings;
    ShowStatus(p);

    const std::array<std::string, 8> expected{"Student  Default", "OnStart  Off", "Teach    Off",
                                              "Save      Off",    "MaxTime 30",   "MaxProb 200",
                                              "StopOn   Prob",    "Timer      10"};
    EXPECT_EQ(p.main.DisSet, expected);
    EXPECT_EQ(p.main.dsword, "Sumblitz1.2");
    EXPECT_TRUE(p.main.disSetFilled);
}

TEST_F(StatusPanel, NameDecidesLineZeroAndTitle)
{
    struct Row {
        std::string stored;
        const char* line0;
        const char* title;
        const char* storedAfter; // 20 characters
    };
    const std::vector<Row> rows{
        {"Ann", "Student  Loaded", "Ann:", "Ann                 "},
        {"   Untitled", "Student  Untitled", "Sumblitz1.2", "Untitled            "},
        {"default", "Student  Loaded", "default:", "default             "},
        {"  Ann Lee", "Student  Loaded", "Ann Lee:", "Ann Lee             "},
        {"Default Class", "Student  Loaded", "Default Class:", "Default Class       "},
        {std::string("\0\0\0Bo\0\0", 7), "Student  Loaded", "Bo:", "Bo                  "},
        {"TwentyCharactersLong", "Student  Loaded",
         "TwentyCharactersLong:", "TwentyCharactersLong"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.title);
        setName(p.cur(), row.stored);
        p.main.dsword = "previous pupil:";

        ShowStatus(p);

        EXPECT_EQ(p.main.DisSet[0], row.line0);
        EXPECT_EQ(p.main.dsword, row.title);
        EXPECT_EQ(storedName(p.cur()), row.storedAfter);
    }
}

TEST_F(StatusPanel, SwitchesReadOnOnlyForOne)
{
    struct Row {
        std::int16_t value;
        const char* word;
    };
    for (const Row row : {Row{1, "On"}, Row{0, "Off"}, Row{2, "Off"}}) {
        SCOPED_TRACE(row.value);
        p.cur().loadOnStart = row.value;
        p.cur().autoTeach = row.value;
        p.cur().saveLevel() = row.value;

        ShowStatus(p);

        EXPECT_EQ(p.main.DisSet[1], std::string("OnStart  ") + row.word);
        EXPECT_EQ(p.main.DisSet[2], std::string("Teach    ") + row.word);
        EXPECT_EQ(p.main.DisSet[3], std::string("Save      ") + row.word);
    }
}

TEST_F(StatusPanel, StopOnWord)
{
    // Only 1..5 have words of their own; every other value never stops a drill, like 5.
    struct Row {
        std::int16_t stopOn;
        const char* line;
    };
    const std::vector<Row> rows{
        {1, "StopOn   Time"}, {2, "StopOn   Prob"}, {3, "StopOn   Either"}, {4, "StopOn   Both"},
        {5, "StopOn   Off"},  {6, "StopOn   Off"},  {0, "StopOn   Off"},    {-1, "StopOn   Off"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.stopOn);
        p.cur().stopOn = row.stopOn;

        ShowStatus(p);

        EXPECT_EQ(p.main.DisSet[6], row.line);
    }
}

TEST_F(StatusPanel, NumbersArePlainDecimal)
{
    p.cur().maxMinutes() = 5;
    p.cur().maxProblems() = 1000;
    p.cur().shockSeconds() = 7;

    ShowStatus(p);

    EXPECT_EQ(p.main.DisSet[4], "MaxTime 5");
    EXPECT_EQ(p.main.DisSet[5], "MaxProb 1000");
    EXPECT_EQ(p.main.DisSet[7], "Timer      7");
}

} // namespace
} // namespace sb
