#pragma once

// What the tests against the real disk share: a fresh folder per test, whole-file reads and a
// program with quiet services on that folder.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

#include "flow/program.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/media.h"
#include "platform/random.h"
#include "students/safe_file.h"

namespace sb::proof {

// A new empty folder under the temporary folder, removed with everything in it at the end.
class TempDir {
public:
    TempDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "sumblitz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot make a temporary folder");
        }
        m_path = pattern;
    }
    ~TempDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

// The whole file, or nothing when it cannot be read.
inline std::optional<std::vector<std::uint8_t>> fileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    const std::vector<char> raw((std::istreambuf_iterator<char>(in)),
                                std::istreambuf_iterator<char>());
    return std::vector<std::uint8_t>(raw.begin(), raw.end());
}

inline void putFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.flush()) << path;
}

class StillClock final : public Clock {
public:
    std::int16_t minuteOfHour() override { return 7; }
    std::uint64_t seed() override { return 1; }
};

// A program on the real disk, in dir.
struct DiskProgram {
    explicit DiskProgram(const std::filesystem::path& dir)
        : services{random, clock, sound, pictures, diskFileSystem(), dir}
    {
    }
    StillClock clock;
    StdRandom random{1};
    SilentSound sound;
    NoPictures pictures;
    Services services;
    Program program{services};
};

inline DataDir diskData(const std::filesystem::path& dir)
{
    return DataDir{diskFileSystem(), dir};
}

} // namespace sb::proof
