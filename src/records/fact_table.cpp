#include "records/fact_table.h"

#include "records/index.h"

namespace sb {

void QueueRepeat(Drill& d)
{
    if (d.repeatCount >= d.factCount) {
        return;
    }
    ++d.repeatCount;
    d.repeatList[at(d.repeatCount)] = d.curFact;
    d.current().state = 2;
}

void UnqueueRepeat(Drill& d)
{
    if (d.repeatCount < 1) {
        return;
    }
    int p = 0;
    for (int i = 1; i <= d.repeatCount; ++i) {
        if (d.repeatList[at(i)] == d.curFact) {
            p = i;
        }
    }
    if (p == 0) {
        return;
    }
    for (int i = p; i < d.repeatCount; ++i) {
        d.repeatList[at(i)] = d.repeatList[at(i + 1)];
    }
    --d.repeatCount;
    d.current().state = 1;
}

void RetireFact(Drill& d, const DrillSettings& s)
{
    if (d.poolCount < 1) {
        return;
    }
    int p = 0;
    for (int i = 1; i <= d.poolCount; ++i) {
        if (d.pool[at(i)] == d.curFact) {
            p = i;
        }
    }
    if (p == 0) {
        return;
    }
    if (s.removeOverridesRepeat() != 1 && d.current().repeatsLeft > 0) {
        return;
    }
    for (int i = p; i < d.poolCount; ++i) {
        d.pool[at(i)] = d.pool[at(i + 1)];
    }
    --d.poolCount;
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
