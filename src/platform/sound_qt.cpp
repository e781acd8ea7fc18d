// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sound_qt.h"

#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include <string_view>

namespace sb {

namespace {

QString trimmedName(std::string_view stored)
{
    return QString::fromLatin1(stored.data(), static_cast<qsizetype>(stored.size())).trimmed();
}

} // namespace

QtSound::QtSound(const AssetLocator& locate, const QAudioDevice& device, Beep beep)
    : m_beep(std::move(beep))
{
    for (int slot = 1; slot <= 6; ++slot) {
        const QString path = locate(trimmedName(soundFile[static_cast<std::size_t>(slot)]));
        m_missing[static_cast<std::size_t>(slot)] = path.isEmpty();
        // Without an output there is nothing to load the found sounds for.
        if (path.isEmpty() || device.isNull())
            continue;
        auto effect = std::make_unique<QSoundEffect>(device);
        effect->setSource(QUrl::fromLocalFile(path));
        m_effects[static_cast<std::size_t>(slot)] = std::move(effect);
    }
}

QtSound::~QtSound() = default;

void QtSound::play(SoundId sound)
{
    const int slot = static_cast<int>(sound);
    if (slot < 1 || slot > 6)
        return;
    // One sound at a time: a new one cuts off the one still sounding, its own included.
    for (auto& effect : m_effects) {
        if (effect)
            effect->stop();
    }
    const auto i = static_cast<std::size_t>(slot);
    // A file that is there but cannot be decoded is as good as missing.
    if (m_missing[i] || (m_effects[i] && m_effects[i]->status() == QSoundEffect::Error)) {
        if (m_beep)
            m_beep();
        return;
    }
    if (auto& effect = m_effects[i])
        effect->play();
}

bool QtSound::has(SoundId sound) const
{
    const int slot = static_cast<int>(sound);
    return slot >= 1 && slot <= 6 && m_effects[static_cast<std::size_t>(slot)] != nullptr;
}

} // namespace sb

extern "C" Q_DECL_EXPORT sb::Sound* sumblitzMakeSound(const sb::AssetLocator* locate,
                                                      const sb::QtSound::Beep* beep)
{
    return new sb::QtSound(*locate, QMediaDevices::defaultAudioOutput(), *beep);
}
