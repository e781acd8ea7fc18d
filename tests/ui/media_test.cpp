#include <gtest/gtest.h>

#include <QAudioDevice>
#include <QCoreApplication>
#include <QDir>

#include <vector>

#include "platform/media_qt.h"

namespace sb {
namespace {

// A sound whose file is missing beeps; found files with no output to play them stay silent.
TEST(QtSound, AMissingFileBeepsAndFoundOnesNeedAnOutput)
{
    int beeps = 0;
    QtSound sound(
        [](const QString& name) {
            return name == "tick.wav" || name == "correct.wav"
                       ? QString()
                       : QDir(QCoreApplication::applicationDirPath()).filePath(name);
        },
        QAudioDevice(), [&] { ++beeps; });
    using enum SoundId;
    const std::vector<std::pair<SoundId, int>> rows{{Tick, 1}, {Start, 0}, {Correct, 1}};
    for (const auto& [id, beeped] : rows) {
        SCOPED_TRACE(static_cast<int>(id));
        beeps = 0;
        EXPECT_FALSE(sound.has(id));
        sound.play(id);
        EXPECT_EQ(beeps, beeped);
    }
}

} // namespace
} // namespace sb
