// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/student_form.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "drill/pool.h"
#include "flow/digits_only.h"
#include "flow/lifecycle.h"
#include "flow/main_form.h"
#include "records/index.h"
#include "students/file_names.h"

namespace sb {

namespace {

constexpr std::string_view kTeachOn = "Auto Teach On";
constexpr std::string_view kTeachOff = "Auto Teach Off";

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

// Blanks around a run of digits and nothing else, valued 1..most; otherwise nothing.
std::optional<std::int16_t> levelValue(std::string_view text, int most)
{
    std::size_t i = text.find_first_not_of(' ');
    if (i == std::string_view::npos) {
        return std::nullopt;
    }
    long value = 0;
    std::size_t digits = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, ++digits) {
        value = std::min(value * 10 + (text[i] - '0'), 100000L);
    }
    if (digits == 0 || text.find_first_not_of(' ', i) != std::string_view::npos || value < 1 ||
        value > most) {
        return std::nullopt;
    }
    return i16(static_cast<int>(value));
}

std::string nameField(const DrillSettings& s)
{
    return std::string(s.name.begin(), s.name.end());
}

} // namespace

void goauto_click(Program& p)
{
    ReadSelection(p.main, p.cur());
    FixSelections(p);
    if (!SameSelections(p.cur(), p.settings.startSettings)) {
        p.run.drillResumable = 0;
        p.settings.startSettings = p.cur();
        BuildFacts(p.drill, p.cur(), p.services.random);
    }
    static_cast<void>(WriteFactFile(p));
}

StudentForm::StudentForm(Program& program) : m_p(program), m_file(dataDirOf(program)) {}

void StudentForm::load()
{
    SharedFlags& flags = m_p.flags;
    if (flags.studentFromSmart == 1) {
        m_model.Repset = false;
    }
    // The boxes of this window start unlocked, whatever the main window's lock is.
    m_mainLocked = flags.firstLocked;
    m_mainSaved = flags.savedFirst;
    flags.firstLocked = 0;

    Settings& s = m_p.settings;
    std::vector<std::string> names = OpenStudentFile(s, m_file);
    for (std::string& name : names) {
        m_model.studentlist.push_back(std::move(name));
    }
    s.workSettings = s.curSettings;
    s.backupSettings = s.curSettings;
    showDisplayed();
}

void StudentForm::showDisplayed()
{
    const DrillSettings shown = m_p.settings.workSettings;
    ShowRecord(shown);
    ShowRecordSelection(shown);
    ShowTeachState();
    m_shown.firstRange = shown.firstRange;
    m_shown.secondNum = shown.secondNum;
    m_shown.operation = shown.operation;
}

void StudentForm::ShowRecord(const DrillSettings& rec)
{
    m_model.studentdisplay = nameField(rec);
    m_model.onload.value = rec.loadOnStart;
    m_model.ChkRev.value = rec.reviewOn;
    for (int i = 1; i <= 4; ++i) {
        m_model.CB[at(i)] = std::to_string(rec.teachSet[at(i)]);
        m_level[at(i)] = rec.teachSet[at(i)];
    }
}

void StudentForm::TakeRecord(DrillSettings& rec) const
{
    setName(rec, m_model.studentdisplay);
    rec.loadOnStart = m_model.onload.value;
    rec.reviewOn = m_model.ChkRev.value;
    for (int i = 1; i <= 4; ++i) {
        // A combo still being edited may hold a text without a number: its last good value
        // goes into the record instead.
        rec.teachSet[at(i)] = levelValue(m_model.CB[at(i)], mostLevel(i)).value_or(m_level[at(i)]);
    }
}

void StudentForm::setBox(CheckBox& box, std::int16_t value)
{
    if (box.value == value) {
        return;
    }
    box.value = value;
    m_p.main.Reset = true;
}

void StudentForm::ShowRecordSelection(const DrillSettings& rec)
{
    for (int i = 1; i <= 4; ++i) {
        setBox(m_model.a[at(i)], rec.firstRange[at(i)]);
    }
    for (int i = 1; i <= 10; ++i) {
        setBox(m_model.b[at(i)], rec.secondNum[at(i)]);
    }
    if (rec.operation >= 1 && rec.operation <= 6 && m_model.op != rec.operation) {
        op_click(rec.operation);
    }
    if (rec.operation != Op10Sub) {
        // Leaving "10 Sub" puts back the boxes saved when it was chosen, which belong to the
        // record shown before: this record's own first numbers must win.
        for (int i = 1; i <= 4; ++i) {
            setBox(m_model.a[at(i)], rec.firstRange[at(i)]);
        }
    }
}

