// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace sb {

// What the program has to say to the pupil or the teacher, as a value: which message, and what
// stands in it (a pupil's name, a file, a computer, a time, the system's reason, or another
// message). The core decides what is said; the windows put it into words, in the pupil's
// language, in one place (views/messages_qt.cpp, where each message's English text is given).
// Nothing turns words back into a message.
enum class MessageId : std::uint8_t {
    None, // nothing to say
    Text, // the text as it stands: a name, a file name, a computer's name, a clock time
    List, // its parts one after another, each a message of its own ("; " between them)

    // A line of the main window's notice for a file in trouble; the file's name stands in it.
    SettingsNotSaved,
    SettingsNotRead,
    ResultsNotSaved,
    ResultsNotRead,
    ResultsKept, // results that could not be read were not written over either
    StudentsNotSaved,
    StudentsNotRead,
    HistoryNotSaved,
    HistorySetAside, // pupil, the name the damaged file is kept under
    TableNotSaved,
    ProgressNotSaved,
    OverviewNotSaved,
    // A file left as it is, with its name: a link out of the data folder, one another account
    // owns (file, owner, the system's reason), or one its folder keeps from being made (file,
    // folder, owner, the system's reason).
    LinkOutNotWritten,
    FileNotWritable,
    FileNotMade,
    // Lines of the notice about no one file.
    FolderUnreachable,
    PupilInUse,     // pupil, computer
    PupilTakenOver, // pupil
    // A computer holding a lock, with the time it took it (computer, time).
    HolderSince,
    AnotherComputer, // a lock that names no computer

    // The Student Data window's line.
    ClassFileRepaired,
    ClassFileUnread,        // the system's reason
    ClassListBusy,          // computer
    PupilInUseCannotChange, // pupil, computer
    PupilInUseTakeOver,     // pupil, computer
    LetterRefused,
    ChooseToRename,
    TypeNewName,
    AlreadyListed,           // name
    NoRecordYet,             // name
    ResultsUnderName,        // name
    HistoryStaysUnderName,   // old name, new name
    OutgoingResultsNotSaved, // pupil, the notice
    // What could not be done with the class file ...
    TheClassFile,
    SettingsNotStored, // pupil
    PupilNotShownYet,  // pupil
    PupilNotAdded,     // name
    PupilNotRenamed,   // pupil
    ListNotSaved,
    // ... and why: "<what>: ..."
    BecauseListBusy,         // what, computer
    BecauseRemovedElsewhere, // what
    BecauseFileFailed,       // what, file, the reason (the system's, or one below)
    BecauseOf,               // what, why (a message: a file not written, a reason below)

    // The Progress window's line.
    NoAnswersYet,  // pupil
    HistoryUnread, // pupil

    // The teacher password's windows.
    PasswordWrong,
    PasswordCurrentWrong,
    PasswordEmpty,
    PasswordsDiffer,
    PasswordNotSaved,   // what could not be done, before "(file): reason"
    PasswordNotRemoved, // the same
    PasswordUnusable,   // file, the reason

    // Why, where the program itself refused (the system's reasons are its own words).
    ReasonClassFull,
    ReasonNameTaken,
    ReasonInUse,
    ReasonTakenOver,
    ReasonRemoved,
    ReasonMissing,
    ReasonDamaged,
    ReasonNewer,
    ReasonLinkOut,
    ReasonUnreachable,
    ReasonUnreadable,
};

struct Message {
    MessageId id = MessageId::None;
    std::vector<Message> args; // what stands in it, in order
    std::string text;          // for Text: the bytes as the record files hold them (Windows-1252)

    Message() = default;
    Message(MessageId what, std::initializer_list<Message> with = {}) : id(what), args(with) {}
    // A text that stands in a message as it is.
    Message(std::string plain) : id(MessageId::Text), text(std::move(plain)) {}
    Message(const char* plain) : Message(std::string(plain)) {}

    bool empty() const { return id == MessageId::None; }
    bool operator==(const Message&) const = default;
};

} // namespace sb
