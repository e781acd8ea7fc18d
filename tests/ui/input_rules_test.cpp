// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QPushButton>

#include <functional>
#include <string>
#include <vector>

#include "views/input_rules_qt.h"

namespace sb::test {
namespace {

// A main window with a check box, a pop-up with an answer button, and a window of someone
// else's; what the rules hand on is written down as "main 2", "pop 1".
struct Windows {
    Windows()
    {
        for (QWidget* w : {&main, &popup, &other}) {
            w->show();
        }
    }
    void key(QWidget* to, int key, quint64 time, Qt::KeyboardModifiers mods = {},
             bool repeat = false)
    {
        QKeyEvent e(QEvent::KeyPress, key, mods, QString(), repeat);
        e.setTimestamp(time);
        QApplication::sendEvent(to, &e);
    }

    QWidget main;
    QWidget popup;
    QWidget other;
    QCheckBox* box = new QCheckBox(QStringLiteral("box"), &main);
    QPushButton* popButton = new QPushButton(QStringLiteral("1"), &popup);
    bool modal = false;
    bool popupOpen = false;
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
    struct Row {
        const char* name;
        std::function<void(Windows&)> input;
        std::vector<std::string> heard;
        bool boxTicked = false;
    };
    const std::vector<Row> rows{
        {"a digit answers in the main window whatever has the focus",
         [](Windows& w) { w.key(w.box, Qt::Key_2, 10); },
         {"main 2"}},
        {"a digit with Ctrl, or a 4, answers nothing",
         [](Windows& w) {
             w.key(w.box, Qt::Key_1, 10, Qt::ControlModifier);
             w.key(w.box, Qt::Key_4, 11);
         },
         {}},
        {"a held key answers once",
         [](Windows& w) {
             w.key(w.box, Qt::Key_1, 10);
             w.key(w.box, Qt::Key_1, 20, {}, true);
         },
         {"main 1"}},
        {"the same press handed on to the main window answers once",
         [](Windows& w) {
             w.popupOpen = true;
             w.key(w.popButton, Qt::Key_1, 10);
             w.popupOpen = false;
             w.key(w.box, Qt::Key_1, 10);
         },
         {"pop 1"}},
        {"a digit in another program's window answers nothing",
         [](Windows& w) { w.key(&w.other, Qt::Key_2, 10); },
         {}},
        {"Enter presses the focused check box",
         [](Windows& w) { w.key(w.box, Qt::Key_Return, 10); },
         {},
         true},
        {"behind a dialog the main window takes no key",
         [](Windows& w) {
             w.modal = true;
             w.key(w.box, Qt::Key_1, 10);
             w.key(w.box, Qt::Key_Return, 11);
         },
         {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Windows w;
        row.input(w);
        EXPECT_EQ(w.heard, row.heard);
        EXPECT_EQ(w.box->isChecked(), row.boxTicked);
    }
}

} // namespace
} // namespace sb::test
