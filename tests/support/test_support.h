// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What every test of the program shares: the program's flow and record files, scripted and
// recording stand-ins for the machine, a temporary data directory, a file system that fails on
// request, record bytes written by hand, and a program over all of these.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <optional>
#include <ranges>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

#include "drill/pool.h"
#include "flow/answer_log.h"
#include "flow/answering.h"
#include "flow/failures.h"
#include "flow/feedback.h"
#include "flow/lifecycle.h"
#include "flow/main_form.h"
#include "flow/main_selection.h"
#include "flow/program.h"
#include "flow/run_control.h"
#include "flow/smart_form.h"
#include "flow/startup_shutdown.h"
#include "flow/student_form.h"
#include "platform/speech.h"
#include "records/codec.h"
#include "records/fact_table.h"
#include "students/answer_history.h"
#include "students/record_files.h"

namespace sb::test {

// Returns the given numbers in order. Asked for one more, it fails the test and throws, which
// ends the test there: made-up numbers could loop for ever in a draw-until-different loop.
struct ScriptedRandom final : Random {
    void push(std::initializer_list<double> values) { m_values.insert(m_values.end(), values); }
    double next() override;
    std::size_t left() const { return m_values.size() - m_next; }
    std::vector<double> m_values;
    std::size_t m_next = 0;
};

// Any number of draws, all the same.
struct ConstantRandom final : Random {
    explicit ConstantRandom(double v) : value(v) {}
    double next() override { return value; }
    double value;
};

// Stands still until the program sleeps on it: then it moves on by the pause at once (its wall
// time and its steady time alike) and does what the test set to happen by then, as another
// computer letting go of a lock. Its time zone is UTC.
struct FixedClock final : Clock {
    std::int16_t minute = 15;
    std::int64_t ms = 1'780'000'000'000;           // 2026-05-28, UTC
    std::int32_t offset = 0;                       // seconds east of UTC
    std::chrono::milliseconds slept{0};            // every pause the program asked for, added up
    std::vector<std::chrono::milliseconds> pauses; // and each one
    std::int16_t minuteOfHour() override { return minute; }
    std::uint64_t seed() override { return 42; }
    std::int64_t utcMillis() override { return ms; }
    std::int32_t utcOffsetSeconds(std::int64_t) override { return offset; }
    std::chrono::steady_clock::time_point steadyNow() override
    {
        return std::chrono::steady_clock::time_point(slept);
    }
    void sleepFor(std::chrono::milliseconds pause) override;
    // Each action, run once the program has slept this long in all.
    std::vector<std::pair<std::chrono::milliseconds, std::function<void()>>> due;
};

// Sounds and pictures by their slot numbers (SoundId::Finish is 5, PictureId::Ready is 5).
struct RecordingSound final : Sound {
    std::vector<int> played;
    void play(SoundId s) override { played.push_back(static_cast<int>(s)); }
};
// Says nothing, and keeps each line until finish() (or the next line, or stop()) ends it.
struct FakeSpeech final : Speech {
    std::vector<std::string> lines;
    std::string language;
    bool prepared = false;
    std::function<void()> pending; // the `said` of the line being said
    void prepare() override { prepared = true; }
    void say(SpokenLine line) override
    {
        finish();
        lines.push_back(line.text);
        language = line.language;
        pending = line.said ? std::move(line.said) : [] {};
    }
    void stop() override { finish(); }
    bool speaking() const override { return static_cast<bool>(pending); }
    void finish()
    {
        if (auto said = std::exchange(pending, nullptr)) {
            said();
        }
    }
};
struct RecordingPictures final : Pictures {
    std::vector<int> shown;
    std::vector<int> missing; // pictures whose file cannot be read: not shown
    bool show(PictureId p) override
    {
        shown.push_back(static_cast<int>(p));
        return std::find(missing.begin(), missing.end(), static_cast<int>(p)) == missing.end();
    }
};

// A fresh directory, removed with everything in it at the end of the test.
struct TempDir {
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path m_path;
};

using Bytes = std::vector<std::uint8_t>;

// Fields compared together, each as a plain number, so that a failure prints every one:
// EXPECT_EQ(ints(score, total), ints(3, 4)).
template <class... T> std::array<int, sizeof...(T)> ints(T... values)
{
    return {static_cast<int>(values)...};
}
using Path = std::filesystem::path;

// A process id no process has.
inline constexpr long kDeadPid = 99999999; // above the most Linux gives (2^22)

// The disk, with failures on request, counting every call.
struct FaultyFiles final : FileSystem {
    // writeTemp stores this many bytes in its temporary and stops there, as a program that dies
    // half way would: the temporary stays.
    std::optional<std::size_t> crashWritingTempAfter;
    bool failRename = false;
    bool failLink = false;
    int linkError = EPERM;  // how a failLink share refuses a hard link
    bool failWrite = false; // writes in place find the disk full (or writeError)
    int writeError = ENOSPC;
    bool failRead = false;
    int failNoReplace = 0;            // moveNoReplace fails with this error (a share that has none)
    std::set<std::string> unreadable; // file names whose reads fail
    std::set<std::string> readOnly;   // file names that this account may not write in place
    int calls = 0; // calls of the record files' part, not the listing's nor the locks'
    // Run before each call of the locks' part, with the call's name ("createExclusive",
    // "move", "unlink" ...) and its first path: where another computer acts, on cue. A failLink
    // file system has no hard links for locks either.
    std::function<void(std::string_view call, const Path& path)> before;

