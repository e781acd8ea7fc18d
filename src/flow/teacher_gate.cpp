// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/teacher_gate.h"

#include <string>

#include "flow/failures.h"
#include "flow/lifecycle.h"
#include "students/teacher_password.h"

namespace sb {

namespace {

std::filesystem::path passwordPath(const Program& p)
{
    return p.services.dataDir / kTeacherPasswordFile;
}

// What the windows say of a password file that is there but cannot be used.
Message unusable(const Program& p, const Status& why)
{
    return {MessageId::PasswordUnusable, {fileNameOf(passwordPath(p)), reasonOf(why)}};
}

Message failed(const Program& p, MessageId what, const Status& why)
{
    return {MessageId::BecauseFileFailed, {what, fileNameOf(passwordPath(p)), reasonOf(why)}};
}

} // namespace

bool TeacherPasswordAsked(Program& p)
{
    return !p.run.teacherUnlocked && ReadTeacherPassword(dataDirOf(p)).set;
}

bool ProgressPasswordAsked(Program& p, std::string_view pupil)
{
    const bool current = pupil == trimmedName(p.cur()) && !p.run.pupilTakenOver;
    return !current && TeacherPasswordAsked(p);
}

void LockTeacherWindows(Program& p)
{
    p.run.teacherUnlocked = false;
}

PasswordPrompt::PasswordPrompt(Program& program) : m_p(program)
{
    const StoredPassword stored = ReadTeacherPassword(dataDirOf(m_p));
    if (stored.set && !stored.status) {
        m_model.message = unusable(m_p, stored.status);
        m_model.okEnabled = false;
    }
}

void PasswordPrompt::ok_click(std::string_view password)
{
    const DataDir dir = dataDirOf(m_p);
    switch (CheckTeacherPassword(dir, password)) {
    case PasswordCheck::Right:
        m_p.run.teacherUnlocked = true;
        m_model.unlocked = true;
        m_model.message = {};
        break;
    case PasswordCheck::Wrong:
        m_model.message = MessageId::PasswordWrong;
        break;
    case PasswordCheck::Unusable: {
        // Removed meanwhile (from another computer): nothing is asked any more.
        const StoredPassword stored = ReadTeacherPassword(dir);
        m_model.unlocked = !stored.set;
        m_model.message = stored.set ? unusable(m_p, stored.status) : Message();
        m_model.okEnabled = !stored.set;
        break;
    }
    }
}

PasswordSetting::PasswordSetting(Program& program) : m_p(program)
{
    m_model.passwordSet = ReadTeacherPassword(dataDirOf(m_p)).set;
}

bool PasswordSetting::currentRight(std::string_view current)
{
    if (!m_model.passwordSet) {
        return true;
    }
    const DataDir dir = dataDirOf(m_p);
    switch (CheckTeacherPassword(dir, current)) {
    case PasswordCheck::Right:
        return true;
    case PasswordCheck::Wrong:
        m_model.message = MessageId::PasswordCurrentWrong;
        return false;
    case PasswordCheck::Unusable:
        break;
    }
    const StoredPassword stored = ReadTeacherPassword(dir);
    m_model.passwordSet = stored.set;
    // Removed meanwhile: there is no current password to ask for.
    m_model.message = stored.set ? unusable(m_p, stored.status) : Message();
    return !stored.set;
}

void PasswordSetting::save_click(std::string_view current, std::string_view fresh,
                                 std::string_view again)
{
    if (!currentRight(current)) {
        return;
    }
    if (fresh.empty()) {
        m_model.message = MessageId::PasswordEmpty;
        return;
    }
    if (fresh != again) {
        m_model.message = MessageId::PasswordsDiffer;
        return;
    }
    const Status saved = SetTeacherPassword(dataDirOf(m_p), fresh);
    if (!saved) {
        m_model.message = failed(m_p, MessageId::PasswordNotSaved, saved);
        return;
    }
    m_p.run.teacherUnlocked = true;
    m_model.message = {};
    m_model.closed = true;
}

void PasswordSetting::remove_click(std::string_view current)
{
    if (!currentRight(current)) {
        return;
    }
    const Status removed = RemoveTeacherPassword(dataDirOf(m_p));
    if (!removed) {
        m_model.message = failed(m_p, MessageId::PasswordNotRemoved, removed);
        return;
    }
    m_model.message = {};
    m_model.closed = true;
}

} // namespace sb
