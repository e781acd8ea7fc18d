// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <thread>

#include "drill/pool.h"
#include "drill/posing.h"
#include "flow/answering.h"
#include "flow/program.h"
#include "platform/clock.h"
#include "platform/media.h"
#include "platform/random.h"

namespace {

class StillClock final : public sb::Clock {
public:
    std::int16_t minuteOfHour() override { return 0; }
    std::uint64_t seed() override { return 1; }
    std::chrono::steady_clock::time_point steadyNow() override
    {
        return std::chrono::steady_clock::now();
    }
    void sleepFor(std::chrono::milliseconds pause) override { std::this_thread::sleep_for(pause); }
};

struct BenchProgram {
    sb::StdRandom random{12345};
    StillClock clock;
    sb::SilentSound sound;
    sb::NoPictures pictures;
    // Its pupil's answer history goes to a scratch folder, never the working directory.
    sb::Services services{random,
                          clock,
                          sound,
                          pictures,
                          sb::diskFileSystem(),
                          std::filesystem::temp_directory_path() / "sumblitz-engine-bench"};
    sb::Program program{services};

    explicit BenchProgram(std::int16_t operation)
    {
        sb::LoadOriginalDefaults(program.settings);
        program.cur() = program.settings.defaultSettings;
        program.cur().operation = operation;
        program.cur().stopOn = 5;
        for (std::size_t g = 1; g <= 4; ++g) {
            program.cur().firstRange[g] = 1;
        }
        program.drill.repeatDelay = 0;
        sb::BuildFacts(program.drill, program.cur(), random);
        sb::BuildPool(program.drill, program.cur(), sb::PoolMode::ResetAll, 0);
    }
};

// One problem: the right answer is pressed and recorded (Smart Repeat, row percentage,
// captions, stop rule) and the next problem is posed and drawn. With the original defaults
// facts are retired as they are mastered and the pool refills when it runs dry.
void BM_AnswerRightAndPoseNext(benchmark::State& state)
{
    BenchProgram b(sb::OpMult);
    if (!sb::NextProblem(b.program.drill, b.program.cur(), b.random)) {
        state.SkipWithError("nothing to pose");
        return;
    }
    for (auto _ : state) {
        sb::but_click(b.program, b.program.drill.rightSlot);
        benchmark::DoNotOptimize(b.program.drill.curFact);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AnswerRightAndPoseNext);

// A new DivR drill's table and pool: 200 remainder draws and the full pool of 200 facts.
void BM_BuildFactsAndPoolDivR(benchmark::State& state)
{
    BenchProgram b(sb::OpDivR);
    for (auto _ : state) {
        sb::BuildFacts(b.program.drill, b.program.cur(), b.random);
        sb::BuildPool(b.program.drill, b.program.cur(), sb::PoolMode::ResetAll, 0);
        benchmark::DoNotOptimize(b.program.drill.poolCount);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_BuildFactsAndPoolDivR);

} // namespace
