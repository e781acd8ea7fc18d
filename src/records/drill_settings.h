// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace sb {

inline constexpr std::int16_t kNoReview = -2;
inline constexpr std::size_t kNameLength = 20;

// Operation codes as stored in a record.
enum Operation : std::int16_t {
    OpAdd = 1,
    Op10Sub = 2,
    OpSub = 3,
    OpMult = 4,
    OpDiv = 5,
    OpDivR = 6
};

// Everything that shapes a drill for one pupil, in its stored field order. Element 0 of each
// array is part of the stored layout but never used: indexes run from 1 as the program counts
// them. Records are copied whole with '='.
struct DrillSettings {
    std::int16_t tag = 0;
    // 20 single-byte (Windows-1252) characters, blank-padded.
    std::array<char, kNameLength> name{};
    std::int16_t switchAB = 0;
    std::int16_t loadOnStart = 0;
    std::int16_t autoTeach = 0;
    std::int16_t stopOn = 0;
    std::int16_t operation = 0;
    std::int16_t reviewOn = 0;
    std::array<std::int16_t, 5> teachSet{};
    std::array<std::int16_t, 7> smartCheck{};
    std::array<std::int16_t, 14> smartValue{};
    std::array<std::int16_t, 5> firstRange{};
    std::array<std::int16_t, 11> secondNum{};
    // numStats[column][n]: column 0 answerCount, 1 percentCorrect, 2 activeSteps; n 1..10.
    // Stored with n varying fastest, which is exactly this nesting.
    std::array<std::array<std::int16_t, 11>, 3> numStats{};
    std::int16_t reviewCount = 0;
    std::int16_t reviewLeft = 0;

    // teachSet slots
    std::int16_t& reviewAfter() { return teachSet[1]; }
    std::int16_t& advancePercent() { return teachSet[2]; }
    std::int16_t& averageOver() { return teachSet[3]; }
    std::int16_t& reviewLength() { return teachSet[4]; }
    std::int16_t reviewAfter() const { return teachSet[1]; }
    std::int16_t advancePercent() const { return teachSet[2]; }
    std::int16_t averageOver() const { return teachSet[3]; }
    std::int16_t reviewLength() const { return teachSet[4]; }

    // smartCheck slots
    std::int16_t& repeatWrongOn() { return smartCheck[1]; }
    std::int16_t& repeatSlowOn() { return smartCheck[2]; }
    std::int16_t& removeStreakOn() { return smartCheck[3]; }
    std::int16_t& removeFastOn() { return smartCheck[4]; }
    std::int16_t& removeOverridesRepeat() { return smartCheck[5]; }
    std::int16_t& saveLevel() { return smartCheck[6]; }
    std::int16_t repeatWrongOn() const { return smartCheck[1]; }
    std::int16_t repeatSlowOn() const { return smartCheck[2]; }
    std::int16_t removeStreakOn() const { return smartCheck[3]; }
    std::int16_t removeFastOn() const { return smartCheck[4]; }
    std::int16_t removeOverridesRepeat() const { return smartCheck[5]; }
    std::int16_t saveLevel() const { return smartCheck[6]; }

    // smartValue slots
    std::int16_t& wrongTimes() { return smartValue[1]; }
    std::int16_t& wrongRepeats() { return smartValue[2]; }
    std::int16_t& slowSeconds() { return smartValue[3]; }
    std::int16_t& slowRepeats() { return smartValue[4]; }
    std::int16_t& repeatWithin() { return smartValue[5]; }
    std::int16_t& removeStreak() { return smartValue[6]; }
    std::int16_t& removeSeconds() { return smartValue[7]; }
    std::int16_t& removeWindow() { return smartValue[8]; }
    std::int16_t& popupSeconds() { return smartValue[9]; }
    std::int16_t& maxMinutes() { return smartValue[10]; }
    std::int16_t& maxProblems() { return smartValue[11]; }
    std::int16_t& shockSeconds() { return smartValue[12]; }
    std::int16_t& delaySeconds() { return smartValue[13]; }
    std::int16_t wrongTimes() const { return smartValue[1]; }
    std::int16_t wrongRepeats() const { return smartValue[2]; }
    std::int16_t slowSeconds() const { return smartValue[3]; }
    std::int16_t slowRepeats() const { return smartValue[4]; }
    std::int16_t repeatWithin() const { return smartValue[5]; }
    std::int16_t removeStreak() const { return smartValue[6]; }
    std::int16_t removeSeconds() const { return smartValue[7]; }
    std::int16_t removeWindow() const { return smartValue[8]; }
    std::int16_t popupSeconds() const { return smartValue[9]; }
    std::int16_t maxMinutes() const { return smartValue[10]; }
    std::int16_t maxProblems() const { return smartValue[11]; }
    std::int16_t shockSeconds() const { return smartValue[12]; }
    std::int16_t delaySeconds() const { return smartValue[13]; }

    // numStats columns, n = 1..10
    std::int16_t& answerCount(int n) { return numStats[0][static_cast<std::size_t>(n)]; }
    std::int16_t& percentCorrect(int n) { return numStats[1][static_cast<std::size_t>(n)]; }
    std::int16_t& activeSteps(int n) { return numStats[2][static_cast<std::size_t>(n)]; }
    std::int16_t answerCount(int n) const { return numStats[0][static_cast<std::size_t>(n)]; }
    std::int16_t percentCorrect(int n) const { return numStats[1][static_cast<std::size_t>(n)]; }
    std::int16_t activeSteps(int n) const { return numStats[2][static_cast<std::size_t>(n)]; }

    bool operator==(const DrillSettings&) const = default;
};

// The name field as stored: blank-padded to 20 characters, cut when longer.
void setName(DrillSettings& s, std::string_view name);
// The name without blanks at either end.
std::string trimmedName(const DrillSettings& s);
// Blanks removed at both ends of any text.
std::string trimBlanks(std::string_view text);

// The four records the program keeps for its whole run. What Cancel of a settings window puts
// back is the flow's (SettingsBackup), and so is the pupil on display in Student Data.
struct Settings {
    DrillSettings curSettings;     // in use: edited by windows, read by the drill
    DrillSettings startSettings;   // the selection the current pool was built from
    DrillSettings defaultSettings; // custom defaults, template of every new pupil
    DrillSettings lastSettings;    // settings at the last exit, named "Untitled"
};

// Writes the original defaults into settings.defaultSettings (not into curSettings).
// Element 0 of each array keeps what it held.
void LoadOriginalDefaults(Settings& settings);

// Clears the Auto Teach progress of a record: reviewCount 0, reviewLeft -2 (no review),
// numStats of n = 1..10 zero. Slot 0 of each column and every other field keep their values.
void ResetTeachProgress(DrillSettings& record);

} // namespace sb
