// The student file "StdDat.Xrx" and its rebuild through "Std2.ini".

#include "core/students_test_support.h"
#include "students/record_files.h"

namespace sb::test {
namespace {

HandSlot header(int count)
{
    HandSlot h = markedSlot("Whoever", 1);
    h.at(0, count);
    return h;
}

struct StudentFixture : FilesFixture {
    StudentFile file;
    Program& p = program;
    StudentFixture() { LoadOriginalDefaults(p.settings); }
    std::filesystem::path student() const { return at("StdDat.Xrx"); }
};

TEST(StudentFile, AMissingFileIsCreatedWithAHeaderCountingNoPupils)
{
    StudentFixture f;
    f.p.settings.workSettings.tag = 17;
    EXPECT_TRUE(OpenStudentFile(f.p, f.file).empty());
    EXPECT_EQ(f.file.studentCount, 0);
    const Bytes bytes = readBytes(f.student());
    ASSERT_EQ(bytes.size(), 208u);
    EXPECT_EQ(i16At(bytes, 0), 0);
}

TEST(StudentFile, OnlyNonBlankNamesAreListedAndEveryNamedRecordStaysFindable)
{
    StudentFixture f;
    HandSlot zeros; // a slot of a damaged file: all zero, name of NULs
    writeBytes(f.student(), concat({header(5), markedSlot("  Ann ", 4), markedSlot("    ", 5),
                                    markedSlot("Bob", 6), zeros, markedSlot("Cy", 3)}));
    const std::vector<std::string> names = OpenStudentFile(f.p, f.file);
    EXPECT_EQ(names, (std::vector<std::string>{"Ann", "Bob", "Cy"}));
    EXPECT_EQ(f.file.studentCount, 3);

    // Cy stands in slot 6, past studentCount + 1: it is still found, and its own record read.
    ASSERT_TRUE(FindStudentInFile(f.p, f.file, "Cy"));
    EXPECT_EQ(f.file.foundIndex, 5);
    DrillSettings cy;
    ASSERT_TRUE(ReadStudent(f.p, f.file, f.file.foundIndex, cy));
    EXPECT_EQ(cy.operation, 3);

    // A new pupil goes after every slot, not over Bob or Cy.
    DrillSettings dan = f.p.settings.defaultSettings;
    setName(dan, "Dan");
    ASSERT_TRUE(AppendStudent(f.p, f.file, dan));
    EXPECT_EQ(f.file.studentCount, 4);
    const Bytes bytes = readBytes(f.student());
    ASSERT_EQ(bytes.size(), 7u * 208);
    EXPECT_EQ(fieldsOf(bytes, 4), fieldsOf(markedSlot("Bob", 6)));
    EXPECT_EQ(fieldsOf(bytes, 6), fieldsOf(markedSlot("Cy", 3)));
    EXPECT_EQ(fieldsOf(bytes, 7), fieldsOf(markedSlot("Dan", 1)));
    EXPECT_EQ(i16At(bytes, 0), 5) << "appending leaves the header alone";
}

TEST(StudentFile, AHeaderCountingMoreSlotsThanTheFileHoldsIsCutToWhatIsThere)
{
    StudentFixture f;
    Bytes bytes = concat({header(9), markedSlot("Ann", 4), markedSlot("Bob", 5)});
    bytes.resize(bytes.size() + 150, 0x41); // part of a third slot
    writeBytes(f.student(), bytes);
    EXPECT_EQ(OpenStudentFile(f.p, f.file), (std::vector<std::string>{"Ann", "Bob"}));
    EXPECT_EQ(f.file.studentCount, 2);
    EXPECT_FALSE(ReadStudent(f.p, f.file, 3, f.p.settings.workSettings));
}

TEST(StudentFile, FindComparesTrimmedNamesExactly)
{
    struct Row {
        const char* name;
        bool found;
        int index;
    };
    const std::vector<Row> rows{
        {"  Ann  ", true, 1}, {"ann", false, 7},    {"Bo", false, 7},
        {"", false, 7},       {"Ann Lee", true, 3},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        StudentFixture f;
        writeBytes(f.student(), concat({header(4), markedSlot(" Ann", 4), markedSlot("Bob", 5),
                                        markedSlot("Ann Lee", 6), markedSlot("Ann", 3)}));
        static_cast<void>(OpenStudentFile(f.p, f.file));
        f.file.foundIndex = 7;
        const DrillSettings before = f.p.settings.workSettings;
        EXPECT_EQ(FindStudentInFile(f.p, f.file, r.name), r.found);
        EXPECT_EQ(f.file.foundIndex, r.index);
        EXPECT_EQ(f.p.settings.workSettings, before) << "search must not touch workSettings";
    }
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
    EXPECT_EQ(std::string(bytes.begin() + 208 + 2, bytes.begin() + 208 + 22),
              "Maximilian Alexander");
    EXPECT_EQ(bytes[208 + 22], 1) << "switchAB follows the name directly";
}

TEST(StudentFile, TheRebuildFollowsTheListAndGivesUnknownNamesFreshRecords)
{
    StudentFixture f;
    const HandSlot ann = markedSlot("Ann", 4);
    HandSlot bob = markedSlot("Bob", 5);
    bob.at(184, 33); // reviewCount: progress that must travel with the record
    const HandSlot cy = markedSlot("Cy", 6);
    writeBytes(f.student(), concat({header(3), ann, bob, cy}));
    // A stale temporary file of an interrupted run, longer than the new file.
    writeBytes(f.at("Std2.ini"), Bytes(10 * 208, 0x7F));
    static_cast<void>(OpenStudentFile(f.p, f.file));

    f.p.settings.defaultSettings.shockSeconds() = 8; // custom defaults
    setName(f.p.settings.workSettings, "Bob");       // the pupil on display
    f.p.settings.workSettings.operation = 2;
    f.file.studentCount = 4; // one slot more than the list has entries
    ASSERT_TRUE(RewriteStudentFile(f.p, f.file, {"Cy", "Dan", "  Bob"}));

    EXPECT_FALSE(f.file.open);
    EXPECT_FALSE(std::filesystem::exists(f.at("Std2.ini")));
    const Bytes bytes = readBytes(f.student());
    ASSERT_EQ(bytes.size(), 5u * 208);
    HandSlot head = markedSlot("Bob", 2, 4);
    EXPECT_EQ(fieldsOf(bytes, 1), fieldsOf(head));
    EXPECT_EQ(fieldsOf(bytes, 2), fieldsOf(cy));
    HandSlot dan = originalDefaultsSlot();
    dan.name("Dan").at(82, 8);
    EXPECT_EQ(fieldsOf(bytes, 3), fieldsOf(dan));
    EXPECT_EQ(fieldsOf(bytes, 4), fieldsOf(bob));
    HandSlot blank = originalDefaultsSlot();
    blank.name("").at(82, 8);
    EXPECT_EQ(fieldsOf(bytes, 5), fieldsOf(blank));
    // Ann was removed from the list: her record is gone.
    EXPECT_EQ(OpenStudentFile(f.p, f.file), (std::vector<std::string>{"Cy", "Dan", "Bob"}));
}

TEST(StudentFile, APupilRemovedFromTheListDoesNotLetAnAppendOverwriteAnother)
{
    StudentFixture f;
    HandSlot cy = markedSlot("Cy", 6);
    cy.at(184, 41);
    writeBytes(f.student(), concat({header(3), markedSlot("Ann", 4), markedSlot("Bob", 5), cy}));
    static_cast<void>(OpenStudentFile(f.p, f.file));
    f.file.studentCount = 2; // the window removed Ann from its list
    DrillSettings dan = f.p.settings.defaultSettings;
    setName(dan, "Dan");
    ASSERT_TRUE(AppendStudent(f.p, f.file, dan));
    ASSERT_TRUE(RewriteStudentFile(f.p, f.file, {"Bob", "Cy", "Dan"}));
    const Bytes bytes = readBytes(f.student());
    ASSERT_EQ(bytes.size(), 4u * 208);
    EXPECT_EQ(fieldsOf(bytes, 3), fieldsOf(cy));
    EXPECT_EQ(fieldsOf(bytes, 4), fieldsOf(markedSlot("Dan", 1)));
}

TEST(StudentFile, SlotsWrittenBeforeCancelStayWritten)
{
    StudentFixture f;
    writeBytes(f.student(), concat({header(1), markedSlot("Ann", 4)}));
    static_cast<void>(OpenStudentFile(f.p, f.file));
    DrillSettings ann = f.p.settings.defaultSettings;
    setName(ann, "Ann");
    ann.operation = 5;
    ASSERT_TRUE(WriteStudent(f.p, f.file, 1, ann));
    ASSERT_TRUE(AppendStudent(f.p, f.file, f.p.settings.defaultSettings));
    EXPECT_FALSE(WriteStudent(f.p, f.file, 0, ann)) << "slot 1 is the header";
    CloseStudentFile(f.file);
    // One write of one slot each, in place.
    EXPECT_EQ(f.files.calls.at(f.files.calls.size() - 2), "writeAt StdDat.Xrx 208 208");
    EXPECT_EQ(f.files.calls.back(), "writeAt StdDat.Xrx 416 208");
    const Bytes bytes = readBytes(f.student());
    ASSERT_EQ(bytes.size(), 3u * 208);
    EXPECT_EQ(i16At(bytes, 208 + 30), 5);
    EXPECT_EQ(fieldsOf(bytes, 3), fieldsOf(originalDefaultsSlot()));
}

TEST(StudentFile, AFailedRebuildKeepsTheOldFile)
{
    struct Row {
        const char* failure;
        std::optional<std::size_t> writeFailsAfter;
        bool renameFails;
    };
    const std::vector<Row> rows{
        {"half written", 300, false},
        {"written but not synced", 5000, false},
        {"rename refused", std::nullopt, true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.failure);
        StudentFixture f;
        const Bytes old = concat({header(2), markedSlot("Ann", 4), markedSlot("Bob", 5)});
        writeBytes(f.student(), old);
        static_cast<void>(OpenStudentFile(f.p, f.file));
        f.files.failWriteNewAfter = r.writeFailsAfter;
        f.files.failRename = r.renameFails;
        EXPECT_FALSE(RewriteStudentFile(f.p, f.file, {"Bob"}));
        EXPECT_EQ(readBytes(f.student()), old);
        EXPECT_FALSE(std::filesystem::exists(f.at("Std2.ini")));
        EXPECT_EQ(f.p.main.notice, "Student data could not be saved");
        EXPECT_FALSE(f.file.open);
    }
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

TEST(StudentFile, AKnownSlotReadsAndWritesBackByteForByte)
{
    StudentFixture f;
    const Bytes golden = dataFile("slot_ann.bin");
    ASSERT_EQ(golden.size(), 208u);
    Bytes file = concat({header(1)});
    file.insert(file.end(), golden.begin(), golden.end());
    writeBytes(f.student(), file);
    static_cast<void>(OpenStudentFile(f.p, f.file));
    DrillSettings ann;
    ASSERT_TRUE(ReadStudent(f.p, f.file, 1, ann));
    // Every offset is pinned by the codec's own test; a few fields of the known pupil suffice.
    EXPECT_EQ(trimmedName(ann), "Ann");
    EXPECT_EQ(ann.stopOn, 3);
    EXPECT_EQ(ann.operation, 4);
    EXPECT_EQ(ann.reviewAfter(), 300);
    EXPECT_EQ(ann.popupSeconds(), 7);
    EXPECT_EQ(ann.answerCount(2), 7);
    EXPECT_EQ(ann.reviewCount, 57);

    ASSERT_TRUE(WriteStudent(f.p, f.file, 1, ann));
    const Bytes back = readBytes(f.student());
    EXPECT_EQ(Bytes(back.begin() + 208, back.end()), golden);

    // The same slot cut inside its unused tail is not a whole slot.
    writeBytes(f.student(), [&] {
        Bytes cut = concat({header(1)});
        const Bytes part = dataFile("slot_ann_cut.bin");
        cut.insert(cut.end(), part.begin(), part.end());
        return cut;
    }());
    EXPECT_TRUE(OpenStudentFile(f.p, f.file).empty());
}

} // namespace
} // namespace sb::test
