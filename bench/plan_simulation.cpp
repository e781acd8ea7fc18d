// SPDX-License-Identifier: GPL-3.0-or-later
// Does Today's Practice teach the multiplication table faster than the drill with Smart Repeat?
// Simulated pupils practise 5 minutes a school day with each, and we count how soon their facts
// become fluent and how many stay fluent over a holiday.
//
// The pupils do not remember by the plan's own model (that would only show the plan agreeing
// with itself) but by ACT-R's declarative memory with spacing-dependent decay:
//   Pavlik, P. I. & Anderson, J. R. (2005). Practice and forgetting effects on vocabulary
//   memory: an activation-based model of the spacing effect. Cognitive Science 29, 559-586.
//   Pavlik, P. I. & Anderson, J. R. (2008). Using a model to compute the optimal schedule of
//   practice. Journal of Experimental Psychology: Applied 14, 101-117.
// Every presentation i of a fact leaves a trace; at time t the fact's activation is
//   m = beta + ln(sum_i age_i^-d_i),  d_i = c e^(m_(i-1)) + a,
// with m_(i-1) its activation when presentation i came (d_1 = a). It is recalled with
// probability 1 / (1 + e^((tau - m) / s)), in F e^-m + a fixed time; a failed retrieval takes
// F e^-tau + the fixed time. Between school days psychological time runs at h times the clock's.
// Parameters of the 2005 fit: c = 0.217, a = 0.177, tau = -0.704, s = 0.255, h = 0.025; latency
// F = 2.161 s, fixed time 0.509 s. beta, each fact's ease for one pupil, is drawn from a normal
// distribution of mean 0 and deviation 0.3 (our choice: the papers fit it per item and pupil).
//
// Both arms are the program's own code: the drill is BuildFacts, BuildPool, NextProblem,
// CountAnswer/CountTimeOut, RecordFactAnswer and StopRuleEnds with the original defaults, a new
// drill each school day (the defaults keep no fact file) and whenever the stop rule ends one;
// the plan is MemoryModel and PracticePlan, graded with a fluency threshold of 3 s.
//
// A problem costs its answer time (10 s for a time-out), the 5 s pop-up after a wrong answer or
// a time-out, and 1 s to read it and move on. A fact not recalled is answered wrong when she
// gives up (half the time) or left to time out; its pop-up is a presentation. 7 x 8 and 8 x 7
// are two facts to her, as to the plan. A fact counts as fluent when her recall is at least 0.9
// and her answer time at most 3 s, at midnight after each school day.
//
//   plan_simulation [--seeds FIRST-LAST] [--target RECALL]
// Tune on seeds 1-500; report on 501-1000 (the default).

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "drill/answering.h"
#include "drill/pool.h"
#include "drill/posing.h"
#include "plan/memory_model.h"
#include "plan/practice_plan.h"
#include "records/fact_table.h"

namespace {

// ACT-R, Pavlik & Anderson (2005).
constexpr double kDecayScale = 0.217;  // c
constexpr double kDecayFloor = 0.177;  // a
constexpr double kThreshold = -0.704;  // tau
constexpr double kNoise = 0.255;       // s
constexpr double kBetweenDays = 0.025; // h
constexpr double kLatencyScale = 2.161;
constexpr double kLatencyFixed = 0.509;
constexpr double kEaseDeviation = 0.3;

// The school and the program.
constexpr int kOperation = 4; // multiplication
constexpr int kSchoolDays = 60;
constexpr int kHolidayDays = 14;
constexpr double kSessionSeconds = 300.0;
constexpr double kOverheadSeconds = 1.0; // reading the problem out of the answer, the click
constexpr std::int32_t kFluentMs = 3000;
constexpr int kFluentGoal = 90;
constexpr std::int64_t kDayMs = 86'400'000;
constexpr std::int64_t kFirstMorningMs = 1'767'603'600'000; // Monday 2026-01-05 09:00 UTC

struct Answer {
    sb::AnswerOutcome outcome = sb::AnswerOutcome::Right;
    double seconds = 0.0; // from the problem shown to the answer (or the time-out)
};

// One simulated pupil's memory of the 100 facts.
class Pupil {
public:
    explicit Pupil(std::uint64_t seed) : m_random(seed)
    {
        std::normal_distribution<double> ease(0.0, kEaseDeviation);
        for (double& b : m_ease) {
            b = ease(m_random);
        }
    }

