// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "views/input_rules_qt.h"

namespace sb::test {
namespace {

// A main window with three answer buttons and a check box, a pop-up with an answer button, and
// a window of someone else's; what the rules hand on is written down as "main 2", "pop 1".
struct Windows {
    Windows()
    {
        auto* layout = new QVBoxLayout(&main);
        for (int i = 1; i <= 3; ++i) {
            but[static_cast<std::size_t>(i)] = new QPushButton(QString::number(i), &main);
            layout->addWidget(but[static_cast<std::size_t>(i)]);
            QObject::connect(but[static_cast<std::size_t>(i)], &QPushButton::clicked,
                             [this, i] { heard.push_back("click " + std::to_string(i)); });
        }
        box = new QCheckBox(QStringLiteral("box"), &main);
        layout->addWidget(box);
        popButton = new QPushButton(QStringLiteral("1"), &popup);
        popButton->resize(80, 40);
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
    void mouse(QWidget* to, QEvent::Type type, quint64 time)
    {
        const QPointF at(to->width() / 2.0, to->height() / 2.0);
        const auto held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent e(type, at, to->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
        e.setTimestamp(time);
        QApplication::sendEvent(to, &e);
    }

    QWidget main;
    QWidget popup;
    QWidget other;
    std::array<QPushButton*, 4> but{};
    QCheckBox* box = nullptr;
    QPushButton* popButton = nullptr;
    bool modal = false;
    bool popupOpen = false;
    std::vector<std::string> heard;
    InputRules rules{
        {&main, [this] { return popupOpen ? &popup : nullptr; }, [] { return nullptr; },
         [this] { return modal; },
         [this](const QWidget* w) { return std::find(but.begin() + 1, but.end(), w) != but.end(); },
         [this](int i) { heard.push_back("main " + std::to_string(i)); },
         [this](int i) { heard.push_back("pop " + std::to_string(i)); }}};
};

TEST(InputRules, AnswerKeysEnterAndDoubleClicksAcrossTheWindows)
{
    const auto interval = static_cast<quint64>(QApplication::doubleClickInterval());
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
        {"a keypad digit answers",
         [](Windows& w) { w.key(w.box, Qt::Key_3, 10, Qt::KeypadModifier); },
         {"main 3"}},
        {"a digit with Ctrl or a 4 answers nothing",
         [](Windows& w) {
             w.key(w.box, Qt::Key_1, 10, Qt::ControlModifier);
             w.key(w.box, Qt::Key_4, 11);
             w.key(w.box, Qt::Key_0, 12);
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
             w.key(w.box, Qt::Key_1, 30);
         },
         {"pop 1", "main 1"}},
        {"a digit in another program's window answers nothing",
         [](Windows& w) { w.key(&w.other, Qt::Key_2, 10); },
         {}},
        {"Enter presses the focused check box",
         [](Windows& w) { w.key(w.box, Qt::Key_Return, 10); },
         {},
         true},
        {"behind a dialog the main window takes neither a key nor a click",
         [](Windows& w) {
             w.modal = true;
             w.key(w.box, Qt::Key_1, 10);
             w.key(w.box, Qt::Key_Return, 11);
             w.mouse(w.but[1], QEvent::MouseButtonPress, 12);
             w.mouse(w.but[1], QEvent::MouseButtonRelease, 13);
         },
         {}},
        {"the second click of a double click does not answer",
         [interval](Windows& w) {
             w.mouse(w.but[2], QEvent::MouseButtonPress, 1000);
             w.mouse(w.but[2], QEvent::MouseButtonRelease, 1050);
             w.mouse(w.but[2], QEvent::MouseButtonPress, 1200);
             w.mouse(w.but[2], QEvent::MouseButtonDblClick, 1200);
             w.mouse(w.but[2], QEvent::MouseButtonRelease, 1250);
             w.mouse(w.but[3], QEvent::MouseButtonPress, 1250 + interval);
             w.mouse(w.but[3], QEvent::MouseButtonRelease, 1300 + interval);
         },
         {"click 2", "click 3"}},
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