    bool exists(const Path& path) override { return ++calls, disk().exists(path); }
    Result<Bytes> read(const Path& path, std::uint64_t offset, std::size_t n) override
    {
        const bool fails = failRead || unreadable.contains(path.filename().string());
        return ++calls, fails ? Result<Bytes>(Status::fail(EACCES)) : disk().read(path, offset, n);
    }
    Result<Path> writeTemp(const Path& target, std::span<const std::uint8_t> b) override
    {
        ++calls;
        if (!crashWritingTempAfter) {
            return disk().writeTemp(target, b);
        }
        const auto temp =
            disk().writeTemp(target, b.first(std::min(*crashWritingTempAfter, b.size())));
        if (temp) { // left as a process that died would leave it
            std::string name = temp->filename().string();
            const std::string pid = "-" + std::to_string(::getpid()) + "-";
            name.replace(name.find(pid), pid.size(), "-" + std::to_string(kDeadPid) + "-");
            static_cast<void>(disk().rename(*temp, temp->parent_path() / name));
        }
        return Status::fail(EIO);
    }
    Status writeAt(const Path& path, std::uint64_t at, std::span<const std::uint8_t> b) override
    {
        return ++calls, failWrite ? Status::fail(writeError) : disk().writeAt(path, at, b);
    }
    Status truncate(const Path& path, std::uint64_t size) override
    {
        return ++calls, failWrite ? Status::fail(ENOSPC) : disk().truncate(path, size);
    }
    // Where a save lands is asked before it, not counted: a decision, not a write.
    Result<Path> writeTarget(const Path& path) override { return disk().writeTarget(path); }
    Result<std::string> ownerOf(const Path& path) override { return disk().ownerOf(path); }
    Status rename(const Path& from, const Path& to) override
    {
        ++calls;
        return failRename ? Status::fail(EIO) : disk().rename(from, to);
    }
    Status link(const Path& from, const Path& to) override
    {
        ++calls;
        return failLink ? Status::fail(linkError) : disk().link(from, to);
    }
    void remove(const Path& path) override { ++calls, disk().remove(path); }
    void sweepStaleTemps(const Path& dir) override { ++calls, disk().sweepStaleTemps(dir); }

