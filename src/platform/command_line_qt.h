// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <variant>

namespace sb {

// What the command line asks for once it has been read.
struct CommandLine {
    std::filesystem::path dataDir; // where the record files live, made when it was missing
    QString language;              // --lang, empty for the desktop's language
    bool shared = false;           // --shared: the folder is a lab's
};

// What an administrator sets once for every account of a computer, in the program's
// configuration: /etc/xdg/sumblitz/sumblitz.conf (or another folder of $XDG_CONFIG_DIRS), or a
// user's own ~/.config/sumblitz/sumblitz.conf, in its section [Lab]:
//   DataFolder=/srv/sumblitz/class-3b   the data folder, made when missing
//   Shared=true                          the folder is a lab's (as --shared)
struct Configured {
    QString dataFolder;
    bool shared = false;
};
Configured readConfiguration(const QSettings& settings);

// Why the command line cannot be followed, as one line for the terminal.
struct CommandLineError {
    QString message;
};

// Reads the program's arguments (the program's name first). Every option must be one of the
// program's own (--data-dir DIR, --user-data, --lang LANG, --shared, --help, --version) or one that
// Qt itself takes (-platform NAME, -style NAME, ...); an unknown option, a stray argument, an empty
// folder name or a folder that cannot be made is an error. The data folder is the one of
// --data-dir, else the configured one (which takes the place of --user-data, the menu entry's
// option), else the user's data folder with --user-data, else currentDir; --shared or the
// configuration makes the folder a lab's. --help and --version print their answer and end the
// program; no application object is needed before.
std::variant<CommandLine, CommandLineError> readCommandLine(const QStringList& arguments,
                                                            const std::filesystem::path& currentDir,
                                                            const Configured& configured = {});

} // namespace sb
