// SPDX-License-Identifier: GPL-3.0-or-later
// "Default.Xsx" as the program meets it at start-up: chosen settings, shown, a drill run on
// them for a while, then shut down (which writes the file again) and started once more.

#include <cstddef>
#include <cstdint>

#include "flow/startup_shutdown.h"
#include "fuzz_support.h"
#include "students/record_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    sb::fuzz::plantFile(std::string(sb::kDefaultFile), data, size);
    sb::fuzz::FuzzProgram run;
    sb::Program& p = run.program;
    sb::ProgramLoad(p);
    sb::StartDrill(p);
    sb::fuzz::driveDrill(p, 40);
    static_cast<void>(sb::ProgramClose(p));

    // What shut-down wrote, the next start reads.
    sb::fuzz::FuzzProgram next;
    sb::ProgramLoad(next.program);
    return 0;
}
