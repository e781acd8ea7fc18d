// SPDX-License-Identifier: GPL-3.0-or-later
// Writes what the spreadsheet test imports into the folder named first: a pupil's answer
// history (the program's own SQLite database, Ann.history.sqlite), the CSV of it a teacher
// saves from Progress (history.csv), and a Class Overview CSV (overview.csv), both made by the
// program's own code, in the local time of the time zone the caller sets (TZ).
//   csv_sample DIR

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "flow/class_overview.h"
#include "flow/progress.h"
#include "platform/clock.h"
#include "records/operations.h"
#include "students/answer_history.h"

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: csv_sample DIR\n");
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    auto opened = sb::HistoryDb::open(dir / sb::historyFileName("Ann"), true);
    if (!opened.db) {
        std::fprintf(stderr, "csv_sample: no database\n");
        return 1;
    }
    // Answers over a winter and a summer day (times in and out of daylight saving), with
    // times that a decimal comma or point would misread: 4789 ms, 1000 ms, 12345 ms.
    const std::int64_t winter = 1'796'731'200'000; // 2026-12-08 12:00 UTC
    const std::int64_t summer = 1'780'000'000'000; // 2026-05-28 20:26:40 UTC
    const std::int32_t millis[] = {4789, 1000, 12345, 789, 2500, 10000, 3001, 999};
    std::vector<sb::AnswerRow> rows;
    for (int i = 0; i < 16; ++i) {
        const std::int64_t drill = i < 8 ? summer : winter;
        const auto second = static_cast<std::int16_t>(1 + i % 10);
        const auto outcome = i % 5 == 4   ? sb::AnswerOutcome::TimeOut
                             : i % 3 == 2 ? sb::AnswerOutcome::Wrong
                                          : sb::AnswerOutcome::Right;
        // when, its drill, operation, fact, first, second, answer, outcome, answer chosen, ms,
        // Auto Teach, first-number ranges and second numbers selected
        rows.push_back({drill + i * 61'001, drill, sb::OpMult,
                        static_cast<std::int16_t>((second - 1) * 20 + 7), 7, second,
                        std::to_string(7 * second), outcome,
                        outcome == sb::AnswerOutcome::TimeOut ? "" : "49", millis[i % 8], 1, 0b10,
                        0b11111111110});
    }
    if (!opened.db->append(rows)) {
        std::fprintf(stderr, "csv_sample: not written\n");
        return 1;
    }
    sb::SystemClock clock;
    std::ofstream(dir / "history.csv", std::ios::binary)
        << sb::HistoryCsv("Ann", *opened.db->rows(0, 0),
                          [&clock](std::int64_t ms) { return clock.utcOffsetSeconds(ms); });
    std::vector<sb::PupilOverview> pupils(2);
    pupils[0].name = "Ann";
    pupils[0].level = sb::Caption("Multiplication, 1-10 by 1-10");
    pupils[0].lastMs = winter;
    pupils[0].lastDate = "2026-12-08";
    pupils[0].weekAnswers = 52;
    pupils[0].weekPercent = sb::PercentOf(40, 52);
    pupils[0].weekMs = 14 * 60'000 + 29'000; // 14 minutes
    pupils[0].fluentFacts = 12;
    pupils[0].trend = 5;
    pupils[1].name = "Bob"; // never drilled
    pupils[1].level = sb::Caption("Addition, 1-10 by 1-10");
    std::ofstream(dir / "overview.csv", std::ios::binary) << sb::ClassOverviewCsv(pupils);
    return 0;
}
