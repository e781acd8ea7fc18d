// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/failures.h"

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
    case StatusCode::NotOpen:
    case StatusCode::Unreadable:
    case StatusCode::Kept:
        break;
    }
    return MessageId::ReasonUnreadable;
}

Message failureMessage(Message what, const FileOutcome& outcome,
                       const std::optional<LockHolder>& busy)
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
    default:
        break;
    }
    return {MessageId::BecauseFileFailed,
            {std::move(what), fileNameOf(outcome.file), reasonOf(outcome.status)}};
}

Message fileTrouble(const FileOutcome& outcome)
{
    if (outcome.ok()) {
        return {};
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
