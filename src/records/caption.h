// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sb {

// The words the program's captions are made of: the status panel's labels and values, the
// counters beside the problem, Auto Teach's lines, the pop-up's heading, the names of the
// operations and of how well a fact is known, the class overview's columns. The core builds a
// caption from these and from text that stands as it is (numbers, names); the windows put each
// word into the pupil's language (views/core_texts_qt.cpp). Their English is kPhraseEnglish.
enum class Phrase : std::uint8_t {
    // The status panel.
    Student,
    OnStart,
    Teach,
    Save,
    MaxTime,
    MaxProb,
    StopOn,
    Timer,
    Time,
    Prob,
    Either,
    Both,
    Off,
    On,
    Loaded,
    // The counters beside the problem and the delay window.
    ScoreLabel,
    TotalLabel,
    TimerLabel,
    Sec,
    TimeLabel,
    Min,
    DelayLabel,
    // Auto Teach's lines (the operations by their short names first), the run of a drill, the
    // settings windows' notes.
    AddShort,
    Sub10Short,
    SubShort,
    MultShort,
    DivShort,
    DivRShort,
    BeginLabel,
    RemoveLabel,
    ReviewTo,
    ReviewEnd,
    Begin,
    Level,
    Congratulations,
    GreatJob,
    AutoTeachOn,
    AutoTeachOff,
    OriginalDefault,
    CustomDefault,
    GetReady,
    NothingToDrill,
    ChooseOtherNumbers,
    TimeOut,
    WrongAnswer,
    TodaysPractice,
    // The operations, by their long names.
    Addition,
    SubtractFrom10,
    Subtraction,
    Multiplication,
    Division,
    DivisionWithRemainders,
    // How well a fact is known.
    Fluent,
    Slow,
    OftenWrong,
    NeverAsked,
    // The class overview.
    Pupil,
    OperationAndLevel,
    AutoTeach,
    LastDrill,
    ThisWeek,
    RightThisWeek,
    MinutesThisWeek,
    FluentFacts,
    Trend,
    DueToday,
    FluentGained,
    HistoryUnread,
    NoneTicked,
    // The answer history as a spreadsheet reads it: its columns, its outcomes and Auto Teach.
    CsvPupil,
    CsvTime,
    CsvDrillBegan,
    CsvOperation,
    CsvProblem,
    CsvAnswer,
    CsvChosen,
    CsvOutcome,
    CsvMilliseconds,
    CsvAutoTeach,
    CsvFirstNumbers,
    CsvSecondNumbers,
    CsvRight,
    CsvWrong,
    CsvTimeOut,
    CsvOn,
    CsvOff,
    By,
};

inline constexpr std::size_t kPhraseCount = static_cast<std::size_t>(Phrase::By) + 1;

// The English of each phrase, in the order of Phrase.
inline constexpr std::array<std::string_view, kPhraseCount> kPhraseEnglish{
    "Student",
    "OnStart",
    "Teach",
    "Save",
    "MaxTime",
    "MaxProb",
    "StopOn",
    "Timer",
    "Time",
    "Prob",
    "Either",
    "Both",
    "Off",
    "On",
    "Loaded",
    "Score:",
    "Total:",
    "Timer:",
    "sec",
    "Time:",
    "min",
    "Delay:",
    "Add",
    "10Sub",
    "Sub",
    "Mult",
    "Div",
    "DivR",
    "Begin:",
    "Remove:",
    "Rev 1 to",
    "Rev End",
    "Begin",
    "Level",
    "Congratulations!",
    "Great Job!",
    "Auto Teach On",
    "Auto Teach Off",
    "Original Default",
    "Custom Default",
    "Get Ready",
    "Nothing to drill",
    "Choose other numbers",
    "!! Time Out !!",
    "!!Wrong Answer !!",
    "Today's Practice",
    "Addition",
    "Subtract from 10",
    "Subtraction",
    "Multiplication",
    "Division without remainders",
    "Division with remainders",
    "Fluent",
    "Slow",
    "Often wrong",
    "Never asked",
    "Pupil",
    "Operation and level",
    "Auto Teach",
    "Last drill",
    "This week",
    "Right this week",
    "Minutes this week",
    "Fluent facts",
    "Trend",
    "Due today",
    "Fluent facts gained this week",
    "history could not be read",
    "none",
    "pupil",
    "time",
    "drill began",
    "operation",
    "problem",
    "answer",
    "chosen",
    "outcome",
    "milliseconds",
    "auto teach",
    "first numbers",
    "second numbers",
    "right",
    "wrong",
    "time-out",
    "on",
    "off",
    "by",
};

constexpr std::string_view englishOf(Phrase p)
{
    return kPhraseEnglish[static_cast<std::size_t>(p)];
}

// One piece of a caption: a phrase, or text that stands as it is (in the record files' code
// page). A phrase with a width is a column: it and the blanks after it fill that many
// characters, at least one blank, whatever the language makes of the phrase.
struct CaptionPart {
    bool isPhrase = false;
    Phrase phrase{};
    std::string text;
    std::uint8_t width = 0;

    bool operator==(const CaptionPart&) const = default;
};

// A caption as a value: its pieces in order. Built with <<, text next to text joins into one
// piece, so two captions that read alike compare equal.
class Caption {
public:
    Caption() = default;
    Caption(Phrase p) { *this << p; }
    // Text that stands as it is; explicit, so that English words do not slip in as text.
    explicit Caption(std::string text) { *this << std::move(text); }
    explicit Caption(const char* text) : Caption(std::string(text)) {}

    Caption& operator<<(Phrase p);
    Caption& operator<<(std::string text);
    Caption& operator<<(const char* text) { return *this << std::string(text); }
    Caption& operator<<(const Caption& more);
    // A phrase as a column `width` characters wide.
    Caption& column(Phrase p, std::uint8_t width);

    const std::vector<CaptionPart>& parts() const { return m_parts; }
    bool empty() const { return m_parts.empty(); }
    bool operator==(const Caption&) const = default;

private:
    std::vector<CaptionPart> m_parts;
};

// The caption as the program writes it in English: in its files, and on screen when no
// translation is loaded.
std::string English(const Caption& c);

} // namespace sb
