// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAudioDevice>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>

#include <memory>

#include "platform/assets_qt.h"
#include "platform/media_qt.h"
#include "platform/sound_qt.h"
#include "support/test_support.h"

namespace sb {
namespace {

// A sound whose file is missing beeps at once; found files with no output to play them stay
// silent. The sounds' thread ends with the object, plays still queued for it or not.
// A picture whose file is missing is not shown: the one before stays, and show says so. Each
// built picture is read from the decoded copy beside it with the pixels its JPEG decodes to; a
// copy that is not its JPEG's (a teacher's picture put over the program's own) is passed by.
TEST(QtMedia, AMissingSoundBeepsAMissingPictureKeepsTheOneBeforeAndDecodedCopiesStandIn)
{
    int beeps = 0;
    const QDir built(QCoreApplication::applicationDirPath());
    auto sound = std::make_unique<QtSound>(
        [&built](const QString& name) {
            return name == "start.wav" ? built.filePath(name) : QString();
        },
        QAudioDevice(), [&] { ++beeps; });
    for (const auto& [id, beepsSoFar] :
         {std::pair{SoundId::Tick, 1}, {SoundId::Start, 1}, {SoundId::Correct, 2}}) {
        EXPECT_FALSE(sound->has(id)) << static_cast<int>(id);
        sound->play(id);
        EXPECT_EQ(beeps, beepsSoFar) << static_cast<int>(id);
    }
    sound.reset();
    QCoreApplication::processEvents();
    EXPECT_EQ(beeps, 2);
    QtPictures pictures([&built](const QString& name) {
        return name == "logo.jpg" ? built.filePath(name) : QString();
    });
    int changes = 0;
    QObject::connect(&pictures, &QtPictures::pictureChanged, [&changes] { ++changes; });
    EXPECT_TRUE(pictures.show(PictureId::Logo));
    EXPECT_FALSE(pictures.show(PictureId::Happy));
    EXPECT_EQ(std::pair(changes, pictures.shown()), std::pair(1, 1));
    for (const char* name : {"logo.jpg", "hsmile.jpg", "ssmile.jpg", "sp.jpg", "rg.jpg"}) {
        const QString path = built.filePath(QString::fromLatin1(name));
        ASSERT_TRUE(QFile::exists(path + ".ppm")) << name;
        EXPECT_EQ(readImage(path), QImage(path, "JPG")) << name;
    }
    const test::TempDir data;
    const QString logo = QString::fromStdString((data.path() / "logo.jpg").string());
    ASSERT_TRUE(QFile::copy(built.filePath("logo.jpg"), logo));
    ASSERT_TRUE(QFile::copy(built.filePath("sp.jpg.ppm"), logo + ".ppm"));
    EXPECT_EQ(readImage(logo), QImage(logo, "JPG"));
}

} // namespace
} // namespace sb
