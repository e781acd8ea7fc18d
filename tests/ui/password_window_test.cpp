// SPDX-License-Identifier: GPL-3.0-or-later

#include "flow/lifecycle.h"
#include "students/teacher_password.h"
#include "support/ui_support.h"
#include "views/messages_qt.h"

namespace sb::test {
namespace {

// Types text and Enter into the control with the focus, as a teacher at the keyboard does.
void type(const QString& text)
{
    QTest::keyClicks(QApplication::focusWidget(), text);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}

// Clicks the main window's button and answers the password window it opens with `typed`
// (Cancel after it, if it stays open); `then` runs on the window that opens next, if one does,
// which is cancelled after it. Answers that window's name and what the password window said.
std::pair<QString, QString> throughPassword(Ui& f, const char* button, const QString& typed,
                                            const std::function<void(QWidget&)>& then = {})
{
    QString opened, said;
    const QObject guard;
    std::function<void()> watch = [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal->objectName() == QStringLiteral("teacherPassword")) {
            QTimer::singleShot(0, &guard, watch); // not closed yet
        } else if (modal != nullptr) {
            opened = modal->objectName();
            if (then) {
                then(*modal);
            }
            if (modal->isVisible()) {
                static_cast<QDialog*>(modal)->reject();
            }
        }
    };
    clickToModal(f.main, button, [&](QWidget& ask) {
        EXPECT_EQ(ask.objectName(), QStringLiteral("teacherPassword"));
        QTimer::singleShot(0, &guard, watch);
        type(typed);
        said = find<QLabel>(ask, "message")->text();
        if (ask.isVisible()) {
            click(ask, "cancel");
        }
    });
    QCoreApplication::processEvents();
    return {opened, said};
}

// Once a password is set, a wrong one opens none of the teacher's windows and is answered a
// second later (on the program's clock); the right one opens the window, and the windows
// opened from it, until it closes. Progress asks only for a pupil who is not current here.
TEST(PasswordWindow, AWrongPasswordOpensNothing)
{
    Ui f;
    ASSERT_TRUE(SetTeacherPassword(dataDirOf(f.p), "owl-42"));
    const QString wrong = messageText(MessageId::PasswordWrong);
    f.p.run.pupilTakenOver = true; // the pupil of this Progress is at another computer now
    for (const char* button : {"smartgo", "goauto", "progressgo"}) {
        SCOPED_TRACE(button);
        const auto slept = f.clock.slept;
        EXPECT_EQ(throughPassword(f, button, QStringLiteral("owl-43")),
                  std::make_pair(QString(), wrong));
        EXPECT_EQ(f.clock.slept - slept, std::chrono::seconds(1));
    }
    EXPECT_EQ(throughPassword(f, "progressgo", QStringLiteral("owl-42")).first,
              QStringLiteral("progress"));
    f.p.run.pupilTakenOver = false;
    clickToModal(f.main, "progressgo", [](QWidget& progress) {
        EXPECT_EQ(progress.objectName(), QStringLiteral("progress")) << "her own: not asked";
        progress.close();
    });
    const auto opened = throughPassword(f, "goauto", QStringLiteral("owl-42"), [](QWidget& w) {
        clickToModal(w, "Repset", [](QWidget& smart) {
            EXPECT_EQ(smart.objectName(), QStringLiteral("smart")) << "opened without asking";
            click(smart, "bncancel");
        });
    });
    EXPECT_EQ(opened, std::make_pair(QStringLiteral("getfile"), QString()));
    EXPECT_EQ(throughPassword(f, "smartgo", QString()).first, QString()) << "asked again";
}

// Student Data's "Teacher Password..." sets a password by keyboard; changing it asks for the
// current one, and a wrong one is said in that window.
TEST(PasswordWindow, SetAndChangedInStudentData)
{
    Ui f;
    clickToModal(f.main, "goauto", [](QWidget& getfile) {
        clickToModal(getfile, "passwordgo", [](QWidget& setting) {
            EXPECT_FALSE(find(setting, "currentPassword")->isVisible()) << "none set yet";
            type(QStringLiteral("owl-42")), type(QStringLiteral("owl-42"));
            EXPECT_FALSE(setting.isVisible());
        });
        click(getfile, "close");
    });
    EXPECT_EQ(CheckTeacherPassword(dataDirOf(f.p), "owl-42"), PasswordCheck::Right);
    throughPassword(f, "goauto", QStringLiteral("owl-42"), [](QWidget& getfile) {
        clickToModal(getfile, "passwordgo", [](QWidget& setting) {
            EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("currentPassword"));
            type(QStringLiteral("owl")), type(QStringLiteral("lark")), type(QStringLiteral("lark"));
            EXPECT_EQ(find<QLabel>(setting, "message")->text(),
                      messageText(MessageId::PasswordCurrentWrong));
            click(setting, "cancel");
        });
    });
    EXPECT_EQ(CheckTeacherPassword(dataDirOf(f.p), "owl-42"), PasswordCheck::Right);
}

} // namespace
} // namespace sb::test
