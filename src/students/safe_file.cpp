#include "students/safe_file.h"

#include <algorithm>
#include <fstream>
#include <system_error>


#if __has_include(<unistd.h>) && __has_include(<fcntl.h>)
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#define SB_POSIX_FILES 1
#else
#define SB_POSIX_FILES 0
#endif

namespace sb {

namespace fs = std::filesystem;

namespace {

#if SB_POSIX_FILES

// Writes all of bytes at offset, going on after a partial write or an interrupted call.
bool writeAll(int fd, std::uint64_t offset, std::span<const std::uint8_t> bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.data() + done, bytes.size() - done,
                                   static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool writeFile(const fs::path& path, int flags, std::uint64_t offset,
               std::span<const std::uint8_t> bytes)
{
    const int fd = ::open(path.c_str(), flags | O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
        return false;
    }
    // fsync, not just a flush: the rename that follows must never reach the disk before the
    // data it publishes.
    bool ok = writeAll(fd, offset, bytes) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    return ok;
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

#else

bool writeFile(const fs::path& path, std::ios::openmode mode, std::uint64_t offset,
               std::span<const std::uint8_t> bytes)
{
    std::error_code ec;
    if (!fs::exists(path, ec)) {
        std::ofstream create(path, std::ios::binary);
        if (!create) {
            return false;
        }
    }
    std::fstream out(path, mode | std::ios::binary | std::ios::out);
    if (!out) {
        return false;
    }
    out.seekp(static_cast<std::streamoff>(offset));
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.flush();
    return static_cast<bool>(out);
}

void syncDirectory(const fs::path&) {}

#endif

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
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            return std::nullopt;
        }
        in.seekg(0, std::ios::end);
        const std::streamoff size = in.tellg();
        if (size < 0) {
            return std::nullopt;
        }
        const auto usize = static_cast<std::uint64_t>(size);
        if (offset >= usize) {
            return std::vector<std::uint8_t>{};
        }
        const auto available =
            static_cast<std::size_t>(std::min<std::uint64_t>(length, usize - offset));
        std::vector<std::uint8_t> bytes(available);
        in.seekg(static_cast<std::streamoff>(offset));
        in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(available));
        if (in.bad()) {
            return std::nullopt;
        }
        bytes.resize(static_cast<std::size_t>(in.gcount()));
        return bytes;
    }

    bool writeNew(const fs::path& path, std::span<const std::uint8_t> bytes) override
    {
#if SB_POSIX_FILES
        return writeFile(path, O_TRUNC, 0, bytes);
#else
        return writeFile(path, std::ios::trunc, 0, bytes);
#endif
    }

    bool writeAt(const fs::path& path, std::uint64_t offset,
                 std::span<const std::uint8_t> bytes) override
    {
#if SB_POSIX_FILES
        return writeFile(path, 0, offset, bytes);
#else
        return writeFile(path, std::ios::in, offset, bytes);
#endif
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

bool saveAtomically(FileSystem& fs, const fs::path& target, const fs::path& temp,
                    std::span<const std::uint8_t> bytes)
{
    if (!fs.writeNew(temp, bytes) || !fs.rename(temp, target)) {
        fs.remove(temp);
        return false;
    }
    return true;
}

bool saveAtomically(FileSystem& fs, const fs::path& target, std::span<const std::uint8_t> bytes)
{
    fs::path temp = target;
    temp += ".tmp";
    return saveAtomically(fs, target, temp, bytes);
}

} // namespace sb
