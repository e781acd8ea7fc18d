// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string_view>

#include "flow/answer_log_state.h"
#include "students/answer_history.h"
#include "students/history_writer.h"

namespace sb {

struct Program;

// The current pupil's history file in the data directory.
std::filesystem::path historyPath(const Program& p);

// The drill clock started on a posed problem: the time to answer counts from here.
void NoteProblemShown(Program& p);
// The answer on slot 1..3 (or, with slot 0, a time-out) was just counted for curFact.
void NoteAnswerGiven(Program& p, int slot);
// The answer noted last is recorded (once, whatever the pop-up did between): notice first
// tells how the writes before it went (each history that could not be written is named, and a
// later success takes its line out), then the answer goes to the writer for the pupil's
// database.
void WriteAnswerHistory(Program& p);
// Waits until every answer recorded so far was tried, and updates notice.
void FlushAnswerHistory(Program& p);

// The Student Data window renamed the pupil oldName to newName (both trimmed): the history
// file and the answers still waiting for it go with the pupil. Missing when there was no
// history; Failed (both files kept) when newName already has one.
Status RenameHistory(Program& p, std::string_view oldName, std::string_view newName);
// The Student Data window removed the pupil: the history file and its waiting answers are set
// aside under a name of that day (removedHistoryFileName), never deleted, so that a pupil
// removed by mistake can be brought back with her answers. Missing when there was none.
Status SetAsideHistory(Program& p, std::string_view name);

} // namespace sb
