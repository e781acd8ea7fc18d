// SPDX-License-Identifier: GPL-3.0-or-later
// Builds one of the program's sounds from a small text score and writes it as a 16-bit PCM
// WAV file, 44100 Hz, mono.
//
//   sumblitz_tones <score.tone> <out.wav>
//
// A score holds one note per line (blank lines and lines starting with # are ignored):
//
//   note at=<ms> len=<ms> freq=<Hz> [to=<Hz>] amp=<0..1> voice=<bell|soft|horn|tick>
//
// `at` is when the note starts, `len` how long it sounds, `to` an end frequency for a glide.
// Every voice has a rounded attack and release, and the whole sound fades in and out over a
// few milliseconds, so that no sound starts or stops with a click.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <numbers>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr double kPi = std::numbers::pi;

enum class Voice { Bell, Soft, Horn, Tick };

struct Note {
    double atMs = 0;
    double lenMs = 0;
    double freq = 0;
    double toFreq = 0;
    double amp = 0;
    Voice voice = Voice::Soft;
};

std::optional<Voice> voiceNamed(const std::string& name)
{
    if (name == "bell")
        return Voice::Bell;
    if (name == "soft")
        return Voice::Soft;
    if (name == "horn")
        return Voice::Horn;
    if (name == "tick")
        return Voice::Tick;
    return std::nullopt;
}

// Reads "key=value" words after the word "note". Returns nothing (and says why on stderr)
// when a word is malformed or a required key is missing.
std::optional<Note> parseNote(std::istringstream& words, const std::string& where)
{
    std::map<std::string, std::string> kv;
    std::string word;
    while (words >> word) {
        const auto eq = word.find('=');
        if (eq == std::string::npos || eq == 0 || eq + 1 == word.size()) {
            std::cerr << where << ": expected key=value, got '" << word << "'\n";
            return std::nullopt;
        }
        kv[word.substr(0, eq)] = word.substr(eq + 1);
    }
    Note n;
    try {
        n.atMs = std::stod(kv.at("at"));
        n.lenMs = std::stod(kv.at("len"));
        n.freq = std::stod(kv.at("freq"));
        n.toFreq = kv.contains("to") ? std::stod(kv.at("to")) : n.freq;
        n.amp = std::stod(kv.at("amp"));
        const auto v = voiceNamed(kv.at("voice"));
        if (!v) {
            std::cerr << where << ": unknown voice '" << kv.at("voice") << "'\n";
            return std::nullopt;
        }
        n.voice = *v;
    } catch (const std::exception&) {
        std::cerr << where << ": a note needs at, len, freq, amp and voice as numbers\n";
        return std::nullopt;
    }
    if (n.atMs < 0 || n.lenMs <= 0 || n.freq <= 0 || n.toFreq <= 0 || n.amp <= 0 || n.amp > 1) {
        std::cerr << where << ": a value is out of range\n";
        return std::nullopt;
    }
    return n;
}

std::optional<std::vector<Note>> readScore(const std::string& path)
{
    std::ifstream in(path);
    if (!in) {
        std::cerr << path << ": cannot read\n";
        return std::nullopt;
    }
    std::vector<Note> notes;
    std::string line;
    int lineNo = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        std::istringstream words(line);
        std::string first;
        if (!(words >> first) || first[0] == '#')
            continue;
        const std::string where = path + ":" + std::to_string(lineNo);
        if (first != "note") {
            std::cerr << where << ": unknown word '" << first << "'\n";
            return std::nullopt;
        }
        auto n = parseNote(words, where);
        if (!n)
            return std::nullopt;
        notes.push_back(*n);
    }
    if (notes.empty()) {
        std::cerr << path << ": no notes\n";
        return std::nullopt;
    }
    return notes;
}

// A raised-cosine ramp from 0 to 1 over `len` seconds.
double ramp(double t, double len)
{
    if (t <= 0)
        return 0;
    if (t >= len)
        return 1;
    return 0.5 - 0.5 * std::cos(kPi * t / len);
}

// Loudness of a note at time t (seconds from its start) of length len: the voice's shape,
// always rising from 0 and falling back to 0 at the end.
double envelope(Voice v, double t, double len)
{
    switch (v) {
    case Voice::Bell: // quick strike, long ring that dies away
        return ramp(t, 0.006) * std::exp(-3.0 * t / len) * ramp(len - t, 0.03);
    case Voice::Soft: // gentle swell, held, gentle fade
        return ramp(t, 0.03) * ramp(len - t, 0.08);
    case Voice::Horn: // brassy but round: a short swell and a slight sag
        return ramp(t, 0.025) * (0.85 + 0.15 * std::exp(-4.0 * t / len)) * ramp(len - t, 0.06);
    case Voice::Tick: // a soft wooden knock
        return ramp(t, 0.0015) * std::exp(-t / 0.009) * ramp(len - t, 0.004);
    }
    return 0;
}

