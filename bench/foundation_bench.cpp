// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "drill/pool.h"
#include "platform/random.h"
#include "records/codec.h"

namespace {

sb::DrillSettings allSelected(std::int16_t operation)
{
    sb::DrillSettings s;
    s.operation = operation;
    s.firstRange = {0, 1, 1, 1, 1};
    s.secondNum = {0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    return s;
}

// A new drill: the whole table rebuilt, then every fact pooled and reset.
void BM_BuildFactsAndPool(benchmark::State& state)
{
    const sb::DrillSettings s = allSelected(static_cast<std::int16_t>(state.range(0)));
    sb::StdRandom random(1);
    sb::Drill d;
    for (auto _ : state) {
        sb::BuildFacts(d, s, random);
        sb::BuildPool(d, s, sb::PoolMode::ResetAll, 0);
        benchmark::DoNotOptimize(d.poolCount);
    }
}
BENCHMARK(BM_BuildFactsAndPool)->Arg(sb::OpAdd)->Arg(sb::OpDivR)->ArgName("operation");

// A refill of an emptied pool, which happens inside a drill.
void BM_RefillPool(benchmark::State& state)
{
    const sb::DrillSettings s = allSelected(sb::OpAdd);
    sb::StdRandom random(1);
    sb::Drill d;
    sb::BuildFacts(d, s, random);
    for (auto _ : state) {
        sb::BuildPool(d, s, sb::PoolMode::ResetRow, 0);
        benchmark::DoNotOptimize(d.poolCount);
    }
}
BENCHMARK(BM_RefillPool);

sb::DrillSettings sampleSettings()
{
    sb::Settings all;
    sb::LoadOriginalDefaults(all);
    sb::DrillSettings r = all.defaultSettings;
    sb::setName(r, "Benchmark pupil");
    r.answerCount(4) = 31;
    return r;
}

void BM_EncodeSettingsSlot(benchmark::State& state)
{
    const sb::DrillSettings r = sampleSettings();
    for (auto _ : state) {
        sb::SettingsSlot slot = sb::encodeSettings(r);
        benchmark::DoNotOptimize(slot);
    }
}
BENCHMARK(BM_EncodeSettingsSlot);

void BM_DecodeSettingsSlot(benchmark::State& state)
{
    const sb::SettingsSlot slot = sb::encodeSettings(sampleSettings());
    for (auto _ : state) {
        auto r = sb::decodeSettings(slot);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_DecodeSettingsSlot);

// The 200 records of a fact file, one after another into one buffer and back.
void BM_EncodeFactTable(benchmark::State& state)
{
    const sb::DrillSettings s = allSelected(sb::OpDivR);
    sb::StdRandom random(1);
    sb::Drill d;
    sb::BuildFacts(d, s, random);
    std::vector<std::uint8_t> file(200 * sb::kFactRecSize);
    for (auto _ : state) {
        for (int k = 1; k <= 200; ++k) {
            const sb::FactBytes b = sb::encodeFact(d.fact(k));
            std::copy(b.begin(), b.end(), file.begin() + static_cast<std::ptrdiff_t>((k - 1) * 24));
        }
        benchmark::DoNotOptimize(file.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * 200 * 24);
}
BENCHMARK(BM_EncodeFactTable);

void BM_DecodeFactTable(benchmark::State& state)
{
    const sb::DrillSettings s = allSelected(sb::OpDivR);
    sb::StdRandom random(1);
    sb::Drill d;
    sb::BuildFacts(d, s, random);
    std::vector<std::uint8_t> file;
    for (int k = 1; k <= 200; ++k) {
        const sb::FactBytes b = sb::encodeFact(d.fact(k));
        file.insert(file.end(), b.begin(), b.end());
    }
    const std::span<const std::uint8_t> all(file);
    for (auto _ : state) {
        for (int k = 1; k <= 200; ++k) {
            if (auto f = sb::decodeFact(all.subspan(static_cast<std::size_t>((k - 1) * 24)))) {
                d.fact(k) = *f;
            }
        }
        benchmark::DoNotOptimize(d.facts.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * 200 * 24);
}
BENCHMARK(BM_DecodeFactTable);

} // namespace
