// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QScreen>
#include <QSettings>
#include <QStyle>
#include <QTextBrowser>

#include <variant>

#include "platform/assets_qt.h"
#include "platform/command_line_qt.h"
#include "support/ui_support.h"
#include "views/common_qt.h"
#include "views/help_window.h"
#include "views/popup_window.h"
#include "views/results_window.h"
#include "views/student_window.h"
#include "views/window_place_qt.h"

namespace sb {
namespace {

using test::TempDir;

QString errorOf(const QStringList& args, const std::filesystem::path& cwd)
{
    const auto read = readCommandLine(QStringList{"sumblitz"} + args, cwd);
    const auto* error = std::get_if<CommandLineError>(&read);
    return error != nullptr ? error->message : QString();
}

// Typos and stray words are refused with a reason; Qt's own options and the program's pass.
TEST(CommandLine, RefusesWhatItDoesNotKnow)
{
    const TempDir dir;
    const QString file = QString::fromStdString((dir.path() / "file").string());
    QFile(file).open(QIODevice::WriteOnly);
    const struct {
        const char* name;
        QStringList args;
        const char* error; // a part of the message, or "" for none
    } rows[] = {
        {"typo", {"--data-dri", "x"}, "data-dri"},
        {"unknown", {"--bogus"}, "bogus"},
        {"stray word", {"pupils"}, "pupils"},
        {"empty folder", {"--data-dir", ""}, "--data-dir"},
        {"both folders", {"--data-dir", "x", "--user-data"}, "not both"},
        {"folder is a file", {"--data-dir", file + "/sub"}, "Not a directory"},
        {"missing value", {"--lang"}, "lang"},
        {"Qt's options", {"-platform", "offscreen", "-style", "fusion", "-reverse"}, ""},
        {"language", {"--lang", "de"}, ""},
    };
    for (const auto& row : rows) {
        const QString error = errorOf(row.args, dir.path());
        if (*row.error == '\0') {
            EXPECT_TRUE(error.isEmpty()) << row.name << ": " << error.toStdString();
        } else {
            EXPECT_TRUE(error.contains(QLatin1String(row.error)))
                << row.name << ": " << error.toStdString();
        }
    }
}

TEST(CommandLine, MakesTheDataFolderAndDefaultsToTheWorkingDirectory)
{
    const TempDir dir;
    const auto plain = std::get<CommandLine>(readCommandLine({"sumblitz"}, dir.path()));
    EXPECT_EQ(plain.dataDir, dir.path());
    const QString nested = QString::fromStdString((dir.path() / "a" / "b").string());
    const auto made = std::get<CommandLine>(
        readCommandLine({"sumblitz", "--data-dir", nested, "--lang", "fr"}, dir.path()));
    EXPECT_TRUE(std::filesystem::is_directory(made.dataDir));
    EXPECT_EQ(made.language, "fr");
}

// A teacher's picture in the data folder wins over the program's own; elsewhere it is unseen.
TEST(Assets, ATeachersFileInTheDataFolderWins)
{
    const TempDir data;
    const QString dir = QString::fromStdString(data.path().string());
    EXPECT_NE(findAssetIn(dir, "logo.jpg"), QString()); // the built one, beside the tests
    EXPECT_FALSE(findAssetIn(dir, "logo.jpg").startsWith(dir));
    QFile(dir + "/logo.jpg").open(QIODevice::WriteOnly);
    EXPECT_EQ(assetsIn(dir)(" logo.jpg "), QDir::cleanPath(dir + "/logo.jpg"));
}

TEST(Help, TheFilesPageNamesTheDataFolderAsALink)
{
    HelpWindow help(QStringLiteral("/home/ann/Pupils & Co"));
    help.showPage(QStringLiteral("files.html"));
    const QString html = help.findChild<QTextBrowser*>("helpText")->toHtml();
    EXPECT_TRUE(html.contains("/home/ann/Pupils &amp; Co")) << html.toStdString();
    EXPECT_TRUE(html.contains("file:///home/ann/Pupils%20&amp;%20Co"));
}

QPalette darkPalette()
{
    QPalette p;
    for (const auto& [role, colour] : {std::pair{QPalette::Window, QColor(53, 53, 53)},
                                       {QPalette::WindowText, QColor(Qt::white)},
                                       {QPalette::Base, QColor(35, 35, 35)},
                                       {QPalette::Text, QColor(Qt::white)},
                                       {QPalette::Button, QColor(53, 53, 53)},
                                       {QPalette::ButtonText, QColor(Qt::white)},
                                       {QPalette::Light, QColor(80, 80, 80)}}) {
        p.setColor(role, colour);
    }
    return p;
}

QPalette highContrastPalette()
{
    QPalette p(QColor(Qt::black), QColor(Qt::black));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        p.setColor(role, QColor(Qt::yellow));
    }
    p.setColor(QPalette::Light, QColor(Qt::white));
    return p;
}

double ratioOf(QWidget& window, const char* label)
{
    const QPalette p = test::find<QLabel>(window, label)->palette();
    return contrastRatio(p.color(QPalette::WindowText), p.color(QPalette::Window));
}

// Every label that colours its own text or background reads at 4.5:1 or better, on a light, a
// dark and a high-contrast desktop.
TEST(Contrast, EveryColouredLabelReadsUnderEveryPalette)
{
    const QPalette before = QApplication::palette();
    const struct {
        const char* name;
        QPalette palette;
    } palettes[] = {{"default", QApplication::style()->standardPalette()},
                    {"dark", darkPalette()},
                    {"high contrast", highContrastPalette()}};
    for (const auto& [name, palette] : palettes) {
        QApplication::setPalette(palette);
        for (const bool teach : {false, true}) {
            test::Ui f;
            f.p.settings.workSettings.autoTeach = teach ? 1 : 0;
            PopupWindow pop(
                f.p, [] {}, &f.main);
            StudentWindow student(f.p, {}, &f.main);
            ResultsWindow results(f.p, &f.main);
            const std::pair<QWidget*, const char*> labels[] = {
                {&f.main, "dsshock"}, {&f.main, "dsttime"}, {&f.main, "dstotal"},
                {&f.main, "dsscore"}, {&f.main, "dsword"},  {&f.main, "notice"},
                {&pop, "ms"},         {&student, "dsauto"}, {&results, "lab0"},
                {&results, "lab1"},   {&results, "lab2"}};
            for (const auto& [window, label] : labels) {
                EXPECT_GE(ratioOf(*window, label), 4.5) << name << " " << label << " " << teach;
            }
        }
    }
    QApplication::setPalette(before);
}

TEST(Contrast, RatioOfKnownPairs)
{
    EXPECT_NEAR(contrastRatio(Qt::black, Qt::white), 21.0, 0.01);
    EXPECT_NEAR(contrastRatio(QColor(119, 119, 119), Qt::white), 4.48, 0.01);
    EXPECT_NEAR(contrastRatio(Qt::red, Qt::red), 1.0, 0.001);
}

// The window comes back where it was closed; a place no screen shows any more is not used.
TEST(WindowPlace, RestoredOnlyWhereAScreenShowsIt)
{
    const TempDir dir;
    QSettings settings(QString::fromStdString((dir.path() / "place.conf").string()),
                       QSettings::IniFormat);
    const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget first;
    first.setGeometry(free.left() + 40, free.top() + 50, 300, 200);
    saveWindowPlace(first, settings);
    QWidget again;
    restoreWindowPlace(again, settings);
    EXPECT_EQ(again.geometry(), first.geometry());

    QWidget away;
    away.setGeometry(free.right() + 2000, free.bottom() + 2000, 300, 200);
    saveWindowPlace(away, settings);
    QWidget back;
    restoreWindowPlace(back, settings);
    EXPECT_TRUE(free.intersects(back.geometry()))
        << back.geometry().x() << "," << back.geometry().y();
}

} // namespace
} // namespace sb
