// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

namespace sb {

// Everything the record files need from the operating system, behind one small interface so
// that a test can make a write fail half way or a rename fail. Nothing here throws; every
// fallible call says whether it worked.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    // True when path names an existing regular file (exactly that name, no wildcards).
    virtual bool exists(const std::filesystem::path& path) = 0;

    // Up to length bytes from offset; fewer when the file ends sooner (none when it ends before
    // offset). Nothing when the file cannot be opened or read.
    [[nodiscard]] virtual std::optional<std::vector<std::uint8_t>>
    read(const std::filesystem::path& path, std::uint64_t offset, std::size_t length) = 0;

    // Writes bytes to a new temporary file beside target and flushes them to the disk. The file
    // gets a fresh unique name, target's name with ".tmp-" and six letters or digits, and is
    // created exclusively: whatever already has that name (a link, a pipe) is never opened.
    // It takes the permission bits of target when target exists. Temporaries of target left
    // by an earlier run that ended half way are removed first. Answers the new file's path;
    // nothing on failure, when no new file is left behind.
    [[nodiscard]] virtual std::optional<std::filesystem::path>
    writeTemp(const std::filesystem::path& target, std::span<const std::uint8_t> bytes) = 0;

    // Writes bytes at offset of path (created when missing) in one write and flushes them;
    // the rest of the file is left alone. False on any failure, when the file has the length
    // it had (a write stopped half way by a full disk is cut off again).
    [[nodiscard]] virtual bool writeAt(const std::filesystem::path& path, std::uint64_t offset,
                                       std::span<const std::uint8_t> bytes) = 0;

    // Moves from over to, replacing to in one step when it exists. False on failure, when
    // both files are as they were.
    [[nodiscard]] virtual bool rename(const std::filesystem::path& from,
                                      const std::filesystem::path& to) = 0;

    // Deletes path if it is there; a missing file is not an error.
    virtual void remove(const std::filesystem::path& path) = 0;
};

// The real file system: the standard library and the POSIX calls that create a fresh file
// exclusively, never follow a link and keep a replaced file's permission bits.
// Stateless.
FileSystem& diskFileSystem();

} // namespace sb
