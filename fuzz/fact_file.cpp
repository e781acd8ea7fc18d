// A pupil's fact file, read as at start-up or when a pupil is chosen.

#include <cstddef>
#include <cstdint>

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
    return 0;
}
