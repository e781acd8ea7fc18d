// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include "views/model_dialog_window.h"

class QLabel;
class QTimer;

namespace sb {

// The delay window "noshow": locks the main window for delaySeconds after a problem is posed,
// counting down once a second with a tick. Mirrors main.delay and forwards its timer's ticks.
class DelayWindow : public ModelDialog {
    Q_OBJECT
public:
    DelayWindow(MainForm& form, std::function<void()> changed, QWidget* parent);
    void render();
    // One tick of deltime (its QTimer calls this).
    void tick();

private:
    QLabel* m_d = nullptr;
    QTimer* m_deltime = nullptr;
};

} // namespace sb