    double activation(int fact, double now) const
    {
        const auto& traces = m_traces[static_cast<std::size_t>(fact)];
        if (traces.empty()) {
            return -INFINITY;
        }
        double sum = 0.0;
        for (const Trace& t : traces) {
            sum += std::exp(-t.decay * std::log(std::max(now - t.at, 0.05)));
        }
        return m_ease[static_cast<std::size_t>(fact)] + std::log(sum);
    }

    static double recallChance(double m)
    {
        return 1.0 / (1.0 + std::exp((kThreshold - m) / kNoise));
    }
    static double latency(double m) { return kLatencyScale * std::exp(-m) + kLatencyFixed; }

    // The pupil's answer at psychological time now; the problem times out after shockSeconds.
    Answer respond(int fact, double now, double shockSeconds)
    {
        const double m = activation(fact, now);
        if (m_uniform(m_random) < recallChance(m)) {
            const double t = latency(m);
            return t < shockSeconds ? Answer{sb::AnswerOutcome::Right, t}
                                    : Answer{sb::AnswerOutcome::TimeOut, shockSeconds};
        }
        // Nothing comes to mind: she presses a wrong answer when she gives up, or waits.
        if (m_uniform(m_random) < 0.5) {
            return {sb::AnswerOutcome::Wrong, std::min(shockSeconds, latency(kThreshold))};
        }
        return {sb::AnswerOutcome::TimeOut, shockSeconds};
    }

    // A presentation: a right answer, or the answer shown after a wrong one.
    void present(int fact, double now)
    {
        const double m = activation(fact, now);
        const double decay = std::isinf(m) ? kDecayFloor : kDecayScale * std::exp(m) + kDecayFloor;
        m_traces[static_cast<std::size_t>(fact)].push_back({now, decay});
    }

    bool fluent(int fact, double now) const
    {
        const double m = activation(fact, now);
        return recallChance(m) >= 0.9 && latency(m) <= kFluentMs / 1000.0;
    }

private:
    struct Trace {
        double at;
        double decay;
    };
    std::mt19937_64 m_random;
    std::uniform_real_distribution<double> m_uniform{0.0, 1.0};
    std::array<double, 201> m_ease{};
    std::array<std::vector<Trace>, 201> m_traces{};
};

sb::DrillSettings multiplicationSettings()
{
    sb::Settings all;
    sb::LoadOriginalDefaults(all);
    sb::DrillSettings s = all.defaultSettings;
    s.operation = kOperation;
    return s; // first numbers 1..10 and all ten second numbers, as the defaults have them
}

// The drill as the program runs it, Auto Teach off.
class DrillArm {
public:
    explicit DrillArm(std::uint64_t seed) : m_settings(multiplicationSettings()), m_random(seed) {}

    void startDay(std::int64_t) { newDrill(); }
    int next(std::int64_t)
    {
        if (!sb::NextProblem(m_drill, m_settings, m_random)) {
            std::abort();
        }
        // Switch A/B shows some problems turned around: she reads and recalls that one.
        const int f = m_drill.curFact;
        return m_drill.posedTurnedAround ? sb::TurnAroundOf(kOperation, f) : f;
    }
    void answered(const Answer& a, std::int64_t)
    {
        if (a.outcome == sb::AnswerOutcome::TimeOut) {
            sb::CountTimeOut(m_drill, m_settings);
        } else {
            // The ShockClock counts whole seconds down.
            m_drill.shockLeft =
                static_cast<std::int16_t>(m_settings.shockSeconds() - std::floor(a.seconds));
            const bool right = a.outcome == sb::AnswerOutcome::Right;
            sb::CountAnswer(m_drill, m_settings, right ? m_drill.rightSlot : m_drill.wrongSlot1);
        }
        sb::RecordFactAnswer(m_drill, m_settings);
        if (sb::StopRuleEnds(m_settings, m_drill)) {
            newDrill();
        }
    }
    double shockSeconds() const { return m_settings.shockSeconds(); }
    double popupSeconds() const { return m_settings.popupSeconds(); }

private:
    // What Start does for a drill that cannot be resumed.
    void newDrill()
    {
        m_drill.repeatDelay = 0;
        m_drill.repeatCount = 0;
        sb::ResetCounters(m_drill);
        sb::BuildFacts(m_drill, m_settings, m_random);
        sb::BuildPool(m_drill, m_settings, sb::PoolMode::ResetAll, 0);
    }
    sb::DrillSettings m_settings;
    sb::StdRandom m_random;
    sb::Drill m_drill;
};

// Today's Practice: one plan a day over the pupil's memory model.
class PlanArm {
public:
    PlanArm(std::uint64_t seed, double target)
        : m_settings(multiplicationSettings()), m_random(seed), m_target(target),
          m_facts(sb::SelectedFacts(m_settings))
    {
    }