    std::vector<std::string> list(const Path& dir) override { return disk().list(dir); }
    Result<std::uintmax_t> linkCount(const Path& path) override { return disk().linkCount(path); }
    bool sameFile(const Path& a, const Path& b) override { return disk().sameFile(a, b); }
    std::string hostName() override { return disk().hostName(); }
    std::string machineName() override { return disk().machineName(); }
    long processId() override { return disk().processId(); }
    bool processGone(long pid) override { return disk().processGone(pid); }
    Status createExclusive(const Path& path, std::string_view text) override
    {
        return cue("createExclusive", path).createExclusive(path, text);
    }
    Result<std::string> readText(const Path& path, std::size_t most) override
    {
        return cue("readText", path).readText(path, most);
    }
    Result<std::chrono::nanoseconds> modifiedAt(const Path& path) override
    {
        return cue("modifiedAt", path).modifiedAt(path);
    }
    Status overwrite(const Path& path, std::string_view text) override
    {
        cue("overwrite", path);
        return readOnly.contains(path.filename().string()) ? Status::fail(EACCES)
                                                           : disk().overwrite(path, text);
    }
    Status addName(const Path& from, const Path& to) override
    {
        cue("addName", from);
        return failLink ? Status::fail(linkError) : disk().addName(from, to);
    }
    Status move(const Path& a, const Path& b) override { return cue("move", a).move(a, b); }
    Status moveNoReplace(const Path& from, const Path& to) override
    {
        cue("moveNoReplace", from);
        return failNoReplace != 0 ? Status::fail(failNoReplace) : disk().moveNoReplace(from, to);
    }
    Status present(const Path& path) override { return cue("present", path).present(path); }
    Status unlink(const Path& path) override { return cue("unlink", path).unlink(path); }
    Result<FileIdentity> identity(const Path& path) override { return disk().identity(path); }

    // Runs `before` for a call of the locks' part; answers the disk that then makes the call.
    FileSystem& cue(std::string_view call, const Path& path)
    {
        if (before) {
            before(call, path);
        }
        return disk();
    }
    static FileSystem& disk() { return diskFileSystem(); }
};

// One 208-byte settings slot filled by hand, never by the program's codec: little-endian 16-bit
// values at byte offsets, the blank-padded 20-byte name at offset 2.
struct HandSlot {
    std::array<std::uint8_t, 208> bytes{};
    HandSlot& at(std::size_t offset, int value);
    HandSlot& name(std::string_view text);
};

// The original defaults as the file holds them, offset by offset.
HandSlot originalDefaultsSlot();
// The original defaults under another name, the operation marking which slot was chosen.
inline HandSlot markedSlot(std::string_view name, int operation, int tag = 0)
{
    return originalDefaultsSlot().name(name).at(30, operation).at(0, tag);
}
Bytes concat(std::initializer_list<HandSlot> slots);
// The 188 bytes of slot k (from 1) that carry fields.
Bytes fieldsOf(const Bytes& file, std::size_t k);
void writeBytes(const Path& path, const Bytes& bytes);
// "StdDat.Xrx" in dir: a blank header counting the pupils, then their records.
void writeStudentFile(const Path& dir, const std::vector<DrillSettings>& pupils);
Bytes readBytes(const Path& path);
// The whole file as text ("" without it).
std::string textOf(const Path& path);
// Slot k (from 1) of a record file, decoded.
inline DrillSettings slotIn(const Path& file, std::size_t k)
{
    return *decodeSettings(fieldsOf(readBytes(file), k));
}
// Every row of the answer history at path; none when it cannot be read.
std::vector<AnswerRow> historyRows(const Path& path);
// The answers a fact file counts (the asked field of its 200 records), -1 without the file.
int answersIn(const Path& factFile);
inline std::int16_t i16At(const Bytes& b, std::size_t offset)
{
    return static_cast<std::int16_t>(b.at(offset) | (b.at(offset + 1) << 8));
}
std::set<std::string> filesIn(const Path& dir);
// This machine's name as the program's temporary files carry it.
std::string testHostName();

// The original defaults, under the given name when there is one.
DrillSettings originalDefaults(std::string_view name = {});

// A selection by its ticked boxes, each list ascending: the ranges of first numbers (firstRange
// 1..4) and the second numbers (secondNum 1..10). A failure prints the boxes by name.
struct Boxes {
    std::vector<int> ranges;
    std::vector<int> seconds;
    bool operator==(const Boxes&) const = default;
};
void PrintTo(const Boxes& b, std::ostream* os);
inline std::vector<int> oneTo(int n) // 1, 2, .., n
{
    const auto all = std::views::iota(1, n + 1);
    return {all.begin(), all.end()};
}
// A record's selection (a box holding neither 0 nor 1 fails the test), and back.
Boxes selectionOf(const DrillSettings& s);
void select(DrillSettings& s, const Boxes& boxes);

// Which controls of the main window are enabled. A failure prints the enabled ones by name.
struct Controls {
    bool start = false, pause = false, newDrill = false, smartRepeat = false, studentData = false,
         results = false, help = false;
    std::array<bool, kAnswerButtons> answers{}; // the answer buttons 1..kAnswerButtons
    bool operator==(const Controls&) const = default;
};
void PrintTo(const Controls& c, std::ostream* os);
// No drill running: everything but Pause and the answers.
inline constexpr Controls kIdle{.start = true,
                                .newDrill = true,
                                .smartRepeat = true,
                                .studentData = true,
                                .results = true,
                                .help = true};
// A drill running: Pause and the answers only.
inline constexpr Controls kRunning{.pause = true, .answers = {true, true, true}};

// A fixture's own faulty file system as a base class named before ProgramFixture: made before
// the program and gone after it, as the locks the program lets go of at its end need.
struct OwnFaultyFiles {
    FaultyFiles files;
};

// A program over the given random source, a fixed clock, recording sound and pictures and a
// fresh data directory reached through `files`. Nothing has run: a test calls load().
struct ProgramFixture {
    ProgramFixture(Random& random, FileSystem& files) : ProgramFixture(random, files, clock) {}
    // The same on another clock (the machine's own, for a test of real processes).
    ProgramFixture(Random& random, FileSystem& files, Clock& otherClock)
        : services{random, otherClock, sound, pictures, files, dir.path()}, p(services)
    {
    }

