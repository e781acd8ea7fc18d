// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "platform/clock.h"
#include "platform/file_system.h"

namespace sb {

// The folder that holds the record files, how they are reached, and the clock its locks wait on.
struct DataDir {
    FileSystem& files;
    std::filesystem::path dir;
    Clock& clock;

    std::filesystem::path operator/(std::string_view name) const
    {
        return dir / std::filesystem::path(std::string(name));
    }
};

// Replaces target as a whole without ever leaving a half-written file in its place: the bytes
// go to a temporary file in the same directory (FileSystem::writeTemp), and that is renamed
// over target. When target is a symbolic link to a file inside its folder, that file is
// replaced and the link stays; a link out of the folder is refused (LinkOut) and nothing is
// written (FileSystem::writeTarget). A file with a second name (a hard link) is replaced under
// this name alone: the other name keeps the file as it was. On failure target is exactly as
// it was, no temporary is left, and the answer says why.
[[nodiscard]] Status saveAtomically(FileSystem& fs, const std::filesystem::path& target,
                                    std::span<const std::uint8_t> bytes);

// What became of one read or save of a record file: which file, which of the two, and the
// system's error when it failed. The flow turns it into the words the main window shows, in
// one place.
struct FileOutcome {
    enum class Action : std::uint8_t {
        Read, // the file was read (or found unreadable)
        Save, // the file was written
        Kept, // the file was not written, since it could not be read and holds what this run
              // never saw
    };
    std::filesystem::path file;
    Action action = Action::Save;
    Status status;

    bool ok() const { return status.ok(); }
};

} // namespace sb
