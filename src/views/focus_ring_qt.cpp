// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/focus_ring_qt.h"

#include <QApplication>
#include <QEvent>
#include <QFocusFrame>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOption>
#include <QWidget>

namespace sb {

namespace {

constexpr int kRingWidth = 2; // pixels, round the outside of the control

// The style in use, with its focus frame drawn as a ring of the highlight colour.
class RingStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override
    {
        if (metric == PM_FocusFrameHMargin || metric == PM_FocusFrameVMargin) {
            return kRingWidth;
        }
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
        if (element == CE_FocusFrame) {
            painter->fillRect(option->rect, option->palette.highlight());
            return;
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

// Moves the one frame to each control that takes the focus. The frame lives beside the
// control (a child of its parent) and goes with its window.
class RingFollower : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (!widget->isWindow()) {
                if (m_frame.isNull()) {
                    m_frame = new QFocusFrame(widget);
                }
                m_frame->setWidget(widget);
            }
        }
        return false;
    }

private:
    QPointer<QFocusFrame> m_frame;
};

} // namespace

void installFocusRing()
{
    static RingFollower* const follower = [] {
        QApplication::setStyle(new RingStyle(QApplication::style()->name()));
        auto* f = new RingFollower;
        f->setParent(qApp);
        qApp->installEventFilter(f);
        return f;
    }();
    Q_UNUSED(follower);
}

} // namespace sb
