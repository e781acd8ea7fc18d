// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

namespace sb {

// The six drill sounds, numbered as their slots of soundFile.
enum class SoundId { Start = 1, Correct = 2, Wrong = 3, TimeOut = 4, Finish = 5, Tick = 6 };

// The five pictures of the main window, numbered as their slots of pictureFile.
enum class PictureId { Logo = 1, Happy = 2, Sad = 3, TimeOut = 4, Ready = 5 };

// File names as stored: 20-character blank-padded fields, by slot (slot 0 unused).
inline constexpr std::array<std::string_view, 7> soundFile{"",
                                                           "start.wav           ",
                                                           "correct.wav         ",
                                                           "wrong.wav           ",
                                                           "timeout.wav         ",
                                                           "finish.wav          ",
                                                           "tick.wav            "};
inline constexpr std::array<std::string_view, 6> pictureFile{"",           "logo.jpg", "hsmile.jpg",
                                                             "ssmile.jpg", "sp.jpg",   "rg.jpg"};

constexpr std::string_view fileOf(SoundId s)
{
    return soundFile[static_cast<std::size_t>(s)];
}
constexpr std::string_view fileOf(PictureId p)
{
    return pictureFile[static_cast<std::size_t>(p)];
}

// Plays one of the drill sounds. Returns at once; a new sound cuts off the one still playing.
// A machine without audio plays nothing.
class Sound {
public:
    virtual ~Sound() = default;
    virtual void play(SoundId sound) = 0;
};

// Shows one of the pictures in the main window's picture. A missing or unreadable file keeps
// the previous picture and answers false, so that what the program says is on show (to a
// screen reader) stays the picture that is.
class Pictures {
public:
    virtual ~Pictures() = default;
    [[nodiscard]] virtual bool show(PictureId picture) = 0;
};

class SilentSound final : public Sound {
public:
    void play(SoundId) override {}
};

class NoPictures final : public Pictures {
public:
    bool show(PictureId) override { return true; } // nothing is drawn, nothing is missing
};

} // namespace sb
