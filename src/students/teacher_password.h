// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/status.h"
#include "students/safe_file.h"

namespace sb {

// The teacher password of a class: one file in the data folder, shared by every computer of a
// lab, holding the password's Argon2id hash as libsodium writes it ("$argon2id$v=19$m=...",
// with its own random salt and cost parameters) and a line end; never the password itself.
// No file, no password: the program then asks nobody. Only this program's windows are kept
// shut by it: whoever may delete files in the folder can delete the file, which is also the
// way to remove a password nobody remembers.
inline constexpr std::string_view kTeacherPasswordFile = "TeacherPassword.hash";

// What the folder holds: no password (status ok, set false), a password (set, hash), or a file
// that cannot be used (set, status: the system's error, or Damaged for one that holds no
// Argon2id hash). A file that cannot be used keeps the windows shut all the same.
struct StoredPassword {
    bool set = false;
    std::string hash;
    Status status;
};
StoredPassword ReadTeacherPassword(const DataDir& dir);

enum class PasswordCheck : std::uint8_t {
    Right,
    Wrong,    // answered after a second's wait on dir.clock, so that guesses come slowly
    Unusable, // no password is set, or its file cannot be used (see ReadTeacherPassword)
};
// Checks password against the stored hash (libsodium's crypto_pwhash_str_verify).
PasswordCheck CheckTeacherPassword(const DataDir& dir, std::string_view password);

// Stores the hash of password (not empty) in place of any password set before, as a whole
// (a temporary file renamed over the old one). A file there that this account may not write
// (one the folder's admin made read-only for pupils) is left as it is and the answer says
// why, although the folder would let it be replaced.
[[nodiscard]] Status SetTeacherPassword(const DataDir& dir, std::string_view password);

// Deletes the password's file, so that nobody is asked any more; a file this account may not
// write is left (as SetTeacherPassword leaves it). No file is no error.
[[nodiscard]] Status RemoveTeacherPassword(const DataDir& dir);

} // namespace sb
