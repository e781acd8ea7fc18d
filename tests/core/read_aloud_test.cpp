// SPDX-License-Identifier: GPL-3.0-or-later
// Read Aloud: the pupil's own choice, kept with her history; the drill's sounds and the voice
// taking turns.

#include "flow/read_aloud.h"
#include "support/test_support.h"

namespace sb::test {
namespace {

TEST(ReadAloud, IsEachPupilsOwnAndGoesWithHerHistory)
{
    StdRandom random{1};
    ProgramFixture f(random, diskFileSystem());
    setName(f.p.cur(), "Ann");
    EXPECT_FALSE(ReadAloudOn(f.p));
    EXPECT_FALSE(std::filesystem::exists(f.at("Ann.history.sqlite"))); // reading makes none
    ASSERT_TRUE(SetReadAloud(f.p, true));
    setName(f.p.cur(), "Bob");
    EXPECT_FALSE(ReadAloudOn(f.p));
    setName(f.p.cur(), "Ann");
    EXPECT_TRUE(ReadAloudOn(f.p));
    f.p.run.readAloud.reset(); // as another computer finds it
    EXPECT_TRUE(ReadAloudOn(f.p));
    ASSERT_TRUE(RenameHistory(f.p, "Ann", "Anna").ok());
    setName(f.p.cur(), "Anna");
    EXPECT_TRUE(ReadAloudOn(f.p));
    // Taken over by another computer: refused, kept as it was, and said.
    f.p.run.pupilTakenOver = true;
    EXPECT_FALSE(SetReadAloud(f.p, false));
    EXPECT_EQ(ints(ReadAloudOn(f.p), f.p.run.troubles.empty()), ints(true, false));
    f.p.run.pupilTakenOver = false;
    EXPECT_TRUE(SetReadAloud(f.p, false));
    f.p.run.readAloud.reset();
    EXPECT_FALSE(ReadAloudOn(f.p));
}

TEST(ReadAloud, TheDrillSoundsAndTheVoiceTakeTurns)
{
    RecordingSound sound;
    FakeSpeech speech;
    FixedClock clock;
    SoundBesideSpeech both(sound, speech, clock);
    int said = 0;
    speech.say({"7 plus 6", "en", {}, [&said] { ++said; }});
    both.play(SoundId::Tick);    // skipped while a line is said
    both.play(SoundId::Correct); // cuts the line off
    EXPECT_EQ(ints(said, speech.speaking()), ints(1, false));
    both.play(SoundId::Tick);
    EXPECT_EQ(sound.played, (std::vector<int>{2, 6})) << "the first tick skipped";
    both.play(SoundId::Finish);
    EXPECT_EQ(both.quietAt(), clock.steadyNow() + std::chrono::milliseconds(1500));
}

} // namespace
} // namespace sb::test
