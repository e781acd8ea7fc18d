#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/fakes.h"
#include "drill/pool.h"
#include "records/fact_table.h"
#include "teach/auto_teach.h"

// A pupil who never makes a mistake climbs the whole Auto Teach ladder, from Add 1..10 to the
// congratulation after DivR. The drill engine is played here at the level of its rules: the
// first fact of the pool is posed, answered right at once, counted, retired after removeStreak
// right answers in a row, and the row's percentage is kept over the last averageOver answers.

namespace sb {
namespace {

std::size_t at(int i)
{
    return static_cast<std::size_t>(i);
}

// The running percentage of a second number: a count of right answers until averageOver
// answers, then their percentage, then a moving average rounded down (12 right of 14 is 12,
// a 15th right answer makes 86).
void rowPercent(DrillSettings& s, int n, int right)
{
    const int count = s.answerCount(n) + 1;
    const int over = s.averageOver();
    int percent = s.percentCorrect(n);
    if (count > over) {
        percent = ((over - 1) * percent + right * 100) / over;
    } else {
        percent += right;
        if (count == over) {
            percent = percent * 100 / over;
        }
    }
    s.answerCount(n) = static_cast<std::int16_t>(count);
    s.percentCorrect(n) = static_cast<std::int16_t>(percent);
}

struct Event {
    int step;
    std::string text;
};

class Pupil {
public:
    explicit Pupil(test::ProgramFixture& f, std::int16_t removeStreak = 6) : m_f(f), p(f.program)
    {
        LoadOriginalDefaults(p.settings);
        DrillSettings& s = p.cur();
        s = p.settings.defaultSettings;
        s.autoTeach = 1;
        s.stopOn = 5;
        // With a streak of 6 every second number of a three-fact range (11..13) is answered
        // 18 times, enough to begin the next one by its percentage before it is mastered.
        s.removeStreak() = removeStreak;
        s.secondNum = {};
        s.secondNum[1] = 1;
        // Start of a new drill.
        p.settings.startSettings = s;
        p.drill.repeatCount = 0;
        ResetCounters(p.drill);
        BuildFacts(p.drill, s, m_f.random);
        BuildPool(p.drill, s, 0, 0);
    }

    // One problem answered right and recorded; false once Auto Teach has finished.
    bool answer()
    {
        DrillSettings& s = p.cur();
        Drill& d = p.drill;
        if (d.poolCount < 1) {
            BuildPool(d, s, 1, 0);
        }
        if (d.poolCount < 1) {
            ADD_FAILURE() << "nothing left to drill at step " << steps;
            return false;
        }
        d.curFact = d.pool[1];
        FactRec& fact = d.current();
        ++fact.asked;
        ++fact.correct;
        ++fact.rightRun;
        d.lastRight = 1;
        ++d.total;
        ++d.score;
        const int second = fact.second;
        if (fact.rightRun >= s.removeStreak()) {
            RetireFact(d, s);
        }
        rowPercent(s, second, 1);

        const std::int16_t reviewLeftBefore = s.reviewLeft;
        const std::int16_t operationBefore = s.operation;
        const auto rangesBefore = s.firstRange;
        p.main.DsBgn.clear();
        const std::int16_t goOn = AutoTeachStep(p);
        ++steps;

        if (!p.main.DsBgn.empty()) {
            shown.push_back({steps, p.main.DsBgn});
        }
        if (reviewLeftBefore == kNoReview && s.reviewLeft != kNoReview) {
            reviewStarts.push_back(steps);
        }
        if (reviewLeftBefore != kNoReview && s.reviewLeft == kNoReview) {
            reviewEnds.push_back(steps);
        }
        if (s.operation != operationBefore || s.firstRange != rangesBefore) {
            levelChanges.push_back(steps);
            if (s.operation == Op10Sub && operationBefore != Op10Sub) {
                tenSubSeconds = 0;
                for (int n = 1; n <= 10; ++n) {
                    tenSubSeconds += s.secondNum[at(n)];
                }
            }
        }
        if (goOn != 0 && p.settings.startSettings != s) {
            ADD_FAILURE() << "startSettings not taken over at step " << steps;
        }
        return goOn != 0;
    }

    // Texts of DsBgn that name a new range, a new level or the end (all of them: every text).
    std::vector<std::string> ladder(bool all = false) const
    {
        std::vector<std::string> out;
        for (const Event& e : shown) {
            if (all || e.text.starts_with(":Begin ") || e.text.starts_with(":Level ") ||
                e.text == ":Congratulations!") {
                out.push_back(e.text);
            }
        }
        return out;
    }

