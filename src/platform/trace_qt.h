// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace sb {

// A start-up trace for finding where the time goes: with SUMBLITZ_TRACE set in the
// environment, each call writes "sumblitz-trace <ms> <step>" to stderr, <ms> being the time
// since the program was loaded (to 0.01 ms), and the CPU time the process has used by then.
// Without the variable a call costs one test of a flag.
void trace(const char* step);

// With the trace on, traces "first paint" once window has painted for the first time.
void traceFirstPaint(QWidget& window);

} // namespace sb
