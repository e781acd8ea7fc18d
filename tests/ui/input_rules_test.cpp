// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QPushButton>

#include <string>
#include <vector>

#include "views/input_rules_qt.h"

namespace sb::test {
namespace {

// A main window with a check box, a pop-up with an answer button, and a window of someone
// else's; what the rules hand on is written down as "main 2", "pop 1".
struct Windows {
    void key(QWidget* to, int key, quint64 time, Qt::KeyboardModifiers mods = {},
             bool repeat = false)
    {
        QKeyEvent e(QEvent::KeyPress, key, mods, QString(), repeat);
        e.setTimestamp(time);
        QApplication::sendEvent(to, &e);
    }

    QWidget main, popup, other;
    QCheckBox* box = new QCheckBox(QStringLiteral("box"), &main);
    QPushButton* popButton = new QPushButton(QStringLiteral("1"), &popup);
    bool modal = false, popupOpen = false;
    std::vector<std::string> heard;
    InputRules rules{{&main, [this] { return popupOpen ? &popup : nullptr; },
                      [] { return nullptr; }, [this] { return modal; },
                      [](const QWidget*) { return false; },
                      [this](int i) { heard.push_back("main " + std::to_string(i)); },
                      [this](int i) { heard.push_back("pop " + std::to_string(i)); }}};
};

// (The double click's rule, the keypad's digits and a click behind the pop-up or the delay
// window are tested through the real main window.)
TEST(InputRules, AnswerKeysEnterAndInputBehindADialogAcrossTheWindows)
{
    Windows w;
    for (QWidget* shown : {&w.main, &w.popup, &w.other}) {
        shown->show();
    }
    // A digit answers in the main window whatever has the focus; a held key answers once, and so
    // does the same press handed on from the pop-up to the main window.
    w.key(w.box, Qt::Key_2, 10);
    w.key(w.box, Qt::Key_1, 20);
    w.key(w.box, Qt::Key_1, 30, {}, true);
    w.popupOpen = true;
    w.key(w.popButton, Qt::Key_1, 40);
    w.popupOpen = false;
    w.key(w.box, Qt::Key_1, 40);
    // A digit with Ctrl, a 4 and a digit in another program's window answer nothing.
    w.key(w.box, Qt::Key_1, 50, Qt::ControlModifier);
    w.key(w.box, Qt::Key_4, 51);
    w.key(&w.other, Qt::Key_2, 52);
    const std::vector<std::string> answered{"main 2", "main 1", "pop 1"};
    EXPECT_EQ(w.heard, answered);
    EXPECT_FALSE(w.box->isChecked());
    w.key(w.box, Qt::Key_Return, 60);
    EXPECT_TRUE(w.box->isChecked()) << "Enter presses the focused check box";
    // Behind a dialog the main window takes no key.
    w.modal = true;
    w.key(w.box, Qt::Key_1, 70);
    w.key(w.box, Qt::Key_Return, 71);
    EXPECT_EQ(w.heard, answered);
    EXPECT_TRUE(w.box->isChecked());
}

} // namespace
} // namespace sb::test