    TempDir dir;
    FixedClock clock;
    RecordingSound sound;
    RecordingPictures pictures;
    Services services;
    Program p;
    MainForm mainForm{p}; // the main window's events

    Path at(std::string_view file) const { return dir.path() / file; }
    // The program's own handlers, as a pupil uses them.
    void load() { mainForm.load(); }
    void right() { mainForm.but_click(p.drill.rightSlot); }
    Controls controls() const;
    // The selection boxes of the main window.
    Boxes boxes() const;
    void setBoxes(const Boxes& boxes);
};

enum class Event { Right, Wrong, TimeOut };

// Started as a pupil starts: loaded without files, Smart Repeat off (no repetition changes the
// number of draws), a drill that never stops, `tweak` run, Start pressed with fact 1 (1 + 1)
// posed, and what Start played and showed forgotten.
struct Drilling : ProgramFixture {
    explicit Drilling(void (*tweak)(Drilling&) = [](Drilling&) {});
    // The right answer 2 on button 1, the wrong answers 3 (fact 2) and 4 (fact 3) on 2 and 3.
    void poseFactOne() { random.push({0.0, 0.0, 0.1, 0.0, 0.1, 0.1, 0.1, 0.0}); }
    // Ends the posed problem ms milliseconds after it was posed, fact 1 posed again; a pop-up is
    // closed with its right button 5 s later. Answers what the pop-up showed ("" without one).
    std::string answer(Event e, std::int64_t ms = 0);
    ScriptedRandom random;
};

// The main window's notice holding these lines, as the program makes it.
inline Message noticeOf(std::initializer_list<Message> lines)
{
    return lines.size() == 0 ? Message() : Message(MessageId::List, lines);
}
// Whether text stands anywhere in the message, in it or in a message standing in it.
bool mentions(const Message& m, std::string_view text);

} // namespace sb::test

namespace sb {
// A message as a failing test prints it: its number, then what stands in it.
void PrintTo(const Message& m, std::ostream* out);
// A status as a failing test prints it: its code, and the system's error when it has one.
void PrintTo(const Status& s, std::ostream* out);
void PrintTo(StatusCode c, std::ostream* out);
// A caption as it reads in English.
void PrintTo(const Caption& c, std::ostream* out);
} // namespace sb
