// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/folder_guard.h"

#include <utility>

namespace sb {

namespace fs = std::filesystem;

namespace {

// What call answers while the folder is the one first seen; why not otherwise.
template <class Call> auto within(FolderGuard& guard, const Call& call) -> decltype(call())
{
    if (Status reached = guard.reach(); !reached) {
        return reached;
    }
    return call();
}

} // namespace

FolderGuard::FolderGuard(FileSystem& inner, fs::path folder, std::string classFile)
    : m_inner(inner), m_folder(std::move(folder)), m_classFile(m_folder / classFile)
{
    static_cast<void>(reach()); // the folder as it is at the start
}

Status FolderGuard::reach()
{
    const auto now = m_inner.identity(m_folder);
    if (!now) {
        return now.status();
    }
    const bool hasClass = m_inner.present(m_classFile).ok();
    const std::lock_guard lock(m_mutex);
    if (!m_identity) {
        m_identity = *now;
    }
    if (*m_identity != *now || (m_classSeen && !hasClass)) {
        return Status::fail(ENOENT); // as a folder that is not there
    }
    m_classSeen = hasClass || m_classSeen;
    return {};
}

bool FolderGuard::exists(const fs::path& path)
{
    return reach() && m_inner.exists(path);
}

Result<std::vector<std::uint8_t>> FolderGuard::read(const fs::path& path, std::uint64_t offset,
                                                    std::size_t length)
{
    return within(*this, [&] { return m_inner.read(path, offset, length); });
}

Result<fs::path> FolderGuard::writeTemp(const fs::path& target, std::span<const std::uint8_t> bytes)
{
    return within(*this, [&] { return m_inner.writeTemp(target, bytes); });
}

Status FolderGuard::writeAt(const fs::path& path, std::uint64_t offset,
                            std::span<const std::uint8_t> bytes)
{
    return within(*this, [&] { return m_inner.writeAt(path, offset, bytes); });
}

Status FolderGuard::truncate(const fs::path& path, std::uint64_t size)
{
    return within(*this, [&] { return m_inner.truncate(path, size); });
}

Result<fs::path> FolderGuard::writeTarget(const fs::path& path)
{
    return within(*this, [&] { return m_inner.writeTarget(path); });
}

Result<std::string> FolderGuard::ownerOf(const fs::path& path)
{
    return within(*this, [&] { return m_inner.ownerOf(path); });
}

Status FolderGuard::rename(const fs::path& from, const fs::path& to)
{
    return within(*this, [&] { return m_inner.rename(from, to); });
}

Status FolderGuard::link(const fs::path& from, const fs::path& to)
{
    return within(*this, [&] { return m_inner.link(from, to); });
}

void FolderGuard::remove(const fs::path& path)
{
    if (reach()) {
        m_inner.remove(path);
    }
}

void FolderGuard::sweepStaleTemps(const fs::path& dir)
{
    if (reach()) {
        m_inner.sweepStaleTemps(dir);
    }
}

std::vector<std::string> FolderGuard::list(const fs::path& dir)
{
    return reach() ? m_inner.list(dir) : std::vector<std::string>();
}

Result<std::uintmax_t> FolderGuard::linkCount(const fs::path& path)
{
    return within(*this, [&] { return m_inner.linkCount(path); });
}

bool FolderGuard::sameFile(const fs::path& a, const fs::path& b)
{
    return reach() && m_inner.sameFile(a, b);
}

Status FolderGuard::createExclusive(const fs::path& path, std::string_view text)
{
    return within(*this, [&] { return m_inner.createExclusive(path, text); });
}

Result<std::string> FolderGuard::readText(const fs::path& path, std::size_t most)
{
    return within(*this, [&] { return m_inner.readText(path, most); });
}

Result<std::chrono::nanoseconds> FolderGuard::modifiedAt(const fs::path& path)
{
    return within(*this, [&] { return m_inner.modifiedAt(path); });
}

Status FolderGuard::overwrite(const fs::path& path, std::string_view text)
{
    return within(*this, [&] { return m_inner.overwrite(path, text); });
}

Status FolderGuard::addName(const fs::path& from, const fs::path& to)
{
    return within(*this, [&] { return m_inner.addName(from, to); });
}

Status FolderGuard::move(const fs::path& from, const fs::path& to)
{
    return within(*this, [&] { return m_inner.move(from, to); });
}

Status FolderGuard::moveNoReplace(const fs::path& from, const fs::path& to)
{
    return within(*this, [&] { return m_inner.moveNoReplace(from, to); });
}

Status FolderGuard::present(const fs::path& path)
{
    return within(*this, [&] { return m_inner.present(path); });
}

Status FolderGuard::unlink(const fs::path& path)
{
    return within(*this, [&] { return m_inner.unlink(path); });
}

Result<FileIdentity> FolderGuard::identity(const fs::path& path)
{
    return within(*this, [&] { return m_inner.identity(path); });
}

} // namespace sb
