#include "support/test_support.h"

#include <algorithm>
#include <atomic>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace sb::test {

double ScriptedRandom::next()
{
    if (m_next >= m_values.size()) {
        ADD_FAILURE() << "ScriptedRandom ran dry after " << m_next << " draws";
        throw std::runtime_error("ScriptedRandom ran dry");
    }
    return m_values[m_next++];
}

TempDir::TempDir()
{
    static std::atomic<int> counter{0};
    std::random_device rd;
    m_path = std::filesystem::temp_directory_path() /
             ("sumblitz-test-" + std::to_string(rd()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(m_path);
}

TempDir::~TempDir()
{
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

namespace {
FileSystem& disk()
{
    return diskFileSystem();
}
} // namespace

bool FaultyFiles::exists(const std::filesystem::path& path)
{
    return ++calls, disk().exists(path);
}

std::optional<Bytes> FaultyFiles::read(const std::filesystem::path& path, std::uint64_t offset,
                                       std::size_t length)
{
    ++calls;
    return failRead ? std::nullopt : disk().read(path, offset, length);
}

bool FaultyFiles::writeNew(const std::filesystem::path& path, std::span<const std::uint8_t> bytes)
{
    ++calls;
    const std::size_t n = std::min(cutWriteAfter.value_or(bytes.size()), bytes.size());
    return disk().writeNew(path, bytes.first(n)) && !cutWriteAfter;
}

bool FaultyFiles::writeAt(const std::filesystem::path& path, std::uint64_t offset,
                          std::span<const std::uint8_t> bytes)
{
    return ++calls, disk().writeAt(path, offset, bytes);
}

bool FaultyFiles::rename(const std::filesystem::path& from, const std::filesystem::path& to)
{
    return ++calls, !failRename && disk().rename(from, to);
}

void FaultyFiles::remove(const std::filesystem::path& path)
{
    ++calls;
    disk().remove(path);
}

HandSlot& HandSlot::at(std::size_t offset, int value)
{
    const auto u = static_cast<std::uint16_t>(value);
    bytes[offset] = static_cast<std::uint8_t>(u & 0xFF);
    bytes[offset + 1] = static_cast<std::uint8_t>(u >> 8);
    return *this;
}

HandSlot& HandSlot::name(std::string_view text)
{
    for (std::size_t i = 0; i < 20; ++i) {
        bytes[2 + i] = i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0x20;
    }
    return *this;
}

HandSlot originalDefaultsSlot()
{
    HandSlot s;
    s.name("Default");
    s.at(22, 1).at(28, 2).at(30, 1).at(32, 1);       // switchAB, stopOn, operation, reviewOn
    s.at(36, 200).at(38, 80).at(40, 15).at(42, 100); // teachSet 1..4
    for (std::size_t off = 46; off <= 54; off += 2) { // smartCheck 1..5
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

HandSlot markedSlot(std::string_view name, int operation, int tag)
{
    HandSlot s = originalDefaultsSlot();
    s.name(name).at(30, operation).at(0, tag);
    return s;
}

Bytes concat(std::initializer_list<HandSlot> slots)
{
    Bytes out;
    for (const HandSlot& s : slots) {
        out.insert(out.end(), s.bytes.begin(), s.bytes.end());
    }
    return out;
}

Bytes fieldsOf(const Bytes& file, std::size_t k)
{
    const auto begin = file.begin() + static_cast<std::ptrdiff_t>((k - 1) * 208);
    return Bytes(begin, begin + 188);
}

Bytes fieldsOf(const HandSlot& s)
{
    return Bytes(s.bytes.begin(), s.bytes.begin() + 188);
}

void writeBytes(const std::filesystem::path& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

Bytes readBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::int16_t i16At(const Bytes& b, std::size_t offset)
{
    return static_cast<std::int16_t>(b.at(offset) | (b.at(offset + 1) << 8));
}

std::set<std::string> filesIn(const std::filesystem::path& dir)
{
    std::set<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir)) {
        names.insert(e.path().filename().string());
    }
    return names;
}

ProgramFixture::ProgramFixture(Random& random, FileSystem& files)
    : services{random, clock, sound, pictures, files, dir.path()}, program(services)
{
}

} // namespace sb::test
