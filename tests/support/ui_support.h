#pragma once

// What the tests of the Qt windows share.

#include <gtest/gtest.h>

#include <QWidget>

namespace sb::test {

// A window's child by its object name; a missing one fails the test.
template <typename T> T* find(QWidget& w, const char* name)
{
    T* child = w.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

} // namespace sb::test
