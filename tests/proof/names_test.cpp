// Pupils' names that are hostile as file names: each pupil's facts go to a file of their own,
// inside the data folder, and no pupil's save lands on another's file.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "flow/lifecycle.h"
#include "proof_support.h"
#include "students/file_names.h"

namespace sb::proof {
namespace {

TEST(HostileNames, EachPupilWritesOnlyTheirOwnFileInsideTheDataFolder)
{
    // Names are 20 Latin-1 bytes at most. Pairs that a careless mapping would merge: case only,
    // a trailing dot, an escape written out by hand.
    std::vector<std::string> names = {
        "Ann",         "ann",       "ANN",      "Ann.",
        "Ann..",       "Ann%",      "A%6Enn",   "../Ann",
        "..",          ".",         "a/b",      "a\\b",
        "/etc/passwd", "C:\\Ann",   "CON",      "con",
        "Con.txt",     "NUL",       "AUX",      "PRN",
        "COM1",        "LPT9",      "CONIN$",   "%%%%%%%%%%%%%%%%%%%%",
        "tab\there",   "new\nline", "*?<>|\":", "\xe9l\xe8ve",
        "-rf",         "~",         "$HOME",    "Ann.Xtx",
        ".Xtx",        ""};
    names.emplace_back("nul\x01\x1f\x7f", 7);
    TempDir tmp;
    const auto dir = tmp.path() / "data";
    std::filesystem::create_directory(dir);

    // Every pupil saves facts carrying their own number, then every pupil reads back their own.
    for (const bool reading : {false, true}) {
        for (std::size_t i = 0; i < names.size(); ++i) {
            SCOPED_TRACE("name \"" + names[i] + "\"");
            DiskProgram run(dir);
            Program& p = run.p;
            setName(p.cur(), names[i]);
            p.cur().autoTeach = 1;
            if (reading) {
                ReadFactFile(p);
                EXPECT_EQ(p.run.drillResumable * 1000 + p.drill.fact(1).asked,
                          static_cast<int>(i) + 1001);
            } else {
                p.drill.fact(1).asked = static_cast<std::int16_t>(i + 1);
                ASSERT_TRUE(WriteFactFile(p)) << p.main.notice;
            }
        }
    }

    // Nothing outside the data folder, and one file in it per pupil.
    EXPECT_EQ(test::filesIn(tmp.path()), std::set<std::string>{"data"});
    EXPECT_EQ(test::filesIn(dir).size(), names.size());
}

} // namespace
} // namespace sb::proof
