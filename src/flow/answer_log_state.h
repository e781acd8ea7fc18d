// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "students/answer_history.h"
#include "students/history_writer.h"

namespace sb {

// The answer history as the running program writes it: the answer counted but not yet
// recorded, and the writer that takes recorded answers to the pupils' databases. A database
// that cannot be written (read-only folder, locked, damaged) never holds up a drill: its
// answers wait in the writer and go with the next answer.
struct AnswerLog {
    std::int64_t shownMs = 0; // when the problem on screen could first be answered
    std::int64_t drillMs = 0; // names the drill the next answers belong to
    std::string drillPupil;   // whose answers drillMs names: each pupil's drill has its own
    std::optional<AnswerRow> given;
    std::unique_ptr<HistoryWriter> writer = std::make_unique<HistoryWriter>();
};

} // namespace sb
