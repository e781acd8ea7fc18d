// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <mutex>
#include <optional>
#include <string>

#include "platform/file_system.h"

namespace sb {

// The data folder as this run first found it. A share that drops leaves its mount point behind,
// an empty folder under the same name; a folder renamed and another made in its place looks
// the same by name. Writing there would scatter a class over two places (a fresh empty class
// file, fact files, locks, histories hidden once the share comes back). So the folder is known
// by its identity (device and inode) and by its class file: once that file was seen, the
// folder is the same only while it is still there.
//
// A FileSystem for that one folder: every call goes to inner while the folder is the one first
// seen; otherwise it fails as it would for a missing folder (ENOENT; exists() false, list()
// empty), so that the program takes the folder to be out of reach, writes nothing, and goes on
// once the folder is back. The machine's and process's names are answered always. Safe to use
// from several threads.
class FolderGuard final : public FileSystem {
public:
    // classFile: the name of the file that shows the folder holds a class ("StdDat.Xrx").
    FolderGuard(FileSystem& inner, std::filesystem::path folder, std::string classFile);

    // Ok while the folder is the one first seen (taking it as that when none was seen yet);
    // ENOENT otherwise, or the system's error when the folder cannot be looked at.
    Status reach();

    bool exists(const std::filesystem::path& path) override;
    Result<std::vector<std::uint8_t>> read(const std::filesystem::path& path, std::uint64_t offset,
                                           std::size_t length) override;
    Result<std::filesystem::path> writeTemp(const std::filesystem::path& target,
                                            std::span<const std::uint8_t> bytes) override;
    Status writeAt(const std::filesystem::path& path, std::uint64_t offset,
                   std::span<const std::uint8_t> bytes) override;
    Status truncate(const std::filesystem::path& path, std::uint64_t size) override;
    Result<std::filesystem::path> writeTarget(const std::filesystem::path& path) override;
    Result<std::string> ownerOf(const std::filesystem::path& path) override;
    Status rename(const std::filesystem::path& from, const std::filesystem::path& to) override;
    Status link(const std::filesystem::path& from, const std::filesystem::path& to) override;
    void remove(const std::filesystem::path& path) override;
    void sweepStaleTemps(const std::filesystem::path& dir) override;
    std::vector<std::string> list(const std::filesystem::path& dir) override;
    Result<std::uintmax_t> linkCount(const std::filesystem::path& path) override;
    bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b) override;
    std::string hostName() override { return m_inner.hostName(); }
    std::string machineName() override { return m_inner.machineName(); }
    long processId() override { return m_inner.processId(); }
    bool processGone(long pid) override { return m_inner.processGone(pid); }
    Status createExclusive(const std::filesystem::path& path, std::string_view text) override;
    Result<std::string> readText(const std::filesystem::path& path, std::size_t most) override;
    Result<std::chrono::nanoseconds> modifiedAt(const std::filesystem::path& path) override;
    Status overwrite(const std::filesystem::path& path, std::string_view text) override;
    Status addName(const std::filesystem::path& from, const std::filesystem::path& to) override;
    Status move(const std::filesystem::path& from, const std::filesystem::path& to) override;
    Status moveNoReplace(const std::filesystem::path& from,
                         const std::filesystem::path& to) override;
    Status present(const std::filesystem::path& path) override;
    Status unlink(const std::filesystem::path& path) override;
    Result<FileIdentity> identity(const std::filesystem::path& path) override;

private:
    FileSystem& m_inner;
    const std::filesystem::path m_folder;
    const std::filesystem::path m_classFile;
    std::mutex m_mutex;
    // The folder's identity, set at the first look that found it.
    std::optional<FileIdentity> m_identity;
    // The class file was there at some look: it must stay there.
    bool m_classSeen = false;
};

} // namespace sb
