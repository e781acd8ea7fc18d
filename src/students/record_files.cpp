#include "students/record_files.h"

#include <algorithm>
#include <optional>
#include <span>

#include "records/codec.h"
#include "records/cp1252.h"
#include "students/safe_file.h"

namespace sb {

namespace fs = std::filesystem;

namespace {

// The largest student file the 16-bit header count can describe: the header and 32767 slots.
constexpr std::size_t kMaxSlots = 32768;

fs::path inDataDir(const Program& p, std::string_view name)
{
    return p.services.dataDir / fs::path(std::string(name));
}

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

// Student number of the first of slots 2..slots+1 whose trimmed name equals name, or 0.
std::size_t findIn(std::span<const std::uint8_t> bytes, std::size_t slots, std::string_view name)
{
    const std::string wanted = trimBlanks(name);
    for (std::size_t i = 1; i <= slots; ++i) {
        const auto s = slotAt(bytes, i + 1);
        if (s && trimmedName(*s) == wanted) {
            return i;
        }
    }
    return 0;
}

} // namespace

void noteSave(Program& p, bool saved, std::string_view caption, const fs::path& file)
{
    // The name as the pupil's name was typed: the record files' code page, like every caption.
    const std::u8string utf8 = file.filename().u8string();
    const std::string name = utf8ToCp1252(std::string(utf8.begin(), utf8.end()));
    auto& troubles = p.run.fileTroubles;
    const auto it = std::find_if(troubles.begin(), troubles.end(),
                                 [&name](const auto& t) { return t.first == name; });
    const std::string line = std::string(caption) + " (" + name + ")";
    if (saved && it != troubles.end()) {
        troubles.erase(it);
    } else if (!saved && it != troubles.end()) {
        it->second = line;
    } else if (!saved) {
        troubles.emplace_back(name, line);
    }
    p.main.notice.clear();
    for (const auto& t : troubles) {
        p.main.notice += (p.main.notice.empty() ? "" : "; ") + t.second;
    }
}

bool FileExists(const Program& p, std::string_view name)
{
    return filesOf(p.services).exists(inDataDir(p, name));
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

void LoadStartupSettings(Program& p)
{
    Settings& s = p.settings;
    if (!FileExists(p, kDefaultFile)) {
        LoadOriginalDefaults(s);
        s.curSettings = s.defaultSettings;
        return;
    }
    const auto bytes = filesOf(p.services).read(inDataDir(p, kDefaultFile), 0, 3 * kSlotSize);
    p.run.defaultFileUnread = !bytes;
    const std::span<const std::uint8_t> data =
        bytes ? std::span<const std::uint8_t>(*bytes) : std::span<const std::uint8_t>();

    if (const auto d = repairedSlotAt(data, 1)) {
        s.defaultSettings = *d;
    } else {
        LoadOriginalDefaults(s);
    }
    const auto last = repairedSlotAt(data, 2);
    if (last) {
        s.lastSettings = *last;
    }
    const auto current = repairedSlotAt(data, 3);
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
}

bool SaveExitSettings(Program& p)
{
    Settings& s = p.settings;
    s.lastSettings = s.curSettings;
    s.lastSettings.tag = s.curSettings.saveLevel();
    s.curSettings.tag = s.curSettings.loadOnStart;
    setName(s.lastSettings, "Untitled");

    if (p.run.defaultFileUnread) {
        // Writing now would replace custom defaults this run never saw with the original ones.
        noteSave(p, false, kSettingsNotSaved, kDefaultFile);
        return false;
    }
    std::vector<std::uint8_t> bytes;
    bytes.reserve(3 * kSlotSize);
    appendSlot(bytes, s.defaultSettings);
    appendSlot(bytes, s.lastSettings);
    appendSlot(bytes, s.curSettings);
    const bool saved = saveAtomically(filesOf(p.services), inDataDir(p, kDefaultFile), bytes);
    noteSave(p, saved, kSettingsNotSaved, kDefaultFile);
    return saved;
}

std::vector<std::string> OpenStudentFile(Program& p, StudentFile& f)
{
    f = StudentFile{};
    FileSystem& files = filesOf(p.services);
    const fs::path path = inDataDir(p, kStudentFile);
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
        DrillSettings& work = p.settings.workSettings;
        work.tag = 0;
        const SettingsSlot slot = encodeSettings(work);
        const bool saved = files.writeAt(path, 0, slot);
        noteSave(p, saved, kStudentsNotSaved, kStudentFile);
        return {};
    }

    const std::size_t whole = bytes->size() / kSlotSize - 1;
    f.slotCount = static_cast<std::int16_t>(std::min(count(header->tag), whole));
    std::vector<std::string> names;
    for (std::size_t i = 1; i <= count(f.slotCount); ++i) {
        p.settings.workSettings = *repairedSlotAt(*bytes, i + 1);
        std::string name = trimmedName(p.settings.workSettings);
        if (!name.empty()) {
            names.push_back(std::move(name));
        }
    }
    f.studentCount = static_cast<std::int16_t>(names.size());
    return names;
}

bool FindStudentInFile(Program& p, StudentFile& f, std::string_view name)
{
    if (!f.open) {
        return false;
    }
    const auto bytes =
        filesOf(p.services)
            .read(inDataDir(p, kStudentFile), 0, (count(f.slotCount) + 1) * kSlotSize);
    if (!bytes) {
        return false;
    }
    const std::size_t found = findIn(*bytes, count(f.slotCount), name);
    if (found == 0) {
        return false;
    }
    f.foundIndex = static_cast<std::int16_t>(found);
    return true;
}

bool ReadStudent(Program& p, const StudentFile& f, std::int16_t n, DrillSettings& record)
{
    if (!f.open || n < 1) {
        return false;
    }
    const std::size_t k = count(n) + 1;
    const auto bytes =
        filesOf(p.services).read(inDataDir(p, kStudentFile), slotOffset(k), kSlotSize);
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

bool WriteStudent(Program& p, StudentFile& f, std::int16_t n, const DrillSettings& record)
{
    if (n < 1) {
        return false; // slot 1 is the header
    }
    const SettingsSlot slot = encodeSettings(record);
    const bool saved =
        f.open &&
        filesOf(p.services).writeAt(inDataDir(p, kStudentFile), slotOffset(count(n) + 1), slot);
    if (saved && n > f.slotCount) {
        f.slotCount = n;
    }
    noteSave(p, saved, kStudentsNotSaved, kStudentFile);
    return saved;
}

bool AppendStudent(Program& p, StudentFile& f, const DrillSettings& record)
{
    f.studentCount = static_cast<std::int16_t>(f.studentCount + 1);
    if (count(f.slotCount) + 1 >= kMaxSlots) {
        noteSave(p, false, kStudentsNotSaved, kStudentFile);
        return false;
    }
    const std::size_t k = count(f.slotCount) + 2;
    const SettingsSlot slot = encodeSettings(record);
    const bool saved =
        f.open && filesOf(p.services).writeAt(inDataDir(p, kStudentFile), slotOffset(k), slot);
    if (saved) {
        f.slotCount = static_cast<std::int16_t>(f.slotCount + 1);
    }
    noteSave(p, saved, kStudentsNotSaved, kStudentFile);
    return saved;
}

bool RewriteStudentFile(Program& p, StudentFile& f, const std::vector<std::string>& entries)
{
    FileSystem& files = filesOf(p.services);
    const bool wasOpen = f.open;
    f.open = false;
    // The old records are read first; if they cannot be, nothing is rebuilt, since the new
    // file would lose every pupil it could not find.
    const auto old =
        wasOpen ? files.read(inDataDir(p, kStudentFile), 0, (count(f.slotCount) + 1) * kSlotSize)
                : std::nullopt;
    if (!old) {
        noteSave(p, false, kStudentsNotSaved, kStudentFile);
        return false;
    }

    Settings& s = p.settings;
    std::vector<std::uint8_t> bytes;
    bytes.reserve((count(f.studentCount) + 1) * kSlotSize);
    s.workSettings.tag = f.studentCount;
    appendSlot(bytes, s.workSettings);
    for (std::size_t i = 1; i <= count(f.studentCount); ++i) {
        const std::string name = i <= entries.size() ? entries[i - 1] : std::string();
        // An entry past the end of the list has no record: a blank slot the file may hold is
        // not one, whatever it carries, and is never copied.
        const std::size_t found = name.empty() ? 0 : findIn(*old, count(f.slotCount), name);
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
    const bool saved = saveAtomically(files, inDataDir(p, kStudentFile), bytes);
    noteSave(p, saved, kStudentsNotSaved, kStudentFile);
    return saved;
}

void CloseStudentFile(StudentFile& f)
{
    f.open = false;
}

} // namespace sb
