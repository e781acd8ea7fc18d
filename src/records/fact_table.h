// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "records/drill_settings.h"

namespace sb {

inline constexpr int kFactSlots = 200;

// How many answers a problem offers, one per answer button, on slots 1..kAnswerButtons: the
// right one and kAnswerButtons - 1 wrong ones.
inline constexpr int kAnswerButtons = 3;

// One arithmetic fact with its per-fact counters. Also the 24-byte record of a fact file.
struct FactRec {
    std::int16_t first = 0;
    std::int16_t second = 0;
    std::int16_t answer = 0;
    std::int16_t group = 0;
    std::int16_t remainder = 0;
    std::int16_t fastRun = 0;
    std::int16_t repeatsLeft = 0;
    std::int16_t state = 0; // 0 retired, 1 in play, 2 in play and queued for repetition
    std::int16_t rightRun = 0;
    std::int16_t slowQueued = 0;
    std::int16_t correct = 0;
    std::int16_t asked = 0;

    bool operator==(const FactRec&) const = default;
};

// Fact index of second number s (1..10) and column c (1..20): 1..200, row by row.
constexpr int factIndex(int s, int c)
{
    return (s - 1) * 20 + c;
}

// The state a drill runs on. Tables keep their unused slot 0 (and slot 201) so that
// indexes read 1-based like everywhere else in the program.
struct Drill {
    std::array<FactRec, 202> facts{};
    std::int16_t factCount = 0;
    std::array<std::int16_t, 202> pool{};
    std::int16_t poolCount = 0;
    std::array<std::int16_t, 202> repeatList{};
    std::int16_t repeatCount = 0;
    std::int16_t curFact = 0;
    std::int16_t repeatDelay = -1;
    std::int16_t removedNow = 0;
    std::int16_t lastRight = 0;
    std::int16_t rightSlot = 1;
    std::int16_t wrongSlot1 = 2;
    std::int16_t wrongSlot2 = 3;
    std::string problemText;
    bool posedTurnedAround = false; // problemText shows the second number first
    std::array<std::string, kAnswerButtons + 1> answerText; // slots 1..kAnswerButtons
    std::int32_t score = 0;
    std::int32_t total = 0;
    std::int16_t drillMinutes = 0;
    std::int16_t minuteStamp = 0;
    std::int16_t shockLeft = 0;
    std::int16_t answerTime = 0;
    std::int16_t popLeft = 0;
    // The pupil whose answers the facts hold (trimmed name, Windows-1252): the one they were
    // built for or read from. Choosing another pupil whose facts are not kept leaves both the
    // facts and this name as they were.
    std::string owner;

    FactRec& fact(int i) { return facts[static_cast<std::size_t>(i)]; }
    const FactRec& fact(int i) const { return facts[static_cast<std::size_t>(i)]; }
    FactRec& current() { return fact(curFact); }
};

// Constant tables, by slot (slot 0 unused).
inline constexpr std::array<int, 5> groupLow{0, 1, 11, 14, 17};
inline constexpr std::array<int, 5> groupHigh{0, 10, 13, 16, 20};
// Adds curFact to the end of the repeat list and marks it queued (state 2), unless the list
// already holds factCount entries, in which case nothing changes at all. A fact may be queued
// more than once.
void QueueRepeat(Drill& d);

// Removes the last entry of curFact from the repeat list and marks it in play (state 1).
// Nothing happens when the fact is not on the list.
void UnqueueRepeat(Drill& d);

// Takes curFact out of the pool, off the repeat list, and retires it (state 0). Declines
// (changes nothing) when the fact is not in the pool, or when it still owes repetitions and
// removeOverridesRepeat is not 1.
void RetireFact(Drill& d, const DrillSettings& s);

// score, total and drillMinutes back to 0.
void ResetCounters(Drill& d);

} // namespace sb
