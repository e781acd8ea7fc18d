// SPDX-License-Identifier: GPL-3.0-or-later
// The real program, in the middle of a drill, is told to stop by a signal (a kill, a closed
// terminal, Ctrl+C): it saves what a close of its window saves and ends. Closed, it ends at once.

#include "proof_support.h"

namespace sb::proof {
namespace {

TEST(Signalled, DuringADrillTheProgramSavesItsFilesAndEnds)
{
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        SCOPED_TRACE(::strsignal(signal));
        TempDir dir;
        const DataDir data{diskFileSystem(), dir.path(), realClock()};
        ASSERT_TRUE(classWith(dir.path(), "Ann", false));

        const pid_t program = startProgram(dir.path(), "start,right,right,right").first;
        ASSERT_GT(program, 0) << "the program did not start its drill";
        ::kill(program, signal);
        EXPECT_EQ(endOf(program), 0);

        EXPECT_EQ(test::answersIn(dir.path() / "Ann.Xtx"), 3) << "the three answers of the drill";
        Settings next;
        ASSERT_TRUE(LoadStartupSettings(next, data).outcome.ok());
        EXPECT_EQ(trimmedName(next.curSettings), "Ann");
    }
}

// Once its window has closed, its files written, the program ends within 100 ms: a teardown
// that lingers (a sound backend waiting for a sound server, say) would keep a pupil's next
// start waiting. The fastest of three runs counts, so a machine busy for a moment does not.
TEST(ExitTime, TheProgramEndsWithin100msOfItsWindowClosing)
{
    using Clock = std::chrono::steady_clock;
    auto fastest = Clock::duration::max();
    for (int run = 0; run < 3; ++run) {
        TempDir dir;
        const pid_t program = startProgram(dir.path(), "start,right,close").first;
        ASSERT_GT(program, 0) << "the program did not close its window";
        const Clock::time_point closed = Clock::now();
        EXPECT_TRUE(std::filesystem::exists(dir.path() / "Default.Xsx")) << "saved first";
        EXPECT_EQ(endOf(program), 0);
        fastest = std::min(fastest, Clock::now() - closed);
    }
    std::printf("exit after the window closed: %.1f ms (fastest of 3)\n",
                std::chrono::duration<double, std::milli>(fastest).count());
    EXPECT_LT(fastest, std::chrono::milliseconds(100));
}

} // namespace
} // namespace sb::proof