// Relative strengths of the harmonics 1, 2, 3 … of each voice.
std::vector<double> harmonics(Voice v)
{
    switch (v) {
    case Voice::Bell:
        return {1.0, 0.3, 0.12, 0.05};
    case Voice::Soft:
        return {1.0, 0.12};
    case Voice::Horn:
        return {1.0, 0.5, 0.32, 0.18, 0.1, 0.05};
    case Voice::Tick:
        return {1.0, 0.25};
    }
    return {1.0};
}

std::vector<double> render(const std::vector<Note>& notes)
{
    double endMs = 0;
    for (const auto& n : notes)
        endMs = std::max(endMs, n.atMs + n.lenMs);
    const auto total = static_cast<std::size_t>(std::ceil((endMs + 10.0) * kRate / 1000.0));
    std::vector<double> mix(total, 0.0);

    for (const auto& n : notes) {
        const auto first = static_cast<std::size_t>(std::llround(n.atMs * kRate / 1000.0));
        const auto count = static_cast<std::size_t>(std::llround(n.lenMs * kRate / 1000.0));
        const double len = static_cast<double>(count) / kRate;
        const auto partials = harmonics(n.voice);
        double phase = 0; // of the fundamental, in cycles; integrated so a glide stays smooth
        for (std::size_t i = 0; i < count && first + i < total; ++i) {
            const double t = static_cast<double>(i) / kRate;
            const double f = n.freq * std::pow(n.toFreq / n.freq, t / len);
            double s = 0;
            for (std::size_t h = 0; h < partials.size(); ++h) {
                const auto k = static_cast<double>(h + 1);
                if (f * k < kRate / 2.0)
                    s += partials[h] * std::sin(2 * kPi * k * phase);
            }
            mix[first + i] += n.amp * envelope(n.voice, t, len) * s;
            phase += f / kRate;
        }
    }

    // Never clip: a loud chord is turned down as a whole instead.
    double peak = 0;
    for (double s : mix)
        peak = std::max(peak, std::abs(s));
    const double gain = peak > 0.9 ? 0.9 / peak : 1.0;
    const double edge = 0.003;
    for (std::size_t i = 0; i < total; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double tEnd = static_cast<double>(total - 1 - i) / kRate;
        mix[i] *= gain * ramp(t, edge) * ramp(tEnd, edge);
    }
    return mix;
}

void put16(std::ostream& out, std::uint16_t v)
{
    out.put(static_cast<char>(v & 0xFF));
    out.put(static_cast<char>(v >> 8));
}

void put32(std::ostream& out, std::uint32_t v)
{
    put16(out, static_cast<std::uint16_t>(v & 0xFFFF));
    put16(out, static_cast<std::uint16_t>(v >> 16));
}

bool writeWav(const std::string& path, const std::vector<double>& samples)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    out.write("RIFF", 4);
    put32(out, 36 + dataBytes);
    out.write("WAVE", 4);
    out.write("fmt ", 4);
    put32(out, 16);        // size of the format chunk
    put16(out, 1);         // PCM
    put16(out, 1);         // mono
    put32(out, kRate);     // samples per second
    put32(out, kRate * 2); // bytes per second
    put16(out, 2);         // bytes per frame
    put16(out, 16);        // bits per sample
    out.write("data", 4);
    put32(out, dataBytes);
    for (double s : samples) {
        const auto v = static_cast<std::int16_t>(std::lround(std::clamp(s, -1.0, 1.0) * 32767.0));
        put16(out, static_cast<std::uint16_t>(v));
    }
    return static_cast<bool>(out.flush());
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::cerr << "usage: sumblitz_tones <score.tone> <out.wav>\n";
        return 2;
    }
    const auto notes = readScore(argv[1]);
    if (!notes)
        return 1;
    // Written aside and renamed, so an interrupted build never leaves half a sound behind.
    const std::string out = argv[2];
    const std::string part = out + ".part";
    if (!writeWav(part, render(*notes)) || std::rename(part.c_str(), out.c_str()) != 0) {
        std::cerr << out << ": cannot write\n";
        std::remove(part.c_str());
        return 1;
    }
    return 0;
}
