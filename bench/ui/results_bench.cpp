// SPDX-License-Identifier: GPL-3.0-or-later
// Time to open the Results table: build the window, show it and paint it the first time, over a
// full addition table with answers in every cell.
#include <benchmark/benchmark.h>

#include <QApplication>

#include <filesystem>

#include "drill/pool.h"
#include "flow/program.h"
#include "platform/clock.h"
#include "platform/media.h"
#include "platform/random.h"
#include "views/results_window.h"

namespace {

void BM_ResultsWindowOpened(benchmark::State& state)
{
    sb::SystemClock clock;
    sb::StdRandom random{7};
    sb::SilentSound sound;
    sb::NoPictures pictures;
    sb::Services services{random,
                          clock,
                          sound,
                          pictures,
                          sb::diskFileSystem(),
                          std::filesystem::temp_directory_path()};
    sb::Program program(services);
    sb::BuildFacts(program.drill, program.cur(), random);
    program.drill.factCount = 200;
    for (int k = 1; k <= 200; ++k) {
        program.drill.fact(k).asked = static_cast<std::int16_t>(k % 7);
        program.drill.fact(k).correct = static_cast<std::int16_t>(k % 7 / 2);
    }
    for (auto _ : state) {
        sb::ResultsWindow window(program);
        window.show();
        QApplication::processEvents();
        window.repaint();
    }
}
BENCHMARK(BM_ResultsWindowOpened)->Unit(benchmark::kMillisecond);

} // namespace
