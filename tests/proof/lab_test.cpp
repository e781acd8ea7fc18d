// SPDX-License-Identifier: GPL-3.0-or-later
// A computer lab on one data folder: 30 processes, each a whole program (the flow the windows
// drive, over the real disk), use one class's files at once for 20 rounds. Each round every
// process starts, adds a pupil of its own in the Student Data window and makes her current,
// drills her, renames its pupil of the round before, removes the one before that, and closes,
// with random pauses between the steps so that the windows of different processes overlap.
// Afterwards every pupil added is on file once, none removed is back, each fact file holds
// exactly the answers its pupil gave, and the class file is whole.

#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <thread>

#include "platform/lock_file.h"
#include "proof_support.h"
#include "students/file_names.h"

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

// The name of the pupil a process adds in a round; with "x" after it, once she is renamed.
std::string pupilOf(int process, int round, const char* renamed = "")
{
    return "K" + std::to_string(process) + "R" + std::to_string(round) + renamed;
}

void pause(std::mt19937& rng)
{
    std::this_thread::sleep_for(
        std::chrono::microseconds(std::uniform_int_distribution<int>(0, 20000)(rng)));
}

// The program's Student Data window opened over its main window, as a click opens it.
struct OpenedStudentData : DiskProgram {
    explicit OpenedStudentData(const fs::path& folder, bool shared = false)
        : DiskProgram(folder, shared)
    {
        mainForm.goauto_click();
        form.load();
    }
    StudentForm form{p};
};

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
    OpenedStudentData pc(folder);
    int& refused = ledger->refused[process][round];
    StudentForm& form = pc.form;
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
        form.newstudent_change(pupilOf(process, round - 1, "x"));
        form.Renam_click();
        // Done on the disk at once, even when the history could not follow her.
        const bool done = form.FindListed(pupilOf(process, round - 1, "x")).has_value();
        refused += done ? 0 : 1;
        ledger->renamed[process][round - 1] = done ? 1 : 0;
        lost |= !backTo(form, pupilOf(process, round));
    }
    bool removing = false;
    if (round >= 2 && form.FindListed(pupilOf(process, round - 2, "x"))) {
        if (!backTo(form, pupilOf(process, round - 2, "x"))) {
            return giveUp();
        }
        form.removestudent_click();
        removing = !form.FindListed(pupilOf(process, round - 2, "x"));
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
    const int right = drill(pc.p, std::uniform_int_distribution<int>(1, 6)(rng));
    pause(rng);
    ledger->answers[process][round] = pc.mainForm.close_request() ? right : 0;
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

// Runs session(process, round, ledger) in `processes` children at once, round after round, and
// `during(round, children, ledger)` while they run; answers what they wrote down, in memory shared
// with them. Each child ends well, or killed by `during`.
template <typename L>
L* forked(int processes, int rounds, const std::function<void(int, int, L*)>& session,
          const std::function<void(int, const std::vector<pid_t>&, L*)>& during = {})
{
    L* ledger = sharedMemory<L>();
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
        if (during) {
            during(round, children, ledger);
        }
        for (const pid_t child : children) {
            const int end = endOf(child);
            EXPECT_TRUE(end == 0 || (during && end == 128 + SIGKILL)) << end;
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
    const Ledger* ledger = forked<Ledger>(kProcesses, rounds, std::bind_front(session, folder));
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();

    // The class file: whole, its header counting every slot, each name once.
    const test::Bytes file = test::readBytes(folder / "StdDat.Xrx");
    const std::size_t slots = file.size() / kSlotSize - 1;
    EXPECT_EQ(test::ints(file.size() % kSlotSize, test::i16At(file, 0)), test::ints(0, slots));
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
            const std::string name =
                pupilOf(process, round, ledger->renamed[process][round] == 1 ? "x" : "");
            const auto n = onFile.count(name);
            if (ledger->removed[process][round] == 1) {
                back += static_cast<int>(n + onFile.count(pupilOf(process, round)));
                continue;
            }
            const int given = ledger->answers[process][round];
            const int inFile = test::answersIn(folder / (name + ".Xtx"));
            EXPECT_EQ(test::ints(n, inFile), test::ints(1, given)) << name;
            lost += n != 1 || inFile != given ? 1 : 0;
            answers += given;
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
    DrillSettings sam = test::originalDefaults();
    sam.autoTeach = 1; // her results are kept
    ASSERT_TRUE(writeClass(folder, {"Sam"}, sam));
    constexpr int kRounds = 20;
    const Ledger* ledger = forked<Ledger>(2, kRounds, [&](int process, int round, Ledger* l) {
        OpenedStudentData pc(folder);
        pc.form.studentlist_click(*pc.form.FindListed("Sam"));
        pc.form.close_click();
        if (!pc.form.model().closed) {
            l->refused[process][round] = pc.form.model().takeOver ? 1 : 100;
            return pc.form.cancel_click();
        }
        const int right = drill(pc.p, 1 + process + round % 3);
        std::this_thread::sleep_for(std::chrono::milliseconds(30)); // she stays here a while
        // Her file as this session left it, which holds at least its answers.
        const bool closed = pc.mainForm.close_request();
        const int after = test::answersIn(folder / "Sam.Xtx");
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
    EXPECT_EQ(test::answersIn(folder / "Sam.Xtx"), last);
    std::printf("same pupil: 2 programs x %d rounds, refused %d times, both had her one after "
                "the other %d times, her file as the last session that had her left it\n",
                kRounds, refused, both);
}

// What each session of the rough lab did, in memory shared with the test.
struct Session {
    int pupil = -1;    // the pupil it had (index into kRoughClass), -1: none
    int attempted = 0; // answers given while it had her
    int confirmed = 0; // ... known written: her lock still its own after they were
    std::int64_t heldFrom = 0, heldUntil = 0; // when it had her (ms since 1970)
    std::int64_t tookOverAt = 0;              // when it took her over from another program
    bool keptHer = false;                     // ... and her lock was still its own at the end
    std::int64_t drillMs = 0;                 // its drill's start, which its answers carry
    int removed = -1;                         // the pupil it removed (at OK), -1: none
    std::int64_t removedAt = 0;
};
constexpr int kRoughRounds = 4;
struct RoughLedger {
    Session at[kRoughRounds][kProcesses];
};
const std::string kRoughClass[]{"L0", "L1", "L2", "L3", "L4", "L5"};

// Whether the program's lock on its pupil is still its own on the disk.
bool holdsHer(const Program& p)
{
    const LockFile& lock = p.run.pupilLock;
    return lock.held() && lockHolds(diskFileSystem(), lock.path(), lock.text());
}

// A session of the rough lab: it shows a random pupil in the Student Data window; a remover (one
// program in ten in the last round) removes her and presses OK, a driller makes her current
// (taking her over one time in three when another program has her), drills a few answers one by
// one, each flushed to her history, and closes. Its answers are known written when none waits
// and its lock is still its own after them.
void roughSession(const fs::path& folder, int process, int round, RoughLedger* ledger)
{
    std::mt19937 rng(static_cast<unsigned>(process * 7919 + round));
    Session& s = ledger->at[round][process];
    OpenedStudentData pc(folder, true);
    const int pupil = std::uniform_int_distribution<int>(0, 5)(rng);
    StudentForm& form = pc.form;
    const auto entry = form.FindListed(kRoughClass[pupil]);
    if (!entry) {
        return form.cancel_click(); // removed meanwhile
    }
    form.studentlist_click(*entry);
    if (round == kRoughRounds - 1 && process % 10 == 9) {
        form.removestudent_click();
        pause(rng);
        form.close_click();
        if (!form.model().closed) {
            return form.cancel_click(); // she was made current elsewhere meanwhile: she stays
        }
        const std::int64_t at = realClock().utcMillis();
        StudentFile file(DataDir{diskFileSystem(), folder, realClock()});
        static_cast<void>(OpenStudentFile(file, {}));
        if (!FindStudentInFile(file, kRoughClass[pupil])) {
            s.removed = pupil, s.removedAt = at;
        }
        return static_cast<void>(CloseStudentFile(file));
    }
    form.close_click();
    if (!form.model().closed && form.model().takeOver && rng() % 3 == 0) {
        form.takeover_click();
        // Taken over when its lock is on the disk (two programs taking her over at once,
        // one of them finds the other's there at once, and answers nothing to her).
        if (holdsHer(pc.p)) {
            s.tookOverAt = realClock().utcMillis();
        }
    }
    if (!form.model().closed) {
        return form.cancel_click();
    }
    if (trimmedName(pc.p.cur()) != kRoughClass[pupil]) {
        return;
    }
    s.heldFrom = realClock().utcMillis();
    s.pupil = pupil;
    pc.p.cur().autoTeach = 0; // one drill: all its answers carry its start
    pc.mainForm.start_click();
    const int answers = std::uniform_int_distribution<int>(1, 8)(rng);
    for (int i = 0; i < answers; ++i) {
        ++s.attempted;
        pc.mainForm.but_click(pc.p.drill.rightSlot);
        s.drillMs = pc.p.history.drillMs; // each row of her history tells its drill
        FlushAnswerHistory(pc.p);
        const bool held = holdsHer(pc.p);
        if (held && pc.p.history.writer->waiting(historyPath(pc.p)) == 0) {
            s.confirmed = s.attempted;
        }
        s.keptHer = held;
        pause(rng);
    }
    s.heldUntil = realClock().utcMillis(); // (or when another program took her over: see the check)
    static_cast<void>(pc.mainForm.close_request());
}

// The lab at its roughest: programs killed (SIGKILL) at random moments, pupils taken over from
// one another, and in the last round pupils removed while others choose theirs. Every answer
// a program knew written is in its pupil's history once, none of a killed program's is there
// twice, none given after another program took the pupil over is there, and no pupil was
// removed while a program had her.
TEST(SharedLab, KillsTakeOversAndRemovalsLoseNoAnswerNorWriteOneAfterItsTime)
{
    TempDir dir;
    const fs::path folder = labFolder(dir, "rough-");
    DrillSettings pupil = test::originalDefaults();
    pupil.autoTeach = 1;
    ASSERT_TRUE(writeClass(folder, {std::begin(kRoughClass), std::end(kRoughClass)}, pupil));
    std::mt19937 killer(7);
    int killed = 0;
    const auto kills = [&](int round, const std::vector<pid_t>& children, RoughLedger* l) {
        for (int k = 0; k < 3; ++k) { // up to three programs of each round killed mid-way
            std::this_thread::sleep_for(
                std::chrono::milliseconds(std::uniform_int_distribution<int>(10, 150)(killer)));
            const auto victim = static_cast<std::size_t>(killer() % kProcesses);
            Session& s = l->at[round][victim];
            const std::int64_t at = realClock().utcMillis();
            siginfo_t ended{}; // one still running (one that ended is left to be waited for)
            if (::waitid(P_PID, static_cast<id_t>(children[victim]), &ended,
                         WEXITED | WNOHANG | WNOWAIT) == 0 &&
                ended.si_pid == 0 && ::kill(children[victim], SIGKILL) == 0) {
                ++killed;
                s.heldUntil = s.heldUntil == 0 ? at : std::min(s.heldUntil, at);
            }
        }
    };
    const RoughLedger* ledger =
        forked<RoughLedger>(kProcesses, kRoughRounds, std::bind_front(roughSession, folder), kills);

    // The history of each pupil still on file, its rows by the drill that gave them.
    std::map<std::string, std::map<std::int64_t, std::vector<AnswerRow>>> rowsOf;
    StudentFile file(DataDir{diskFileSystem(), folder, realClock()});
    for (const std::string& name : OpenStudentFile(file, {})) {
        auto& byDrill = rowsOf[name]; // hers even when it holds no row
        for (const AnswerRow& r : test::historyRows(folder / historyFileName(name))) {
            byDrill[r.drillMs].push_back(r);
        }
    }
    static_cast<void>(CloseStudentFile(file));
    int checked = 0, late = 0, inUseRemoved = 0, takeOvers = 0, removals = 0;
    for (int round = 0; round < kRoughRounds; ++round) {
        for (int process = 0; process < kProcesses; ++process) {
            const Session& s = ledger->at[round][process];
            takeOvers += s.tookOverAt != 0 ? 1 : 0;
            if (s.removed >= 0) {
                ++removals;
                for (const auto& other : ledger->at[round]) { // nobody had her then
                    const std::int64_t until = other.heldUntil == 0 ? INT64_MAX : other.heldUntil;
                    inUseRemoved += other.pupil == s.removed && other.heldFrom < s.removedAt &&
                                    s.removedAt < until;
                }
            }
            if (s.pupil < 0 || s.drillMs == 0 || !rowsOf.contains(kRoughClass[s.pupil])) {
                continue;
            }
            const auto& rows = rowsOf[kRoughClass[s.pupil]][s.drillMs];
            SCOPED_TRACE(kRoughClass[s.pupil] + " of process " + std::to_string(process) +
                         " in round " + std::to_string(round));
            EXPECT_GE(static_cast<int>(rows.size()), s.confirmed);
            EXPECT_LE(static_cast<int>(rows.size()), s.attempted) << "an answer written twice";
            checked += s.confirmed;
            // None given after another program of the round took her over from it.
            for (const auto& taker : ledger->at[round]) {
                if (taker.pupil == s.pupil && taker.tookOverAt > s.heldFrom && taker.keptHer) {
                    late += static_cast<int>(std::ranges::count_if(
                        rows, [&](const AnswerRow& r) { return r.atMs > taker.tookOverAt; }));
                }
            }
        }
    }
    EXPECT_EQ(late, 0) << "answers written after the pupil was taken over";
    EXPECT_EQ(inUseRemoved, 0) << "pupils removed while a program had them";
    EXPECT_GT(checked, 0);
    std::printf("rough lab: %d processes x %d rounds, %d killed, %d take-overs, %d removals, "
                "%d answers known written all found once, %d late, %d removed in use\n",
                kProcesses, kRoughRounds, killed, takeOvers, removals, checked, late, inUseRemoved);
}

} // namespace
} // namespace sb::proof
