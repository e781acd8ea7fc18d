// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/media_qt.h"

#include <QApplication>
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

QtSound::QtSound(const AssetLocator& locate)
    : QtSound(locate, QMediaDevices::defaultAudioOutput(), [] { QApplication::beep(); })
{
}

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

QtPictures::QtPictures(QObject* parent) : QtPictures(findAsset, parent) {}

QtPictures::QtPictures(AssetLocator locate, QObject* parent)
    : QObject(parent), m_locate(std::move(locate))
{
}

void QtPictures::show(PictureId picture)
{
    const int n = static_cast<int>(picture);
    if (n < 1 || n > 5)
        return;
    QPixmap& cached = m_cache[static_cast<std::size_t>(n)];
    if (cached.isNull()) {
        const QString path = m_locate(trimmedName(pictureFile[static_cast<std::size_t>(n)]));
        if (path.isEmpty() || !cached.load(path))
            return;
    }
    m_current = cached;
    m_shown = n;
    emit pictureChanged(m_current);
}

QString pictureDescription(PictureId picture)
{
    switch (static_cast<int>(picture)) {
    case 1:
        return QStringLiteral("Sumblitz logo");
    case 2:
        return QStringLiteral("Happy face: right answer");
    case 3:
        return QStringLiteral("Thinking face: not this time");
    case 4:
        return QStringLiteral("Alarm clock: time is up");
    case 5:
        return QStringLiteral("Green light: ready, go");
    default:
        return {};
    }
}

} // namespace sb
