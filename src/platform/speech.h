// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <functional>
#include <string>

#include "platform/clock.h"
#include "platform/media.h"

namespace sb {

// A line to be said aloud: its text (UTF-8), the language of the voice ("en", "de", ...), and
// what is done once it has started and once it is over.
struct SpokenLine {
    std::string text;
    std::string language;
    std::function<void()> started; // the voice began it
    // Runs exactly once, on the program's thread: the line has been said, was cut off, or
    // cannot be said (there is no voice).
    std::function<void()> said;
};

// Says lines through the system's speech synthesis. say() returns at once and cuts off the
// line still being said (whose `said` then runs).
class Speech {
public:
    virtual ~Speech() = default;
    // Gets ready to speak soon: what a first line needs is loaded meanwhile.
    virtual void prepare() {}
    virtual void say(SpokenLine line) = 0;
    // Cuts off the line being said, if any.
    virtual void stop() = 0;
    // A line is being said, or waits to be.
    virtual bool speaking() const = 0;
};

// How long the program's own drill sounds last: a line said after one waits for it to end.
std::chrono::milliseconds soundLength(SoundId sound);

// The drill's sounds beside the speech, so that the two never talk over each other: a tick due
// while a line is said is skipped, and any other sound cuts the line off (the pupil answered or
// the time ran out: what was being said is over) and is then played. quietAt() is when the last
// sound played ends.
class SoundBesideSpeech final : public Sound {
public:
    SoundBesideSpeech(Sound& sound, Speech& speech, Clock& clock)
        : m_sound(sound), m_speech(speech), m_clock(clock)
    {
    }
    void play(SoundId sound) override;
    std::chrono::steady_clock::time_point quietAt() const { return m_quietAt; }

private:
    Sound& m_sound;
    Speech& m_speech;
    Clock& m_clock;
    std::chrono::steady_clock::time_point m_quietAt{};
};

} // namespace sb
