// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/file_system.h"

#include <algorithm>
#include <chrono>
#include <random>
#include <string>
#include <system_error>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sb {

namespace fs = std::filesystem;

namespace {

// Writes all of bytes at offset of a regular file. A write to a regular file comes back short
// only when the disk is full or the file may grow no more, which is a failure like any other.
bool writeAll(int fd, std::uint64_t offset, std::span<const std::uint8_t> bytes)
{
    const ssize_t n = ::pwrite(fd, bytes.data(), bytes.size(), static_cast<off_t>(offset));
    return n >= 0 && static_cast<std::size_t>(n) == bytes.size();
}

// Writes bytes at offset of path (created when missing) and flushes them. A write that fails
// after it made the file longer (a disk that fills up part way into a slot) is cut back, so
// that the file keeps the length it had.
bool writeFileAt(const fs::path& path, std::uint64_t offset, std::span<const std::uint8_t> bytes)
{
    // O_NONBLOCK: a named pipe put where a record file belongs fails at once instead of
    // waiting for a reader; it is refused below like anything else that is no regular file.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0666);
    if (fd < 0) {
        return false;
    }
    struct stat before {};
    const bool sized = ::fstat(fd, &before) == 0 && S_ISREG(before.st_mode);
    bool ok = sized && writeAll(fd, offset, bytes) && ::fsync(fd) == 0;
    if (!ok && sized && offset + bytes.size() > static_cast<std::uint64_t>(before.st_size)) {
        const int cut = ::ftruncate(fd, before.st_size);
        static_cast<void>(cut); // nothing more can be done about it
    }
    ok = ::close(fd) == 0 && ok;
    return ok;
}

enum class Fresh { Written, NameTaken, Failed };

// Creates temp exclusively (never through a link, never opening a pipe or any file already
// there) with the permission bits mode, writes bytes and flushes them. A file this made and
// could not fill is removed again.
Fresh writeFresh(const fs::path& temp, unsigned mode, bool exactMode,
                 std::span<const std::uint8_t> bytes)
{
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                          static_cast<mode_t>(mode));
    if (fd < 0) {
        return errno == EEXIST ? Fresh::NameTaken : Fresh::Failed;
    }
    if (exactMode) {
        // The bits of the file replaced, also those the umask took away at the open.
        const int kept = ::fchmod(fd, static_cast<mode_t>(mode));
        static_cast<void>(kept); // a file system without modes keeps its own
    }
    bool ok = writeAll(fd, 0, bytes) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (!ok) {
        ::unlink(temp.c_str());
    }
    return ok ? Fresh::Written : Fresh::Failed;
}

// Reads bytes.size() bytes at offset of a regular file; bytes is cut to what the file held
// (less only when it shrank since its size was taken).
bool readAll(int fd, std::uint64_t offset, std::vector<std::uint8_t>& bytes)
{
    const ssize_t n = ::pread(fd, bytes.data(), bytes.size(), static_cast<off_t>(offset));
    if (n < 0) {
        return false;
    }
    bytes.resize(static_cast<std::size_t>(n));
    return true;
}

// The permission bits of an existing file, or nothing.
std::optional<unsigned> modeOf(const fs::path& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        return std::nullopt;
    }
    return static_cast<unsigned>(st.st_mode & 0777);
}

// Makes a rename in dir durable. Best effort: some file systems refuse to sync a directory.
void syncDirectory(const fs::path& dir)
{
    const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

constexpr std::string_view kTempMark = ".tmp-";
constexpr std::size_t kTempLetters = 6;
constexpr std::string_view kLetters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

std::string freshLetters()
{
    static std::mt19937_64 gen = [] {
        std::random_device device;
        const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
        return std::mt19937_64((static_cast<std::uint64_t>(device()) << 32) ^
                               static_cast<std::uint64_t>(now));
    }();
    std::string letters;
    for (std::size_t i = 0; i < kTempLetters; ++i) {
        letters += kLetters[gen() % kLetters.size()];
    }
    return letters;
}

// True when entry is a temporary of the file named target: target, ".tmp-", six letters or
// digits.
bool isTempOf(const std::string& entry, const std::string& target)
{
    const std::size_t head = target.size() + kTempMark.size();
    if (entry.size() != head + kTempLetters || !entry.starts_with(target) ||
        entry.compare(target.size(), kTempMark.size(), kTempMark) != 0) {
        return false;
    }
    return std::all_of(entry.begin() + static_cast<std::ptrdiff_t>(head), entry.end(),
                       [](char c) { return kLetters.find(c) != std::string_view::npos; });
}

// Removes temporaries of target that an earlier save left when the program stopped half way.
// Readers never open them; removing a link or a pipe removes only the name.
void sweepTemps(const fs::path& target)
{
    std::error_code ec;
    const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const std::string name = target.filename().string();
    std::vector<fs::path> stale;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        if (isTempOf(it->path().filename().string(), name)) {
            stale.push_back(it->path());
        }
    }
    for (const fs::path& p : stale) {
        fs::remove(p, ec);
    }
}

class DiskFileSystem final : public FileSystem {
public:
    bool exists(const fs::path& path) override
    {
        std::error_code ec;
        return fs::is_regular_file(path, ec);
    }

    std::optional<std::vector<std::uint8_t>> read(const fs::path& path, std::uint64_t offset,
                                                  std::size_t length) override
    {
        // Opened without waiting, so that a named pipe in a record file's place is refused at
        // once instead of blocking until something writes to it: only a regular file is read.
        const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            return std::nullopt;
        }
        std::optional<std::vector<std::uint8_t>> out;
        struct stat st {};
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
            const auto size = static_cast<std::uint64_t>(st.st_size);
            std::vector<std::uint8_t> bytes(
                offset < size
                    ? static_cast<std::size_t>(std::min<std::uint64_t>(length, size - offset))
                    : 0);
            if (readAll(fd, offset, bytes)) {
                out = std::move(bytes);
            }
        }
        ::close(fd);
        return out;
    }

    std::optional<fs::path> writeTemp(const fs::path& target,
                                      std::span<const std::uint8_t> bytes) override
    {
        sweepTemps(target);
        const std::optional<unsigned> mode = modeOf(target);
        // A name another file already has is never touched: try another, a few times.
        for (int attempt = 0; attempt < 16; ++attempt) {
            fs::path temp = target;
            temp += std::string(kTempMark) + freshLetters();
            const Fresh written = writeFresh(temp, mode.value_or(0666), mode.has_value(), bytes);
            if (written != Fresh::NameTaken) {
                return written == Fresh::Written ? std::optional(temp) : std::nullopt;
            }
        }
        return std::nullopt;
    }

    bool writeAt(const fs::path& path, std::uint64_t offset,
                 std::span<const std::uint8_t> bytes) override
    {
        return writeFileAt(path, offset, bytes);
    }

    bool rename(const fs::path& from, const fs::path& to) override
    {
        std::error_code ec;
        fs::rename(from, to, ec);
        if (ec) {
            return false;
        }
        syncDirectory(to.parent_path());
        return true;
    }

    void remove(const fs::path& path) override
    {
        std::error_code ec;
        fs::remove(path, ec);
    }
};

} // namespace

FileSystem& diskFileSystem()
{
    static DiskFileSystem disk;
    return disk;
}

} // namespace sb
