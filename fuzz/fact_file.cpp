// SPDX-License-Identifier: GPL-3.0-or-later
// A pupil's fact file, read as at start-up or when a pupil is chosen. Then the worst case of
// its use: a drill was paused, the pupil chosen in the Student Data window has the same
// selection, so Start resumes on the facts just read, and the pupil answers for a while.

#include <cstddef>
#include <cstdint>

#include "flow/lifecycle.h"
#include "flow/startup_shutdown.h"
#include "fuzz_support.h"
#include "records/fact_table.h"
#include "students/fact_file.h"
#include "students/file_names.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    sb::fuzz::plantFile(sb::factFileName("Ann").string(), data, size);
    sb::Settings settings;
    sb::LoadOriginalDefaults(settings);
    sb::DrillSettings s = settings.defaultSettings;
    sb::setName(s, "Ann");
    s.autoTeach = 1;
    sb::Drill d;
    if (sb::ReadFactFile(d, s, sb::fuzz::dataDir()) == sb::FactFileRead::Loaded) {
        sb::fuzz::require(d.factCount == 200);
        for (int i = 1; i <= 200; ++i) {
            sb::fuzz::require(d.fact(i).second >= 0 && d.fact(i).second <= 10);
        }
    }

    sb::fuzz::FuzzProgram run;
    sb::Program& p = run.program;
    sb::ProgramLoad(p);
    sb::StartDrill(p);
    sb::PauseDrill(p);
    sb::setName(p.cur(), "Ann");
    p.cur().autoTeach = 1;
    sb::ReadFactFile(p);
    sb::StartDrill(p);
    sb::fuzz::driveDrill(p, 40);
    return 0;
}
