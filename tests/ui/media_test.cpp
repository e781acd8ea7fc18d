// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAudioDevice>
#include <QCoreApplication>
#include <QDir>

#include "platform/media_qt.h"
#include "platform/sound_qt.h"

namespace sb {
namespace {

// A sound whose file is missing beeps; found files with no output to play them stay silent.
TEST(QtSound, AMissingFileBeepsAndFoundOnesNeedAnOutput)
{
    int beeps = 0;
    const QDir built(QCoreApplication::applicationDirPath());
    QtSound sound(
        [&built](const QString& name) {
            return name == "start.wav" ? built.filePath(name) : QString();
        },
        QAudioDevice(), [&] { ++beeps; });
    for (const auto& [id, beepsSoFar] :
         {std::pair{SoundId::Tick, 1}, {SoundId::Start, 1}, {SoundId::Correct, 2}}) {
        EXPECT_FALSE(sound.has(id)) << static_cast<int>(id);
        sound.play(id);
        EXPECT_EQ(beeps, beepsSoFar) << static_cast<int>(id);
    }
}

// A picture whose file is missing is not shown: the one before stays, and show says so.
TEST(QtPictures, AMissingPictureKeepsTheOneBefore)
{
    const QDir built(QCoreApplication::applicationDirPath());
    QtPictures pictures([&built](const QString& name) {
        return name == "logo.jpg" ? built.filePath(name) : QString();
    });
    int changes = 0;
    QObject::connect(&pictures, &QtPictures::pictureChanged, [&changes] { ++changes; });
    EXPECT_TRUE(pictures.show(PictureId::Logo));
    EXPECT_FALSE(pictures.show(PictureId::Happy));
    EXPECT_EQ(std::pair(changes, pictures.shown()), std::pair(1, 1));
}

} // namespace
} // namespace sb
