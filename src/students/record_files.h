// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/lock_file.h"
#include "records/drill_settings.h"
#include "students/safe_file.h"

namespace sb {

// The record files in the data directory. Both settings files are arrays of 208-byte slots;
// slot k (from 1) starts at byte (k - 1) * 208.
inline constexpr std::string_view kDefaultFile = "Default.Xsx"; // defaults, last, current
inline constexpr std::string_view kStudentFile = "StdDat.Xrx";  // header, one slot per pupil
// Held while a copy of the program changes "StdDat.Xrx", so that copies sharing the folder
// change it one after the other (see platform/lock_file.h).
inline constexpr std::string_view kStudentLockFile = "StdDat.Xrx.lock";

// A computer's own defaults file in a data folder that several computers share (a lab):
// "Default.<host>.Xsx", of the layout of "Default.Xsx". It keeps what belongs to that
// computer alone, the last settings and the current pupil (slots 2 and 3); the custom defaults
// are read from "Default.Xsx" (slot 1), which a shared folder's computers leave as it is.
std::filesystem::path computerDefaultFile(const DataDir& data);
// Every computer's own defaults file in the folder.
std::vector<std::filesystem::path> computerDefaultFiles(const DataDir& data);
// The names the fixed entries of the Student Data window carry (trimmed). A slot of such a name
// is made when a fixed entry is chosen, and is no pupil of its own.
bool fixedEntryName(std::string_view trimmed);
// The records of the pupils the student file lists, repaired, a damaged count read as opening
// the file reads it (every whole slot); nothing when the file cannot be read.
std::optional<std::vector<DrillSettings>> ListedPupils(const DataDir& data);
// True when the folder is a lab's: a computer's own defaults file is in it (made by an earlier
// run that found the folder shared), or a lock file taken by another machine.
bool FolderShared(const DataDir& data);

// A failure of the system on a file of the data folder, as the folder's state explains it:
// Unreachable when the folder itself is not there any more (removed, or its share gone),
// status unchanged otherwise.
Status folderStatus(const DataDir& data, Status status);

// True when a regular file of exactly this name is in the data directory.
bool FileExists(const DataDir& data, std::string_view name);

// Brings a record read from a file back to values the program can run on, field by field:
// operation outside 1..6 becomes 1, stopOn outside 1..9 becomes 2, averageOver outside 1..327
// becomes 15, repeatWithin below 1 becomes 3 (the original defaults). Every other value is
// kept as it stands. True when something was changed.
bool repairSettings(DrillSettings& s);

// What start-up read from the defaults file.
struct StartupRead {
    // The read: a file that is there but could not be read says why here.
    FileOutcome outcome;
    // Slot 3 as read and repaired (the current pupil at the last exit); nothing when the file
    // does not hold it whole.
    std::optional<DrillSettings> currentSlot;
};

// Chooses curSettings at start-up. With "Default.Xsx" present its first two slots are read into
// defaultSettings and lastSettings, and slot 3 is answered (each repaired); curSettings is the
// defaults, or slot 2 when its tag is exactly 1, or slot 3 when its tag is exactly 1 (slot 3
// wins). A slot the file does not hold whole is not read and never selected; when slot 1 is
// missing the original defaults stand in for it. Without the file: LoadOriginalDefaults and
// curSettings := defaultSettings. A file that is there but cannot be read counts as missing;
// the outcome then says why, and shut-down must leave that file alone. Never writes anything.
// In a shared folder (shared), slots 2 and 3 come from this computer's own defaults file
// when it has one.
StartupRead LoadStartupSettings(Settings& s, const DataDir& data, bool shared = false);

// The saving part of shut-down: lastSettings := curSettings named "Untitled" with tag :=
// saveLevel; curSettings.tag := loadOnStart; then "Default.Xsx" is replaced as a whole by the
// 624 bytes of defaultSettings, lastSettings, curSettings. On failure the previous file stays
// as it was and the answer is false; so also when the file could not be read at start-up
// (defaultFileUnread), which is then not written at all (the outcome says Kept). In a shared
// folder this computer's own defaults file is written instead, and "Default.Xsx" stays.
FileOutcome SaveExitSettings(Settings& s, bool defaultFileUnread, const DataDir& data,
                             bool shared = false);

class StudentFile;

// Opens the student file and answers the trimmed non-blank names of its student slots in slot
// order. A file that is missing or too short to hold a header is started with one: `header`
// with its tag (the pupil count) 0, every other field as given. The header's count is checked
// against the slots the file holds: a count below 0 or above them, or one that leaves named
// pupils after it (a file damaged, or a window killed after an Add), is repaired by taking
// every whole slot, and the file says so (repaired()). A file that is there but cannot be read
// is left closed and never written over (see opened()).
std::vector<std::string> OpenStudentFile(StudentFile& f, const DrillSettings& header);

// The student number (slot n + 1) of the first of slots 1..slotCount whose trimmed name equals
// the trimmed name given (case-sensitive); nothing when none does. Works on the names held in
// memory: it reads nothing from the disk.
std::optional<std::int16_t> FindStudentInFile(const StudentFile& f, std::string_view name);

// Every change below, and each read of a record, is made with the folder's class-file lock
// held (kStudentLockFile; waiting for another copy of the program at most patience()) and
// against the file as it is on the disk at that moment: when another copy changed it since
// this one last looked, the names are read again, and a student number found earlier stands
// for the pupil who had it, wherever her slot is now (Removed when another copy removed her).
// A lock still held by another copy after patience() gives InUse and busyHolder().

// Student n (slot n + 1), repaired; nothing when the file does not hold that slot whole.
std::optional<DrillSettings> ReadStudent(StudentFile& f, std::int16_t n);

// Writes record to student n's slot in place (one 208-byte write). n must be 1 or more. A
// file this account may not write in place (another account's, without group write) is
// replaced as a whole with the slot written, when the folder lets it; a link out of the folder
// or a file with a second name is left as it is (LinkOut).
FileOutcome WriteStudent(StudentFile& f, std::int16_t n, const DrillSettings& record);

// Writes record to a new slot after every slot in use and then counts one pupil more. A failed
// write leaves the count and the file as they were. The header is not changed: a slot appended
// while the window is open counts once the file is rebuilt, and Cancel takes it away again.
// Another copy's appended slots are never written over.
FileOutcome AppendStudent(StudentFile& f, const DrillSettings& record);

// Rebuilds "StdDat.Xrx" from the list (the student entries of the window, without its two
// fixed entries): a header, which is `header` with its tag := studentCount, then for i =
// 1..studentCount the stored record of the i-th entry found by name, or a copy of defaults
// under that name when none is stored (an empty name past the end of the list: an empty name
// is never looked up, so each entry past the end gets a fresh record). The new file replaces
// "StdDat.Xrx" as a whole (saveAtomically); on failure the old student file stays as it was
// and stays open, so that the window can try again. The old file is read once and its
// names indexed once, so the time grows with the number of pupils, not with its square.
// When another copy of the program changed the file since it was opened, the window's list is
// merged into the file as it is now, by name: the window's pupils in its order (less those
// another copy removed), then the pupils another copy added, each with the record on the
// disk; the pupils this window removed go. Nothing another copy did is undone.
// mayWrite, when given, is asked under the class file's lock just before the new file is
// written (a pupil to be removed may have been taken over meanwhile); when it says no,
// nothing is written and the answer is InUse.
FileOutcome RewriteStudentFile(StudentFile& f, const std::vector<std::string>& entries,
                               const DrillSettings& header, const DrillSettings& defaults,
                               const std::function<bool()>& mayWrite = {});

// Closes the student file without a rebuild. Slots written in place stay; the slots appended
// since it was opened (Add, or a fixed entry chosen) are cut off again (in place, so that a
// full disk cannot keep them), so that the file keeps the pupils it had and its header counts
// them all. (When another copy changed the file
// meanwhile, this window's appended slots are taken out by name and nothing else changes.)
FileOutcome CloseStudentFile(StudentFile& f);

// What else goes with a renamed pupil (her answer history), from her old trimmed name to her
// new one; it runs once her slot and her fact file carry the new name.
using AlsoRename = std::function<void(std::string_view old, std::string_view fresh)>;

// Renames student n to fresh (a trimmed name no other pupil has) so that at every moment a
// restart finds the pupil and her results under one name. First a note of the rename is left
// beside her files ("<fact file>.renaming", both names); then her fact file gets its new name
// as a second link, her slot is written, "Default.Xsx" follows when its current pupil (slot 3)
// is she (and so does each computer's own "Default.<host>.Xsx" of a shared folder), the old
// name of the fact file goes, alsoMove runs, and the note goes last. A step that fails undoes
// the ones before it. Refused (NameTaken) when another file already holds results under the
// new name.
FileOutcome RenameStudent(StudentFile& f, std::int16_t n, std::string_view fresh,
                          const AlsoRename& alsoMove = {});

// A rename the program did not finish (it died between its steps). At start-up, every note of
// a rename left in the folder is followed: when the student file lists the new name (and not
// the old one) the rename is finished — the fact file and the answer history get the new name
// (never over another pupil's), the defaults files follow — and when it lists the old name it
// is undone; curSettings follows. Then, for a rename of an earlier version that left no note,
// the current pupil's fact file with a second name: when the pupil named in s.curSettings is
// not in the student file but a pupil of the file shares her fact file, curSettings takes that
// name; the extra name of the fact file goes.
void FinishInterruptedRename(Settings& s, const DataDir& data);

// A new pupil of this name (trimmed) starts without results: a fact file of the name that is
// only a second name of another pupil's file, left by a rename that did not finish, goes.
void DropStrayFactLink(const DataDir& data, std::string_view trimmed);

// The student file "StdDat.Xrx" while the Student Data window has it open. The window owns
// one of these; nothing about the student file is kept anywhere else, and only the procedures
// above change it.
class StudentFile {
public:
    explicit StudentFile(const DataDir& where) : m_data(where) {}

