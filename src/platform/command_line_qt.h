// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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

// Why the command line cannot be followed, as one line for the terminal.
struct CommandLineError {
    QString message;
};

// Reads the program's arguments (the program's name first). Every option must be one of the
// program's own (--data-dir DIR, --user-data, --lang LANG, --shared, --help, --version) or one that
// Qt itself takes (-platform NAME, -style NAME, ...); an unknown option, a stray argument, an empty
// folder name or a folder that cannot be made is an error. Without --data-dir or --user-data
// the data folder is currentDir. --help and --version print their answer and end the program;
// no application object is needed before.
std::variant<CommandLine, CommandLineError>
readCommandLine(const QStringList& arguments, const std::filesystem::path& currentDir);

} // namespace sb
