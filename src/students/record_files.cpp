// SPDX-License-Identifier: GPL-3.0-or-later
#include "students/record_files.h"

#include <algorithm>
#include <cerrno>
#include <iterator>
#include <optional>
#include <span>
#include <unordered_map>
#include <unordered_set>

#include "records/codec.h"
#include "records/operations.h"
#include "students/answer_history.h"
#include "students/file_names.h"
#include "students/safe_file.h"

namespace sb {

namespace fs = std::filesystem;

namespace {

// The largest student file the 16-bit header count can describe: the header and 32767 slots.
constexpr std::size_t kMaxSlots = 32768;

// Slot k (from 1) of a file's bytes, or nothing when the bytes do not hold it whole. The 20
// unused bytes at the end count too: a file cut anywhere inside a slot is a damaged file, and
// such a slot must not decide anything.
std::optional<DrillSettings> slotAt(std::span<const std::uint8_t> bytes, std::size_t k)
{
    const std::size_t begin = (k - 1) * kSlotSize;
    if (k < 1 || bytes.size() < begin + kSlotSize) {
        return std::nullopt;
    }
    return decodeSettings(bytes.subspan(begin, kSlotSize));
}

std::optional<DrillSettings> repairedSlotAt(std::span<const std::uint8_t> bytes, std::size_t k)
{
    auto s = slotAt(bytes, k);
    if (s) {
        repairSettings(*s);
    }
    return s;
}

std::uint64_t slotOffset(std::size_t k)
{
    return static_cast<std::uint64_t>(k - 1) * kSlotSize;
}

std::size_t count(std::int16_t n)
{
    return n > 0 ? static_cast<std::size_t>(n) : 0;
}

void appendSlot(std::vector<std::uint8_t>& out, const DrillSettings& s)
{
    const SettingsSlot slot = encodeSettings(s);
    out.insert(out.end(), slot.begin(), slot.end());
}

// The name field of slot k (from 1), trimmed, or nothing when the bytes do not hold the slot
// whole. Only the 20 name bytes are looked at.
std::optional<std::string> trimmedNameAt(std::span<const std::uint8_t> bytes, std::size_t k)
{
    const std::size_t begin = (k - 1) * kSlotSize;
    if (k < 1 || bytes.size() < begin + kSlotSize) {
        return std::nullopt;
    }
    const auto* name = reinterpret_cast<const char*>(bytes.data() + begin + 2);
    return trimBlanks(std::string_view(name, kNameLength));
}

} // namespace

Status folderStatus(const DataDir& data, Status status)
{
    const int why = status.error();
    const bool lost = why == ENOENT || why == ENOTDIR || why == ESTALE || why == ENODEV;
    if (lost && data.files.present(data.dir).error() != 0) {
        return Status::refuse(StatusCode::Unreachable);
    }
    return status;
}

bool FileExists(const DataDir& data, std::string_view name)
{
    return data.files.exists(data / name);
}

bool repairSettings(DrillSettings& s)
{
    bool changed = false;
    auto fix = [&changed](std::int16_t& field, bool ok, std::int16_t original) {
        if (!ok) {
            field = original;
            changed = true;
        }
    };
    // Each of these would index a table out of range or divide by zero once a drill runs.
    fix(s.operation, IsOperation(s.operation), OpAdd);
    fix(s.stopOn, s.stopOn >= 1 && s.stopOn <= 9, 2);
    fix(s.averageOver(), s.averageOver() >= 1 && s.averageOver() <= 327, 15);
    fix(s.repeatWithin(), s.repeatWithin() >= 1, 3);
    return changed;
}

std::filesystem::path computerDefaultFile(const DataDir& data)
{
    return data / ("Default." + data.files.hostName() + ".Xsx");
}

namespace {

// Whether the file is a computer's own defaults, "Default.<host>.Xsx".
bool isComputerDefaults(std::string_view file)
{
    constexpr std::string_view front = "Default.";
    constexpr std::string_view back = ".Xsx";
    return file.size() > front.size() + back.size() && file.starts_with(front) &&
           file.ends_with(back);
}

} // namespace

std::vector<std::filesystem::path> computerDefaultFiles(const DataDir& data)
{
    std::vector<std::filesystem::path> found;
    for (const std::string& file : data.files.list(data.dir)) {
        if (isComputerDefaults(file)) {
            found.push_back(data.dir / file);
        }
    }
    return found;
}

bool FolderShared(const DataDir& data)
{
    const std::string host = data.files.machineName();
    for (const std::string& file : data.files.list(data.dir)) {
        if (isComputerDefaults(file)) {
            return true;
        }
        if (file.ends_with(".lock")) {
            if (const auto holder = readLockHolder(data.files, data.clock, data.dir / file);
                holder && holder->host != host) {
                return true;
            }
        }
    }
    return false;
}

StartupRead LoadStartupSettings(Settings& s, const DataDir& data, bool shared)
{
    StartupRead read{{data / kDefaultFile, FileOutcome::Action::Read, {}}, std::nullopt};
    FileOutcome& outcome = read.outcome;
    const std::filesystem::path own = computerDefaultFile(data);
    const bool ownFile = shared && data.files.exists(own);
    if (!FileExists(data, kDefaultFile) && !ownFile) {
        LoadOriginalDefaults(s);
        s.curSettings = s.defaultSettings;
        return read;
    }
    const auto bytes = data.files.read(data / kDefaultFile, 0, 3 * kSlotSize);
    const std::span<const std::uint8_t> raw =
        bytes ? std::span<const std::uint8_t>(*bytes) : std::span<const std::uint8_t>();
    // This computer's last settings and current pupil, in a shared folder.
    const auto ownBytes =
        ownFile ? data.files.read(own, 0, 3 * kSlotSize)
                : Result<std::vector<std::uint8_t>>(Status::refuse(StatusCode::Missing));
    const std::span<const std::uint8_t> mine =
        ownBytes ? std::span<const std::uint8_t>(*ownBytes) : raw;

    if (const auto d = repairedSlotAt(raw, 1)) {
        s.defaultSettings = *d;
    } else {
        LoadOriginalDefaults(s);
    }
    const auto last = repairedSlotAt(mine, 2);
    if (last) {
        s.lastSettings = *last;
    }
    read.currentSlot = repairedSlotAt(mine, 3);
    const auto& current = read.currentSlot;

    s.curSettings = s.defaultSettings;
    if (last && s.lastSettings.tag == 1) {
        s.curSettings = s.lastSettings;
    }
    if (current && current->tag == 1) {
        s.curSettings = *current;
    }
    if (ownFile) {
        outcome.file = own;
        outcome.status = ownBytes ? Status() : ownBytes.status();
    } else if (!bytes) {
        outcome.status = bytes.status();
    }
    return read;
}

FileOutcome SaveExitSettings(Settings& s, bool defaultFileUnread, const DataDir& data, bool shared)
{
    s.lastSettings = s.curSettings;
    s.lastSettings.tag = s.curSettings.saveLevel();
    s.curSettings.tag = s.curSettings.loadOnStart;
    setName(s.lastSettings, "Untitled");

    const std::filesystem::path path = shared ? computerDefaultFile(data) : data / kDefaultFile;
    if (defaultFileUnread) {
        // Writing now would replace custom defaults this run never saw with the original ones.
        return {path, FileOutcome::Action::Kept, Status::refuse(StatusCode::Kept)};
    }
    std::vector<std::uint8_t> bytes;
    appendSlot(bytes, s.defaultSettings);
    appendSlot(bytes, s.lastSettings);
    appendSlot(bytes, s.curSettings);
    return {path, FileOutcome::Action::Save, saveAtomically(data.files, path, bytes)};
}

FileOutcome StudentFile::outcome(Status status) const
{
    return {path(), FileOutcome::Action::Save, folderStatus(m_data, status)};
}

void StudentFile::dropEntry()
{
    if (m_studentCount > 0) {
        m_studentCount = static_cast<std::int16_t>(m_studentCount - 1);
    }
}

bool fixedEntryName(std::string_view trimmed)
{
    return trimmed == "Default" || trimmed == "Untitled";
}

namespace {

// How many student slots of the file to take, from its header count and the slots it holds
// whole. A count below 0 or above the slots held, or one that leaves named pupils after it, is
// damaged: every whole slot is taken then.
std::size_t slotsToTake(const DrillSettings& header, std::span<const std::uint8_t> bytes,
                        bool& damaged)
{
    const std::size_t whole = bytes.size() / kSlotSize - 1;
    damaged = header.tag < 0 || count(header.tag) > whole;
    for (std::size_t i = count(header.tag) + 1; !damaged && i <= whole; ++i) {
        const auto name = trimmedNameAt(bytes, i + 1);
        damaged = name && !name->empty() && !fixedEntryName(*name);
    }
    return damaged ? whole : count(header.tag);
}

} // namespace

template <class Change> FileOutcome StudentFile::locked(Change change)
{
    const LockAttempt lock =
        waitForLock(m_data.files, m_data.clock, m_data / kStudentLockFile, m_patience);
    m_busy = lock.holder;
    if (m_busy) {
        return outcome(lock.status);
    }
    // Without a lock only when none can be made here (a read-only or full folder): then no
    // other copy can make one either.
    if (const Status now = catchUp(); !now) {
        return outcome(now);
    }
    return change();
}

Status StudentFile::catchUp()
{
    auto bytes = m_data.files.read(path(), 0, kMaxSlots * kSlotSize);
    if (!bytes) {
        return bytes.status();
    }
    if (*bytes == m_known) {
        return {};
    }
    // Another copy of the program changed the file: every whole slot is somebody's now (its
    // appended slots too, which its own rebuild or Cancel settles).
    m_moved = true;
    m_names.clear();
    for (std::size_t k = 2; trimmedNameAt(*bytes, k); ++k) {
        m_names.push_back(*trimmedNameAt(*bytes, k));
    }
    m_slotCount = static_cast<std::int16_t>(std::min(m_names.size(), kMaxSlots - 1));
    m_known = std::move(*bytes);
    return {};
}

std::string StudentFile::nameOf(std::int16_t n) const
{
    return n >= 1 && count(n) <= m_names.size() ? m_names[count(n) - 1] : std::string();
}

std::optional<std::size_t> StudentFile::slotOf(std::int16_t n, const std::string& who) const
{
    if (!m_moved) {
        return count(n);
    }
    const auto found = who.empty() ? m_names.end() : std::find(m_names.begin(), m_names.end(), who);
    if (found == m_names.end()) {
        return std::nullopt; // another copy removed her
    }
    return static_cast<std::size_t>(found - m_names.begin()) + 1;
}

Status StudentFile::writeSlot(std::size_t n, const DrillSettings& record)
{
    const SettingsSlot slot = encodeSettings(record);
    Status saved = m_data.files.writeAt(path(), slotOffset(n + 1), slot);
    const std::size_t end = slotOffset(n + 2);
    if (saved.error() == EACCES || saved.error() == EPERM) {
        // Another account's file that this one may not write in place (made before the
        // folder was shared by a group): the file as it is on the disk (read under the lock),
        // the slot put in, replaces it as a whole, as this account's and its group's.
        std::vector<std::uint8_t> bytes = m_known;
        bytes.resize(std::max<std::size_t>(bytes.size(), end));
        std::copy(slot.begin(), slot.end(),
                  bytes.begin() + static_cast<std::ptrdiff_t>(end - kSlotSize));
        const Status replaced = saveAtomically(m_data.files, path(), bytes);
        saved = replaced ? replaced : saved;
    }
    if (saved) {
        m_known.resize(std::max<std::size_t>(m_known.size(), end));
        std::copy(slot.begin(), slot.end(),
                  m_known.begin() + static_cast<std::ptrdiff_t>(end - kSlotSize));
        m_names.resize(std::max(m_names.size(), n));
        m_names[n - 1] = trimmedName(record);
        m_slotCount = std::max(m_slotCount, static_cast<std::int16_t>(n));
    }
    return saved;
}

std::vector<std::string> OpenStudentFile(StudentFile& f, const DrillSettings& header)
{
    f.m_open = false;
    f.m_repaired = false;
    f.m_moved = false;
    f.m_studentCount = 0;
    f.m_slotCount = 0;
    f.m_slotsAtOpen = 0;
    f.m_names.clear();
    f.m_base.clear();
    f.m_appended.clear();
    f.m_known.clear();
    f.m_opened = {f.path(), FileOutcome::Action::Read, {}};
    // Under the lock, so that the file is never seen half way through another copy's change
    // in place, nor made twice.
    const LockAttempt lock =
        waitForLock(f.m_data.files, f.m_data.clock, f.m_data / kStudentLockFile, f.m_patience);
    f.m_busy = lock.holder;
    if (f.m_busy) {
        f.m_opened.status = lock.status;
        return {};
    }
    FileSystem& files = f.m_data.files;
    auto bytes = files.read(f.path(), 0, kMaxSlots * kSlotSize);
    if (!bytes && bytes.status().error() != ENOENT) {
        // A student file that is there but cannot be read is left closed, so that nothing is
        // written over pupils' records the program could not see.
        f.m_opened.status = bytes.status();
        return {};
    }
    f.m_open = true;

    const auto stored = bytes ? slotAt(*bytes, 1) : std::nullopt;
    if (!stored) {
        // Missing, or too short to hold even its header: start it with a count of 0.
        DrillSettings fresh = header;
        fresh.tag = 0;
        const SettingsSlot slot = encodeSettings(fresh);
        f.m_opened = f.outcome(files.writeAt(f.path(), 0, slot));
        if (bytes) {
            f.m_known = std::move(*bytes);
        }
        f.m_known.resize(std::max(f.m_known.size(), kSlotSize));
        std::copy(slot.begin(), slot.end(), f.m_known.begin());
        return {};
    }

    const std::size_t slots = slotsToTake(*stored, *bytes, f.m_repaired);
    f.m_slotCount = static_cast<std::int16_t>(slots);
    f.m_slotsAtOpen = f.m_slotCount;
    std::vector<std::string> names;
    for (std::size_t i = 1; i <= slots; ++i) {
        std::string name = *trimmedNameAt(*bytes, i + 1);
        f.m_names.push_back(name);
        const bool counted = i <= count(stored->tag) || !fixedEntryName(name);
        if (!name.empty() && counted) {
            names.push_back(std::move(name));
        }
    }
    f.m_studentCount = static_cast<std::int16_t>(names.size());
    f.m_base = names;
    f.m_known = std::move(*bytes);
    return names;
}

std::optional<std::int16_t> FindStudentInFile(const StudentFile& f, std::string_view name)
{
    if (!f.m_open) {
        return std::nullopt;
    }
    const std::string wanted = trimBlanks(name);
    const auto found = std::find(f.m_names.begin(), f.m_names.end(), wanted);
    if (found == f.m_names.end()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(found - f.m_names.begin() + 1);
}

std::optional<DrillSettings> ReadStudent(StudentFile& f, std::int16_t n)
{
    if (!f.m_open || n < 1) {
        return std::nullopt;
    }
    std::optional<DrillSettings> record;
    const std::string who = f.nameOf(n);
    static_cast<void>(f.locked([&] {
        if (const auto k = f.slotOf(n, who)) {
            record = repairedSlotAt(f.m_known, *k + 1);
        }
        return f.outcome({});
    }));
    return record;
}

FileOutcome WriteStudent(StudentFile& f, std::int16_t n, const DrillSettings& record)
{
    if (n < 1 || !f.m_open) {
        return f.outcome(Status::refuse(StatusCode::NotOpen)); // slot 1 is the header
    }
    const std::string who = f.nameOf(n);
    return f.locked([&] {
        const auto k = f.slotOf(n, who);
        return f.outcome(k ? f.writeSlot(*k, record) : Status::refuse(StatusCode::Removed));
    });
}

FileOutcome AppendStudent(StudentFile& f, const DrillSettings& record)
{
    if (!f.m_open) {
        return f.outcome(Status::refuse(StatusCode::NotOpen));
    }
    return f.locked([&] {
        if (count(f.m_slotCount) + 1 >= kMaxSlots || count(f.m_studentCount) + 1 >= kMaxSlots) {
            return f.outcome(
                Status::refuse(StatusCode::ClassFull)); // the 16-bit header counts no more
        }
        // After every slot in use: a name is known for each.
        const Status saved = f.writeSlot(count(f.m_slotCount) + 1, record);
        if (saved) {
            f.m_studentCount = static_cast<std::int16_t>(f.m_studentCount + 1);
            f.m_appended.push_back(trimmedName(record));
        }
        return f.outcome(saved);
    });
}

namespace {

// The pupils of a merged rebuild, in order (see RewriteStudentFile): the entries of the
// window but those another copy removed, then those another copy added. Each name once.
std::vector<std::string> mergedNames(const std::vector<std::string>& entries,
                                     const std::vector<std::string>& onDisk,
                                     const std::vector<std::string>& base)
{
    const std::unordered_set<std::string> disk(onDisk.begin(), onDisk.end());
    const std::unordered_set<std::string> opened(base.begin(), base.end());
    std::unordered_set<std::string> taken;
    std::vector<std::string> merged;
    for (const std::string& entry : entries) {
        std::string name = trimBlanks(entry);
        const bool removedElsewhere = opened.contains(name) && !disk.contains(name);
        if (!name.empty() && !removedElsewhere && taken.insert(name).second) {
            merged.push_back(std::move(name));
        }
    }
    for (const std::string& name : onDisk) {
        // added elsewhere: not in the file as this window found it (a name this window
        // added is taken already)
        if (!name.empty() && !fixedEntryName(name) && !opened.contains(name) &&
            taken.insert(name).second) {
            merged.push_back(name);
        }
    }
    return merged;
}

} // namespace

FileOutcome RewriteStudentFile(StudentFile& f, const std::vector<std::string>& entries,
                               const DrillSettings& header, const DrillSettings& defaults,
                               const std::function<bool()>& mayWrite)
{
    // The old records are read first; if they cannot be, nothing is rebuilt, since the new
    // file would lose every pupil it could not find.
    if (!f.m_open) {
        return f.outcome(f.m_opened.ok() ? Status::refuse(StatusCode::NotOpen) : f.m_opened.status);
    }
    return f.locked([&] {
        if (mayWrite && !mayWrite()) {
            return f.outcome(Status::refuse(StatusCode::InUse));
        }
        const std::span<const std::uint8_t> old(f.m_known);
        std::vector<std::string> names = entries;
        std::size_t slots = count(f.m_slotCount);
        if (f.m_moved) {
            names = mergedNames(entries, f.m_names, f.m_base);
            f.m_studentCount = static_cast<std::int16_t>(names.size());
            slots = f.m_names.size();
        }
        // Each trimmed name leads to the first slot that carries it, as a search from the
        // start would find it.
        std::unordered_map<std::string, std::size_t> firstSlot;
        for (std::size_t i = 1; i <= slots; ++i) {
            if (auto name = trimmedNameAt(old, i + 1)) {
                firstSlot.emplace(std::move(*name), i);
            }
        }

        std::vector<std::uint8_t> bytes;
        DrillSettings counted = header;
        counted.tag = f.m_studentCount;
        appendSlot(bytes, counted);
        for (std::size_t i = 1; i <= count(f.m_studentCount); ++i) {
            const std::string name = i <= names.size() ? names[i - 1] : std::string();
            // An entry past the end of the list has no record: a blank slot the file may
            // hold is not one, whatever it carries, and is never copied.
            const auto it = name.empty() ? firstSlot.end() : firstSlot.find(trimBlanks(name));
            if (it != firstSlot.end()) {
                appendSlot(bytes, *repairedSlotAt(old, it->second + 1));
            } else {
                DrillSettings fresh = defaults;
                setName(fresh, name);
                appendSlot(bytes, fresh);
            }
        }

        // Written whole to a temporary of a fresh name, then renamed over "StdDat.Xrx" in
        // one step, so there is never a moment without a student file.
        const Status saved = saveAtomically(f.m_data.files, f.path(), bytes);
        if (saved) {
            f.m_open = false;
            f.m_known = std::move(bytes);
        }
        return f.outcome(saved);
    });
}

FileOutcome CloseStudentFile(StudentFile& f)
{
    const bool appended = f.m_open && (f.m_slotCount > f.m_slotsAtOpen || !f.m_appended.empty());
    if (!appended) {
        f.m_open = false;
        return f.outcome({});
    }
    const FileOutcome closed = f.locked([&] {
        std::vector<std::uint8_t> kept;
        if (!f.m_moved) {
            // The file is as this window left it: its first slots are what stays, cut in
            // place in one step, which needs no room on a full disk. (A file this account
            // may not cut is replaced as a whole below.)
            const std::size_t keep = (count(f.m_slotsAtOpen) + 1) * kSlotSize;
            if (f.m_data.files.truncate(f.path(), keep)) {
                return f.outcome({});
            }
            kept.assign(f.m_known.begin(), f.m_known.begin() + static_cast<std::ptrdiff_t>(std::min(
                                                                   keep, f.m_known.size())));
        } else {
            // Another copy changed the file: this window's slots go by name (the last slot
            // of each name appended), everything else stays as it is.
            std::vector<bool> drop(f.m_names.size(), false);
            for (const std::string& name : f.m_appended) {
                for (std::size_t i = f.m_names.size(); i-- > 0;) {
                    if (!drop[i] && f.m_names[i] == name) {
                        drop[i] = true;
                        break;
                    }
                }
            }
            kept.assign(f.m_known.begin(),
                        f.m_known.begin() + static_cast<std::ptrdiff_t>(kSlotSize));
            for (std::size_t i = 0; i < f.m_names.size(); ++i) {
                if (!drop[i]) {
                    const auto at =
                        f.m_known.begin() + static_cast<std::ptrdiff_t>((i + 1) * kSlotSize);
                    kept.insert(kept.end(), at, at + static_cast<std::ptrdiff_t>(kSlotSize));
                }
            }
            // The header's count (its first two bytes, little-endian) never counts more
            // slots than are left.
            const std::size_t left = kept.size() / kSlotSize - 1;
            if (const auto header = slotAt(kept, 1); header && count(header->tag) > left) {
                kept[0] = static_cast<std::uint8_t>(left & 0xFF);
                kept[1] = static_cast<std::uint8_t>(left >> 8);
            }
        }
        return f.outcome(saveAtomically(f.m_data.files, f.path(), kept));
    });
    f.m_open = false;
    return closed;
}

namespace {

// Gives slot 3 of a defaults file (the pupil a start-up loads) the name fresh when it carries
// the name old; every other byte stays. A file that is missing, cannot be read or names
// someone else needs nothing: a start-up would not load the pupil from it.
Status followInDefaultsFile(const DataDir& data, const std::filesystem::path& path,
                            std::string_view old, std::string_view fresh)
{
    auto bytes = data.files.read(path, 0, 3 * kSlotSize);
    if (!bytes || trimmedNameAt(*bytes, 3).value_or(std::string()) != old) {
        return {};
    }
    DrillSettings named;
    setName(named, fresh);
    std::copy(named.name.begin(), named.name.end(), bytes->begin() + 2 * kSlotSize + 2);
    return saveAtomically(data.files, path, *bytes);
}

// The same for "Default.Xsx" and, in a shared folder, every computer's own defaults file.
Status followInDefaults(const DataDir& data, std::string_view old, std::string_view fresh)
{
    Status status = followInDefaultsFile(data, data / kDefaultFile, old, fresh);
    for (const auto& path : computerDefaultFiles(data)) {
        if (const Status one = followInDefaultsFile(data, path, old, fresh); status && !one) {
            status = one;
        }
    }
    return status;
}

// The note of a rename under way: "<old fact file name>.renaming", holding the old and the new
// trimmed name, one per line. Written before a rename's first step; it goes with this object,
// after the last step or the undoing of the ones done. A kill in between leaves it for the next
// start-up (FinishInterruptedRename).
class RenameNote {
public:
    RenameNote(FileSystem& files, const fs::path& dir, std::string_view old, std::string_view fresh)
        : m_files(files), m_path(notePath(dir, old))
    {
        const std::string text = std::string(old) + "\n" + std::string(fresh) + "\n";
        m_written =
            saveAtomically(files, m_path, std::vector<std::uint8_t>(text.begin(), text.end()));
    }
    ~RenameNote()
    {
        if (m_written) {
            m_files.remove(m_path);
        }
    }
    RenameNote(const RenameNote&) = delete;
    RenameNote& operator=(const RenameNote&) = delete;

    const Status& written() const { return m_written; }
    const fs::path& path() const { return m_path; }
    static fs::path notePath(const fs::path& dir, std::string_view old)
    {
        fs::path name = factFileName(old);
        name += kNoteEnding;
        return dir / name;
    }
    static constexpr std::string_view kNoteEnding = ".renaming";

private:
    FileSystem& m_files;
    fs::path m_path;
    Status m_written;
};

} // namespace

FileOutcome RenameStudent(StudentFile& f, std::int16_t n, std::string_view fresh,
                          const AlsoRename& alsoMove)
{
    if (!f.m_open || n < 1) {
        return f.outcome(Status::refuse(StatusCode::NotOpen));
    }
    const std::string who = f.nameOf(n);
    return f.locked([&]() -> FileOutcome {
        const auto k = f.slotOf(n, who);
        const auto record = k ? repairedSlotAt(f.m_known, *k + 1) : std::nullopt;
        if (!record) {
            return f.outcome(Status::refuse(k ? StatusCode::Damaged : StatusCode::Removed));
        }
        FileSystem& files = f.m_data.files;
        const std::string old = trimmedName(*record);
        const auto from = f.m_data.dir / factFileName(old);
        const auto to = f.m_data.dir / factFileName(trimBlanks(fresh));
        const FileOutcome taken{to, FileOutcome::Action::Save,
                                Status::refuse(StatusCode::NameTaken)};
        // Results already kept under the new name belong to someone else (a pupil removed
        // earlier): the renamed pupil must not take them over, nor they hers.
        bool linked = false;
        bool moveLast = false; // a file system without hard links (an SMB share)
        if (files.exists(from)) {
            if (files.exists(to) && !files.sameFile(from, to)) {
                return taken;
            }
        } else if (files.exists(to)) {
            return taken;
        }
        const RenameNote note(files, f.m_data.dir, old, trimBlanks(fresh));
        if (!note.written()) {
            return {note.path(), FileOutcome::Action::Save, note.written()};
        }
        // (The link comes after the note: a kill between them must not leave an unnoted link.)
        if (files.exists(from) && !files.exists(to)) {
            const Status link = files.link(from, to);
            const int why = link.error();
            moveLast = why == EPERM || why == ENOTSUP || why == ENOSYS;
            if (!link && !moveLast) {
                return {to, FileOutcome::Action::Save, link};
            }
            linked = link.ok();
        }

        DrillSettings renamed = *record;
        setName(renamed, fresh);
        FileOutcome slot = f.outcome(f.writeSlot(*k, renamed));
        const Status defaults =
            slot.ok() ? followInDefaults(f.m_data, old, trimBlanks(fresh)) : Status();
        if (!slot.ok() || !defaults) {
            if (slot.ok()) {
                static_cast<void>(f.writeSlot(*k, *record));
                slot = {f.m_data / kDefaultFile, FileOutcome::Action::Save, defaults};
            }
            if (linked) {
                files.remove(to);
            }
            return slot;
        }
        if (moveLast) {
            // Without a second name the results move last, in one rename; when that fails,
            // the slot and the start-up pupil get the old name back.
            const Status moved = files.rename(from, to);
            if (!moved) {
                static_cast<void>(f.writeSlot(*k, *record));
                static_cast<void>(followInDefaults(f.m_data, trimBlanks(fresh), old));
                return {to, FileOutcome::Action::Save, moved};
            }
        }
        if (files.sameFile(from, to)) { // (both there)
            files.remove(from);
        }
        if (alsoMove) {
            alsoMove(old, trimBlanks(fresh));
        }
        std::replace(f.m_base.begin(), f.m_base.end(), old, trimBlanks(fresh));
        std::replace(f.m_appended.begin(), f.m_appended.end(), old, trimBlanks(fresh));
        return slot;
    });
}

void DropStrayFactLink(const DataDir& data, std::string_view trimmed)
{
    const auto fact = data.dir / factFileName(trimmed);
    if (const auto names = data.files.linkCount(fact); names && *names >= 2) {
        data.files.remove(fact);
    }
}

std::optional<std::vector<DrillSettings>> ListedPupils(const DataDir& data)
{
    const auto bytes = data.files.read(data / kStudentFile, 0, kMaxSlots * kSlotSize);
    const auto header = bytes ? slotAt(*bytes, 1) : std::nullopt;
    if (!header) {
        return std::nullopt;
    }
    bool damaged = false;
    const std::size_t slots = slotsToTake(*header, *bytes, damaged);
    std::vector<DrillSettings> listed;
    for (std::size_t i = 1; i <= slots; ++i) {
        listed.push_back(*repairedSlotAt(*bytes, i + 1));
    }
    return listed;
}

namespace {

// The trimmed names of the pupils the student file lists; nothing when it cannot be read.
std::optional<std::vector<std::string>> listedNames(const DataDir& data)
{
    auto pupils = ListedPupils(data);
    if (!pupils) {
        return std::nullopt;
    }
    std::vector<std::string> names;
    std::ranges::transform(*pupils, std::back_inserter(names), &trimmedName);
    return names;
}

// One rename's note found at start-up: the rename is finished or undone as the student file
// decides, and the note goes. Left as it is when the student file cannot be read.
void followRenameNote(Settings& s, const DataDir& data, const fs::path& note,
                      const std::vector<std::string>& listed)
{
    const auto text = data.files.read(note, 0, 256);
    const std::string lines = text ? std::string(text->begin(), text->end()) : std::string();
    const std::size_t cut = lines.find('\n');
    const std::string old = lines.substr(0, cut);
    const std::string fresh = cut == std::string::npos
                                  ? std::string()
                                  : lines.substr(cut + 1, lines.find('\n', cut + 1) - cut - 1);
    const auto isListed = [&](const std::string& name) {
        return std::find(listed.begin(), listed.end(), name) != listed.end();
    };
    FileSystem& files = data.files;
    const auto oldFacts = data.dir / factFileName(old);
    const auto newFacts = data.dir / factFileName(fresh);
    if (!old.empty() && !fresh.empty() && isListed(fresh) && !isListed(old)) {
        if (!files.exists(newFacts) && files.exists(oldFacts)) {
            static_cast<void>(files.rename(oldFacts, newFacts));
        } else if (files.exists(oldFacts) && files.sameFile(oldFacts, newFacts)) {
            files.remove(oldFacts);
        }
        // Never over a history kept under the new name: then both stay.
        static_cast<void>(
            moveHistory(data.dir / historyFileName(old), data.dir / historyFileName(fresh)));
        static_cast<void>(followInDefaults(data, old, fresh));
        if (trimmedName(s.curSettings) == old) {
            setName(s.curSettings, fresh);
        }
    } else if (!old.empty() && !fresh.empty() && isListed(old) && !isListed(fresh)) {
        if (files.exists(newFacts) && files.sameFile(oldFacts, newFacts)) {
            files.remove(newFacts);
        }
        static_cast<void>(followInDefaults(data, fresh, old));
        if (trimmedName(s.curSettings) == fresh) {
            setName(s.curSettings, old);
        }
    }
    files.remove(note);
}

} // namespace

void FinishInterruptedRename(Settings& s, const DataDir& data)
{
    std::vector<std::string> notes;
    for (std::string& entry : data.files.list(data.dir)) {
        if (entry.ends_with(RenameNote::kNoteEnding)) {
            notes.push_back(std::move(entry));
        }
    }
    if (!notes.empty()) {
        // Under the class list's lock, as every rename runs: the note of a rename another
        // program is doing now is not this start-up's to follow. A lock held elsewhere leaves
        // the notes for a later start-up.
        const LockAttempt lock = tryLock(data.files, data.clock, data / kStudentLockFile);
        const auto listed = lock.taken() ? listedNames(data) : std::nullopt;
        for (const std::string& note : listed ? notes : std::vector<std::string>{}) {
            followRenameNote(s, data, data.dir / note, *listed);
        }
    }
    const auto listedNow = listedNames(data);
    if (!listedNow) {
        return;
    }
    const std::vector<std::string>& listed = *listedNow;
    const std::string name = trimmedName(s.curSettings);
    const auto fact = data.dir / factFileName(name);
    if (const auto names = data.files.linkCount(fact); !names || *names < 2) {
        return;
    }
    if (std::find(listed.begin(), listed.end(), name) != listed.end()) {
        return; // she kept her name; the stray second name is dropped when it is reused
    }
    for (const std::string& other : listed) {
        const auto theirs = data.dir / factFileName(other);
        if (!other.empty() && theirs != fact && data.files.sameFile(theirs, fact)) {
            setName(s.curSettings, other);
            // On the disk too before the second name goes: a crash before the next close must
            // not bring back a start-up pupil whose results are no longer under her name.
            if (followInDefaults(data, name, other)) {
                data.files.remove(fact);
            }
            return;
        }
    }
}

} // namespace sb
