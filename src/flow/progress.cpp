// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/progress.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>

#include "plan/practice_plan.h"
#include "records/drill_settings.h"
#include "records/fact_table.h"
#include "records/operations.h"

namespace sb {

namespace {

constexpr std::int64_t kDayMs = 86'400'000;

// The median of a few times as a spreadsheet's MEDIAN gives it: the middle one, or the mean
// of the middle two of an even count (to the millisecond, half up).
std::int32_t median(std::vector<std::int32_t> ms)
{
    if (ms.empty()) {
        return 0;
    }
    const auto upper = ms.begin() + static_cast<std::ptrdiff_t>(ms.size() / 2);
    std::nth_element(ms.begin(), upper, ms.end());
    if (ms.size() % 2 == 1) {
        return *upper;
    }
    const std::int32_t lower = *std::max_element(ms.begin(), upper);
    return static_cast<std::int32_t>((std::int64_t{lower} + *upper + 1) / 2);
}

// a / b rounded down, for b > 0: a time before 1970 falls on the day before, not on day 0.
std::int64_t floorDiv(std::int64_t a, std::int64_t b)
{
    const std::int64_t q = a / b;
    return q * b > a ? q - 1 : q;
}

FluencyCell& cellOf(FluencyGrid& g, int fact)
{
    const auto row = static_cast<std::size_t>((fact - 1) % 20 + 1);
    const auto column = static_cast<std::size_t>((fact - 1) / 20 + 1);
    return g.cell[row][column];
}

} // namespace

FluencyCell JudgeFact(std::span<const AnswerRow> newestFirst, std::int32_t fluentMs)
{
    const auto last = newestFirst.first(std::min<std::size_t>(newestFirst.size(), kFluencyWindow));
    FluencyCell c;
    c.answers = static_cast<int>(last.size());
    if (last.empty()) {
        return c;
    }
    std::vector<std::int32_t> times;
    int wrong = 0;
    for (const AnswerRow& r : last) {
        times.push_back(r.millis);
        wrong += r.outcome == AnswerOutcome::Right ? 0 : 1;
    }
    c.medianMs = median(times);
    const auto run = last.first(std::min<std::size_t>(last.size(), kFluentRun));
    const bool fluent = std::all_of(run.begin(), run.end(), [&](const AnswerRow& r) {
        return r.outcome == AnswerOutcome::Right && r.millis <= fluentMs;
    });
    c.fluency = wrong * 2 >= c.answers ? Fluency::OftenWrong
                : fluent               ? Fluency::Fluent
                                       : Fluency::Slow;
    return c;
}

int FluencyGrid::count(Fluency f) const
{
    int n = 0;
    for (std::size_t r = 1; r <= 20; ++r) {
        for (std::size_t c = 1; c <= 10; ++c) {
            n += cell[r][c].fluency == f ? 1 : 0;
        }
    }
    return n;
}

std::int32_t FluentMsOf(std::optional<std::int64_t> stored, std::int32_t otherwise)
{
    return stored && *stored >= kFluentMinMs && *stored <= kFluentMaxMs
               ? static_cast<std::int32_t>(*stored)
               : otherwise;
}

FluencyGrid GridFromRecent(const HistoryDb::RecentByFact& recent, std::int32_t fluentMs)
{
    FluencyGrid g;
    for (int fact = 1; fact <= kFactSlots; ++fact) {
        cellOf(g, fact) = JudgeFact(recent[static_cast<std::size_t>(fact)], fluentMs);
    }
    return g;
}

Phrase FluencyName(Fluency f)
{
    switch (f) {
    case Fluency::Fluent:
        return Phrase::Fluent;
    case Fluency::Slow:
        return Phrase::Slow;
    case Fluency::OftenWrong:
        return Phrase::OftenWrong;
    case Fluency::NeverAsked:
        break;
    }
    return Phrase::NeverAsked;
}

std::string Seconds(std::int32_t ms)
{
    const std::int32_t tenths = (ms + 50) / 100;
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

std::string ProblemText(const AnswerRow& r)
{
    return std::to_string(r.first) + std::string(OperationOf(r.operation).kept) +
           std::to_string(r.second);
}

std::string Confusion::text() const
{
    std::string out = problem + ":";
    for (std::size_t i = 0; i < chosen.size(); ++i) {
        out += (i == 0 ? " " : ", ") + chosen[i].first + " \xD7" + std::to_string(chosen[i].second);
    }
    return out;
}

std::vector<Confusion> Confusions(std::span<const AnswerRow> rows, std::int64_t sinceMs,
                                  std::size_t most)
{
    std::map<int, std::map<std::string, int>> byFact;
    std::map<int, std::string> problem;
    for (const AnswerRow& r : rows) {
        if (r.atMs >= sinceMs && r.outcome == AnswerOutcome::Wrong) {
            ++byFact[r.fact][r.chosen];
            problem[r.fact] = ProblemText(r);
        }
    }
    std::vector<Confusion> out;
    for (const auto& [fact, answers] : byFact) {
        Confusion c{problem[fact], 0, {answers.begin(), answers.end()}};
        for (const auto& a : answers) {
            c.wrong += a.second;
        }
        std::stable_sort(c.chosen.begin(), c.chosen.end(),
                         [](const auto& a, const auto& b) { return a.second > b.second; });
        out.push_back(std::move(c));
    }
    std::stable_sort(out.begin(), out.end(),
                     [](const Confusion& a, const Confusion& b) { return a.wrong > b.wrong; });
    if (out.size() > most) {
        std::size_t keep = most;
        while (keep > 0 && keep < out.size() && out[keep].wrong == out[most - 1].wrong) {
            ++keep; // the rest of a tie
        }
        out.resize(keep);
    }
    return out;
}

std::vector<PractiseItem> PractiseNext(const HistoryDb::RecentByFact& recent, std::int32_t fluentMs)
{
    std::vector<PractiseItem> out;
    for (const auto& answers : recent) {
        const FluencyCell cell = JudgeFact(answers, fluentMs);
        if (cell.fluency == Fluency::OftenWrong || cell.fluency == Fluency::Slow) {
            out.push_back({ProblemText(answers.front()), cell});
        }
    }
    std::ranges::stable_sort(out, [](const PractiseItem& a, const PractiseItem& b) {
        const bool aWrong = a.cell.fluency == Fluency::OftenWrong;
        const bool bWrong = b.cell.fluency == Fluency::OftenWrong;
        return aWrong != bWrong ? aWrong : a.cell.medianMs > b.cell.medianMs;
    });
    return out;
}

SpanFigures FiguresBetween(std::span<const AnswerRow> rows, std::int64_t fromMs, std::int64_t toMs)
{
    SpanFigures f;
    for (const AnswerRow& r : rows) {
        if (r.atMs >= fromMs && r.atMs < toMs) {
            ++f.answers;
            f.right += r.outcome == AnswerOutcome::Right ? 1 : 0;
            f.practiseMs += r.millis;
        }
    }
    return f;
}

std::int64_t MinutesOf(std::int64_t ms)
{
    return (ms + 30'000) / 60'000;
}

std::string DateOfDay(std::int64_t day)
{
    // Days to a civil date (proleptic Gregorian), after H. Hinnant's days_from_civil inverse.
    const std::int64_t z = day + 719468;
    const std::int64_t era = floorDiv(z, 146097);
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const std::int64_t d = doy - (153 * mp + 2) / 5 + 1;
    const std::int64_t m = mp < 10 ? mp + 3 : mp - 9;
    const std::int64_t y = yoe + era * 400 + (m <= 2 ? 1 : 0);
    const auto two = [](std::int64_t n) {
        std::string digits(n < 10 ? 1 : 0, '0'); // not "0" + ...: see PadNumber
        digits += std::to_string(n);
        return digits;
    };
    return std::to_string(y) + "-" + two(m) + "-" + two(d);
}

int PercentOf(std::int64_t right, std::int64_t answers)
{
    return static_cast<int>((right * 200 + answers) / (answers * 2));
}

std::vector<DayFigures> DayAggregates(std::span<const AnswerRow> rows, std::int64_t sinceMs,
                                      std::int32_t offsetSeconds)
{
    std::vector<DayFigures> out;
    std::vector<std::int32_t> times;
    const auto close = [&] {
        if (!out.empty()) {
            DayFigures& d = out.back();
            d.percentRight = PercentOf(d.right, d.answers);
            d.practiseMs = 0;
            for (const std::int32_t ms : times) {
                d.practiseMs += ms;
            }
            d.medianMs = median(std::move(times));
            times.clear();
        }
    };
    for (const AnswerRow& r : rows) {
        if (r.atMs < sinceMs) {
            continue;
        }
        const std::int64_t day = floorDiv(r.atMs + std::int64_t{offsetSeconds} * 1000, kDayMs);
        if (out.empty() || out.back().day != day) {
            close();
            out.push_back(DayFigures{day, DateOfDay(day)});
        }
        ++out.back().answers;
        out.back().right += r.outcome == AnswerOutcome::Right ? 1 : 0;
        times.push_back(r.millis);
    }
    close();
    return out;
}

std::int64_t PeriodStart(Period period, std::int64_t nowMs, std::int32_t offsetSeconds)
{
    if (period == Period::All) {
        return 0;
    }
    const std::int64_t offsetMs = std::int64_t{offsetSeconds} * 1000;
    const std::int64_t today = floorDiv(nowMs + offsetMs, kDayMs);
    const std::int64_t back = period == Period::Last30Days ? 29 : 89;
    return (today - back) * kDayMs - offsetMs;
}

Reviews ReviewsOf(const MemoryModel& model, int operation, std::int64_t nowMs,
                  std::int32_t offsetSeconds)
{
    const std::int64_t offsetMs = std::int64_t{offsetSeconds} * 1000;
    Reviews out;
    out.today = floorDiv(nowMs + offsetMs, kDayMs);
    std::vector<int> facts(kFactSlots);
    std::iota(facts.begin(), facts.end(), 1);
    out.dueToday =
        DueBefore(model, operation, facts, (out.today + 1) * kDayMs - offsetMs, kReviewRecall);
    for (const int fact : facts) {
        // Its own answers only: a turn-around known from its partner's is still new to the plan.
        if (model.memory(operation, fact).answers == 0) {
            continue;
        }
        const std::int64_t due = model.dueMs(operation, fact, kReviewRecall);
        out.fact[static_cast<std::size_t>(fact)] = {
            true, static_cast<int>(std::lround(model.recall(operation, fact, nowMs) * 100)),
            std::max(out.today, floorDiv(due + offsetMs, kDayMs))};
    }
    return out;
}

void LoadProgress(ProgressModel& m, const std::filesystem::path& history, std::int64_t nowMs,
                  std::int32_t offsetSeconds)
{
    m.rows.clear();
    m.recent = {};
    m.status = {};
    auto opened = HistoryDb::open(history, false);
    if (!opened.db) {
        m.status = {opened.status.code() == StatusCode::Missing ? MessageId::NoAnswersYet
                                                                : MessageId::HistoryUnread,
                    {m.pupil}};
    } else {
        const HistoryDb::ReadTogether together(*opened.db);
        m.fluentMs = FluentMsOf(opened.db->setting(kFluentSetting), m.fluentMs);
        auto recent = opened.db->recent(m.operation, kFluencyWindow, true);
        auto rows = opened.db->figureRows(m.operation, 0);
        if (recent && rows) {
            m.recent = std::move(*recent);
            m.rows = std::move(*rows);
        } else {
            m.status = {MessageId::HistoryUnread, {m.pupil}};
        }
    }
    Recompute(m, nowMs, offsetSeconds);
}

void Recompute(ProgressModel& m, std::int64_t nowMs, std::int32_t offsetSeconds)
{
    const std::int64_t since = PeriodStart(m.period, nowMs, offsetSeconds);
    m.grid = GridFromRecent(m.recent, m.fluentMs);
    m.confusions = Confusions(m.rows, since, 12);
    m.practiseNext = PractiseNext(m.recent, m.fluentMs);
    m.days = DayAggregates(m.rows, since, offsetSeconds);
    // Weeks of local days: today and the six before, then the seven before those.
    const std::int64_t week = PeriodStart(Period::Last30Days, nowMs, offsetSeconds) + 23 * kDayMs;
    m.thisWeek = FiguresBetween(m.rows, week, INT64_MAX);
    m.lastWeek = FiguresBetween(m.rows, week - 7 * kDayMs, week);
    m.reviews =
        ReviewsOf(MemoryModel::FromHistory(m.rows, m.fluentMs), m.operation, nowMs, offsetSeconds);
}

} // namespace sb
