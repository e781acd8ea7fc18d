// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace sb {

struct Program;
class MainWindow;

// For the start-up and redraw benchmark (bench/floor/startup_probe): when SUMBLITZ_PROBE is
// set, the program says on stdout where a measuring X client should click, in screen
// coordinates: "start X Y RX RY RW RH" (the Start button, and the rectangle where its first
// problem will be drawn) once the window is first painted, then
// "target X Y RX RY RW RH" (the right answer's button, and the rectangle of the problem) once
// each new problem has been painted. Does nothing without the variable.
void installProbe(MainWindow& window, const Program& program);

} // namespace sb