    void startDay(std::int64_t) { m_plan.emplace(kOperation, m_facts, m_target); }
    int next(std::int64_t nowMs)
    {
        m_fact = m_plan->choose(m_model, nowMs, m_random).fact;
        return m_fact;
    }
    void answered(const Answer& a, std::int64_t atMs)
    {
        const auto millis = static_cast<std::int32_t>(std::lround(a.seconds * 1000.0));
        m_model.answer(kOperation, m_fact, a.outcome, millis, atMs);
        m_plan->answered(m_fact, sb::GradeOf(a.outcome, millis, kFluentMs), m_random);
    }
    double shockSeconds() const { return m_settings.shockSeconds(); }
    double popupSeconds() const { return m_settings.popupSeconds(); }

private:
    sb::DrillSettings m_settings;
    sb::StdRandom m_random;
    double m_target;
    std::vector<int> m_facts;
    sb::MemoryModel m_model{kFluentMs};
    std::optional<sb::PracticePlan> m_plan;
    int m_fact = 0;
};

struct PupilResult {
    std::array<int, kSchoolDays + 1> fluentByDay{};     // at the end of school day 1..60
    std::array<double, kSchoolDays + 1> minutesByDay{}; // practised until then
    int afterHoliday = 0;

    // Minutes of practice until `goal` facts were fluent; never: 60 days of 5 minutes.
    std::optional<double> minutesTo(int goal) const
    {
        for (int day = 1; day <= kSchoolDays; ++day) {
            if (fluentByDay[static_cast<std::size_t>(day)] >= goal) {
                return minutesByDay[static_cast<std::size_t>(day)];
            }
        }
        return std::nullopt;
    }
};

// Both clocks of a pupil: the real one (for the program) and her psychological one.
struct Time {
    std::int64_t realMs = 0;
    double psych = 0.0;
    void advanceSeconds(double s)
    {
        realMs += std::llround(s * 1000.0);
        psych += s;
    }
    void advanceBreakTo(std::int64_t ms)
    {
        psych += kBetweenDays * static_cast<double>(ms - realMs) / 1000.0;
        realMs = ms;
    }
};

int fluentFacts(const Pupil& pupil, const std::vector<int>& facts, double now)
{
    return static_cast<int>(
        std::count_if(facts.begin(), facts.end(), [&](int f) { return pupil.fluent(f, now); }));
}

template <class Arm> PupilResult simulate(Arm& arm, Pupil& pupil)
{
    const std::vector<int> facts = sb::SelectedFacts(multiplicationSettings());
    PupilResult result;
    Time time{kFirstMorningMs, 0.0};
    double practised = 0.0;
    for (int day = 1; day <= kSchoolDays; ++day) {
        const int calendarDay = (day - 1) + 2 * ((day - 1) / 5); // weekends off
        time.advanceBreakTo(kFirstMorningMs + calendarDay * kDayMs);
        arm.startDay(time.realMs);
        double spent = 0.0;
        while (spent < kSessionSeconds) {
            const int fact = arm.next(time.realMs);
            const Answer a = pupil.respond(fact, time.psych, arm.shockSeconds());
            time.advanceSeconds(a.seconds);
            pupil.present(fact, time.psych);
            arm.answered(a, time.realMs);
            const bool right = a.outcome == sb::AnswerOutcome::Right;
            const double after = (right ? 0.0 : arm.popupSeconds()) + kOverheadSeconds;
            time.advanceSeconds(after);
            spent += a.seconds + after;
        }
        practised += spent;
        result.minutesByDay[static_cast<std::size_t>(day)] = practised / 60.0;
        // Counted at midnight, not straight after the practice.
        const std::int64_t midnight = kFirstMorningMs + calendarDay * kDayMs + 15 * 3'600'000LL;
        const double psychMidnight =
            time.psych + kBetweenDays * static_cast<double>(midnight - time.realMs) / 1000.0;
        result.fluentByDay[static_cast<std::size_t>(day)] =
            fluentFacts(pupil, facts, psychMidnight);
    }
    time.advanceBreakTo(time.realMs + kHolidayDays * kDayMs);
    result.afterHoliday = fluentFacts(pupil, facts, time.psych);
    return result;
}

struct Options {
    int first = 501;
    int last = 1000;
    double target = sb::kPlanTargetRecall;
};

Options parse(int argc, char** argv)
{
    Options o;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string flag = argv[i];
        if (flag == "--seeds" && std::sscanf(argv[i + 1], "%d-%d", &o.first, &o.last) == 2) {
            continue;
        }
        if (flag == "--target") {
            o.target = std::atof(argv[i + 1]);
            continue;
        }
        std::fprintf(stderr, "usage: plan_simulation [--seeds FIRST-LAST] [--target RECALL]\n");
        std::exit(2);
    }
    return o;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n == 0 ? 0.0 : n % 2 == 1 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0;
}

