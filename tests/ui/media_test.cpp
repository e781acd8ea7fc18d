#include <gtest/gtest.h>

#include <QAudioDevice>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <vector>

#include "platform/assets_qt.h"
#include "platform/media_qt.h"

namespace {

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// The build puts the program's own pictures and sounds beside the test executable.
QString builtAsset(const QString& name)
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(name);
}

} // namespace

TEST(QtPictures, MissingOrBrokenFileKeepsThePreviousPicture)
{
    QTemporaryDir dir;
    ASSERT_TRUE(writeFile(dir.filePath("broken.jpg"), QByteArray("not a picture at all")));
    QMap<QString, QString> files{{"logo.jpg", builtAsset("logo.jpg")},
                                 {"ssmile.jpg", dir.filePath("broken.jpg")},
                                 {"sp.jpg", builtAsset("sp.jpg")}};
    sb::QtPictures pictures([&](const QString& name) { return files.value(name); });
    QSignalSpy changed(&pictures, &sb::QtPictures::pictureChanged);

    struct Step {
        int show, shownAfter, signalsAfter;
    };
    // hsmile.jpg (2) is missing, ssmile.jpg (3) broken, 0 and 6 are no pictures at all.
    const std::vector<Step> steps{{2, 0, 0}, {1, 1, 1}, {2, 1, 1}, {3, 1, 1},
                                  {6, 1, 1}, {4, 4, 2}, {1, 1, 3}};
    for (const Step& s : steps) {
        SCOPED_TRACE("show(" + std::to_string(s.show) + ")");
        pictures.show(static_cast<sb::PictureId>(s.show));
        EXPECT_EQ(pictures.shown(), s.shownAfter);
        EXPECT_EQ(changed.count(), s.signalsAfter);
    }
    // The teacher puts the missing file in place: the next show finds it.
    files["hsmile.jpg"] = builtAsset("hsmile.jpg");
    pictures.show(sb::PictureId::Happy);
    EXPECT_EQ(pictures.shown(), 2);
}
