// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher password on the disk, checked against libsodium itself, and the windows' models
// that ask for it, set, change and remove it.

#include <sodium.h>

#include <chrono>
#include <cstring>
#include <filesystem>

#include "flow/failures.h"
#include "flow/lifecycle.h"
#include "flow/teacher_gate.h"
#include "students/teacher_password.h"
#include "support/test_support.h"

namespace sb::test {
namespace {

using namespace std::chrono_literals;

struct Teacher : OwnFaultyFiles, ProgramFixture {
    Teacher() : ProgramFixture(random, files) { load(); }
    Path file() const { return at(kTeacherPasswordFile); }
    std::string stored() const { return textOf(file()); }
    void set(std::string_view password) { ASSERT_TRUE(SetTeacherPassword(dataDirOf(p), password)); }
    StdRandom random{5};
};

// A wrong password is answered a second later (on the program's clock), a right one at once;
// without a file nothing is asked; a file that cannot be used keeps the windows shut and says
// which file and why.
TEST(TeacherPassword, WhatTheWindowThatAsksSays)
{
    struct Row {
        const char *name, *file; // file nullptr: none; "" or "\r...": "owl" set, this after it
        bool unreadable;
        const char* typed;
        bool asked, unlocked;
        std::chrono::milliseconds slept;
        Message message;
    };
    const Message damaged{MessageId::PasswordUnusable,
                          {"TeacherPassword.hash", MessageId::ReasonDamaged}};
    const Message denied{MessageId::PasswordUnusable,
                         {"TeacherPassword.hash", Status::fail(EACCES).message()}};
    const Row rows[] = {
        {"right", "", false, "owl", true, true, 0ms, {}},
        {"right, ended by an editor", "\r\n ", false, "owl", true, true, 0ms, {}},
        {"wrong", "", false, "Owl", true, false, 1000ms, MessageId::PasswordWrong},
        {"empty answer", "", false, "", true, false, 1000ms, MessageId::PasswordWrong},
        {"no password", nullptr, false, "", false, true, 0ms, {}},
        {"plain text", "owl\n", false, "owl", true, false, 0ms, damaged},
        {"an Argon2i hash",
         "$argon2i$v=19$m=32768,t=4,p=1$c29tZXNhbHQ$9sTbSlTio3Biev89thdrlKKiCaYsjjYVJxGAL3swxpg",
         false, "owl", true, false, 0ms, damaged},
        {"unreadable", "", true, "owl", true, false, 0ms, denied},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        Teacher t;
        if (r.file != nullptr && (*r.file == '\0' || *r.file == '\r')) {
            t.set("owl");
            const std::string ended = t.stored() + r.file;
            writeBytes(t.file(), Bytes(ended.begin(), ended.end()));
        } else if (r.file != nullptr) {
            writeBytes(t.file(), Bytes(r.file, r.file + std::strlen(r.file)));
        }
        if (r.unreadable) {
            t.files.unreadable.insert(std::string(kTeacherPasswordFile));
        }
        EXPECT_EQ(TeacherPasswordAsked(t.p), r.asked);
        // Progress asks only for a pupil who is not the current one here.
        EXPECT_EQ(ProgressPasswordAsked(t.p, "Bob"), r.asked);
        EXPECT_FALSE(ProgressPasswordAsked(t.p, trimmedName(t.p.cur())));
        PasswordPrompt prompt(t.p);
        EXPECT_EQ(prompt.model().okEnabled, r.message.id != MessageId::PasswordUnusable)
            << "nothing to check a password against";
        prompt.ok_click(r.typed);
        EXPECT_EQ(std::tuple(prompt.model().unlocked, prompt.model().message, t.clock.slept),
                  std::tuple(r.unlocked, r.message, r.slept));
        EXPECT_EQ(TeacherPasswordAsked(t.p), r.asked && !r.unlocked);
        LockTeacherWindows(t.p);
        EXPECT_EQ(TeacherPasswordAsked(t.p), r.asked);
        t.p.run.pupilTakenOver = true; // she is at another computer now
        EXPECT_EQ(ProgressPasswordAsked(t.p, trimmedName(t.p.cur())), r.asked);
    }
}

// Setting, changing and removing: the current password first, then the new one twice; a file
// this account may not write (read-only for pupils) is read and checked, never replaced. The file
// holds an Argon2id hash with its own salt, which libsodium verifies, and not a byte of the
// password; the same password set again gets another salt.
TEST(TeacherPassword, SettingChangingAndRemovingASaltedArgon2idHashThatLibsodiumVerifies)
{
    Teacher t;
    PasswordSetting none(t.p);
    none.save_click("", "", "");
    EXPECT_EQ(none.model().message, Message(MessageId::PasswordEmpty));
    none.save_click("", "owl", "owI");
    EXPECT_EQ(none.model().message, Message(MessageId::PasswordsDiffer));
    const std::string password = "Rosebud-7 Öl";
    none.save_click("", password, password);
    EXPECT_TRUE(none.model().closed && t.p.run.teacherUnlocked) << "whoever set it goes on";
    const std::string first = t.stored();
    EXPECT_TRUE(first.starts_with("$argon2id$v=19$m=65536,t=2,p=1$")) << first;
    EXPECT_EQ(first.back(), '\n');
    const std::string hash = first.substr(0, first.size() - 1);
    for (const char* part : {"Rosebud", "Öl"}) {
        EXPECT_EQ(first.find(part), std::string::npos) << part;
    }
    ASSERT_GE(sodium_init(), 0);
    EXPECT_EQ(crypto_pwhash_str_verify(hash.c_str(), password.data(), password.size()), 0);
    EXPECT_NE(crypto_pwhash_str_verify(hash.c_str(), "rosebud-7 Öl", password.size()), 0);
    PasswordSetting change(t.p);
    t.files.readOnly.insert(std::string(kTeacherPasswordFile));
    change.save_click(password, "lark", "lark");
    EXPECT_EQ(change.model().message, Message(MessageId::BecauseFileFailed,
                                              {MessageId::PasswordNotSaved, "TeacherPassword.hash",
                                               Status::fail(EACCES).message()}));
    change.remove_click(password);
    EXPECT_EQ(change.model().message.args.at(0), Message(MessageId::PasswordNotRemoved));
    EXPECT_EQ(t.stored(), first);
    t.files.readOnly.clear();
    t.set(password);
    EXPECT_NE(t.stored(), first) << "the same password, another salt";
    change.save_click(password, "lark", "lark");
    EXPECT_EQ(CheckTeacherPassword(dataDirOf(t.p), "lark"), PasswordCheck::Right);
    PasswordSetting remove(t.p);
    remove.remove_click(password);
    EXPECT_EQ(remove.model().message, Message(MessageId::PasswordCurrentWrong));
    EXPECT_EQ(t.clock.slept, 1000ms);
    remove.remove_click("lark");
    EXPECT_FALSE(std::filesystem::exists(t.file()) || TeacherPasswordAsked(t.p));
}

} // namespace
} // namespace sb::test
