// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/fact_table.h"

#include "records/index.h"

namespace sb {

namespace {

// Takes the last entry holding `value` out of list slots 1..count, moving the entries after it
// down one slot. False, with the list unchanged, when no entry holds it.
bool removeLast(std::array<std::int16_t, 202>& list, std::int16_t& count, std::int16_t value)
{
    int p = 0;
    for (int i = 1; i <= count; ++i) {
        if (list[asIndex(i)] == value) {
            p = i;
        }
    }
    if (p == 0) {
        return false;
    }
    for (int i = p; i < count; ++i) {
        list[asIndex(i)] = list[asIndex(i + 1)];
    }
    --count;
    return true;
}

bool contains(const std::array<std::int16_t, 202>& list, std::int16_t count, std::int16_t value)
{
    for (int i = 1; i <= count; ++i) {
        if (list[asIndex(i)] == value) {
            return true;
        }
    }
    return false;
}

} // namespace

void QueueRepeat(Drill& d)
{
    if (d.repeatCount >= d.factCount) {
        return;
    }
    ++d.repeatCount;
    d.repeatList[asIndex(d.repeatCount)] = d.curFact;
    d.current().state = 2;
}

void UnqueueRepeat(Drill& d)
{
    if (removeLast(d.repeatList, d.repeatCount, d.curFact)) {
        d.current().state = 1;
    }
}

void RetireFact(Drill& d, const DrillSettings& s)
{
    if (!contains(d.pool, d.poolCount, d.curFact)) {
        return;
    }
    // A fact with repetitions still owed stays in play unless removing may override them.
    if (s.removeOverridesRepeat() != 1 && d.current().repeatsLeft > 0) {
        return;
    }
    removeLast(d.pool, d.poolCount, d.curFact);
    UnqueueRepeat(d);
    d.current().state = 0;
}

void ResetCounters(Drill& d)
{
    d.score = 0;
    d.total = 0;
    d.drillMinutes = 0;
}

} // namespace sb
