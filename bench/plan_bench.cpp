// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "plan/memory_model.h"
#include "plan/practice_plan.h"
#include "platform/random.h"
#include "records/fact_table.h"

namespace {

// A pupil's year: 100,000 answers of all six operations, about a fifth of them wrong or slow,
// thirty seconds to a few days apart.
std::vector<sb::AnswerRow> pupilYear()
{
    sb::StdRandom random(2026);
    std::vector<sb::AnswerRow> rows(100'000);
    std::int64_t at = 1'767'603'600'000;
    for (sb::AnswerRow& r : rows) {
        at += random.next() < 0.99 ? 30'000 : 86'400'000;
        r.atMs = at;
        r.operation = static_cast<std::int16_t>(1 + random.next() * 6);
        r.fact = static_cast<std::int16_t>(sb::factIndex(1 + static_cast<int>(random.next() * 10),
                                                         1 + static_cast<int>(random.next() * 10)));
        const double u = random.next();
        r.outcome = u < 0.1 ? sb::AnswerOutcome::Wrong : sb::AnswerOutcome::Right;
        r.millis = static_cast<std::int32_t>(u < 0.2 ? 4000 : 1000 + 2000 * random.next());
    }
    return rows;
}

// Opening a pupil's Today's Practice: her model from her whole history. The model's size is
// reported as "bytes".
void BM_PlanModelFrom100000Answers(benchmark::State& state)
{
    const std::vector<sb::AnswerRow> rows = pupilYear();
    for (auto _ : state) {
        const sb::MemoryModel model = sb::MemoryModel::FromHistory(rows, 3000);
        benchmark::DoNotOptimize(model.memory(4, 1).stability);
    }
    state.counters["bytes"] = static_cast<double>(sizeof(sb::MemoryModel));
}
BENCHMARK(BM_PlanModelFrom100000Answers)->Unit(benchmark::kMillisecond);

// One answer added to the model (with its turn-around's share).
void BM_PlanModelOneAnswer(benchmark::State& state)
{
    const std::vector<sb::AnswerRow> rows = pupilYear();
    sb::MemoryModel model = sb::MemoryModel::FromHistory(rows, 3000);
    std::int64_t at = rows.back().atMs;
    int fact = 0;
    for (auto _ : state) {
        at += 10'000;
        fact = fact % 100 + 1;
        model.answer(sb::OpMult, sb::factIndex((fact - 1) / 10 + 1, (fact - 1) % 10 + 1),
                     sb::AnswerOutcome::Right, 2500, at);
    }
    benchmark::DoNotOptimize(model.memory(sb::OpMult, 1).stability);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PlanModelOneAnswer);

// Choosing the next problem of the widest selection, all four ranges and ten second numbers
// of addition (200 facts), for a pupil a year in.
void BM_PlanChooseNext(benchmark::State& state)
{
    const std::vector<sb::AnswerRow> rows = pupilYear();
    const sb::MemoryModel model = sb::MemoryModel::FromHistory(rows, 3000);
    std::vector<int> facts;
    for (int f = 1; f <= sb::kFactSlots; ++f) {
        facts.push_back(f);
    }
    sb::PracticePlan plan(sb::OpAdd, facts);
    sb::StdRandom random(7);
    const std::int64_t now = rows.back().atMs + 86'400'000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(plan.choose(model, now, random));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PlanChooseNext)->Unit(benchmark::kMicrosecond);

} // namespace
