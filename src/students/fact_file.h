#pragma once

#include <cstdint>
#include <vector>

#include "program.h"

namespace sb {

// Both fact-file operations act only while curSettings has Auto Teach on (autoTeach 1) or
// saveLevel set (non-zero), judged at the moment of the call.
bool factFileEnabled(const DrillSettings& s);

// Loads the current pupil's saved fact table when enabled. The file is the pupil's trimmed
// name made safe (see factFileName) with ".Xtx", in the data directory. When it is missing
// drillResumable becomes 0 and nothing else changes. When it is there but cannot be read, the
// same, and the file is marked so that it is never written over this run; notice says
// "Results could not be read" with its name. Otherwise its 200
// records of 24 bytes replace facts 1..200, factCount becomes 200 and drillResumable 1. A file
// cut short keeps the records it holds whole; the rest come from a table freshly built for
// curSettings (as Start would build and pool it, with no random draws: a division-with-
// remainder fact made this way has remainder 0). A record whose second number lies outside
// 0..10 gets the second number of its slot. When not enabled, does nothing at all.
void ReadFactFile(Program& p);

// Saves facts 1..200 for the current pupil when enabled: 4800 bytes that replace the pupil's
// file as a whole. Returns false when the file could not be written; the previous file is then
// left as it was and notice says "Results could not be saved" with its name. A file that could
// not be read is not written at all (false; notice says so). When not enabled, touches
// nothing and returns true.
bool WriteFactFile(Program& p);

// The 4800 bytes of facts 1..200 as the fact file stores them.
std::vector<std::uint8_t> encodeFactFile(const Drill& d);

} // namespace sb
