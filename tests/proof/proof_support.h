#pragma once

// What the tests against the real disk share, beyond the common test support: whole-file reads
// that tell a missing file apart, and a program with quiet services on a folder.

#include <optional>

#include "platform/media.h"
#include "platform/random.h"
#include "students/safe_file.h"
#include "support/test_support.h"

namespace sb::proof {

using test::TempDir;

// The whole file, or nothing when it is not there.
inline std::optional<std::vector<std::uint8_t>> fileBytes(const std::filesystem::path& path)
{
    return std::filesystem::exists(path) ? std::optional(test::readBytes(path)) : std::nullopt;
}

inline void putFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes)
{
    test::writeBytes(path, bytes);
}

// A program on the real disk, in dir.
struct DiskProgram {
    explicit DiskProgram(const std::filesystem::path& dir)
        : services{random, clock, sound, pictures, diskFileSystem(), dir}
    {
    }
    test::FixedClock clock;
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
