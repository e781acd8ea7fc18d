// SPDX-License-Identifier: GPL-3.0-or-later
// "StdDat.Xrx" with its header as the Student Data window reads it: every listed pupil is
// found by name and their record read back whole.

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "students/record_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    sb::fuzz::plantFile(std::string(sb::kStudentFile), data, size);
    sb::StudentFile f(sb::fuzz::dataDir());
    const auto names = sb::OpenStudentFile(f, {});
    for (const std::string& name : names) {
        const auto n = sb::FindStudentInFile(f, name);
        sb::fuzz::require(n.has_value());
        const auto record = sb::ReadStudent(f, *n);
        sb::fuzz::require(record.has_value());
        sb::fuzz::require(sb::trimmedName(*record) == name);
        sb::fuzz::require(record->operation >= 1 && record->operation <= 6);
    }
    static_cast<void>(sb::CloseStudentFile(f));
    return 0;
}
