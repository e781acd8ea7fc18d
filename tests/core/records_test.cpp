#include "records/drill_settings.h"
#include "records/fact_table.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using sb::Drill;
using sb::DrillSettings;
using I16 = std::int16_t;

constexpr I16 S = 77; // a value no default has

// Every field and every slot (slot 0 included) holding S.
DrillSettings sentinelRecord()
{
    DrillSettings r;
    r.tag = r.switchAB = r.loadOnStart = r.autoTeach = r.stopOn = r.operation = r.reviewOn = S;
    r.teachSet.fill(S);
    r.smartCheck.fill(S);
    r.smartValue.fill(S);
    r.firstRange.fill(S);
    r.secondNum.fill(S);
    for (auto& column : r.numStats) {
        column.fill(S);
    }
    r.reviewCount = r.reviewLeft = S;
    return r;
}

TEST(OriginalDefaults, AreWrittenIntoTheDefaultRecordFieldByField)
{
    sb::Settings all;
    all.defaultSettings = sentinelRecord();
    all.curSettings = sentinelRecord();

    sb::LoadOriginalDefaults(all);

    const DrillSettings& d = all.defaultSettings;
    EXPECT_EQ(std::string(d.name.data(), 20), "Default             ");
    EXPECT_EQ((std::array<I16, 7>{d.tag, d.switchAB, d.loadOnStart, d.autoTeach, d.stopOn,
                                  d.operation, d.reviewOn}),
              (std::array<I16, 7>{0, 1, 0, 0, 2, 1, 1}));
    // Slot 0 of every array keeps what it held.
    EXPECT_EQ(d.teachSet, (std::array<I16, 5>{S, 200, 80, 15, 100}));
    EXPECT_EQ(d.smartCheck, (std::array<I16, 7>{S, 1, 1, 1, 1, 1, 0}));
    EXPECT_EQ(d.smartValue, (std::array<I16, 14>{S, 2, 3, 5, 3, 3, 2, 2, 3, 5, 30, 200, 10, 0}));
    EXPECT_EQ(d.firstRange, (std::array<I16, 5>{S, 1, 0, 0, 0}));
    EXPECT_EQ(d.secondNum, (std::array<I16, 11>{S, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
    for (const auto& column : d.numStats) {
        EXPECT_EQ(column, (std::array<I16, 11>{S, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    }
    EXPECT_EQ(d.reviewCount, 0);
    EXPECT_EQ(d.reviewLeft, -2);
    // The aliases name the slots the defaults went into.
    EXPECT_EQ(
        (std::array<I16, 4>{d.averageOver(), d.maxMinutes(), d.shockSeconds(), d.popupSeconds()}),
        (std::array<I16, 4>{15, 30, 10, 5}));
    EXPECT_EQ(all.curSettings, sentinelRecord());
}

TEST(ResetTeachProgress, ClearsProgressOfSecondNumbersOneToTenOnly)
{
    DrillSettings r = sentinelRecord();

    sb::ResetTeachProgress(r);

    DrillSettings expected = sentinelRecord();
    expected.reviewCount = 0;
    expected.reviewLeft = -2;
    for (auto& column : expected.numStats) {
        column = {S, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    }
    EXPECT_EQ(r, expected);
}

// A drill whose table is built: state 1 everywhere, factCount 200.
Drill builtDrill()
{
    Drill d;
    d.factCount = 200;
    for (int i = 1; i <= 200; ++i) {
        d.fact(i).state = 1;
    }
    return d;
}

std::vector<int> listOf(const std::array<I16, 202>& list, int count)
{
    return std::vector<int>(list.begin() + 1, list.begin() + 1 + count);
}

TEST(QueueRepeat, StopsAtFactCountWithoutTouchingTheFact)
{
    struct Row {
        I16 factCount;
        I16 repeatCount;
        bool queued;
    };
    for (const Row row : {Row{200, 200, false}, Row{200, 199, true}, Row{0, 0, false}}) {
        SCOPED_TRACE(testing::Message() << row.repeatCount << " of " << row.factCount);
        Drill d = builtDrill();
        d.factCount = row.factCount;
        d.repeatList.fill(3);
        d.repeatCount = row.repeatCount;
        d.curFact = 7;

        sb::QueueRepeat(d);

        EXPECT_EQ(d.repeatCount, row.repeatCount + (row.queued ? 1 : 0));
        EXPECT_EQ(d.repeatList[200], row.queued ? 7 : 3);
        EXPECT_EQ(d.repeatList[201], 3);
        EXPECT_EQ(d.fact(7).state, row.queued ? 2 : 1);
    }
}

TEST(UnqueueRepeat, RemovesOnlyTheLaterEntryOfAFactQueuedTwice)
{
    Drill d = builtDrill();
    for (int fact : {7, 9, 7, 4}) {
        d.curFact = static_cast<I16>(fact);
        sb::QueueRepeat(d);
    }

    d.curFact = 7;
    sb::UnqueueRepeat(d);
    EXPECT_EQ(listOf(d.repeatList, d.repeatCount), (std::vector<int>{7, 9, 4}));
    EXPECT_EQ(d.fact(7).state, 1); // although its earlier entry remains

    sb::UnqueueRepeat(d);
    sb::UnqueueRepeat(d); // no longer listed: nothing changes
    EXPECT_EQ(listOf(d.repeatList, d.repeatCount), (std::vector<int>{9, 4}));
}

// Pool 3, 5, 8, 12 (count 4) with 20 left over in slot 5; repeat list 5, 12, 5.
TEST(RetireFact, RetiresOrDeclines)
{
    struct Row {
        const char* what;
        I16 curFact;
        I16 removeOverridesRepeat;
        I16 repeatsLeft;
        std::vector<int> pool;   // afterwards
        std::vector<int> repeat; // afterwards
    };
    const std::vector<int> poolBefore{3, 5, 8, 12};
    const std::vector<int> repeatBefore{5, 12, 5};
    const std::vector<Row> rows{
        {"override on, repetitions pending", 5, 1, 3, {3, 8, 12}, {5, 12}},
        {"last pooled fact", 12, 0, 0, {3, 5, 8}, {5, 5}},
        {"override off, repetitions pending", 5, 0, 3, poolBefore, repeatBefore},
        {"override 2 is not on", 5, 2, 3, poolBefore, repeatBefore},
        {"only beyond the pool count", 20, 1, 0, poolBefore, repeatBefore},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Drill d = builtDrill();
        d.pool = {0, 3, 5, 8, 12, 20};
        d.poolCount = 4;
        d.repeatList = {0, 5, 12, 5};
        d.repeatCount = 3;
        d.fact(5).state = 2;
        d.fact(12).state = 2;
        d.curFact = row.curFact;
        d.fact(row.curFact).repeatsLeft = row.repeatsLeft;
        DrillSettings s;
        s.removeOverridesRepeat() = row.removeOverridesRepeat;
        const bool retires = row.pool != poolBefore;
        const I16 stateBefore = d.fact(row.curFact).state;

        sb::RetireFact(d, s);

        EXPECT_EQ(listOf(d.pool, d.poolCount), row.pool);
        EXPECT_EQ(listOf(d.repeatList, d.repeatCount), row.repeat);
        // Retired: 0, not the 1 that unqueueing leaves.
        EXPECT_EQ(d.fact(row.curFact).state, retires ? 0 : stateBefore);
    }
}

} // namespace
