#pragma once

// Helpers for the record-file tests: bytes written by hand at spelled-out offsets (never by the
// program's codec), file reading and writing, and a file system that fails on request.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/fakes.h"
#include "students/safe_file.h"

#if __has_include(<sys/mount.h>)
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>
#define SB_TEST_MOUNTS 1
#else
#define SB_TEST_MOUNTS 0
#endif

namespace sb::test {

using Bytes = std::vector<std::uint8_t>;

// One 208-byte settings slot, filled by hand: little-endian 16-bit values at byte offsets and
// the blank-padded 20-byte name at offset 2.
struct HandSlot {
    std::array<std::uint8_t, 208> bytes{};

    HandSlot& at(std::size_t offset, int value)
    {
        const auto u = static_cast<std::uint16_t>(value);
        bytes[offset] = static_cast<std::uint8_t>(u & 0xFF);
        bytes[offset + 1] = static_cast<std::uint8_t>(u >> 8);
        return *this;
    }
    HandSlot& name(std::string_view text)
    {
        for (std::size_t i = 0; i < 20; ++i) {
            bytes[2 + i] = i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0x20;
        }
        return *this;
    }
};

// The original defaults as the file holds them, offset by offset.
inline HandSlot originalDefaultsSlot()
{
    HandSlot s;
    s.at(0, 0).name("Default");
    s.at(22, 1).at(24, 0).at(26, 0).at(28, 2).at(30, 1).at(32, 1); // switchAB .. reviewOn
    s.at(36, 200).at(38, 80).at(40, 15).at(42, 100);               // teachSet 1..4
    for (std::size_t off = 46; off <= 54; off += 2) {              // smartCheck 1..5
        s.at(off, 1);
    }
    const int values[] = {2, 3, 5, 3, 3, 2, 2, 3, 5, 30, 200, 10, 0}; // smartValue 1..13
    for (std::size_t i = 0; i < 13; ++i) {
        s.at(60 + 2 * i, values[i]);
    }
    s.at(88, 1);                                       // firstRange 1
    for (std::size_t off = 98; off <= 116; off += 2) { // secondNum 1..10
        s.at(off, 1);
    }
    s.at(186, -2); // reviewLeft
    return s;
}

// The original defaults under another name, with the operation as a marker telling slots apart.
inline HandSlot markedSlot(std::string_view name, int operation, int tag = 0)
{
    HandSlot s = originalDefaultsSlot();
    s.name(name).at(30, operation).at(0, tag);
    return s;
}

inline Bytes concat(std::initializer_list<HandSlot> slots)
{
    Bytes out;
    for (const HandSlot& s : slots) {
        out.insert(out.end(), s.bytes.begin(), s.bytes.end());
    }
    return out;
}

// The first 188 bytes of a slot: the part that carries fields (the rest may hold any fill).
inline Bytes fieldsOf(const Bytes& file, std::size_t slot)
{
    const auto begin = file.begin() + static_cast<std::ptrdiff_t>((slot - 1) * 208);
    return Bytes(begin, begin + 188);
}
inline Bytes fieldsOf(const HandSlot& s)
{
    return Bytes(s.bytes.begin(), s.bytes.begin() + 188);
}

inline void writeBytes(const std::filesystem::path& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

inline Bytes readBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::int16_t i16At(const Bytes& b, std::size_t offset)
{
    return static_cast<std::int16_t>(b.at(offset) | (b.at(offset + 1) << 8));
}

inline std::set<std::string> filesIn(const std::filesystem::path& dir)
{
    std::set<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir)) {
        names.insert(e.path().filename().string());
    }
    return names;
}

// The disk, with failures on request, counting every call.
class FaultyFiles final : public FileSystem {
public:
    // writeTemp stores this many bytes in its temporary and stops there, as a program that dies
    // half way would: the temporary stays.
    std::optional<std::size_t> crashWritingTempAfter;
    bool failRename = false;
    bool failRead = false;
    std::set<std::string> unreadable; // file names whose reads fail
    int calls = 0;

