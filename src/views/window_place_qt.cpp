// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/window_place_qt.h"

#include <QGuiApplication>
#include <QRegion>
#include <QScreen>
#include <QSettings>
#include <QStyle>
#include <QWidget>

namespace sb {

namespace {

const QString kGeometryKey = QStringLiteral("mainWindow/geometry");

// The part of r that the screens' free areas show, in pixels.
qint64 shownArea(const QRect& r)
{
    QRegion shown;
    for (const QScreen* screen : QGuiApplication::screens()) {
        shown += screen->availableGeometry().intersected(r);
    }
    qint64 area = 0;
    for (const QRect& part : shown) {
        area += static_cast<qint64>(part.width()) * part.height();
    }
    return area;
}

bool wellShown(const QRect& r)
{
    const QPoint topMiddle(r.center().x(), r.top());
    const bool titleShown = QGuiApplication::screenAt(topMiddle) != nullptr;
    return titleShown && shownArea(r) * 4 >= static_cast<qint64>(r.width()) * r.height() * 3;
}

void placeNaturally(QWidget& window)
{
    const QScreen* screen =
        window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect free = screen->availableGeometry();
    // Room for the frame the window manager adds; the window is not shown yet, so its frame is
    // not known.
    const int title = window.style()->pixelMetric(QStyle::PM_TitleBarHeight) + 8;
    const QSize size = window.sizeHint()
                           .expandedTo(window.minimumSizeHint())
                           .boundedTo(free.size() - QSize(8, title));
    window.resize(size);
    QRect placed(QPoint(0, 0), size + QSize(8, title));
    placed.moveCenter(free.center());
    window.move(placed.topLeft());
}

} // namespace

void restoreWindowPlace(QWidget& window, const QSettings& settings)
{
    const QByteArray saved = settings.value(kGeometryKey).toByteArray();
    if (!saved.isEmpty() && window.restoreGeometry(saved) && wellShown(window.frameGeometry())) {
        return;
    }
    placeNaturally(window);
}

void saveWindowPlace(const QWidget& window, QSettings& settings)
{
    settings.setValue(kGeometryKey, window.saveGeometry());
}

} // namespace sb
