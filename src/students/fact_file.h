// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "records/drill_settings.h"
#include "records/fact_table.h"
#include "students/safe_file.h"

namespace sb {

// Both fact-file operations act only while curSettings has Auto Teach on (autoTeach 1) or
// saveLevel set (non-zero), judged at the moment of the call.
bool factFileEnabled(const DrillSettings& s);

// What ReadFactFile found.
enum class FactFileRead {
    Off,        // neither Auto Teach nor saveLevel is on: nothing was touched
    Missing,    // the pupil has no fact file: nothing changed
    Unreadable, // the file is there but could not be read: nothing changed; it holds progress
                // this run never saw, so it must not be written over
    Loaded,     // facts 1..200 replaced, factCount 200
};

// Loads the saved fact table of the pupil named in s when enabled. The file is the pupil's
// trimmed name made safe (see factFileName) with ".Xtx", in the data directory. Its 200
// records of 24 bytes replace facts 1..200 and factCount becomes 200. A file cut short keeps
// the records it holds whole; the rest come from a table freshly built for s (as Start would
// build and pool it, with no random draws: a division-with-remainder fact made this way has
// remainder 0). A record whose second number lies outside 0..10 gets the second number of its
// slot.
FactFileRead ReadFactFile(Drill& d, const DrillSettings& s, const DataDir& data);

// Saves facts 1..200 for the pupil named in s when enabled: 4800 bytes that replace the
// pupil's file as a whole. When the file could not be written the previous file is left as it
// was and the answer says why. When not enabled, touches nothing and answers ok.
[[nodiscard]] Status WriteFactFile(const Drill& d, const DrillSettings& s, const DataDir& data);

// The pupil's fact file in the data directory: the trimmed name of s made safe, with ".Xtx".
std::filesystem::path factFilePath(const DrillSettings& s, const DataDir& data);

// The 4800 bytes of facts 1..200 as the fact file stores them.
std::vector<std::uint8_t> encodeFactFile(const Drill& d);

} // namespace sb
