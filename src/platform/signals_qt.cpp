// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/signals_qt.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

namespace sb {

namespace {

// The pipe the handler writes to: a signal handler can reach nothing but process-wide state,
// and this is all of it.
int stopPipe[2] = {-1, -1};

extern "C" void onStopSignal(int signal)
{
    const int saved = errno;
    const auto byte = static_cast<unsigned char>(signal);
    const ssize_t n = ::write(stopPipe[1], &byte, 1);
    static_cast<void>(n); // a full pipe already holds a request
    errno = saved;
}

} // namespace

StopSignals::StopSignals(QObject* parent) : QObject(parent)
{
    if (::pipe2(stopPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        return; // without the pipe the signals keep their default effect
    }
    m_notifier = new QSocketNotifier(stopPipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &StopSignals::drain);
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        ::sigaction(signal, &action, nullptr);
    }
}

StopSignals::~StopSignals()
{
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        ::sigaction(signal, &action, nullptr);
    }
}

void StopSignals::drain()
{
    unsigned char byte = 0;
    int last = 0;
    while (::read(stopPipe[0], &byte, 1) == 1) {
        last = byte;
    }
    if (last != 0) {
        emit stopRequested(last);
    }
}

} // namespace sb
