// The student file "StdDat.Xrx" and its rebuild.

#include <sys/stat.h>

#include "core/students_test_support.h"
#include "students/record_files.h"

namespace sb::test {
namespace {

HandSlot header(int count)
{
    return markedSlot("Whoever", 1, count);
}

struct StudentFixture : FilesFixture {
    StudentFile file;
    std::filesystem::path student() const { return services.dataDir / "StdDat.Xrx"; }
};

TEST(StudentFile, BlankNamedSlotsAreCountedButNotListedAndAnAppendGoesAfterThemAll)
{
    StudentFixture f;
    writeBytes(f.student(), concat({header(4), markedSlot("  Ann ", 4), markedSlot("    ", 5),
                                    markedSlot("Bob", 6), markedSlot("Cy", 3)}));
    EXPECT_EQ(OpenStudentFile(f.p, f.file), (std::vector<std::string>{"Ann", "Bob", "Cy"}));
    ASSERT_TRUE(FindStudentInFile(f.p, f.file, "Cy"));
    EXPECT_EQ(f.file.foundIndex, 4);

    DrillSettings dan = f.p.settings.defaultSettings;
    setName(dan, "Dan");
    ASSERT_TRUE(AppendStudent(f.p, f.file, dan));
    const Bytes bytes = readBytes(f.student());
    ASSERT_EQ(bytes.size(), 6u * 208);
    EXPECT_EQ(fieldsOf(bytes, 5), fieldsOf(markedSlot("Cy", 3)));
    EXPECT_EQ(fieldsOf(bytes, 6), fieldsOf(markedSlot("Dan", 1)));
}

TEST(StudentFile, NamesAreStoredCutToTwentyCharacters)
{
    StudentFixture f;
    static_cast<void>(OpenStudentFile(f.p, f.file));
    DrillSettings s = f.p.settings.defaultSettings;
    setName(s, "Maximilian Alexander Huber");
    ASSERT_TRUE(AppendStudent(f.p, f.file, s));
    const Bytes bytes = readBytes(f.student());
    ASSERT_EQ(bytes.size(), 416u);
    EXPECT_EQ(i16At(bytes, 0), 0) << "a new file's header counts no pupils";
    EXPECT_EQ(fieldsOf(bytes, 2), fieldsOf(originalDefaultsSlot().name("Maximilian Alexander")));
}

TEST(StudentFile, TheRebuildFollowsTheListAndGivesUnknownNamesFreshRecords)
{
    StudentFixture f;
    HandSlot bob = markedSlot("Bob", 5);
    bob.at(184, 33); // reviewCount: progress that must travel with the record
    const HandSlot cy = markedSlot("Cy", 6);
    writeBytes(f.student(), concat({header(3), markedSlot("Ann", 4), bob, cy}));
    static_cast<void>(OpenStudentFile(f.p, f.file));

    f.p.settings.defaultSettings.shockSeconds() = 8; // custom defaults
    setName(f.p.settings.workSettings, "Bob");       // the pupil on display
    f.p.settings.workSettings.operation = 2;
    ASSERT_TRUE(RewriteStudentFile(f.p, f.file, {"Cy", "Dan", "  Bob"}));

    EXPECT_EQ(filesIn(f.dir.path()), std::set<std::string>{"StdDat.Xrx"});
    HandSlot dan = originalDefaultsSlot();
    dan.name("Dan").at(82, 8);
    const Bytes bytes = readBytes(f.student());
    ASSERT_EQ(bytes.size(), 4u * 208);
    EXPECT_EQ(fieldsOf(bytes, 1), fieldsOf(markedSlot("Bob", 2, 3)));
    EXPECT_EQ(fieldsOf(bytes, 2), fieldsOf(cy));
    EXPECT_EQ(fieldsOf(bytes, 3), fieldsOf(dan));
    EXPECT_EQ(fieldsOf(bytes, 4), fieldsOf(bob));
}

TEST(StudentFile, AFileThatCannotBeReadIsNeverRebuilt)
{
    StudentFixture f;
    const Bytes old = concat({header(1), markedSlot("Ann", 4)});
    writeBytes(f.student(), old);
    f.files.failRead = true;
    EXPECT_TRUE(OpenStudentFile(f.p, f.file).empty());
    f.files.failRead = false;
    EXPECT_FALSE(AppendStudent(f.p, f.file, f.p.settings.defaultSettings));
    EXPECT_FALSE(RewriteStudentFile(f.p, f.file, {}));
    EXPECT_EQ(readBytes(f.student()), old);
}

// A slot appended for a name that is no student entry leaves the rebuild one entry short: that
// entry gets a fresh record of the defaults with an empty name, never a stale blank slot.
TEST(StudentFile, AMissingEntryIsRebuiltAsAFreshBlankRecord)
{
    StudentFixture f;
    writeBytes(f.student(), concat({header(5), markedSlot("Ann", 4), markedSlot("", 6)}));
    ASSERT_EQ(OpenStudentFile(f.p, f.file), std::vector<std::string>{"Ann"});
    ASSERT_TRUE(AppendStudent(f.p, f.file, f.p.settings.defaultSettings));
    ASSERT_TRUE(RewriteStudentFile(f.p, f.file, {"Ann"}));
    const Bytes bytes = readBytes(f.student());
    ASSERT_EQ(bytes.size(), 3u * 208);
    EXPECT_EQ(fieldsOf(bytes, 3), fieldsOf(originalDefaultsSlot().name("")));
}

// On a full disk the append stops 144 bytes into its slot (where a page ends); the file is cut
// back to its whole slots.
TEST(StudentFile, AnAppendThatCannotWriteItsWholeSlotLeavesTheFileAsItWas)
{
    StudentFixture f;
    TmpfsMount mount(f.at("data"));
    SB_SKIP_WITHOUT_MOUNT(mount);
    f.services.dataDir = mount.path();
    std::vector<HandSlot> slots{header(18)};
    for (int i = 1; i <= 18; ++i) {
        slots.push_back(markedSlot("Pupil" + std::to_string(i), 3));
    }
    Bytes before;
    for (const HandSlot& s : slots) {
        before.insert(before.end(), s.bytes.begin(), s.bytes.end());
    }
    ASSERT_EQ(before.size(), 3952u); // the next slot ends past the first 4096-byte page
    writeBytes(f.student(), before);
    ASSERT_EQ(OpenStudentFile(f.p, f.file).size(), 18u);
    mount.fill();
    EXPECT_FALSE(AppendStudent(f.p, f.file, f.p.settings.defaultSettings));
    EXPECT_EQ(readBytes(f.student()), before);
    EXPECT_EQ(f.p.main.notice.find("StdDat.Xrx") != std::string::npos, true) << f.p.main.notice;
}

TEST(StudentFile, ANamedPipeInItsPlaceIsRefusedWithoutWaitingForAReader)
{
    StudentFixture f;
    ASSERT_EQ(::mkfifo(f.student().c_str(), 0600), 0);
    EXPECT_TRUE(OpenStudentFile(f.p, f.file).empty());
    EXPECT_FALSE(AppendStudent(f.p, f.file, f.p.settings.defaultSettings));
    EXPECT_EQ(f.p.main.notice, "Student data could not be saved (StdDat.Xrx)");
}

} // namespace
} // namespace sb::test
