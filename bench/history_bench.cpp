// SPDX-License-Identifier: GPL-3.0-or-later
// The answer history on the real disk: one answer written (synchronous FULL, each its own
// transaction) and what the drill waits for when it hands an answer to the writer; the
// Progress window's figures from 100,000 answers; the class overview of 500 pupils with
// 20,000 answers each. The 99th percentile of a single answer is reported as p99_ms.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "flow/class_overview.h"
#include "flow/progress.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/folder_guard.h"
#include "platform/lock_file.h"
#include "records/codec.h"
#include "students/answer_history.h"
#include "students/history_writer.h"

namespace {

namespace fs = std::filesystem;
constexpr std::int64_t kNow = 1'780'000'000'000;

fs::path scratch(const std::string& name, const fs::path& under = fs::temp_directory_path())
{
    const fs::path dir = under / ("sumblitz-bench-history-" + name);
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

// count answers of multiplication 1..10 by 1..10 spread over the 200 days before kNow.
std::vector<sb::AnswerRow> answers(int count)
{
    std::mt19937 rng(11);
    std::vector<sb::AnswerRow> rows(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        sb::AnswerRow& r = rows[static_cast<std::size_t>(i)];
        const int a = 1 + static_cast<int>(rng() % 10);
        const int b = 1 + static_cast<int>(rng() % 10);
        r.atMs =
            kNow - 200LL * 86'400'000 + static_cast<std::int64_t>(i) * 200LL * 86'400'000 / count;
        r.drillMs = r.atMs;
        r.operation = sb::OpMult;
        r.fact = static_cast<std::int16_t>((b - 1) * 20 + a);
        r.first = static_cast<std::int16_t>(a);
        r.second = static_cast<std::int16_t>(b);
        r.answer = std::to_string(a * b);
        r.outcome = rng() % 5 == 0 ? sb::AnswerOutcome::Wrong : sb::AnswerOutcome::Right;
        r.chosen = r.outcome == sb::AnswerOutcome::Right ? r.answer : std::to_string(a * b + 1);
        r.millis = 800 + static_cast<std::int32_t>(rng() % 4000);
    }
    return rows;
}

void reportP99(benchmark::State& state, std::vector<double>& ms)
{
    std::sort(ms.begin(), ms.end());
    if (!ms.empty()) {
        state.counters["p99_ms"] = ms[ms.size() * 99 / 100];
        state.counters["median_ms"] = ms[ms.size() / 2];
    }
}

// One answer in its own transaction, as the writer commits an answer given on its own. Arg 0:
// the temporary folder's disk; 1: /dev/shm, memory, which leaves SQLite's own work alone.
void BM_HistoryCommitOneAnswer(benchmark::State& state)
{
    const fs::path dir = state.range(0) == 0 ? scratch("commit") : scratch("commit", "/dev/shm");
    auto opened = sb::HistoryDb::open(dir / "Ann.history.sqlite", true);
    const auto rows = answers(1);
    std::vector<double> ms;
    for (auto _ : state) {
        const auto t = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(opened.db->append(rows));
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t)
                         .count());
    }
    reportP99(state, ms);
    opened.db.reset();
    fs::remove_all(dir);
}
BENCHMARK(BM_HistoryCommitOneAnswer)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(300)
    ->Unit(benchmark::kMillisecond);

// What the writer adds to each commit in a shared folder: the look at the pupil's lock file
// that tells whether this program still holds her (one read of a small file).
void BM_HistoryLockCheckBeforeCommit(benchmark::State& state)
{
    const fs::path dir = scratch("lock");
    sb::SystemClock clock;
    const auto attempt = sb::tryLock(sb::diskFileSystem(), clock, dir / "Ann.Xtx.lock");
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            sb::lockHolds(sb::diskFileSystem(), attempt.lock.path(), attempt.lock.text()));
    }
    fs::remove_all(dir);
}
BENCHMARK(BM_HistoryLockCheckBeforeCommit)->Unit(benchmark::kMicrosecond);

// What the writer asks before each commit besides: is the folder the one found at start (a
// share gone leaves its mount point)? Against a commit's ~19 ms.
void BM_HistoryFolderCheckBeforeCommit(benchmark::State& state)
{
    const fs::path dir = scratch("guard");
    std::ofstream(dir / "StdDat.Xrx") << "x";
    sb::FolderGuard files(sb::diskFileSystem(), dir, "StdDat.Xrx");
    for (auto _ : state) {
        benchmark::DoNotOptimize(files.present(dir).ok());
    }
    fs::remove_all(dir);
}
BENCHMARK(BM_HistoryFolderCheckBeforeCommit)->Unit(benchmark::kMicrosecond);

// What an answer costs the drill: handing it to the writer, whose thread commits it meanwhile.
void BM_HistoryAnswerHandedToWriter(benchmark::State& state)
{
    const fs::path dir = scratch("writer");
    std::vector<double> ms;
    {
        sb::HistoryWriter writer;
        const auto row = answers(1).front();
        for (auto _ : state) {
            const auto t = std::chrono::steady_clock::now();
            writer.submit(dir / "Ann.history.sqlite", row);
            ms.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t)
                    .count());
        }
        writer.settle();
    }
    reportP99(state, ms);
    fs::remove_all(dir);
}
BENCHMARK(BM_HistoryAnswerHandedToWriter)->Iterations(2000)->Unit(benchmark::kMicrosecond);

// Opening the Progress window: reading 100,000 answers of one operation and working out the
// grid, the confusions and the days of all time.
void BM_ProgressFrom100000Answers(benchmark::State& state)
{
    static const fs::path dir = [] {
        const fs::path d = scratch("progress");
        auto opened = sb::HistoryDb::open(d / "Ann.history.sqlite", true);
        static_cast<void>(opened.db->append(answers(100'000)));
        return d;
    }();
    for (auto _ : state) {
        sb::ProgressModel m;
        m.operation = sb::OpMult;
        m.period = sb::Period::All;
        sb::LoadProgress(m, dir / "Ann.history.sqlite", kNow, 0);
        benchmark::DoNotOptimize(m.days.size());
    }
}
BENCHMARK(BM_ProgressFrom100000Answers)->Unit(benchmark::kMillisecond);

// The class overview of 500 pupils, each with a history of 20,000 answers. The histories are
// hard links to one file, so the figures are those of warm files (the second opening of the
// window).
void BM_ClassOverviewOf500Pupils(benchmark::State& state)
{
    static const fs::path dir = [] {
        const fs::path d = scratch("class");
        {
            auto opened = sb::HistoryDb::open(d / "one.sqlite", true);
            static_cast<void>(opened.db->append(answers(20'000)));
        }
        for (int i = 0; i < 500; ++i) {
            fs::create_hard_link(d / "one.sqlite",
                                 d / sb::historyFileName("Pupil " + std::to_string(i)));
        }
        return d;
    }();
    sb::Settings all;
    sb::LoadOriginalDefaults(all);
    std::vector<sb::DrillSettings> pupils(500, all.defaultSettings);
    for (int i = 0; i < 500; ++i) {
        sb::setName(pupils[static_cast<std::size_t>(i)], "Pupil " + std::to_string(i));
        pupils[static_cast<std::size_t>(i)].operation = sb::OpMult;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(sb::BuildClassOverview(pupils, dir, kNow, 0));
    }
}
BENCHMARK(BM_ClassOverviewOf500Pupils)->Unit(benchmark::kMillisecond);

} // namespace
