// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/first_paint_qt.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <utility>

namespace sb {

namespace {

class FirstPaint final : public QObject {
public:
    FirstPaint(QWidget& window, std::function<void()> then)
        : QObject(&window), m_then(std::move(then))
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Once the paint has been flushed to the screen, which follows the paint event.
            QTimer::singleShot(0, this, [this] {
                m_then();
                deleteLater();
            });
        }
        return false;
    }

private:
    std::function<void()> m_then;
};

} // namespace

void afterFirstPaint(QWidget& window, std::function<void()> then)
{
    new FirstPaint(window, std::move(then));
}

} // namespace sb
