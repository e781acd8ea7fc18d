// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QIcon>
#include <QSettings>

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <utility>
#include <variant>

#include "flow/program.h"
#include "platform/assets_qt.h"
#include "platform/clock.h"
#include "platform/command_line_qt.h"
#include "platform/media_qt.h"
#include "platform/random.h"
#include "views/main_window.h"
#include "views/translation_qt.h"
#include "views/window_place_qt.h"

int main(int argc, char* argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("Sumblitz"));
    QCoreApplication::setApplicationVersion(QStringLiteral(SUMBLITZ_VERSION));
    // The command line is read before any window system is needed, so that --help and
    // --version answer on a machine without a display.
    sb::CommandLine commandLine;
    {
        const QCoreApplication app(argc, argv);
        std::error_code ec;
        auto read = sb::readCommandLine(app.arguments(), std::filesystem::current_path(ec));
        if (const auto* error = std::get_if<sb::CommandLineError>(&read)) {
            std::fprintf(stderr, "sumblitz: %s\n", qPrintable(error->message));
            return 2;
        }
        commandLine = std::get<sb::CommandLine>(std::move(read));
    }

    QApplication app(argc, argv);
    sb::installTranslations(app, commandLine.language);
    // Lets a desktop match the windows to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.sumblitz.Sumblitz"));
    QApplication::setWindowIcon(QIcon(sb::findAsset(QStringLiteral("sumblitz.png"))));

    sb::SystemClock clock;
    sb::StdRandom random(clock.seed());
    // A teacher's own pictures and sounds are kept with the pupils' files.
    const sb::AssetLocator assets =
        sb::assetsIn(QString::fromStdString(commandLine.dataDir.string()));
    sb::QtSound sound(assets);
    sb::QtPictures pictures(assets);
    sb::Services services{
        random, clock, sound, pictures, sb::diskFileSystem(), commandLine.dataDir};
    sb::Program program(services);

    sb::MainWindow window(program);
    QObject::connect(&pictures, &sb::QtPictures::pictureChanged, &window,
                     &sb::MainWindow::setPicture);
    pictures.show(sb::PictureId::Logo); // the logo stands in the picture until the first drill
    window.load();
    // The window's place is the user's, kept in ~/.config/sumblitz/sumblitz.conf.
    QSettings place(QStringLiteral("sumblitz"), QStringLiteral("sumblitz"));
    sb::restoreWindowPlace(window, place);
    window.show();
    const int status = app.exec();
    sb::saveWindowPlace(window, place);
    return status;
}
