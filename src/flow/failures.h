// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "platform/file_system.h"
#include "platform/lock_file.h"
#include "platform/status.h"
#include "records/message.h"
#include "students/safe_file.h"

namespace sb {

// The one place where a Status, a file's outcome or a lock's holder becomes a message value.
// The windows put the message into words (views/messages_qt.cpp).

// Why, as it stands in a message: the system's own words ("No space left on device"), or this
// program's reason for a refusal of its own (the class list full, a damaged file, ...).
Message reasonOf(const Status& status);

// Who may write what a refusal of permission kept from being written: the file, or its folder
// when the file is not there (a folder this account cannot write), and its owner.
struct FileOwner {
    std::filesystem::path of;
    std::string owner;
    bool operator==(const FileOwner&) const = default;
};

// True when the system refused for want of permission (EACCES, EPERM).
bool permissionRefused(const Status& status);

// The owner of what outcome could not write, for a refusal of permission; nothing otherwise
// (or when the system cannot say).
std::optional<FileOwner> ownerOf(FileSystem& files, const FileOutcome& outcome);

// What could not be done (what, a message such as "The settings of Ann could not be stored"),
// and why: the class list being changed on the computer busy names, the pupil removed by
// another computer, the data folder out of reach, a link out of the folder, a file (or a
// folder) its owner keeps from this account ("<what>: <file> (owner <owner>) cannot be written
// (<reason>)"), or "<what> (<file>): <reason>".
Message failureMessage(Message what, const FileOutcome& outcome,
                       const std::optional<LockHolder>& busy = std::nullopt,
                       const std::optional<FileOwner>& owner = std::nullopt);

// The line a record file in trouble gives the main window's notice: what the file holds
// (settings, student data, results, history) and what could not be done with it, with the
// file's name; a link out of the folder and a refusal of permission (with the owner, when
// given) are said as such. Nothing when the outcome is ok.
Message fileTrouble(const FileOutcome& outcome,
                    const std::optional<FileOwner>& owner = std::nullopt);

// A file's name as it stands in a message: the record files' code page, like every caption.
Message fileNameOf(const std::filesystem::path& file);

// The computer that holds a lock, and since when: "PC-12 since 10:02" (the host alone when
// the lock says no time, "another computer" when it names no one).
Message holderMessage(const LockHolder& holder);

} // namespace sb
