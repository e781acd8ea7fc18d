// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/password_window.h"

#include <QAccessible>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <string>

#include "students/teacher_password.h"
#include "views/common_qt.h"
#include "views/help_window.h"
#include "views/messages_qt.h"

namespace sb {

namespace {

// A box whose text is shown as dots, with the name a screen reader says for it.
QLineEdit* passwordBox(QWidget* parent, const char* name, const QString& accessible)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setEchoMode(QLineEdit::Password);
    box->setAccessibleName(accessible);
    return box;
}

// The line that says what was not right, where it happened.
QLabel* messageLine(QWidget* parent)
{
    auto* line = new QLabel(parent);
    line->setObjectName(QStringLiteral("message"));
    line->setWordWrap(true);
    line->setAccessibleName(QCoreApplication::translate("sb::StudentWindow", "Message"));
    line->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    line->setFocusPolicy(Qt::NoFocus);
    return line;
}

// Shows the model's message; a screen reader says it, a repeated one too (a second wrong try).
// The window grows to show it whole, and the text above it.
void say(QDialog* window, QLabel* line, const Message& message)
{
    line->setText(messageText(message));
    if (!message.empty()) {
        QAccessibleEvent said(line, QAccessible::Alert);
        QAccessible::updateAccessibility(&said);
    }
    const int needed = window->layout()->totalHeightForWidth(window->width());
    if (window->isVisible() && needed > window->height()) {
        window->resize(window->width(), needed);
    }
}

std::string typed(const QLineEdit* box)
{
    return box->text().toStdString(); // UTF-8, the same on every computer of a lab
}

} // namespace

PasswordWindow::PasswordWindow(Program& program, QWidget* parent)
    : QDialog(parent), m_prompt(program)
{
    setObjectName(QStringLiteral("teacherPassword"));
    setWindowTitle(tr("Teacher Password"));
    setModal(true);
    addHelpKey(this, QStringLiteral("student_data.html#password"));

    auto* about = new QLabel(tr("Only the teacher may open this window."), this);
    m_password = passwordBox(this, "password", tr("Teacher password"));
    auto* caption = new QLabel(tr("&Password:"), this);
    caption->setBuddy(m_password);
    m_message = messageLine(this);
    m_ok = pushButton(this, "ok", tr("OK"));
    auto* cancel = pushButton(this, "cancel", tr("Cancel"));
    connect(m_ok, &QPushButton::clicked, this, &PasswordWindow::ok);
    connect(m_password, &QLineEdit::returnPressed, this, &PasswordWindow::ok);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* row = new QHBoxLayout;
    row->addWidget(caption);
    row->addWidget(m_password, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(about);
    layout->addLayout(row);
    layout->addWidget(m_message);
    layout->addLayout(buttons);
    setMinimumWidth(fontMetrics().averageCharWidth() * 50);

    say(this, m_message, model().message);
    m_ok->setEnabled(model().okEnabled);
    m_password->setEnabled(model().okEnabled);
    m_password->setFocus();
}

void PasswordWindow::ok()
{
    if (!m_ok->isEnabled()) {
        return;
    }
    {
        const BusyCursor busy; // a wrong password is answered a second later
        m_prompt.ok_click(typed(m_password));
    }
    if (model().unlocked) {
        accept();
        return;
    }
    m_password->clear();
    m_ok->setEnabled(model().okEnabled);
    m_password->setEnabled(model().okEnabled);
    m_password->setFocus();
    say(this, m_message, model().message);
}

void PasswordWindow::keyPressEvent(QKeyEvent* event)
{
    if (!pressFocusedOnEnter(this, event)) {
        QDialog::keyPressEvent(event);
    }
}

PasswordSettingWindow::PasswordSettingWindow(Program& program, QWidget* parent)
    : QDialog(parent), m_setting(program)
{
    setObjectName(QStringLiteral("passwordSetting"));
    setWindowTitle(tr("Teacher Password"));
    setModal(true);
    addHelpKey(this, QStringLiteral("student_data.html#password"));

    auto* about = new QLabel(
        tr("Once a teacher password is set, Smart Repeat, Student Data and the progress of "
           "other pupils ask for it, on every computer that uses this data folder. It keeps "
           "pupils out of those windows, not out of the folder: whoever can delete files there "
           "can delete %1, which also removes a forgotten password.")
            .arg(QString::fromLatin1(kTeacherPasswordFile.data(),
                                     static_cast<qsizetype>(kTeacherPasswordFile.size()))),
        this);
    about->setWordWrap(true);
    const bool set = model().passwordSet;
    m_current = passwordBox(this, "currentPassword", tr("Current password"));
    m_fresh = passwordBox(this, "newPassword", tr("New password"));
    m_again = passwordBox(this, "againPassword", tr("New password again"));
    auto* form = new QFormLayout;
    if (set) {
        form->addRow(tr("&Current password:"), m_current);
    } else {
        m_current->hide();
    }
    form->addRow(tr("&New password:"), m_fresh);
    form->addRow(tr("New password &again:"), m_again);
    m_message = messageLine(this);

    auto* save = pushButton(this, "save", set ? tr("&Change Password") : tr("&Set Password"));
    auto* remove = pushButton(this, "removePassword", tr("&Remove Password"));
    remove->setVisible(set);
    auto* cancel = pushButton(this, "cancel", tr("Cancel"));
    connect(save, &QPushButton::clicked, this, [this] {
        {
            const BusyCursor busy;
            m_setting.save_click(typed(m_current), typed(m_fresh), typed(m_again));
        }
        after();
    });
    connect(remove, &QPushButton::clicked, this, [this] {
        {
            const BusyCursor busy;
            m_setting.remove_click(typed(m_current));
        }
        after();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    // Enter goes from box to box, and in the last one saves.
    connect(m_current, &QLineEdit::returnPressed, m_fresh, qOverload<>(&QWidget::setFocus));
    connect(m_fresh, &QLineEdit::returnPressed, m_again, qOverload<>(&QWidget::setFocus));
    connect(m_again, &QLineEdit::returnPressed, save, &QPushButton::click);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(save);
    buttons->addWidget(remove);
    buttons->addStretch(1);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(about);
    layout->addLayout(form);
    layout->addWidget(m_message);
    layout->addLayout(buttons);
    setMinimumWidth(fontMetrics().averageCharWidth() * 60);
    (set ? m_current : m_fresh)->setFocus();
}

void PasswordSettingWindow::after()
{
    if (model().closed) {
        accept();
        return;
    }
    for (QLineEdit* box : {m_current, m_fresh, m_again}) {
        box->clear();
    }
    (model().passwordSet ? m_current : m_fresh)->setFocus();
    say(this, m_message, model().message);
}

void PasswordSettingWindow::keyPressEvent(QKeyEvent* event)
{
    if (!pressFocusedOnEnter(this, event)) {
        QDialog::keyPressEvent(event);
    }
}

} // namespace sb
