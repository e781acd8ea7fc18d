// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/messages_qt.h"

#include <QCoreApplication>
#include <QStringList>

#include <array>
#include <cstddef>

#include "views/common_qt.h"

namespace sb {

namespace {

// Translators: %1, %2 and %3 stand for a pupil's name, a file's name, a computer's name (with
// the time it took the pupil: "PC-12 since 10:02") or the system's reason, as each message's
// comment says. A pupil is "she" in the English text.
struct Pattern {
    MessageId id;
    const char* text;
};
constexpr std::array kPatterns{
    //: %1 is the file's name.
    Pattern{MessageId::SettingsNotSaved,
            QT_TRANSLATE_NOOP("message", "Settings could not be saved (%1)")},
    //: %1 is the file's name.
    Pattern{MessageId::SettingsNotRead,
            QT_TRANSLATE_NOOP("message", "Settings could not be read (%1)")},
    //: %1 is the file's name.
    Pattern{MessageId::ResultsNotSaved,
            QT_TRANSLATE_NOOP("message", "Results could not be saved (%1)")},
    //: %1 is the file's name.
    Pattern{MessageId::ResultsNotRead,
            QT_TRANSLATE_NOOP("message", "Results could not be read (%1)")},
    //: %1 is the file's name.
    Pattern{MessageId::ResultsKept,
            QT_TRANSLATE_NOOP("message", "Results could not be read and were not saved (%1)")},
    //: %1 is the file's name.
    Pattern{MessageId::StudentsNotSaved,
            QT_TRANSLATE_NOOP("message", "Student data could not be saved (%1)")},
    //: %1 is the file's name.
    Pattern{MessageId::StudentsNotRead,
            QT_TRANSLATE_NOOP("message", "Student data could not be read (%1)")},
    //: %1 is the file's name.
    Pattern{MessageId::HistoryNotSaved,
            QT_TRANSLATE_NOOP("message", "History could not be saved (%1)")},
    //: %1 is the pupil, %2 the file her damaged history is kept in.
    Pattern{MessageId::HistorySetAside,
            QT_TRANSLATE_NOOP("message",
                              "%1's history was damaged: kept as %2, new answers are saved again")},
    //: %1 is the file's name.
    Pattern{MessageId::TableNotSaved,
            QT_TRANSLATE_NOOP("message", "Table could not be saved (%1)")},
    //: %1 is the file's name.
    Pattern{MessageId::ProgressNotSaved,
            QT_TRANSLATE_NOOP("message", "Progress could not be saved (%1)")},
    //: %1 is the file's name.
    Pattern{MessageId::OverviewNotSaved,
            QT_TRANSLATE_NOOP("message", "Overview could not be saved (%1)")},
    //: %1 is the file's name. A symbolic link leading out of the folder of the class's files.
    Pattern{MessageId::LinkOutNotWritten,
            QT_TRANSLATE_NOOP("message", "%1 is a link out of the class folder: not written")},
    //: %1 is the file's (or folder's) name, %2 the account that owns it, %3 the system's reason
    //: ("Permission denied").
    Pattern{MessageId::FileNotWritable,
            QT_TRANSLATE_NOOP("message", "%1 (owner %2) cannot be written (%3)")},
    //: %1 is the file's name, %2 the folder's name, %3 the account that owns the folder, %4
    //: the system's reason ("Permission denied").
    Pattern{MessageId::FileNotMade,
            QT_TRANSLATE_NOOP(
                "message", "%1 cannot be made: the folder %2 (owner %3) cannot be written (%4)")},
    Pattern{MessageId::FolderUnreachable,
            QT_TRANSLATE_NOOP("message", "The data folder cannot be reached: saving again soon")},
    //: %1 is the pupil, %2 the computer (and since when).
    Pattern{MessageId::PupilInUse, QT_TRANSLATE_NOOP("message", "%1 is in use on %2")},
    //: %1 is the pupil.
    Pattern{MessageId::PupilTakenOver,
            QT_TRANSLATE_NOOP(
                "message",
                "%1 was taken over by another computer: her results are no longer saved here")},
    //: %1 is a computer's name, %2 a time of day (10:02).
    Pattern{MessageId::HolderSince, QT_TRANSLATE_NOOP("message", "%1 since %2")},
    //: Who holds a pupil or the class list when the lock names no one.
    Pattern{MessageId::AnotherComputer, QT_TRANSLATE_NOOP("message", "another computer")},
    Pattern{MessageId::ClassFileRepaired,
            QT_TRANSLATE_NOOP("message", "The class file (StdDat.Xrx) was damaged and has been "
                                         "repaired: every pupil found in it is listed.")},
    //: %1 is the system's reason.
    Pattern{MessageId::ClassFileUnread,
            QT_TRANSLATE_NOOP("message",
                              "The class file (StdDat.Xrx) cannot be read (%1): it is left "
                              "as it is, and pupils cannot be added, removed or renamed.")},
    //: %1 is the computer (and since when).
    Pattern{MessageId::ClassListBusy,
            QT_TRANSLATE_NOOP("message", "The class list is being changed on %1: choose Cancel and "
                                         "open this window again in a moment.")},
    //: %1 is the pupil, %2 the computer (and since when).
    Pattern{MessageId::PupilInUseCannotChange,
            QT_TRANSLATE_NOOP(
                "message",
                "%1 is in use on %2: she can be changed once that computer has let her go.")},
    //: %1 is the pupil, %2 the computer (and since when).
    Pattern{MessageId::PupilInUseTakeOver,
            QT_TRANSLATE_NOOP("message", "%1 is in use on %2. Take Over only when that computer is "
                                         "off: what it has not saved is lost.")},
    Pattern{MessageId::LetterRefused,
            QT_TRANSLATE_NOOP("message", "That letter cannot be kept in a pupil's name: use the "
                                         "letters of Western European languages.")},
    Pattern{MessageId::ChooseToRename,
            QT_TRANSLATE_NOOP("message", "Choose the pupil to rename in the list first.")},
    Pattern{MessageId::TypeNewName,
            QT_TRANSLATE_NOOP("message", "Type the new name in the box above the list first.")},
    //: %1 is the name typed.
    Pattern{MessageId::AlreadyListed,
            QT_TRANSLATE_NOOP("message", "%1 is already on the list: choose another name.")},
    //: %1 is the pupil.
    Pattern{
        MessageId::NoRecordYet,
        QT_TRANSLATE_NOOP("message", "%1 has no record in the class file yet: choose OK first.")},
    //: %1 is the name typed.
    Pattern{MessageId::ResultsUnderName,
            QT_TRANSLATE_NOOP("message",
                              "Results are already kept under the name %1: choose another name.")},
    //: %1 is the pupil's old name, %2 her new one.
    Pattern{MessageId::HistoryStaysUnderName,
            QT_TRANSLATE_NOOP("message", "The answer history of %1 stays under that name: another "
                                         "history is kept under the name %2.")},
    //: %1 is the pupil; %2 is the main window's line that says which files were not saved.
    Pattern{
        MessageId::OutgoingResultsNotSaved,
        QT_TRANSLATE_NOOP("message",
                          "The results of %1 could not be saved, so no other pupil is loaded: %2")},
    Pattern{MessageId::TheClassFile, QT_TRANSLATE_NOOP("message", "The class file")},
    //: %1 is the pupil.
    Pattern{MessageId::SettingsNotStored,
            QT_TRANSLATE_NOOP("message", "The settings of %1 could not be stored")},
    //: %1 is the pupil.
    Pattern{MessageId::PupilNotShownYet, QT_TRANSLATE_NOOP("message", "%1 cannot be shown yet")},
    //: %1 is the name typed.
    Pattern{MessageId::PupilNotAdded, QT_TRANSLATE_NOOP("message", "%1 could not be added")},
    //: %1 is the pupil.
    Pattern{MessageId::PupilNotRenamed, QT_TRANSLATE_NOOP("message", "%1 could not be renamed")},
    Pattern{MessageId::ListNotSaved,
            QT_TRANSLATE_NOOP("message", "The list could not be saved, nothing is changed yet")},
    //: %1 says what could not be done (one of the messages above), %2 is the computer.
    Pattern{MessageId::BecauseListBusy,
            QT_TRANSLATE_NOOP("message", "%1: the class list is being changed on %2. Try again to "
                                         "wait for it, or choose Cancel.")},
    //: %1 says what could not be done (one of the messages above).
    Pattern{MessageId::BecauseRemovedElsewhere,
            QT_TRANSLATE_NOOP("message", "%1: another computer has removed this pupil.")},
    //: %1 says what could not be done, %2 is the file's name, %3 why (the system's reason, or
    //: one of the reasons at the end).
    Pattern{MessageId::BecauseFileFailed, QT_TRANSLATE_NOOP("message", "%1 (%2): %3.")},
    //: %1 says what could not be done, %2 why (a file not written, or one of the reasons at
    //: the end).
    Pattern{MessageId::BecauseOf, QT_TRANSLATE_NOOP("message", "%1: %2.")},
    //: %1 is the pupil.
    Pattern{MessageId::NoAnswersYet, QT_TRANSLATE_NOOP("message", "No answers kept yet for %1")},
    //: %1 is the pupil.
    Pattern{MessageId::HistoryUnread,
            QT_TRANSLATE_NOOP("message", "The history of %1 could not be read")},
    Pattern{MessageId::PasswordWrong,
            QT_TRANSLATE_NOOP("message", "That is not the teacher password.")},
    Pattern{MessageId::PasswordCurrentWrong,
            QT_TRANSLATE_NOOP("message", "The current password is not right.")},
    Pattern{MessageId::PasswordEmpty,
            QT_TRANSLATE_NOOP("message", "Type the new password in both boxes.")},
    Pattern{MessageId::PasswordsDiffer,
            QT_TRANSLATE_NOOP("message", "The two new passwords are not the same.")},
    Pattern{MessageId::PasswordNotSaved,
            QT_TRANSLATE_NOOP("message", "The teacher password could not be saved")},
    Pattern{MessageId::PasswordNotRemoved,
            QT_TRANSLATE_NOOP("message", "The teacher password could not be removed")},
    //: %1 is the file's name, %2 why (the system's reason, or one of the reasons below).
    Pattern{MessageId::PasswordUnusable,
            QT_TRANSLATE_NOOP("message", "The teacher password cannot be checked (%1): %2. "
                                         "Deleting that file removes the password.")},
    // Why something could not be done with a file, where the program itself refused; each
    // stands after "(file): " in a message above.
    Pattern{MessageId::ReasonClassFull,
            QT_TRANSLATE_NOOP("message", "the class list holds no more pupils")},
    Pattern{MessageId::ReasonNameTaken,
            QT_TRANSLATE_NOOP("message", "results are already kept under that name")},
    Pattern{MessageId::ReasonInUse,
            QT_TRANSLATE_NOOP("message", "it is in use on another computer")},
    Pattern{MessageId::ReasonTakenOver,
            QT_TRANSLATE_NOOP("message", "another computer has taken it over")},
    Pattern{MessageId::ReasonRemoved,
            QT_TRANSLATE_NOOP("message", "another computer has removed it")},
    Pattern{MessageId::ReasonMissing, QT_TRANSLATE_NOOP("message", "it is not there")},
    Pattern{MessageId::ReasonDamaged, QT_TRANSLATE_NOOP("message", "it is damaged")},
    Pattern{MessageId::ReasonNewer,
            QT_TRANSLATE_NOOP("message", "it was made by a newer version of Sumblitz")},
    Pattern{MessageId::ReasonLinkOut,
            QT_TRANSLATE_NOOP("message", "it is a link out of the class folder")},
    Pattern{MessageId::ReasonUnreachable,
            QT_TRANSLATE_NOOP("message", "the data folder cannot be reached")},
    Pattern{MessageId::ReasonUnreadable, QT_TRANSLATE_NOOP("message", "it could not be read")},
};

// Every message that has words of its own has its row, in the order of MessageId.
constexpr MessageId kFirstPattern = MessageId::SettingsNotSaved;
constexpr bool inOrder()
{
    for (std::size_t i = 0; i < kPatterns.size(); ++i) {
        if (static_cast<std::size_t>(kPatterns[i].id) !=
            static_cast<std::size_t>(kFirstPattern) + i) {
            return false;
        }
    }
    return kPatterns.back().id == MessageId::ReasonUnreadable;
}
static_assert(inOrder(), "one row per message, in the order of MessageId");

const char* pattern(MessageId id)
{
    return kPatterns[static_cast<std::size_t>(id) - static_cast<std::size_t>(kFirstPattern)].text;
}

// The text with %1 ... %9 replaced in one pass, so that a name holding "%2" stays as it is.
QString fill(const QString& text, const QStringList& args)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('%') && i + 1 < text.size() && text.at(i + 1) >= QLatin1Char('1') &&
            text.at(i + 1) <= QLatin1Char('9')) {
            const qsizetype n = text.at(i + 1).unicode() - '1';
            if (n < args.size()) {
                out += args.at(n);
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

} // namespace

QString messageText(const Message& message)
{
    QStringList args;
    for (const Message& arg : message.args) {
        args << messageText(arg);
    }
    switch (message.id) {
    case MessageId::None:
        return {};
    case MessageId::Text:
        return toQString(message.text);
    case MessageId::List:
        return args.join(QStringLiteral("; "));
    default:
        return fill(QCoreApplication::translate("message", pattern(message.id)), args);
    }
}

} // namespace sb
