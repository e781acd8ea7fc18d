// SPDX-License-Identifier: GPL-3.0-or-later
#include "students/record_files.h"

#include <algorithm>
#include <optional>
#include <span>
#include <unordered_map>

#include "records/codec.h"
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

bool LoadStartupSettings(Settings& s, const DataDir& data)
{
    if (!FileExists(data, kDefaultFile)) {
        LoadOriginalDefaults(s);
        s.curSettings = s.defaultSettings;
        return true;
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
    return bytes.has_value();
}

bool SaveExitSettings(Settings& s, bool defaultFileUnread, const DataDir& data)
{
    s.lastSettings = s.curSettings;
    s.lastSettings.tag = s.curSettings.saveLevel();
    s.curSettings.tag = s.curSettings.loadOnStart;
    setName(s.lastSettings, "Untitled");

    if (defaultFileUnread) {
        // Writing now would replace custom defaults this run never saw with the original ones.
        return false;
    }
    std::vector<std::uint8_t> bytes;
    appendSlot(bytes, s.defaultSettings);
    appendSlot(bytes, s.lastSettings);
    appendSlot(bytes, s.curSettings);
    return saveAtomically(data.files, data / kDefaultFile, bytes);
}

std::vector<std::string> OpenStudentFile(Settings& s, StudentFile& f)
{
    f.open = false;
    f.writeFailed = false;
    f.studentCount = 0;
    f.foundIndex = 0;
    f.slotCount = 0;
    f.names.clear();
    FileSystem& files = f.data.files;
    const fs::path path = f.data / kStudentFile;
    const bool existed = files.exists(path);
    std::optional<std::vector<std::uint8_t>> bytes;
    if (existed) {
        bytes = files.read(path, 0, kMaxSlots * kSlotSize);
        if (!bytes) {
            // A student file that is there but cannot be read is left closed, so that nothing
            // is written over pupils' records the program could not see.
            return {};
        }
    }
    f.open = true;

    const auto header = bytes ? slotAt(*bytes, 1) : std::nullopt;
    if (!header) {
        // Missing, or too short to hold even its header: start it with a count of 0.
        DrillSettings& work = s.workSettings;
        work.tag = 0;
        const SettingsSlot slot = encodeSettings(work);
        f.writeFailed = !files.writeAt(path, 0, slot);
        return {};
    }

    const std::size_t whole = bytes->size() / kSlotSize - 1;
    f.slotCount = static_cast<std::int16_t>(std::min(count(header->tag), whole));
    std::vector<std::string> names;
    for (std::size_t i = 1; i <= count(f.slotCount); ++i) {
        s.workSettings = *repairedSlotAt(*bytes, i + 1);
        std::string name = trimmedName(s.workSettings);
        f.names.push_back(name);
        if (!name.empty()) {
            names.push_back(std::move(name));
        }
    }
    f.studentCount = static_cast<std::int16_t>(names.size());
    return names;
}

bool FindStudentInFile(StudentFile& f, std::string_view name)
{
    if (!f.open) {
        return false;
    }
    const std::string wanted = trimBlanks(name);
    const auto found = std::find(f.names.begin(), f.names.end(), wanted);
    if (found == f.names.end()) {
        return false;
    }
    f.foundIndex = static_cast<std::int16_t>(found - f.names.begin() + 1);
    return true;
}

bool ReadStudent(const StudentFile& f, std::int16_t n, DrillSettings& record)
{
    if (!f.open || n < 1) {
        return false;
    }
    const std::size_t k = count(n) + 1;
    const auto bytes = f.data.files.read(f.data / kStudentFile, slotOffset(k), kSlotSize);
    if (!bytes) {
        return false;
    }
    const auto s = repairedSlotAt(*bytes, 1);
    if (!s) {
        return false;
    }
    record = *s;
    return true;
}

bool WriteStudent(StudentFile& f, std::int16_t n, const DrillSettings& record)
{
    if (n < 1) {
        return false; // slot 1 is the header
    }
    const SettingsSlot slot = encodeSettings(record);
    const bool saved =
        f.open && f.data.files.writeAt(f.data / kStudentFile, slotOffset(count(n) + 1), slot);
    if (saved) {
        f.names.resize(std::max(f.names.size(), count(n)));
        f.names[count(n) - 1] = trimmedName(record);
        f.slotCount = std::max(f.slotCount, n);
    }
    f.writeFailed = f.writeFailed || !saved;
    return saved;
}

bool AppendStudent(StudentFile& f, const DrillSettings& record)
{
    f.studentCount = static_cast<std::int16_t>(f.studentCount + 1);
    if (count(f.slotCount) + 1 >= kMaxSlots) {
        f.writeFailed = true;
        return false;
    }
    const std::size_t k = count(f.slotCount) + 2;
    const SettingsSlot slot = encodeSettings(record);
    const bool saved = f.open && f.data.files.writeAt(f.data / kStudentFile, slotOffset(k), slot);
    if (saved) {
        f.slotCount = static_cast<std::int16_t>(f.slotCount + 1);
        f.names.resize(count(f.slotCount) - 1);
        f.names.push_back(trimmedName(record));
    }
    f.writeFailed = f.writeFailed || !saved;
    return saved;
}

bool RewriteStudentFile(Settings& s, StudentFile& f, const std::vector<std::string>& entries)
{
    FileSystem& files = f.data.files;
    const bool wasOpen = f.open;
    f.open = false;
    // The old records are read first; if they cannot be, nothing is rebuilt, since the new
    // file would lose every pupil it could not find.
    const auto old =
        wasOpen ? files.read(f.data / kStudentFile, 0, (count(f.slotCount) + 1) * kSlotSize)
                : std::nullopt;
    if (!old) {
        f.writeFailed = true;
        return false;
    }

    // Each trimmed name leads to the first slot that carries it, as a search from the start
    // would find it.
    std::unordered_map<std::string, std::size_t> firstSlot;
    for (std::size_t i = 1; i <= count(f.slotCount); ++i) {
        if (auto name = trimmedNameAt(*old, i + 1)) {
            firstSlot.emplace(std::move(*name), i);
        }
    }

    std::vector<std::uint8_t> bytes;
    s.workSettings.tag = f.studentCount;
    appendSlot(bytes, s.workSettings);
    for (std::size_t i = 1; i <= count(f.studentCount); ++i) {
        const std::string name = i <= entries.size() ? entries[i - 1] : std::string();
        // An entry past the end of the list has no record: a blank slot the file may hold is
        // not one, whatever it carries, and is never copied.
        const auto it = name.empty() ? firstSlot.end() : firstSlot.find(trimBlanks(name));
        const std::size_t found = it == firstSlot.end() ? 0 : it->second;
        if (found != 0) {
            f.foundIndex = static_cast<std::int16_t>(found);
            s.workSettings = *repairedSlotAt(*old, found + 1);
        } else {
            s.workSettings = s.defaultSettings;
            setName(s.workSettings, name);
        }
        appendSlot(bytes, s.workSettings);
    }

    // Written whole to a temporary of a fresh name, then renamed over "StdDat.Xrx" in one step,
    // so there is never a moment without a student file.
    const bool saved = saveAtomically(files, f.data / kStudentFile, bytes);
    f.writeFailed = f.writeFailed || !saved;
    return saved;
}

void CloseStudentFile(StudentFile& f)
{
    f.open = false;
}

} // namespace sb
