// SPDX-License-Identifier: GPL-3.0-or-later
// A computer lab on one data folder: 30 processes, each a whole program (the flow the windows
// drive, over the real disk), use one class's files at once for 20 rounds. Each round every
// process starts, adds a pupil of its own in the Student Data window and makes her current,
// drills her, renames its pupil of the round before, removes the one before that, and closes,
// with random pauses between the steps so that the windows of different processes overlap.
// Afterwards every pupil added is on file once, none removed is back, each fact file holds
// exactly the answers its pupil gave, and the class file is whole.

#include <sys/mman.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <thread>

#include "proof_support.h"

namespace sb::proof {
namespace {

namespace fs = std::filesystem;

constexpr int kProcesses = 30;
constexpr int kMostRounds = 20;

// What the children report to the test, in memory they share with it.
// A step the program refused (it said why: another program held the class list for longer
// than a window waits) is no loss; what it did must all be on the disk.
struct Ledger {
    int answers[kProcesses][kMostRounds]; // right answers given to each round's pupil
    int refused[kProcesses][kMostRounds]; // steps the program refused (a busy lock)
    int added[kProcesses][kMostRounds];   // the round's pupil was added (OK went through)
    int renamed[kProcesses][kMostRounds]; // ... renamed in the next round
    int removed[kProcesses][kMostRounds]; // ... removed two rounds later
};

std::string pupilOf(int process, int round)
{
    return "K" + std::to_string(process) + "R" + std::to_string(round);
}
std::string renamed(int process, int round)
{
    return pupilOf(process, round) + "x";
}

void pause(std::mt19937& rng)
{
    std::this_thread::sleep_for(
        std::chrono::microseconds(std::uniform_int_distribution<int>(0, 20000)(rng)));
}

// A drill of `right` right answers.
int drill(Program& p, int right)
{
    MainForm window{p};
    window.start_click();
    for (int i = 0; i < right; ++i) {
        window.but_click(p.drill.rightSlot);
    }
    return right;
}

// Shows the pupil of this name again; false when the window could not, or could not store
// the pupil shown before (it said why).
bool backTo(StudentForm& form, const std::string& name)
{
    if (const auto entry = form.FindListed(name)) {
        form.studentlist_click(*entry);
    }
    return trimBlanks(form.model().studentdisplay) == name && form.model().message.empty();
}

// One program's session: everything through the handlers the windows call.
void session(const fs::path& folder, int process, int round, Ledger* ledger)
{
    std::mt19937 rng(static_cast<unsigned>(process * 1000 + round));
    DiskProgram pc(folder);
    pc.mainForm.load();
    int& refused = ledger->refused[process][round];
    {
        pc.mainForm.goauto_click();
        StudentForm form(pc.p);
        form.load();
        const auto giveUp = [&] { ++refused, form.cancel_click(); };
        form.newstudent_change(pupilOf(process, round));
        form.addstudent_click();
        if (!form.FindListed(pupilOf(process, round))) {
            return giveUp();
        }
        pause(rng);
        form.start_click(); // Auto Teach on: her results are kept
        bool lost = false;
        if (round >= 1 && form.FindListed(pupilOf(process, round - 1))) {
            // A click refused (the class list was busy too long) leaves the pupil shown before
            // on display: the rename is then not tried.
            if (!backTo(form, pupilOf(process, round - 1))) {
                return giveUp();
            }
            form.newstudent_change(renamed(process, round - 1));
            form.Renam_click();
            // Done on the disk at once, even when the history could not follow her.
            const bool done = form.FindListed(renamed(process, round - 1)).has_value();
            refused += done ? 0 : 1;
            ledger->renamed[process][round - 1] = done ? 1 : 0;
            lost |= !backTo(form, pupilOf(process, round));
        }
        bool removing = false;
        if (round >= 2 && form.FindListed(renamed(process, round - 2))) {
            if (!backTo(form, renamed(process, round - 2))) {
                return giveUp();
            }
            form.removestudent_click();
            removing = !form.FindListed(renamed(process, round - 2));
            refused += removing ? 0 : 1;
            lost |= !backTo(form, pupilOf(process, round));
        }
        if (lost) {
            return giveUp(); // she could not be shown again: the session gives up
        }
        pause(rng);
        form.close_click();
        if (!form.model().closed) {
            return giveUp();
        }
        ledger->added[process][round] = 1;
        if (removing) {
            ledger->removed[process][round - 2] = 1;
        }
    }
    const int right = drill(pc.p, std::uniform_int_distribution<int>(1, 6)(rng));
    pause(rng);
    if (pc.mainForm.close_request()) {
        ledger->answers[process][round] = right;
    }
}

// The folder the programs share: a fresh one under $SUMBLITZ_LAB_DIR (a network share mounted
// here) when that is set, else the test's own temporary folder.
fs::path labFolder(const TempDir& dir, const char* name)
{
    const char* share = std::getenv("SUMBLITZ_LAB_DIR");
    if (share == nullptr || *share == 0) {
        return dir.path();
    }
    const fs::path folder = fs::path(share) / (name + std::to_string(::getpid()));
    fs::create_directories(folder);
    return folder;
}

using test::answersIn;

// Runs session(process, round) in `processes` children at once, round after round; answers
// what they wrote down, in memory shared with them (never unmapped: one per test).
Ledger* forked(int processes, int rounds, const std::function<void(int, int, Ledger*)>& session)
{
    void* memory =
        ::mmap(nullptr, sizeof(Ledger), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    auto* ledger = new (memory) Ledger{};
    for (int round = 0; round < rounds; ++round) {
        std::vector<pid_t> children;
        for (int process = 0; process < processes; ++process) {
            children.push_back(::fork());
            if (children.back() == 0) {
                session(process, round, ledger);
                std::fflush(nullptr);
                ::_exit(0);
            }
        }
        for (const pid_t child : children) {
            int status = 0;
            ::waitpid(child, &status, 0);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
    }
    return ledger;
}

TEST(SharedLab, ThirtyProgramsOnOneFolderLoseNothing)
{
    const char* asked = std::getenv("SUMBLITZ_LAB_ROUNDS");
    const int rounds = std::clamp(asked ? std::atoi(asked) : 4, 1, kMostRounds);
    TempDir dir;
    const fs::path folder = labFolder(dir, "lab-");
    const auto began = std::chrono::steady_clock::now();
    const Ledger* ledger = forked(kProcesses, rounds, [&](int process, int round, Ledger* l) {
        session(folder, process, round, l);
    });
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();

    // The class file: whole, its header counting every slot, each name once.
    const test::Bytes file = test::readBytes(folder / "StdDat.Xrx");
    ASSERT_EQ(file.size() % kSlotSize, 0u);
    const std::size_t slots = file.size() / kSlotSize - 1;
    EXPECT_EQ(static_cast<std::size_t>(test::i16At(file, 0)), slots);
    std::multiset<std::string> onFile;
    for (std::size_t k = 2; k <= slots + 1; ++k) {
        onFile.insert(trimmedName(*decodeSettings(test::fieldsOf(file, k))));
    }
    int lost = 0, back = 0, answers = 0, refused = 0;
    for (int process = 0; process < kProcesses; ++process) {
        for (int round = 0; round < rounds; ++round) {
            refused += ledger->refused[process][round];
            // Her name now, as the programs said they left her.
            if (ledger->added[process][round] == 0) {
                continue; // refused: never added
            }
            const std::string name = ledger->renamed[process][round] == 1 ? renamed(process, round)
                                                                          : pupilOf(process, round);
            const auto n = onFile.count(name);
            if (ledger->removed[process][round] == 1) {
                back += static_cast<int>(n + onFile.count(pupilOf(process, round)));
                continue;
            }
            EXPECT_EQ(n, 1u) << name;
            lost += n == 1 ? 0 : 1;
            const int given = ledger->answers[process][round];
            answers += given;
            EXPECT_EQ(answersIn(folder / (name + ".Xtx")), given) << name;
            lost += answersIn(folder / (name + ".Xtx")) == given ? 0 : 1;
        }
    }
    EXPECT_EQ(back, 0) << "removed pupils back on file";
    if (std::getenv("SUMBLITZ_LAB_DIR") == nullptr) {
        EXPECT_EQ(refused, 0) << "on a local disk nobody waits 10 s";
    }
    std::printf("lab: %d processes x %d rounds in %.1f s, %zu pupils on file, %d answers "
                "checked, lost %d, removed but back %d, refused steps %d\n",
                kProcesses, rounds, seconds, onFile.size(), answers, lost, back, refused);
}

// Two programs choose the same pupil at the same time, 20 times: one has her, the other is
// refused; her fact file holds exactly the answers of the sessions that had her.
TEST(SharedLab, TwoProgramsChoosingTheSamePupilOneIsRefused)
{
    TempDir dir;
    const fs::path folder = labFolder(dir, "same-");
    {
        DiskProgram first(folder);
        first.mainForm.load();
        first.mainForm.goauto_click();
        StudentForm form(first.p);
        form.load();
        form.newstudent_change("Sam");
        form.addstudent_click();
        form.start_click();
        form.close_click();
        ASSERT_TRUE(first.mainForm.close_request());
    }
    constexpr int kRounds = 20;
    const Ledger* ledger = forked(2, kRounds, [&](int process, int round, Ledger* l) {
        DiskProgram pc(folder);
        pc.mainForm.load();
        pc.mainForm.goauto_click();
        StudentForm form(pc.p);
        form.load();
        form.studentlist_click(*form.FindListed("Sam"));
        form.close_click();
        if (!form.model().closed) {
            l->refused[process][round] = form.model().takeOver ? 1 : 100;
            return form.cancel_click();
        }
        const int right = drill(pc.p, 1 + process + round % 3);
        std::this_thread::sleep_for(std::chrono::milliseconds(30)); // she stays here a while
        // Her file as this session left it, which holds at least its answers.
        const bool closed = pc.mainForm.close_request();
        const int after = answersIn(folder / "Sam.Xtx");
        l->answers[process][round] = closed && after >= right ? after : -1000;
    });
    int refused = 0, both = 0, last = 0;
    for (int round = 0; round < kRounds; ++round) {
        const int had = (ledger->answers[0][round] > 0) + (ledger->answers[1][round] > 0);
        EXPECT_EQ(ledger->refused[0][round] + ledger->refused[1][round] + had, 2) << round;
        both += had == 2 ? 1 : 0;
        refused += ledger->refused[0][round] + ledger->refused[1][round];
        last = std::max(ledger->answers[0][round], ledger->answers[1][round]);
    }
    // Nobody wrote her file after the last session that had her: a refused program never does.
    EXPECT_EQ(answersIn(folder / "Sam.Xtx"), last);
    std::printf("same pupil: 2 programs x %d rounds, refused %d times, both had her one after "
                "the other %d times, her file as the last session that had her left it\n",
                kRounds, refused, both);
}

} // namespace
} // namespace sb::proof
