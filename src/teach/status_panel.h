// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

#include "records/drill_settings.h"

namespace sb {

// The status panel of the main window: the eight lines of DisSet and the title line dsword.
struct StatusPanel {
    std::array<std::string, 8> lines;
    std::string title;
};

// The status panel for the settings s. Trims the stored name of s (a name stored with leading
// blanks loses them), as showing it always has.
StatusPanel StatusText(DrillSettings& s);

} // namespace sb
