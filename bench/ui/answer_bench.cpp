// SPDX-License-Identifier: GPL-3.0-or-later
// Time from a click on the right answer button to the next problem drawn on screen, through the
// real main window (offscreen), and the time to build and show the main window.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <filesystem>

#include "flow/program.h"
#include "platform/clock.h"
#include "platform/media.h"
#include "platform/random.h"
#include "views/main_window.h"
#include "views/problem_view_qt.h"

namespace {

struct Rig {
    sb::SystemClock clock;
    sb::StdRandom random{7};
    sb::SilentSound sound;
    sb::NoPictures pictures;
    std::filesystem::path dir;
    sb::Services services;
    sb::Program program;

    explicit Rig(std::filesystem::path d)
        : dir(std::move(d)), services{random, clock, sound, pictures, sb::diskFileSystem(), dir},
          program(services)
    {
    }
};

std::filesystem::path scratchDir()
{
    auto d = std::filesystem::temp_directory_path() / "sumblitz-ui-bench";
    std::filesystem::create_directories(d);
    return d;
}

void BM_AnswerClickToNextProblemDrawn(benchmark::State& state)
{
    Rig rig(scratchDir());
    rig.program.cur().stopOn = 5; // never stops
    sb::MainWindow window(rig.program);
    window.load();
    rig.program.cur().stopOn = 5;
    window.show();
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("start")), Qt::LeftButton);
    auto* dm = window.findChild<sb::ProblemView*>(QStringLiteral("dm"));
    for (auto _ : state) {
        const int right = rig.program.drill.rightSlot;
        auto* b = window.findChild<QPushButton*>(QStringLiteral("but%1").arg(right));
        QTest::mouseClick(b, Qt::LeftButton);
        dm->repaint(); // the next problem drawn, not merely scheduled
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AnswerClickToNextProblemDrawn)->Unit(benchmark::kMicrosecond);

void BM_MainWindowBuiltAndShown(benchmark::State& state)
{
    for (auto _ : state) {
        Rig rig(scratchDir());
        sb::MainWindow window(rig.program);
        window.load();
        window.show();
        QApplication::processEvents();
        window.repaint();
    }
}
BENCHMARK(BM_MainWindowBuiltAndShown)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
