// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/failures.h"

#include <cerrno>
#include <string>

#include "records/cp1252.h"
#include "students/record_files.h"

namespace sb {

Message reasonOf(const Status& status)
{
    switch (status.code()) {
    case StatusCode::Ok:
        return {};
    case StatusCode::System:
        return status.message();
    case StatusCode::ClassFull:
        return MessageId::ReasonClassFull;
    case StatusCode::NameTaken:
        return MessageId::ReasonNameTaken;
    case StatusCode::InUse:
        return MessageId::ReasonInUse;
    case StatusCode::TakenOver:
        return MessageId::ReasonTakenOver;
    case StatusCode::Removed:
        return MessageId::ReasonRemoved;
    case StatusCode::Missing:
        return MessageId::ReasonMissing;
    case StatusCode::Damaged:
        return MessageId::ReasonDamaged;
    case StatusCode::Newer:
        return MessageId::ReasonNewer;
    case StatusCode::LinkOut:
        return MessageId::ReasonLinkOut;
    case StatusCode::Unreachable:
        return MessageId::ReasonUnreachable;
    case StatusCode::NotOpen:
    case StatusCode::Unreadable:
    case StatusCode::Kept:
        break;
    }
    return MessageId::ReasonUnreadable;
}

bool permissionRefused(const Status& status)
{
    return status.error() == EACCES || status.error() == EPERM;
}

std::optional<FileOwner> ownerOf(FileSystem& files, const FileOutcome& outcome)
{
    if (!permissionRefused(outcome.status)) {
        return std::nullopt;
    }
    if (const auto owner = files.ownerOf(outcome.file)) {
        return FileOwner{outcome.file, *owner};
    }
    const auto folder = outcome.file.parent_path().empty() ? "." : outcome.file.parent_path();
    if (const auto owner = files.ownerOf(folder)) {
        return FileOwner{folder, *owner};
    }
    return std::nullopt;
}

namespace {

// "<file> (owner <owner>) cannot be written (Permission denied)", or "<file> is a link out of
// the class folder: not written"; nothing for any other trouble.
Message notWritten(const FileOutcome& outcome, const std::optional<FileOwner>& owner)
{
    if (outcome.status.code() == StatusCode::LinkOut) {
        return {MessageId::LinkOutNotWritten, {fileNameOf(outcome.file)}};
    }
    if (owner && permissionRefused(outcome.status) && outcome.action != FileOutcome::Action::Read) {
        const Message who = utf8ToCp1252(owner->owner);
        if (owner->of != outcome.file) { // not there: its folder keeps it from being made
            return {
                MessageId::FileNotMade,
                {fileNameOf(outcome.file), fileNameOf(owner->of), who, reasonOf(outcome.status)}};
        }
        return {MessageId::FileNotWritable, {fileNameOf(owner->of), who, reasonOf(outcome.status)}};
    }
    return {};
}

} // namespace

Message failureMessage(Message what, const FileOutcome& outcome,
                       const std::optional<LockHolder>& busy, const std::optional<FileOwner>& owner)
{
    switch (outcome.status.code()) {
    case StatusCode::Ok:
        return {};
    case StatusCode::InUse:
        if (busy) {
            return {MessageId::BecauseListBusy, {std::move(what), holderMessage(*busy)}};
        }
        break;
    case StatusCode::Removed:
        return {MessageId::BecauseRemovedElsewhere, {std::move(what)}};
    case StatusCode::Unreachable:
        return {MessageId::BecauseOf, {std::move(what), MessageId::ReasonUnreachable}};
    default:
        break;
    }
    if (Message why = notWritten(outcome, owner); !why.empty()) {
        return {MessageId::BecauseOf, {std::move(what), std::move(why)}};
    }
    return {MessageId::BecauseFileFailed,
            {std::move(what), fileNameOf(outcome.file), reasonOf(outcome.status)}};
}

Message fileTrouble(const FileOutcome& outcome, const std::optional<FileOwner>& owner)
{
    if (outcome.ok()) {
        return {};
    }
    if (Message why = notWritten(outcome, owner); !why.empty()) {
        return why;
    }
    using Action = FileOutcome::Action;
    const std::string text = outcome.file.filename().string();
    MessageId line = MessageId::None;
    // "Default.Xsx", or a computer's own "Default.<host>.Xsx" in a shared folder.
    if (text.starts_with("Default.") && text.ends_with(".Xsx")) {
        line = outcome.action == Action::Read ? MessageId::SettingsNotRead
                                              : MessageId::SettingsNotSaved;
    } else if (text == kStudentFile) {
        line = outcome.action == Action::Read ? MessageId::StudentsNotRead
                                              : MessageId::StudentsNotSaved;
    } else if (text.ends_with(".sqlite")) {
        line = MessageId::HistoryNotSaved;
    } else {
        line = outcome.action == Action::Read   ? MessageId::ResultsNotRead
               : outcome.action == Action::Kept ? MessageId::ResultsKept
                                                : MessageId::ResultsNotSaved;
    }
    return {line, {fileNameOf(outcome.file)}};
}

Message fileNameOf(const std::filesystem::path& file)
{
    const std::u8string utf8 = file.filename().u8string();
    return utf8ToCp1252(std::string(utf8.begin(), utf8.end()));
}

Message holderMessage(const LockHolder& holder)
{
    const Message host = holder.host.empty() ? Message(MessageId::AnotherComputer) : holder.host;
    const std::string since = heldSince(holder);
    return since.empty() ? host : Message(MessageId::HolderSince, {host, since});
}

} // namespace sb
