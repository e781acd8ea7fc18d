// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "records/drill_settings.h"
#include "students/safe_file.h"

namespace sb {

// The record files in the data directory. Both settings files are arrays of 208-byte slots;
// slot k (from 1) starts at byte (k - 1) * 208.
inline constexpr std::string_view kDefaultFile = "Default.Xsx"; // defaults, last, current
inline constexpr std::string_view kStudentFile = "StdDat.Xrx";  // header, one slot per pupil

// True when a regular file of exactly this name is in the data directory.
bool FileExists(const DataDir& data, std::string_view name);

// Brings a record read from a file back to values the program can run on, field by field:
// operation outside 1..6 becomes 1, stopOn outside 1..9 becomes 2, averageOver outside 1..327
// becomes 15, repeatWithin below 1 becomes 3 (the original defaults). Every other value is
// kept as it stands. True when something was changed.
bool repairSettings(DrillSettings& s);

// Chooses curSettings at start-up. With "Default.Xsx" present its three slots are read into
// defaultSettings, lastSettings and workSettings (each repaired); curSettings is the defaults,
// or slot 2 when its tag is exactly 1, or slot 3 when its tag is exactly 1 (slot 3 wins). A
// slot the file does not hold whole is not read and never selected; when slot 1 is missing
// the original defaults stand in for it. Without the file: LoadOriginalDefaults and
// curSettings := defaultSettings. A file that is there but cannot be read counts as missing;
// the answer is then false, and shut-down must leave that file alone. Never writes anything.
[[nodiscard]] bool LoadStartupSettings(Settings& s, const DataDir& data);

// The saving part of shut-down: lastSettings := curSettings named "Untitled" with tag :=
// saveLevel; curSettings.tag := loadOnStart; then "Default.Xsx" is replaced as a whole by the
// 624 bytes of defaultSettings, lastSettings, curSettings. On failure the previous file stays
// as it was and the answer is false; so also when the file could not be read at start-up
// (defaultFileUnread), which is then not written at all.
[[nodiscard]] bool SaveExitSettings(Settings& s, bool defaultFileUnread, const DataDir& data);

// The student file "StdDat.Xrx" while the Student Data window has it open. The window owns
// one of these; nothing about the student file is kept anywhere else.
struct StudentFile {
    explicit StudentFile(const DataDir& where) : data(where) {}

    DataDir data;
    bool open = false;
    // A write to the file failed since it was opened (the window says so).
    bool writeFailed = false;
    // Students the open file is taken to hold: the number of listed (non-blank) names, plus
    // one for each AppendStudent. The window lowers it when it removes a list entry.
    std::int16_t studentCount = 0;
    // The student number (slot foundIndex + 1) found by the last successful FindStudentInFile.
    std::int16_t foundIndex = 0;
    // Student slots that are really in the file and are searched: the header's count, cut to
    // the slots the file holds whole, plus the slots appended since. It differs from
    // studentCount only when the file has blank-named slots, which are not listed but still
    // stand between named ones; searching all of them keeps every named record findable, and
    // appending after all of them never overwrites one.
    std::int16_t slotCount = 0;
    // The trimmed names of student slots 1..slotCount (element i - 1 for slot i + 1), read
    // once when the file is opened and kept in step with every write, so that a search never
    // goes back to the disk.
    std::vector<std::string> names;
};

// Opens the student file (creating it with a header counting 0 pupils when it is missing or
// too short to hold a header) and answers the trimmed non-blank names of its student slots in
// slot order. Each slot examined is read into workSettings, as the list is built from it.
std::vector<std::string> OpenStudentFile(Settings& s, StudentFile& f);

// Searches student slots 1..slotCount in order for a trimmed name equal to the trimmed name
// given (case-sensitive). On a match sets foundIndex and answers true; otherwise false, with
// foundIndex unchanged. Leaves workSettings alone. Works on the names held in memory: it
// reads nothing from the disk.
bool FindStudentInFile(StudentFile& f, std::string_view name);

// Reads student n (slot n + 1) into record, repaired. False, with record unchanged, when the
// file does not hold that slot whole.
bool ReadStudent(const StudentFile& f, std::int16_t n, DrillSettings& record);

// Writes record to student n's slot in place (one 208-byte write). n must be 1 or more.
// False, with writeFailed set, when the write failed.
bool WriteStudent(StudentFile& f, std::int16_t n, const DrillSettings& record);

// studentCount += 1, then writes record to a new slot after every slot in use. The header is
// not changed: a slot appended while the window was open counts only once the file is
// rebuilt. False, with writeFailed set, when the write failed.
bool AppendStudent(StudentFile& f, const DrillSettings& record);

// Rebuilds "StdDat.Xrx" from the list (the student entries of the window, without its two
// fixed entries): a header whose tag is studentCount and whose other fields are workSettings,
// then for i = 1..studentCount the stored record of the i-th entry found by name, or a copy of
// defaultSettings under that name when none is stored (an empty name past the end of the
// list: an empty name is never looked up, so each entry past the end gets a fresh record).
// workSettings is the buffer for each record and holds the last one afterwards. The new file
// replaces "StdDat.Xrx" as a whole (saveAtomically); on failure the old student file stays as
// it was, writeFailed is set and the answer is false. The file is closed either way. The old
// file is read once and its names indexed once, so the time grows with the number of pupils,
// not with its square.
bool RewriteStudentFile(Settings& s, StudentFile& f, const std::vector<std::string>& entries);

// Closes the student file; what was written stays written.
void CloseStudentFile(StudentFile& f);

} // namespace sb
