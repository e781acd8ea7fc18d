// SPDX-License-Identifier: GPL-3.0-or-later
// "Default.Xsx" at start-up and shut-down, the order of their steps, and saves that fail.

#include "platform/file_system.h"
#include "support/test_support.h"

namespace sb::test {
namespace {

// A program over a data directory whose files can be made to fail; `file` written first.
struct Files : OwnFaultyFiles, ProgramFixture {
    Files() : ProgramFixture(random, files) {}
    Files(const char* file, const Bytes& bytes) : Files() { writeBytes(at(file), bytes); }
    // The selection saved in slot 3.
    Boxes saved() const { return selectionOf(slotIn(at("Default.Xsx"), 3)); }
    StdRandom random{3};
};

// The program started over an empty data directory.
struct Started : Files {
    Started() { load(); }
};

TEST(StartUp, ChoosesAWholeSlotTaggedOneAndRepairsOnlyTheFieldsThatWouldBreakADrill)
{
    // length of the file, tags of slots 2 and 3, and the operation chosen: slot 1 carries 4,
    // slot 2 carries 5, slot 3 carries 6; without slot 1 the original defaults stand.
    const std::vector<std::array<int, 4>> rows{{624, 0, 0, 4},  {624, 1, 0, 5}, {624, 1, 1, 6},
                                               {624, -1, 0, 4}, {624, 1, 2, 5}, {623, 1, 1, 5},
                                               {415, 1, 1, 4},  {207, 1, 1, 1}};
    for (const auto& [length, tag2, tag3, op] : rows) {
        const Bytes full = concat({markedSlot("Custom", 4, 1), markedSlot("Untitled", 5, tag2),
                                   markedSlot("Ann", 6, tag3)});
        Files t("Default.Xsx", Bytes(full.begin(), full.begin() + length));
        t.load();
        EXPECT_EQ(ints(t.p.cur().operation, t.p.main.selection.op), ints(op, op))
            << length << " " << tag2 << tag3;
    }
    // offset (operation 30, stopOn 28, averageOver 40, repeatWithin 68, ShockClock 82), the
    // value stored and the value loaded; reviewAfter (36) is never touched
    const std::vector<std::array<int, 3>> fields{
        {30, 7, 1}, {30, 0, 1}, {30, 6, 6},   {30, 1, 1},    {28, 10, 2},    {28, 0, 2},
        {28, 9, 9}, {28, 1, 1}, {40, 0, 15},  {40, 328, 15}, {40, 327, 327}, {40, 1, 1},
        {68, 0, 3}, {68, 1, 1}, {82, -4, -4}, {36, 700, 700}};
    for (const auto& [offset, stored, loaded] : fields) {
        const HandSlot current =
            markedSlot("Ann", 3, 1).at(static_cast<std::size_t>(offset), stored);
        Files t("Default.Xsx", concat({originalDefaultsSlot(), markedSlot("X", 4), current}));
        t.load();
        const SettingsSlot slot = encodeSettings(t.p.cur());
        EXPECT_EQ(i16At(Bytes(slot.begin(), slot.end()), static_cast<std::size_t>(offset)), loaded)
            << "offset " << offset << " stored " << stored;
        DrillSettings raw = *decodeSettings(current.bytes);
        EXPECT_EQ(repairSettings(raw), stored != loaded) << "says whether it changed something";
    }
}

// Slot 3 names Ann, with saveLevel on and 10 Sub over the range 11..13; her fact file is there.
TEST(StartUp, LoadsThePupilsFactsButStartsANewDrillAndShowsHerLocked)
{
    Files t("Default.Xsx", concat({originalDefaultsSlot(), originalDefaultsSlot(),
                                   markedSlot("  Ann", 2, 1).at(56, 1).at(88, 0).at(90, 1)}));
    writeBytes(t.at("Ann.Xtx"), readBytes(Path(SUMBLITZ_TEST_DATA) / "facts_ann.Xtx"));
    t.p.flags.smartFromStudent = t.p.flags.studentFromSmart = t.p.drill.repeatCount = 4;
    t.p.drill.score = t.p.drill.total = 4;
    t.load();
    EXPECT_EQ(ints(t.p.flags.smartFromStudent, t.p.flags.studentFromSmart, t.p.drill.repeatCount,
                   t.p.drill.score, t.p.drill.total, t.p.run.drillResumable, t.p.drill.repeatDelay),
              ints(0, 0, 0, 0, 0, 0, -1))
        << "the first Start builds a new drill";
    EXPECT_EQ(t.p.drill.fact(23), (FactRec{3, 2, 6, 1, 0, 0, 2, 2, 0, 1, 3, 5}));
    EXPECT_EQ(English(t.p.main.dsword) + English(t.p.main.statusLines[3]), "Ann:Save      On");
    EXPECT_EQ(t.p.settings.startSettings, t.p.cur());
    // The "10 Sub" lock starts clear, so the saved 10 Sub locks the boxes while they are shown
    // and another operation gives them back.
    EXPECT_EQ(ints(t.p.flags.firstLocked, t.p.main.selection.a[2].enabled), ints(1, false));
    t.mainForm.op_click(OpAdd);
    EXPECT_EQ(t.boxes(), (Boxes{{2}, oneTo(10)}));
    EXPECT_TRUE(t.p.main.selection.a[2].enabled);
}

// Slot 1 holds the defaults, slot 2 the settings in use named "Untitled" and tagged with their
// saveLevel, slot 3 the settings in use tagged with their loadOnStart. Only saveLevel on saves
// the facts too.
TEST(ShutDown, TagsSlotsTwoAndThreeFromTheSettingsInUse)
{
    // saveLevel, loadOnStart
    for (const auto& [saveLevel, loadOnStart] : {std::pair{0, 0}, {1, 0}, {0, 1}}) {
        Started t;
        EXPECT_TRUE(filesIn(t.dir.path()).empty()) << "start-up must not write";
        setName(t.p.cur(), "Ann");
        t.p.cur().saveLevel() = static_cast<std::int16_t>(saveLevel);
        t.p.cur().loadOnStart = static_cast<std::int16_t>(loadOnStart);
        ASSERT_TRUE(t.mainForm.close_request());
        HandSlot used = originalDefaultsSlot().at(56, saveLevel).at(24, loadOnStart);
        EXPECT_EQ(readBytes(t.at("Default.Xsx")),
                  concat({originalDefaultsSlot(), HandSlot(used).name("Untitled").at(0, saveLevel),
                          used.name("Ann").at(0, loadOnStart)}));
        EXPECT_EQ(filesIn(t.dir.path()).size(), saveLevel > 0 ? 2u : 1u);
    }
}

// Ann drills second number 1 with Auto Teach and masters it; before closing she ticks the range
// 11..13. The close reads the window, runs the Auto Teach step, and saves what both did.
TEST(ShutDown, ReadsTheWindowRunsAnAutoTeachStepThenSavesAndNeverClimbsWithoutAnswers)
{
    Started t;
    setName(t.p.cur(), "Ann");
    t.p.cur().autoTeach = 1;
    t.setBoxes(Boxes{{1}, {1}});
    t.mainForm.start_click(), t.mainForm.cPause_click();
    for (int i = 1; i <= 10; ++i) {
        t.p.drill.fact(i).state = 0;
    }
    t.mainForm.a_click(2, 1);
    ASSERT_TRUE(t.mainForm.close_request());
    EXPECT_EQ(English(t.p.main.stageCaption) + English(t.p.main.stageNote), "Begin: 2Remove: 1");
    EXPECT_EQ(t.saved(), (Boxes{{1, 2}, {2}})) << "range 11..13 as ticked; 1 out and 2 in";
    const Bytes facts = readBytes(t.at("Ann.Xtx"));
    EXPECT_EQ(ints(i16At(facts, 14), i16At(facts, 20 * 24 + 14)), ints(0, 1)) << "1 out, 21 in";
    // A close that found a save failing leaves the window open; the next close saves again
    // but runs no second step, though 2 is mastered now too.
    for (int i = 21; i <= 30; ++i) {
        t.p.drill.fact(i).state = 0;
    }
    ASSERT_TRUE(t.mainForm.close_request());
    EXPECT_EQ(t.saved(), (Boxes{{1, 2}, {2}}));
    // The first close writes a fact file holding the never-built table and every later start reads
    // it back: only answers master a number, so the selection stays, run after run. A selection the
    // teacher empties stays empty, whatever steps had begun: nothing was retired, so nothing begins
    // (the next Start brings number 1 back).
    for (const int begun : {-1, 0, 3}) { // steps begun before emptying; -1: number 1 ticked again
        Files home;
        for (int run = 1; run <= 4; ++run) {
            SCOPED_TRACE(testing::Message() << begun << " run " << run);
            Program p{home.services};
            MainForm window{p};
            window.load();
            if (run == 1) {
                // saveLevel on: the pupil's settings come back at the next start
                p.cur().autoTeach = p.cur().saveLevel() = 1;
                for (int n = 1; n <= begun; ++n) {
                    p.cur().activeSteps(n) = 4;
                }
                window.bseln_click();
                if (begun < 0) {
                    window.b_click(1, 1);
                }
            }
            ASSERT_TRUE(window.close_request());
            EXPECT_EQ(home.saved(), (begun < 0 ? Boxes{{1}, {1}} : Boxes{{1}, {}}));
        }
    }
}

using Save = bool (*)(Program&);
// Each saver: the file it replaces, the size it writes, its notice, the save itself.
const std::vector<std::tuple<const char*, std::size_t, MessageId, Save>> kSavers{
    {"Default.Xsx", 624, MessageId::SettingsNotSaved,
     [](Program& p) { return MainForm(p).close_request(); }},
    {"Ann.Xtx", 4800, MessageId::ResultsNotSaved, [](Program& p) { return WriteFactFile(p); }},
    {"StdDat.Xrx", 624, MessageId::None, [](Program& p) {
         StudentFile file(dataDirOf(p));
         static_cast<void>(OpenStudentFile(file, p.run.shownPupil));
         return RewriteStudentFile(file, {"Bob"}, p.cur(), p.settings.defaultSettings).ok();
     }}};

// Links planted at the temporary names of old would take the save to another file. A file
// replaced through a link keeps its permission bits, and the link stays.
TEST(SafeSave, ATemporaryOfAFreshNameIsUsedAndTheFileKeepsItsModeAndLink)
{
    namespace fs = std::filesystem;
    for (const auto& [file, size, notice, save] : kSavers) {
        for (const bool planted : {true, false}) {
            SCOPED_TRACE(testing::Message() << file << (planted ? " planted links" : " a link"));
            Started t;
            setName(t.p.cur(), "Ann");
            t.p.cur().saveLevel() = 1;
            const Path real = t.at(planted ? file : "elsewhere");
            writeBytes(real,
                       concat({markedSlot("", 1, 2), markedSlot("Ann", 4), markedSlot("Cy", 5)}));
            writeBytes(t.at("secret"), Bytes{7});
            if (planted) {
                fs::create_symlink(t.at("secret"), t.at(file + std::string(".tmp")));
                fs::create_symlink(t.at("secret"), t.at("Std2.ini"));
            } else {
                fs::permissions(real, fs::perms(0400));
                fs::create_symlink("elsewhere", t.at(file));
            }
            EXPECT_TRUE(save(t.p));
            EXPECT_EQ(readBytes(t.at("secret")), Bytes{7});
            EXPECT_EQ(readBytes(real).size(), size);
            EXPECT_EQ(fs::is_symlink(t.at(file)), !planted);
            EXPECT_TRUE(planted || fs::status(real).permissions() == fs::perms(0400));
        }
    }
    // Only stale temporaries of the record files go: one of a process of this machine that is
    // gone, or one of an earlier version that is over a minute old; another running copy's
    // (this process stands for it), another machine's and anything else stay.
    std::string host = testHostName();
    // the name, whether it stays, whether it is two hours old
    const std::vector<std::tuple<std::string, bool, bool>> temps{
        {"Default.Xsx.tmp-" + host + "-" + std::to_string(kDeadPid) + "-A1b2C3", false, false},
        {"Ann.Xtx.tmp-A1b2C3", false, true},
        {"StdDat.Xrx.tmp-Q9w8E7", true, false},
        {"Default.Xsx.tmp-" + host + "-" + std::to_string(::getpid()) + "-A1b2C3", true, false},
        {"Default.Xsx.tmp-pc12-" + std::to_string(kDeadPid) + "-A1b2C3", true, false},
        {"Default.Xsx.tmp-A1b2C3x", true, false},
        {"Default.Xsy.tmp-A1b2C3", true, true},
        {"Default.Xsx.tmp-pc12--A1b2C3", true, true}}; // no process id: no temporary of ours
    Files swept;
    std::set<std::string> kept{"Default.Xsx"};
    for (const auto& [name, stays, aged] : temps) {
        writeBytes(swept.at(name), Bytes{1});
        if (aged) {
            fs::last_write_time(swept.at(name),
                                fs::file_time_type::clock::now() - std::chrono::hours(2));
        }
        if (stays) {
            kept.insert(name);
        }
    }
    swept.load();
    EXPECT_TRUE(swept.mainForm.close_request());
    EXPECT_EQ(filesIn(swept.dir.path()), kept);
    Started loop; // a record file that is a link to itself: the save replaces the link
    fs::create_symlink("Default.Xsx", loop.at("Default.Xsx"));
    EXPECT_TRUE(loop.mainForm.close_request());
    EXPECT_EQ(readBytes(loop.at("Default.Xsx")).size(), 624u);
    // Started with standard input closed (as some launchers do), the program's first open file
    // gets descriptor 0, which is as good as any other.
    Started noInput;
    const int in = ::dup(0);
    ::close(0);
    const bool saved = noInput.mainForm.close_request();
    ::dup2(in, 0), ::close(in);
    EXPECT_TRUE(saved);
    EXPECT_EQ(readBytes(noInput.at("Default.Xsx")).size(), 624u);
    // A file server's "busy" is waited out; any other failure is the answer at once.
    for (const auto& [why, answer, tries] : {std::tuple(EBUSY, 0, 3), std::tuple(ENOENT, -1, 1)}) {
        int calls = 0;
        const auto failingTwice = [&calls, error = why] {
            if (++calls <= 2) {
                errno = error;
                return -1;
            }
            return 0; // as a system call does, it leaves errno as it was
        };
        EXPECT_EQ(retryWhileBusy(failingTwice), answer) << why;
        EXPECT_EQ(calls, tries) << why;
    }
}

// A crash leaves a temporary that the next save removes (only its own file's).
TEST(SafeSave, ASaveCutShortNotRenamedOrOverAnUnreadFileLeavesThePreviousFileIntact)
{
    const Bytes previous =
        concat({markedSlot("", 1, 2), markedSlot("Ann", 4), markedSlot("Cy", 5)});
    for (const auto& [file, size, notice, save] : kSavers) {
        for (int fault = 0; fault < 3; ++fault) { // cut short, rename refused, unread at start
            SCOPED_TRACE(testing::Message() << file << " fault " << fault);
            Files t(file, previous);
            writeBytes(t.at("Cy.Xtx.tmp-Q9w8E7"), Bytes{1});
            t.files.failRead = fault == 2;
            t.load();
            if (file[0] == 'D') {
                EXPECT_EQ(t.p.main.notice,
                          fault == 2 ? noticeOf({{MessageId::SettingsNotRead, {file}}}) : Message())
                    << "at start-up";
            }
            setName(t.p.cur(), "Ann");
            t.p.cur().saveLevel() = file[0] == 'A';
            t.files.failRead = false;
            t.files.crashWritingTempAfter =
                fault == 0 ? std::optional<std::size_t>(300) : std::nullopt;
            t.files.failRename = fault == 1;
            const bool fails = fault < 2 || file[0] == 'D';
            EXPECT_EQ(save(t.p), !fails);
            EXPECT_TRUE(!fails || readBytes(t.at(file)) == previous);
            EXPECT_EQ(filesIn(t.dir.path()).size(), fault == 0 ? 3u : 2u) << "a crash's temporary";
            const Message named =
                notice == MessageId::None ? Message() : noticeOf({{notice, {file}}});
            EXPECT_EQ(t.p.main.notice, fails ? named : Message());
            t.files.crashWritingTempAfter.reset(), t.files.failRename = false;
            EXPECT_EQ(save(t.p), fault < 2 || file[0] != 'D');
            EXPECT_TRUE(!fails || readBytes(t.at(file)).size() == size);
            EXPECT_EQ(filesIn(t.dir.path()), (std::set<std::string>{file, "Cy.Xtx.tmp-Q9w8E7"}));
            EXPECT_EQ(t.p.main.notice, fault < 2 || file[0] != 'D' ? Message() : named);
        }
    }
    // In a shared folder, this computer's own settings file is the one start-up says it could
    // not read.
    const std::string own = "Default." + testHostName() + ".Xsx";
    Files shared(own.c_str(), previous);
    shared.files.unreadable = {own};
    shared.load();
    EXPECT_EQ(shared.p.main.notice, noticeOf({{MessageId::SettingsNotRead, {own}}}));
    // Shut-down tries every save: a failed settings file does not keep the facts from theirs.
    Started t;
    t.p.cur().saveLevel() = 1;
    t.files.failRename = true, t.files.calls = 0;
    EXPECT_FALSE(t.mainForm.close_request());
    EXPECT_EQ(t.files.calls, 6) << "each save: write, rename, remove the temporary file";
    EXPECT_EQ(t.p.main.notice, noticeOf({{MessageId::SettingsNotSaved, {"Default.Xsx"}},
                                         {MessageId::ResultsNotSaved, {"Default.Xtx"}}}));
}

} // namespace
} // namespace sb::test
