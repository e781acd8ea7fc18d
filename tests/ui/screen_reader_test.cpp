// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader hears of a drill, wherever the keyboard focus is.

#include <QLabel>
#include <QPushButton>

#include "support/ui_support.h"
#include "views/announcer_qt.h"
#include "views/popup_window.h"

namespace sb::test {
namespace {

// Each problem as it is posed, in words; a word and the new total after a right answer; the
// problem solved in a wrong answer's pop-up; the total and the score when the drill stops.
TEST(ScreenReader, HearsEachProblemTheAnswersAndTheEnd)
{
    Ui f;
    f.p.cur().delaySeconds() = 0;
    f.p.cur().popupSeconds() = 0;
    QWidget* announcer = find(f.main, "announcer");
    const auto heard = [&] {
        QCoreApplication::processEvents(); // a line waits for the events in hand
        return announcer->accessibleName().toStdString();
    };
    const auto inWords = [&f](std::string problem) {
        problem.replace(problem.find(" + "), 3, " plus ");
        return problem;
    };
    setName(f.p.cur(), "Ann"); // made current in Student Data
    f.main.render();
    EXPECT_EQ(heard(), "Pupil: Ann");
    click(f.main, "start");
    EXPECT_EQ(heard(), inWords(f.p.main.problem.text));
    EXPECT_TRUE(announcer->isVisible() && announcer->focusPolicy() == Qt::NoFocus);
    f.main.pressAnswer(f.p.drill.rightSlot);
    EXPECT_EQ(heard(), "Right. Total: 1/1. " + inWords(f.p.main.problem.text));
    const std::string missed = inWords(f.p.main.problem.text);
    f.main.pressAnswer(f.p.drill.wrongSlot1);
    ASSERT_NE(f.main.popup(), nullptr);
    QWidget& pop = *f.main.popup();
    auto* right = find<QPushButton>(pop, ("but" + std::to_string(f.p.drill.rightSlot)).c_str());
    EXPECT_EQ(find<QLabel>(pop, "ms")->accessibleName().toStdString(),
              "!!Wrong Answer !! " + missed + " is " + right->text().toStdString());
    right->click();
    click(f.main, "cPause");
    EXPECT_EQ(heard(), "Paused. Total: 1/2. Score: 50%");
    EXPECT_EQ(problemInWords(QStringLiteral("56 \u00F7 8 = 7")).toStdString(),
              "56 divided by 8 is 7");
    EXPECT_EQ(problemInWords(QStringLiteral("9 - 3 x 2")).toStdString(), "9 minus 3 times 2");
}

} // namespace
} // namespace sb::test
