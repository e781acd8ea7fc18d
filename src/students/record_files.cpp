// SPDX-License-Identifier: GPL-3.0-or-later
#include "students/record_files.h"

#include <algorithm>
#include <cerrno>
#include <optional>
#include <span>
#include <unordered_map>

#include "records/codec.h"
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
    fix(s.operation, s.operation >= 1 && s.operation <= 6, OpAdd);
    fix(s.stopOn, s.stopOn >= 1 && s.stopOn <= 9, 2);
    fix(s.averageOver(), s.averageOver() >= 1 && s.averageOver() <= 327, 15);
    fix(s.repeatWithin(), s.repeatWithin() >= 1, 3);
    return changed;
}

FileOutcome LoadStartupSettings(Settings& s, const DataDir& data)
{
    FileOutcome outcome{data / kDefaultFile, FileOutcome::Action::Read, {}};
    if (!FileExists(data, kDefaultFile)) {
        LoadOriginalDefaults(s);
        s.curSettings = s.defaultSettings;
        return outcome;
    }
    const auto bytes = data.files.read(data / kDefaultFile, 0, 3 * kSlotSize);
    const std::span<const std::uint8_t> raw =
        bytes ? std::span<const std::uint8_t>(*bytes) : std::span<const std::uint8_t>();

    if (const auto d = repairedSlotAt(raw, 1)) {
        s.defaultSettings = *d;
    } else {
        LoadOriginalDefaults(s);
    }
    const auto last = repairedSlotAt(raw, 2);
    if (last) {
        s.lastSettings = *last;
    }
    const auto current = repairedSlotAt(raw, 3);
    if (current) {
        s.workSettings = *current;
    }

    s.curSettings = s.defaultSettings;
    if (last && s.lastSettings.tag == 1) {
        s.curSettings = s.lastSettings;
    }
    if (current && s.workSettings.tag == 1) {
        s.curSettings = s.workSettings;
    }
    if (!bytes) {
        outcome.status = bytes.status();
    }
    return outcome;
}

FileOutcome SaveExitSettings(Settings& s, bool defaultFileUnread, const DataDir& data)
{
    s.lastSettings = s.curSettings;
    s.lastSettings.tag = s.curSettings.saveLevel();
    s.curSettings.tag = s.curSettings.loadOnStart;
    setName(s.lastSettings, "Untitled");

    const std::filesystem::path path = data / kDefaultFile;
    if (defaultFileUnread) {
        // Writing now would replace custom defaults this run never saw with the original ones.
        return {path, FileOutcome::Action::Kept, Status::fail(EIO)};
    }
    std::vector<std::uint8_t> bytes;
    appendSlot(bytes, s.defaultSettings);
    appendSlot(bytes, s.lastSettings);
    appendSlot(bytes, s.curSettings);
    return {path, FileOutcome::Action::Save, saveAtomically(data.files, path, bytes)};
}

FileOutcome StudentFile::outcome(Status status) const
{
    return {path(), FileOutcome::Action::Save, status};
}

void StudentFile::dropEntry()
{
    if (m_studentCount > 0) {
        m_studentCount = static_cast<std::int16_t>(m_studentCount - 1);
    }
}

