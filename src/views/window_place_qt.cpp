// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/window_place_qt.h"

#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QRegion>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QStyle>
#include <QVBoxLayout>
#include <QWidget>

namespace sb {

namespace {

const QString kGeometryKey = QStringLiteral("mainWindow/geometry");

// Room for the frame the window manager adds; before a window is shown its frame is not known.
QSize frameAllowance(const QWidget& window)
{
    return {8, window.style()->pixelMetric(QStyle::PM_TitleBarHeight) + 8};
}

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

// The window's natural size, as far as its screen's free area allows.
QSize naturalSize(const QWidget& window, const QRect& free)
{
    return window.sizeHint()
        .expandedTo(window.minimumSizeHint())
        .boundedTo(free.size() - frameAllowance(window));
}

const QScreen* screenOf(const QWidget& window)
{
    return window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
}

void placeNaturally(QWidget& window)
{
    const QScreen* screen = screenOf(window);
    if (screen == nullptr) {
        return;
    }
    const QRect free = screen->availableGeometry();
    const QSize size = naturalSize(window, free);
    window.resize(size);
    QRect placed(QPoint(0, 0), size + frameAllowance(window));
    placed.moveCenter(free.center());
    window.move(placed.topLeft());
}

} // namespace

void restoreWindowPlace(QWidget& window, const QSettings& settings)
{
    const QByteArray saved = settings.value(kGeometryKey).toByteArray();
    if (!saved.isEmpty() && window.restoreGeometry(saved) && wellShown(window.frameGeometry())) {
        // A size kept by a version with fewer controls must not cut controls off where the
        // screen has room for them.
        if (const QScreen* screen = screenOf(window)) {
            window.resize(
                window.size().expandedTo(naturalSize(window, screen->availableGeometry())));
        }
        if (wellShown(window.frameGeometry())) {
            return;
        }
    }
    placeNaturally(window);
}

void saveWindowPlace(const QWidget& window, QSettings& settings)
{
    settings.setValue(kGeometryKey, window.saveGeometry());
}

namespace {

// Its layout's minimum size, or more than room when none can be found.
bool needsMoreThan(QWidget& contents, QSize room)
{
    QLayout* layout = contents.layout();
    if (layout == nullptr) {
        return false;
    }
    layout->activate();
    const QSize needs = layout->totalMinimumSize().expandedTo(contents.minimumSize());
    return needs.width() > room.width() || needs.height() > room.height();
}

QScrollArea* scrolling(QWidget* contents)
{
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("fitScroll"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(contents);
    return scroll;
}

} // namespace

void fitToScreen(QWidget& window)
{
    const QScreen* screen = screenOf(window);
    if (screen == nullptr) {
        return;
    }
    const QSize room = screen->availableGeometry().size() - frameAllowance(window);
    QSize natural = window.sizeHint();
    if (auto* main = qobject_cast<QMainWindow*>(&window)) {
        QWidget* central = main->centralWidget();
        if (central != nullptr && needsMoreThan(*central, room)) {
            natural = main->sizeHint();
            main->setCentralWidget(scrolling(main->takeCentralWidget()));
        }
    } else if (needsMoreThan(window, room)) {
        natural = window.layout()->sizeHint();
        auto* contents = new QWidget;
        contents->setLayout(window.layout()); // its controls go with it
        auto* outer = new QVBoxLayout(&window);
        outer->setContentsMargins(0, 0, 0, 0);
        outer->addWidget(scrolling(contents));
        // The minimum the old layout set stays with the window until replaced.
        window.setMinimumSize(outer->totalMinimumSize());
    }
    const QSize size = window.testAttribute(Qt::WA_Resized) ? window.size() : natural;
    window.resize(size.boundedTo(room));
}

} // namespace sb
