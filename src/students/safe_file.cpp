// SPDX-License-Identifier: GPL-3.0-or-later
#include "students/safe_file.h"

#include <system_error>

namespace sb {

namespace fs = std::filesystem;

bool saveAtomically(FileSystem& fs, const fs::path& target, std::span<const std::uint8_t> bytes)
{
    const fs::path real = followLinks(target);
    const std::optional<fs::path> temp = fs.writeTemp(real, bytes);
    if (!temp) {
        return false;
    }
    if (!fs.rename(*temp, real)) {
        fs.remove(*temp);
        return false;
    }
    return true;
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
