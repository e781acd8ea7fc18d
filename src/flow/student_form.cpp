// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/student_form.h"

#include <algorithm>
#include <limits>
#include <unordered_set>
#include <utility>

#include "flow/answer_log.h"
#include "flow/captions.h"
#include "flow/digits_only.h"
#include "flow/failures.h"
#include "flow/lifecycle.h"
#include "flow/main_selection.h"
#include "flow/selection_boxes.h"
#include "flow/todays_practice.h"
#include "records/index.h"
#include "students/file_names.h"

namespace sb {

namespace {

// The largest value level combo i takes: averageOver (3) stops at 327, since a stored record
// with a larger one is read back as 15, so the window must not make one; the others take any
// 16-bit value.
int mostLevel(int i)
{
    return i == 3 ? 327 : std::numeric_limits<std::int16_t>::max();
}

// Lower case of a Windows-1252 byte: A-Z, the accented capitals, and the four capitals that
// the code page places among its punctuation (S and Z with caron, the OE ligature, Y with
// diaeresis).
unsigned char lowerCp1252(unsigned char c)
{
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) {
        return static_cast<unsigned char>(c + 0x20);
    }
    if (c == 0x8A || c == 0x8C || c == 0x8E) {
        return static_cast<unsigned char>(c + 0x10);
    }
    return c == 0x9F ? 0xFF : c;
}

// A name as FindListed and the sort compare it: blanks at either end removed, letters in
// lower case.
std::string listKey(std::string_view text)
{
    std::string key = trimBlanks(text);
    for (char& c : key) {
        c = static_cast<char>(lowerCp1252(static_cast<unsigned char>(c)));
    }
    return key;
}

// A Windows-1252 byte of a name in lower case (see listKey) as the alphabet files it: the base
// letter of an accented one, the two letters of a ligature; anything else as it stands.
std::string_view alphabetLetters(unsigned char c)
{
    // Base letters of 0xE0..0xFF; "" keeps the byte (the division sign). The capitals
    // 0xC0..0xDE never come here; 0xDF, the sharp s, stands among them.
    static constexpr auto accented = std::to_array<std::string_view>(
        {"a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
         "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "y"});
    static_assert(accented.size() == 0x100 - 0xE0);
    switch (c) {
    case 0x8A:
    case 0x9A:
        return "s";
    case 0x8C:
    case 0x9C:
        return "oe";
    case 0x8E:
    case 0x9E:
        return "z";
    case 0x9F:
        return "y";
    case 0xDF:
        return "ss";
    default:
        return c >= 0xE0 ? accented[c - 0xE0] : std::string_view{};
    }
}

// A name as SortList orders it: as a teacher reads names, case and accents do not split the
// alphabet ("émile" stands with "Emile", before "Zoë").
std::string sortKey(std::string_view text)
{
    std::string key;
    for (const char c : listKey(text)) {
        const std::string_view letters = alphabetLetters(static_cast<unsigned char>(c));
        key += letters.empty() ? std::string_view(&c, 1) : letters;
    }
    return key;
}

// Blanks around a run of digits and nothing else, valued 1..most; otherwise nothing.
std::optional<std::int16_t> levelValue(std::string_view text, int most)
{
    std::size_t i = text.find_first_not_of(' ');
    if (i == std::string_view::npos) {
        return std::nullopt;
    }
    long value = 0; // no digit at all leaves 0, refused below
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = std::min(value * 10 + (text[i] - '0'), 100000L);
    }
    if (text.find_first_not_of(' ', i) != std::string_view::npos || value < 1 || value > most) {
        return std::nullopt;
    }
    return i16(static_cast<int>(value));
}

std::string nameField(const DrillSettings& s)
{
    return std::string(s.name.begin(), s.name.end());
}

} // namespace

StudentForm::StudentForm(Program& program) : m_p(program), m_file(dataDirOf(program)) {}

void StudentForm::load()
{
    // Nothing from an earlier opening may linger.
    m_model = StudentModel{};
    SharedFlags& flags = m_p.flags;
    if (flags.studentFromSmart == 1) {
        m_model.repeatSettingEnabled = false;
    }
    // The boxes of this window start unlocked, whatever the main window's lock is.
    m_mainLocked = flags.firstLocked;
    m_mainSaved = flags.savedFirst;
    flags.firstLocked = 0;

    DrillSettings& shown = m_p.run.shownPupil;
    std::vector<std::string> names = OpenStudentFile(m_file, shown);
    m_listedAtOpen = names;
    for (std::string& name : names) {
        m_model.studentlist.push_back(std::move(name));
    }
    if (m_file.repaired()) {
        m_model.message = MessageId::ClassFileRepaired;
    }
    static_cast<void>(refuseUnread() || report(m_file.opened(), MessageId::TheClassFile));
    shown = m_p.settings.curSettings;
    m_p.run.settingsBackup.take(SettingsBackup::Window::StudentData, m_p.settings.curSettings);
    showDisplayed();
    followDisplayed();
}

bool StudentForm::report(const FileOutcome& outcome, Message what)
{
    if (outcome.ok()) {
        return true;
    }
    m_model.message = failureMessage(std::move(what), outcome, m_file.busyHolder(),
                                     ownerOf(m_p.services.files, outcome));
    return false;
}

bool StudentForm::refuseInUse(const std::string& name)
{
    DrillSettings pupil;
    setName(pupil, name);
    const LockAttempt attempt = ReservePupil(m_p, pupil);
    if (!attempt.holder) {
        return false; // free (the reserved lock goes again at once), or this program's own
    }
    m_model.message = {MessageId::PupilInUseCannotChange,
                       {trimBlanks(name), holderMessage(*attempt.holder)}};
    return true;
}

bool StudentForm::refuseUnread()
{
    const FileOutcome& opened = m_file.opened();
    if (m_file.isOpen() || opened.action != FileOutcome::Action::Read) {
        return false;
    }
    if (opened.status.code() == StatusCode::InUse && m_file.busyHolder()) {
        m_model.message = {MessageId::ClassListBusy, {holderMessage(*m_file.busyHolder())}};
        return true;
    }
    m_model.message = {MessageId::ClassFileUnread, {reasonOf(opened.status)}};
    return true;
}

void StudentForm::followDisplayed()
{
    const std::string shown = trimBlanks(m_model.studentdisplay);
    const auto& list = m_model.studentlist;
    const auto it = std::find_if(list.begin(), list.end(),
                                 [&shown](const std::string& e) { return trimBlanks(e) == shown; });
    m_model.listIndex = it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void StudentForm::showDisplayed()
{
    const DrillSettings shown = m_p.run.shownPupil;
    ShowRecord(shown);
    ShowRecordSelection(shown);
    ShowTeachState();
    m_model.practice = PracticeChoiceOf(m_p, trimmedName(shown));
    m_shown.firstRange = shown.firstRange;
    m_shown.secondNum = shown.secondNum;
    m_shown.operation = shown.operation;
}

void StudentForm::ShowRecord(const DrillSettings& rec)
{
    m_model.studentdisplay = nameField(rec);
    m_model.loadOnStart.value = rec.loadOnStart;
    m_model.reviewOn.value = rec.reviewOn;
    for (int i = 1; i <= 4; ++i) {
        m_model.levelTexts[asIndex(i)] = std::to_string(rec.teachSet[asIndex(i)]);
        m_level[asIndex(i)] = rec.teachSet[asIndex(i)];
    }
}

void StudentForm::TakeRecord(DrillSettings& rec) const
{
    setName(rec, m_model.studentdisplay);
    rec.loadOnStart = m_model.loadOnStart.value;
    rec.reviewOn = m_model.reviewOn.value;
    for (int i = 1; i <= 4; ++i) {
        // A combo still being edited may hold a text without a number: its last good value
        // goes into the record instead.
        rec.teachSet[asIndex(i)] =
            levelValue(m_model.levelTexts[asIndex(i)], mostLevel(i)).value_or(m_level[asIndex(i)]);
    }
}

void StudentForm::ShowRecordSelection(const DrillSettings& rec)
{
    ShowBoxes(m_p, m_model.selection, rec);
}

void StudentForm::TakeRecordSelection(DrillSettings& rec) const
{
    ReadBoxes(m_model.selection, rec);
}

void StudentForm::ShowTeachState()
{
    m_model.autoTeach = m_p.run.shownPupil.autoTeach == 1;
    m_model.autoTeachCaption = m_model.autoTeach ? Phrase::AutoTeachOn : Phrase::AutoTeachOff;
}

std::optional<int> StudentForm::FindListed(std::string_view name) const
{
    const std::string wanted = listKey(name);
    const auto& list = m_model.studentlist;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (listKey(list[i]) == wanted) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

bool StudentForm::SelectionAsOpened() const
{
    const DrillSettings& w = m_p.run.shownPupil;
    return w.firstRange == m_shown.firstRange && w.secondNum == m_shown.secondNum &&
           w.operation == m_shown.operation;
}

bool StudentForm::StoreDisplayedStudent()
{
    DrillSettings& work = m_p.run.shownPupil;
    TakeRecordSelection(work);
    if (!SelectionAsOpened()) {
        ResetTeachProgress(work);
    }
    TakeRecord(work);
    if (!m_file.isOpen()) {
        return true; // a student file that could not be read is not written
    }
    const std::string who = trimBlanks(m_model.studentdisplay);
    const Message what{MessageId::SettingsNotStored, {who}};
    const auto n = FindStudentInFile(m_file, m_model.studentdisplay);
    const FileOutcome stored =
        n ? WriteStudent(m_file, *n, work)
          : FileOutcome{m_file.data() / kStudentFile, FileOutcome::Action::Save,
                        Status::refuse(StatusCode::Removed)};
    // A pupil another computer removed meanwhile is not brought back. Anyone else the file
    // does not have gets a slot: a fixed entry (Default, Untitled), whose slot is every
    // window's own and which another computer's list may have taken away, or a current pupil
    // the class file never had.
    const bool bringBack = n ? fixedEntryName(who) : !removedElsewhere(who);
    if (stored.status.code() == StatusCode::Removed && bringBack) {
        report(AppendStudent(m_file, work), what);
        return true;
    }
    report(stored, what);
    return stored.status.code() != StatusCode::Removed;
}

bool StudentForm::removedElsewhere(const std::string& name) const
{
    const std::string who = trimBlanks(name);
    return m_file.isOpen() && !fixedEntryName(who) && !FindStudentInFile(m_file, who) &&
           std::ranges::find(m_listedAtOpen, who) != m_listedAtOpen.end();
}

void StudentForm::readOrAppend(const std::string& name)
{
    DrillSettings& shown = m_p.run.shownPupil;
    if (const auto n = FindStudentInFile(m_file, name)) {
        if (auto record = ReadStudent(m_file, *n)) {
            shown = *record;
            return;
        }
        if (m_file.busyHolder()) {
            report({m_file.data() / kStudentFile, FileOutcome::Action::Read,
                    Status::refuse(StatusCode::InUse)},
                   {MessageId::PupilNotShownYet, {trimBlanks(name)}});
            return;
        }
    }
    if (removedElsewhere(name)) { // she stays out of the file; the pupil shown before stays
        report({m_file.data() / kStudentFile, FileOutcome::Action::Read,
                Status::refuse(StatusCode::Removed)},
               {MessageId::PupilNotShownYet, {trimBlanks(name)}});
        return;
    }
    shown = m_p.settings.defaultSettings;
    setName(shown, name);
    if (m_file.isOpen()) {
        report(AppendStudent(m_file, shown), {MessageId::SettingsNotStored, {trimBlanks(name)}});
    }
}

void StudentForm::studentlist_click(int index)
{
    if (index < 0 || index >= static_cast<int>(m_model.studentlist.size())) {
        return;
    }
    m_model.listIndex = index;
    StoreDisplayedStudent();
    const std::string name = m_model.studentlist[asIndex(index)];
    readOrAppend(name);
    showDisplayed();
    // When her record could not be read (another computer held the class list too long) the
    // pupil shown before stays, and so does her entry's selection.
    followDisplayed();
}

void StudentForm::newstudent_change(std::string_view text)
{
    m_model.newstudent = std::string(text.substr(0, kNewStudentLength));
}

void StudentForm::newstudent_refused()
{
    m_model.message = MessageId::LetterRefused;
}

char StudentForm::newstudent_keypress(char key)
{
    if (key != 13) {
        return key;
    }
    addstudent_click();
    return 0;
}

void StudentForm::addstudent_click()
{
    const std::string text = m_model.newstudent;
    if (!text.empty() && !refuseUnread()) {
        m_model.message = {};
        StoreDisplayedStudent();
        if (const auto listed = FindListed(text)) {
            const std::string entry = m_model.studentlist[asIndex(*listed)];
            readOrAppend(entry);
            showDisplayed();
        } else {
            addNew(text);
        }
        followDisplayed();
    }
    m_model.newstudent.clear();
    ++m_model.newstudentFocus;
}

void StudentForm::addNew(const std::string& text)
{
    DrillSettings fresh = m_p.settings.defaultSettings;
    setName(fresh, text);
    if (!report(AppendStudent(m_file, fresh), {MessageId::PupilNotAdded, {trimBlanks(text)}})) {
        return; // the pupil on display stays; the list shows only pupils on file
    }
    // A new pupil starts without results, even where a rename cut short left a second name.
    DropStrayFactLink(m_file.data(), trimBlanks(text));
    m_model.studentlist.push_back(text);
    m_p.run.shownPupil = fresh;
    showDisplayed();
}

void StudentForm::removestudent_click()
{
    auto& list = m_model.studentlist;
    const int i = m_model.listIndex;
    if (i < 2 || i >= static_cast<int>(list.size()) || refuseUnread() ||
        refuseInUse(list[asIndex(i)])) {
        return;
    }
    const bool shown = trimBlanks(list[asIndex(i)]) == trimBlanks(m_model.studentdisplay);
    list.erase(list.begin() + i);
    m_file.dropEntry();
    if (shown) {
        // A removed pupil is never made current: Default is shown in her place.
        studentlist_click(0);
        return;
    }
    followDisplayed();
}

void StudentForm::Renam_click()
{
    const std::string fresh = m_model.newstudent;
    const int i = m_model.listIndex;
    if (i < 2 || i >= static_cast<int>(m_model.studentlist.size())) {
        m_model.message = MessageId::ChooseToRename;
        return;
    }
    if (trimBlanks(fresh).empty()) {
        m_model.message = MessageId::TypeNewName;
        return;
    }
    if (FindListed(fresh)) {
        m_model.message = {MessageId::AlreadyListed, {trimBlanks(fresh)}};
        return;
    }
    if (refuseUnread()) {
        return;
    }
    const std::string old = trimBlanks(m_model.studentlist[asIndex(i)]);
    if (refuseInUse(old)) {
        return;
    }
    const auto n = FindStudentInFile(m_file, old);
    if (!n) {
        m_model.message = {MessageId::NoRecordYet, {old}};
        return;
    }
    // Her answer history goes with her, as the rename's last step; a history already kept
    // under the new name (a pupil removed earlier) is not taken over.
    Status historyMoved;
    const FileOutcome renamed =
        RenameStudent(m_file, *n, fresh, [&](std::string_view from, std::string_view to) {
            historyMoved = RenameHistory(m_p, from, to);
        });
    if (renamed.status.code() == StatusCode::NameTaken) {
        m_model.message = {MessageId::ResultsUnderName, {trimBlanks(fresh)}};
        return;
    }
    if (!report(renamed, {MessageId::PupilNotRenamed, {old}})) {
        return;
    }
    m_model.message = {};
    m_model.studentlist[asIndex(i)] = fresh;
    followRename(old, trimBlanks(fresh));
    // This program's lock on her follows her new name.
    static_cast<void>(HoldPupil(m_p, m_p.settings.curSettings));
    if (historyMoved.code() == StatusCode::NameTaken || historyMoved.code() == StatusCode::System) {
        m_model.message = {MessageId::HistoryStaysUnderName, {old, trimBlanks(fresh)}};
    }
}

void StudentForm::followRename(const std::string& old, const std::string& fresh)
{
    DrillSettings& shown = m_p.run.shownPupil;
    for (DrillSettings* rec : {&m_p.settings.curSettings, &shown}) {
        if (trimmedName(*rec) == old) {
            setName(*rec, fresh);
        }
    }
    m_p.run.settingsBackup.rename(old, fresh);
    if (trimBlanks(m_model.studentdisplay) == old) {
        m_model.studentdisplay = nameField(shown);
    }
    // A fact file kept from being written because it could not be read keeps that guard
    // under its new name.
    const DataDir& data = m_file.data();
    const auto from = data.dir / factFileName(old);
    if (m_p.run.factFilesUnread.erase(from) != 0) {
        m_p.run.factFilesUnread.insert(data.dir / factFileName(fresh));
    }
    // The main window's captions name the current pupil.
    ShowStatus(m_p);
}

void StudentForm::ssort_click()
{
    SortStudents();
}

void StudentForm::SortStudents()
{
    auto& list = m_model.studentlist;
    if (list.size() < 4) {
        return;
    }
    std::vector<std::pair<std::string, std::string>> keyed;
    for (std::size_t i = 2; i < list.size(); ++i) {
        keyed.emplace_back(sortKey(list[i]), std::move(list[i]));
    }
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& x, const auto& y) { return x.first < y.first; });
    for (std::size_t i = 0; i < keyed.size(); ++i) {
        std::string field = std::move(keyed[i].second);
        field.resize(kNameLength, ' ');
        list[i + 2] = std::move(field);
    }
    followDisplayed();
}

void StudentForm::onload_click(std::int16_t value)
{
    m_model.loadOnStart.value = value;
}

void StudentForm::ChkRev_click(std::int16_t value)
{
    m_model.reviewOn.value = value;
}

void StudentForm::practiceMinutes_change(int minutes)
{
    if (minutes >= kPracticeMinutesMin && minutes <= kPracticeMinutesMax) {
        PracticeChoice c = m_model.practice;
        c.minutes = minutes;
        keepPracticeChoice(c);
    }
}

void StudentForm::practiceProblems_change(int problems)
{
    if (problems >= 0 && problems <= kPracticeProblemsMax) {
        PracticeChoice c = m_model.practice;
        c.problems = problems;
        keepPracticeChoice(c);
    }
}

void StudentForm::practiceDefault_click(bool on)
{
    PracticeChoice c = m_model.practice;
    c.byDefault = on;
    keepPracticeChoice(c);
}

void StudentForm::keepPracticeChoice(PracticeChoice choice)
{
    const std::string name = trimBlanks(m_model.studentdisplay);
    if (name.empty()) {
        return; // nobody on display: the boxes show the defaults and keep nothing
    }
    const Status kept = SetPracticeChoice(m_p, name, choice);
    if (report({m_p.services.dataDir / historyFileName(name), FileOutcome::Action::Save, kept},
               Message(MessageId::SettingsNotStored, {name}))) {
        m_model.practice = choice;
    }
}

void StudentForm::a_click(int i, std::int16_t value)
{
    ClickFirst(m_p.main, m_model.selection, i, value);
}

void StudentForm::b_click(int i, std::int16_t value)
{
    ClickSecond(m_p.main, m_model.selection, i, value);
}

void StudentForm::op_click(int k)
{
    ChooseOperation(m_p, m_model.selection, k);
}

void StudentForm::start_click()
{
    DrillSettings& work = m_p.run.shownPupil;
    work.autoTeach = work.autoTeach == 1 ? 0 : 1;
    ShowTeachState();
}

void StudentForm::CB_gotFocus(int i)
{
    if (i < 1 || asIndex(i) >= m_model.levelTexts.size()) {
        return;
    }
    m_p.flags.comboBefore =
        levelValue(m_model.levelTexts[asIndex(i)], mostLevel(i)).value_or(m_level[asIndex(i)]);
}

char StudentForm::CB_keyPress(int i, char key)
{
    static_cast<void>(i);
    return static_cast<char>(DigitsOnly(key));
}

void StudentForm::CB_change(int i, std::string_view text)
{
    if (i >= 1 && asIndex(i) < m_model.levelTexts.size()) {
        m_model.levelTexts[asIndex(i)] = std::string(text);
    }
}

void StudentForm::CB_lostFocus(int i)
{
    if (i < 1 || asIndex(i) >= m_model.levelTexts.size()) {
        return;
    }
    std::string& text = m_model.levelTexts[asIndex(i)];
    if (const auto value = levelValue(text, mostLevel(i))) {
        m_level[asIndex(i)] = *value;
    } else {
        text = std::to_string(m_p.flags.comboBefore);
        m_level[asIndex(i)] = m_p.flags.comboBefore;
    }
}

void StudentForm::finish(bool applied)
{
    SharedFlags& flags = m_p.flags;
    flags.smartFromStudent = 0;
    SettingsBackup& backup = m_p.run.settingsBackup;
    backup.release(SettingsBackup::Window::StudentData);
    if (applied) {
        // Over the Smart Repeat window: a pupil made current by OK is what that window
        // started from now, and what its Cancel keeps.
        backup.startFrom(m_p.settings.curSettings);
    }
    flags.firstLocked = m_mainLocked;
    flags.savedFirst = m_mainSaved;
    m_model.closed = true;
}

void StudentForm::SaveAndClose()
{
    saveAndClose(false);
}

void StudentForm::takeover_click()
{
    if (m_model.takeOver && !m_model.closed) {
        saveAndClose(true);
    }
}

void StudentForm::saveAndClose(bool takeOver)
{
    Settings& s = m_p.settings;
    const DrillSettings& shown = m_p.run.shownPupil;
    // The pupil to be made current must be free: a pupil works at one computer at a time.
    // Her lock is taken before her record is looked for in the class file: a computer that
    // removes her holds it while it writes the file, so she is either found removed here or
    // that removal is refused as she is in use.
    LockAttempt incoming = ReservePupil(m_p, shown, takeOver);
    if (!StoreDisplayedStudent()) {
        return; // removed by another computer: she is not made current
    }
    if (incoming.holder) {
        m_model.message = {MessageId::PupilInUseTakeOver,
                           {trimBlanks(m_model.studentdisplay), holderMessage(*incoming.holder)}};
        m_model.takeOver = true;
        return;
    }
    m_model.takeOver = false;
    // The facts in memory are those of the pupil current when the window opened; they are
    // saved before another pupil's are loaded, whichever window led here.
    const DrillSettings outgoing =
        m_p.run.settingsBackup.taken(SettingsBackup::Window::StudentData).value_or(s.curSettings);
    if (!SaveOutgoingFacts(m_p, outgoing)) {
        m_model.message = {MessageId::OutgoingResultsNotSaved,
                           {trimmedName(outgoing), m_p.main.notice}};
        return;
    }
    if (m_file.isOpen()) {
        const std::vector<std::string> entries(
            m_model.studentlist.begin() + StudentModel::kFixedEntries, m_model.studentlist.end());
        // The header slot carries the pupil on display besides the count.
        std::vector<Going> going;
        if (!holdRemoved(entries, incoming.lock, going)) {
            return;
        }
        // A Take Over at another computer may have taken one of them since: then she stays,
        // as if she had been in use at OK.
        const Going* takenOver = nullptr;
        const auto stillHeld = [&] {
            const auto lost = std::ranges::find_if(going, [&](const Going& g) {
                return g.lock.held() &&
                       !lockHolds(m_p.services.files, g.lock.path(), g.lock.text());
            });
            takenOver = lost == going.end() ? nullptr : &*lost;
            return takenOver == nullptr;
        };
        const FileOutcome rebuilt =
            RewriteStudentFile(m_file, entries, shown, s.defaultSettings, stillHeld);
        if (takenOver) {
            keepInUse(takenOver->name, readLockHolder(m_p.services.files, m_p.services.clock,
                                                      takenOver->lock.path()));
            return;
        }
        if (!report(rebuilt, MessageId::ListNotSaved)) {
            noteFile(m_p, rebuilt);
            return;
        }
        noteFile(m_p, rebuilt);
        forgetRemoved(entries);
    } else {
        noteFile(m_p, m_file.opened());
    }
    s.curSettings = shown;
    s.curSettings.loadOnStart = m_model.loadOnStart.value;
    s.curSettings.reviewOn = m_model.reviewOn.value;
    AdoptPupil(m_p, s.curSettings, std::move(incoming.lock));
    finish(true);
    update(m_p);
}

bool StudentForm::holdRemoved(const std::vector<std::string>& entries, const LockFile& incoming,
                              std::vector<Going>& going)
{
    std::unordered_set<std::string> kept;
    for (const std::string& entry : entries) {
        kept.insert(trimBlanks(entry));
    }
    for (const std::string& name : m_listedAtOpen) {
        if (kept.contains(name)) {
            continue;
        }
        DrillSettings pupil;
        setName(pupil, name);
        if (incoming.held() && pupilLockPath(m_p, pupil) == incoming.path()) {
            continue; // held for her already
        }
        LockAttempt attempt = ReservePupil(m_p, pupil);
        if (attempt.holder) {
            keepInUse(name, attempt.holder);
            return false;
        }
        going.push_back({name, std::move(attempt.lock)});
    }
    return true;
}

void StudentForm::keepInUse(const std::string& name, const std::optional<LockHolder>& holder)
{
    DrillSettings pupil;
    setName(pupil, name);
    m_model.studentlist.push_back(nameField(pupil));
    m_file.keepEntry();
    m_model.message = {
        MessageId::PupilInUseCannotChange,
        {name, holder ? holderMessage(*holder) : Message(MessageId::AnotherComputer)}};
}

void StudentForm::forgetRemoved(const std::vector<std::string>& entries)
{
    std::unordered_set<std::string> kept;
    for (const std::string& entry : entries) {
        kept.insert(trimBlanks(entry));
    }
    for (const std::string& name : m_listedAtOpen) {
        if (!kept.contains(name)) {
            // A removed pupil's answer history is set aside (a renamed one's has moved on).
            static_cast<void>(SetAsideHistory(m_p, name));
        }
    }
}

void StudentForm::close_click()
{
    if (!m_model.closed) {
        SaveAndClose();
    }
}

void StudentForm::cancel_click()
{
    if (m_model.closed) {
        return;
    }
    m_p.run.settingsBackup.apply(SettingsBackup::Window::StudentData, m_p.settings.curSettings);
    const FileOutcome closed = CloseStudentFile(m_file);
    finish(false);
    noteFile(m_p, closed.ok() ? m_file.opened() : closed);
    ShowStatus(m_p);
}

void StudentForm::close_request(bool byUser)
{
    m_p.flags.smartFromStudent = 0;
    if (m_model.closed) {
        return;
    }
    if (byUser) {
        SaveAndClose();
        return;
    }
    noteFile(m_p, CloseStudentFile(m_file));
    finish(false);
}

bool StudentForm::Repset_click()
{
    if (!m_model.repeatSettingEnabled || m_model.closed) {
        return false;
    }
    DrillSettings& cur = m_p.settings.curSettings;
    cur.autoTeach = m_p.run.shownPupil.autoTeach;
    m_p.flags.smartFromStudent = 1;
    TakeRecord(cur);
    TakeRecordSelection(cur);
    return true;
}

void StudentForm::smart_closed(bool applied)
{
    if (!applied) {
        return;
    }
    const DrillSettings& cur = m_p.settings.curSettings;
    DrillSettings& work = m_p.run.shownPupil;
    work.stopOn = cur.stopOn;
    work.smartCheck = cur.smartCheck;
    work.smartValue = cur.smartValue;
}

} // namespace sb
