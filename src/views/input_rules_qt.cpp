// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/input_rules_qt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QWidget>

#include "records/fact_table.h"

namespace sb {

namespace {

bool isMouse(QEvent::Type type)
{
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
}

bool isInput(QEvent::Type type)
{
    return isMouse(type) || type == QEvent::MouseButtonRelease || type == QEvent::KeyPress ||
           type == QEvent::KeyRelease || type == QEvent::Wheel || type == QEvent::ContextMenu ||
           type == QEvent::TouchBegin;
}

} // namespace

InputRules::InputRules(Window window) : m_window(std::move(window))
{
    qApp->installEventFilter(this);
}

InputRules::~InputRules()
{
    qApp->removeEventFilter(this);
}

bool InputRules::eventFilter(QObject* watched, QEvent* event)
{
    if (!watched->isWidgetType()) {
        return false;
    }
    auto* widget = static_cast<QWidget*>(watched);
    const QEvent::Type type = event->type();
    if (refusedBehindDialog(widget, event)) {
        return true;
    }
    if (isMouse(type)) {
        return secondClickOfDouble(widget, static_cast<QMouseEvent*>(event));
    }
    if (type != QEvent::KeyPress) {
        return false;
    }
    auto* key = static_cast<QKeyEvent*>(event);
    return enterPresses(widget, key) || answerKey(widget, key);
}

bool InputRules::refusedBehindDialog(QWidget* widget, const QEvent* event) const
{
    if (widget->window() != m_window.main || !isInput(event->type()) || !m_window.modalOpen()) {
        return false;
    }
    QWidget* dialog = m_window.popup() != nullptr ? m_window.popup() : m_window.delay();
    if (dialog != nullptr && event->type() == QEvent::MouseButtonPress) {
        dialog->raise();
        dialog->activateWindow();
    }
    return true;
}

bool InputRules::secondClickOfDouble(QWidget* widget, const QMouseEvent* event)
{
    const bool mainAnswer = m_window.answerButton(widget);
    QWidget* popup = m_window.popup();
    const bool popAnswer = popup != nullptr && widget->window() == popup &&
                           qobject_cast<QPushButton*>(widget) != nullptr;
    if (!mainAnswer && !popAnswer) {
        return false;
    }
    const quint64 now = event->timestamp();
    const auto interval = static_cast<quint64>(QApplication::doubleClickInterval());
    if (mainAnswer && m_answerPressed && now >= m_lastAnswerPress &&
        now - m_lastAnswerPress < interval) {
        return true;
    }
    if (event->type() == QEvent::MouseButtonPress) {
        m_lastAnswerPress = now;
        m_answerPressed = true;
    }
    return false;
}

bool InputRules::enterPresses(QWidget* widget, const QKeyEvent* key) const
{
    auto* button = qobject_cast<QAbstractButton*>(widget);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (widget->window() != m_window.main || button == nullptr || !enter || key->isAutoRepeat() ||
        (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        return false;
    }
    button->click();
    return true;
}

bool InputRules::answerKey(QWidget* widget, QKeyEvent* key)
{
    const int i = key->key() - Qt::Key_0;
    const auto mods = key->modifiers() & ~Qt::KeypadModifier;
    const QWidget* window = widget->window();
    QWidget* popup = m_window.popup();
    const bool main = window == m_window.main;
    if (i < 1 || i > kAnswerButtons || mods != Qt::NoModifier ||
        (!main && (popup == nullptr || window != popup))) {
        return false;
    }
    key->accept();
    const auto stamp = std::make_pair(key->timestamp(), key->key());
    if (key->isAutoRepeat() || (stamp.first != 0 && stamp == m_lastAnswerKey)) {
        return true;
    }
    m_lastAnswerKey = stamp;
    if (main) {
        m_window.answerMain(i);
    } else {
        m_window.answerPopup(i);
    }
    return true;
}

} // namespace sb
