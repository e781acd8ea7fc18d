// SPDX-License-Identifier: GPL-3.0-or-later
#include "teach/status_panel.h"

#include <array>
#include <string>
#include <string_view>

namespace sb {

namespace {

// The labels carry trailing blanks so that the values line up in the list box.
constexpr auto statusLabel =
    std::to_array<std::string_view>({"Student  ", "OnStart  ", "Teach    ", "Save      ",
                                     "MaxTime ", "MaxProb ", "StopOn   ", "Timer      "});
constexpr auto statusWord = std::to_array<std::string_view>(
    {"Time", "Prob", "Either", "Both", "Off", "On", "Default", "Untitled", "Loaded"});

constexpr std::size_t kOff = 4;
constexpr std::size_t kOn = 5;
constexpr std::size_t kDefault = 6;
constexpr std::size_t kUntitled = 7;
constexpr std::size_t kLoaded = 8;

std::string line(std::size_t label, std::string_view value)
{
    return std::string(statusLabel[label]) + std::string(value);
}

std::string_view onOff(std::int16_t flag)
{
    return statusWord[flag == 1 ? kOn : kOff];
}

// The word after "StopOn". Only 1..5 have one of their own; any other value, which only a
// damaged record can hold, never stops a drill either, so it reads "Off" like 5.
std::string_view stopWord(std::int16_t stopOn)
{
    if (stopOn < 1 || stopOn > 5) {
        return statusWord[kOff];
    }
    return statusWord[static_cast<std::size_t>(stopOn - 1)];
}

} // namespace

StatusPanel StatusText(DrillSettings& s)
{
    StatusPanel out;
    const std::string name = trimmedName(s);
    setName(s, name);

    // The reserved names count only as written, case and all: "default" is a pupil.
    if (name == statusWord[kUntitled]) {
        out.lines[0] = line(0, statusWord[kUntitled]);
        out.title = kProgramTitle;
    } else if (name == statusWord[kDefault]) {
        out.lines[0] = line(0, statusWord[kDefault]);
        out.title = kProgramTitle;
    } else {
        out.lines[0] = line(0, statusWord[kLoaded]);
        out.title = name + ":";
    }
    out.lines[1] = line(1, onOff(s.loadOnStart));
    out.lines[2] = line(2, onOff(s.autoTeach));
    out.lines[3] = line(3, onOff(s.saveLevel()));
    out.lines[4] = line(4, std::to_string(s.maxMinutes()));
    out.lines[5] = line(5, std::to_string(s.maxProblems()));
    out.lines[6] = line(6, stopWord(s.stopOn));
    out.lines[7] = line(7, std::to_string(s.shockSeconds()));
    return out;
}

} // namespace sb
