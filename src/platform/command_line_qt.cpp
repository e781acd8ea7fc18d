// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/command_line_qt.h"

#include <QByteArray>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

#include <optional>
#include <system_error>

namespace sb {

namespace {

// The options QGuiApplication, QApplication and the X11 and Wayland platforms read and take
// out of the arguments themselves; they are accepted here so that only a typo is refused.
void addQtOptions(QCommandLineParser& parser)
{
    for (const char* name : {"platform",
                             "platformpluginpath",
                             "platformtheme",
                             "plugin",
                             "qwindowgeometry",
                             "qwindowicon",
                             "qwindowtitle",
                             "session",
                             "display",
                             "geometry",
                             "title",
                             "name",
                             "visual",
                             "ncols",
                             "cmap",
                             "style",
                             "stylesheet",
                             "im",
                             "inputstyle",
                             "qmljsdebugger"}) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : {"reverse", "widgetcount", "nograb", "dograb", "sync", "testability"}) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// Makes the folder when it is missing; answers why it cannot be used, or nothing.
QString prepareFolder(const std::filesystem::path& path)
{
    std::error_code ec;
    std::filesystem::create_directories(path, ec);
    if (!ec && !std::filesystem::is_directory(path, ec) && !ec) {
        ec = std::make_error_code(std::errc::not_a_directory);
    }
    if (ec) {
        return QStringLiteral("cannot use the data folder %1: %2")
            .arg(QString::fromStdString(path.string()), QString::fromStdString(ec.message()));
    }
    return {};
}

// --help and --version print their answer and end the program. The usage line names the
// program as an application object knows it; the command line is read before the program makes
// its own (which needs a display), so a plain one is made here for the answer, the only one
// such a run ever has.
[[noreturn]] void answerAndExit(QCommandLineParser& parser, bool help, const QString& program)
{
    QByteArray name = program.toLocal8Bit();
    int argc = 1;
    char* argv[] = {name.data(), nullptr};
    std::optional<QCoreApplication> app;
    if (QCoreApplication::instance() == nullptr) {
        app.emplace(argc, argv);
    }
    if (help) {
        parser.showHelp();
    }
    parser.showVersion();
}

} // namespace

Configured readConfiguration(const QSettings& settings)
{
    return {settings.value(QStringLiteral("Lab/DataFolder")).toString().trimmed(),
            settings.value(QStringLiteral("Lab/Shared"), false).toBool()};
}

std::variant<CommandLine, CommandLineError> readCommandLine(const QStringList& arguments,
                                                            const std::filesystem::path& currentDir,
                                                            const Configured& configured)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Drill trainer for the arithmetic facts. The pupils' record files are kept "
                       "in the working directory unless an option below says otherwise."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dirOption(
        QStringLiteral("data-dir"),
        QStringLiteral("Keep the record files in <dir> (made when missing)."),
        QStringLiteral("dir"));
    const QCommandLineOption userOption(
        QStringLiteral("user-data"),
        QStringLiteral("Keep the record files in the user's data folder, "
                       "$XDG_DATA_HOME/sumblitz or else ~/.local/share/sumblitz (made when "
                       "missing)."));
    const QCommandLineOption langOption(
        QStringLiteral("lang"),
        QStringLiteral("Show the program in <language> (de, fr, es, en, ...) instead of the "
                       "desktop's language."),
        QStringLiteral("language"));
    const QCommandLineOption sharedOption(
        QStringLiteral("shared"),
        QStringLiteral("The data folder is shared by the computers of a lab: keep this "
                       "computer's last settings and current pupil in its own file. (Found out "
                       "by itself once another computer has used the folder.)"));
    // The hidden --script ACTIONS of the tests that run the real program (read in main.cpp).
    QCommandLineOption scriptOption(QStringLiteral("script"), QString(), QStringLiteral("actions"));
    scriptOption.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOptions({dirOption, userOption, langOption, sharedOption, scriptOption});
    addQtOptions(parser);

    if (!parser.parse(arguments)) {
        return CommandLineError{parser.errorText()};
    }
    const bool help =
        parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"));
    if (help || parser.isSet(QStringLiteral("version"))) {
        answerAndExit(parser, help, arguments.value(0, QStringLiteral("sumblitz")));
    }
    if (!parser.positionalArguments().isEmpty()) {
        return CommandLineError{QStringLiteral("unexpected argument '%1' (see --help)")
                                    .arg(parser.positionalArguments().constFirst())};
    }
    if (parser.isSet(dirOption) && parser.isSet(userOption)) {
        return CommandLineError{QStringLiteral("give --data-dir or --user-data, not both")};
    }
    CommandLine line{currentDir, parser.value(langOption),
                     parser.isSet(sharedOption) || configured.shared};
    QString dir;
    if (parser.isSet(dirOption)) {
        dir = parser.value(dirOption);
        if (dir.isEmpty()) {
            return CommandLineError{QStringLiteral("--data-dir needs the name of a folder")};
        }
    } else if (!configured.dataFolder.isEmpty()) {
        dir = configured.dataFolder;
    } else if (parser.isSet(userOption)) {
        dir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
              QStringLiteral("/sumblitz");
    }
    if (!dir.isEmpty()) {
        line.dataDir =
            std::filesystem::path(QDir::cleanPath(QDir(dir).absolutePath()).toStdString());
        const QString why = prepareFolder(line.dataDir);
        if (!why.isEmpty()) {
            return CommandLineError{why};
        }
    }
    return line;
}

} // namespace sb