void StudentForm::TakeRecordSelection(DrillSettings& rec) const
{
    for (int i = 1; i <= 4; ++i) {
        rec.firstRange[at(i)] = m_model.a[at(i)].value;
    }
    for (int i = 1; i <= 10; ++i) {
        rec.secondNum[at(i)] = m_model.b[at(i)].value;
    }
    if (m_model.op >= 1 && m_model.op <= 6) {
        rec.operation = m_model.op;
    }
}

void StudentForm::ShowTeachState()
{
    m_model.autoTeach = m_p.settings.workSettings.autoTeach == 1;
    m_model.dsauto = std::string(m_model.autoTeach ? kTeachOn : kTeachOff);
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
    const DrillSettings& w = m_p.settings.workSettings;
    return w.firstRange == m_shown.firstRange && w.secondNum == m_shown.secondNum &&
           w.operation == m_shown.operation;
}

void StudentForm::StoreDisplayedStudent()
{
    DrillSettings& work = m_p.settings.workSettings;
    TakeRecordSelection(work);
    if (!SelectionAsOpened()) {
        ResetTeachProgress(work);
    }
    TakeRecord(work);
    if (FindStudentInFile(m_file, m_model.studentdisplay)) {
        static_cast<void>(WriteStudent(m_file, m_file.foundIndex, work));
    } else {
        static_cast<void>(AppendStudent(m_file, work));
    }
}

void StudentForm::readOrAppend(const std::string& name)
{
    Settings& s = m_p.settings;
    if (FindStudentInFile(m_file, name) && ReadStudent(m_file, m_file.foundIndex, s.workSettings)) {
        return;
    }
    s.workSettings = s.defaultSettings;
    setName(s.workSettings, name);
    static_cast<void>(AppendStudent(m_file, s.workSettings));
}

void StudentForm::studentlist_click(int index)
{
    if (index < 0 || index >= static_cast<int>(m_model.studentlist.size())) {
        return;
    }
    m_model.listIndex = index;
    StoreDisplayedStudent();
    const std::string name = m_model.studentlist[at(index)];
    readOrAppend(name);
    showDisplayed();
}

void StudentForm::newstudent_change(std::string_view text)
{
    m_model.newstudent = std::string(text.substr(0, kNewStudentLength));
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
    if (!text.empty()) {
        if (const auto listed = FindListed(text)) {
            const std::string entry = m_model.studentlist[at(*listed)];
            readOrAppend(entry);
        } else {
            Settings& s = m_p.settings;
            m_model.studentlist.push_back(text);
            s.workSettings = s.defaultSettings;
            setName(s.workSettings, text);
            static_cast<void>(AppendStudent(m_file, s.workSettings));
        }
        showDisplayed();
    }
    m_model.newstudent.clear();
    ++m_model.newstudentFocus;
}

void StudentForm::removestudent_click()
{
    auto& list = m_model.studentlist;
    const int i = m_model.listIndex;
    if (i < 2 || i >= static_cast<int>(list.size())) {
        return;
    }
    list.erase(list.begin() + i);
    if (m_file.studentCount > 0) {
        m_file.studentCount = i16(m_file.studentCount - 1);
    }
    m_model.listIndex = -1;
}

void StudentForm::Renam_click()
{
    const std::string fresh = m_model.newstudent;
    const int i = m_model.listIndex;
    if (i < 2 || i >= static_cast<int>(m_model.studentlist.size()) || trimBlanks(fresh).empty() ||
        FindListed(fresh)) {
        return;
    }
    const std::string old = m_model.studentlist[at(i)];
    DrillSettings rec;
    if (!FindStudentInFile(m_file, old) || !ReadStudent(m_file, m_file.foundIndex, rec)) {
        return;
    }
    // The pupil's own stored record takes the new name; the record on display (which may be
    // another pupil's) is never written here.
    setName(rec, fresh);
    if (!WriteStudent(m_file, m_file.foundIndex, rec)) {
        return;
    }
    m_model.studentlist[at(i)] = fresh;

    // The saved facts go with the pupil, unless the new name already has a fact file: then
    // both files are kept as they are rather than one replacing the other.
    const DataDir& data = m_file.data;
    const auto from = data.dir / factFileName(trimBlanks(old));
    const auto to = data.dir / factFileName(trimBlanks(fresh));
    if (data.files.exists(from) && !data.files.exists(to) && !data.files.rename(from, to)) {
        m_file.writeFailed = true;
    }

    if (trimBlanks(m_model.studentdisplay) == trimBlanks(old)) {
        DrillSettings& work = m_p.settings.workSettings;
        setName(work, fresh);
        m_model.studentdisplay = nameField(work);
    }
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
        keyed.emplace_back(listKey(list[i]), std::move(list[i]));
    }
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& x, const auto& y) { return x.first < y.first; });
    for (std::size_t i = 0; i < keyed.size(); ++i) {
        std::string field = std::move(keyed[i].second);
        field.resize(kNameLength, ' ');
        list[i + 2] = std::move(field);
    }
    m_model.listIndex = -1;
}

