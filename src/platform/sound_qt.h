// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAudioDevice>

#include <array>
#include <functional>
#include <memory>

#include "platform/assets_qt.h"
#include "platform/media.h"

class QSoundEffect;

namespace sb {

// The drill sounds through Qt Multimedia. The six files (soundFile slots 1..6) are found and
// loaded once, when the object is made; play() returns at once, stops whatever is still
// sounding and starts the slot's sound from its beginning. A slot whose file is missing or
// could not be read gives the system's default sound (the beep) instead, so the pupil still
// hears that something happened. A slot outside 1..6 plays nothing, and a found file plays
// nothing on a machine without an audio output; nothing is ever reported to the pupil.
class QtSound final : public Sound {
public:
    using Beep = std::function<void()>;

    // A null device means "no audio": the found files are not loaded and stay silent. beep
    // stands in for QApplication::beep.
    QtSound(const AssetLocator& locate, const QAudioDevice& device, Beep beep);
    ~QtSound() override;
    QtSound(const QtSound&) = delete;
    QtSound& operator=(const QtSound&) = delete;

    void play(SoundId sound) override;

    // True when slot 1..6 has a sound ready to play (its file was found and there is an
    // output to play it on).
    bool has(SoundId sound) const;

private:
    std::array<std::unique_ptr<QSoundEffect>, 7> m_effects; // slots 1..6
    std::array<bool, 7> m_missing{};                        // slots 1..6 without a file
    Beep m_beep;
};

} // namespace sb

// The entry point of the sound module (sumblitz-sound.so), which alone links Qt Multimedia:
// a QtSound for the files locate finds, played on the system's default output, beep standing
// in for a missing file. LazySound loads the module and calls this by name.
extern "C" sb::Sound* sumblitzMakeSound(const sb::AssetLocator* locate,
                                        const sb::QtSound::Beep* beep);
