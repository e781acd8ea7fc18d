// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/speech.h"

namespace sb {

std::chrono::milliseconds soundLength(SoundId sound)
{
    // The lengths of the sound files the program comes with, rounded up.
    switch (sound) {
    case SoundId::Start:
        return std::chrono::milliseconds(900);
    case SoundId::Correct:
    case SoundId::Wrong:
        return std::chrono::milliseconds(450);
    case SoundId::TimeOut:
        return std::chrono::milliseconds(700);
    case SoundId::Finish:
        return std::chrono::milliseconds(1500);
    case SoundId::Tick:
        return std::chrono::milliseconds(60);
    }
    return std::chrono::milliseconds(0);
}

void SoundBesideSpeech::play(SoundId sound)
{
    if (sound == SoundId::Tick && m_speech.speaking()) {
        return;
    }
    if (sound != SoundId::Tick) {
        m_speech.stop();
    }
    m_sound.play(sound);
    m_quietAt = m_clock.steadyNow() + soundLength(sound);
}

} // namespace sb