void StudentForm::onload_click(std::int16_t value)
{
    m_model.onload.value = value;
}

void StudentForm::ChkRev_click(std::int16_t value)
{
    m_model.ChkRev.value = value;
}

void StudentForm::a_click(int i, std::int16_t value)
{
    if (i < 1 || at(i) >= m_model.a.size()) {
        return;
    }
    m_model.a[at(i)].value = value;
    m_p.main.Reset = true;
}

void StudentForm::b_click(int i, std::int16_t value)
{
    if (i < 1 || at(i) >= m_model.b.size()) {
        return;
    }
    m_model.b[at(i)].value = value;
    m_p.main.Reset = true;
}

void StudentForm::op_click(int k)
{
    if (k < 1 || k > 6) {
        return;
    }
    m_model.op = i16(k);
    ApplyOperationLock(m_p, m_model.a.data(), k);
    m_p.main.Reset = true;
}

void StudentForm::start_click()
{
    DrillSettings& work = m_p.settings.workSettings;
    work.autoTeach = work.autoTeach == 1 ? 0 : 1;
    ShowTeachState();
}

void StudentForm::CB_gotFocus(int i)
{
    if (i < 1 || at(i) >= m_model.CB.size()) {
        return;
    }
    m_p.flags.comboBefore = levelValue(m_model.CB[at(i)], mostLevel(i)).value_or(m_level[at(i)]);
}

char StudentForm::CB_keyPress(int i, char key)
{
    static_cast<void>(i);
    return static_cast<char>(DigitsOnly(key));
}

void StudentForm::CB_change(int i, std::string_view text)
{
    if (i >= 1 && at(i) < m_model.CB.size()) {
        m_model.CB[at(i)] = std::string(text);
    }
}

void StudentForm::CB_lostFocus(int i)
{
    if (i < 1 || at(i) >= m_model.CB.size()) {
        return;
    }
    std::string& text = m_model.CB[at(i)];
    if (const auto value = levelValue(text, mostLevel(i))) {
        m_level[at(i)] = *value;
    } else {
        text = std::to_string(m_p.flags.comboBefore);
        m_level[at(i)] = m_p.flags.comboBefore;
    }
}

void StudentForm::finish()
{
    SharedFlags& flags = m_p.flags;
    flags.smartFromStudent = 0;
    flags.firstLocked = m_mainLocked;
    flags.savedFirst = m_mainSaved;
    m_model.closed = true;
}

void StudentForm::SaveAndClose()
{
    Settings& s = m_p.settings;
    StoreDisplayedStudent();
    s.curSettings = s.workSettings;
    const std::vector<std::string> entries(m_model.studentlist.begin() + 2,
                                           m_model.studentlist.end());
    static_cast<void>(RewriteStudentFile(s, m_file, entries));
    s.curSettings.loadOnStart = m_model.onload.value;
    s.curSettings.reviewOn = m_model.ChkRev.value;
    finish();
    noteSave(m_p, !m_file.writeFailed, kStudentsNotSaved, kStudentFile);
    update(m_p);
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
    m_p.settings.curSettings = m_p.settings.backupSettings;
    CloseStudentFile(m_file);
    finish();
    noteSave(m_p, !m_file.writeFailed, kStudentsNotSaved, kStudentFile);
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
    CloseStudentFile(m_file);
    finish();
}

bool StudentForm::Repset_click()
{
    if (!m_model.Repset || m_model.closed) {
        return false;
    }
    DrillSettings& cur = m_p.settings.curSettings;
    cur.autoTeach = m_p.settings.workSettings.autoTeach;
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
    DrillSettings& work = m_p.settings.workSettings;
    work.stopOn = cur.stopOn;
    work.smartCheck = cur.smartCheck;
    work.smartValue = cur.smartValue;
}

} // namespace sb
