// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/media_qt.h"

#include <string_view>
#include <utility>

namespace sb {

namespace {

QString trimmedName(std::string_view stored)
{
    return QString::fromLatin1(stored.data(), static_cast<qsizetype>(stored.size())).trimmed();
}

} // namespace

QtPictures::QtPictures(QObject* parent) : QtPictures(findAsset, parent) {}

QtPictures::QtPictures(AssetLocator locate, QObject* parent)
    : QObject(parent), m_locate(std::move(locate))
{
}

bool QtPictures::show(PictureId picture)
{
    const int n = static_cast<int>(picture);
    if (n < 1 || n > 5) {
        return false;
    }
    const auto slot = static_cast<std::size_t>(n);
    QPixmap& cached = m_cache[slot];
    if (cached.isNull()) {
        const QString name = trimmedName(pictureFile[slot]);
        const QString path = m_locate(name);
        if (!path.isEmpty()) {
            cached = QPixmap::fromImage(readImage(path));
        }
        if (cached.isNull()) {
            if (!std::exchange(m_warned[slot], true)) {
                qWarning("sumblitz: the picture %s could not be read; the one before stays",
                         qPrintable(name));
            }
            return false;
        }
    }
    m_current = cached;
    m_shown = n;
    emit pictureChanged(m_current);
    return true;
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
