#include <gtest/gtest.h>

#include <QAudioDevice>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QMap>
#include <QMediaDevices>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextDocument>

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "platform/assets_qt.h"
#include "platform/media_qt.h"

namespace {

// Makes dir the working directory for the life of the object.
class WorkingDir {
public:
    explicit WorkingDir(const QString& dir) : m_old(QDir::currentPath()) { QDir::setCurrent(dir); }
    ~WorkingDir() { QDir::setCurrent(m_old); }
    WorkingDir(const WorkingDir&) = delete;
    WorkingDir& operator=(const WorkingDir&) = delete;

private:
    QString m_old;
};

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
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(writeFile(dir.filePath("tick.wav"), "a teacher's own tick"));
    ASSERT_TRUE(QDir(dir.path()).mkdir("logo.jpg")); // a folder is not a picture
    const WorkingDir cd(dir.path());

    struct Row {
        QString name;
        QString expected;
    };
    const std::vector<Row> rows{
        {"tick.wav", QFileInfo(dir.filePath("tick.wav")).absoluteFilePath()},
        {"tick.wav            ", QFileInfo(dir.filePath("tick.wav")).absoluteFilePath()},
        {"rg.jpg", builtAsset("rg.jpg")},
        {"logo.jpg", builtAsset("logo.jpg")},
        {"nothing.jpg", QString()},
        {"   ", QString()},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name.toStdString());
        EXPECT_EQ(sb::findAsset(row.name).toStdString(), row.expected.toStdString());
    }
}

TEST(QtPictures, MissingOrBrokenFileKeepsThePreviousPicture)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(writeFile(dir.filePath("broken.jpg"), QByteArray("not a picture at all")));

    QMap<QString, QString> files{{"logo.jpg", builtAsset("logo.jpg")},
                                 {"hsmile.jpg", QString()},
                                 {"ssmile.jpg", dir.filePath("broken.jpg")},
                                 {"sp.jpg", builtAsset("sp.jpg")}};
    QMap<QString, int> lookups;
    sb::QtPictures pictures([&](const QString& name) {
        ++lookups[name];
        return files.value(name);
    });
    QSignalSpy changed(&pictures, &sb::QtPictures::pictureChanged);

    struct Step {
        int show;
        int shownAfter;
        int signalsAfter;
    };
    const std::vector<Step> steps{
        {2, 0, 0}, // nothing shown yet and nothing to show
        {1, 1, 1},  {2, 1, 1}, {3, 1, 1}, {0, 1, 1}, {6, 1, 1},
        {-1, 1, 1}, {4, 4, 2}, {1, 1, 3}, {5, 1, 3}, // rg.jpg is not found at all
    };
    qint64 logoKey = 0;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const Step& s = steps[i];
        SCOPED_TRACE("step " + std::to_string(i) + ": show(" + std::to_string(s.show) + ")");
        pictures.show(s.show);
        EXPECT_EQ(pictures.shown(), s.shownAfter);
        EXPECT_EQ(changed.count(), s.signalsAfter);
        EXPECT_EQ(pictures.current().isNull(), s.shownAfter == 0);
        if (s.shownAfter == 1) {
            if (logoKey == 0)
                logoKey = pictures.current().cacheKey();
            EXPECT_EQ(pictures.current().cacheKey(), logoKey);
        }
    }
    EXPECT_EQ(lookups.value("logo.jpg"), 1) << "a picture once read is kept";
    EXPECT_EQ(lookups.value("hsmile.jpg"), 2) << "a missing picture is looked for each time";

    // The teacher puts the file in place: the next show finds it.
    files["hsmile.jpg"] = builtAsset("hsmile.jpg");
    pictures.show(2);
    EXPECT_EQ(pictures.shown(), 2);
    ASSERT_EQ(changed.count(), 4);
    EXPECT_EQ(changed.last().at(0).value<QPixmap>().cacheKey(), pictures.current().cacheKey());
}

