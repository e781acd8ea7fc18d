// SPDX-License-Identifier: GPL-3.0-or-later
// Two copies of the program on one data folder, as the computers of a lab use it: each a real
// program with its own Student Data window over the same files.

#include <chrono>
#include <fstream>
#include <memory>
#include <thread>

#include "platform/folder_guard.h"
#include "platform/lock_file.h"
#include "students/answer_history.h"
#include "support/test_support.h"

namespace sb::test {
namespace {

namespace fs = std::filesystem;

// One computer of the lab: a program whose data folder is `folder`.
struct Computer {
    explicit Computer(const fs::path& folder, FileSystem& disk = diskFileSystem())
        : files(disk, folder, "StdDat.Xrx")
    {
        fx.services.dataDir = folder;
        fx.load();
    }
    StdRandom random{7};
    FolderGuard files; // as the program reaches its folder
    ProgramFixture fx{random, files};
    Program& p = fx.p;
    MainForm& mainForm = fx.mainForm;
    std::unique_ptr<StudentForm> form;

    void open()
    {
        mainForm.goauto_click();
        form = std::make_unique<StudentForm>(p);
        form->load();
    }
    void add(std::string_view name) { form->newstudent_change(name), form->addstudent_click(); }
    void choose(std::string_view name) { form->studentlist_click(*form->FindListed(name)); }
};

// A data folder, with a class of `pupils` pupils P01, P02, .. when there are any.
struct Lab {
    explicit Lab(int pupils = 0)
    {
        std::vector<DrillSettings> records;
        for (int i = 1; i <= pupils; ++i) {
            DrillSettings& s = records.emplace_back();
            setName(s, "P0" + std::to_string(i));
            s.operation = static_cast<std::int16_t>(1 + i % 6);
            s.teachSet[1] = static_cast<std::int16_t>(100 + i); // tells the records apart
        }
        if (pupils > 0) {
            writeStudentFile(folder, records);
        }
    }
    TempDir dir;
    fs::path folder = dir.path();

