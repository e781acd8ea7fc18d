#include "students/fact_file.h"

#include <algorithm>

#include "drill/pool.h"
#include "records/codec.h"
#include "students/file_names.h"
#include "students/record_files.h"
#include "students/safe_file.h"

namespace sb {

namespace {

constexpr std::size_t kFactFileSize = kFactSlots * kFactRecSize;

// Stands in for the random source while missing records are made up. Drawing from the real
// source here would shift every draw the drill makes afterwards, only because a file was short.
class NoDraws final : public Random {
public:
    double next() override { return 0.0; }
};

std::filesystem::path factFilePath(const Program& p)
{
    return p.services.dataDir / factFileName(trimmedName(p.cur()));
}

} // namespace

bool factFileEnabled(const DrillSettings& s)
{
    return s.autoTeach == 1 || s.saveLevel() != 0;
}

std::vector<std::uint8_t> encodeFactFile(const Drill& d)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(kFactFileSize);
    for (int k = 1; k <= kFactSlots; ++k) {
        const FactBytes rec = encodeFact(d.fact(k));
        bytes.insert(bytes.end(), rec.begin(), rec.end());
    }
    return bytes;
}

void ReadFactFile(Program& p)
{
    if (!factFileEnabled(p.cur())) {
        return;
    }
    FileSystem& files = filesOf(p.services);
    const std::filesystem::path path = factFilePath(p);
    const bool there = files.exists(path);
    const auto bytes = there ? files.read(path, 0, kFactFileSize) : std::nullopt;
    if (!bytes) {
        p.run.drillResumable = 0;
        if (there) {
            // Not the same as a missing file: the pupil's progress is in there.
            p.run.factFilesUnread.insert(path);
            noteSave(p, false, kResultsNotRead, path);
        }
        return;
    }
    if (p.run.factFilesUnread.erase(path) != 0) {
        noteSave(p, true, kResultsNotRead, path);
    }

    const std::size_t whole = std::min<std::size_t>(bytes->size() / kFactRecSize, kFactSlots);
    Drill fresh;
    if (whole < kFactSlots) {
        NoDraws none;
        BuildFacts(fresh, p.cur(), none);
        BuildPool(fresh, p.cur(), 0, 0);
    }
    const std::span<const std::uint8_t> data(*bytes);
    for (std::size_t k = 1; k <= kFactSlots; ++k) {
        const int slot = static_cast<int>(k);
        if (k > whole) {
            p.drill.fact(slot) = fresh.fact(slot);
            continue;
        }
        FactRec f = *decodeFact(data.subspan((k - 1) * kFactRecSize, kFactRecSize));
        // The second number picks a row of the per-second-number statistics. 0 is a record of
        // a table never built (the program saves those too); anything else outside 1..10 would
        // point outside the table.
        if (f.second < 0 || f.second > 10) {
            f.second = static_cast<std::int16_t>((slot - 1) / 20 + 1);
        }
        p.drill.fact(slot) = f;
    }
    p.drill.factCount = kFactSlots;
    p.run.drillResumable = 1;
}

bool WriteFactFile(Program& p)
{
    if (!factFileEnabled(p.cur())) {
        return true;
    }
    const std::filesystem::path path = factFilePath(p);
    if (p.run.factFilesUnread.contains(path)) {
        noteSave(p, false, kResultsKept, path);
        return false;
    }
    const bool saved = saveAtomically(filesOf(p.services), path, encodeFactFile(p.drill));
    noteSave(p, saved, kResultsNotSaved, path);
    return saved;
}

} // namespace sb
