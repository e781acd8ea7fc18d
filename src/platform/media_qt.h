#pragma once

#include <QAudioDevice>
#include <QObject>
#include <QPixmap>
#include <QString>

#include <array>
#include <memory>

#include "platform/assets_qt.h"
#include "platform/media.h"

class QSoundEffect;

namespace sb {

// The drill sounds through Qt Multimedia. The six files (soundFile slots 1..6) are found and
// loaded once, when the object is made; play() returns at once, stops whatever is still
// sounding and starts the slot's sound from its beginning. A slot whose file was missing, a
// slot outside 1..6, and every slot on a machine without an audio output play nothing;
// nothing is ever reported to the pupil.
class QtSound final : public Sound {
public:
    // The files found by findAsset, played on the system's default output.
    QtSound();
    // A null device means "no audio": the object stays silent and loads nothing.
    QtSound(const AssetLocator& locate, const QAudioDevice& device);
    ~QtSound() override;
    QtSound(const QtSound&) = delete;
    QtSound& operator=(const QtSound&) = delete;

    void play(SoundId sound) override;

    // True when slot 1..6 has a sound ready to play (its file was found and there is an
    // output to play it on).
    bool has(SoundId sound) const;

private:
    std::array<std::unique_ptr<QSoundEffect>, 7> m_effects; // slots 1..6
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