    int counted() const { return i16At(readBytes(folder / "StdDat.Xrx"), 0); }
    // The records of the student file, slot by slot, and their names.
    std::vector<DrillSettings> records() const
    {
        const Bytes b = readBytes(folder / "StdDat.Xrx");
        std::vector<DrillSettings> out;
        for (std::size_t k = 2; k * kSlotSize <= b.size(); ++k) {
            out.push_back(*decodeSettings(fieldsOf(b, k)));
        }
        return out;
    }
    std::vector<std::string> names() const
    {
        const auto names = records() | std::views::transform(trimmedName);
        return {names.begin(), names.end()};
    }
};

using Names = std::vector<std::string>;

// Two Student Data windows open at once: what each adds stays, whichever OKs last. The slot of
// a fixed entry that one window's OK took away is made again by the other, without a word, and
// a pupil renamed and then removed there stays removed.
TEST(SharedFolder, PupilsAddedOnTwoComputersAtOnceAreAllKept)
{
    const Lab lab(6);
    Computer a(lab.folder), b(lab.folder);
    a.open(), b.open();
    a.add("Ann");
    b.add("Bob");
    b.choose("Default");
    a.form->close_click();
    ASSERT_TRUE(a.form->model().closed) << testing::PrintToString(a.form->model().message);
    b.choose("Bob");
    EXPECT_TRUE(b.form->model().message.empty());
    EXPECT_EQ(std::ranges::count(lab.names(), "Default"), 1) << "its slot made again";
    b.choose("P02");
    b.form->newstudent_change("Pia");
    b.form->Renam_click();
    b.form->removestudent_click(); // a pupil renamed here, then removed: no pupil added elsewhere
    b.form->close_click();
    ASSERT_TRUE(b.form->model().closed) << testing::PrintToString(b.form->model().message);
    EXPECT_EQ(lab.names(), (Names{"P01", "P03", "P04", "P05", "P06", "Bob", "Ann"}));
    EXPECT_EQ(lab.counted(), 7);
}

// A removes P01 and OKs while B clicks P03 and P05 and cancels: every other pupil keeps her own
// record, where B's clicks wrote by slot numbers read before the removal.
TEST(SharedFolder, AWindowOpenElsewhereWritesEachPupilByNameAndItsCancelUndoesOnlyItsOwn)
{
    const Lab lab(6);
    Computer a(lab.folder), b(lab.folder);
    a.open(), b.open();
    b.add("Cy"); // appended by B, taken away again by its Cancel
    a.choose("P01");
    a.form->removestudent_click();
    a.form->close_click();
    ASSERT_TRUE(a.form->model().closed);
    b.choose("P03"), b.choose("P05");
    b.choose("P01"); // removed by A: shown, but never written back
    b.form->cancel_click();
    EXPECT_EQ(lab.names(), (Names{"P02", "P03", "P04", "P05", "P06"}));
    EXPECT_EQ(lab.counted(), 5);
    for (const DrillSettings& s : lab.records()) { // each her own record
        const int i = trimmedName(s).back() - '0';
        EXPECT_EQ(ints(s.teachSet[1], s.operation), ints(100 + i, 1 + i % 6)) << trimmedName(s);
    }
    Lab empty; // what d appended, from the file's first slot on, goes with d's Cancel
    Computer c(empty.folder), d(empty.folder);
    d.open(), d.add("Dee");
    c.open(), c.choose("Untitled"); // the file changes after it
    d.form->cancel_click();
    EXPECT_EQ(empty.names(), (Names{"Untitled"}));
}

// A pupil is current on one computer at a time: the other is told where she is, and gets her
// once the first lets her go, or by a take-over, after which the first no longer saves her.
TEST(SharedFolder, APupilInUseElsewhereIsRefusedUntilLetGoOrTakenOver)
{
    const Lab lab(2);
    Computer a(lab.folder), b(lab.folder);
    a.open();
    a.choose("P01");
    a.form->close_click();
    ASSERT_EQ(trimmedName(a.p.cur()), "P01");

    b.open(), b.choose("P02"), b.form->close_click(); // B holds a pupil of its own
    b.open();
    b.choose("P01");
    b.form->takeover_click();
    EXPECT_FALSE(b.form->model().closed) << "no Take Over before one is offered";
    b.form->close_click();
    EXPECT_TRUE(!b.form->model().closed && b.form->model().takeOver);
    const auto holder = readLockHolder(a.files, a.fx.clock, lab.folder / "P01.Xtx.lock");
    EXPECT_EQ(b.form->model().message,
              Message(MessageId::PupilInUseTakeOver, {"P01", holderMessage(*holder)}));
    const auto listed = b.form->model().studentlist;
    b.form->removestudent_click();
    EXPECT_EQ(b.form->model().studentlist, listed);
    b.form->newstudent_change("Pia"), b.form->Renam_click();
    EXPECT_EQ(b.form->model().message.id, MessageId::PupilInUseCannotChange);
    EXPECT_EQ(lab.names(), (Names{"P01", "P02", ""})) << "nor removed nor renamed while in use";

    b.form->takeover_click();
    ASSERT_TRUE(b.form->model().closed && !b.form->model().takeOver);
    EXPECT_EQ(trimmedName(b.p.cur()), "P01");
    a.mainForm.start_click(); // A answers before its next look at the lock
    a.mainForm.but_click(a.p.drill.rightSlot);
    FlushAnswerHistory(a.p);
    EXPECT_FALSE(fs::exists(lab.folder / "P01.history.sqlite")) << "not one answer of A's";
    a.p.cur().autoTeach = 1; // her results would be saved
    a.mainForm.locks_tick();
    EXPECT_EQ(a.p.main.notice, noticeOf({{MessageId::PupilTakenOver, {"P01"}}}));
    EXPECT_FALSE(WriteFactFile(a.p));
    EXPECT_FALSE(fs::exists(lab.folder / "P01.Xtx")) << "A no longer writes her results";
    a.open(), a.choose("P02"), a.form->close_click(); // A goes on with another pupil
    EXPECT_TRUE(a.p.main.notice.empty()) << "the word about P01 goes with her";

    b.p.cur().loadOnStart = 1;
    ASSERT_TRUE(b.mainForm.close_request());
    EXPECT_FALSE(fs::exists(lab.folder / "P01.Xtx.lock")) << "let go at the close";
    const Computer again(lab.folder); // B started again: she is its pupil from the start
    EXPECT_EQ(trimmedName(again.p.cur()), "P01");
    EXPECT_TRUE(fs::exists(lab.folder / "P01.Xtx.lock"));
}

// A pupil removed in one window goes only if no other computer has her at OK: one made current
// elsewhere after the click stays, and the window says who has her.
TEST(SharedFolder, ARemovalSparesAPupilMadeCurrentElsewhereBeforeOk)
{
    const Lab lab(3);
    Computer b(lab.folder), c(lab.folder);
    b.open();
    b.choose("P03");
    b.form->removestudent_click(); // she is free now
    c.open(), c.choose("P03"), c.form->close_click();
    ASSERT_EQ(trimmedName(c.p.cur()), "P03");
    b.choose("P01");
    b.form->close_click();
    EXPECT_EQ(b.form->model().message.id, MessageId::PupilInUseCannotChange);
    EXPECT_EQ(b.form->model().message.args.at(0), Message("P03"));
    b.form->close_click();
    EXPECT_TRUE(b.form->model().closed);
    EXPECT_EQ(lab.names(), (Names{"P01", "P02", "P03"}));
}

// A window that listed a pupil before another computer removed her never brings her back:
// neither when she is chosen there afterwards nor when she was on display at its OK.
TEST(SharedFolder, APupilRemovedElsewhereIsNotBroughtBackByAWindowOpenBefore)
{
    const Lab lab(3);
    Computer b(lab.folder), c(lab.folder);
    b.open(), b.choose("P02");
    c.open(), c.choose("P03"), c.form->removestudent_click();
    c.choose("P02"), c.form->removestudent_click(), c.form->close_click();
    ASSERT_EQ(lab.names(), (Names{"P01", ""}));
    const auto removed = [](MessageId what, const char* name) {
        return Message(MessageId::BecauseRemovedElsewhere, {{what, {name}}});
    };
    b.choose("P03");
    EXPECT_EQ(b.form->model().message, removed(MessageId::PupilNotShownYet, "P03"));
    b.form->close_click(); // P02 still on display
    EXPECT_EQ(b.form->model().message, removed(MessageId::SettingsNotStored, "P02"));
    EXPECT_FALSE(b.form->model().closed);
    EXPECT_NE(trimmedName(b.p.cur()), "P02") << "not made current";
    EXPECT_EQ(lab.names(), (Names{"P01", ""}));
}

// Another computer's removal that lands while this one makes the same pupil current: her lock
// is taken before her record is looked for, so either the removal is refused (she is in use) or,
// as here, this computer finds her removed and does not make her current.
TEST(SharedFolder, APupilRemovedWhileBeingMadeCurrentIsNotMadeCurrent)
{
    const Lab lab(3);
    FaultyFiles cued;
    Computer b(lab.folder, cued), c(lab.folder);
    b.open(), b.choose("P02");
    c.open(), c.choose("P02"), c.form->removestudent_click();
    bool removed = false;
    cued.before = [&](std::string_view, const fs::path& path) {
        if (path.filename().string().starts_with("P02.Xtx.lock") && !removed) {
            removed = true;
            c.form->close_click(); // just before this computer takes her lock
        }
    };
    b.form->close_click();
    ASSERT_TRUE(removed);
    EXPECT_EQ(lab.names(), (Names{"P01", "P03", ""}));
    EXPECT_FALSE(b.form->model().closed);
    EXPECT_NE(trimmedName(b.p.cur()), "P02");
}

// The other way round: a computer removing a pupil holds her lock, and a Take Over at another
// computer takes it before the class list is written. The removal is refused as if she had
// been in use at OK: she stays listed, with her answers, and stays current where taken over.
TEST(SharedFolder, APupilTakenOverWhileBeingRemovedStays)
{
    const Lab lab(3);
    FaultyFiles cued;
    Computer b(lab.folder), c(lab.folder, cued);
    b.open(), b.choose("P02");
    c.open(), c.choose("P02"), c.form->removestudent_click(), c.choose("P01");
    bool reserved = false, taken = false;
    cued.before = [&](std::string_view, const fs::path& path) {
        const std::string file = path.filename().string();
        reserved = reserved || file.starts_with("P02.Xtx.lock");
        if (reserved && file.starts_with("StdDat.Xrx.lock") && !taken) {
            taken = true; // before the list is written
            b.form->close_click();
            b.form->takeover_click();
        }
    };
    c.form->close_click();
    ASSERT_TRUE(taken);
    EXPECT_EQ(trimmedName(b.p.cur()), "P02");
    EXPECT_EQ(lab.names(), (Names{"P01", "P02", "P03"}));
    EXPECT_FALSE(c.form->model().closed);
    EXPECT_EQ(c.form->model().message.id, MessageId::PupilInUseCannotChange);
}

// In a shared folder each computer keeps its last settings and current pupil in its own
// defaults file; the lab's "Default.Xsx" is left as it is.
TEST(SharedFolder, EachComputerKeepsItsOwnDefaultsFile)
{
    const Lab lab(2);
    Computer a(lab.folder);
    a.p.run.sharedFolder = true;
    a.open();
    a.choose("P02");
    a.form->onload_click(1);
    a.form->close_click();
    a.p.cur().teachSet[1] = 321; // as a drill with Auto Teach leaves it
    ASSERT_TRUE(a.mainForm.close_request());
    EXPECT_EQ(lab.records().at(1).teachSet[1], 321) << "her record goes back to her slot";
    const fs::path own = lab.folder / ("Default." + hostName() + ".Xsx");
    ASSERT_TRUE(fs::exists(own) && !fs::exists(lab.folder / "Default.Xsx"));
    EXPECT_EQ(trimmedName(slotIn(own, 3)), "P02");
    std::vector<DrillSettings> changed = lab.records(); // as another computer left her since
    changed.at(1).teachSet[1] = 322;
    writeStudentFile(lab.folder, changed);

    Computer again(lab.folder); // without --shared: the folder says so
    EXPECT_TRUE(again.p.run.sharedFolder);
    EXPECT_EQ(trimmedName(again.p.cur()), "P02");
    EXPECT_EQ(again.p.cur().teachSet[1], 322) << "her record as the class file has it";
    // So does a pupil's lock of another computer, before that computer has closed once.
    fs::remove(own);
    std::ofstream(lab.folder / "P01.Xtx.lock") << "Sumblitz lock\nhost=PC-12\npid=42\n";
    EXPECT_TRUE(Computer(lab.folder).p.run.sharedFolder);
}

// The server goes away during a drill: the drill goes on, the main window says so, the failed
// save of the pupil's results is tried again once the folder is back, and the notice goes.
// A share gone leaves an empty mount point under the folder's name: nothing is written there,
// the notice says the folder cannot be reached, and every answer goes in once it is back.
TEST(SharedFolder, AShareGoneLeavesItsMountPointUntouchedAndTheSavesWaitForIt)
{
    Lab lab;
    const fs::path away = lab.folder.string() + "-away";
    Computer a(lab.folder), b(lab.folder); // b has no pupil, so no lock to touch
    a.open();
    a.add("Pia");
    a.form->start_click(); // Auto Teach on: her results are saved
    a.form->close_click();
    a.mainForm.start_click();
    a.mainForm.but_click(a.p.drill.rightSlot);
    FlushAnswerHistory(a.p); // the writer has her history open
    fs::rename(lab.folder, away);
    fs::create_directory(lab.folder);
    a.mainForm.but_click(a.p.drill.rightSlot);
    a.mainForm.locks_tick(), b.mainForm.locks_tick();
    const auto unreachable = [](const Program& p) {
        return std::ranges::count(p.main.notice.args, Message(MessageId::FolderUnreachable));
    };
    EXPECT_EQ(ints(unreachable(a.p), unreachable(b.p)), ints(1, 1));
    EXPECT_FALSE(WriteFactFile(a.p));
    a.mainForm.but_click(a.p.drill.rightSlot);
    FlushAnswerHistory(a.p);
    const auto heldOpen = [](const fs::path& file) {
        return std::ranges::any_of(fs::directory_iterator("/proc/self/fd"), [&](const auto& fd) {
            std::error_code ec;
            return fs::read_symlink(fd.path(), ec) == file;
        });
    };
    EXPECT_FALSE(heldOpen(away / "Pia.history.sqlite")) << "let go of with the share";
    SaveProgress(a.p);
    EXPECT_EQ(filesIn(lab.folder), std::set<std::string>()) << "nothing in the mount point";
    EXPECT_TRUE(mentions(a.p.main.notice, "Pia.history.sqlite"));
    fs::rename(away, lab.folder); // over the empty mount point
    a.mainForm.locks_tick();
    EXPECT_EQ(unreachable(a.p), 0);
    EXPECT_EQ(answersIn(lab.folder / "Pia.Xtx"), 3)
        << "every answer, saved once the folder came back";
    // Without waiting for the writer: the tick itself woke it.
    const auto kept = [&] { return historyRows(lab.folder / "Pia.history.sqlite").size(); };
    for (int i = 0; i < 500 && kept() < 3; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(kept(), 3U);
    // Her lock made a link to a copy of it outside: left alone, and said.
    const fs::path lock = lab.folder / "Pia.Xtx.lock";
    fs::rename(lock, away), fs::create_symlink(away, lock);
    a.mainForm.locks_tick();
    EXPECT_TRUE(mentions(a.p.main.notice, "Pia.Xtx.lock"));
}

} // namespace
} // namespace sb::test
