// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/announcer_qt.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QTimer>

#include <utility>

namespace sb {

namespace {

QAccessibleInterface* announcerFactory(const QString&, QObject* object)
{
    if (auto* announcer = dynamic_cast<Announcer*>(object)) {
        return new QAccessibleWidget(announcer, QAccessible::Notification);
    }
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(announcerFactory);
        return true;
    }();
    Q_UNUSED(installed);
    setObjectName(QStringLiteral("announcer"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 1, 1);
    hide();
}

void Announcer::say(const QString& line)
{
    m_pending = line;
    window()->installEventFilter(this); // once: installed again, a filter is not doubled
    if (window()->isActiveWindow()) {
        QTimer::singleShot(0, this, &Announcer::showLine);
    }
}

bool Announcer::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window() && event->type() == QEvent::ActivationChange &&
        window()->isActiveWindow() && !m_pending.isEmpty()) {
        QTimer::singleShot(0, this, &Announcer::showLine);
    }
    return false;
}

void Announcer::showLine()
{
    if (m_pending.isEmpty() || !window()->isActiveWindow()) {
        return;
    }
    // A screen reader hears a notification as it is shown: hidden first, so that the same line
    // twice (the same problem posed again) is heard twice.
    hide();
    setAccessibleName(std::exchange(m_pending, QString()));
    show();
}

void sayAside(QWidget* widget, const QString& line)
{
    QWidget* window = widget->window();
    Announcer* announcer = nullptr;
    for (QObject* child : window->children()) {
        announcer = announcer != nullptr ? announcer : dynamic_cast<Announcer*>(child);
    }
    if (announcer == nullptr) {
        announcer = new Announcer(window);
    }
    announcer->say(line);
}

void saySaved(QWidget* window, bool saved, const QString& path, const QString& why)
{
    sayAside(window, saved ? QCoreApplication::translate("sb::Announcer", "Saved: %1")
                                 .arg(QFileInfo(path).fileName())
                           : why);
}

QString problemInWords(const QString& shown)
{
    QString words = shown.simplified();
    const auto say = [](const char* word) {
        return QLatin1Char(' ') + QCoreApplication::translate("sb::Announcer", word) +
               QLatin1Char(' ');
    };
    words.replace(QStringLiteral(" + "), say(QT_TRANSLATE_NOOP("sb::Announcer", "plus")));
    words.replace(QStringLiteral(" - "), say(QT_TRANSLATE_NOOP("sb::Announcer", "minus")));
    words.replace(QStringLiteral(" x "), say(QT_TRANSLATE_NOOP("sb::Announcer", "times")));
    words.replace(QStringLiteral(" \u00F7 "),
                  say(QT_TRANSLATE_NOOP("sb::Announcer", "divided by")));
    words.replace(QStringLiteral(" = "), say(QT_TRANSLATE_NOOP("sb::Announcer", "is")));
    return words;
}

} // namespace sb
