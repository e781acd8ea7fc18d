// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/read_aloud_qt.h"

#include <QAbstractButton>
#include <QFocusEvent>

#include <chrono>
#include <utility>

#include "platform/trace_qt.h"
#include "views/translation_qt.h"

namespace sb {

DrillVoice::DrillVoice(Speech& speech, const SoundBesideSpeech* sounds, Clock& clock,
                       QObject* parent)
    : QObject(parent), m_speech(speech), m_sounds(sounds), m_clock(clock)
{
    m_soundEnds.setSingleShot(true);
    connect(&m_soundEnds, &QTimer::timeout, this, &DrillVoice::sayNow);
}

void DrillVoice::setOn(bool on)
{
    if (m_on != on) {
        m_on = on;
        if (!on) {
            stop();
        }
    }
}

void DrillVoice::say(const QString& line, std::function<void()> said)
{
    stop();
    if (!m_on) {
        if (said) {
            said();
        }
        return;
    }
    const QString language = shownLanguage();
    m_waiting = SpokenLine{line.toStdString(),
                           language.isEmpty() ? std::string("en") : language.toStdString(),
                           {},
                           std::move(said)};
    const auto wait = m_sounds != nullptr ? m_sounds->quietAt() - m_clock.steadyNow()
                                          : std::chrono::steady_clock::duration::zero();
    const auto ms = std::chrono::ceil<std::chrono::milliseconds>(wait).count();
    if (ms > 0) {
        m_soundEnds.start(static_cast<int>(ms));
    } else {
        sayNow();
    }
}

void DrillVoice::sayNow()
{
    if (m_waiting) {
        SpokenLine line = *std::exchange(m_waiting, std::nullopt);
        trace("read aloud: line given");
        line.started = [] { trace("read aloud: started"); };
        m_speech.say(std::move(line));
    }
}

void DrillVoice::stop()
{
    m_soundEnds.stop();
    if (m_waiting) {
        SpokenLine line = *std::exchange(m_waiting, std::nullopt);
        if (line.said) {
            line.said();
        }
    }
    m_speech.stop();
}

void DrillVoice::watchAnswer(QAbstractButton* button)
{
    button->installEventFilter(this);
}

bool DrillVoice::eventFilter(QObject* watched, QEvent* event)
{
    // Said when the pupil points there or tabs there; not again when the pointer clicks it,
    // nor when the focus comes back to it as a window closes.
    const auto reason = [event] { return static_cast<QFocusEvent*>(event)->reason(); };
    const bool moved = event->type() == QEvent::Enter ||
                       (event->type() == QEvent::FocusIn &&
                        (reason() == Qt::TabFocusReason || reason() == Qt::BacktabFocusReason));
    if (m_on && moved) {
        const auto* button = static_cast<QAbstractButton*>(watched);
        if (button->isEnabled() && !button->text().isEmpty()) {
            say(button->text());
        }
    }
    return false;
}

} // namespace sb
