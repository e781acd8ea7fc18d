// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/assets_qt.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPixmap>
#include <QPixmapCache>
#include <QStringList>

namespace sb {

namespace {

// The pixels of a JPEG the build made, as its reader decodes them, from the copy the build
// wrote beside it (<name>.jpg.ppm, raw pixels): read by the toolkit itself, where a JPEG needs
// the JPEG library and its plug-in loaded first. The copy is taken only while the SHA-1 of the
// JPEG's bytes is the one its comment line names; a teacher's own picture is read as it is.
QImage readDecodedCopy(const QString& jpeg)
{
    QFile copy(jpeg + QStringLiteral(".ppm"));
    QFile file(jpeg);
    if (!copy.open(QIODevice::ReadOnly) || copy.readLine(8) != "P6\n" ||
        !file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray sha1 = QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1);
    if (copy.readLine(64).trimmed() != "# Source-SHA1 " + sha1.toHex()) {
        return {};
    }
    copy.seek(0);
    QImageReader reader(&copy, "ppm");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

} // namespace

QImage readImage(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QStringLiteral("jpg")) {
        if (QImage decoded = readDecodedCopy(path); !decoded.isNull()) {
            return decoded;
        }
    }
    QImageReader named(path, suffix.toLatin1());
    named.setAutoDetectImageFormat(false);
    QImage image = named.read();
    return image.isNull() ? QImage(path) : image;
}

namespace {

// A number as QPixmap writes it into its cache keys: byte by byte from the lowest, each byte's
// low hex digit first.
template <typename T> QString cacheHex(T value)
{
    static constexpr char digits[] = "0123456789abcdef";
    QString out;
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        const auto byte = static_cast<unsigned>((value >> (8 * i)) & 0xFF);
        out += QLatin1Char(digits[byte & 0xF]);
        out += QLatin1Char(digits[byte >> 4]);
    }
    return out;
}

} // namespace

void readStylePictures()
{
    // The key QPixmap::load looks for first: should a Qt version make it differently, the
    // style reads its picture as before.
    const QString path =
        QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png");
    const QFileInfo info(path);
    const QImage frame = readImage(path);
    if (frame.isNull()) {
        return;
    }
    const QString key = QStringLiteral("qt_pixmap") + info.absoluteFilePath() +
                        cacheHex(static_cast<quint32>(info.lastModified().toSecsSinceEpoch())) +
                        cacheHex(static_cast<quint64>(info.size())) +
                        cacheHex(quint32{0}); // a plain pixmap
    QPixmapCache::insert(key, QPixmap::fromImage(frame));
}

QString findModule(const QString& fileName)
{
    const QDir bin(QCoreApplication::applicationDirPath());
    for (const QString& path : {bin.filePath(fileName),
                                bin.filePath(QStringLiteral(SUMBLITZ_MODULE_DIR "/") + fileName)}) {
        if (QFileInfo(path).isFile()) {
            return QDir::cleanPath(path);
        }
    }
    return {};
}

QString findAsset(const QString& name)
{
    return findAssetIn(QDir::currentPath(), name);
}

AssetLocator assetsIn(const QString& dataDir)
{
    return [dataDir](const QString& name) { return findAssetIn(dataDir, name); };
}

QString findAssetIn(const QString& dataDir, const QString& name)
{
    const QString file = name.trimmed();
    if (file.isEmpty())
        return {};
    const QString appDir = QCoreApplication::applicationDirPath();
    QStringList places{dataDir};
    if (!appDir.isEmpty()) {
        places << appDir;
        places << QDir(appDir).filePath(QStringLiteral("../share/sumblitz"));
    }
    for (const QString& place : places) {
        const QFileInfo info(QDir(place), file);
        if (info.isFile())
            return QDir::cleanPath(info.absoluteFilePath());
    }
    return {};
}

} // namespace sb
