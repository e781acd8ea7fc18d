// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <functional>

#include "records/fact_table.h"
#include "views/model_dialog_window.h"

class QLabel;
class QPushButton;
class QTimer;

namespace sb {

class ProblemView;

// The feedback pop-up "pop": shows the problem solved and waits until the pupil presses the
// right answer or its timer2 runs out. It only mirrors main.pop and forwards the pupil's
// clicks and the timer's ticks; closing is the model's decision (the main window closes this
// dialog when the model leaves its feedback state).
class PopupWindow : public ModelDialog {
    Q_OBJECT
public:
    PopupWindow(MainForm& form, std::function<void()> changed, QWidget* parent);
    void render();
    void pressAnswer(int i);
    // One tick of timer2 (its QTimer calls this).
    void tick();

private:
    QLabel* m_ms = nullptr;
    ProblemView* m_dp = nullptr;
    std::array<QPushButton*, kAnswerButtons + 1> m_but{};
    QTimer* m_timer2 = nullptr;
};

} // namespace sb
