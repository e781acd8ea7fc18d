// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/todays_practice.h"

#include <algorithm>
#include <chrono>

#include "drill/posing.h"
#include "flow/answer_log.h"
#include "flow/progress.h"
#include "records/drill_settings.h"

namespace sb {

namespace {

std::filesystem::path historyOf(const Program& p, std::string_view pupil)
{
    return p.services.dataDir / historyFileName(pupil);
}

} // namespace

PracticeChoice PracticeChoiceOf(const Program& p, std::string_view pupil)
{
    PracticeChoice c;
    if (auto opened = HistoryDb::open(historyOf(p, pupil), false); opened.db) {
        const std::int64_t minutes =
            opened.db->setting(kPracticeMinutesSetting).value_or(kPracticeMinutesDefault);
        c.minutes = static_cast<int>(
            std::clamp<std::int64_t>(minutes, kPracticeMinutesMin, kPracticeMinutesMax));
        c.byDefault = opened.db->setting(kPracticeDefaultSetting).value_or(0) != 0;
        c.problems = static_cast<int>(std::clamp<std::int64_t>(
            opened.db->setting(kPracticeProblemsSetting).value_or(0), 0, kPracticeProblemsMax));
    }
    return c;
}

PracticeChoice CurrentPracticeChoice(Program& p)
{
    const std::string pupil = trimmedName(p.cur());
    if (!p.run.practiceChoice || p.run.practiceChoice->first != pupil) {
        p.run.practiceChoice = {pupil, PracticeChoiceOf(p, pupil)};
    }
    return p.run.practiceChoice->second;
}

Status SetPracticeChoice(Program& p, std::string_view pupil, PracticeChoice choice)
{
    if (PracticeChoiceOf(p, pupil) == choice) {
        return Status{}; // nothing to keep: no history is made for it
    }
    // Her last answers may still be on their way: a write beside the writer's own would wait
    // on it only briefly, and on a busy machine give up.
    FlushAnswerHistory(p);
    auto opened = HistoryDb::open(historyOf(p, pupil), true);
    if (!opened.status.ok()) {
        return opened.status; // a newer program's history is read, never written
    }
    Status kept = opened.db->setSetting(kPracticeMinutesSetting, choice.minutes);
    if (kept.ok()) {
        kept = opened.db->setSetting(kPracticeDefaultSetting, choice.byDefault ? 1 : 0);
    }
    if (kept.ok()) {
        kept = opened.db->setSetting(kPracticeProblemsSetting, choice.problems);
    }
    if (p.run.practiceChoice && p.run.practiceChoice->first == pupil) {
        p.run.practiceChoice.reset(); // read again, as it now stands
    }
    return kept;
}

PracticeSession NewPracticeSession(Program& p)
{
    const std::string pupil = trimmedName(p.cur());
    const int operation = p.cur().operation;
    // The answers of the last drill may still be on their way to her history.
    FlushAnswerHistory(p);
    std::int32_t fluentMs = kDefaultFluentMs;
    std::vector<AnswerRow> rows;
    if (auto opened = HistoryDb::open(historyPath(p), false); opened.db) {
        fluentMs = FluentMsOf(opened.db->setting(kFluentSetting));
        rows = opened.db->figureRows(operation, 0).value_or(std::vector<AnswerRow>{});
    }
    const PracticeChoice choice = PracticeChoiceOf(p, pupil);
    return PracticeSession{MemoryModel::FromHistory(rows, fluentMs),
                           PracticePlan(operation, SelectedFacts(p.cur())),
                           pupil,
                           std::int64_t{choice.minutes} * 60'000,
                           0,
                           choice.problems,
                           0,
                           std::nullopt};
}

bool PosePracticeFact(Program& p)
{
    PracticeSession& s = *p.practice;
    const PlanChoice choice =
        s.plan.choose(s.model, p.services.clock.utcMillis(), p.services.random);
    if (choice.fact < 1 || p.drill.factCount < kFactSlots) {
        return false;
    }
    PoseFact(p.drill, p.cur(), p.services.random, static_cast<std::int16_t>(choice.fact));
    s.posedAt = p.services.clock.steadyNow();
    return true;
}

bool PracticeAnswered(Program& p, const AnswerRow& given)
{
    PracticeSession& s = *p.practice;
    s.model.answer(given.operation, given.fact, given.outcome, given.millis, given.atMs);
    s.plan.answered(given.fact, GradeOf(given.outcome, given.millis, s.model.fluentMs()),
                    p.services.random);
    if (s.posedAt) {
        // From the problem posed to its answer recorded, the pop-up included. A pause in
        // between (the window put aside with the pop-up open) counts no more than a problem's
        // own time could: the clock's seconds, the pop-up's and a minute to spare.
        const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(
                              p.services.clock.steadyNow() - *s.posedAt)
                              .count();
        const std::int64_t most =
            (std::int64_t{p.cur().shockSeconds()} + p.cur().popupSeconds() + 60) * 1000;
        s.spentMs += std::clamp<std::int64_t>(took, 0, most);
        s.posedAt.reset();
    }
    ++s.answered;
    return s.limitProblems > 0 ? s.answered >= s.limitProblems : s.spentMs >= s.limitMs;
}

} // namespace sb
