// SPDX-License-Identifier: GPL-3.0-or-later
// What a pupil hears of a drill: a screen reader's lines, wherever the keyboard focus is, and
// Read Aloud in the main window, with the drill clock waiting for it.

#include "flow/read_aloud.h"
#include "support/ui_support.h"
#include "views/announcer_qt.h"
#include "views/popup_window.h"

namespace sb::test {
namespace {

// A screen reader hears each problem as it is posed, in words; a word and the new total after a
// right answer; the problem solved in a wrong answer's pop-up; the total and the score when the
// drill stops. Read Aloud, once ticked, says the same to the pupil, and the pupil is timed from
// the end of each problem's reading.
TEST(ReadAloudWindow, SaysTheDrillAndTimesThePupilFromTheEndOfEachProblem)
{
    Ui f;
    f.p.cur().delaySeconds() = f.p.cur().popupSeconds() = 0;
    FakeSpeech speech;
    f.main.setVoice(speech, nullptr);
    QWidget* announcer = find(f.main, "announcer");
    const auto said = [&f] { return heard(f.main).toStdString(); };
    const auto inWords = [](std::string problem) {
        return problem.replace(problem.find(" + "), 3, " plus ");
    };
    setName(f.p.cur(), "Ann"); // made current in Student Data
    f.main.render();
    EXPECT_EQ(said(), "Pupil: Ann");
    auto* box = find<QCheckBox>(f.main, "readaloud");
    click(f.main, "start");
    EXPECT_EQ(said(), inWords(f.p.main.problem.text));
    EXPECT_TRUE(announcer->isVisible() && announcer->focusPolicy() == Qt::NoFocus);
    EXPECT_TRUE(speech.lines.empty()); // Read Aloud off: nothing said, the clock runs at once
    EXPECT_TRUE(f.main.drillClock()->isActive());
    click(f.main, "cPause");
    box->click();
    EXPECT_TRUE(box->isChecked() && ReadAloudOn(f.p) && speech.prepared);
    click(f.main, "start");
    EXPECT_EQ(speech.lines.back(), inWords(f.p.main.problem.text));
    EXPECT_EQ(speech.language, "en");
    EXPECT_FALSE(box->isEnabled());
    EXPECT_FALSE(f.main.drillClock()->isActive()); // held while the problem is read
    f.clock.ms += 2500;
    speech.finish();
    EXPECT_TRUE(f.main.drillClock()->isActive());
    EXPECT_EQ(f.p.history.shownMs, f.clock.ms) << "the time to answer counts from here";

    const std::string solved = inWords(f.p.main.problem.text);
    auto* right = find<QPushButton>(f.main, ("but" + std::to_string(f.p.drill.rightSlot)).c_str());
    const std::string answer = right->text().toStdString();
    f.main.pressAnswer(f.p.drill.rightSlot);
    const std::string next = inWords(f.p.main.problem.text);
    EXPECT_EQ(speech.lines.back(), "Right. " + solved + " is " + answer + ". " + next);
    EXPECT_EQ(said(), "Right. Total: 1/1. " + next);
    EXPECT_FALSE(f.main.drillClock()->isActive());
    // The pupil moves to an answer: it is said, and the problem's reading is over.
    QPushButton* other = find<QPushButton>(f.main, "but1");
    other->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(speech.lines.back(), other->text().toStdString());
    EXPECT_TRUE(f.main.drillClock()->isActive());

    f.main.pressAnswer(f.p.drill.wrongSlot1);
    ASSERT_NE(f.main.popup(), nullptr);
    QWidget& pop = *f.main.popup();
    auto* popRight = find<QPushButton>(pop, ("but" + std::to_string(f.p.drill.rightSlot)).c_str());
    const std::string missed = next + " is " + popRight->text().toStdString();
    EXPECT_EQ(speech.lines.back(), "Wrong Answer. " + missed);
    EXPECT_EQ(find<QLabel>(pop, "ms")->accessibleName().toStdString(),
              "!!Wrong Answer !! " + missed);
    popRight->click();
    speech.finish();
    click(f.main, "cPause");
    EXPECT_EQ(speech.lines.back(), "Paused. Total: 1/2. Score: 50%");
    EXPECT_EQ(said(), speech.lines.back());
    EXPECT_EQ(problemInWords(QStringLiteral("56 \u00F7 8 = 7")).toStdString(),
              "56 divided by 8 is 7");
    EXPECT_EQ(problemInWords(QStringLiteral("9 - 3 x 2")).toStdString(), "9 minus 3 times 2");
}

} // namespace
} // namespace sb::test
