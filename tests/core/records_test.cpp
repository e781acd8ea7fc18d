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

// Every field and every slot (slot 0 included) holding S, the name "xxx…".
DrillSettings sentinelRecord()
{
    DrillSettings r;
    r.tag = S;
    r.name.fill('x');
    r.switchAB = r.loadOnStart = r.autoTeach = r.stopOn = r.operation = r.reviewOn = S;
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

std::string nameOf(const DrillSettings& r)
{
    return std::string(r.name.data(), r.name.size());
}

TEST(OriginalDefaults, AreWrittenIntoTheDefaultRecordFieldByField)
{
    sb::Settings all;
    all.defaultSettings = sentinelRecord();
    all.curSettings = sentinelRecord();
    all.curSettings.operation = 4;
    const DrillSettings curBefore = all.curSettings;

    sb::LoadOriginalDefaults(all);

    const DrillSettings& d = all.defaultSettings;
    EXPECT_EQ(d.tag, 0);
    EXPECT_EQ(nameOf(d), "Default             ");
    EXPECT_EQ(d.switchAB, 1);
    EXPECT_EQ(d.loadOnStart, 0);
    EXPECT_EQ(d.autoTeach, 0);
    EXPECT_EQ(d.stopOn, 2);
    EXPECT_EQ(d.operation, 1);
    EXPECT_EQ(d.reviewOn, 1);
    // Element 0 of every array keeps what it held.
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
    EXPECT_EQ(d.averageOver(), 15);
    EXPECT_EQ(d.maxMinutes(), 30);
    EXPECT_EQ(d.shockSeconds(), 10);
    EXPECT_EQ(d.popupSeconds(), 5);

    EXPECT_EQ(all.curSettings, curBefore);
}

TEST(ResetTeachProgress, ClearsProgressOfSecondNumbersOneToTenOnly)
{
    DrillSettings r = sentinelRecord();
    r.reviewLeft = 40;
    r.answerCount(1) = 12;
    r.percentCorrect(10) = 95;
    r.activeSteps(5) = 3;

    sb::ResetTeachProgress(r);

    DrillSettings expected = sentinelRecord();
    expected.reviewCount = 0;
    expected.reviewLeft = -2;
    for (auto& column : expected.numStats) {
        column = {S, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    }
    EXPECT_EQ(r, expected); // slot 0 of each column included
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
    const std::vector<Row> rows{
        {200, 200, false}, {200, 199, true}, {200, 0, true}, {0, 0, false}, {200, 201, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.repeatCount << " of " << row.factCount);
        Drill d = builtDrill();
        d.factCount = row.factCount;
        for (std::size_t k = 1; k <= 201; ++k) {
            d.repeatList[k] = 3;
        }
        d.repeatCount = row.repeatCount;
        d.curFact = 7;

        sb::QueueRepeat(d);

        if (row.queued) {
            EXPECT_EQ(d.repeatCount, row.repeatCount + 1);
            EXPECT_EQ(d.repeatList[static_cast<std::size_t>(row.repeatCount + 1)], 7);
            EXPECT_EQ(d.fact(7).state, 2);
        } else {
            EXPECT_EQ(d.repeatCount, row.repeatCount);
            EXPECT_EQ(d.fact(7).state, 1);
            for (std::size_t k = 1; k <= 201; ++k) {
                EXPECT_EQ(d.repeatList[k], 3) << "slot " << k;
            }
        }
    }
}

TEST(UnqueueRepeat, RemovesOnlyTheLaterEntryOfAFactQueuedTwice)
{
    Drill d = builtDrill();
    for (int fact : {7, 9, 7, 4}) {
        d.curFact = static_cast<I16>(fact);
        sb::QueueRepeat(d);
    }
    ASSERT_EQ(listOf(d.repeatList, d.repeatCount), (std::vector<int>{7, 9, 7, 4}));
    ASSERT_EQ(d.fact(7).state, 2);

    d.curFact = 7;
    sb::UnqueueRepeat(d);
    EXPECT_EQ(listOf(d.repeatList, d.repeatCount), (std::vector<int>{7, 9, 4}));
    EXPECT_EQ(d.fact(7).state, 1); // although its earlier entry remains

    sb::UnqueueRepeat(d);
    EXPECT_EQ(listOf(d.repeatList, d.repeatCount), (std::vector<int>{9, 4}));

    // Not on the list, or past the count: nothing changes, a stale state 2 included.
    d.fact(7).state = 2;
    sb::UnqueueRepeat(d);
    EXPECT_EQ(listOf(d.repeatList, d.repeatCount), (std::vector<int>{9, 4}));
    EXPECT_EQ(d.fact(7).state, 2);
    d.repeatList[3] = 7;
    d.repeatCount = 0;
    sb::UnqueueRepeat(d);
    EXPECT_EQ(d.repeatCount, 0);
    EXPECT_EQ(d.fact(7).state, 2);
}

// Pool 3, 5, 8, 12 (count 4) with 20 left over in slot 5; repeat list 5, 12, 5.
TEST(RetireFact, RetiresOrDeclines)
{
    struct Row {
        const char* what;
        I16 curFact;
        I16 poolCount;
        I16 removeOverridesRepeat;
        I16 repeatsLeft;
        std::vector<int> pool;   // afterwards; empty when declined
        std::vector<int> repeat; // afterwards
    };
    const std::vector<Row> rows{
        {"override on, repetitions pending", 5, 4, 1, 3, {3, 8, 12}, {5, 12}},
        {"no repetitions pending", 5, 4, 0, 0, {3, 8, 12}, {5, 12}},
        {"negative repetitions count as none", 5, 4, 0, -1, {3, 8, 12}, {5, 12}},
        {"last pooled fact", 12, 4, 1, 0, {3, 5, 8}, {5, 5}},
        {"not queued", 3, 4, 1, 0, {5, 8, 12}, {5, 12, 5}},
        {"override off, repetitions pending", 5, 4, 0, 3, {}, {}},
        {"override 2 is not on", 5, 4, 2, 3, {}, {}},
        {"not in the pool", 9, 4, 1, 0, {}, {}},
        {"only beyond the pool count", 20, 4, 1, 0, {}, {}},
        {"empty pool", 3, 0, 1, 0, {}, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Drill d = builtDrill();
        const std::vector<int> poolBefore{3, 5, 8, 12, 20};
        for (std::size_t k = 0; k < poolBefore.size(); ++k) {
            d.pool[k + 1] = static_cast<I16>(poolBefore[k]);
        }
        d.poolCount = row.poolCount;
        d.repeatList[1] = 5;
        d.repeatList[2] = 12;
        d.repeatList[3] = 5;
        d.repeatCount = 3;
        d.fact(5).state = 2;
        d.fact(12).state = 2;
        d.curFact = row.curFact;
        d.fact(row.curFact).repeatsLeft = row.repeatsLeft;
        DrillSettings s;
        s.removeOverridesRepeat() = row.removeOverridesRepeat;
        const I16 stateBefore = d.fact(row.curFact).state;

        sb::RetireFact(d, s);

        if (row.pool.empty()) {
            EXPECT_EQ(d.poolCount, row.poolCount);
            EXPECT_EQ(listOf(d.pool, 5), poolBefore);
            EXPECT_EQ(listOf(d.repeatList, d.repeatCount), (std::vector<int>{5, 12, 5}));
            EXPECT_EQ(d.fact(row.curFact).state, stateBefore);
        } else {
            EXPECT_EQ(listOf(d.pool, d.poolCount), row.pool);
            EXPECT_EQ(listOf(d.repeatList, d.repeatCount), row.repeat);
            EXPECT_EQ(d.fact(row.curFact).state, 0); // not the 1 that unqueueing leaves
        }
        EXPECT_EQ(d.fact(row.curFact).repeatsLeft, row.repeatsLeft);
    }
}

} // namespace
