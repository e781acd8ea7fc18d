// SPDX-License-Identifier: GPL-3.0-or-later
// Saving and loading the record files as the program does at shut-down and start-up, on the
// real disk (each save is flushed to it, which is most of the cost).

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

#include "drill/pool.h"
#include "flow/program.h"
#include "platform/clock.h"
#include "platform/media.h"
#include "platform/random.h"
#include "students/fact_file.h"
#include "students/record_files.h"

namespace {

class BenchDir {
public:
    BenchDir()
    {
        std::random_device rd;
        m_path =
            std::filesystem::temp_directory_path() / ("sumblitz-bench-" + std::to_string(rd()));
        std::filesystem::create_directories(m_path);
    }
    ~BenchDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    BenchDir(const BenchDir&) = delete;
    BenchDir& operator=(const BenchDir&) = delete;
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

struct BenchProgram {
    BenchDir dir;
    sb::StdRandom random{7};
    sb::SystemClock clock;
    sb::SilentSound sound;
    sb::NoPictures pictures;
    sb::Services services{random, clock, sound, pictures, sb::diskFileSystem(), dir.path()};
    sb::Program program{services};
    sb::DataDir data{sb::diskFileSystem(), dir.path(), clock};

    BenchProgram()
    {
        sb::LoadOriginalDefaults(program.settings);
        program.cur() = program.settings.defaultSettings;
        sb::setName(program.cur(), "Ann");
        program.cur().saveLevel() = 1;
        program.cur().operation = sb::OpDivR;
        sb::BuildFacts(program.drill, program.cur(), random);
        sb::BuildPool(program.drill, program.cur(), sb::PoolMode::ResetAll, 0);
    }
};

void BM_SaveAndLoadDefaultFile(benchmark::State& state)
{
    BenchProgram b;
    for (auto _ : state) {
        benchmark::DoNotOptimize(sb::SaveExitSettings(b.program.settings, false, b.data));
        benchmark::DoNotOptimize(sb::LoadStartupSettings(b.program.settings, b.data));
        benchmark::DoNotOptimize(b.program.cur().operation);
    }
}
BENCHMARK(BM_SaveAndLoadDefaultFile);

void BM_SaveAndLoadFactFile(benchmark::State& state)
{
    BenchProgram b;
    for (auto _ : state) {
        benchmark::DoNotOptimize(sb::WriteFactFile(b.program.drill, b.program.cur(), b.data));
        benchmark::DoNotOptimize(sb::ReadFactFile(b.program.drill, b.program.cur(), b.data));
        benchmark::DoNotOptimize(b.program.drill.fact(200).asked);
    }
}
BENCHMARK(BM_SaveAndLoadFactFile);

} // namespace
