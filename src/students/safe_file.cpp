// SPDX-License-Identifier: GPL-3.0-or-later
#include "students/safe_file.h"

namespace sb {

namespace fs = std::filesystem;

Status saveAtomically(FileSystem& fs, const fs::path& target, std::span<const std::uint8_t> bytes)
{
    const Result<fs::path> real = fs.writeTarget(target);
    if (!real) {
        return real.status();
    }
    const Result<fs::path> temp = fs.writeTemp(*real, bytes);
    if (!temp) {
        return temp.status();
    }
    const Status moved = fs.rename(*temp, *real);
    if (!moved) {
        fs.remove(*temp);
    }
    return moved;
}

} // namespace sb
