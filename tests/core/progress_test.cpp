// SPDX-License-Identifier: GPL-3.0-or-later
// What the Progress window and the class overview make of a history: each fact's fluency and
// median, the wrong answers a pupil keeps choosing, the days, the class's week, and the CSV.

#include <sqlite3.h>

#include <sstream>

#include "flow/class_overview.h"
#include "flow/progress.h"
#include "support/test_support.h"

namespace sb::test {
namespace {

constexpr std::int64_t kDay = 86'400'000;
constexpr std::int64_t kNow = 1'780'000'000'000; // 2026-05-28 20:26:40 UTC

// An answer to first x second (fact of column `first`, row `second`) at a time.
AnswerRow answer(std::int16_t first, std::int16_t second, AnswerOutcome o, std::int32_t ms,
                 std::int64_t at = kNow, const char* chosen = "")
{
    const auto fact = static_cast<std::int16_t>(factIndex(second, first));
    const std::string right = std::to_string(first * second);
    const std::string chose = o == AnswerOutcome::Right ? right : chosen;
    return {at, 0, OpMult, fact, first, second, right, o, chose, ms};
}

// The answers written as a pupil's history in `dir`; the history's path.
Path historyOf(const Path& dir, const std::string& pupil, const std::vector<AnswerRow>& rows)
{
    const Path path = dir / historyFileName(pupil);
    EXPECT_EQ(HistoryDb::open(path, true).db->append(rows), Status());
    return path;
}

constexpr auto R = AnswerOutcome::Right;
constexpr auto W = AnswerOutcome::Wrong;
constexpr auto T = AnswerOutcome::TimeOut;

TEST(Progress, EachFactIsJudgedOnItsLastFiveAnswers)
{
    using enum Fluency;
    // what, the answers oldest first (R right, W wrong, T a time-out, with their milliseconds),
    // and the fact's cell
    const std::vector<std::tuple<const char*, const char*, FluencyCell>> cases{
        {"never asked", "", {NeverAsked, 0, 0}},
        {"one quick right answer", "R1200", {Fluent, 1200, 1}},
        {"three right, the threshold itself allowed", "R3000 R900 R2000", {Fluent, 2000, 3}},
        {"right but one of the last three slow", "R900 R3001 R800", {Slow, 900, 3}},
        {"an old wrong answer, the last three right in time",
         "W4000 W5000 R1000 R1100 R1200",
         {Fluent, 1200, 5}},
        {"a wrong answer among the last three", "R900 R900 W900 R900", {Slow, 900, 4}},
        {"half wrong, a time-out counted as wrong; the median of two is their mean",
         "R900 T10000",
         {OftenWrong, 5450, 2}},
        {"only the last five count",
         "W100 W100 W100 R2000 R2000 W500 R2000 R2000",
         {Slow, 2000, 5}},
        {"three of five wrong", "W700 R600 W800 R500 W900", {OftenWrong, 700, 5}}};
    for (const auto& [name, answers, cell] : cases) {
        SCOPED_TRACE(name);
        HistoryDb::RecentByFact recent;
        auto& fact = recent[static_cast<std::size_t>(factIndex(8, 7))];
        std::istringstream in(answers);
        for (std::string a; in >> a;) {
            const AnswerOutcome o = a[0] == 'R' ? R : a[0] == 'W' ? W : T;
            fact.insert(fact.begin(), answer(7, 8, o, std::stoi(a.substr(1))));
        }
        const FluencyGrid g = GridFromRecent(recent, 3000);
        EXPECT_EQ(g.cell[7][8], cell);
        // Row 7, column 8, as the Results table places 7 x 8; no other fact took an answer.
        EXPECT_EQ(g.count(NeverAsked), *answers == 0 ? 200 : 199);
    }
    EXPECT_EQ(Seconds(2949) + " " + Seconds(2950), "2.9 3.0");
    // A fluent time kept in the history is taken within its bounds, the bounds included.
    EXPECT_EQ((std::vector{FluentMsOf(499, 7), FluentMsOf(500, 7), FluentMsOf(30000, 7),
                           FluentMsOf(30001, 7), FluentMsOf(std::nullopt, 7)}),
              (std::vector<std::int32_t>{7, 500, 30000, 7, 7}));
}

TEST(Progress, ConfusionsCountTheWrongAnswersChosenMostOftenFirst)
{
    std::vector<AnswerRow> rows{answer(7, 8, T, 10000), // a time-out chose nothing
                                answer(7, 8, R, 1000), answer(6, 9, W, 2000, kNow, "56"),
                                answer(9, 6, W, 2000, kNow - 40 * kDay, "45")}; // before the period
    for (const char* chosen : {"54", "48", "54", "54", "48", "54", "49", "49"}) {
        rows.push_back(answer(7, 8, W, 2000, kNow, chosen));
    }
    const auto found = Confusions(rows, kNow - 30 * kDay, 10);
    ASSERT_EQ(found.size(), 2u);
    // \327 is the sign \xD7 again, in octal: a digit may follow it.
    EXPECT_EQ(found[0].text(), "7 \327 8: 54 \3274, 48 \3272, 49 \3272") << "ties as they sort";
    EXPECT_EQ(found[0].wrong, 8);
    EXPECT_EQ(found[1].text(), "6 \327 9: 56 \3271");
    EXPECT_EQ(Confusions(rows, 0, 1).size(), 1u);
    EXPECT_EQ(Confusions(rows, kNow, 10).size(), 2u) << "answers at the period's first moment";
    rows.push_back(answer(5, 5, W, 2000, kNow, "20"));
    const auto tied = Confusions(rows, kNow, 2);
    EXPECT_EQ(std::tuple(tied.size(), tied.back().problem), std::tuple(3u, std::string("6 \327 9")))
        << "a tie is never cut: 5 x 5 and 6 x 9, in the table's order";
    // Each operation's sign (Addition 1 to DivR 6); a code no operation has shows "?".
    AnswerRow r = answer(9, 3, W, 2000);
    std::string texts;
    for (r.operation = 0; r.operation <= 7; ++r.operation) {
        texts += ProblemText(r) + "|";
    }
    EXPECT_EQ(texts, "9?3|9 + 3|9 - 3|9 - 3|9 \xD7 3|9 \xF7 3|9 \xF7 3|9?3|");
}

TEST(Progress, DaysAreLocalDaysWithTheirCountPercentAndMedian)
{
    // 2026-05-28 20:26:40 UTC is already the 29th four hours east of UTC, and 19:59:50 UTC
    // ten seconds before that midnight.
    const std::vector<AnswerRow> rows{
        answer(1, 1, R, 1000, kNow - kDay), answer(1, 2, W, 4000, kNow - kDay),
        answer(1, 3, R, 2000, kNow - kDay), answer(1, 1, T, 10000, kNow - 1610 * 1000),
        answer(1, 1, R, 1500, kNow),        answer(1, 1, R, 900, kNow + 4 * 3600 * 1000)};
    const auto utc = DayAggregates(rows, 0, 0);
    const auto east = DayAggregates(rows, 0, 14400);
    // Percentages rounded and medians taken as a spreadsheet does: 2 of 3 is 67 %, the
    // median of 1.5 and 10 s is 5.75 s.
    // The last figure: the answers' times added up.
    EXPECT_EQ(utc, (std::vector<DayFigures>{{20600, "2026-05-27", 3, 2, 67, 2000, 7000},
                                            {20601, "2026-05-28", 2, 1, 50, 5750, 11500},
                                            {20602, "2026-05-29", 1, 1, 100, 900, 900}}));
    EXPECT_EQ(east, (std::vector<DayFigures>{{20601, "2026-05-28", 4, 2, 50, 3000, 17000},
                                             {20602, "2026-05-29", 2, 2, 100, 1200, 2400}}));
    EXPECT_EQ(FiguresBetween(rows, kNow - kDay, kNow), (SpanFigures{4, 2, 17000}));
    // Minutes, then percentages rounded half up.
    EXPECT_EQ(ints(MinutesOf(89'999), MinutesOf(90'000), PercentOf(40, 52), PercentOf(1, 200),
                   PercentOf(1, 201)),
              ints(1, 2, 77, 1, 0));
    EXPECT_EQ(DayAggregates(rows, kNow, 0).front().date, "2026-05-28");
    // Days across leap days, ends of months, the turns of a century and of 400 years.
    const std::vector<std::pair<std::int64_t, const char*>> dates{
        {0, "1970-01-01"},     {11016, "2000-02-29"}, {11017, "2000-03-01"},
        {11021, "2000-03-05"}, {11322, "2000-12-31"}, {19782, "2024-02-29"},
        {19783, "2024-03-01"}, {20573, "2026-04-30"}, {-1, "1969-12-31"},
        {20006, "2024-10-10"}, {47541, "2100-03-01"}, {157113, "2400-02-29"}};
    for (const auto& [day, date] : dates) {
        EXPECT_EQ(DateOfDay(day), date) << day;
    }
    // The last 30 days begin at the local midnight 29 days before today's.
    EXPECT_EQ(PeriodStart(Period::Last30Days, kNow, 0), (20601 - 29) * kDay);
    EXPECT_EQ(PeriodStart(Period::Last90Days, kNow, 14400), (20602 - 89) * kDay - 14400 * 1000);
    EXPECT_EQ(PeriodStart(Period::Last30Days, 20601 * kDay, 0), (20601 - 29) * kDay) << "midnight";
    EXPECT_EQ(PeriodStart(Period::Last30Days, -1, 0), -30 * kDay) << "a clock before 1970";
}

TEST(Progress, TheGridJudgesEveryAnswerWhileTheDaysAndConfusionsKeepToThePeriod)
{
    TempDir dir;
    AnswerRow switched = answer(7, 8, R, 1000, kNow - kDay); // posed as 8 x 7
    std::swap(switched.first, switched.second);
    const Path path =
        historyOf(dir.path(), "Ann",
                  {answer(7, 8, W, 2000, kNow - 40 * kDay, "54"),
                   answer(9, 6, W, 2000, kNow - 40 * kDay, "56"), switched,
                   answer(1, 1, R, 5000, kNow - kDay), answer(20, 10, R, 6000, kNow - kDay),
                   answer(2, 3, R, 900, kNow), answer(2, 2, R, 5000, kNow - kDay)});
    ProgressModel m;
    m.operation = OpMult;
    LoadProgress(m, path, kNow, 0);
    EXPECT_EQ(m.grid.cell[7][8], (FluencyCell{Fluency::OftenWrong, 1500, 2})) << "all time";
    EXPECT_EQ(m.grid.cell[9][6], (FluencyCell{Fluency::OftenWrong, 2000, 1}));
    EXPECT_EQ(ProblemText(m.recent[static_cast<std::size_t>(factIndex(8, 7))].front()), "8 \xD7 7")
        << "as last posed";
    ASSERT_EQ(ints(m.confusions.size(), m.days.size()), ints(0, 2));
    EXPECT_EQ(m.days.back().medianMs, 900) << "today's one answer's own time";
    m.period = Period::All;
    LoadProgress(m, path, kNow, 0);
    ASSERT_EQ(m.confusions.size(), 2u);
    EXPECT_EQ(m.confusions[0].text(), "9 \327 6: 56 \3271")
        << "as often wrong as 7 x 8, and first in the grid's order";
    EXPECT_EQ(
        ints(m.days.size(), m.grid.cell[7][8].answers, m.thisWeek.answers, m.lastWeek.answers),
        ints(3, 2, 5, 0));
    // To practise next: the facts often wrong, then the slow, the slower first, ties in the
    // grid's order; 2 x 3 is fluent.
    EXPECT_EQ(m.practiseNext, (std::vector<PractiseItem>{{"9 \xD7 6", m.grid.cell[9][6]},
                                                         {"8 \xD7 7", m.grid.cell[7][8]},
                                                         {"20 \xD7 10", m.grid.cell[20][10]},
                                                         {"1 \xD7 1", m.grid.cell[1][1]},
                                                         {"2 \xD7 2", m.grid.cell[2][2]}}));
    LoadProgress(m, dir.path() / "none", kNow, 0); // then a pupil without a history
    EXPECT_TRUE(m.days.empty() && m.confusions.empty()) << "nothing left of the last one";
}

// Each fact's predicted recall now and the day of its next review, from every answer of the
// operation (the period does not matter), and how many are due by the end of today.
TEST(Progress, EachAnsweredFactHasItsRecallAndNextReviewDay)
{
    TempDir dir;
    // 1 s is within half her 3 s (easy), 2 s within them (good), 4 s slower (hard). A fact is
    // due when its predicted recall falls under the plan's target, 0.99.
    const Path path = historyOf(
        dir.path(), "Ann",
        {answer(6, 6, R, 1000, kNow - 40 * kDay), // easy three times: in 13.3 days
         answer(3, 3, R, 2000, kNow - 30 * kDay), // good three times: in 3.4 days
         answer(6, 6, R, 1000, kNow - 20 * kDay), answer(3, 3, R, 2000, kNow - 10 * kDay),
         answer(5, 5, R, 1000, kNow - 6 * kDay), // easy twice: in 21 hours
         answer(7, 8, R, 2000, kNow - 3 * kDay), // good once: overdue
         answer(6, 6, R, 1000, kNow - 2 * kDay), answer(5, 5, R, 1000, kNow - 2 * kDay),
         answer(3, 3, R, 2000, kNow - kDay), answer(1, 1, W, 2000, kNow - kDay)}); // wrong: overdue
    ProgressModel m;
    m.operation = OpMult;
    LoadProgress(m, path, kNow, 0);
    const auto review = [&m](int first, int second) {
        return m.reviews.fact[static_cast<std::size_t>(factIndex(second, first))];
    };
    // Days since 1970: 20601 is today, 2026-05-28; an overdue fact is due today.
    EXPECT_EQ(review(3, 3), (FactReview{true, 100, 20605}));
    EXPECT_EQ(review(1, 1), (FactReview{true, 77, 20601})) << "the first fact";
    EXPECT_EQ(review(5, 5), (FactReview{true, 99, 20602}));
    EXPECT_EQ(review(6, 6), (FactReview{true, 100, 20615})) << "answered before the period";
    EXPECT_EQ(review(7, 8), (FactReview{true, 88, 20601}));
    // 8 x 7: its turn-around's answer is not its own.
    EXPECT_EQ(ints(review(8, 7).answered, m.reviews.dueToday), ints(false, 2));
    // Four hours east of UTC it is already the 29th: 5 x 5 falls due today there.
    LoadProgress(m, path, kNow, 4 * 3600);
    EXPECT_EQ(ints(m.reviews.today, m.reviews.dueToday), ints(20602, 3));
}

TEST(Progress, TheClassOverviewReadsEachPupilsWeekAndItsCsvReadsBack)
{
    TempDir dir;
    FixedClock clock;
    const DataDir data{diskFileSystem(), dir.path(), clock};
    DrillSettings ann = originalDefaults("Ann \"Quick\", Lee");
    ann.operation = OpMult;
    ann.autoTeach = 1;
    ann.secondNum = {0, 1, 1, 1, 0, 0, 0, 1, 1, 1, 0};
    ann.firstRange = {0, 1, 0, 0, 1};
    // Šárka
    writeStudentFile(dir.path(), {ann, originalDefaults("\x8A\xE1rka"), originalDefaults("Cy"),
                                  originalDefaults("Dee"), originalDefaults("Eve")});
    writeBytes(dir.path() / historyFileName("Cy"), Bytes(64, 'x'));
    sqlite3* eve = nullptr; // a history of this program's schema without its table of answers
    sqlite3_open((dir.path() / historyFileName("Eve")).c_str(), &eve);
    sqlite3_exec(eve, "PRAGMA user_version=1", nullptr, nullptr, nullptr);
    sqlite3_close(eve);
    historyOf(dir.path(), "\x8A\xE1rka", {}); // no answer yet: as blank as no history
    // Dee answered only the week before: nothing right this week, rather than 0%
    historyOf(dir.path(), "Dee", {answer(2, 3, R, 1000, kNow - 8 * kDay)});
    const Path annHistory = historyOf(
        dir.path(), "Ann \"Quick\", Lee",
        {answer(2, 3, W, 1000, kNow - 8 * kDay, "5"), // the week before: one answer
         answer(7, 8, R, 1000, kNow - 2 * kDay), answer(7, 8, R, 4000, kNow - kDay),
         answer(20, 10, R, 2000, kNow), answer(6, 6, R, 30000, kNow), // slow: the week's minute
         answer(1, 1, R, 1000, kNow - 6 * kDay),                      // the week's first day
         answer(5, 5, R, 1000, kNow - 7 * kDay),                      // the day before it
         answer(2, 3, R, 1000, kNow - 14 * kDay)}); // two weeks ago: in neither week
    ASSERT_EQ(HistoryDb::open(annHistory, true).db->setSetting(kFluentSetting, 4000), Status());
    const auto before = filesIn(dir.path());
    auto overview = BuildClassOverview(ReadClass(data), dir.path(), kNow, 0);
    EXPECT_EQ(filesIn(dir.path()), before) << "read only";
    SortOverview(overview, OverviewColumn::WeekAnswers, true);
    // Fields with a comma or a quote are quoted, a quote doubled; the names are UTF-8. No
    // figures, and last, for a pupil whose history is unread or who never drilled.
    // Due today (under 0.99 before midnight): every fact she answered but 20 x 10, right just
    // now. Gained this week: 20 x 10, 1 x 1 and 7 x 8, right within her 4 s in it; not 6 x 6, slow
    // only; 5 x 5 was fluent before. Trend: 100% this week against 50% the week before. Dee's
    // answers are of another operation than hers.
    EXPECT_EQ(ClassOverviewCsv(overview),
              "\xEF\xBB\xBFPupil,Operation and level,Auto Teach,Last drill,This week,"
              "Right this week,Minutes this week,Fluent facts,Trend,Due today,"
              "Fluent facts gained this week\r\n"
              "\"Ann \"\"Quick\"\", Lee\",\"Multiplication, 1-10, 17-20 by 1-3, 7-9\",On,"
              "2026-05-28,5,100%,1,4,+50,5,3\r\n"
              "Dee,\"Addition, 1-10 by 1-10\",Off,2026-05-20,0,,0,0,,0,0\r\n"
              "Cy,\"Addition, 1-10 by 1-10\",Off,history could not be read,,,,,,,\r\n"
              "Eve,\"Addition, 1-10 by 1-10\",Off,history could not be read,,,,,,,\r\n"
              "\xC5\xA0\xC3\xA1rka,\"Addition, 1-10 by 1-10\",Off,,,,,,,,\r\n");
    // One level's pupils go in the order of their names, either way, whatever the order before.
    SortOverview(overview, OverviewColumn::Name, true);
    EXPECT_EQ(overview[1].name, "Eve") << "from the last name to the first";
    SortOverview(overview, OverviewColumn::Level, true);
    EXPECT_EQ(overview[1].name + overview[2].name, "CyDee");
    SortOverview(overview, OverviewColumn::Level, false);
    EXPECT_EQ(overview[0].name + overview[1].name, "CyDee");
    SortOverview(overview, OverviewColumn::WeekPercent, false);
    EXPECT_EQ(overview.front().name, "Ann \"Quick\", Lee") << "no answers this week, no figure";
    SortOverview(overview, OverviewColumn::LastDrill, false);
    EXPECT_EQ(overview.front().name, "Dee") << "the earliest first, those who never drilled last";
    SortOverview(overview, OverviewColumn::AutoTeach, false);
    EXPECT_EQ(overview.back().name, "Ann \"Quick\", Lee") << "Auto Teach on last";
    std::vector<PupilOverview> percents(2);
    percents[0].name = "Al", percents[0].weekPercent = -1; // no answers this week
    percents[1].name = "Zoe", percents[1].weekPercent = 0; // all wrong
    SortOverview(percents, OverviewColumn::WeekPercent, false);
    EXPECT_EQ(percents.front().name, "Zoe") << "0% is a figure, sorted before none";
    ProgressModel one; // the Progress window over a damaged history and over none
    one.pupil = "Cy";
    LoadProgress(one, dir.path() / historyFileName("Cy"), kNow, 0);
    EXPECT_EQ(one.status, Message(MessageId::HistoryUnread, {"Cy"}));
    one.pupil = "Bea";
    LoadProgress(one, dir.path() / historyFileName("Bea"), kNow, 0);
    EXPECT_EQ(one.status, Message(MessageId::NoAnswersYet, {"Bea"}));
    PupilOverview steady;
    steady.trend = 0;
    EXPECT_EQ(English(OverviewText(steady, OverviewColumn::Trend)), "0") << "no change has no sign";
}

TEST(Progress, AHistoryCsvHoldsEveryAnswerAndReadsBack)
{
    std::vector<AnswerRow> rows{answer(7, 8, W, 2121, kNow, "54"), answer(7, 8, T, 10000, kNow),
                                answer(7, 8, R, 1100, kNow, "56")};
    rows[0].drillMs = kNow - 61'001;
    rows[0].seconds = 0b10000000110;
    rows[0].ranges = 0b10;
    rows[0].autoTeach = 1;
    // Local times, two hours east of UTC: the drill began before midnight, the answer after.
    rows[1].atMs = kNow + 4 * 3600 * 1000 - 1;
    const std::string csv = HistoryCsv("Ann, A", rows, [](std::int64_t) { return 7200; });
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 4);
    EXPECT_NE(csv.find("\r\n\"Ann, A\",2026-05-28 22:26:40,2026-05-28 22:25:38,"
                       "Multiplication,7 \xC3\x97 8,56,54,wrong,2121,on,1-10,\"1-2, 10\"\r\n"),
              std::string::npos);
    EXPECT_NE(csv.find(",2026-05-29 02:26:39,"), std::string::npos);
    EXPECT_NE(csv.find(",56,,time-out,10000,"), std::string::npos);
    EXPECT_NE(csv.find(",56,56,right,1100,"), std::string::npos);
}

} // namespace
} // namespace sb::test
