// SPDX-License-Identifier: GPL-3.0-or-later
// Time to open the Progress window over a history of 100,000 answers of multiplication over
// 200 days: build the window (which reads every answer of the operation), show it and paint it
// the first time, on the last 30 days as it opens (Arg 0) or switched to all 200 days (Arg 1).
#include <benchmark/benchmark.h>

#include <QApplication>

#include <filesystem>
#include <random>

#include "flow/program.h"
#include "platform/clock.h"
#include "platform/media.h"
#include "platform/random.h"
#include "views/progress_window.h"

namespace {

void BM_ProgressWindowOpenedOn100000Answers(benchmark::State& state)
{
    sb::SystemClock clock;
    sb::StdRandom random{7};
    sb::SilentSound sound;
    sb::NoPictures pictures;
    const auto dir = std::filesystem::temp_directory_path() / "sumblitz-ui-bench-progress";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    sb::Services services{random, clock, sound, pictures, sb::diskFileSystem(), dir};
    sb::Program program(services);
    sb::setName(program.cur(), "Ann");
    program.cur().operation = sb::OpMult;
    {
        std::mt19937 rng(3);
        std::vector<sb::AnswerRow> rows(100'000);
        const std::int64_t now = clock.utcMillis();
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const int a = 1 + static_cast<int>(rng() % 10);
            const int b = 1 + static_cast<int>(rng() % 10);
            rows[i] =
                sb::AnswerRow{now - 200LL * 86'400'000 + static_cast<std::int64_t>(i) * 172'800,
                              0,
                              sb::OpMult,
                              static_cast<std::int16_t>((b - 1) * 20 + a),
                              static_cast<std::int16_t>(a),
                              static_cast<std::int16_t>(b),
                              std::to_string(a * b),
                              rng() % 5 == 0 ? sb::AnswerOutcome::Wrong : sb::AnswerOutcome::Right,
                              std::to_string(a * b + static_cast<int>(rng() % 2)),
                              800 + static_cast<std::int32_t>(rng() % 4000)};
        }
        auto opened = sb::HistoryDb::open(dir / "Ann.history.sqlite", true);
        static_cast<void>(opened.db->append(rows));
    }
    for (auto _ : state) {
        sb::ProgressWindow window(program);
        if (state.range(0) == 1) {
            window.setPeriod(sb::Period::All);
        }
        window.show();
        QApplication::processEvents();
        window.repaint();
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_ProgressWindowOpenedOn100000Answers)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
