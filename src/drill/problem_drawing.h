// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace sb {

// What a problem display (the main window's dm, the pop-up's dp) draws: the text, and where
// the division sign goes. The view measures the text in its font and places it with
// layoutProblem(); markText is the part whose width fixes the mark m.
struct ProblemDrawing {
    std::string text;
    std::string markText;
    bool divisionSign = false;
    int hyphenBack = 55; // the hyphen is drawn at m - hyphenBack (units of 1/1440 inch)
    int colonBack = 160; // the colon is drawn at m - colonBack

    bool operator==(const ProblemDrawing&) const = default;
};

// Where a problem display draws its text. All lengths in units of 1/1440 inch.
struct ProblemLayout {
    int x = 0; // drawing position
    int y = 0;
    int mark = 0;    // m: x plus the width of the first number and " -"
    int hyphenX = 0; // where the hyphen of the division sign goes (when drawn)
    int colonX = 0;  // where the colon goes
};

// The centring arithmetic of dm and dp: x = round(boxWidth - textWidth) \ 2, likewise y, and
// m = round(x + markWidth). \ truncates toward zero.
ProblemLayout layoutProblem(double boxWidth, double boxHeight, double textWidth, double textHeight,
                            double markWidth, const ProblemDrawing& drawing);

} // namespace sb
