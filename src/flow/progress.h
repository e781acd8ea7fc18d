// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "plan/memory_model.h"
#include "plan/practice_plan.h"
#include "records/caption.h"
#include "records/message.h"
#include "students/answer_history.h"

namespace sb {

// The Progress window's figures, from one pupil's answer history, for one operation: how each
// fact stands now (the fluency grid), which wrong answers the pupil keeps choosing, and how the
// days went. Plain data; the window only shows it.

// How a fact stands, judged on its last answers (at most kFluencyWindow of them).
enum class Fluency {
    NeverAsked,
    Fluent,     // the last three (or all, when fewer) right, each within the threshold
    Slow,       // mostly right, but not all of the last three right in time
    OftenWrong, // at least half of the last answers wrong or timed out
};
inline constexpr int kFluencyWindow = 5;
inline constexpr int kFluentRun = 3;
inline constexpr std::int32_t kDefaultFluentMs = 3000;
// The key of the teacher's threshold in a pupil's history, and the range the Progress window
// offers for it.
inline constexpr const char* kFluentSetting = "fluent_ms";
inline constexpr std::int32_t kFluentMinMs = 500;
inline constexpr std::int32_t kFluentMaxMs = 30000;

// The threshold kept in a history: the value stored when the window could have set it,
// otherwise `otherwise` (a damaged or hand-edited setting never judges the pupil).
std::int32_t FluentMsOf(std::optional<std::int64_t> stored,
                        std::int32_t otherwise = kDefaultFluentMs);

struct FluencyCell {
    Fluency fluency = Fluency::NeverAsked;
    std::int32_t medianMs = 0; // of the last answers' times
    int answers = 0;           // how many answers were judged
    bool operator==(const FluencyCell&) const = default;
};

// One fact judged on its last answers, newest first.
FluencyCell JudgeFact(std::span<const AnswerRow> newestFirst, std::int32_t fluentMs);

// The fact grid as the Results table lays it out: row 1..20 (the first-number value),
// column 1..10 (the second number); slot 0 unused.
struct FluencyGrid {
    std::array<std::array<FluencyCell, 11>, 21> cell{};
    int count(Fluency f) const;
};
// From the last answers of each fact of one operation, newest first.
FluencyGrid GridFromRecent(const HistoryDb::RecentByFact& recent, std::int32_t fluentMs);

// "Fluent", "Slow", "Often wrong", "Never asked".
Phrase FluencyName(Fluency f);
// Milliseconds as seconds with one decimal: 1850 -> "1.9".
std::string Seconds(std::int32_t ms);

// A fact's problem as the pupil saw it, with the operation's sign: "7 x 8", "56 / 8" (in the
// program's code page: "\xD7" and "\xF7" for times and divided by).
std::string ProblemText(const AnswerRow& r);

// The wrong answers chosen for one fact, most often first.
struct Confusion {
    std::string problem; // "7 x 8"
    int wrong = 0;       // wrong answers chosen in all (time-outs not counted)
    std::vector<std::pair<std::string, int>> chosen;
    std::string text() const; // "7 x 8: 54 x4, 48 x2"
};
// The facts answered wrongly at or after sinceMs, the most often wrong first (ties: in fact
// order), `most` of them and every other as often wrong as the last of those: a tie is never
// cut.
std::vector<Confusion> Confusions(std::span<const AnswerRow> rows, std::int64_t sinceMs,
                                  std::size_t most);

// A fact to practise next, with how it stands.
struct PractiseItem {
    std::string problem; // as last posed: "7 x 8"
    FluencyCell cell;
    bool operator==(const PractiseItem&) const = default;
};
// The facts to practise next, most urgent first: those often wrong, then those slow; in each,
// the slower (median) first, then in fact order. From each fact's last answers, newest first.
std::vector<PractiseItem> PractiseNext(const HistoryDb::RecentByFact& recent,
                                       std::int32_t fluentMs);

// The answers of a span of time: how many, how many right, and the time spent on them.
struct SpanFigures {
    int answers = 0;
    int right = 0;
    std::int64_t practiseMs = 0; // the answers' times added up: the minutes practised
    bool operator==(const SpanFigures&) const = default;
};
// The answers at or after fromMs and before toMs.
SpanFigures FiguresBetween(std::span<const AnswerRow> rows, std::int64_t fromMs, std::int64_t toMs);
// Whole minutes of practice, rounded: 90 s is 2.
std::int64_t MinutesOf(std::int64_t ms);

// right of answers in whole percent, rounded half up as a spreadsheet rounds (40 of 52: 77);
// answers > 0.
int PercentOf(std::int64_t right, std::int64_t answers);

// One local day's figures.
struct DayFigures {
    std::int64_t day = 0; // days since 1970-01-01 in local time
    std::string date;     // "2026-05-28"
    int answers = 0;      // problems answered, time-outs included
    int right = 0;
    int percentRight = 0; // rounded (PercentOf)
    std::int32_t medianMs = 0;
    std::int64_t practiseMs = 0; // the answers' times added up
    bool operator==(const DayFigures&) const = default;
};
// The days with answers at or after sinceMs, oldest first. offsetSeconds: local time ahead of
// UTC.
std::vector<DayFigures> DayAggregates(std::span<const AnswerRow> rows, std::int64_t sinceMs,
                                      std::int32_t offsetSeconds);
// "YYYY-MM-DD" of a day number.
std::string DateOfDay(std::int64_t day);

enum class Period { Last30Days, Last90Days, All };
// The first millisecond counted by the period: the start of the local day 29 (or 89) days
// before today's; 0 for All.
std::int64_t PeriodStart(Period period, std::int64_t nowMs, std::int32_t offsetSeconds);

// Where a fact stands in Today's Practice.
struct FactReview {
    bool answered = false;      // the fact itself, not only its turn-around
    int recallPercent = 0;      // the predicted chance she recalls it now, rounded
    std::int64_t reviewDay = 0; // the local day its recall falls under kReviewRecall, today
                                // at the earliest (a fact overdue is due today)
    bool operator==(const FactReview&) const = default;
};
// The predicted recall under which Today's Practice reviews a fact: the plan's own target, so
// that what Progress and the overview call due is what the next session asks.
inline constexpr double kReviewRecall = kPlanTargetRecall;

// Each fact's review, by fact index, and how many fall due by the end of the local day, from
// the pupil's memory model of one operation.
struct Reviews {
    std::array<FactReview, 201> fact{};
    int dueToday = 0;
    std::int64_t today = 0; // the local day of nowMs
};
Reviews ReviewsOf(const MemoryModel& model, int operation, std::int64_t nowMs,
                  std::int32_t offsetSeconds);

// Everything the Progress window shows.
struct ProgressModel {
    std::string pupil; // the trimmed name
    int operation = 1;
    Period period = Period::Last30Days;
    std::int32_t fluentMs = kDefaultFluentMs;
    Message status; // empty, or why there is nothing to show
    // Each fact's last answers (at most kFluencyWindow), newest first, with the numbers as
    // posed: what the grid is made of, whatever the period.
    HistoryDb::RecentByFact recent;
    // Every answer of the operation, oldest first: the memory model is made of all of them,
    // the period's figures of those in the period.
    std::vector<AnswerRow> rows;
    FluencyGrid grid;
    std::vector<Confusion> confusions;
    std::vector<PractiseItem> practiseNext;
    std::vector<DayFigures> days;
    SpanFigures thisWeek, lastWeek; // today and the six days before; the seven before those
    Reviews reviews;
};

// Reads the pupil's history (never making one) and fills the model for model.operation,
// model.period and the pupil's own threshold when the history holds one. Every answer of the
// operation is read (the memory model needs them all), with only the fields the figures use.
void LoadProgress(ProgressModel& m, const std::filesystem::path& history, std::int64_t nowMs,
                  std::int32_t offsetSeconds);
// The figures again after the threshold or the period changed. Another operation needs answers
// not read yet: LoadProgress.
void Recompute(ProgressModel& m, std::int64_t nowMs, std::int32_t offsetSeconds);

} // namespace sb
