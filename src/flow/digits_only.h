#pragma once

namespace sb {

// The key filter of the settings windows' number combos: Backspace (8), Tab (9) and the
// digits '0'..'9' pass unchanged; any other key becomes 0, which drops it.
constexpr char DigitsOnly(char key)
{
    return key == 8 || key == 9 || (key >= '0' && key <= '9') ? key : char{0};
}

} // namespace sb
