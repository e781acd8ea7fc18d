// SPDX-License-Identifier: GPL-3.0-or-later
#include "students/fact_file.h"

#include <algorithm>

#include "drill/pool.h"
#include "records/codec.h"
#include "students/file_names.h"
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

} // namespace

std::filesystem::path factFilePath(const DrillSettings& s, const DataDir& data)
{
    return data.dir / factFileName(trimmedName(s));
}

bool factFileEnabled(const DrillSettings& s)
{
    return s.autoTeach == 1 || s.saveLevel() != 0;
}

std::vector<std::uint8_t> encodeFactFile(const Drill& d)
{
    std::vector<std::uint8_t> bytes;
    for (int k = 1; k <= kFactSlots; ++k) {
        const FactBytes rec = encodeFact(d.fact(k));
        bytes.insert(bytes.end(), rec.begin(), rec.end());
    }
    return bytes;
}

FactFileRead ReadFactFile(Drill& d, const DrillSettings& s, const DataDir& data)
{
    if (!factFileEnabled(s)) {
        return FactFileRead::Off;
    }
    const std::filesystem::path path = factFilePath(s, data);
    if (!data.files.exists(path)) {
        return FactFileRead::Missing;
    }
    const auto bytes = data.files.read(path, 0, kFactFileSize);
    if (!bytes) {
        return FactFileRead::Unreadable;
    }

    const std::size_t whole = std::min<std::size_t>(bytes->size() / kFactRecSize, kFactSlots);
    Drill fresh;
    if (whole < kFactSlots) {
        NoDraws none;
        BuildFacts(fresh, s, none);
        BuildPool(fresh, s, PoolMode::ResetAll, 0);
    }
    const std::span<const std::uint8_t> raw(*bytes);
    for (std::size_t k = 1; k <= kFactSlots; ++k) {
        const int slot = static_cast<int>(k);
        if (k > whole) {
            d.fact(slot) = fresh.fact(slot);
            continue;
        }
        FactRec f = *decodeFact(raw.subspan((k - 1) * kFactRecSize, kFactRecSize));
        // The second number picks a row of the per-second-number statistics. 0 is a record of
        // a table never built (the program saves those too); anything else outside 1..10 would
        // point outside the table.
        if (f.second < 0 || f.second > 10) {
            f.second = static_cast<std::int16_t>((slot - 1) / 20 + 1);
        }
        d.fact(slot) = f;
    }
    d.factCount = kFactSlots;
    d.owner = trimmedName(s);
    return FactFileRead::Loaded;
}

Status WriteFactFile(const Drill& d, const DrillSettings& s, const DataDir& data)
{
    if (!factFileEnabled(s)) {
        return {};
    }
    return saveAtomically(data.files, factFilePath(s, data), encodeFactFile(d));
}

} // namespace sb