    test::ProgramFixture& m_f;
    Program& p;
    int steps = 0;
    std::vector<Event> shown;
    std::vector<int> reviewStarts;
    std::vector<int> reviewEnds;
    std::vector<int> levelChanges;
    int tenSubSeconds = -1;
};

// Every DsBgn the pupil sees on the way up, review aside.
std::vector<std::string> expectedLadder(bool withBegins)
{
    const std::vector<std::string> levels{":Begin 11~13", ":Begin 14~16", ":Begin 17~20",
                                          ":Level 10Sub", ":Level Sub",   ":Begin 11~13",
                                          ":Begin 14~16", ":Begin 17~20", ":Level Mult",
                                          ":Level Div",   ":Level DivR",  ":Congratulations!"};
    std::vector<std::string> out;
    for (const std::string& level : levels) {
        // 10Sub begins all ten second numbers together and ends at the next step.
        for (int n = 2; withBegins && level != ":Level Sub" && n <= 10; ++n) {
            out.push_back("Begin: " + std::to_string(n));
        }
        out.push_back(level);
    }
    return out;
}

void expectFinished(const Pupil& pupil)
{
    const DrillSettings& s = pupil.p.cur();
    EXPECT_EQ(pupil.p.main.DsBgn, ":Congratulations!");
    EXPECT_EQ(pupil.p.main.DsEnd, "Great Job!");
    EXPECT_EQ(s.autoTeach, 0);
    EXPECT_EQ(s.operation, OpDivR);
    EXPECT_EQ(pupil.tenSubSeconds, 10);
    EXPECT_EQ(pupil.m_f.random.left(), 0u);
    // A DivR fact as built at that level: R(0.4 x 20) = 8, 8 mod 3 = 2, so 3 x 5 + 2 = 17.
    EXPECT_EQ(pupil.p.drill.fact(factIndex(3, 5)).first, 17);
    EXPECT_EQ(pupil.p.drill.fact(factIndex(3, 5)).remainder, 2);
}

// Climbs to the end and checks the finish.
void climb(Pupil& pupil)
{
    // DivR is built once, with one remainder draw per fact; no other level draws.
    for (int i = 0; i < 200; ++i) {
        pupil.m_f.random.push(0.4);
    }
    while (pupil.answer()) {
        ASSERT_LT(pupil.steps, 100000) << "the pupil never finished";
    }
    expectFinished(pupil);
}

TEST(AutoTeachLadder, PupilWhoIsAlwaysRightClimbsToTheEndWithoutReviews)
{
    test::ProgramFixture f;
    Pupil pupil(f);
    pupil.p.cur().reviewOn = 0;

    climb(pupil);

    EXPECT_EQ(pupil.ladder(true), expectedLadder(true));
    EXPECT_TRUE(pupil.reviewStarts.empty());
}

TEST(AutoTeachLadder, PupilWhoIsAlwaysRightClimbsToTheEndWithReviewsOnSchedule)
{
    test::ProgramFixture f;
    Pupil pupil(f);

    climb(pupil);

    EXPECT_EQ(pupil.ladder(), expectedLadder(false));

    // Reviews count the steps since the last review or the last change of level or range.
    ASSERT_GE(pupil.reviewStarts.size(), 5u);
    ASSERT_EQ(pupil.reviewEnds.size(), pupil.reviewStarts.size());
    std::size_t nextLevel = 0;
    int countedFrom = 0;
    for (std::size_t r = 0; r < pupil.reviewStarts.size(); ++r) {
        const int start = pupil.reviewStarts[r];
        while (nextLevel < pupil.levelChanges.size() && pupil.levelChanges[nextLevel] < start) {
            countedFrom = std::max(countedFrom, pupil.levelChanges[nextLevel]);
            ++nextLevel;
        }
        SCOPED_TRACE(::testing::Message() << "review " << r << " at step " << start);
        EXPECT_EQ(start - countedFrom, 200);
        EXPECT_EQ(pupil.reviewEnds[r] - start, 100);
        countedFrom = pupil.reviewEnds[r];
    }
    EXPECT_EQ(std::count_if(pupil.shown.begin(), pupil.shown.end(),
                            [](const Event& e) { return e.text.starts_with(":Rev 1 to "); }),
              static_cast<std::ptrdiff_t>(pupil.reviewStarts.size()));
}

// With the default streak of 2, a second number of a three-fact range is mastered after six
// answers, before averageOver answers can begin the next one. The next one then begins at once
// instead of the drill running out of facts.
TEST(AutoTeachLadder, MasteredBeforeTheNextBeganStillClimbsWithTheDefaultStreak)
{
    test::ProgramFixture f;
    Pupil pupil(f, 2);
    pupil.p.cur().reviewOn = 0;

    climb(pupil);

    EXPECT_EQ(pupil.ladder(), expectedLadder(false));
    // In 11..13 every second number was begun because the one before it was removed.
    const auto& shown = pupil.shown;
    const auto range = std::find_if(shown.begin(), shown.end(),
                                    [](const Event& e) { return e.text == ":Begin 11~13"; });
    ASSERT_NE(range, shown.end());
    const auto next =
        std::find_if(range + 1, shown.end(), [](const Event& e) { return e.text == "Begin: 2"; });
    ASSERT_NE(next, shown.end());
    EXPECT_EQ(next->step - range->step, 6) << "three facts, two right answers each";
}

} // namespace
} // namespace sb
