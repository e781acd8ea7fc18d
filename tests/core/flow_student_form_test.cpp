// SPDX-License-Identifier: GPL-3.0-or-later
// The Student Data window without a screen: a real program over a temporary data directory.

#include <fstream>
#include <functional>

#include "support/test_support.h"

namespace sb::test {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

// The original defaults under a name, with the operation telling records apart.
DrillSettings pupil(std::string_view name, std::int16_t op = OpMult)
{
    DrillSettings s = originalDefaults();
    setName(s, name);
    s.operation = op;
    return s;
}

struct Fixture {
    StdRandom random{1};
    FaultyFiles files;
    ProgramFixture fx{random, files};
    Program& p = fx.p;
    MainForm& mainForm = fx.mainForm;
    fs::path dir = fx.dir.path();
    StudentForm form{p};

    // Loaded with nothing on disk (the original defaults), then the class file of `pupils`.
    explicit Fixture(const std::vector<DrillSettings>& pupils = {})
    {
        fx.load();
        if (!pupils.empty()) {
            writeStudentFile(dir, pupils);
        }
    }
    Bytes bytes() const { return readBytes(dir / "StdDat.Xrx"); }
    // Slot k (from 1) of the student file.
    DrillSettings slot(std::size_t k) const { return slotIn(dir / "StdDat.Xrx", k); }
    Names listed() const
    {
        Names out;
        std::ranges::transform(form.model().studentlist, std::back_inserter(out), trimBlanks);
        return out;
    }
    // The record as the window would store it, and its selection boxes.
    DrillSettings taken() const
    {
        DrillSettings r;
        form.TakeRecord(r);
        form.TakeRecordSelection(r);
        return r;
    }
    Boxes boxes() const { return selectionOf(taken()); }
    std::string shown() const { return trimBlanks(form.model().studentdisplay); }
    void type(std::string_view text) { form.newstudent_change(text); }
    void add(std::string_view name) { type(name), form.addstudent_click(); }
    void select(std::string_view name) { form.studentlist_click(*form.FindListed(name)); }
    // The window opened, `name` chosen.
    void open(std::string_view name)
    {
        form.load();
        select(name);
    }
    // The pupil current, with Auto Teach, who has answered `right` problems right.
    void drilled(std::string_view name, int right)
    {
        setName(p.cur(), name);
        p.cur().autoTeach = p.cur().loadOnStart = 1;
        mainForm.start_click();
        for (int i = 0; i < right; ++i) {
            mainForm.but_click(p.drill.rightSlot);
        }
    }
    // The name in slot 3 of "Default.Xsx", the pupil a start-up loads.
    std::string startUpPupil() const { return trimmedName(slotIn(dir / "Default.Xsx", 3)); }
};

// Bob is current and has answered; the teacher looks at Ann, opens Repeat Setting over her and
// leaves both windows with Cancel (or Smart Repeat with Ok, then Student Data with Cancel):
// Bob stays current with his own answers, and Ann's file is never written.
TEST(PupilSafety, CancelPutsBackThePupilWhoWasCurrentWhateverSmartRepeatDid)
{
    for (const bool smartOk : {false, true}) {
        SCOPED_TRACE(smartOk ? "Smart Repeat Ok" : "Smart Repeat Cancel");
        DrillSettings ann = pupil("Ann", OpSub);
        ann.autoTeach = 1;
        Fixture f({ann, pupil("Bob")});
        f.drilled("Bob", 3);
        f.mainForm.goauto_click();
        f.open("Ann");
        ASSERT_TRUE(f.form.Repset_click());
        SmartForm smart(f.p);
        smart.load();
        smart.stopon_click(4);
        smartOk ? smart.bnapply_click() : smart.bncancel_click();
        EXPECT_EQ(trimmedName(*f.p.run.settingsBackup.beforeWindows()), "Bob")
            << "Student Data, still open, keeps what it took";
        f.form.smart_closed(smartOk);
        f.form.cancel_click();
        // The status panel shows him again, with his own operation, not Ann's subtraction.
        EXPECT_EQ(trimmedName(f.p.cur()), "Bob");
        EXPECT_EQ(English(f.p.main.dsword), "Bob:") << "the status panel shows him again";
        EXPECT_EQ(f.p.cur().operation, OpAdd) << "his own, not Ann's subtraction";
        ASSERT_TRUE(f.mainForm.close_request());
        EXPECT_EQ(ints(answersIn(f.dir / "Bob.Xtx"), answersIn(f.dir / "Ann.Xtx")), ints(3, -1));
        EXPECT_EQ(f.startUpPupil(), "Bob");
    }
}

// Through the Smart Repeat window's "Student Data" (which does not save facts on the way in),
// OK with another pupil saves the outgoing pupil's answers first; Cancel in Smart Repeat then
// keeps the pupil made current. Through the main window's button, the opening saves them.
TEST(PupilSafety, EveryRouteToAnotherPupilSavesTheOutgoingPupilsAnswers)
{
    Fixture f({pupil("Ann"), pupil("Bob")});
    f.drilled("Bob", 4);
    f.mainForm.cPause_click();
    SmartForm smart(f.p);
    smart.load();
    smart.godata_click();
    f.open("Ann");
    f.form.close_click();
    EXPECT_EQ(f.p.run.settingsBackup.beforeWindows(), f.p.cur()) << "Smart Repeat starts from Ann";
    EXPECT_EQ(answersIn(f.dir / "Bob.Xtx"), 4);
    // her boxes in the main window
    EXPECT_EQ(std::tuple(trimmedName(f.p.cur()), f.p.main.selection.op), std::tuple("Ann", OpMult));
    smart.bncancel_click();
    EXPECT_EQ(trimmedName(f.p.cur()), "Ann");
    EXPECT_EQ(f.p.run.settingsBackup.beforeWindows(), std::nullopt);

    // Opened from the main window, whose selection differs from the drill's (and is empty: made
    // non-empty first), the window saves her facts and builds the fact table for that selection.
    Fixture g;
    setName(g.p.cur(), "Ann");
    g.p.cur().autoTeach = 1;
    g.p.settings.startSettings = g.p.cur();
    g.p.run.drillResumable = 1;
    g.p.main.selection.op = OpSub;
    g.fx.setBoxes(Boxes{{1}, {}});
    g.mainForm.goauto_click();
    EXPECT_EQ(ints(g.p.cur().secondNum[1], g.p.run.drillResumable,
                   g.p.settings.startSettings.operation, g.p.drill.factCount,
                   fs::file_size(g.dir / "Ann.Xtx")),
              ints(1, 0, OpSub, 200, 4800));
    Fixture h({pupil("Ann"), pupil("Bob")}); // his answers cannot be saved: he stays current
    h.drilled("Bob", 4);
    h.mainForm.cPause_click();
    h.files.failRename = true;
    h.mainForm.goauto_click();
    h.open("Ann");
    h.form.close_click();
    EXPECT_EQ(std::tuple(h.form.model().message.id, trimmedName(h.p.cur())),
              std::tuple(MessageId::OutgoingResultsNotSaved, "Bob"));
    Fixture k({pupil("Ann"), pupil("Bob")}); // made current, a pupil's answers are read back
    k.drilled("Ann", 3);
    k.mainForm.cPause_click();
    for (const char* name : {"Bob", "Ann"}) {
        k.mainForm.goauto_click(), k.open(name), k.form.close_click();
    }
    int asked = 0;
    for (int i = 1; i <= kFactSlots; ++i) {
        asked += k.p.drill.fact(i).asked;
    }
    EXPECT_EQ(ints(asked, answersIn(k.dir / "Ann.Xtx"), k.p.run.drillResumable), ints(3, 3, 1));
}

// Renaming the current pupil: whichever button closes the window, she is one pupil under her
// new name — in memory, in the class, in her fact file and as the pupil a start-up loads.
TEST(PupilSafety, ARenameFollowsThePupilWhicheverButtonClosesTheWindow)
{
    for (const char* button : {"Cancel", "OK", "close box", "a close by the program"}) {
        SCOPED_TRACE(button);
        Fixture f({pupil("Ann"), pupil("Bob")});
        f.drilled("Ann", 2);
        ASSERT_TRUE(f.mainForm.close_request()); // Ann.Xtx and Default.Xsx as a run left them
        f.p.run.closeStepDone = false;
        f.mainForm.goauto_click();
        f.open("Ann");
        f.type("Anna");
        f.form.Renam_click();
        EXPECT_EQ(f.startUpPupil(), "Anna") << "at once, for a crash before the close";
        FlushAnswerHistory(f.p);
        EXPECT_FALSE(fs::exists(f.dir / "Ann.history.sqlite"));
        EXPECT_TRUE(fs::exists(f.dir / "Anna.history.sqlite")) << "her answer history goes along";
        EXPECT_EQ(English(f.p.main.dsword), "Anna:");
        f.p.flags.smartFromStudent = 1; // cleared by every close
        if (button[0] == 'C' || button[0] == 'O') {
            button[0] == 'C' ? f.form.cancel_click() : f.form.close_click();
        } else {
            f.form.close_request(button[0] == 'c');
        }
        f.form.close_request(false); // the window system's close that follows: nothing more
        EXPECT_EQ(ints(f.p.flags.smartFromStudent, f.form.model().closed), ints(0, true));
        EXPECT_EQ(trimmedName(f.p.cur()), "Anna");
        ASSERT_TRUE(f.mainForm.close_request());
        EXPECT_EQ(ints(answersIn(f.dir / "Anna.Xtx"), answersIn(f.dir / "Ann.Xtx")), ints(2, -1));
        EXPECT_EQ(std::tuple(f.startUpPupil(), trimmedName(f.slot(2))), std::tuple("Anna", "Anna"));
    }
    // The program stopped with the window open after a rename: another pupil renamed leaves
    // the working one her name; the working pupil herself comes back under her new name.
    for (const auto& [renamed, fresh, comesBack] :
         {std::tuple("Bob", "Rob", "Ann"), std::tuple("Ann", "Anna", "Anna")}) {
        SCOPED_TRACE(renamed);
        Fixture g({pupil("Ann"), pupil("Bob")});
        g.drilled("Ann", 1);
        g.open(renamed);
        g.type(fresh);
        g.form.Renam_click();
        ASSERT_TRUE(g.mainForm.shut_down_now());
        EXPECT_EQ(g.startUpPupil(), comesBack);
        EXPECT_EQ(g.p.run.settingsBackup.beforeWindows(), std::nullopt)
            << "a second call has nothing to undo";
    }
}

// Add stores the pupil on display first, as choosing an entry does; an Add the disk refuses
// lists nobody and says why; the entry selected is always the pupil on display.
TEST(PupilSafety, AddStoresThePupilOnDisplayAndListsOnlyPupilsOnFileOrSaysWhyNot)
{
    Fixture f({pupil("Bob"), pupil("Cy")});
    f.open("Cy");
    f.form.start_click();
    f.form.a_click(4, 1), f.form.b_click(10, 1);
    f.add("Dora");
    const DrillSettings cy = f.slot(3); // her changes kept
    EXPECT_EQ(ints(cy.autoTeach, cy.firstRange[4], cy.secondNum[10]), ints(1, 1, 1));
    EXPECT_EQ(f.form.model().listIndex, 4) << "Dora, on display, selected";
    f.files.failWrite = true;
    f.add("Eve");
    EXPECT_EQ(f.listed().size(), 5u) << "Eve is not on file, so not listed";
    EXPECT_EQ(f.form.model().message.id, MessageId::BecauseFileFailed);
    EXPECT_EQ(f.form.model().message.args.at(0), Message(MessageId::PupilNotAdded, {"Eve"}));
    EXPECT_TRUE(mentions(f.form.model().message, "No space left on device"));
    EXPECT_EQ(std::tuple(f.shown(), f.form.model().listIndex), std::tuple("Dora", 4));
    f.files.failWrite = false;
    f.add("Eve");
    EXPECT_TRUE(f.form.model().message.empty()) << "an Add that worked says nothing";
    // A class file this account may not write in place is replaced as a whole; where that is
    // refused too, the refusal of permission is said as one, with the file's owner. A data folder
    // removed while the window is open is said as out of reach, not as a pupil removed.
    f.files.failWrite = true, f.files.writeError = EACCES;
    f.add("Fay");
    EXPECT_TRUE(f.form.model().message.empty());
    EXPECT_EQ(trimmedName(f.slot(7)), "Fay");
    f.files.failRename = true;
    f.add("Gus");
    const Message owner(*diskFileSystem().ownerOf(f.dir / "StdDat.Xrx"));
    EXPECT_EQ(f.form.model().message,
              Message(MessageId::BecauseOf,
                      {{MessageId::PupilNotAdded, {"Gus"}},
                       {MessageId::FileNotWritable, {"StdDat.Xrx", owner, "Permission denied"}}}));
    f.files.failWrite = f.files.failRename = false;
    fs::remove_all(f.dir);
    f.add("Dee");
    EXPECT_EQ(f.form.model().message,
              Message(MessageId::BecauseOf,
                      {{MessageId::PupilNotAdded, {"Dee"}}, MessageId::ReasonUnreachable}));

    // A class file that cannot be read is said so at once, lists no one, is never written,
    // whichever button closes the window.
    for (const bool ok : {true, false}) {
        Fixture unread({pupil("Ann")});
        unread.files.failRead = true;
        unread.form.load();
        unread.files.failRead = false;
        EXPECT_EQ(unread.form.model().message.id, MessageId::ClassFileUnread);
        unread.add("Bea");
        ok ? unread.form.close_click() : unread.form.cancel_click();
        EXPECT_EQ(unread.p.main.notice, noticeOf({{MessageId::StudentsNotRead, {"StdDat.Xrx"}}}))
            << ok;
        EXPECT_EQ(unread.bytes().size(), 2u * 208);
    }
}

// The fixed entries get a slot of their own when they are first shown: the pupil "Untitled" on
// display at OK leaves a blank copy of the custom defaults at the end of the file, and Default
// selected a second time finds the slot made the first time.
// A class file the window has to start anew carries, besides its count of 0, the pupil shown
// last: the start-up pupil of "Default.Xsx" before the window has shown anyone.
TEST(StudentForm, TheFixedEntriesGetASlotOnceAndAClassFileStartedAnewCarriesThePupilShownLast)
{
    Fixture f({pupil("Ann"), pupil("Bob")});
    setName(f.p.cur(), "Untitled");
    f.form.load();
    EXPECT_EQ(f.listed(), (Names{"Default", "Untitled", "Ann", "Bob"}));
    EXPECT_EQ(f.form.model().studentdisplay, "Untitled            ");
    f.form.close_click();
    EXPECT_EQ(f.p.run.settingsBackup.beforeWindows(), std::nullopt)
        << "not opened over Smart Repeat";
    // the header counts the appended Untitled slot
    ASSERT_EQ(ints(f.bytes().size(), f.bytes().at(0)), ints(4 * 208, 3));
    EXPECT_EQ(f.slot(4), pupil("", OpAdd)) << "a blank copy of the custom defaults";
    EXPECT_EQ(std::pair(trimmedName(f.p.cur()), f.form.model().closed),
              std::pair(std::string("Untitled"), true));

    Fixture zed;
    setName(zed.p.cur(), "Zed");
    zed.form.load();
    zed.select("Default");  // Zed stored, then a slot made for Default
    zed.form.start_click(); // Auto Teach on for Default
    zed.select("Untitled");
    EXPECT_EQ(zed.form.model().autoTeachCaption, Caption(Phrase::AutoTeachOff));
    zed.select("Default");
    EXPECT_EQ(zed.form.model().autoTeachCaption, Caption(Phrase::AutoTeachOn));
    EXPECT_EQ(zed.form.file().studentCount(), 3) << "Zed, Default, Untitled";
    zed.form.start_click();
    EXPECT_EQ(zed.form.model().autoTeachCaption, Caption(Phrase::AutoTeachOff));

    Fixture anew;
    const HandSlot last = markedSlot("Zed", 4).at(56, 1);
    writeBytes(anew.dir / "Default.Xsx",
               concat({markedSlot("Default", 1), markedSlot("", 1), last}));
    Program next{anew.fx.services};
    MainForm(next).load();
    StudentForm first{next};
    first.load();
    EXPECT_EQ(fieldsOf(anew.bytes(), 1), fieldsOf(concat({last}), 1));
    first.newstudent_change("Amy"), first.addstudent_click(), first.cancel_click();
    fs::remove(anew.dir / "StdDat.Xrx");
    StudentForm(next).load();
    EXPECT_EQ(trimmedName(anew.slot(1)), "Amy");
    StudentForm closing{next}; // closed by the program, the window takes its appended slot away
    closing.load();
    closing.newstudent_change("Bea"), closing.addstudent_click(), closing.close_request(false);
    EXPECT_EQ(anew.bytes().size(), 208u);
}

// Add shows a listed pupil whatever the case and adds only new names.
TEST(StudentForm, AddFindsAndSortListOrdersNamesWhateverTheirCase)
{
    DrillSettings ann = pupil("Ann", OpDiv);
    ann.firstRange = {0, 0, 0, 0, 1};
    Fixture f({ann, pupil("Zo\xC0\xC9\xDE\x8A\x8C\x8E\x9F", OpSub)});
    f.form.load();
    EXPECT_EQ(f.form.model().listIndex, 0) << "Default, the pupil on display, selected";
    f.add("");
    EXPECT_EQ(f.listed().size(), 4u) << "an empty box adds nobody";
    f.add("zo\xE0\xE9\xFE\x9A\x9C\x9E\xFF"); // Windows-1252 capitals and small letters
    EXPECT_EQ(f.shown(), "Zo\xC0\xC9\xDE\x8A\x8C\x8E\x9F");
    f.type("ann");
    EXPECT_EQ(f.form.newstudent_keypress(13), 0) << "Enter adds and is dropped";
    EXPECT_EQ(std::tuple(f.shown(), f.form.model().selection.op), std::tuple("Ann", OpDiv));
    EXPECT_EQ(f.boxes().ranges, std::vector{4});
    EXPECT_EQ(f.form.model().newstudent, "") << "the box emptied";

    // A fixed name without a slot shows a record made as selecting it would make it.
    f.add("UNTITLED");
    EXPECT_EQ(std::tuple(f.shown(), f.form.model().selection.op), std::tuple("Untitled", OpAdd));
    EXPECT_TRUE(FindStudentInFile(const_cast<StudentFile&>(f.form.file()), "Untitled"));

    // A name of blanks is taken; the list skips it when the file is opened again. Names already
    // listed were not added again.
    f.add("   ");
    const unsigned focus = f.form.model().newstudentFocus;
    f.add("Cy");
    EXPECT_EQ(f.form.model().newstudentFocus, focus + 1) << "the focus back in the box";
    EXPECT_EQ(f.listed(),
              (Names{"Default", "Untitled", "Ann", "Zo\xC0\xC9\xDE\x8A\x8C\x8E\x9F", "", "Cy"}));
    f.form.close_click();
    StudentForm reopened{f.p};
    reopened.load();
    EXPECT_EQ(reopened.model().studentlist,
              (Names{"Default", "Untitled", "Ann", "Zo\xC0\xC9\xDE\x8A\x8C\x8E\x9F", "Cy"}));

    // Sort List orders ignoring case and keeps equal names in their order.
    Fixture c({pupil("bob", 2), pupil("Al", 3), pupil("carl", 4), pupil("Bob", 5)});
    c.open("carl");
    c.form.ssort_click();
    EXPECT_EQ(c.listed(), (Names{"Default", "Untitled", "Al", "bob", "Bob", "carl"}));
    EXPECT_EQ(c.form.model().listIndex, 5) << "the pupil on display stays selected";
    EXPECT_EQ(c.form.model().studentlist[2], "Al" + std::string(18, ' ')) << "a 20-letter field";
    c.form.close_click();
    EXPECT_EQ(ints(c.slot(3).operation, c.slot(4).operation), ints(2, 5))
        << "Bob's own record after bob";

    // Accents and ligatures file a name under its letters, not after Z.
    Fixture g({pupil("Zo\xEB"), pupil("\xE9mile"), pupil("Zack"), pupil("Emile"), pupil("\xC6sop"),
               pupil("\xC0l")});
    g.form.load();
    g.form.ssort_click();
    EXPECT_EQ(g.listed(), (Names{"Default", "Untitled", "\xC6sop", "\xC0l", "\xE9mile", "Emile",
                                 "Zack", "Zo\xEB"}));
    Fixture two({pupil("Zed"), pupil("Amy")}); // the smallest class that has an order
    two.form.load();
    two.form.ssort_click();
    EXPECT_EQ(two.listed(), (Names{"Default", "Untitled", "Amy", "Zed"}));
}

// A changed selection resets the progress of the pupil on display.
TEST(StudentForm, AChangedSelectionResetsProgressAndRepeatSettingCarriesOnlyWhatWasApplied)
{
    for (const bool change : {true, false}) {
        SCOPED_TRACE(change);
        DrillSettings ann = pupil("Ann");
        ann.reviewCount = 7, ann.answerCount(3) = 12;
        Fixture f({ann, pupil("Bob")});
        f.open("Ann");
        if (change) {
            f.form.b_click(1, 0), f.form.b_click(10, 0);
        }
        // averageOver, stored with the pupil as well
        f.form.CB_gotFocus(3), f.form.CB_change(3, "25"), f.form.CB_lostFocus(3);
        f.select("Bob");
        const DrillSettings stored = f.slot(2);
        EXPECT_EQ(ints(stored.averageOver(), stored.reviewCount, stored.answerCount(3),
                       stored.secondNum[1], stored.secondNum[10]),
                  change ? ints(25, 0, 0, 0, 0) : ints(25, 7, 12, 1, 1));
    }
    // Repeat Setting hands the pupil on display, with this window's selection, to the Smart Repeat
    // window; what that window changes comes back only when it was applied with its Ok.
    for (const bool applied : {false, true}) {
        SCOPED_TRACE(applied);
        Fixture f({pupil("Ann")});
        f.open("Ann");
        f.form.b_click(2, 0);
        ASSERT_TRUE(f.form.Repset_click());
        EXPECT_EQ(trimmedName(f.p.cur()), "Ann");
        EXPECT_EQ(ints(f.p.cur().secondNum[2], f.p.flags.smartFromStudent), ints(0, 1));
        f.p.cur().stopOn = 4, f.p.cur().maxProblems() = 60; // in the Smart Repeat window
        f.form.smart_closed(applied);
        f.form.close_click();
        EXPECT_EQ(ints(f.p.cur().stopOn, f.slot(2).maxProblems(), f.p.flags.smartFromStudent),
                  applied ? ints(4, 60, 0) : ints(2, 200, 0));
    }
    Fixture f;
    f.p.flags.studentFromSmart = 1;
    f.form.load();
    EXPECT_FALSE(f.form.model().repeatSettingEnabled || f.form.Repset_click());
}

TEST(StudentForm, RenameMovesThePupilsOwnRecordAndFactsOrChangesNothing)
{
    // what, the entry selected, the name typed, files there besides Ann's facts, entry 2
    // afterwards, what the window says
    using S = std::string;
    using M = MessageId;
    const std::vector<S> histories{"Ann.history.sqlite", "Anna.history.sqlite"};
    const std::vector<std::tuple<const char*, S, S, std::vector<S>, S, M>> rows{
        {"on display", "Ann", "Anna", {}, "Anna", M::None},
        {"new name has another's facts", "Ann", "Anna", {"Anna.Xtx"}, "Ann", M::ResultsUnderName},
        {"new name has a history", "Ann", "Anna", histories, "Anna", M::HistoryStaysUnderName},
        {"listed in another case", "Ann", "BOB", {}, "Ann", M::AlreadyListed},
        {"a fixed name", "Ann", "default", {}, "Ann", M::AlreadyListed},
        {"blank", "Ann", "  ", {}, "Ann", M::TypeNewName},
        {"fixed entry selected", "Untitled", "Anna", {}, "Ann", M::ChooseToRename}};
    for (const auto& [what, select, typed, there, after, said] : rows) {
        SCOPED_TRACE(what);
        Fixture f({pupil("Ann", OpDiv), pupil("Bob", OpSub)});
        std::ofstream(f.dir / "Ann.Xtx") << "ann";
        for (const S& file : there) {
            std::ofstream(f.dir / file) << file;
        }
        const bool factsThere = std::ranges::count(there, "Anna.Xtx") == 1;
        f.open(select);
        f.type(typed);
        f.form.Renam_click();
        const bool renamed = after == "Anna";
        EXPECT_EQ(std::tuple(f.listed()[2], trimmedName(f.slot(2)), trimmedName(f.slot(3))),
                  std::tuple(after, after, "Bob"));
        EXPECT_EQ(f.slot(2).operation, OpDiv) << "Ann's own record";
        EXPECT_EQ(ints(fs::exists(f.dir / "Ann.Xtx"), fs::exists(f.dir / "Anna.Xtx")),
                  ints(!renamed, renamed || factsThere));
        const S shown = renamed ? "Anna" : select;
        EXPECT_EQ(std::tuple(f.shown(), trimmedName(f.p.run.shownPupil), f.form.model().newstudent),
                  std::tuple(shown, shown, typed))
            << "the box keeps the text";
        EXPECT_EQ(f.form.model().message.id, said) << "a refusal says why";
        EXPECT_TRUE(FindStudentInFile(f.form.file(), after));
    }
}

TEST(StudentForm, LevelCombosGiveTheOldValueBackForTextsWithoutAUsableNumber)
{
    // combo, text typed, text after leaving it
    const std::vector<std::tuple<int, const char*, const char*>> rows{
        {1, "", "200"},   {1, "0", "200"},       {2, "00", "80"},     {3, " ", "15"},
        {3, "328", "15"}, {3, "327", "327"},     {1, "32768", "200"}, {4, "  450", "  450"},
        {2, "9x", "80"},  {4, "32767", "32767"}, {4, "0", "100"},     {1, "300", "300"},
        {2, "9 ", "9 "}};
    for (const auto& [combo, typed, after] : rows) {
        SCOPED_TRACE(std::string("CB") + std::to_string(combo) + " '" + typed + "'");
        Fixture f;
        f.form.load();
        f.form.CB_gotFocus(combo);
        f.form.CB_change(combo, typed);
        const DrillSettings taken = f.taken(); // while still being edited
        f.form.CB_lostFocus(combo);
        EXPECT_EQ(f.form.model().levelTexts[static_cast<std::size_t>(combo)], after);
        EXPECT_EQ(taken.teachSet, f.taken().teachSet);
        EXPECT_EQ(taken.teachSet[static_cast<std::size_t>(combo)], std::stoi(after));
    }
    Fixture f;
    std::string kept; // digits, Backspace and Tab pass; every other key is dropped
    for (const char key : std::string("70\b\ta -\r/:")) {
        kept += f.form.CB_keyPress(1, key) == key ? key : '.';
    }
    EXPECT_EQ(kept, "70\b\t......");
    const auto texts = f.form.model().levelTexts;
    for (const int outside : {0, 5}) { // no such combo: nothing happens
        f.form.CB_gotFocus(outside), f.form.CB_change(outside, "7"), f.form.CB_lostFocus(outside);
    }
    EXPECT_EQ(f.form.model().levelTexts, texts);
}

TEST(StudentForm, TenSubLocksThisWindowsBoxesAndGivesTheMainWindowItsOwnLockBack)
{
    DrillSettings ann = pupil("Ann", OpAdd);
    ann.firstRange = {0, 0, 0, 1, 1};
    DrillSettings tess = pupil("Tess", Op10Sub);
    tess.firstRange = {0, 0, 1, 0, 0};
    Fixture f({ann, tess});
    // Whether a click enables New Drill.
    const auto enables = [&f](const std::function<void()>& click) {
        f.p.main.newDrillEnabled = false;
        click();
        return f.p.main.newDrillEnabled;
    };
    f.p.flags.firstLocked = 1; // the main window is on "10 Sub"
    f.p.flags.savedFirst = {0, 1, 1, 1, 1};
    f.p.cur().operation = Op10Sub;
    f.form.load();
    EXPECT_EQ(ints(f.form.model().selection.a[2].enabled, f.p.flags.firstLocked), ints(0, 1))
        << "locked here too";
    EXPECT_TRUE(enables([&f] { f.select("Ann"); }) && f.form.model().selection.a[2].enabled)
        << "boxes set from a record count as clicks";
    EXPECT_EQ(f.boxes(), (Boxes{{3, 4}, oneTo(10)}))
        << "Ann's own first numbers, not the saved ones";
    EXPECT_TRUE(enables([&f] { f.form.op_click(Op10Sub); }));
    EXPECT_EQ(f.boxes(), (Boxes{{1}, oneTo(10)}));
    EXPECT_TRUE(enables([&f] { f.form.a_click(3, 1); })) << "a box clicked";
    f.form.a_click(5, 1), f.form.b_click(11, 1); // boxes that are not there change nothing
    EXPECT_EQ(f.form.model().selection.b[0].value, 0);
    for (const int k : {0, 7, int{OpDivR}}) {
        f.form.op_click(k);
        EXPECT_EQ(f.form.model().selection.op, k == OpDivR ? OpDivR : Op10Sub);
    }
    f.select("Tess"); // on 10 Sub: her own first numbers come back when she leaves it
    f.form.op_click(OpAdd);
    EXPECT_EQ(f.boxes().ranges, std::vector{2});
    f.form.cancel_click();
    EXPECT_EQ(f.p.flags.firstLocked, 1);
    EXPECT_EQ(f.p.flags.savedFirst, (std::array<std::int16_t, 5>{0, 1, 1, 1, 1}));
    f.mainForm.bseln_click();
    EXPECT_TRUE(enables([&f] { f.mainForm.bseln_click(); })) << "a click though no box changes";
}

TEST(StudentForm, RemoveTakesEffectOnlyThroughOkAndFailedWritesAreNoticed)
{
    Fixture f({pupil("Ann"), pupil("Bob"), pupil("Cy")});
    writeBytes(f.dir / "Bob.history.sqlite", Bytes{1});
    f.form.load();
    f.form.studentlist_click(1); // a fixed entry stays
    f.form.removestudent_click();
    f.select("Bob");
    f.form.removestudent_click();
    EXPECT_EQ(f.form.model().listIndex, 0) << "Default shown in place of the pupil removed";
    EXPECT_EQ(f.listed(), (Names{"Default", "Untitled", "Ann", "Cy"}));
    f.form.studentlist_click(4), f.form.studentlist_click(-1); // no such entries
    EXPECT_EQ(f.form.model().listIndex, 0);
    f.form.cancel_click();
    // Cancel applies no removal, and takes the slots appended meanwhile away.
    EXPECT_EQ(ints(f.bytes().at(0), f.bytes().size()), ints(3, 4 * 208));
    EXPECT_EQ(trimmedName(f.slot(3)), "Bob");

    StudentForm ok{f.p};
    ok.load();
    ok.studentlist_click(3);
    ok.removestudent_click();
    f.files.failRename = true;
    ok.close_click();
    EXPECT_EQ(f.p.main.notice, noticeOf({{MessageId::StudentsNotSaved, {"StdDat.Xrx"}}}));
    EXPECT_FALSE(ok.model().closed) << "the window stays, saying what was not saved";
    EXPECT_EQ(ok.model().message.id, MessageId::BecauseFileFailed);
    EXPECT_EQ(ok.model().message.args.at(0), Message(MessageId::ListNotSaved));
    EXPECT_EQ(f.bytes().size(), 5u * 208) << "the old file stays whole, with the pupil stored";
    EXPECT_TRUE(fs::exists(f.dir / "Bob.history.sqlite")) << "Bob is not removed yet";
    f.files.failRename = false;
    ok.close_click();
    EXPECT_TRUE(f.p.main.notice.empty()) << "saved at last";
    EXPECT_FALSE(fs::exists(f.dir / "Bob.history.sqlite"));
    EXPECT_TRUE(fs::exists(f.dir / "Bob (removed 2026-05-28).history.sqlite"))
        << "his answer history set aside, not deleted";
    EXPECT_EQ(trimmedName(f.p.cur()), "Default") << "the pupil on display was removed";
}

} // namespace
} // namespace sb::test
