#include <QAbstractButton>
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QIcon>
#include <QSessionManager>
#include <QStandardPaths>
#include <QStringList>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <system_error>

#include "flow/lifecycle.h"
#include "flow/program.h"
#include "platform/assets_qt.h"
#include "platform/clock.h"
#include "platform/media_qt.h"
#include "platform/random.h"
#include "platform/signals_qt.h"
#include "views/main_window.h"

namespace {

// The program whose files are still to be saved, for the one way out the event loop does not
// see: the display connection lost, after which the toolkit calls exit(). Set while the main
// window runs, cleared once it has shut down.
sb::Program* unsavedProgram = nullptr;

void saveAtExit()
{
    if (unsavedProgram != nullptr) {
        sb::Program* p = unsavedProgram;
        unsavedProgram = nullptr;
        static_cast<void>(sb::ProgramEmergencyClose(*p));
    }
}

// A hidden option for the tests that run the real program: actions done once the window is
// shown ("start" presses Start, "right" answers the problem right, "close" closes the window as
// its title bar does), then "ready" on stdout.
const QString kScriptOption = QStringLiteral("script");

void runScript(sb::MainWindow& window, sb::Program& program, const QStringList& actions)
{
    for (const QString& action : actions) {
        if (action == QStringLiteral("start")) {
            window.findChild<QAbstractButton*>(QStringLiteral("start"))->click();
        } else if (action == QStringLiteral("right")) {
            window.pressAnswer(program.drill.rightSlot);
        } else if (action == QStringLiteral("close")) {
            window.close();
        }
    }
    std::fputs("ready\n", stdout);
    std::fflush(stdout);
}

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
    QCommandLineOption scriptOption(kScriptOption, QStringLiteral("Test actions."),
                                    QStringLiteral("actions"));
    scriptOption.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(dirOption);
    parser.addOption(userOption);
    parser.addOption(scriptOption);
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

    // However the program is asked to end — its window closed, a signal, the session ending,
    // the display gone — the shut-down steps run once and the files are written.
    unsavedProgram = &program;
    std::atexit(saveAtExit);
    sb::StopSignals stops;
    QObject::connect(&stops, &sb::StopSignals::stopRequested, &window, [&window] {
        window.shutDownNow();
        QApplication::exit(0);
    });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     [&window](QSessionManager&) { window.shutDownNow(); });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &window,
                     [&window] { window.shutDownNow(); });
    {
        QCommandLineParser script;
        script.addOption(QCommandLineOption(kScriptOption, QString(), QStringLiteral("a")));
        static_cast<void>(script.parse(app.arguments()));
        if (script.isSet(kScriptOption)) {
            const QStringList actions = script.value(kScriptOption).split(QLatin1Char(','));
            QTimer::singleShot(
                0, &window, [&window, &program, actions] { runScript(window, program, actions); });
        }
    }
    const int code = app.exec();
    unsavedProgram = nullptr;
    return code;
}
