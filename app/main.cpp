// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAbstractButton>
#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QPixmap>
#include <QSessionManager>
#include <QSettings>
#include <QStringList>
#include <QTimer>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <system_error>
#include <utility>
#include <variant>

#include "flow/program.h"
#include "flow/startup_shutdown.h"
#include "platform/assets_qt.h"
#include "platform/clock.h"
#include "platform/command_line_qt.h"
#include "platform/first_paint_qt.h"
#include "platform/folder_guard.h"
#include "platform/font_warmup_qt.h"
#include "platform/lazy_sound_qt.h"
#include "platform/lazy_speech_qt.h"
#include "platform/media_qt.h"
#include "platform/random.h"
#include "platform/signals_qt.h"
#include "platform/trace_qt.h"
#include "students/record_files.h"
#include "views/main_window.h"
#include "views/messages_qt.h"
#include "views/probe_qt.h"
#include "views/translation_qt.h"
#include "views/window_place_qt.h"

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

// A hidden option for the tests and benchmarks that run the real program: actions done once
// the window is shown ("start" presses Start, "right" answers the problem right, "wrong"
// wrongly, "windows" opens every other window once, "close" closes the window as its title bar
// does, "notice" writes the main window's notice on stdout as "notice: ...", "tick" does what
// the lock timer does every 20 s, "hold" writes "held" on stdout and waits for a line on stdin,
// while the test changes the world), then "ready" on stdout.
const QString kScriptOption = QStringLiteral("script");

// Clicks the button of that name in from, and closes the window the click opens (with exec())
// once it is shown, after doing inside in it.
void openOnce(QWidget& from, const char* button, const std::function<void(QWidget&)>& inside = {})
{
    QTimer::singleShot(300, [inside] {
        if (QWidget* opened = QApplication::activeModalWidget()) {
            if (inside) {
                inside(*opened);
            }
            opened->close();
        }
    });
    from.findChild<QAbstractButton*>(QString::fromLatin1(button))->click();
}

// Each window once, as a teacher looking round would: the class overview from Student Data.
void openEveryWindow(sb::MainWindow& window)
{
    openOnce(window, "smartgo");
    openOnce(window, "goauto", [](QWidget& students) { openOnce(students, "classgo"); });
    openOnce(window, "resultsgo");
    openOnce(window, "progressgo");
    window.openHelp();
}

void runScript(sb::MainWindow& window, sb::Program& program, const QStringList& actions)
{
    for (const QString& action : actions) {
        if (action == QStringLiteral("start")) {
            window.findChild<QAbstractButton*>(QStringLiteral("start"))->click();
        } else if (action == QStringLiteral("right")) {
            window.pressAnswer(program.drill.rightSlot);
        } else if (action == QStringLiteral("wrong")) {
            window.pressAnswer(program.drill.rightSlot % 3 + 1);
        } else if (action == QStringLiteral("windows")) {
            openEveryWindow(window);
        } else if (action == QStringLiteral("close")) {
            window.close();
        } else if (action == QStringLiteral("notice")) {
            std::printf("notice: %s\n", qPrintable(sb::messageText(program.main.notice)));
        } else if (action == QStringLiteral("tick")) {
            window.refreshLocks();
        } else if (action == QStringLiteral("hold")) {
            std::fputs("held\n", stdout);
            std::fflush(stdout);
            std::array<char, 8> line{};
            if (std::fgets(line.data(), static_cast<int>(line.size()), stdin) == nullptr) {
                std::fputs("no line: going on\n", stderr); // standard input closed
            }
        }
    }
    std::fputs("ready\n", stdout);
    std::fflush(stdout);
}

// The arguments as the application object would decode them. The command line is read before
// that object exists, so that --help and --version answer on a machine without a display.
QStringList argumentsOf(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    return arguments;
}

// However the program is asked to end — its window closed, a signal, the session ending, the
// display gone — the shut-down steps run once and the files are written.
void saveOnEveryWayOut(QApplication& app, sb::MainWindow& window, sb::Program& program,
                       const sb::StopSignals& stops)
{
    unsavedProgram = &program;
    std::atexit(saveAtExit);
    QObject::connect(&stops, &sb::StopSignals::stopRequested, &window, [&window] {
        window.shutDownNow();
        QApplication::exit(0);
    });
    // The session is ending: save now and end, rather than be killed half way. (Should the
    // logout be cancelled, the program has closed with everything saved.)
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     [&window](QSessionManager&) {
                         window.shutDownNow();
                         QApplication::exit(0);
                     });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &window,
                     [&window] { window.shutDownNow(); });
}

