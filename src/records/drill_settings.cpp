// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/drill_settings.h"

#include <algorithm>

namespace sb {

void setName(DrillSettings& s, std::string_view name)
{
    s.name.fill(' ');
    const std::size_t n = std::min(name.size(), kNameLength);
    std::copy_n(name.begin(), n, s.name.begin());
}

std::string trimBlanks(std::string_view text)
{
    // A NUL counts as a blank: a name field from a zero-filled or damaged record holds them.
    constexpr std::string_view blanks(" \0", 2);
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(blanks);
    return std::string(text.substr(first, last - first + 1));
}

std::string trimmedName(const DrillSettings& s)
{
    return trimBlanks(std::string_view(s.name.data(), s.name.size()));
}

void LoadOriginalDefaults(Settings& settings)
{
    DrillSettings& d = settings.defaultSettings;
    setName(d, "Default");
    d.loadOnStart = 0;
    d.switchAB = 1;
    d.autoTeach = 0;
    d.operation = OpAdd;
    d.stopOn = 2;
    d.tag = 0;
    d.reviewOn = 1;
    d.firstRange[1] = 1;
    for (std::size_t i = 2; i <= 4; ++i) {
        d.firstRange[i] = 0;
    }
    for (std::size_t i = 1; i <= 10; ++i) {
        d.secondNum[i] = 1;
    }
    constexpr auto teach = std::to_array<std::int16_t>({200, 80, 15, 100});
    for (std::size_t i = 1; i <= 4; ++i) {
        d.teachSet[i] = teach[i - 1];
    }
    for (std::size_t i = 1; i <= 5; ++i) {
        d.smartCheck[i] = 1;
    }
    d.smartCheck[6] = 0;
    constexpr auto values =
        std::to_array<std::int16_t>({2, 3, 5, 3, 3, 2, 2, 3, 5, 30, 200, 10, 0});
    for (std::size_t i = 1; i <= 13; ++i) {
        d.smartValue[i] = values[i - 1];
    }
    ResetTeachProgress(d);
}

void ResetTeachProgress(DrillSettings& record)
{
    record.reviewCount = 0;
    record.reviewLeft = kNoReview;
    for (auto& column : record.numStats) {
        std::fill(column.begin() + 1, column.end(), std::int16_t{0});
    }
}

} // namespace sb
