// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAudioDevice>
#include <QObject>
#include <QThread>

#include <array>
#include <functional>

#include "platform/assets_qt.h"
#include "platform/media.h"

namespace sb {

// The drill sounds through Qt Multimedia. The six files (soundFile slots 1..6) are found and
// loaded once, when the object is made; play() returns at once, stops whatever is still
// sounding and starts the slot's sound from its beginning. The sounds are loaded and started on
// a thread of their own: starting one opens a stream to the sound server and waits for its
// answer, which must hold up neither the next problem on screen nor, should the server hang,
// the window. A slot whose file is missing or could not be read gives the system's default
// sound (the beep) instead, so the pupil still hears that something happened. A slot outside 1..6
// plays nothing, and a found file plays nothing on a machine without an audio output; nothing is
// ever reported to the pupil.
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
    class Player;

    std::array<bool, 7> m_loaded{};  // slots 1..6 with a sound on the player
    std::array<bool, 7> m_missing{}; // slots 1..6 without a file
    Beep m_beep;
    QObject m_home;             // where the player's reports come back to, on this object's thread
    QThread m_thread;           // the player's
    Player* m_player = nullptr; // lives on m_thread, deleted as it ends
};

} // namespace sb

// The entry point of the sound module (sumblitz-sound.so), which alone links Qt Multimedia:
// a QtSound for the files locate finds, played on the system's default output, beep standing
// in for a missing file. LazySound loads the module and calls this by name.
extern "C" sb::Sound* sumblitzMakeSound(const sb::AssetLocator* locate,
                                        const sb::QtSound::Beep* beep);