TEST(QtSound, WithoutAnAudioOutputEverySlotIsSilentAndHarmless)
{
    sb::QtSound sound([](const QString& name) { return builtAsset(name); }, QAudioDevice());
    for (int slot = -1; slot <= 8; ++slot) {
        SCOPED_TRACE(slot);
        EXPECT_FALSE(sound.has(slot));
        sound.play(slot);
        sound.play(slot);
    }
    QCoreApplication::processEvents();
}

TEST(QtSound, MissingFileLeavesOnlyItsOwnSlotSilent)
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        GTEST_SKIP() << "this machine has no audio output";
    sb::QtSound sound(
        [](const QString& name) {
            return name == QLatin1String("wrong.wav") ? QString() : builtAsset(name);
        },
        device);
    for (int slot = 1; slot <= 6; ++slot) {
        SCOPED_TRACE(slot);
        EXPECT_EQ(sound.has(slot), slot != 3);
    }
    sound.play(3);
    sound.play(2);
    QCoreApplication::processEvents();
}

namespace {

std::uint32_t le(const QByteArray& b, qsizetype at, int bytes)
{
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | static_cast<std::uint8_t>(b.at(at + i));
    return v;
}

} // namespace

TEST(BuiltAssets, SoundsAreShortMono16BitPcmThatStartAndEndInSilence)
{
    struct Row {
        const char* name;
        double minSeconds;
        double maxSeconds;
    };
    const std::vector<Row> rows{
        {"start.wav", 0.4, 1.2},   {"correct.wav", 0.3, 0.6}, {"wrong.wav", 0.3, 0.8},
        {"timeout.wav", 0.4, 1.0}, {"finish.wav", 0.8, 2.0},  {"tick.wav", 0.03, 0.1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QFile f(builtAsset(row.name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << "the build did not make it";
        const QByteArray b = f.readAll();
        ASSERT_GE(b.size(), 44);
        EXPECT_EQ(b.left(4), "RIFF");
        EXPECT_EQ(le(b, 4, 4), static_cast<std::uint32_t>(b.size() - 8));
        EXPECT_EQ(b.mid(8, 8), "WAVEfmt ");
        // fmt chunk of 16 bytes: PCM, mono, 44100 Hz, 88200 bytes/s, frame 2, 16 bits; "data".
        EXPECT_EQ(b.mid(16, 24), QByteArray::fromHex("100000000100010044ac000088580100020010"
                                                     "0064617461"));
        const std::uint32_t dataBytes = le(b, 40, 4);
        ASSERT_EQ(dataBytes, static_cast<std::uint32_t>(b.size() - 44));

        const std::uint32_t frames = dataBytes / 2;
        const double seconds = frames / 44100.0;
        EXPECT_GE(seconds, row.minSeconds);
        EXPECT_LE(seconds, row.maxSeconds);
        auto sample = [&](std::uint32_t i) {
            return static_cast<std::int16_t>(static_cast<std::uint16_t>(le(b, 44 + 2 * i, 2)));
        };
        // A sound that starts or stops away from silence clicks.
        EXPECT_LE(std::abs(sample(0)), 64);
        EXPECT_LE(std::abs(sample(frames - 1)), 64);
        int peak = 0;
        for (std::uint32_t i = 0; i < frames; ++i)
            peak = std::max(peak, std::abs(static_cast<int>(sample(i))));
        EXPECT_GE(peak, 3000) << "loud enough to be heard";
        EXPECT_LE(peak, 31000) << "never clipped";
    }
}

TEST(BuiltAssets, PicturesAreDistinctSquareJpegs)
{
    const QStringList names{"logo.jpg", "hsmile.jpg", "ssmile.jpg", "sp.jpg", "rg.jpg"};
    std::vector<QImage> images;
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        QImageReader reader(builtAsset(name));
        EXPECT_EQ(reader.format(), "jpeg");
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
        EXPECT_EQ(image.width(), image.height());
        EXPECT_GE(image.width(), 200);
        QSet<QRgb> colours; // a drawing, not a blank square
        for (int y = 0; y < image.height(); y += 8)
            for (int x = 0; x < image.width(); x += 8)
                colours.insert(image.pixel(x, y));
        EXPECT_GE(colours.size(), 8);
        images.push_back(image);
    }
    for (std::size_t i = 0; i < images.size(); ++i)
        for (std::size_t j = i + 1; j < images.size(); ++j)
            EXPECT_NE(images[i], images[j])
                << names[static_cast<qsizetype>(i)].toStdString() << " and "
                << names[static_cast<qsizetype>(j)].toStdString();
}

namespace {

QString helpText(const QString& page)
{
    QFile f(QStringLiteral(":/help/") + page);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// The words of a page as a reader sees them, blanks collapsed.
QString helpWords(const QString& page)
{
    QTextDocument doc;
    doc.setHtml(helpText(page));
    return doc.toPlainText().replace(QChar::Nbsp, QLatin1Char(' ')).simplified();
}

QStringList helpPages()
{
    sb::initHelpResource();
    return QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")}, QDir::Files);
}

} // namespace

TEST(Help, EveryLocalLinkLeadsToAPageAndPlaceThatExist)
{
    const QStringList pages = helpPages();
    ASSERT_TRUE(pages.contains("index.html"));
    EXPECT_TRUE(helpText("index.html").contains("<title>Sumblitz Help</title>"));
    const QRegularExpression link(QStringLiteral("(?:href|src)=\"([^\"]*)\""));
    QSet<QString> reached{QStringLiteral("index.html")};
    QStringList toVisit{QStringLiteral("index.html")};
    int links = 0;
    while (!toVisit.isEmpty()) {
        const QString page = toVisit.takeFirst();
        const QString text = helpText(page);
        ASSERT_FALSE(text.isEmpty()) << page.toStdString();
        EXPECT_TRUE(text.contains(QRegularExpression("<title>[^<]+</title>")))
            << page.toStdString() << " has no title";
        for (const auto& m : link.globalMatch(text)) {
            const QString target = m.captured(1);
            SCOPED_TRACE((page + " -> " + target).toStdString());
            if (target.contains(QLatin1Char(':')))
                continue; // a web address, not a help page
            ++links;
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
    EXPECT_GT(links, 20);
    for (const QString& page : pages)
        EXPECT_TRUE(reached.contains(page)) << page.toStdString() << " cannot be reached";
}

TEST(Help, PagesNameTheControlsAndMessagesAsThePupilSeesThem)
{
    helpPages();
    struct Row {
        QString page;
        QStringList texts;
    };
    const std::vector<Row> rows{
        // The captions' own spellings, misspellings included.
        {"main_window.html",
         {"Step1", "First Number(A)", "Second Num(B)", "Subract", "Div with R", "SwitchAB",
          "17 Thru 20", "Unslect All", "Smart Repeat", "? Goto Help", "New Drill", "Sumblitz1.2"}},
        {"drill.html",
         {"Get Ready", "!!Wrong Answer !!", "!! Time Out !!", "Delay:", "Timer: 7 sec"}},
        {"smart_repeat.html",
         {"Time is up", "Done all Problems", "Either is finished", "Both are finished",
          "Do Not Stop Drill"}},
        {"status_panel.html", {"OnStart", "MaxTime", "MaxProb", "StopOn"}},
        {"auto_teach.html",
         {"Begin: 4", "Remove: 3", ":Rev 1 to 7", ":Rev End", ":Congratulations!", "Great Job!"}},
        {"files.html", {"Default.Xsx", "StdDat.Xrx", ".Xtx", "logo.jpg", "tick.wav"}},
        {"index.html", {"For pupils"}},
    };
    for (const Row& row : rows) {
        const QString words = helpWords(row.page);
        ASSERT_FALSE(words.isEmpty()) << row.page.toStdString();
        for (const QString& text : row.texts) {
            SCOPED_TRACE((row.page + ": " + text).toStdString());
            EXPECT_TRUE(words.contains(text));
        }
    }
}
