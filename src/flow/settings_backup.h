// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "records/drill_settings.h"

namespace sb {

// What the settings windows put back. The Smart Repeat and Student Data windows change
// curSettings while they are open, and either may be opened over the other (never deeper).
// Each window takes curSettings as it stands when it opens and applies that record on Cancel.
// The record taken by the first of the windows open now is curSettings as it was before any of
// them changed it: a shut-down that cannot wait for them (a signal, the display gone) puts
// that one back. Every record kept for Cancel is here and nowhere else, so a pupil renamed
// while the windows are open is renamed here once.
class SettingsBackup {
public:
    enum class Window : std::uint8_t { SmartRepeat, StudentData };

    // Window w opens over the windows open now: cur is what its Cancel puts back.
    void take(Window w, const DrillSettings& cur);
    // Cancel of window w: cur := the record w took (the last one, when it opened twice without
    // closing). Nothing changes when w has taken none.
    void apply(Window w, DrillSettings& cur) const;
    // The record w took, or nothing when it has taken none.
    std::optional<DrillSettings> taken(Window w) const;
    // Window w closes: the records it took go, and so do those of windows opened over it.
    void release(Window w);
    // OK in the window on top made cur current: the windows under it start from it now, so
    // that their Cancel, and a shut-down that cannot wait, keep it.
    void startFrom(const DrillSettings& cur);
    // Every record whose trimmed name is old takes the name fresh.
    void rename(std::string_view old, std::string_view fresh);
    // curSettings before the settings windows open now changed it; nothing when none is open.
    std::optional<DrillSettings> beforeWindows() const;
    // A shut-down with settings windows still open counts them as cancelled: cur :=
    // beforeWindows(), when there is one, and nothing is kept afterwards.
    void cancelAll(DrillSettings& cur);

private:
    struct Taken {
        Window window;
        DrillSettings record;
    };
    // In the order the windows opened.
    std::vector<Taken> m_taken;
};

} // namespace sb
