// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/assets_qt.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QStringList>

// Outside the namespace: Q_INIT_RESOURCE declares the resource's initialiser in the global one.
static void initHelpResourceGlobal()
{
    Q_INIT_RESOURCE(help);
}

namespace sb {

QImage readImage(const QString& path)
{
    QImageReader named(path, QFileInfo(path).suffix().toLower().toLatin1());
    named.setAutoDetectImageFormat(false);
    QImage image = named.read();
    return image.isNull() ? QImage(path) : image;
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

void initHelpResource()
{
    initHelpResourceGlobal();
}

} // namespace sb
