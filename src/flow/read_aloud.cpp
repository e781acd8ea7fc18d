// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/read_aloud.h"

#include "flow/answer_log.h"
#include "flow/lifecycle.h"
#include "records/drill_settings.h"

namespace sb {

bool ReadAloudOn(Program& p)
{
    const std::string pupil = trimmedName(p.cur());
    if (!p.run.readAloud || p.run.readAloud->first != pupil) {
        bool on = false;
        if (auto opened = HistoryDb::open(historyPath(p), false); opened.db) {
            on = opened.db->setting(kReadAloudSetting).value_or(0) != 0;
        }
        p.run.readAloud = {pupil, on};
    }
    return p.run.readAloud->second;
}

bool SetReadAloud(Program& p, bool on)
{
    if (ReadAloudOn(p) == on) {
        return true;
    }
    const auto path = historyPath(p);
    FlushAnswerHistory(p); // no waiting on the writer's own commit (see SetPracticeChoice)
    Status kept;
    if (p.run.pupilTakenOver) {
        kept = Status::refuse(StatusCode::TakenOver);
    } else if (auto opened = HistoryDb::open(path, true); !opened.status.ok()) {
        kept = opened.status; // a newer program's history is read, never written
    } else {
        kept = opened.db->setSetting(kReadAloudSetting, on ? 1 : 0);
    }
    if (!kept.ok()) {
        noteFile(p, {path, FileOutcome::Action::Save, kept});
        return false;
    }
    p.run.readAloud->second = on;
    return true;
}

} // namespace sb