    const DataDir& data() const { return m_data; }
    bool isOpen() const { return m_open; }
    // How the file was opened: read whole (or made new), or the error that kept it closed.
    const FileOutcome& opened() const { return m_opened; }
    // The header's count was wrong and has been corrected from the slots the file holds.
    bool repaired() const { return m_repaired; }
    // Students the open file is taken to hold: the listed (non-blank) names, plus one for
    // each slot appended since; the rebuild writes this many.
    std::int16_t studentCount() const { return m_studentCount; }
    // A list entry went (Remove): the rebuild writes one pupil fewer; or came back.
    void dropEntry();
    void keepEntry() { ++m_studentCount; }
    // How long a change waits while another copy of the program changes the file.
    std::chrono::milliseconds patience() const { return m_patience; }
    void setPatience(std::chrono::milliseconds patience) { m_patience = patience; }
    // Who was changing the file when the last change or read gave up waiting.
    const std::optional<LockHolder>& busyHolder() const { return m_busy; }
    // Another copy of the program changed the file while this one had it open.
    bool changedElsewhere() const { return m_moved; }

private:
    friend std::vector<std::string> OpenStudentFile(StudentFile&, const DrillSettings&);
    friend std::optional<std::int16_t> FindStudentInFile(const StudentFile&, std::string_view);
    friend std::optional<DrillSettings> ReadStudent(StudentFile&, std::int16_t);
    friend FileOutcome WriteStudent(StudentFile&, std::int16_t, const DrillSettings&);
    friend FileOutcome AppendStudent(StudentFile&, const DrillSettings&);
    friend FileOutcome RewriteStudentFile(StudentFile&, const std::vector<std::string>&,
                                          const DrillSettings&, const DrillSettings&,
                                          const std::function<bool()>&);
    friend FileOutcome CloseStudentFile(StudentFile&);
    friend FileOutcome RenameStudent(StudentFile&, std::int16_t, std::string_view,
                                     const AlsoRename&);

