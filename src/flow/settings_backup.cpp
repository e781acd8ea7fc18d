// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/settings_backup.h"

#include <algorithm>

namespace sb {

void SettingsBackup::take(Window w, const DrillSettings& cur)
{
    m_taken.push_back({w, cur});
}

void SettingsBackup::apply(Window w, DrillSettings& cur) const
{
    if (const auto record = taken(w)) {
        cur = *record;
    }
}

std::optional<DrillSettings> SettingsBackup::taken(Window w) const
{
    const auto last = std::find_if(m_taken.rbegin(), m_taken.rend(),
                                   [w](const Taken& t) { return t.window == w; });
    if (last == m_taken.rend()) {
        return std::nullopt;
    }
    return last->record;
}

void SettingsBackup::release(Window w)
{
    // From the first record w took: a window over it cannot outlive it.
    const auto first =
        std::find_if(m_taken.begin(), m_taken.end(), [w](const Taken& t) { return t.window == w; });
    m_taken.erase(first, m_taken.end());
}

void SettingsBackup::startFrom(const DrillSettings& cur)
{
    for (Taken& t : m_taken) {
        t.record = cur;
    }
}

void SettingsBackup::rename(std::string_view old, std::string_view fresh)
{
    for (Taken& t : m_taken) {
        if (trimmedName(t.record) == old) {
            setName(t.record, fresh);
        }
    }
}

std::optional<DrillSettings> SettingsBackup::beforeWindows() const
{
    if (m_taken.empty()) {
        return std::nullopt;
    }
    return m_taken.front().record;
}

void SettingsBackup::cancelAll(DrillSettings& cur)
{
    if (const auto before = beforeWindows()) {
        cur = *before;
    }
    m_taken.clear();
}

} // namespace sb
