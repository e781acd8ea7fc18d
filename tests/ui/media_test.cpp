#include <gtest/gtest.h>

#include <QAudioDevice>
#include <QCoreApplication>
#include <QDir>

#include "platform/media_qt.h"

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
    for (const auto& [id, beeped] :
         {std::pair{SoundId::Tick, 1}, {SoundId::Start, 0}, {SoundId::Correct, 1}}) {
        SCOPED_TRACE(static_cast<int>(id));
        beeps = 0;
        EXPECT_FALSE(sound.has(id));
        sound.play(id);
        EXPECT_EQ(beeps, beeped);
    }
}

} // namespace
} // namespace sb
