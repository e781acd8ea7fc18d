// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/answer_log.h"

#include <algorithm>
#include <utility>

#include "flow/failures.h"
#include "flow/lifecycle.h"
#include "flow/program.h"
#include "flow/progress.h"
#include "records/drill_settings.h"

namespace sb {

namespace {

std::int16_t bitsOf(std::span<const std::int16_t> boxes)
{
    int bits = 0;
    for (std::size_t i = 1; i < boxes.size(); ++i) {
        if (boxes[i] == 1) {
            bits |= 1 << i;
        }
    }
    return static_cast<std::int16_t>(bits);
}

void noteOutcomes(Program& p)
{
    for (const auto& [path, written] : p.history.writer->outcomes()) {
        noteFile(p, {path, FileOutcome::Action::Save, written});
    }
    // A line of its own, so that it stays once the answers are saved again.
    for (const auto& [path, aside] : p.history.writer->setAsideFiles()) {
        const std::string pupil =
            path == historyPath(p) ? trimmedName(p.cur()) : path.stem().stem().string();
        noteLine(p, NoticeTopic::HistorySetAside,
                 {MessageId::HistorySetAside, {pupil, fileNameOf(aside)}});
    }
}

// The history of the pupil this program holds by her lock, or none.
std::filesystem::path heldHistory(const Program& p)
{
    const auto lock = pupilLockPath(p, p.cur());
    const LockFile& held = p.run.pupilLock;
    const bool hers = lock && held.held() && held.path() == *lock && !p.run.pupilTakenOver;
    return hers ? historyPath(p) : std::filesystem::path();
}

} // namespace

std::filesystem::path historyPath(const Program& p)
{
    return p.services.dataDir / historyFileName(trimmedName(p.cur()));
}

void NoteProblemShown(Program& p)
{
    p.history.shownMs = p.services.clock.utcMillis();
}

void NoteAnswerGiven(Program& p, int slot)
{
    const Drill& d = p.drill;
    const DrillSettings& s = p.cur();
    AnswerRow r;
    r.atMs = p.services.clock.utcMillis();
    // A drill's counters start afresh at its first answer; a resumed drill goes on counting,
    // under the first answer of its own pupil when another pupil was made current meanwhile.
    const std::string pupil = trimmedName(s);
    if (d.total <= 1 || p.history.drillMs == 0 || p.history.drillPupil != pupil) {
        p.history.drillMs = r.atMs;
        p.history.drillPupil = pupil;
    }
    r.drillMs = p.history.drillMs;
    r.operation = s.operation;
    r.fact = d.curFact;
    // The numbers as the pupil saw them: 9 x 6 posed is kept as 9 x 6, of the fact 6 x 9.
    r.first = d.fact(d.curFact).first;
    r.second = d.fact(d.curFact).second;
    if (d.posedTurnedAround) {
        std::swap(r.first, r.second);
    }
    r.answer = trimBlanks(d.answerText[static_cast<std::size_t>(d.rightSlot)]);
    if (slot >= 1 && slot <= kAnswerButtons) {
        r.chosen = trimBlanks(d.answerText[static_cast<std::size_t>(slot)]);
        r.outcome = slot == d.rightSlot ? AnswerOutcome::Right : AnswerOutcome::Wrong;
    } else {
        r.outcome = AnswerOutcome::TimeOut;
    }
    const std::int64_t took = r.atMs - p.history.shownMs;
    // From none to a day at most.
    r.millis = static_cast<std::int32_t>(std::clamp<std::int64_t>(took, 0, 86'400'000));
    r.autoTeach = s.autoTeach == 1 ? 1 : 0;
    r.ranges = bitsOf(s.firstRange);
    r.seconds = bitsOf(s.secondNum);
    p.history.given = std::move(r);
}

void WriteAnswerHistory(Program& p)
{
    if (!p.history.given) {
        return;
    }
    // Nobody's answers have no file to keep them in; a pupil another computer took over is
    // written there from now on.
    if (trimmedName(p.cur()).empty() || p.run.pupilTakenOver) {
        p.history.given.reset();
        return;
    }
    // What the tries before this answer came to; this one's is told with the next answer (or
    // a flush), so the notice never depends on how quickly the writer's thread is.
    noteOutcomes(p);
    const LockFile& held = p.run.pupilLock;
    p.history.writer->holding(heldHistory(p));
    p.history.writer->submit(historyPath(p), std::move(*p.history.given),
                             held.held() ? std::optional<HistoryWriter::Holder>(
                                               {&p.services.files, held.path(), held.text()})
                                         : std::nullopt);
    p.history.given.reset();
}

void FlushAnswerHistory(Program& p)
{
    p.history.writer->settle();
    noteOutcomes(p);
}

Status RenameHistory(Program& p, std::string_view oldName, std::string_view newName)
{
    const Status moved = p.history.writer->rename(p.services.dataDir / historyFileName(oldName),
                                                  p.services.dataDir / historyFileName(newName));
    noteOutcomes(p);
    return moved;
}

Status SetAsideHistory(Program& p, std::string_view name)
{
    Clock& clock = p.services.clock;
    const std::int64_t now = clock.utcMillis();
    const std::string day =
        DateOfDay((now + std::int64_t{clock.utcOffsetSeconds(now)} * 1000) / 86'400'000);
    const auto from = p.services.dataDir / historyFileName(name);
    Status moved;
    for (int n = 1; n <= 99; ++n) {
        moved = p.history.writer->rename(from,
                                         p.services.dataDir / removedHistoryFileName(name, day, n));
        if (moved.code() != StatusCode::NameTaken) {
            break;
        }
    }
    noteOutcomes(p);
    return moved;
}

} // namespace sb
