// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "records/caption.h"
#include "records/drill_settings.h"

namespace sb {

// The program's name as the title line, the Results table's caption and the documents it
// writes show it.
inline constexpr std::string_view kProgramTitle = "Sumblitz1.2";

// The status panel of the main window: the eight lines of DisSet and the title line dsword.
struct StatusPanel {
    std::array<Caption, 8> lines;
    Caption title;
};

// The status panel for the settings s. Trims the stored name of s (a name stored with leading
// blanks loses them), as showing it always has.
StatusPanel StatusText(DrillSettings& s);

} // namespace sb
