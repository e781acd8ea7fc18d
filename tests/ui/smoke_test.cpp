#include <gtest/gtest.h>

#include <QWidget>

TEST(UiSmoke, WidgetOpensOffscreen)
{
    QWidget w;
    w.show();
    EXPECT_TRUE(w.isVisible());
}
