#include "support/test_support.h"

#include "flow/answering.h"
#include "flow/feedback.h"
#include "flow/lifecycle.h"

#include <algorithm>
#include <atomic>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace sb::test {

double ScriptedRandom::next()
{
    if (m_next >= m_values.size()) {
        ADD_FAILURE() << "ScriptedRandom ran dry after " << m_next << " draws";
        throw std::runtime_error("ScriptedRandom ran dry");
    }
    return m_values[m_next++];
}

TempDir::TempDir()
{
    static std::atomic<int> counter{0};
    std::random_device rd;
    m_path = std::filesystem::temp_directory_path() /
             ("sumblitz-test-" + std::to_string(rd()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(m_path);
}

TempDir::~TempDir()
{
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

HandSlot& HandSlot::at(std::size_t offset, int value)
{
    const auto u = static_cast<std::uint16_t>(value);
    bytes[offset] = static_cast<std::uint8_t>(u & 0xFF);
    bytes[offset + 1] = static_cast<std::uint8_t>(u >> 8);
    return *this;
}

HandSlot& HandSlot::name(std::string_view text)
{
    for (std::size_t i = 0; i < 20; ++i) {
        bytes[2 + i] = i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0x20;
    }
    return *this;
}

HandSlot originalDefaultsSlot()
{
    HandSlot s;
    s.name("Default");
    s.at(22, 1).at(28, 2).at(30, 1).at(32, 1);        // switchAB, stopOn, operation, reviewOn
    s.at(36, 200).at(38, 80).at(40, 15).at(42, 100);  // teachSet 1..4
    for (std::size_t off = 46; off <= 54; off += 2) { // smartCheck 1..5
        s.at(off, 1);
    }
    const int values[] = {2, 3, 5, 3, 3, 2, 2, 3, 5, 30, 200, 10, 0}; // smartValue 1..13
    for (std::size_t i = 0; i < 13; ++i) {
        s.at(60 + 2 * i, values[i]);
    }
    s.at(88, 1);                                       // firstRange 1
    for (std::size_t off = 98; off <= 116; off += 2) { // secondNum 1..10
        s.at(off, 1);
    }
    s.at(186, -2); // reviewLeft
    return s;
}

HandSlot markedSlot(std::string_view name, int operation, int tag)
{
    HandSlot s = originalDefaultsSlot();
    s.name(name).at(30, operation).at(0, tag);
    return s;
}

Bytes concat(std::initializer_list<HandSlot> slots)
{
    Bytes out;
    for (const HandSlot& s : slots) {
        out.insert(out.end(), s.bytes.begin(), s.bytes.end());
    }
    return out;
}

Bytes fieldsOf(const Bytes& file, std::size_t k)
{
    const auto begin = file.begin() + static_cast<std::ptrdiff_t>((k - 1) * 208);
    return Bytes(begin, begin + 188);
}

void writeBytes(const std::filesystem::path& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

Bytes readBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::int16_t i16At(const Bytes& b, std::size_t offset)
{
    return static_cast<std::int16_t>(b.at(offset) | (b.at(offset + 1) << 8));
}

std::set<std::string> filesIn(const std::filesystem::path& dir)
{
    std::set<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir)) {
        names.insert(e.path().filename().string());
    }
    return names;
}

void ProgramFixture::load()
{
    ProgramLoad(p);
}

void ProgramFixture::right()
{
    but_click(p, p.drill.rightSlot);
}

void ProgramFixture::wrong()
{
    but_click(p, p.drill.wrongSlot1);
    pop_but_click(p, p.drill.rightSlot);
}

std::string ProgramFixture::controls() const
{
    const MainModel& m = p.main;
    std::string out;
    for (bool on : {m.start, m.cPause, m.Reset, m.smartgo, m.goauto, m.resultsgo, m.helpgo,
                    m.but[1].enabled, m.but[2].enabled, m.but[3].enabled}) {
        out += on ? '1' : '0';
    }
    return out;
}

std::string ProgramFixture::boxes() const
{
    std::string out;
    for (std::size_t i = 1; i <= 14; ++i) {
        out += (i == 5 ? "/" : "") +
               std::to_string(i <= 4 ? p.main.a[i].value : p.main.b[i - 4].value);
    }
    return out;
}

void ProgramFixture::setBoxes(std::string_view boxes)
{
    for (std::size_t i = 1; i <= 14; ++i) {
        auto& box = i <= 4 ? p.main.a[i] : p.main.b[i - 4];
        box.value = static_cast<std::int16_t>(boxes[i <= 4 ? i - 1 : i] - '0');
    }
}

} // namespace sb::test
