// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>
#include <utility>

class QEvent;
class QKeyEvent;
class QMouseEvent;
class QWidget;

namespace sb {

// The input rules that hold in every window of the program, watched for the whole application
// (it installs itself on the application), so that no control with the focus can swallow them:
//  - while the pop-up or the delay window is in front, the main window takes no input, as
//    behind a modal dialog: a mouse press there brings that window forward and does nothing else;
//  - the second click of a double click on an answer button never answers: with no delay it
//    would land on the next problem's button (or, after the pop-up's right answer, on the main
//    window's);
//  - Enter presses the main window's focused button, check box or option as Space does;
//  - the keys 1 to kAnswerButtons (main row or keypad, no other modifier) answer in the main
//    window or the pop-up, once per press: not again while the key is held down, and not a second
//    time when closing the pop-up hands the same press on to the main window.
// Made with the main window, which it asks through the functions below.
class InputRules : public QObject {
public:
    struct Window {
        QWidget* main = nullptr;
        std::function<QWidget*()> popup; // the feedback pop-up, nullptr when none is open
        std::function<QWidget*()> delay; // the delay window, nullptr when none is open
        std::function<bool()> modalOpen; // the model is in the pop-up's or the delay's state
        std::function<bool(const QWidget*)> answerButton; // one of the main window's answers
        std::function<void(int)> answerMain;              // the key for answer i in the main window
        std::function<void(int)> answerPopup;             // the key for answer i in the pop-up
    };

    explicit InputRules(Window window);
    ~InputRules() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool refusedBehindDialog(QWidget* widget, const QEvent* event) const;
    bool secondClickOfDouble(QWidget* widget, const QMouseEvent* event);
    bool enterPresses(QWidget* widget, const QKeyEvent* key) const;
    bool answerKey(QWidget* widget, QKeyEvent* key);

    Window m_window;
    std::pair<quint64, int> m_lastAnswerKey{0, 0};
    // Time stamp of the last mouse press on an answer button (main window or pop-up).
    quint64 m_lastAnswerPress = 0;
    bool m_answerPressed = false;
};

} // namespace sb
