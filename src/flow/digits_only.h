// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace sb {

// The key filter of the number boxes of the settings windows, given the character code of a
// typed key: the digits 0..9, Backspace (8) and Tab (9) pass unchanged; every other key becomes
// 0, which drops it.
constexpr int DigitsOnly(int key)
{
    if (key == 8 || key == 9 || (key >= '0' && key <= '9')) {
        return key;
    }
    return 0;
}

} // namespace sb