    std::filesystem::path path() const { return m_data / kStudentFile; }
    FileOutcome outcome(Status status) const;
    // Runs change with the class-file lock held, after catchUp().
    template <class Change> FileOutcome locked(Change change);
    // Reads the file again; when another copy changed it, the names are taken from it anew.
    Status catchUp();
    // The slot number now of the pupil who was student n when `who` was her name.
    std::optional<std::size_t> slotOf(std::int16_t n, const std::string& who) const;
    std::string nameOf(std::int16_t n) const;
    // Writes record to student n's slot (the lock held) and keeps the names in step.
    Status writeSlot(std::size_t n, const DrillSettings& record);

    DataDir m_data;
    bool m_open = false;
    FileOutcome m_opened;
    bool m_repaired = false;
    std::int16_t m_studentCount = 0;
    // Student slots that are really in the file and are searched: every slot the header
    // counts and the file holds whole, plus those appended since. It differs from
    // m_studentCount only when the file has blank-named slots, which are not listed but still
    // stand between named ones; searching all of them keeps every named record findable, and
    // appending after all of them never overwrites one.
    std::int16_t m_slotCount = 0;
    // m_slotCount when the file was opened: Cancel cuts the file back to these slots.
    std::int16_t m_slotsAtOpen = 0;
    // The trimmed names of student slots 1..m_slotCount (element i - 1 for slot i + 1), read
    // once when the file is opened and kept in step with every write, so that a search never
    // goes back to the disk.
    std::vector<std::string> m_names;
    std::chrono::milliseconds m_patience{10000};
    std::optional<LockHolder> m_busy;
    bool m_moved = false;
    // The whole file as this window last read or wrote it: a change made by another copy of
    // the program shows as a difference.
    std::vector<std::uint8_t> m_known;
    // The pupils listed when the file was opened (a rename here follows her), and the names
    // of the slots this window appended: what the merge needs to tell this window's changes
    // from another copy's.
    std::vector<std::string> m_base;
    std::vector<std::string> m_appended;
};

} // namespace sb
