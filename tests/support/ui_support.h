// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the tests of the Qt windows share: the windows and controls they look into, and ways
// to drive them.

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <functional>

#include "support/test_support.h"
#include "views/help_window.h"
#include "views/main_window.h"
#include "views/smart_window.h"
#include "views/student_window.h"

namespace sb::test {

// A window's child by its object name; a missing one fails the test.
template <typename T = QWidget> T* find(QWidget& w, const char* name)
{
    T* child = w.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

// A left click in the middle of w's named control, as a pupil's mouse gives it.
inline void click(QWidget& w, const char* name)
{
    QTest::mouseClick(find(w, name), Qt::LeftButton);
}

// Runs `open` (`what` names it) and then `act` on the window it opens modally, once that window
// runs and has the focus. A window that `act` leaves open (a failed check) is closed, so that
// `open` returns.
inline void toModal(const char* what, const std::function<void()>& open,
                    const std::function<void(QWidget&)>& act)
{
    bool opened = false;
    const QObject alive; // the timer goes with this call if no window opened
    QTimer::singleShot(0, &alive, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        opened = true;
        const auto focused = [modal] { return modal->isAncestorOf(QApplication::focusWidget()); };
        EXPECT_TRUE(QTest::qWaitFor(focused)) << what << ": its window took no focus";
        act(*modal);
        EXPECT_FALSE(modal->isVisible() && modal->close()) << what << ": its window was left open";
    });
    open();
    EXPECT_TRUE(opened) << what << " opened no window";
}

// Clicks w's named control and runs `act` on the window that click opens modally.
inline void clickToModal(QWidget& w, const char* name, const std::function<void(QWidget&)>& act)
{
    toModal(
        name, [&] { click(w, name); }, act);
}

// What a screen reader's toggle (or another action) of w's named control does.
inline void screenReader(QWidget& w, const char* name,
                         const QString& action = QAccessibleActionInterface::toggleAction())
{
    QAccessible::queryAccessibleInterface(find(w, name))->actionInterface()->doAction(action);
}

// The line w's announcer gives a screen reader, once the events in hand are handled.
inline QString heard(QWidget& w)
{
    QCoreApplication::processEvents();
    return find(w, "announcer")->accessibleName();
}

// F1 in the focused control; the page the help window over `window` shows ("" if none shows).
inline QString helpPage(QWidget& window)
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    // The windows module's help window (a class of its own there), found by its name.
    auto* help = window.findChild<QWidget*>(QStringLiteral("help"));
    return help != nullptr && help->isVisible()
               ? help->findChild<QTextBrowser*>()->source().fileName()
               : QString();
}

// Selects the entry of w's pupil list that starts with `text`, as a click on it does.
inline void choose(QWidget& w, const char* text)
{
    auto* list = find<QListWidget>(w, "studentlist");
    const auto items = list->findItems(QString::fromLatin1(text), Qt::MatchStartsWith);
    ASSERT_EQ(items.size(), 1) << text;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(items.front()).center());
}

// A program over fake services in a fresh data directory, its main window loaded and shown.
struct Ui : ProgramFixture {
    Ui() : ProgramFixture(random, diskFileSystem())
    {
        main.load();
        main.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&main));
    }
    // The digit key for an answer slot, typed into `to`.
    void key(int slot, QWidget* to, Qt::KeyboardModifiers m = {})
    {
        QTest::keyClick(to, static_cast<Qt::Key>(Qt::Key_0 + slot), m);
    }
    StdRandom random{2024};
    MainWindow main{p};
};

} // namespace sb::test
