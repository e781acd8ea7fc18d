// SPDX-License-Identifier: GPL-3.0-or-later
#include "students/teacher_password.h"

#include <sodium.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <vector>

namespace sb {

namespace {

constexpr std::string_view kArgon2idPrefix = "$argon2id$";

std::filesystem::path passwordFile(const DataDir& dir)
{
    return dir / kTeacherPasswordFile;
}

bool sodiumReady()
{
    return sodium_init() >= 0; // 1: made ready before, by this or another call
}

// Whether this account may change the file at path: it is opened for writing (nothing is
// written). Replacing it by a rename needs only the folder's permission, which every pupil
// of a lab has; the file's own permission is the admin's word on who may change it.
Status mayChange(const DataDir& dir, const std::filesystem::path& path)
{
    const Status opened = dir.files.overwrite(path, {});
    if (!opened && opened.code() == StatusCode::System && opened.error() == ENOENT) {
        return {}; // no file yet: the folder decides
    }
    return opened;
}

} // namespace

StoredPassword ReadTeacherPassword(const DataDir& dir)
{
    // A hash with its parameters is about a hundred bytes; more than a few hundred is no hash.
    const Result<std::vector<std::uint8_t>> bytes = dir.files.read(passwordFile(dir), 0, 512);
    if (!bytes) {
        const Status why = bytes.status();
        const bool none = why.code() == StatusCode::System && why.error() == ENOENT;
        return {.set = !none, .hash = {}, .status = none ? Status() : why};
    }
    std::string text(bytes->begin(), bytes->end());
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) {
        text.pop_back();
    }
    const bool hash = text.starts_with(kArgon2idPrefix) && text.size() < crypto_pwhash_STRBYTES &&
                      text.find('\0') == std::string::npos;
    if (!hash) {
        return {.set = true, .hash = {}, .status = Status::refuse(StatusCode::Damaged)};
    }
    return {.set = true, .hash = std::move(text), .status = {}};
}

PasswordCheck CheckTeacherPassword(const DataDir& dir, std::string_view password)
{
    const StoredPassword stored = ReadTeacherPassword(dir);
    if (!stored.set || !stored.status || !sodiumReady()) {
        return PasswordCheck::Unusable;
    }
    if (crypto_pwhash_str_verify(stored.hash.c_str(), password.data(), password.size()) == 0) {
        return PasswordCheck::Right;
    }
    dir.clock.sleepFor(std::chrono::seconds(1));
    return PasswordCheck::Wrong;
}

Status SetTeacherPassword(const DataDir& dir, std::string_view password)
{
    const std::filesystem::path path = passwordFile(dir);
    if (const Status may = mayChange(dir, path); !may) {
        return may;
    }
    if (password.empty() || !sodiumReady()) {
        return Status::fail(EINVAL);
    }
    // Interactive limits: about a tenth of a second and 64 MiB on a school's PC, for each try.
    std::array<char, crypto_pwhash_STRBYTES> hash{};
    if (crypto_pwhash_str_alg(
            hash.data(), password.data(), password.size(), crypto_pwhash_OPSLIMIT_INTERACTIVE,
            crypto_pwhash_MEMLIMIT_INTERACTIVE, crypto_pwhash_ALG_ARGON2ID13) != 0) {
        return Status::fail(ENOMEM);
    }
    const std::string_view made(hash.data());
    std::vector<std::uint8_t> line(made.begin(), made.end());
    line.push_back('\n');
    return saveAtomically(dir.files, path, line);
}

Status RemoveTeacherPassword(const DataDir& dir)
{
    const std::filesystem::path path = passwordFile(dir);
    if (const Status may = mayChange(dir, path); !may) {
        return may;
    }
    const Status gone = dir.files.unlink(path);
    if (!gone && gone.code() == StatusCode::System && gone.error() == ENOENT) {
        return {};
    }
    return gone;
}

} // namespace sb
