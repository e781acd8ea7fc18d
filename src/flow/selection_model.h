// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

namespace sb {

struct CheckBox {
    std::int16_t value = 0;
    bool enabled = true;
};

// The selection boxes of a window: the first-number ranges (a, slots 1..4), the second numbers
// (b, slots 1..10) and the operation buttons (op, 1..6; 0 when none is selected). The main window
// and the Student Data window each hold one; slot 0 of the arrays is unused.
struct SelectionBoxes {
    std::array<CheckBox, 5> a{};
    std::array<CheckBox, 11> b{};
    std::int16_t op = 1;
};

} // namespace sb