    bool exists(const std::filesystem::path& path) override { return ++calls, disk().exists(path); }
    std::optional<Bytes> read(const std::filesystem::path& path, std::uint64_t offset,
                              std::size_t length) override
    {
        ++calls;
        const bool fails = failRead || unreadable.contains(path.filename().string());
        return fails ? std::nullopt : disk().read(path, offset, length);
    }
    std::optional<std::filesystem::path> writeTemp(const std::filesystem::path& target,
                                                   std::span<const std::uint8_t> bytes) override
    {
        ++calls;
        if (!crashWritingTempAfter) {
            return disk().writeTemp(target, bytes);
        }
        const auto left =
            disk().writeTemp(target, bytes.first(std::min(*crashWritingTempAfter, bytes.size())));
        static_cast<void>(left);
        return std::nullopt;
    }
    bool writeAt(const std::filesystem::path& path, std::uint64_t offset,
                 std::span<const std::uint8_t> bytes) override
    {
        return ++calls, disk().writeAt(path, offset, bytes);
    }
    bool rename(const std::filesystem::path& from, const std::filesystem::path& to) override
    {
        return ++calls, !failRename && disk().rename(from, to);
    }
    void remove(const std::filesystem::path& path) override { ++calls, disk().remove(path); }

private:
    static FileSystem& disk() { return diskFileSystem(); }
};

// A program over fakes whose record files go through a FaultyFiles; the pupil "Ann" with the
// original defaults and saveLevel 1.
struct FilesFixture : ProgramFixture {
    FaultyFiles files;
    Program& p = program;
    FilesFixture()
    {
        services.files = &files;
        LoadOriginalDefaults(p.settings);
        p.cur() = p.settings.defaultSettings;
        setName(p.cur(), "Ann");
        p.cur().saveLevel() = 1;
    }
    std::filesystem::path at(std::string_view name) const { return dir.path() / std::string(name); }
};

// A small tmpfs mounted over dir while this lives, to make a read-only or a full file system
// even for root, whom permission bits do not stop. ok() is false where mounting is not allowed.
class TmpfsMount {
public:
    explicit TmpfsMount(std::filesystem::path dir) : m_dir(std::move(dir))
    {
        std::filesystem::create_directories(m_dir);
#if SB_TEST_MOUNTS
        m_ok = ::mount("tmpfs", m_dir.c_str(), "tmpfs", 0, kOptions) == 0;
#endif
    }
    ~TmpfsMount()
    {
#if SB_TEST_MOUNTS
        if (m_ok) {
            ::umount2(m_dir.c_str(), MNT_DETACH);
        }
#endif
    }
    TmpfsMount(const TmpfsMount&) = delete;
    TmpfsMount& operator=(const TmpfsMount&) = delete;

    bool ok() const
    {
        return m_ok;
    }
    const std::filesystem::path& path() const
    {
        return m_dir;
    }

    bool setReadOnly([[maybe_unused]] bool readOnly)
    {
#if SB_TEST_MOUNTS
        const unsigned long flags = static_cast<unsigned long>(MS_REMOUNT) |
                                    (readOnly ? static_cast<unsigned long>(MS_RDONLY) : 0UL);
        return m_ok && ::mount("tmpfs", m_dir.c_str(), "tmpfs", flags, kOptions) == 0;
#else
        return false;
#endif
    }

    // Fills the file system to the last byte with the file "filler".
    void fill()
    {
#if SB_TEST_MOUNTS
        const int fd = ::open((m_dir / "filler").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const std::vector<char> block(4096, 'f');
        while (fd >= 0 && ::write(fd, block.data(), block.size()) > 0) {
        }
        while (fd >= 0 && ::write(fd, block.data(), 1) > 0) {
        }
        ::close(fd);
#endif
    }

private:
    static constexpr const char* kOptions = "size=64k";
    std::filesystem::path m_dir;
    bool m_ok = false;
};

#define SB_SKIP_WITHOUT_MOUNT(mount)                                                               \
    if (!(mount).ok())                                                                             \
    GTEST_SKIP() << "mounting a tmpfs is not permitted here (needs root in a container that "      \
                    "allows mount); the real read-only and full file system cases did not run"

} // namespace sb::test
