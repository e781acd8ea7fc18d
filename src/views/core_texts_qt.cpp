// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/core_texts_qt.h"

#include <QtGlobal>

#include <array>

namespace sb {

namespace {

// Translators: the status panel's words (Student ... Loaded) stand in a column of their own;
// keep them as short as the English where you can. The rest are the drill's captions. The
// names of the records ("Default", "Untitled") are names, shown as stored, like a pupil's.
constexpr std::array kTexts{
    // The status panel, its labels and values.
    QT_TRANSLATE_NOOP("core", "Student"),
    QT_TRANSLATE_NOOP("core", "OnStart"),
    QT_TRANSLATE_NOOP("core", "Teach"),
    QT_TRANSLATE_NOOP("core", "Save"),
    QT_TRANSLATE_NOOP("core", "MaxTime"),
    QT_TRANSLATE_NOOP("core", "MaxProb"),
    QT_TRANSLATE_NOOP("core", "StopOn"),
    QT_TRANSLATE_NOOP("core", "Timer"),
    QT_TRANSLATE_NOOP("core", "Time"),
    QT_TRANSLATE_NOOP("core", "Prob"),
    QT_TRANSLATE_NOOP("core", "Either"),
    QT_TRANSLATE_NOOP("core", "Both"),
    QT_TRANSLATE_NOOP("core", "Off"),
    QT_TRANSLATE_NOOP("core", "On"),
    QT_TRANSLATE_NOOP("core", "Loaded"),
    // The counters beside the problem.
    QT_TRANSLATE_NOOP("core", "Score:"),
    QT_TRANSLATE_NOOP("core", "Total:"),
    QT_TRANSLATE_NOOP("core", "Timer:"),
    QT_TRANSLATE_NOOP("core", "sec"),
    QT_TRANSLATE_NOOP("core", "Time:"),
    QT_TRANSLATE_NOOP("core", "min"),
    QT_TRANSLATE_NOOP("core", "Delay:"),
    // Auto Teach's lines under the problem.
    QT_TRANSLATE_NOOP("core", "Add"),
    QT_TRANSLATE_NOOP("core", "10Sub"),
    QT_TRANSLATE_NOOP("core", "Sub"),
    QT_TRANSLATE_NOOP("core", "Mult"),
    QT_TRANSLATE_NOOP("core", "Div"),
    QT_TRANSLATE_NOOP("core", "DivR"),
    QT_TRANSLATE_NOOP("core", "Begin:"),
    QT_TRANSLATE_NOOP("core", "Remove:"),
    QT_TRANSLATE_NOOP("core", "Rev 1 to"),
    QT_TRANSLATE_NOOP("core", "Rev End"),
    QT_TRANSLATE_NOOP("core", "Begin"),
    QT_TRANSLATE_NOOP("core", "Level"),
    QT_TRANSLATE_NOOP("core", "Congratulations!"),
    QT_TRANSLATE_NOOP("core", "Great Job!"),
    QT_TRANSLATE_NOOP("core", "Auto Teach On"),
    QT_TRANSLATE_NOOP("core", "Auto Teach Off"),
    QT_TRANSLATE_NOOP("core", "Original Default"),
    QT_TRANSLATE_NOOP("core", "Custom Default"),
    // The run of a drill and the answers.
    QT_TRANSLATE_NOOP("core", "Get Ready"),
    QT_TRANSLATE_NOOP("core", "Nothing to drill"),
    QT_TRANSLATE_NOOP("core", "Choose other numbers"),
    QT_TRANSLATE_NOOP("core", "!! Time Out !!"),
    QT_TRANSLATE_NOOP("core", "!!Wrong Answer !!"),
    // The red line about files.
    QT_TRANSLATE_NOOP("core", "Settings could not be saved"),
    QT_TRANSLATE_NOOP("core", "Student data could not be saved"),
    QT_TRANSLATE_NOOP("core", "Results could not be saved"),
    QT_TRANSLATE_NOOP("core", "Results could not be read"),
    QT_TRANSLATE_NOOP("core", "Results could not be read and were not saved"),
    QT_TRANSLATE_NOOP("core", "Table could not be saved"),
    QT_TRANSLATE_NOOP("core", "Student data could not be read"),
    QT_TRANSLATE_NOOP("core", "Settings could not be read"),
    // The operations as the Results table's heading names them.
    QT_TRANSLATE_NOOP("core", "Addition"),
    QT_TRANSLATE_NOOP("core", "Subtract from 10"),
    QT_TRANSLATE_NOOP("core", "Subtraction"),
    QT_TRANSLATE_NOOP("core", "Multiplication"),
    QT_TRANSLATE_NOOP("core", "Division without remainders"),
    QT_TRANSLATE_NOOP("core", "Division with remainders"),
    // The Student Data window's message line; pupils' names and the system's reason for a
    // failed file stand between these phrases.
    QT_TRANSLATE_NOOP("core", "The class file (StdDat.Xrx) was damaged and has been repaired: "
                              "every pupil found in it is listed."),
    QT_TRANSLATE_NOOP("core", "The class file"),
    QT_TRANSLATE_NOOP("core", "The class file (StdDat.Xrx) cannot be read"),
    QT_TRANSLATE_NOOP("core", "it is left as it is, and pupils cannot be added, removed or "
                              "renamed."),
    QT_TRANSLATE_NOOP("core", "That letter cannot be kept in a pupil's name: use the letters of "
                              "Western European languages."),
    QT_TRANSLATE_NOOP("core", "Choose the pupil to rename in the list first."),
    QT_TRANSLATE_NOOP("core", "Type the new name in the box above the list first."),
    QT_TRANSLATE_NOOP("core", "is already on the list: choose another name."),
    QT_TRANSLATE_NOOP("core", "has no record in the class file yet: choose OK first."),
    QT_TRANSLATE_NOOP("core", "Results are already kept under the name"),
    QT_TRANSLATE_NOOP("core", ": choose another name."),
    QT_TRANSLATE_NOOP("core", "The results of"),
    QT_TRANSLATE_NOOP("core", "could not be saved, so no other pupil is loaded:"),
    QT_TRANSLATE_NOOP("core", "The settings of"),
    QT_TRANSLATE_NOOP("core", "could not be stored"),
    QT_TRANSLATE_NOOP("core", "could not be added"),
    QT_TRANSLATE_NOOP("core", "could not be renamed"),
    QT_TRANSLATE_NOOP("core", "The list could not be saved, nothing is changed yet"),
    QT_TRANSLATE_NOOP("core", "Progress could not be saved"),
    QT_TRANSLATE_NOOP("core", "Overview could not be saved"),
    // The Progress window: how well a fact is known, and why there is nothing to show; the
    // pupil's name stands between the phrases.
    QT_TRANSLATE_NOOP("core", "Fluent"),
    QT_TRANSLATE_NOOP("core", "Slow"),
    QT_TRANSLATE_NOOP("core", "Often wrong"),
    QT_TRANSLATE_NOOP("core", "Never asked"),
    QT_TRANSLATE_NOOP("core", "No answers kept yet for"),
    QT_TRANSLATE_NOOP("core", "The history of"),
    QT_TRANSLATE_NOOP("core", "could not be read"),
    // The Class Overview's columns and cells; a level reads "Addition, 1-10 by 1-10" (the first
    // numbers by the second numbers, "none" when no box is ticked).
    QT_TRANSLATE_NOOP("core", "Pupil"),
    QT_TRANSLATE_NOOP("core", "Operation and level"),
    QT_TRANSLATE_NOOP("core", "Auto Teach"),
    QT_TRANSLATE_NOOP("core", "Last drill"),
    QT_TRANSLATE_NOOP("core", "This week"),
    QT_TRANSLATE_NOOP("core", "Right this week"),
    QT_TRANSLATE_NOOP("core", "Fluent facts"),
    QT_TRANSLATE_NOOP("core", "Trend"),
    QT_TRANSLATE_NOOP("core", "history could not be read"),
    QT_TRANSLATE_NOOP("core", "none"),
    QT_TRANSLATE_NOOP("core", "by"),
};

} // namespace

std::span<const char* const> coreTexts()
{
    return kTexts;
}

} // namespace sb
