#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/media.h"
#include "platform/random.h"
#include "flow/program.h"

namespace sb::test {

// Returns the given numbers in order and fails the test when asked for one more. Running dry
// also throws, which ends the test there: going on with made-up numbers could loop forever in a
// loop that draws until it gets a different value.
class ScriptedRandom final : public Random {
public:
    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<double> values) : m_values(values) {}
    void push(double v) { m_values.push_back(v); }
    void push(std::initializer_list<double> vs) { m_values.insert(m_values.end(), vs); }
    double next() override
    {
        if (m_next >= m_values.size()) {
            ADD_FAILURE() << "ScriptedRandom ran dry after " << m_next << " draws";
            throw std::runtime_error("ScriptedRandom ran dry");
        }
        return m_values[m_next++];
    }
    std::size_t used() const { return m_next; }
    std::size_t left() const { return m_values.size() - m_next; }

private:
    std::vector<double> m_values;
    std::size_t m_next = 0;
};

// Any number of draws, all the same value.
class ConstantRandom final : public Random {
public:
    explicit ConstantRandom(double v) : m_v(v) {}
    double next() override { return m_v; }

private:
    double m_v;
};

class FixedClock final : public Clock {
public:
    std::int16_t minute = 15;
    std::int16_t minuteOfHour() override { return minute; }
    std::uint64_t seed() override { return 42; }
};

class RecordingSound final : public Sound {
public:
    std::vector<int> played;
    void play(int slot) override { played.push_back(slot); }
};

class RecordingPictures final : public Pictures {
public:
    std::vector<int> shown;
    void show(int n) override { shown.push_back(n); }
};

// A temporary directory removed at the end of the test.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

// A fresh program over fakes; the random source is scripted unless a test swaps it.
struct ProgramFixture {
    ScriptedRandom random;
    FixedClock clock;
    RecordingSound sound;
    RecordingPictures pictures;
    TempDir dir;
    Services services{random, clock, sound, pictures, dir.path()};
    Program program{services};
};

} // namespace sb::test