struct Figures {
    double minutes90 = 0.0, minutes50 = 0.0; // medians
    int never90 = 0, never50 = 0;            // pupils who never got there
    double day5 = 0.0, day10 = 0.0, day30 = 0.0, day60 = 0.0, holiday = 0.0;
};

Figures figuresOf(const std::vector<PupilResult>& results)
{
    const auto med = [&](auto field) {
        std::vector<double> v;
        for (const PupilResult& r : results) {
            v.push_back(field(r));
        }
        return median(std::move(v));
    };
    const auto minutes = [&](int goal) {
        return med([goal](const PupilResult& r) {
            return r.minutesTo(goal).value_or(kSchoolDays * kSessionSeconds / 60.0);
        });
    };
    const auto never = [&](int goal) {
        return static_cast<int>(std::count_if(results.begin(), results.end(),
                                              [goal](auto& r) { return !r.minutesTo(goal); }));
    };
    Figures f;
    f.minutes90 = minutes(kFluentGoal), f.never90 = never(kFluentGoal);
    f.minutes50 = minutes(50), f.never50 = never(50);
    f.day5 = med([](const PupilResult& r) { return r.fluentByDay[5]; });
    f.day10 = med([](const PupilResult& r) { return r.fluentByDay[10]; });
    f.day30 = med([](const PupilResult& r) { return r.fluentByDay[30]; });
    f.day60 = med([](const PupilResult& r) { return r.fluentByDay[60]; });
    f.holiday = med([](const PupilResult& r) { return r.afterHoliday; });
    return f;
}

} // namespace

int main(int argc, char** argv)
{
    const Options o = parse(argc, argv);
    const auto started = std::chrono::steady_clock::now();
    const int count = std::max(0, o.last - o.first + 1);
    std::vector<PupilResult> drill(static_cast<std::size_t>(count));
    std::vector<PupilResult> plan(static_cast<std::size_t>(count));
    const auto work = [&](int part) {
        for (int i = part; i < count; i += 2) {
            const auto seed = static_cast<std::uint64_t>(o.first + i);
            // The same pupil (the same ease of each fact) in both arms.
            Pupil drillPupil(seed * 7919 + 1);
            DrillArm drillArm(seed * 7919 + 2);
            drill[static_cast<std::size_t>(i)] = simulate(drillArm, drillPupil);
            Pupil planPupil(seed * 7919 + 1);
            PlanArm planArm(seed * 7919 + 3, o.target);
            plan[static_cast<std::size_t>(i)] = simulate(planArm, planPupil);
        }
    };
    std::thread other(work, 1);
    work(0);
    other.join();

    const Figures d = figuresOf(drill);
    const Figures p = figuresOf(plan);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("%d simulated pupils (seeds %d-%d), multiplication 1-10 x 1-10, 5 min a school "
                "day, target recall %.2f; %.1f s\n",
                count, o.first, o.last, o.target, seconds);
    std::printf("medians  minutes to fluent: 90 facts (never)  50 facts (never)  "
                "fluent facts on day 5  10  30  60  after the holiday\n");
    for (const auto& [name, f] : {std::pair{"drill", d}, std::pair{"plan ", p}}) {
        std::printf(
            "%s                   %6.1f (%3d)      %6.1f (%3d)  %20.0f %3.0f %3.0f %3.0f %18.0f\n",
            name, f.minutes90, f.never90, f.minutes50, f.never50, f.day5, f.day10, f.day30, f.day60,
            f.holiday);
    }
    std::printf("plan vs drill: minutes to 90 fluent facts %.2f\u00d7, fluent after the holiday "
                "%.2f\u00d7\n",
                d.minutes90 > 0 ? p.minutes90 / d.minutes90 : 0.0,
                d.holiday > 0 ? p.holiday / d.holiday : 0.0);
    return 0;
}
