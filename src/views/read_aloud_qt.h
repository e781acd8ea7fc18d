// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <optional>

#include "platform/speech.h"

class QAbstractButton;

namespace sb {

// The drill said aloud to a pupil with Read Aloud on, in the program's language: lines said
// one at a time, a new one cutting off the one before, each begun once the drill sound just
// played has ended; and the answer a button shows, said when the pupil moves to it with the
// keyboard or points at it with the mouse. Off, it says nothing and a line's follow-up runs
// at once.
class DrillVoice final : public QObject {
public:
    // sounds: where the drill's sounds are played (null: none to wait for).
    DrillVoice(Speech& speech, const SoundBesideSpeech* sounds, Clock& clock,
               QObject* parent = nullptr);

    void setOn(bool on);
    bool on() const { return m_on; }
    // Says line; then `said` runs, once, when it was said or cut off (at once when off).
    void say(const QString& line, std::function<void()> said = {});
    // Cuts off the line being said or waiting to be.
    void stop();
    void watchAnswer(QAbstractButton* button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void sayNow();

    Speech& m_speech;
    const SoundBesideSpeech* m_sounds;
    Clock& m_clock;
    bool m_on = false;
    std::optional<SpokenLine> m_waiting; // for the sound to end
    QTimer m_soundEnds;
};

} // namespace sb
