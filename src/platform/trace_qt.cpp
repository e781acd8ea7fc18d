// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/trace_qt.h"

#include <QElapsedTimer>
#include <QtGlobal>

#include <cstdio>
#include <ctime>

#include "platform/first_paint_qt.h"

namespace sb {

namespace {

// Started while the program is loaded, before main runs.
struct Trace {
    QElapsedTimer since;
    bool on = qEnvironmentVariableIsSet("SUMBLITZ_TRACE");
    Trace() { since.start(); }
};
Trace loaded;

} // namespace

void trace(const char* step)
{
    if (!loaded.on) {
        return;
    }
    timespec cpu{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
    std::fprintf(stderr, "sumblitz-trace %8.2f ms  cpu %7.2f ms  %s\n",
                 static_cast<double>(loaded.since.nsecsElapsed()) / 1e6,
                 static_cast<double>(cpu.tv_sec) * 1e3 + static_cast<double>(cpu.tv_nsec) / 1e6,
                 step);
}

} // namespace sb

namespace sb {

void traceFirstPaint(QWidget& window)
{
    if (loaded.on) {
        afterFirstPaint(window, [] { trace("first paint"); });
    }
}

} // namespace sb
