// SPDX-License-Identifier: GPL-3.0-or-later
#include "teach/status_panel.h"

#include <array>
#include <string>
#include <string_view>

namespace sb {

namespace {

// The labels are a column wide enough that the values line up in the list box.
struct Label {
    Phrase phrase;
    std::uint8_t width;
};
constexpr auto statusLabel = std::to_array<Label>({{Phrase::Student, 9},
                                                   {Phrase::OnStart, 9},
                                                   {Phrase::Teach, 9},
                                                   {Phrase::Save, 10},
                                                   {Phrase::MaxTime, 8},
                                                   {Phrase::MaxProb, 8},
                                                   {Phrase::StopOn, 9},
                                                   {Phrase::Timer, 11}});

// The names of the two records that are not a pupil's; a name is shown as it is stored.
constexpr std::string_view kDefault = "Default";
constexpr std::string_view kUntitled = "Untitled";

Caption line(std::size_t label, Caption value)
{
    Caption out;
    out.column(statusLabel[label].phrase, statusLabel[label].width);
    return out << value;
}

Phrase onOff(std::int16_t flag)
{
    return flag == 1 ? Phrase::On : Phrase::Off;
}

// The word after "StopOn". Only 1..5 have one of their own; any other value, which only a
// damaged record can hold, never stops a drill either, so it reads "Off" like 5.
Phrase stopWord(std::int16_t stopOn)
{
    static constexpr std::array words{Phrase::Time, Phrase::Prob, Phrase::Either, Phrase::Both,
                                      Phrase::Off};
    if (stopOn < 1 || stopOn > 5) {
        return Phrase::Off;
    }
    return words[static_cast<std::size_t>(stopOn - 1)];
}

} // namespace

StatusPanel StatusText(DrillSettings& s)
{
    StatusPanel out;
    const std::string name = trimmedName(s);
    setName(s, name);

    // The reserved names count only as written, case and all: "default" is a pupil.
    if (name == kUntitled || name == kDefault) {
        out.lines[0] = line(0, Caption(name));
        out.title = Caption(std::string(kProgramTitle));
    } else {
        out.lines[0] = line(0, Phrase::Loaded);
        out.title = Caption(name + ":");
    }
    out.lines[1] = line(1, onOff(s.loadOnStart));
    out.lines[2] = line(2, onOff(s.autoTeach));
    out.lines[3] = line(3, onOff(s.saveLevel()));
    out.lines[4] = line(4, Caption(std::to_string(s.maxMinutes())));
    out.lines[5] = line(5, Caption(std::to_string(s.maxProblems())));
    out.lines[6] = line(6, stopWord(s.stopOn));
    out.lines[7] = line(7, Caption(std::to_string(s.shockSeconds())));
    return out;
}

} // namespace sb
