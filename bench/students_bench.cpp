// SPDX-License-Identifier: GPL-3.0-or-later
// The Student Data window over a class of 10,000 pupils on the real disk: opening it, choosing
// a pupil, and OK with its rebuild of "StdDat.Xrx".

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "flow/lifecycle.h"
#include "flow/program.h"
#include "flow/student_form.h"
#include "platform/clock.h"
#include "platform/media.h"
#include "platform/random.h"
#include "records/codec.h"

namespace {

namespace fs = std::filesystem;

struct ClassOf {
    fs::path dir = fs::temp_directory_path() /
                   ("sumblitz-bench-class-" + std::to_string(std::random_device{}()));
    sb::StdRandom random{7};
    sb::SystemClock clock;
    sb::SilentSound sound;
    sb::NoPictures pictures;
    sb::Services services{random, clock, sound, pictures, sb::diskFileSystem(), dir};
    sb::Program program{services};
    std::vector<std::uint8_t> file;

    explicit ClassOf(int pupils)
    {
        fs::create_directories(dir);
        sb::LoadOriginalDefaults(program.settings);
        program.cur() = program.settings.defaultSettings;
        sb::DrillSettings s = program.settings.defaultSettings;
        s.tag = static_cast<std::int16_t>(pupils);
        append(s);
        for (int i = 0; i < pupils; ++i) {
            sb::setName(s, "Pupil " + std::to_string(i));
            s.tag = 0;
            append(s);
        }
        restore();
    }
    ~ClassOf() { fs::remove_all(dir); }
    void append(const sb::DrillSettings& s)
    {
        const sb::SettingsSlot slot = sb::encodeSettings(s);
        file.insert(file.end(), slot.begin(), slot.end());
    }
    void restore() const
    {
        std::ofstream(dir / "StdDat.Xrx", std::ios::binary)
            .write(reinterpret_cast<const char*>(file.data()), static_cast<long>(file.size()));
    }
};

void BM_OpenStudentData(benchmark::State& state)
{
    ClassOf c(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        sb::StudentForm form(c.program);
        form.load();
        benchmark::DoNotOptimize(form.model().studentlist.size());
        form.cancel_click();
    }
}
BENCHMARK(BM_OpenStudentData)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_SelectLastPupil(benchmark::State& state)
{
    ClassOf c(static_cast<int>(state.range(0)));
    sb::StudentForm form(c.program);
    form.load();
    const int last = static_cast<int>(form.model().studentlist.size()) - 1;
    for (auto _ : state) {
        form.studentlist_click(last);
        form.studentlist_click(last - 1);
    }
    form.cancel_click();
}
BENCHMARK(BM_SelectLastPupil)->Arg(10000)->Unit(benchmark::kMicrosecond);

void BM_StudentDataOk(benchmark::State& state)
{
    ClassOf c(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        c.restore();
        sb::StudentForm form(c.program);
        form.load();
        form.ssort_click();
        state.ResumeTiming();
        form.close_click();
    }
}
BENCHMARK(BM_StudentDataOk)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// OK in a lab: another program added a pupil while this window was open, so the rebuild
// merges the list into the file as it is now, by name, under the folder's lock.
void BM_StudentDataOkMerged(benchmark::State& state)
{
    ClassOf c(static_cast<int>(state.range(0)));
    sb::Program other{c.services};
    other.settings = c.program.settings;
    for (auto _ : state) {
        state.PauseTiming();
        c.restore();
        sb::StudentForm form(c.program);
        form.load();
        form.ssort_click();
        sb::StudentForm elsewhere(other);
        elsewhere.load();
        elsewhere.newstudent_change("Newcomer");
        elsewhere.addstudent_click();
        state.ResumeTiming();
        form.close_click();
        state.PauseTiming();
        elsewhere.cancel_click();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StudentDataOkMerged)->Arg(10000)->Unit(benchmark::kMillisecond);

// A pupil switch: choose another pupil in the window and OK, which takes her lock, lets the
// one before go and rebuilds the class file.
void BM_PupilSwitch(benchmark::State& state)
{
    ClassOf c(static_cast<int>(state.range(0)));
    int next = 2;
    for (auto _ : state) {
        sb::StudentForm form(c.program);
        form.load();
        form.studentlist_click(next);
        form.close_click();
        next = next == 2 ? 3 : 2;
    }
}
BENCHMARK(BM_PupilSwitch)->Arg(10000)->Unit(benchmark::kMillisecond);

// What the drill pays every 20 seconds to keep its pupil's lock fresh.
void BM_LockRefresh(benchmark::State& state)
{
    ClassOf c(1);
    sb::DrillSettings pupil = c.program.settings.defaultSettings;
    sb::setName(pupil, "Pupil 0");
    static_cast<void>(sb::HoldPupil(c.program, pupil));
    for (auto _ : state) {
        sb::RefreshLocks(c.program);
    }
}
BENCHMARK(BM_LockRefresh)->Unit(benchmark::kMicrosecond);

} // namespace
