// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAudioDevice>
#include <QObject>
#include <QPixmap>
#include <QString>

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

    // The files found by locate, played on the system's default output.
    explicit QtSound(const AssetLocator& locate = findAsset);
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

// The main window's pictures (pictureFile 1..5). show(n) makes picture n the current one and
// emits pictureChanged with it. Each file is read the first time it is shown and kept; a
// missing or unreadable file, or an n outside 1..5, leaves the current picture as it was and
// emits nothing (a file that was missing is looked for again the next time).
class QtPictures final : public QObject, public Pictures {
    Q_OBJECT
public:
    explicit QtPictures(QObject* parent = nullptr);
    explicit QtPictures(AssetLocator locate, QObject* parent = nullptr);

    void show(PictureId picture) override;

    // The picture shown now; a null pixmap until one has been shown.
    const QPixmap& current() const { return m_current; }
    // Its number 1..5; 0 until one has been shown.
    int shown() const { return m_shown; }

signals:
    void pictureChanged(const QPixmap& picture);

private:
    AssetLocator m_locate;
    std::array<QPixmap, 6> m_cache; // slots 1..5
    QPixmap m_current;
    int m_shown = 0;
};

// A few words saying what picture n (1..5) shows, for a screen reader; empty for any other n.
QString pictureDescription(PictureId picture);

} // namespace sb
