#include <gtest/gtest.h>

#include <QAudioDevice>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtEndian>

#include <cstdlib>
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

TEST(FindAsset, LooksInTheWorkingDirectoryFirstThenBesideTheProgram)
{
    QTemporaryDir dir;
    ASSERT_TRUE(writeFile(dir.filePath("tick.wav"), "a teacher's own tick"));
    ASSERT_TRUE(QDir(dir.path()).mkdir("logo.jpg")); // a folder is not a picture
    const QString old = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const std::vector<std::pair<QString, QString>> rows{
        {"tick.wav            ", QFileInfo(dir.filePath("tick.wav")).absoluteFilePath()},
        {"rg.jpg", builtAsset("rg.jpg")},
        {"logo.jpg", builtAsset("logo.jpg")},
        {"nothing.jpg", QString()},
    };
    for (const auto& [name, expected] : rows) {
        EXPECT_EQ(sb::findAsset(name).toStdString(), expected.toStdString()) << name.toStdString();
    }
    QDir::setCurrent(old);
}

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
        pictures.show(s.show);
        EXPECT_EQ(pictures.shown(), s.shownAfter);
        EXPECT_EQ(changed.count(), s.signalsAfter);
    }
    // The teacher puts the missing file in place: the next show finds it.
    files["hsmile.jpg"] = builtAsset("hsmile.jpg");
    pictures.show(2);
    EXPECT_EQ(pictures.shown(), 2);
}

TEST(QtSound, AMissingFileBeepsAndFoundOnesNeedAnOutput)
{
    // tick.wav (6) and correct.wav (2) are missing; no audio output.
    int beeps = 0;
    sb::QtSound sound(
        [](const QString& name) {
            return name == "tick.wav" || name == "correct.wav" ? QString() : builtAsset(name);
        },
        QAudioDevice(), [&] { ++beeps; });
    const std::vector<std::pair<int, int>> rows{{6, 1}, {1, 0}, {2, 1}, {0, 0}, {7, 0}, {6, 1}};
    for (const auto& [slot, beeped] : rows) {
        SCOPED_TRACE(slot);
        beeps = 0;
        EXPECT_FALSE(sound.has(slot));
        sound.play(slot);
        EXPECT_EQ(beeps, beeped);
    }
    QCoreApplication::processEvents();
}

TEST(BuiltAssets, SoundsAreShortMono16BitPcmThatStartAndEndInSilence)
{
    const std::vector<std::pair<const char*, double>> rows{
        {"start.wav", 1.2},   {"correct.wav", 0.6}, {"wrong.wav", 0.8},
        {"timeout.wav", 1.0}, {"finish.wav", 2.0},  {"tick.wav", 0.1},
    };
    for (const auto& [name, maxSeconds] : rows) {
        SCOPED_TRACE(name);
        QFile f(builtAsset(name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << "the build did not make it";
        const QByteArray b = f.readAll();
        ASSERT_GE(b.size(), 48);
        // RIFF, WAVE, fmt chunk of 16 bytes: PCM, mono, 44100 Hz, 88200 bytes/s, frame 2,
        // 16 bits; then "data" running to the end of the file.
        EXPECT_EQ(b.left(4) + b.mid(8, 32),
                  QByteArray("RIFFWAVEfmt ") +
                      QByteArray::fromHex("100000000100010044ac0000885801000200100064617461"));
        ASSERT_EQ(qFromLittleEndian<qint32>(b.constData() + 40), b.size() - 44);
        const qsizetype frames = (b.size() - 44) / 2;
        EXPECT_LE(static_cast<double>(frames) / 44100.0, maxSeconds);
        // A sound that starts or stops away from silence clicks.
        auto sample = [&](qsizetype i) {
            return std::abs(qFromLittleEndian<qint16>(b.constData() + 44 + 2 * i));
        };
        EXPECT_LE(sample(0), 64);
        EXPECT_LE(sample(frames - 1), 64);
    }
}

TEST(BuiltAssets, PicturesAreDistinctSquareJpegs)
{
    std::vector<QImage> images;
    for (const char* name : {"logo.jpg", "hsmile.jpg", "ssmile.jpg", "sp.jpg", "rg.jpg"}) {
        SCOPED_TRACE(name);
        QImageReader reader(builtAsset(name));
        EXPECT_EQ(reader.format(), "jpeg");
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
        EXPECT_EQ(image.width(), image.height());
        for (const QImage& other : images)
            EXPECT_NE(image, other);
        images.push_back(image);
    }
}

namespace {

QString helpText(const QString& page)
{
    QFile f(QStringLiteral(":/help/") + page);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

} // namespace

TEST(Help, EveryPageIsReachedAndEveryLocalLinkLeadsToAPlaceThatExists)
{
    sb::initHelpResource();
    const QStringList pages =
        QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")}, QDir::Files);
    const QRegularExpression link(QStringLiteral("(?:href|src)=\"([^\"]*)\""));
    QSet<QString> reached{QStringLiteral("index.html")};
    QStringList toVisit{QStringLiteral("index.html")};
    while (!toVisit.isEmpty()) {
        const QString page = toVisit.takeFirst();
        const QString text = helpText(page);
        ASSERT_FALSE(text.isEmpty()) << page.toStdString();
        for (const auto& m : link.globalMatch(text)) {
            const QString target = m.captured(1);
            if (target.contains(QLatin1Char(':')))
                continue; // a web address, not a help page
            SCOPED_TRACE((page + " -> " + target).toStdString());
            const QString file = target.section(QLatin1Char('#'), 0, 0);
            const QString anchor = target.section(QLatin1Char('#'), 1);
            const QString targetPage = file.isEmpty() ? page : file;
            ASSERT_TRUE(QFileInfo::exists(QStringLiteral(":/help/") + targetPage));
            if (!anchor.isEmpty()) {
                const QString there = helpText(targetPage);
                EXPECT_TRUE(there.contains("name=\"" + anchor + "\"") ||
                            there.contains("id=\"" + anchor + "\""));
            }
            if (targetPage.endsWith(QLatin1String(".html")) && !reached.contains(targetPage)) {
                reached.insert(targetPage);
                toVisit << targetPage;
            }
        }
    }
    EXPECT_EQ(QSet<QString>(pages.begin(), pages.end()), reached);
}
