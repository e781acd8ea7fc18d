#pragma once

#include "program.h"

namespace sb {

// Loads the current pupil's saved fact table when Auto Teach is on or saveLevel is set:
// drillResumable 1 when a file was read, 0 when the pupil has none. Otherwise does nothing.
void ReadFactFile(Program& p);

// Saves the fact table for the current pupil under the same condition. Returns false (and
// leaves any previous file as it was) when the file could not be written.
bool WriteFactFile(Program& p);

} // namespace sb
