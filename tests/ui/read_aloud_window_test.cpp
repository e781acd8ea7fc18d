// SPDX-License-Identifier: GPL-3.0-or-later
// Read Aloud in the main window: what the pupil hears, and the drill clock waiting for it.

#include <QCheckBox>
#include <QPushButton>
#include <QTimer>

#include "flow/read_aloud.h"
#include "support/ui_support.h"
#include "views/popup_window.h"

namespace sb::test {
namespace {

TEST(ReadAloudWindow, SaysTheDrillAndTimesThePupilFromTheEndOfEachProblem)
{
    Ui f;
    f.p.cur().delaySeconds() = 0;
    f.p.cur().popupSeconds() = 0;
    FakeSpeech speech;
    f.main.setVoice(speech, nullptr);
    auto* box = find<QCheckBox>(f.main, "readaloud");
    click(f.main, "start");
    EXPECT_TRUE(speech.lines.empty()); // off: nothing said, the clock runs at once
    EXPECT_TRUE(f.main.drillClock()->isActive());
    click(f.main, "cPause");
    box->click();
    EXPECT_TRUE(box->isChecked() && ReadAloudOn(f.p) && speech.prepared);
    const auto inWords = [](std::string problem) {
        return problem.replace(problem.find(" + "), 3, " plus ");
    };
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
    const int rightSlot = f.p.drill.rightSlot;
    QPushButton* right = find<QPushButton>(f.main, ("but" + std::to_string(rightSlot)).c_str());
    const std::string answer = right->text().toStdString();
    f.main.pressAnswer(rightSlot);
    EXPECT_EQ(speech.lines.back(),
              "Right. " + solved + " is " + answer + ". " + inWords(f.p.main.problem.text));
    EXPECT_FALSE(f.main.drillClock()->isActive());
    // The pupil moves to an answer: it is said, and the problem's reading is over.
    QPushButton* other = find<QPushButton>(f.main, "but1");
    other->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(speech.lines.back(), other->text().toStdString());
    EXPECT_TRUE(f.main.drillClock()->isActive());

    const std::string missed = inWords(f.p.main.problem.text);
    f.main.pressAnswer(f.p.drill.wrongSlot1);
    ASSERT_NE(f.main.popup(), nullptr);
    auto* popRight =
        find<QPushButton>(*f.main.popup(), ("but" + std::to_string(f.p.drill.rightSlot)).c_str());
    EXPECT_EQ(speech.lines.back(),
              "Wrong Answer. " + missed + " is " + popRight->text().toStdString());
    popRight->click();
    speech.finish();
    click(f.main, "cPause");
    EXPECT_EQ(speech.lines.back(), "Paused. Total: 1/2. Score: 50%");
}

} // namespace
} // namespace sb::test
