// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/probe_qt.h"

#include <QAbstractButton>
#include <QEvent>
#include <QTimer>

#include <cstdio>

#include "flow/program.h"
#include "views/main_window.h"
#include "views/problem_view_qt.h"

namespace sb {

namespace {

class Probe final : public QObject {
public:
    Probe(MainWindow& window, const Program& program)
        : QObject(&window), m_window(window), m_program(program),
          m_dm(window.findChild<ProblemView*>(QStringLiteral("dm")))
    {
        m_dm->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            // Told once the paint is done, as the floor does.
            QTimer::singleShot(0, this, [this] { tell(); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static QPoint centre(const QWidget* w) { return w->mapToGlobal(w->rect().center()); }

    void tell()
    {
        const QString shown = m_dm->accessibleName();
        const QRect r(m_dm->mapToGlobal(QPoint(0, 0)), m_dm->size());
        if (!m_startTold) {
            m_startTold = true;
            // Start, and where its first problem will be drawn.
            const QPoint s = centre(m_window.findChild<QAbstractButton*>(QStringLiteral("start")));
            std::printf("start %d %d %d %d %d %d\n", s.x(), s.y(), r.x(), r.y(), r.width(),
                        r.height());
        } else if (!shown.isEmpty() && shown != m_told) {
            const auto* b = m_window.findChild<QAbstractButton*>(
                QStringLiteral("but%1").arg(m_program.drill.rightSlot));
            const QPoint c = centre(b);
            std::printf("target %d %d %d %d %d %d\n", c.x(), c.y(), r.x(), r.y(), r.width(),
                        r.height());
        } else {
            return;
        }
        m_told = shown;
        std::fflush(stdout);
    }

    MainWindow& m_window;
    const Program& m_program;
    ProblemView* m_dm;
    QString m_told;
    bool m_startTold = false;
};

} // namespace

void installProbe(MainWindow& window, const Program& program)
{
    if (qEnvironmentVariableIsSet("SUMBLITZ_PROBE")) {
        new Probe(window, program);
    }
}

} // namespace sb
