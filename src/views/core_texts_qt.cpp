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
struct PhraseText {
    Phrase phrase;
    const char* text;
};
constexpr std::array kTexts{
    // The status panel, its labels and values.
    PhraseText{Phrase::Student, QT_TRANSLATE_NOOP("core", "Student")},
    PhraseText{Phrase::OnStart, QT_TRANSLATE_NOOP("core", "OnStart")},
    PhraseText{Phrase::Teach, QT_TRANSLATE_NOOP("core", "Teach")},
    PhraseText{Phrase::Save, QT_TRANSLATE_NOOP("core", "Save")},
    PhraseText{Phrase::MaxTime, QT_TRANSLATE_NOOP("core", "MaxTime")},
    PhraseText{Phrase::MaxProb, QT_TRANSLATE_NOOP("core", "MaxProb")},
    PhraseText{Phrase::StopOn, QT_TRANSLATE_NOOP("core", "StopOn")},
    PhraseText{Phrase::Timer, QT_TRANSLATE_NOOP("core", "Timer")},
    PhraseText{Phrase::Time, QT_TRANSLATE_NOOP("core", "Time")},
    PhraseText{Phrase::Prob, QT_TRANSLATE_NOOP("core", "Prob")},
    PhraseText{Phrase::Either, QT_TRANSLATE_NOOP("core", "Either")},
    PhraseText{Phrase::Both, QT_TRANSLATE_NOOP("core", "Both")},
    PhraseText{Phrase::Off, QT_TRANSLATE_NOOP("core", "Off")},
    PhraseText{Phrase::On, QT_TRANSLATE_NOOP("core", "On")},
    PhraseText{Phrase::Loaded, QT_TRANSLATE_NOOP("core", "Loaded")},
    // The counters beside the problem.
    PhraseText{Phrase::ScoreLabel, QT_TRANSLATE_NOOP("core", "Score:")},
    PhraseText{Phrase::TotalLabel, QT_TRANSLATE_NOOP("core", "Total:")},
    PhraseText{Phrase::TimerLabel, QT_TRANSLATE_NOOP("core", "Timer:")},
    PhraseText{Phrase::Sec, QT_TRANSLATE_NOOP("core", "sec")},
    PhraseText{Phrase::TimeLabel, QT_TRANSLATE_NOOP("core", "Time:")},
    PhraseText{Phrase::Min, QT_TRANSLATE_NOOP("core", "min")},
    PhraseText{Phrase::DelayLabel, QT_TRANSLATE_NOOP("core", "Delay:")},
    // Auto Teach's lines under the problem.
    PhraseText{Phrase::AddShort, QT_TRANSLATE_NOOP("core", "Add")},
    PhraseText{Phrase::Sub10Short, QT_TRANSLATE_NOOP("core", "10Sub")},
    PhraseText{Phrase::SubShort, QT_TRANSLATE_NOOP("core", "Sub")},
    PhraseText{Phrase::MultShort, QT_TRANSLATE_NOOP("core", "Mult")},
    PhraseText{Phrase::DivShort, QT_TRANSLATE_NOOP("core", "Div")},
    PhraseText{Phrase::DivRShort, QT_TRANSLATE_NOOP("core", "DivR")},
    PhraseText{Phrase::BeginLabel, QT_TRANSLATE_NOOP("core", "Begin:")},
    PhraseText{Phrase::RemoveLabel, QT_TRANSLATE_NOOP("core", "Remove:")},
    PhraseText{Phrase::ReviewTo, QT_TRANSLATE_NOOP("core", "Rev 1 to")},
    PhraseText{Phrase::ReviewEnd, QT_TRANSLATE_NOOP("core", "Rev End")},
    PhraseText{Phrase::Begin, QT_TRANSLATE_NOOP("core", "Begin")},
    PhraseText{Phrase::Level, QT_TRANSLATE_NOOP("core", "Level")},
    PhraseText{Phrase::Congratulations, QT_TRANSLATE_NOOP("core", "Congratulations!")},
    PhraseText{Phrase::GreatJob, QT_TRANSLATE_NOOP("core", "Great Job!")},
    PhraseText{Phrase::AutoTeachOn, QT_TRANSLATE_NOOP("core", "Auto Teach On")},
    PhraseText{Phrase::AutoTeachOff, QT_TRANSLATE_NOOP("core", "Auto Teach Off")},
    PhraseText{Phrase::OriginalDefault, QT_TRANSLATE_NOOP("core", "Original Default")},
    PhraseText{Phrase::CustomDefault, QT_TRANSLATE_NOOP("core", "Custom Default")},
    // The run of a drill and the answers.
    PhraseText{Phrase::GetReady, QT_TRANSLATE_NOOP("core", "Get Ready")},
    PhraseText{Phrase::NothingToDrill, QT_TRANSLATE_NOOP("core", "Nothing to drill")},
    PhraseText{Phrase::ChooseOtherNumbers, QT_TRANSLATE_NOOP("core", "Choose other numbers")},
    PhraseText{Phrase::TimeOut, QT_TRANSLATE_NOOP("core", "!! Time Out !!")},
    PhraseText{Phrase::WrongAnswer, QT_TRANSLATE_NOOP("core", "!!Wrong Answer !!")},
    // The operations as the Results table's heading names them.
    PhraseText{Phrase::Addition, QT_TRANSLATE_NOOP("core", "Addition")},
    PhraseText{Phrase::SubtractFrom10, QT_TRANSLATE_NOOP("core", "Subtract from 10")},
    PhraseText{Phrase::Subtraction, QT_TRANSLATE_NOOP("core", "Subtraction")},
    PhraseText{Phrase::Multiplication, QT_TRANSLATE_NOOP("core", "Multiplication")},
    PhraseText{Phrase::Division, QT_TRANSLATE_NOOP("core", "Division without remainders")},
    PhraseText{Phrase::DivisionWithRemainders,
               QT_TRANSLATE_NOOP("core", "Division with remainders")},
    // The Progress window: how well a fact is known.
    PhraseText{Phrase::Fluent, QT_TRANSLATE_NOOP("core", "Fluent")},
    PhraseText{Phrase::Slow, QT_TRANSLATE_NOOP("core", "Slow")},
    PhraseText{Phrase::OftenWrong, QT_TRANSLATE_NOOP("core", "Often wrong")},
    PhraseText{Phrase::NeverAsked, QT_TRANSLATE_NOOP("core", "Never asked")},
    // The Class Overview's columns and cells; a level reads "Addition, 1-10 by 1-10" (the first
    // numbers by the second numbers, "none" when no box is ticked).
    PhraseText{Phrase::Pupil, QT_TRANSLATE_NOOP("core", "Pupil")},
    PhraseText{Phrase::OperationAndLevel, QT_TRANSLATE_NOOP("core", "Operation and level")},
    PhraseText{Phrase::AutoTeach, QT_TRANSLATE_NOOP("core", "Auto Teach")},
    PhraseText{Phrase::LastDrill, QT_TRANSLATE_NOOP("core", "Last drill")},
    PhraseText{Phrase::ThisWeek, QT_TRANSLATE_NOOP("core", "This week")},
    PhraseText{Phrase::RightThisWeek, QT_TRANSLATE_NOOP("core", "Right this week")},
    PhraseText{Phrase::FluentFacts, QT_TRANSLATE_NOOP("core", "Fluent facts")},
    PhraseText{Phrase::Trend, QT_TRANSLATE_NOOP("core", "Trend")},
    PhraseText{Phrase::HistoryUnread, QT_TRANSLATE_NOOP("core", "history could not be read")},
    PhraseText{Phrase::NoneTicked, QT_TRANSLATE_NOOP("core", "none")},
    PhraseText{Phrase::By, QT_TRANSLATE_NOOP("core", "by")},
};

// Every phrase has its line here, in the order of Phrase, with the English the core writes.
constexpr bool complete()
{
    if (kTexts.size() != kPhraseCount) {
        return false;
    }
    for (std::size_t i = 0; i < kTexts.size(); ++i) {
        if (static_cast<std::size_t>(kTexts[i].phrase) != i ||
            std::string_view(kTexts[i].text) != kPhraseEnglish[i]) {
            return false;
        }
    }
    return true;
}
static_assert(complete(), "each phrase needs its line, in order, with its English");

} // namespace

QString phraseText(Phrase p)
{
    return QCoreApplication::translate("core", kTexts[static_cast<std::size_t>(p)].text);
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

} // namespace sb