namespace {

// The names the fixed entries of the Student Data window carry. A slot of such a name is made
// when a fixed entry is chosen, and is no pupil of its own.
bool fixedEntryName(std::string_view trimmed)
{
    return trimmed == "Default" || trimmed == "Untitled";
}

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

std::vector<std::string> OpenStudentFile(Settings& s, StudentFile& f)
{
    f.m_open = false;
    f.m_repaired = false;
    f.m_studentCount = 0;
    f.m_slotCount = 0;
    f.m_slotsAtOpen = 0;
    f.m_names.clear();
    f.m_opened = {f.path(), FileOutcome::Action::Read, {}};
    FileSystem& files = f.m_data.files;
    auto bytes = files.read(f.path(), 0, kMaxSlots * kSlotSize);
    if (!bytes && bytes.status().error() != ENOENT) {
        // A student file that is there but cannot be read is left closed, so that nothing is
        // written over pupils' records the program could not see.
        f.m_opened.status = bytes.status();
        return {};
    }
    f.m_open = true;

    const auto header = bytes ? slotAt(*bytes, 1) : std::nullopt;
    if (!header) {
        // Missing, or too short to hold even its header: start it with a count of 0.
        DrillSettings& work = s.workSettings;
        work.tag = 0;
        const SettingsSlot slot = encodeSettings(work);
        f.m_opened = f.outcome(files.writeAt(f.path(), 0, slot));
        return {};
    }

    const std::size_t slots = slotsToTake(*header, *bytes, f.m_repaired);
    f.m_slotCount = static_cast<std::int16_t>(slots);
    f.m_slotsAtOpen = f.m_slotCount;
    std::vector<std::string> names;
    for (std::size_t i = 1; i <= slots; ++i) {
        s.workSettings = *repairedSlotAt(*bytes, i + 1);
        std::string name = trimmedName(s.workSettings);
        f.m_names.push_back(name);
        const bool counted = i <= count(header->tag) || !fixedEntryName(name);
        if (!name.empty() && counted) {
            names.push_back(std::move(name));
        }
    }
    f.m_studentCount = static_cast<std::int16_t>(names.size());
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

std::optional<DrillSettings> ReadStudent(const StudentFile& f, std::int16_t n)
{
    if (!f.m_open || n < 1) {
        return std::nullopt;
    }
    const std::size_t k = count(n) + 1;
    const auto bytes = f.m_data.files.read(f.path(), slotOffset(k), kSlotSize);
    return bytes ? repairedSlotAt(*bytes, 1) : std::nullopt;
}

FileOutcome WriteStudent(StudentFile& f, std::int16_t n, const DrillSettings& record)
{
    if (n < 1 || !f.m_open) {
        return f.outcome(Status::fail(EBADF)); // slot 1 is the header
    }
    const SettingsSlot slot = encodeSettings(record);
    const Status saved = f.m_data.files.writeAt(f.path(), slotOffset(count(n) + 1), slot);
    if (saved) {
        f.m_names.resize(std::max(f.m_names.size(), count(n)));
        f.m_names[count(n) - 1] = trimmedName(record);
        f.m_slotCount = std::max(f.m_slotCount, n);
    }
    return f.outcome(saved);
}

FileOutcome AppendStudent(StudentFile& f, const DrillSettings& record)
{
    if (!f.m_open) {
        return f.outcome(Status::fail(EBADF));
    }
    if (count(f.m_slotCount) + 1 >= kMaxSlots || count(f.m_studentCount) + 1 >= kMaxSlots) {
        return f.outcome(Status::fail(EFBIG)); // the 16-bit header counts no more
    }
    const std::size_t k = count(f.m_slotCount) + 2;
    const SettingsSlot slot = encodeSettings(record);
    const Status saved = f.m_data.files.writeAt(f.path(), slotOffset(k), slot);
    if (saved) {
        f.m_studentCount = static_cast<std::int16_t>(f.m_studentCount + 1);
        f.m_slotCount = static_cast<std::int16_t>(f.m_slotCount + 1);
        f.m_names.resize(count(f.m_slotCount) - 1);
        f.m_names.push_back(trimmedName(record));
    }
    return f.outcome(saved);
}

FileOutcome RewriteStudentFile(Settings& s, StudentFile& f, const std::vector<std::string>& entries)
{
    FileSystem& files = f.m_data.files;
    // The old records are read first; if they cannot be, nothing is rebuilt, since the new
    // file would lose every pupil it could not find.
    if (!f.m_open) {
        return f.outcome(f.m_opened.ok() ? Status::fail(EBADF) : f.m_opened.status);
    }
    const auto old = files.read(f.path(), 0, (count(f.m_slotCount) + 1) * kSlotSize);
    if (!old) {
        return f.outcome(old.status());
    }

    // Each trimmed name leads to the first slot that carries it, as a search from the start
    // would find it.
    std::unordered_map<std::string, std::size_t> firstSlot;
    for (std::size_t i = 1; i <= count(f.m_slotCount); ++i) {
        if (auto name = trimmedNameAt(*old, i + 1)) {
            firstSlot.emplace(std::move(*name), i);
        }
    }

    std::vector<std::uint8_t> bytes;
    s.workSettings.tag = f.m_studentCount;
    appendSlot(bytes, s.workSettings);
    for (std::size_t i = 1; i <= count(f.m_studentCount); ++i) {
        const std::string name = i <= entries.size() ? entries[i - 1] : std::string();
        // An entry past the end of the list has no record: a blank slot the file may hold is
        // not one, whatever it carries, and is never copied.
        const auto it = name.empty() ? firstSlot.end() : firstSlot.find(trimBlanks(name));
        if (it != firstSlot.end()) {
            s.workSettings = *repairedSlotAt(*old, it->second + 1);
        } else {
            s.workSettings = s.defaultSettings;
            setName(s.workSettings, name);
        }
        appendSlot(bytes, s.workSettings);
    }

    // Written whole to a temporary of a fresh name, then renamed over "StdDat.Xrx" in one step,
    // so there is never a moment without a student file.
    const Status saved = saveAtomically(files, f.path(), bytes);
    if (saved) {
        f.m_open = false;
    }
    return f.outcome(saved);
}

FileOutcome CloseStudentFile(StudentFile& f)
{
    const bool appended = f.m_open && f.m_slotCount > f.m_slotsAtOpen;
    f.m_open = false;
    if (!appended) {
        return f.outcome({});
    }
    FileSystem& files = f.m_data.files;
    const auto kept = files.read(f.path(), 0, (count(f.m_slotsAtOpen) + 1) * kSlotSize);
    if (!kept) {
        return f.outcome(kept.status());
    }
    return f.outcome(saveAtomically(files, f.path(), *kept));
}

namespace {

// Gives slot 3 of "Default.Xsx" (the pupil a start-up loads) the name fresh when it carries
// the name old; every other byte stays. A file that is missing, cannot be read or names
// someone else needs nothing: a start-up would not load the pupil from it.
Status followInDefaults(const DataDir& data, std::string_view old, std::string_view fresh)
{
    const std::filesystem::path path = data / kDefaultFile;
    auto bytes = data.files.read(path, 0, 3 * kSlotSize);
    if (!bytes || trimmedNameAt(*bytes, 3).value_or(std::string()) != old) {
        return {};
    }
    DrillSettings named;
    setName(named, fresh);
    std::copy(named.name.begin(), named.name.end(), bytes->begin() + 2 * kSlotSize + 2);
    return saveAtomically(data.files, path, *bytes);
}

bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b)
{
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec) && !ec;
}

} // namespace

