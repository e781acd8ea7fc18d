// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QSocketNotifier;

namespace sb {

// Turns SIGTERM, SIGHUP and SIGINT (a kill, a closed terminal, Ctrl+C, a desktop that ends the
// session) into a signal of the event loop, so that the program saves its files and ends as a
// close of its window would. The handler only writes a byte to a pipe; everything else runs
// on the user-interface thread. One per program, made before the window is shown.
class StopSignals final : public QObject {
    Q_OBJECT
public:
    explicit StopSignals(QObject* parent = nullptr);
    ~StopSignals() override;

signals:
    // One of the signals arrived (its number).
    void stopRequested(int signal);

private:
    void drain();

    QSocketNotifier* m_notifier = nullptr;
};

} // namespace sb