void scheduleScript(const QApplication& app, sb::MainWindow& window, sb::Program& program)
{
    QCommandLineParser script;
    script.addOption(QCommandLineOption(kScriptOption, QString(), QStringLiteral("a")));
    static_cast<void>(script.parse(app.arguments()));
    if (script.isSet(kScriptOption)) {
        const QStringList actions = script.value(kScriptOption).split(QLatin1Char(','));
        QTimer::singleShot(0, &window,
                           [&window, &program, actions] { runScript(window, program, actions); });
    }
}

// The sound server names the program's streams by this id, so that the desktop keeps the
// volume a teacher set from one start to the next (without it, each start is a new program).
void nameSoundStreams()
{
    if (qEnvironmentVariableIsEmpty("PULSE_PROP_application.id")) {
        qputenv("PULSE_PROP_application.id", "org.sumblitz.Sumblitz");
    }
}

} // namespace

int main(int argc, char* argv[])
{
    sb::trace("main");
    QCoreApplication::setApplicationName(QStringLiteral("Sumblitz"));
    QCoreApplication::setApplicationVersion(QStringLiteral(SUMBLITZ_VERSION));
    std::error_code ec;
    // The administrator's settings for every account (/etc/xdg/sumblitz/sumblitz.conf), under a
    // user's own; the command line goes before both.
    const QSettings config(QStringLiteral("sumblitz"), QStringLiteral("sumblitz"));
    auto read = sb::readCommandLine(argumentsOf(argc, argv), std::filesystem::current_path(ec),
                                    sb::readConfiguration(config));
    if (const auto* error = std::get_if<sb::CommandLineError>(&read)) {
        std::fprintf(stderr, "sumblitz: %s\n", qPrintable(error->message));
        return 2;
    }
    const auto commandLine = std::get<sb::CommandLine>(std::move(read));

    nameSoundStreams();
    sb::FontConfigWarmUp fonts;
    QApplication app(argc, argv);
    sb::trace("application");
    sb::readStylePictures();
    sb::installTranslations(app, commandLine.language);
    // Lets a desktop match the windows to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.sumblitz.Sumblitz"));

    sb::SystemClock clock;
    sb::StdRandom random(clock.seed());
    // A teacher's own pictures and sounds are kept with the pupils' files.
    const sb::AssetLocator assets =
        sb::assetsIn(QString::fromStdString(commandLine.dataDir.string()));
    sb::LazySound sound(assets);
    // Read Aloud's voice, loaded when a pupil who has it is current; the drill's sounds and
    // the voice take turns.
    sb::LazySpeech speech;
    sb::SoundBesideSpeech drillSound(sound, speech, clock);
    sb::QtPictures pictures(assets);
    // Nothing is written into a folder that is not the one found now (a share gone under its
    // mount point): the program takes it as out of reach until it is back.
    sb::FolderGuard files(sb::diskFileSystem(), commandLine.dataDir, std::string(sb::kStudentFile));
    sb::Services services{random, clock, drillSound, pictures, files, commandLine.dataDir};
    sb::Program program(services);
    program.run.sharedFolder = commandLine.shared;

    fonts.wait();
    sb::trace("fonts read");
    sb::MainWindow window(program);
    sb::trace("window built");
    QObject::connect(&pictures, &sb::QtPictures::pictureChanged, &window,
                     &sb::MainWindow::setPicture);
    // The logo stands in the picture until the first drill (a missing one was reported).
    static_cast<void>(pictures.show(sb::PictureId::Logo));
    window.load();
    window.setVoice(speech, &drillSound);
    sb::trace("loaded");
    sb::installProbe(window, program);
    // The window's place is the user's, kept in ~/.config/sumblitz/sumblitz.conf.
    QSettings place(QStringLiteral("sumblitz"), QStringLiteral("sumblitz"));
    sb::restoreWindowPlace(window, place);
    window.show();
    sb::trace("shown");
    sb::traceFirstPaint(window);
    // The icon (its picture decoded, then sent to the display) is not needed for the first
    // sight of the window: the desktop shows it a moment later, for every window.
    sb::afterFirstPaint(window, [] {
        QApplication::setWindowIcon(QIcon(
            QPixmap::fromImage(sb::readImage(sb::findAsset(QStringLiteral("sumblitz.png"))))));
    });
    sound.prepareOnFirstInput();

    sb::StopSignals stops;
    saveOnEveryWayOut(app, window, program, stops);
    scheduleScript(app, window, program);
    const int code = app.exec();
    unsavedProgram = nullptr;
    sb::saveWindowPlace(window, place);
    return code;
}
