// SPDX-License-Identifier: GPL-3.0-or-later

#include "flow/lifecycle.h"
#include "students/teacher_password.h"
#include "support/ui_support.h"
#include "views/messages_qt.h"

namespace sb::test {
namespace {

using namespace std::string_literals;

// Types text and Enter into the control with the focus, as a teacher at the keyboard does.
void type(const char* text)
{
    QTest::keyClicks(QApplication::focusWidget(), QString::fromUtf8(text));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}

// Clicks the main window's button and answers the password window it opens with `typed`
// (Cancel after it, if it stays open); `then` runs on the window that opens next, if one does,
// which is cancelled after it. Answers that window's name and what the password window said.
std::pair<std::string, std::string> throughPassword(
    Ui& f, const char* button, const char* typed,
    const std::function<void(QWidget&)>& then = [](QWidget&) {})
{
    std::string opened, said;
    const QObject guard;
    std::function<void()> watch = [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal->objectName() == QStringLiteral("teacherPassword")) {
            QTimer::singleShot(0, &guard, watch); // not closed yet
        } else if (modal != nullptr) {
            opened = modal->objectName().toStdString();
            then(*modal);
            if (modal->isVisible()) {
                static_cast<QDialog*>(modal)->reject();
            }
        }
    };
    clickToModal(f.main, button, [&](QWidget& ask) {
        EXPECT_EQ(ask.objectName(), QStringLiteral("teacherPassword"));
        QTimer::singleShot(0, &guard, watch);
        type(typed);
        said = find<QLabel>(ask, "message")->text().toStdString();
        if (ask.isVisible()) {
            click(ask, "cancel");
        }
    });
    QCoreApplication::processEvents();
    return {opened, said};
}

// Student Data's "Teacher Password..." sets a password by keyboard. Once it is set, a wrong one
// opens none of the teacher's windows (its delay is the password model's, tested in the core);
// the right one opens the window, and the windows opened from it, until it closes. Progress asks
// only for a pupil who is not current here. Changing the password asks for the current one, and
// a wrong one is said in that window.
TEST(PasswordWindow, SetInStudentDataAWrongOneOpensNothingAndChangingItAsksForIt)
{
    Ui f;
    clickToModal(f.main, "goauto", [](QWidget& getfile) {
        clickToModal(getfile, "passwordgo", [](QWidget& setting) {
            EXPECT_FALSE(find(setting, "currentPassword")->isVisible()) << "none set yet";
            type("owl-42"), type("owl-42");
            EXPECT_FALSE(setting.isVisible());
        });
        click(getfile, "close");
    });
    EXPECT_EQ(CheckTeacherPassword(dataDirOf(f.p), "owl-42"), PasswordCheck::Right);
    const std::string wrong = messageText(MessageId::PasswordWrong).toStdString();
    f.p.run.pupilTakenOver = true; // the pupil of this Progress is at another computer now
    for (const char* button : {"smartgo", "goauto", "progressgo"}) {
        SCOPED_TRACE(button);
        EXPECT_EQ(throughPassword(f, button, "owl-43"), std::make_pair(""s, wrong));
    }
    EXPECT_EQ(throughPassword(f, "progressgo", "owl-42").first, "progress");
    f.p.run.pupilTakenOver = false;
    clickToModal(f.main, "progressgo", [](QWidget& progress) {
        EXPECT_EQ(progress.objectName(), QStringLiteral("progress")) << "her own: not asked";
        progress.close();
    });
    const auto opened = throughPassword(f, "goauto", "owl-42", [](QWidget& w) {
        clickToModal(w, "Repset", [](QWidget& smart) {
            EXPECT_EQ(smart.objectName(), QStringLiteral("smart")) << "opened without asking";
            click(smart, "bncancel");
        });
        clickToModal(w, "passwordgo", [](QWidget& setting) {
            EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("currentPassword"));
            type("owl"), type("lark"), type("lark");
            EXPECT_EQ(find<QLabel>(setting, "message")->text(),
                      messageText(MessageId::PasswordCurrentWrong));
            click(setting, "cancel");
        });
    });
    EXPECT_EQ(opened, std::make_pair("getfile"s, ""s));
    EXPECT_EQ(CheckTeacherPassword(dataDirOf(f.p), "owl-42"), PasswordCheck::Right);
    EXPECT_EQ(throughPassword(f, "smartgo", "").first, "") << "asked again";
}

} // namespace
} // namespace sb::test
