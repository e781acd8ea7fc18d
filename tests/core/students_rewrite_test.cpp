// The rebuild of the student file against the plain search-per-entry algorithm, on a class of
// a few hundred pupils with the awkward cases mixed in.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "records/codec.h"
#include "students/record_files.h"

namespace sb {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

Bytes fileBytes(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void append(Bytes& out, const DrillSettings& s)
{
    const SettingsSlot slot = encodeSettings(s);
    out.insert(out.end(), slot.begin(), slot.end());
}

// For each entry, every old slot is read in turn until the first whose trimmed name matches.
Bytes plainRewrite(const Bytes& old, std::size_t slots, DrillSettings header,
                   const DrillSettings& defaults, const std::vector<std::string>& entries,
                   std::size_t count)
{
    Bytes out;
    header.tag = static_cast<std::int16_t>(count);
    append(out, header);
    for (std::size_t i = 1; i <= count; ++i) {
        const std::string name = i <= entries.size() ? entries[i - 1] : std::string();
        DrillSettings rec = defaults;
        setName(rec, name);
        for (std::size_t k = 1; k <= slots; ++k) {
            auto s = decodeSettings(std::span(old).subspan(k * kSlotSize, kSlotSize));
            if (trimmedName(*s) == trimBlanks(name)) {
                repairSettings(*s);
                rec = *s;
                break;
            }
        }
        append(out, rec);
    }
    return out;
}

TEST(StudentFileRewrite, WritesWhatASearchPerEntryWrites)
{
    const fs::path dir =
        fs::temp_directory_path() / ("sumblitz-rewrite-" + std::to_string(std::random_device{}()));
    fs::create_directories(dir);
    Settings s;
    LoadOriginalDefaults(s);
    s.defaultSettings.shockSeconds() = 7;

    std::mt19937 gen(5);
    std::vector<DrillSettings> pupils;
    std::vector<std::string> entries;
    for (int i = 0; i < 300; ++i) {
        DrillSettings p = s.defaultSettings;
        std::string name = "P" + std::to_string(i % 250); // 50 names twice
        if (i % 37 == 0) {
            name = "  ";
        } else if (i % 41 == 0) {
            name = " " + name + " ";
        }
        setName(p, name);
        p.reviewCount = static_cast<std::int16_t>(i);
        p.operation = static_cast<std::int16_t>(i % 9); // some need repair
        pupils.push_back(p);
        if (i % 5 != 0) {
            entries.push_back(name);
        }
    }
    entries.push_back("Nobody");
    entries.push_back("p7"); // the search is case-sensitive
    std::shuffle(entries.begin(), entries.end(), gen);

    Bytes old;
    DrillSettings header;
    header.tag = static_cast<std::int16_t>(pupils.size());
    append(old, header);
    for (const DrillSettings& p : pupils) {
        append(old, p);
    }
    std::ofstream(dir / "StdDat.Xrx", std::ios::binary)
        .write(reinterpret_cast<const char*>(old.data()), static_cast<long>(old.size()));

    StudentFile f(DataDir{diskFileSystem(), dir});
    static_cast<void>(OpenStudentFile(s, f));
    DrillSettings extra = s.defaultSettings;
    setName(extra, "Extra");
    ASSERT_TRUE(AppendStudent(f, extra)); // counted, but no entry: blank records at the end
    ASSERT_TRUE(AppendStudent(f, extra));
    old = fileBytes(dir / "StdDat.Xrx");
    f.studentCount = static_cast<std::int16_t>(entries.size() + 2);
    setName(s.workSettings, "Shown");

    const Bytes expected = plainRewrite(old, static_cast<std::size_t>(f.slotCount), s.workSettings,
                                        s.defaultSettings, entries, entries.size() + 2);
    ASSERT_TRUE(RewriteStudentFile(s, f, entries));
    EXPECT_TRUE(fileBytes(dir / "StdDat.Xrx") == expected);
    EXPECT_FALSE(fs::exists(dir / "Std2.ini"));
    fs::remove_all(dir);
}

} // namespace
} // namespace sb
