// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTextBrowser>

#include <variant>

#include "platform/assets_qt.h"
#include "platform/command_line_qt.h"
#include "support/test_support.h"
#include "views/help_window.h"

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
            EXPECT_TRUE(error.contains(QLatin1String(row.error))) << row.name << ": " << error.toStdString();
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

} // namespace
} // namespace sb
