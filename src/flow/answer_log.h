// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "students/answer_history.h"
#include "students/history_writer.h"

namespace sb {

struct Program;

// The answer history as the running program writes it: the answer counted but not yet
// recorded, and the writer that takes recorded answers to the pupils' databases. A database
// that cannot be written (read-only folder, locked, damaged) never holds up a drill: its
// answers wait in the writer and go with the next answer.
struct AnswerLog {
    std::int64_t shownMs = 0; // when the problem on screen could first be answered
    std::int64_t drillMs = 0; // names the drill the next answers belong to
    std::optional<AnswerRow> given;
    std::unique_ptr<HistoryWriter> writer = std::make_unique<HistoryWriter>();
};

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
HistoryStatus RenameHistory(Program& p, std::string_view oldName, std::string_view newName);
// The Student Data window removed the pupil: the history file and its waiting answers go too.
HistoryStatus RemoveHistory(Program& p, std::string_view name);

} // namespace sb
