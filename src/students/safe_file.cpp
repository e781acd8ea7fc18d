// SPDX-License-Identifier: GPL-3.0-or-later
#include "students/safe_file.h"

#include <system_error>

namespace sb {

namespace fs = std::filesystem;

Status saveAtomically(FileSystem& fs, const fs::path& target, std::span<const std::uint8_t> bytes)
{
    const fs::path real = followLinks(target);
    const Result<fs::path> temp = fs.writeTemp(real, bytes);
    if (!temp) {
        return temp.status();
    }
    const Status moved = fs.rename(*temp, real);
    if (!moved) {
        fs.remove(*temp);
    }
    return moved;
}

fs::path followLinks(const fs::path& path)
{
    fs::path p = path;
    std::error_code ec;
    // A loop of links ends somewhere: the save then replaces the last link reached.
    for (int hops = 0; hops < 40 && fs::is_symlink(p, ec); ++hops) {
        const fs::path to = fs::read_symlink(p, ec);
        if (ec) {
            break;
        }
        p = to.is_absolute() ? to : p.parent_path() / to;
    }
    return p;
}

} // namespace sb
