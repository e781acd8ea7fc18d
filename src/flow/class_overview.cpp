// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/class_overview.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <utility>

#include "flow/progress.h"
#include "flow/results_table.h"
#include "plan/memory_model.h"
#include "records/codec.h"
#include "records/cp1252.h"
#include "records/fact_table.h"
#include "records/operations.h"
#include "students/record_files.h"

namespace sb {

namespace {

constexpr std::int64_t kDayMs = 86'400'000;
constexpr std::string_view kBom = "\xEF\xBB\xBF";

// "1-7" or "1, 3, 5-7" from a row of boxes 1..n.
Caption boxesText(std::span<const std::int16_t> boxes)
{
    std::string out;
    for (std::size_t i = 1; i < boxes.size(); ++i) {
        if (boxes[i] != 1) {
            continue;
        }
        std::size_t j = i;
        while (j + 1 < boxes.size() && boxes[j + 1] == 1) {
            ++j;
        }
        // Appended piece by piece: GCC 12 at -O3 warns (-Wrestrict, wrongly) about a literal
        // prefixed to a temporary with operator+.
        out += out.empty() ? "" : ", ";
        out += std::to_string(i);
        if (j > i) {
            out += '-';
            out += std::to_string(j);
        }
        i = j; // box j + 1, if any, is not ticked
    }
    return out.empty() ? Caption(Phrase::NoneTicked) : Caption(out);
}

Caption firstNumbersText(const DrillSettings& s)
{
    std::array<std::int16_t, 21> numbers{};
    for (std::size_t g = 1; g <= 4; ++g) {
        for (int n = groupLow[g]; n <= groupHigh[g]; ++n) {
            numbers[static_cast<std::size_t>(n)] = s.firstRange[g] == 1 ? 1 : 0;
        }
    }
    return boxesText(numbers);
}

std::optional<int> percentOf(const HistoryDb::Counts& c)
{
    return c.answers == 0 ? std::nullopt : std::optional(PercentOf(c.right, c.answers));
}

// The times an overview is taken at.
struct OverviewTimes {
    std::int64_t now = 0;
    std::int64_t weekStart = 0;
    std::int32_t offsetSeconds = 0;
};

// Today's Practice's columns from the pupil's answers of her operation, oldest first: her
// memory at the week's start, then with the week's answers.
void fillPlanColumns(PupilOverview& o, std::span<const AnswerRow> rows, std::int32_t fluentMs,
                     const OverviewTimes& t)
{
    const auto weekFirst = std::ranges::partition_point(
        rows, [&t](const AnswerRow& r) { return r.atMs < t.weekStart; });
    const auto before = static_cast<std::size_t>(weekFirst - rows.begin());
    const MemoryModel atStart = MemoryModel::FromHistory(rows.first(before), fluentMs);
    MemoryModel now = atStart;
    for (const AnswerRow& r : rows.subspan(before)) {
        now.answer(r.operation, r.fact, r.outcome, r.millis, r.atMs);
    }
    for (int fact = 1; fact <= kFactSlots; ++fact) {
        o.fluentGained +=
            now.fluent(o.operation, fact, t.now) && !atStart.fluent(o.operation, fact, t.weekStart)
                ? 1
                : 0;
    }
    o.dueToday = ReviewsOf(now, o.operation, t.now, t.offsetSeconds).dueToday;
}

PupilOverview overviewOf(const DrillSettings& s, const std::filesystem::path& dataDir,
                         const OverviewTimes& t)
{
    PupilOverview o;
    o.name = trimmedName(s);
    o.operation = s.operation;
    o.level = LevelText(s);
    o.autoTeach = s.autoTeach == 1;
    auto opened = HistoryDb::open(dataDir / historyFileName(o.name), false);
    if (!opened.db) {
        if (opened.status.code() != StatusCode::Missing) {
            o.historyUnread = true;
        }
        return o;
    }
    HistoryDb& db = *opened.db;
    const HistoryDb::ReadTogether together(db);
    const auto last = db.lastAnswerMs();
    const auto week = db.counts(t.weekStart, INT64_MAX);
    const auto before = db.counts(t.weekStart - 7 * kDayMs, t.weekStart);
    const auto recent = db.recent(s.operation, kFluencyWindow);
    const auto rows = db.figureRows(s.operation, 0);
    if (!last || !week || !before || !recent || !rows) {
        o.historyUnread = true;
        return o;
    }
    const std::int32_t fluentMs = FluentMsOf(db.setting(kFluentSetting));
    o.lastMs = *last;
    if (o.lastMs != 0) {
        o.lastDate = DateOfDay((o.lastMs + std::int64_t{t.offsetSeconds} * 1000) / kDayMs);
    }
    o.weekAnswers = week->answers;
    o.weekMs = week->millis;
    if (const auto percent = percentOf(*week)) {
        o.weekPercent = *percent;
    }
    o.fluentFacts = GridFromRecent(*recent, fluentMs).count(Fluency::Fluent);
    if (const auto a = percentOf(*week), b = percentOf(*before); a && b) {
        o.trend = *a - *b;
    }
    fillPlanColumns(o, *rows, fluentMs, t);
    return o;
}

} // namespace

std::vector<DrillSettings> ReadClass(const DataDir& data)
{
    std::vector<DrillSettings> out = ListedPupils(data).value_or(std::vector<DrillSettings>{});
    std::erase_if(out, [](const DrillSettings& s) { return trimmedName(s).empty(); });
    return out;
}

Caption LevelText(const DrillSettings& s)
{
    return OperationName(s.operation)
           << ", " << firstNumbersText(s) << " " << Phrase::By << " " << boxesText(s.secondNum);
}

std::vector<PupilOverview> BuildClassOverview(std::span<const DrillSettings> pupils,
                                              const std::filesystem::path& dataDir,
                                              std::int64_t nowMs, std::int32_t offsetSeconds)
{
    const OverviewTimes times{
        nowMs, PeriodStart(Period::Last30Days, nowMs, offsetSeconds) + (29 - 6) * kDayMs,
        offsetSeconds};
    std::vector<PupilOverview> out;
    out.reserve(pupils.size());
    for (const DrillSettings& s : pupils) {
        out.push_back(overviewOf(s, dataDir, times));
    }
    return out;
}

Phrase OverviewHeader(OverviewColumn c)
{
    static constexpr std::array<Phrase, kOverviewColumns> names{
        Phrase::Pupil,    Phrase::OperationAndLevel, Phrase::AutoTeach,       Phrase::LastDrill,
        Phrase::ThisWeek, Phrase::RightThisWeek,     Phrase::MinutesThisWeek, Phrase::FluentFacts,
        Phrase::Trend,    Phrase::DueToday,          Phrase::FluentGained};
    return names[static_cast<std::size_t>(c)];
}

Caption OverviewText(const PupilOverview& p, OverviewColumn c)
{
    switch (c) {
    case OverviewColumn::Name:
        return Caption(p.name);
    case OverviewColumn::Level:
        return p.level;
    case OverviewColumn::AutoTeach:
        return p.autoTeach ? Phrase::On : Phrase::Off;
    case OverviewColumn::LastDrill:
        return p.historyUnread ? Caption(Phrase::HistoryUnread) : Caption(p.lastDate);
    case OverviewColumn::WeekAnswers:
        return p.lastMs == 0 ? Caption() : Caption(std::to_string(p.weekAnswers));
    case OverviewColumn::WeekPercent:
        return p.weekPercent < 0 ? Caption() : Caption(std::to_string(p.weekPercent)) << "%";
    case OverviewColumn::WeekMinutes:
        return p.lastMs == 0 ? Caption() : Caption(std::to_string(MinutesOf(p.weekMs)));
    case OverviewColumn::Fluent:
        return p.lastMs == 0 ? Caption() : Caption(std::to_string(p.fluentFacts));
    case OverviewColumn::Trend:
        return !p.trend ? Caption() : Caption(*p.trend > 0 ? "+" : "") << std::to_string(*p.trend);
    case OverviewColumn::DueToday:
        return p.lastMs == 0 ? Caption() : Caption(std::to_string(p.dueToday));
    case OverviewColumn::FluentGained:
        return p.lastMs == 0 ? Caption() : Caption(std::to_string(p.fluentGained));
    }
    return {};
}

void SortOverview(std::vector<PupilOverview>& rows, OverviewColumn c, bool descending,
                  const NameLess& nameLess)
{
    // A key per column; nullopt for "nothing in it".
    const auto key = [c](const PupilOverview& p) -> std::optional<std::int64_t> {
        const bool drilled = p.lastMs != 0; // a pupil who never drilled has no figures
        switch (c) {
        case OverviewColumn::AutoTeach:
            return p.autoTeach ? 1 : 0;
        case OverviewColumn::LastDrill:
            return p.lastMs == 0 ? std::nullopt : std::optional(p.lastMs);
        case OverviewColumn::WeekAnswers:
            return drilled ? std::optional<std::int64_t>(p.weekAnswers) : std::nullopt;
        case OverviewColumn::WeekPercent:
            return p.weekPercent < 0 ? std::nullopt : std::optional<std::int64_t>(p.weekPercent);
        case OverviewColumn::WeekMinutes:
            return drilled ? std::optional<std::int64_t>(p.weekMs) : std::nullopt;
        case OverviewColumn::Fluent:
            return drilled ? std::optional<std::int64_t>(p.fluentFacts) : std::nullopt;
        case OverviewColumn::Trend:
            return p.trend;
        case OverviewColumn::DueToday:
            return drilled ? std::optional<std::int64_t>(p.dueToday) : std::nullopt;
        case OverviewColumn::FluentGained:
            return drilled ? std::optional<std::int64_t>(p.fluentGained) : std::nullopt;
        default:
            return std::nullopt;
        }
    };
    // Names are unique: ordered by name first, rows equal in the column keep that order.
    const auto byName = [&](const PupilOverview& a, const PupilOverview& b) {
        return nameLess ? nameLess(a.name, b.name) : a.name < b.name;
    };
    std::ranges::stable_sort(rows, byName);
    if (c == OverviewColumn::Name) {
        if (descending) {
            std::ranges::reverse(rows);
        }
        return;
    }
    if (c == OverviewColumn::Level) {
        const auto text = [](const PupilOverview& p) { return English(p.level); };
        descending ? std::ranges::stable_sort(rows, std::ranges::greater(), text)
                   : std::ranges::stable_sort(rows, std::ranges::less(), text);
        return;
    }
    // Rows with nothing in the column last, either way.
    std::ranges::stable_sort(rows, std::ranges::less(), [&](const PupilOverview& p) {
        const auto k = key(p);
        return std::pair(!k.has_value(), descending ? -k.value_or(0) : k.value_or(0));
    });
}

std::string CsvField(std::string_view utf8)
{
    if (utf8.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(utf8);
    }
    std::string out = "\"";
    for (const char ch : utf8) {
        out += ch == '"' ? "\"\"" : std::string(1, ch);
    }
    return out + "\"";
}

std::string EnglishCsvWords(const Caption& c)
{
    return cp1252ToUtf8(English(c));
}

std::string ClassOverviewCsv(std::span<const PupilOverview> rows, const CsvWords& words)
{
    std::string out(kBom);
    for (int c = 0; c < kOverviewColumns; ++c) {
        // Appended piece by piece: GCC 12 at -O3 warns (-Wrestrict, wrongly) about a literal
        // prefixed to a temporary with operator+.
        out += c == 0 ? "" : ",";
        out += CsvField(words(Caption(OverviewHeader(static_cast<OverviewColumn>(c)))));
    }
    out += "\r\n";
    for (const PupilOverview& p : rows) {
        for (int c = 0; c < kOverviewColumns; ++c) {
            out += c == 0 ? "" : ",";
            out += CsvField(words(OverviewText(p, static_cast<OverviewColumn>(c))));
        }
        out += "\r\n";
    }
    return out;
}

std::string HistoryCsv(std::string_view pupil, std::span<const AnswerRow> rows,
                       const UtcOffsetAt& offsetAt, const CsvWords& words)
{
    std::string out(kBom);
    static constexpr std::array header{
        Phrase::CsvPupil,     Phrase::CsvTime,         Phrase::CsvDrillBegan,
        Phrase::CsvOperation, Phrase::CsvProblem,      Phrase::CsvAnswer,
        Phrase::CsvChosen,    Phrase::CsvOutcome,      Phrase::CsvMilliseconds,
        Phrase::CsvAutoTeach, Phrase::CsvFirstNumbers, Phrase::CsvSecondNumbers};
    for (std::size_t i = 0; i < header.size(); ++i) {
        out += i == 0 ? "" : ",";
        out += CsvField(words(Caption(header[i])));
    }
    out += "\r\n";
    const auto when = [&offsetAt](std::int64_t ms) {
        const auto t = static_cast<std::time_t>(ms / 1000 + offsetAt(ms));
        std::tm local{};
        gmtime_r(&t, &local);
        char text[32];
        return std::string(text, std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local));
    };
    static constexpr std::array outcome{Phrase::CsvRight, Phrase::CsvWrong, Phrase::CsvTimeOut};
    for (const AnswerRow& r : rows) {
        DrillSettings selected; // the boxes ticked when the answer was given
        for (std::size_t i = 1; i < selected.secondNum.size(); ++i) {
            selected.secondNum[i] = static_cast<std::int16_t>((r.seconds >> i) & 1);
            if (i < selected.firstRange.size()) {
                selected.firstRange[i] = static_cast<std::int16_t>((r.ranges >> i) & 1);
            }
        }
        const std::vector<std::string> fields{
            cp1252ToUtf8(pupil),
            when(r.atMs),
            when(r.drillMs),
            words(OperationName(r.operation)),
            cp1252ToUtf8(ProblemText(r)),
            r.answer,
            r.chosen,
            words(outcome[static_cast<std::size_t>(r.outcome)]),
            std::to_string(r.millis),
            words(r.autoTeach == 1 ? Phrase::CsvOn : Phrase::CsvOff),
            words(firstNumbersText(selected)),
            words(boxesText(selected.secondNum))};
        for (std::size_t i = 0; i < fields.size(); ++i) {
            out += i == 0 ? "" : ",";
            out += CsvField(fields[i]);
        }
        out += "\r\n";
    }
    return out;
}

} // namespace sb