FileOutcome RenameStudent(StudentFile& f, std::int16_t n, std::string_view fresh)
{
    const auto record = ReadStudent(f, n);
    if (!record) {
        return f.outcome(Status::fail(EIO));
    }
    FileSystem& files = f.m_data.files;
    const std::string old = trimmedName(*record);
    const auto from = f.m_data.dir / factFileName(old);
    const auto to = f.m_data.dir / factFileName(trimBlanks(fresh));
    const FileOutcome taken{to, FileOutcome::Action::Save, Status::fail(EEXIST)};
    // Results already kept under the new name belong to someone else (a pupil removed
    // earlier): the renamed pupil must not take them over, nor they hers.
    bool linked = false;
    if (files.exists(from)) {
        if (files.exists(to) && !sameFile(from, to)) {
            return taken;
        }
        if (!files.exists(to)) {
            const Status link = files.link(from, to);
            if (!link) {
                return {to, FileOutcome::Action::Save, link};
            }
            linked = true;
        }
    } else if (files.exists(to)) {
        return taken;
    }

    DrillSettings renamed = *record;
    setName(renamed, fresh);
    FileOutcome slot = WriteStudent(f, n, renamed);
    const Status defaults =
        slot.ok() ? followInDefaults(f.m_data, old, trimBlanks(fresh)) : Status();
    if (!slot.ok() || !defaults) {
        if (slot.ok()) {
            static_cast<void>(WriteStudent(f, n, *record));
            slot = {f.m_data / kDefaultFile, FileOutcome::Action::Save, defaults};
        }
        if (linked) {
            files.remove(to);
        }
        return slot;
    }
    if (files.exists(from) && sameFile(from, to)) {
        files.remove(from);
    }
    return slot;
}

void DropStrayFactLink(const DataDir& data, std::string_view trimmed)
{
    const auto fact = data.dir / factFileName(trimmed);
    std::error_code ec;
    if (std::filesystem::hard_link_count(fact, ec) >= 2 && !ec) {
        data.files.remove(fact);
    }
}

void FinishInterruptedRename(Settings& s, const DataDir& data)
{
    const std::string name = trimmedName(s.curSettings);
    const auto fact = data.dir / factFileName(name);
    std::error_code ec;
    if (std::filesystem::hard_link_count(fact, ec) < 2 || ec) {
        return;
    }
    const auto bytes = data.files.read(data / kStudentFile, 0, kMaxSlots * kSlotSize);
    const auto header = bytes ? slotAt(*bytes, 1) : std::nullopt;
    if (!header) {
        return;
    }
    bool damaged = false;
    const std::size_t slots = slotsToTake(*header, *bytes, damaged);
    std::vector<std::string> listed;
    for (std::size_t i = 1; i <= slots; ++i) {
        listed.push_back(trimmedNameAt(*bytes, i + 1).value_or(std::string()));
    }
    if (std::find(listed.begin(), listed.end(), name) != listed.end()) {
        return; // she kept her name; the stray second name is dropped when it is reused
    }
    for (const std::string& other : listed) {
        const auto theirs = data.dir / factFileName(other);
        if (!other.empty() && theirs != fact && sameFile(theirs, fact)) {
            setName(s.curSettings, other);
            data.files.remove(fact);
            return;
        }
    }
}

} // namespace sb
