// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/media.h"
#include "platform/random.h"

namespace sb {

// What the program gets from the machine, every one required. The real versions are built in
// main(); tests hand in scripted and recording fakes and a temporary data directory.
struct Services {
    Random& random;
    Clock& clock;
    Sound& sound;
    Pictures& pictures;
    FileSystem& files;             // how record files are read and written
    std::filesystem::path dataDir; // where the record files live
};

} // namespace sb
