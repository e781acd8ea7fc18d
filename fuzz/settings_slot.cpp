// SPDX-License-Identifier: GPL-3.0-or-later
// One 208-byte settings slot as any record file holds it: decoded, then repaired to values a
// drill can run on.

#include <cstddef>
#include <cstdint>
#include <span>

#include "fuzz_support.h"
#include "records/codec.h"
#include "students/record_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto s = sb::decodeSettings(std::span<const std::uint8_t>(data, size));
    sb::fuzz::require(s.has_value() == (size >= sb::kSlotDataSize));
    if (s) {
        sb::repairSettings(*s);
        sb::fuzz::require(s->operation >= 1 && s->operation <= 6);
        sb::fuzz::require(s->stopOn >= 1 && s->stopOn <= 9);
        sb::fuzz::require(s->averageOver() >= 1 && s->averageOver() <= 327);
        sb::fuzz::require(s->repeatWithin() >= 1);
        sb::fuzz::require(!sb::repairSettings(*s)); // repaired once is repaired for good
    }
    return 0;
}
