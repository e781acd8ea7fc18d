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

namespace sb::test {

using Bytes = std::vector<std::uint8_t>;

// One 208-byte settings slot, filled by hand.
struct HandSlot {
    std::array<std::uint8_t, 208> bytes{};

    // A little-endian 16-bit value at a byte offset.
    HandSlot& at(std::size_t offset, int value)
    {
        const auto u = static_cast<std::uint16_t>(value);
        bytes[offset] = static_cast<std::uint8_t>(u & 0xFF);
        bytes[offset + 1] = static_cast<std::uint8_t>(u >> 8);
        return *this;
    }
    // The 20-byte name at offset 2, blank-padded.
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
    s.at(56, 0);                                                      // saveLevel
    const int values[] = {2, 3, 5, 3, 3, 2, 2, 3, 5, 30, 200, 10, 0}; // smartValue 1..13
    for (std::size_t i = 0; i < 13; ++i) {
        s.at(60 + 2 * i, values[i]);
    }
    s.at(88, 1);                                       // firstRange 1
    for (std::size_t off = 98; off <= 116; off += 2) { // secondNum 1..10
        s.at(off, 1);
    }
    s.at(184, 0).at(186, -2); // reviewCount, reviewLeft
    return s;
}

// A plain valid slot for file-layout tests: the original defaults under another name, with
// the operation as a marker telling slots apart.
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

inline Bytes dataFile(std::string_view name)
{
    return readBytes(std::filesystem::path(SUMBLITZ_TEST_DATA) / std::string(name));
}

inline std::int16_t i16At(const Bytes& b, std::size_t offset)
{
    return static_cast<std::int16_t>(b.at(offset) | (b.at(offset + 1) << 8));
}

// Every file name directly in dir.
inline std::set<std::string> filesIn(const std::filesystem::path& dir)
{
    std::set<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir)) {
        names.insert(e.path().filename().string());
    }
    return names;
}

// The disk, with failures on request, and a log of every call.
class FaultyFiles final : public FileSystem {
public:
    // writeNew stores this many bytes, then fails; nullopt: it does not fail.
    std::optional<std::size_t> failWriteNewAfter;
    bool failRename = false;
    bool failWriteAt = false;
    bool failRead = false;
    std::vector<std::string> calls;

    bool exists(const std::filesystem::path& path) override
    {
        calls.push_back("exists " + path.filename().string());
        return disk().exists(path);
    }
    std::optional<Bytes> read(const std::filesystem::path& path, std::uint64_t offset,
                              std::size_t length) override
    {
        calls.push_back("read " + path.filename().string());
        if (failRead) {
            return std::nullopt;
        }
        return disk().read(path, offset, length);
    }
    bool writeNew(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) override
    {
        calls.push_back("writeNew " + path.filename().string());
        if (failWriteNewAfter) {
            const std::size_t n = std::min(*failWriteNewAfter, bytes.size());
            static_cast<void>(disk().writeNew(path, bytes.first(n)));
            return false;
        }
        return disk().writeNew(path, bytes);
    }
    bool writeAt(const std::filesystem::path& path, std::uint64_t offset,
                 std::span<const std::uint8_t> bytes) override
    {
        calls.push_back("writeAt " + path.filename().string() + " " + std::to_string(offset) + " " +
                        std::to_string(bytes.size()));
        return !failWriteAt && disk().writeAt(path, offset, bytes);
    }
    bool rename(const std::filesystem::path& from, const std::filesystem::path& to) override
    {
        calls.push_back("rename " + from.filename().string() + " " + to.filename().string());
        return !failRename && disk().rename(from, to);
    }
    void remove(const std::filesystem::path& path) override
    {
        calls.push_back("remove " + path.filename().string());
        disk().remove(path);
    }

private:
    static FileSystem& disk() { return diskFileSystem(); }
};

// A program over fakes whose record files go through a FaultyFiles.
struct FilesFixture : ProgramFixture {
    FaultyFiles files;
    FilesFixture() { services.files = &files; }
    std::filesystem::path at(std::string_view name) const { return dir.path() / std::string(name); }
};

} // namespace sb::test
