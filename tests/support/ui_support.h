#pragma once

// What the tests of the Qt windows share.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

#include "support/test_support.h"
#include "views/main_window.h"

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

// Runs `act` on the next window opened modally, once its event loop runs. A window left open
// never returns from the click that opened it.
inline void onModal(std::function<void(QWidget&)> act)
{
    QTimer::singleShot(0, [act] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        act(*modal);
    });
}

// A program over fake services in a fresh data directory, with its main window not yet loaded.
struct Ui : ProgramFixture {
    Ui() : ProgramFixture(random) {}
    StdRandom random{2024};
    MainWindow main{p};
};

} // namespace sb::test
