// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sound_qt.h"

#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include <memory>
#include <string_view>
#include <utility>

namespace sb {

namespace {

QString trimmedName(std::string_view stored)
{
    return QString::fromLatin1(stored.data(), static_cast<qsizetype>(stored.size())).trimmed();
}

} // namespace

// Owns the sounds, on the sound thread: made, started and stopped there only.
class QtSound::Player final : public QObject {
public:
    // One file per slot, empty for none.
    void load(const std::array<QString, 7>& paths, const QAudioDevice& device)
    {
        for (std::size_t i = 1; i < paths.size(); ++i) {
            if (paths[i].isEmpty())
                continue;
            m_effects[i] = std::make_unique<QSoundEffect>(device);
            m_effects[i]->setSource(QUrl::fromLocalFile(paths[i]));
        }
    }

    // One sound at a time: a new one cuts off the one still sounding, its own included.
    void stopAll()
    {
        for (auto& effect : m_effects) {
            if (effect)
                effect->stop();
        }
    }

    // False when the slot's file is there but cannot be decoded.
    bool play(std::size_t slot)
    {
        stopAll();
        QSoundEffect* effect = m_effects[slot].get();
        if (effect == nullptr)
            return true;
        if (effect->status() == QSoundEffect::Error)
            return false;
        effect->play();
        return true;
    }

private:
    std::array<std::unique_ptr<QSoundEffect>, 7> m_effects; // slots 1..6
};

QtSound::QtSound(const AssetLocator& locate, const QAudioDevice& device, Beep beep)
    : m_beep(std::move(beep))
{
    std::array<QString, 7> paths;
    for (std::size_t slot = 1; slot <= 6; ++slot) {
        const QString path = locate(trimmedName(soundFile[slot]));
        m_missing[slot] = path.isEmpty();
        // Without an output there is nothing to load the found sounds for.
        if (!path.isEmpty() && !device.isNull()) {
            paths[slot] = path;
            m_loaded[slot] = true;
        }
    }
    m_player = new Player;
    m_player->moveToThread(&m_thread);
    QObject::connect(&m_thread, &QThread::finished, m_player, &QObject::deleteLater);
    m_thread.setObjectName(QStringLiteral("sumblitz sound"));
    m_thread.start();
    // Queued before any play(), so the sounds are there when the first is started.
    QMetaObject::invokeMethod(
        m_player, [player = m_player, paths, device] { player->load(paths, device); },
        Qt::QueuedConnection);
}

QtSound::~QtSound()
{
    // The player and its sounds are deleted on their thread as it ends.
    m_thread.quit();
    m_thread.wait();
}

void QtSound::play(SoundId sound)
{
    const int slot = static_cast<int>(sound);
    if (slot < 1 || slot > 6)
        return;
    const auto i = static_cast<std::size_t>(slot);
    // A missing file beeps at once; one that is there but cannot be decoded is as good as
    // missing, which only the player finds out.
    if (m_missing[i]) {
        QMetaObject::invokeMethod(
            m_player, [player = m_player] { player->stopAll(); }, Qt::QueuedConnection);
        if (m_beep)
            m_beep();
        return;
    }
    QObject* home = &m_home;
    QMetaObject::invokeMethod(
        m_player,
        [player = m_player, i, home, beep = m_beep] {
            if (!player->play(i) && beep)
                QMetaObject::invokeMethod(home, beep, Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

bool QtSound::has(SoundId sound) const
{
    const int slot = static_cast<int>(sound);
    return slot >= 1 && slot <= 6 && m_loaded[static_cast<std::size_t>(slot)];
}

} // namespace sb

extern "C" Q_DECL_EXPORT sb::Sound* sumblitzMakeSound(const sb::AssetLocator* locate,
                                                      const sb::QtSound::Beep* beep)
{
    return new sb::QtSound(*locate, QMediaDevices::defaultAudioOutput(), *beep);
}
