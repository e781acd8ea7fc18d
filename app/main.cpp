// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QIcon>
#include <QStandardPaths>

#include <cstdio>
#include <filesystem>
#include <optional>
#include <system_error>

#include "flow/program.h"
#include "platform/assets_qt.h"
#include "platform/clock.h"
#include "platform/media_qt.h"
#include "platform/random.h"
#include "views/main_window.h"

namespace {

// The folder for the pupils' record files, from the command line: --data-dir DIR, or
// --user-data for the sumblitz folder in the user's data location (XDG_DATA_HOME, by default
// ~/.local/share), which the menu entry passes because an Exec line cannot expand variables.
// Without either it is the working directory. The folder is made when it is missing. Prints
// why and answers nothing when the folder cannot be used.
std::optional<std::filesystem::path> chooseDataDir(const QCoreApplication& app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Drill trainer for the arithmetic facts. The pupils' record files are kept "
                       "in the working directory unless an option below says otherwise."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dirOption(QStringLiteral("data-dir"),
                                       QStringLiteral("Keep the record files in <dir> (made when "
                                                      "missing)."),
                                       QStringLiteral("dir"));
    const QCommandLineOption userOption(
        QStringLiteral("user-data"),
        QStringLiteral("Keep the record files in the user's data folder, "
                       "$XDG_DATA_HOME/sumblitz or else ~/.local/share/sumblitz (made when "
                       "missing)."));
    parser.addOption(dirOption);
    parser.addOption(userOption);
    // Options this parser does not know are left to QApplication (-platform, -style, ...).
    const bool parsed = parser.parse(app.arguments());
    if (parser.isSet(QStringLiteral("help"))) {
        parser.showHelp(); // exits
    }
    if (parser.isSet(QStringLiteral("version"))) {
        parser.showVersion(); // exits
    }
    if (!parsed && parser.unknownOptionNames().isEmpty()) {
        std::fprintf(stderr, "sumblitz: %s\n", qPrintable(parser.errorText()));
        return std::nullopt;
    }

    QString dir;
    if (parser.isSet(dirOption) && parser.isSet(userOption)) {
        std::fputs("sumblitz: give --data-dir or --user-data, not both\n", stderr);
        return std::nullopt;
    }
    if (parser.isSet(dirOption)) {
        dir = parser.value(dirOption);
    } else if (parser.isSet(userOption)) {
        dir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
              QStringLiteral("/sumblitz");
    }
    std::error_code ec;
    if (dir.isEmpty()) {
        return std::filesystem::current_path(ec);
    }
    const std::filesystem::path path(QDir::cleanPath(dir).toStdString());
    std::filesystem::create_directories(path, ec);
    if (!std::filesystem::is_directory(path, ec)) {
        std::fprintf(stderr, "sumblitz: cannot make the data folder %s\n", path.c_str());
        return std::nullopt;
    }
    return path;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("Sumblitz"));
    QCoreApplication::setApplicationVersion(QStringLiteral(SUMBLITZ_VERSION));
    // The command line is read before any window system is needed, so that --help and
    // --version answer on a machine without a display.
    std::optional<std::filesystem::path> dataDir;
    {
        const QCoreApplication commandLine(argc, argv);
        dataDir = chooseDataDir(commandLine);
    }
    if (!dataDir) {
        return 2;
    }

    QApplication app(argc, argv);
    // Lets a desktop match the windows to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.sumblitz.Sumblitz"));
    QApplication::setWindowIcon(QIcon(sb::findAsset(QStringLiteral("sumblitz.png"))));

    sb::SystemClock clock;
    sb::StdRandom random(clock.seed());
    sb::QtSound sound;
    sb::QtPictures pictures;
    sb::Services services{random, clock, sound, pictures, sb::diskFileSystem(), *dataDir};
    sb::Program program(services);

    sb::MainWindow window(program);
    QObject::connect(&pictures, &sb::QtPictures::pictureChanged, &window,
                     &sb::MainWindow::setPicture);
    pictures.show(sb::PictureId::Logo); // the logo stands in the picture until the first drill
    window.load();
    window.show();
    return app.exec();
}
