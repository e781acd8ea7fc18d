#include <array>
#include <random>
#include <set>
#include <string>

#include "core/fakes.h"
#include "flow/answering.h"
#include "flow/feedback.h"
#include "drill/pool.h"
#include "drill/posing.h"

namespace sb::test {
namespace {

// A simulated pupil answers right, answers wrong or lets the ShockClock run out, and closes the
// pop-ups by answering or by waiting; every step must keep the engine's invariants.
class SimulatedDrill {
public:
    SimulatedDrill() : m_random(20240607), m_pupil(4711)
    {
        LoadOriginalDefaults(m_program.settings);
        m_program.cur() = m_program.settings.defaultSettings;
    }

    void newDrill(std::int16_t operation)
    {
        DrillSettings& s = m_program.cur();
        s.operation = operation;
        s.stopOn = 5;
        s.repeatWithin() = static_cast<std::int16_t>(pick(5) + 1);
        s.removeOverridesRepeat() = static_cast<std::int16_t>(pick(2));
        s.popupSeconds() = static_cast<std::int16_t>(pick(4));
        for (std::size_t g = 1; g <= 4; ++g) {
            s.firstRange[g] = static_cast<std::int16_t>(pick(2));
        }
        for (std::size_t n = 1; n <= 10; ++n) {
            s.secondNum[n] = static_cast<std::int16_t>(pick(2));
        }
        if (operation == Op10Sub) {
            // As the main window locks it, with something to pose.
            s.firstRange = {0, 1, 0, 0, 0};
            s.secondNum[static_cast<std::size_t>(pick(9) + 1)] = 1;
        }
        fixSelectionValues(s);
        m_program.settings.startSettings = s;

        Drill& d = m_program.drill;
        d.repeatDelay = 0;
        d.repeatCount = 0;
        ResetCounters(d);
        BuildFacts(d, s, m_random);
        BuildPool(d, s, 0, 0);
        for (std::size_t i = 1; i <= 3; ++i) {
            m_program.main.but[i].enabled = true;
        }
        ASSERT_TRUE(NextProblem(m_program));
        checkPosed();
    }

    void endOneProblem()
    {
        Program& p = m_program;
        Drill& d = p.drill;
        const std::int32_t totalBefore = d.total;
        d.shockLeft = static_cast<std::int16_t>(pick(p.cur().shockSeconds() + 1));
        const int action = pick(10);
        if (action < 5) {
            but_click(p, d.rightSlot);
        } else if (action < 8) {
            but_click(p, pick(2) == 0 ? d.wrongSlot1 : d.wrongSlot2);
        } else {
            d.shockLeft = 0;
            TimeOut(p);
        }
        if (action >= 5) {
            ASSERT_EQ(p.main.modal, Modal::Feedback);
            closePopup();
        }
        ASSERT_EQ(p.main.modal, Modal::None);
        ASSERT_EQ(d.total, totalBefore + 1);
        checkPosed();
    }

private:
    int pick(int n) { return static_cast<int>(m_pupil() % static_cast<unsigned>(n)); }

    void closePopup()
    {
        Program& p = m_program;
        const bool waits = p.cur().popupSeconds() > 0 && pick(2) == 0;
        for (int guard = 0; p.main.modal == Modal::Feedback && guard < 100; ++guard) {
            if (waits) {
                pop_timer_tick(p);
            } else if (pick(3) == 0) {
                pop_but_click(p, p.drill.wrongSlot1);
            } else {
                pop_but_click(p, p.drill.rightSlot);
            }
        }
    }

    static std::size_t at(int i) { return static_cast<std::size_t>(i); }

    void checkPosed()
    {
        const Drill& d = m_program.drill;
        const DrillSettings& s = m_program.cur();

        std::set<int> pooled;
        for (int k = 1; k <= d.poolCount; ++k) {
            const int i = d.pool[at(k)];
            ASSERT_TRUE(i >= 1 && i <= 200) << i;
            ASSERT_TRUE(pooled.insert(i).second) << "fact " << i << " pooled twice";
            const FactRec& f = d.fact(i);
            ASSERT_EQ(s.secondNum[at(f.second)], 1) << i;
            ASSERT_EQ(s.firstRange[at(f.group)], 1) << i;
        }

        ASSERT_TRUE(d.repeatCount >= 0 && d.repeatCount <= d.factCount) << d.repeatCount;
        for (int k = 1; k <= d.repeatCount; ++k) {
            const int i = d.repeatList[at(k)];
            ASSERT_TRUE(i >= 1 && i <= 200) << i;
        }

        ASSERT_TRUE(d.score >= 0 && d.score <= d.total);
        const std::set<int> slots{d.rightSlot, d.wrongSlot1, d.wrongSlot2};
        ASSERT_EQ(slots, (std::set<int>{1, 2, 3}));
        // Different texts also mean two different wrong facts.
        const std::set<std::string> texts{d.answerText[1], d.answerText[2], d.answerText[3]};
        ASSERT_EQ(texts.size(), 3u) << "fact " << d.curFact;
    }

    StdRandom m_random;
    std::mt19937 m_pupil;
    FixedClock m_clock;
    SilentSound m_sound;
    NoPictures m_pictures;
    TempDir m_dir;
    Services m_services{m_random, m_clock, m_sound, m_pictures, m_dir.path()};
    Program m_program{m_services};
};

TEST(EngineSimulation, TenThousandProblemsKeepTheInvariants)
{
    SimulatedDrill sim;
    constexpr std::array<std::int16_t, 6> kOperations{OpAdd, Op10Sub, OpSub, OpMult, OpDiv, OpDivR};
    for (int problem = 0; problem < 10000; ++problem) {
        if (problem % 500 == 0) {
            sim.newDrill(kOperations[static_cast<std::size_t>(problem / 500) % 6]);
            ASSERT_FALSE(::testing::Test::HasFatalFailure()) << "new drill at " << problem;
        }
        sim.endOneProblem();
        ASSERT_FALSE(::testing::Test::HasFatalFailure()) << "problem " << problem;
    }
}

} // namespace
} // namespace sb::test
