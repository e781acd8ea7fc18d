// SPDX-License-Identifier: GPL-3.0-or-later
#include "drill/pool.h"

#include <algorithm>

#include "records/index.h"
#include "records/operations.h"

namespace sb {

void BuildFacts(Drill& d, const DrillSettings& s, Random& random)
{
    for (int i = 1; i <= kFactSlots; ++i) {
        d.fact(i) = FactRec{};
    }
    for (int sec = 1; sec <= 10; ++sec) {
        for (int g = 1; g <= 4; ++g) {
            for (int c = groupLow[asIndex(g)]; c <= groupHigh[asIndex(g)]; ++c) {
                FactRec& f = d.fact(factIndex(sec, c));
                f.group = i16(g);
                f.second = i16(sec);
                f.first = i16(c);
                if (!IsOperation(s.operation)) {
                    continue; // a damaged record's operation makes bare facts
                }
                const FactShape shape = OperationOf(s.operation).shape;
                const std::int16_t r = shape == FactShape::QuotientWithRemainder
                                           ? drawMod(random, 20.0, sec)
                                           : std::int16_t{0};
                ShapeFact(f, shape, sec, c, r);
            }
        }
    }
    d.factCount = kFactSlots;
    d.owner = trimmedName(s);
}

void BuildPool(Drill& d, const DrillSettings& s, PoolMode mode, std::int16_t row)
{
    int k = 1;
    for (int sec = 1; sec <= 10; ++sec) {
        for (int g = 1; g <= 4; ++g) {
            for (int c = groupLow[asIndex(g)]; c <= groupHigh[asIndex(g)]; ++c) {
                if (s.firstRange[asIndex(g)] != 1 || s.secondNum[asIndex(sec)] != 1) {
                    continue;
                }
                const int i = factIndex(sec, c);
                FactRec& f = d.fact(i);
                if (s.operation == Op10Sub && f.first != 10) {
                    continue;
                }
                d.pool[asIndex(k)] = i16(i);
                if (mode == PoolMode::ResetAll || sec == row) {
                    f.state = 1;
                    f.fastRun = 0;
                    f.repeatsLeft = 0;
                    f.rightRun = 0;
                    f.slowQueued = 0;
                    f.correct = 0;
                    f.asked = 0;
                }
                if (mode == PoolMode::RetireRow && sec == row) {
                    f.state = 0;
                }
                ++k;
            }
        }
    }
    d.poolCount = i16(k - 1);
}

bool SameSelections(const DrillSettings& cur, const DrillSettings& start)
{
    for (std::size_t g = 1; g < cur.firstRange.size(); ++g) {
        if (cur.firstRange[g] != start.firstRange[g]) {
            return false;
        }
    }
    for (std::size_t n = 1; n < cur.secondNum.size(); ++n) {
        if (cur.secondNum[n] != start.secondNum[n]) {
            return false;
        }
    }
    return cur.operation == start.operation;
}

void fixSelectionValues(DrillSettings& s)
{
    bool anyRange = false;
    for (std::size_t g = 1; g < s.firstRange.size(); ++g) {
        anyRange = anyRange || s.firstRange[g] == 1;
    }
    if (!anyRange) {
        s.firstRange[1] = 1;
    }
    bool anySecond = false;
    for (std::size_t n = 1; n < s.secondNum.size(); ++n) {
        anySecond = anySecond || s.secondNum[n] == 1;
    }
    if (!anySecond) {
        // 1 alone under Auto Teach, which climbs from there; all of them otherwise.
        s.secondNum[1] = 1;
        std::fill(s.secondNum.begin() + 2, s.secondNum.end(),
                  static_cast<std::int16_t>(s.autoTeach == 1 ? 0 : 1));
    }
}

} // namespace sb
