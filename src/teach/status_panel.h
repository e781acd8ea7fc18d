#pragma once

#include "program.h"

namespace sb {

// Writes the eight lines of the status panel DisSet and the title line dsword from
// curSettings, and trims the stored name.
void ShowStatus(Program& p);

} // namespace sb
