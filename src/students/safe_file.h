#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace sb {

// The folder that holds the record files, and how they are reached.
struct DataDir {
    FileSystem& files;
    std::filesystem::path dir;

    std::filesystem::path operator/(std::string_view name) const
    {
        return dir / std::filesystem::path(std::string(name));
    }
};

// Replaces target as a whole without ever leaving a half-written file in its place: the bytes
// go to temp (in the same directory), are flushed, and temp is renamed over target. On failure
// target is exactly as it was, temp is removed, and the answer is false.
[[nodiscard]] bool saveAtomically(FileSystem& fs, const std::filesystem::path& target,
                                  const std::filesystem::path& temp,
                                  std::span<const std::uint8_t> bytes);

// The same with the temporary file named after target with ".tmp" added.
[[nodiscard]] bool saveAtomically(FileSystem& fs, const std::filesystem::path& target,
                                  std::span<const std::uint8_t> bytes);

} // namespace sb
