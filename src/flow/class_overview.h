// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "records/caption.h"
#include "records/drill_settings.h"
#include "students/answer_history.h"
#include "students/safe_file.h"

namespace sb {

// One line of the class overview: a pupil's record and what the pupil's history says of the
// last seven days (today and the six before) against the seven before them.
struct PupilOverview {
    std::string name; // trimmed, in the record files' code page
    int operation = 1;
    Caption level; // "Multiplication, 1-10 by 1-7"
    bool autoTeach = false;
    std::int64_t lastMs = 0; // the last answer; 0 for none
    std::string lastDate;    // its local date, "" for none
    std::int64_t weekAnswers = 0;
    int weekPercent = -1;       // -1 when there was no answer this week
    std::int64_t weekMs = 0;    // the week's answers' times added up: the minutes practised
    int fluentFacts = 0;        // of the current operation
    std::optional<int> trend;   // percent right this week less the week before's
    int dueToday = 0;           // facts of the current operation Today's Practice reviews today
    int fluentGained = 0;       // facts of it fluent now that were not at the week's start
    bool historyUnread = false; // the history could not be read
};

// The pupils of "StdDat.Xrx" in file order, read without changing or making any file: the
// slots the Student Data window lists (a damaged count repaired as there), named ones only.
std::vector<DrillSettings> ReadClass(const DataDir& data);

// The overview of these pupils from their histories in the data directory. fluentMs is used
// for a pupil whose history keeps no threshold of its own.
std::vector<PupilOverview> BuildClassOverview(std::span<const DrillSettings> pupils,
                                              const std::filesystem::path& dataDir,
                                              std::int64_t nowMs, std::int32_t offsetSeconds);

// "Multiplication, 1-10 by 1-7": the operation, the first-number ranges and the second
// numbers selected.
Caption LevelText(const DrillSettings& s);

// The columns the overview sorts by.
enum class OverviewColumn {
    Name,
    Level,
    AutoTeach,
    LastDrill,
    WeekAnswers,
    WeekPercent,
    WeekMinutes,
    Fluent,
    Trend,
    DueToday,
    FluentGained
};
inline constexpr int kOverviewColumns = 11;
// The caption of a column and a pupil's text in it.
Phrase OverviewHeader(OverviewColumn c);
Caption OverviewText(const PupilOverview& p, OverviewColumn c);
// Whether one pupil's name comes before another's: the byte order of the record's letters
// unless the caller knows the language's (a collation: "Émile" before "Łukasz" and "Zoë").
using NameLess = std::function<bool(const std::string&, const std::string&)>;
// Sorts by a column; pupils with nothing in it (a pupil who never drilled has no figures) go
// last in either order; ties by name.
void SortOverview(std::vector<PupilOverview>& rows, OverviewColumn c, bool descending,
                  const NameLess& nameLess = {});

// CSV as a spreadsheet on any system reads it (RFC 4180): UTF-8 after a byte-order mark,
// fields quoted when they hold a comma, a quote or a line break, a quote doubled, lines ending
// in CRLF, a header line first.
std::string CsvField(std::string_view utf8);
// A caption in the words of the teacher's language, as UTF-8; English unless the windows say.
using CsvWords = std::function<std::string(const Caption&)>;
std::string EnglishCsvWords(const Caption& c);
std::string ClassOverviewCsv(std::span<const PupilOverview> rows,
                             const CsvWords& words = EnglishCsvWords);
// How far local time is ahead of UTC at a time (milliseconds since 1970, UTC), in seconds.
using UtcOffsetAt = std::function<std::int32_t(std::int64_t)>;
// Every answer of one pupil, oldest first: the local date and time it was given and the drill
// began ("2026-12-08 14:03:05", ISO 8601, which a spreadsheet takes for a date and time in any
// language), operation, problem, right answer, answer chosen, outcome, the milliseconds it took
// (a whole number: no decimal mark for a spreadsheet to misread), Auto Teach, and the first and
// second numbers selected then.
std::string HistoryCsv(std::string_view pupil, std::span<const AnswerRow> rows,
                       const UtcOffsetAt& offsetAt, const CsvWords& words = EnglishCsvWords);

} // namespace sb
