// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/core_texts_qt.h"

#include <QCoreApplication>
#include <QString>

#include <algorithm>
#include <array>
#include <string_view>

#include "views/common_qt.h"

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
    QT_TRANSLATE_NOOP("core", "Today's Practice"),
    // The operations as the Results table's heading names them.
    QT_TRANSLATE_NOOP("core", "Addition"),
    QT_TRANSLATE_NOOP("core", "Subtract from 10"),
    QT_TRANSLATE_NOOP("core", "Subtraction"),
    QT_TRANSLATE_NOOP("core", "Multiplication"),
    QT_TRANSLATE_NOOP("core", "Division without remainders"),
    QT_TRANSLATE_NOOP("core", "Division with remainders"),
    // The Progress window: how well a fact is known.
    QT_TRANSLATE_NOOP("core", "Fluent"),
    QT_TRANSLATE_NOOP("core", "Slow"),
    QT_TRANSLATE_NOOP("core", "Often wrong"),
    QT_TRANSLATE_NOOP("core", "Never asked"),
    // The Class Overview's columns and cells; a level reads "Addition, 1-10 by 1-10" (the first
    // numbers by the second numbers, "none" when no box is ticked).
    QT_TRANSLATE_NOOP("core", "Pupil"),
    QT_TRANSLATE_NOOP("core", "Operation and level"),
    QT_TRANSLATE_NOOP("core", "Auto Teach"),
    QT_TRANSLATE_NOOP("core", "Last drill"),
    QT_TRANSLATE_NOOP("core", "This week"),
    QT_TRANSLATE_NOOP("core", "Right this week"),
    QT_TRANSLATE_NOOP("core", "Minutes this week"),
    QT_TRANSLATE_NOOP("core", "Fluent facts"),
    QT_TRANSLATE_NOOP("core", "Trend"),
    QT_TRANSLATE_NOOP("core", "Due today"),
    QT_TRANSLATE_NOOP("core", "Fluent facts gained this week"),
    QT_TRANSLATE_NOOP("core", "history could not be read"),
    QT_TRANSLATE_NOOP("core", "none"),
    // The columns of the answer history saved for a spreadsheet, and the words in them; no word
    // may be one a spreadsheet of the language reads as TRUE or FALSE ("falsch", "faux").
    QT_TRANSLATE_NOOP("core", "pupil"),
    QT_TRANSLATE_NOOP("core", "time"),
    QT_TRANSLATE_NOOP("core", "drill began"),
    QT_TRANSLATE_NOOP("core", "operation"),
    QT_TRANSLATE_NOOP("core", "problem"),
    QT_TRANSLATE_NOOP("core", "answer"),
    QT_TRANSLATE_NOOP("core", "chosen"),
    QT_TRANSLATE_NOOP("core", "outcome"),
    QT_TRANSLATE_NOOP("core", "milliseconds"),
    QT_TRANSLATE_NOOP("core", "auto teach"),
    QT_TRANSLATE_NOOP("core", "first numbers"),
    QT_TRANSLATE_NOOP("core", "second numbers"),
    QT_TRANSLATE_NOOP("core", "right"),
    QT_TRANSLATE_NOOP("core", "wrong"),
    QT_TRANSLATE_NOOP("core", "time-out"),
    QT_TRANSLATE_NOOP("core", "on"),
    QT_TRANSLATE_NOOP("core", "off"),
    QT_TRANSLATE_NOOP("core", "by"),
};

// Every phrase has its line here, in the order of Phrase, with the English the core writes.
constexpr bool complete()
{
    if (kTexts.size() != kPhraseCount) {
        return false;
    }
    for (std::size_t i = 0; i < kTexts.size(); ++i) {
        if (std::string_view(kTexts[i]) != kPhraseEnglish[i]) {
            return false;
        }
    }
    return true;
}
static_assert(complete(), "each phrase needs its line, in order, with its English");

} // namespace

QString phraseText(Phrase p)
{
    return QCoreApplication::translate("core", kTexts[static_cast<std::size_t>(p)]);
}

QString showCaption(const Caption& c)
{
    QString out;
    for (const CaptionPart& part : c.parts()) {
        if (!part.isPhrase) {
            out += toQString(part.text);
            continue;
        }
        const QString word = phraseText(part.phrase);
        out += word;
        if (part.width > 0) {
            // A column: the blanks take up what the word leaves of its width.
            out += QString(std::max<qsizetype>(1, part.width - word.size()), QLatin1Char(' '));
        }
    }
    return out;
}

std::string csvWords(const Caption& c)
{
    return showCaption(c).toStdString();
}

} // namespace sb
