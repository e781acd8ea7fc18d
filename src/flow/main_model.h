// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "drill/problem_drawing.h"
#include "flow/selection_model.h"
#include "platform/media.h"
#include "records/caption.h"
#include "records/fact_table.h"
#include "records/message.h"
#include "teach/status_panel.h"

namespace sb {

struct Button {
    std::string caption;
    bool enabled = true;
};

// The answer buttons between drills: slot i (1..kAnswerButtons) captioned with its number.
inline std::array<Button, kAnswerButtons + 1> numberedAnswers()
{
    std::array<Button, kAnswerButtons + 1> but{};
    for (int i = 1; i <= kAnswerButtons; ++i) {
        but[static_cast<std::size_t>(i)].caption = std::to_string(i);
    }
    return but;
}

// Which window is in front of the main window. While one is open the main window takes no
// input and its drill clock delivers no tick.
enum class Modal { None, Feedback, Delay };

// The feedback pop-up.
struct PopupModel {
    Caption heading;                                 // ms: "!!Wrong Answer !!" or "!! Time Out !!"
    ProblemDrawing problem;                          // dp: the problem with its answer
    std::array<std::string, kAnswerButtons + 1> but; // answer captions, slots 1..kAnswerButtons
    bool timerEnabled = false;                       // timer2
};

// The delay window that locks the main window for a few seconds after a problem is posed.
struct DelayModel {
    std::int16_t delayElapsed = 0;
    std::int16_t delayLimit = 0;
    Caption caption;           // its label d: "Delay: " and the seconds left
    bool timerEnabled = false; // deltime
};

// Every value, caption and enabled flag of the main window. Slot 0 of the arrays is unused.
struct MainModel {
    SelectionBoxes selection{}; // first-number ranges, second numbers, operation
    CheckBox switchBox{};       // "SwitchAB"

    // Which buttons are enabled (the views name them start, cPause, Reset, smartgo, goauto,
    // resultsgo and helpgo).
    bool startEnabled = true;
    bool pauseEnabled = true;
    bool newDrillEnabled = true; // "New Drill": a changed selection makes a new drill available
    bool smartRepeatEnabled = true;
    bool studentDataEnabled = true;
    bool resultsEnabled = true;
    bool helpEnabled = true;
    std::array<Button, kAnswerButtons + 1> but = numberedAnswers();

    Caption dsshock = Phrase::TimerLabel;
    Caption dsttime = Caption(" ") << Phrase::TimeLabel;
    Caption dstotal = Caption(" ") << Phrase::TotalLabel;
    Caption dsscore = Phrase::ScoreLabel;
    // The drill's stage, left of the title line (DsBgn): "Get Ready", "Nothing to drill", or
    // what Auto Teach did ("Begin: 3", ":Rev End", ":Congratulations!" ...).
    Caption stageCaption;
    Caption dsword{std::string(kProgramTitle)};
    // What goes with the stage, right of the title line (DsEnd): "Remove: 2", "Great Job!",
    // "Choose other numbers" ...
    Caption stageNote;
    std::array<Caption, 8> statusLines{}; // the status panel DisSet, lines 0..7
    bool statusFilled = false;            // statusLines have been written once

    ProblemDrawing problem;              // the problem on screen (dm)
    PictureId picture = PictureId::Logo; // picture last shown in dsp
    bool timerEnabled = false;           // the drill clock
    // Counts every time the drill clock is switched on; a view restarts its one-second timer
    // when this changes, so the first tick of a problem always comes a full second after it
    // was posed, as when a stopped timer is started again.
    unsigned clockStarts = 0;

    Modal modal = Modal::None;
    PopupModel pop;
    DelayModel delay; // the delay window noshow

    // A line the program adds of its own, shown under the status panel, for things the pupil or
    // teacher must know (a file that could not be saved): a List of lines. Empty when all is
    // well.
    Message notice;
};

} // namespace sb
