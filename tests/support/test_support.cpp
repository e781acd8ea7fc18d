// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/test_support.h"

#include <atomic>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

#include "records/index.h"

namespace sb::test {

double ScriptedRandom::next()
{
    if (m_next >= m_values.size()) {
        ADD_FAILURE() << "ScriptedRandom ran dry after " << m_next << " draws";
        throw std::runtime_error("ScriptedRandom ran dry");
    }
    return m_values[m_next++];
}

void FixedClock::sleepFor(std::chrono::milliseconds pause)
{
    slept += pause;
    pauses.push_back(pause);
    ms += pause.count();
    // Each action once, in the order of their times; one may set another.
    for (;;) {
        const auto next = std::min_element(
            due.begin(), due.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        if (next == due.end() || next->first > slept) {
            return;
        }
        const auto action = std::move(next->second);
        due.erase(next);
        action();
    }
}

TempDir::TempDir()
{
    static std::atomic<int> counter{0};
    m_path = std::filesystem::temp_directory_path() /
             ("sumblitz-test-" + std::to_string(std::random_device()()) + "-" +
              std::to_string(counter++));
    std::filesystem::create_directories(m_path);
}

TempDir::~TempDir()
{
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

HandSlot& HandSlot::at(std::size_t offset, int value)
{
    bytes[offset] = static_cast<std::uint8_t>(value & 0xFF);
    bytes[offset + 1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
    return *this;
}

HandSlot& HandSlot::name(std::string_view text)
{
    std::fill_n(bytes.begin() + 2, 20, 0x20);
    std::ranges::copy(text.substr(0, 20), bytes.begin() + 2);
    return *this;
}

HandSlot originalDefaultsSlot()
{
    // switchAB; stopOn, operation, reviewOn; teachSet 1..4; smartCheck 1..5; smartValue 1..13;
    // firstRange 1; secondNum 1..10; reviewLeft. Everything else is 0.
    const std::vector<std::pair<std::size_t, std::vector<int>>> fields{
        {22, {1}},
        {28, {2, 1, 1}},
        {36, {200, 80, 15, 100}},
        {46, {1, 1, 1, 1, 1}},
        {60, {2, 3, 5, 3, 3, 2, 2, 3, 5, 30, 200, 10, 0}},
        {88, {1}},
        {98, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
        {186, {-2}}};
    HandSlot s;
    s.name("Default");
    for (const auto& [offset, values] : fields) {
        for (std::size_t i = 0; i < values.size(); ++i) {
            s.at(offset + 2 * i, values[i]);
        }
    }
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
    return Bytes(file.begin() + static_cast<std::ptrdiff_t>((k - 1) * 208),
                 file.begin() + static_cast<std::ptrdiff_t>((k - 1) * 208 + 188));
}

void writeBytes(const Path& path, const Bytes& bytes)
{
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

DrillSettings originalDefaults(std::string_view name)
{
    Settings all;
    LoadOriginalDefaults(all);
    if (!name.empty()) {
        setName(all.defaultSettings, name);
    }
    return all.defaultSettings;
}

void writeStudentFile(const Path& dir, const std::vector<DrillSettings>& pupils)
{
    std::vector<DrillSettings> slots(1);
    slots[0].tag = static_cast<std::int16_t>(pupils.size()); // the header
    slots.insert(slots.end(), pupils.begin(), pupils.end());
    Bytes out;
    for (const DrillSettings& s : slots) {
        std::ranges::copy(encodeSettings(s), std::back_inserter(out));
    }
    writeBytes(dir / "StdDat.Xrx", out);
}

int answersIn(const Path& factFile)
{
    if (!std::filesystem::exists(factFile)) {
        return -1;
    }
    const Bytes facts = readBytes(factFile);
    int asked = 0;
    for (std::size_t k = 0; k < 200; ++k) {
        asked += i16At(facts, k * 24 + 22);
    }
    return asked;
}

Bytes readBytes(const Path& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string textOf(const Path& path)
{
    const Bytes b = readBytes(path);
    return {b.begin(), b.end()};
}

std::vector<AnswerRow> historyRows(const Path& path)
{
    const auto opened = HistoryDb::open(path, false);
    return opened.db ? opened.db->rows(0, 0).value_or(std::vector<AnswerRow>{})
                     : std::vector<AnswerRow>{};
}

std::string testHostName()
{
    char name[256] = {};
    ::gethostname(name, sizeof name - 1);
    std::string host(name);
    std::ranges::replace(host, '-', '_');
    std::ranges::replace(host, '/', '_');
    return host;
}

std::set<std::string> filesIn(const Path& dir)
{
    std::set<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir)) {
        names.insert(e.path().filename().string());
    }
    return names;
}

void PrintTo(const Boxes& b, std::ostream* os)
{
    *os << "ranges " << testing::PrintToString(b.ranges) << ", seconds "
        << testing::PrintToString(b.seconds);
}

Boxes selectionOf(const DrillSettings& s)
{
    Boxes out;
    for (int i = 1; i <= 14; ++i) {
        const int value = i <= 4 ? s.firstRange[asIndex(i)] : s.secondNum[asIndex(i - 4)];
        EXPECT_TRUE(value == 0 || value == 1) << "box " << i << " holds " << value;
        if (value == 1) {
            (i <= 4 ? out.ranges : out.seconds).push_back(i <= 4 ? i : i - 4);
        }
    }
    return out;
}

void select(DrillSettings& s, const Boxes& boxes)
{
    for (int i = 1; i <= 14; ++i) {
        const auto& ticked = i <= 4 ? boxes.ranges : boxes.seconds;
        (i <= 4 ? s.firstRange[asIndex(i)] : s.secondNum[asIndex(i - 4)]) =
            std::int16_t{std::ranges::count(ticked, i <= 4 ? i : i - 4) > 0};
    }
}

void PrintTo(const Controls& c, std::ostream* os)
{
    const bool on[]{c.start, c.pause, c.newDrill, c.smartRepeat, c.studentData, c.results, c.help};
    const char* name[]{" start",        " pause",   " new drill", " smart repeat",
                       " student data", " results", " help"};
    *os << "enabled:";
    for (std::size_t i = 0; i < std::size(on); ++i) {
        *os << (on[i] ? name[i] : "");
    }
    for (std::size_t i = 0; i < c.answers.size(); ++i) {
        *os << (c.answers[i] ? " answer " + std::to_string(i + 1) : "");
    }
}

Controls ProgramFixture::controls() const
{
    const MainModel& m = p.main;
    Controls c{m.startEnabled,       m.pauseEnabled,   m.newDrillEnabled, m.smartRepeatEnabled,
               m.studentDataEnabled, m.resultsEnabled, m.helpEnabled};
    std::ranges::transform(std::views::drop(m.but, 1), c.answers.begin(), &Button::enabled);
    return c;
}

Boxes ProgramFixture::boxes() const
{
    DrillSettings shown;
    std::ranges::transform(p.main.selection.a, shown.firstRange.begin(), &CheckBox::value);
    std::ranges::transform(p.main.selection.b, shown.secondNum.begin(), &CheckBox::value);
    return selectionOf(shown);
}

void ProgramFixture::setBoxes(const Boxes& boxes)
{
    DrillSettings s;
    select(s, boxes);
    for (std::size_t i = 1; i <= 10; ++i) {
        p.main.selection.a[std::min<std::size_t>(i, 4)].value =
            s.firstRange[std::min<std::size_t>(i, 4)];
        p.main.selection.b[i].value = s.secondNum[i];
    }
}

Drilling::Drilling(void (*tweak)(Drilling&)) : ProgramFixture(random, diskFileSystem())
{
    load();
    p.cur().smartCheck = {0, 0, 0, 0, 0, 0, 0};
    p.cur().stopOn = 5;
    tweak(*this);
    poseFactOne();
    mainForm.start_click();
    sound.played.clear();
    pictures.shown.clear();
}

std::string Drilling::answer(Event e, std::int64_t ms)
{
    clock.ms += ms;
    poseFactOne();
    if (e == Event::TimeOut) {
        p.drill.shockLeft = 1;
        mainForm.timer_tick();
    } else {
        mainForm.but_click(e == Event::Right ? p.drill.rightSlot : p.drill.wrongSlot1);
    }
    const PopupModel& pop = p.main.pop;
    const std::string shown = English(pop.heading) + " " + pop.problem.text + " " + pop.but[1] +
                              pop.but[2] + pop.but[3] + (p.main.timerEnabled ? " clock runs" : "");
    if (p.main.modal != Modal::Feedback) {
        return "";
    }
    clock.ms += 5000; // the pop-up's time counts for nothing
    mainForm.pop_but_click(p.drill.rightSlot);
    return shown;
}

bool mentions(const Message& m, std::string_view text)
{
    return (m.id == MessageId::Text && m.text.find(text) != std::string::npos) ||
           std::any_of(m.args.begin(), m.args.end(),
                       [text](const Message& arg) { return mentions(arg, text); });
}

} // namespace sb::test

namespace sb {

void PrintTo(const Caption& c, std::ostream* out)
{
    *out << '"' << English(c) << '"';
}

void PrintTo(const Message& m, std::ostream* out)
{
    if (m.id == MessageId::Text) {
        *out << '"' << m.text << '"';
        return;
    }
    *out << '#' << static_cast<int>(m.id);
    if (!m.args.empty()) {
        *out << '(';
        for (std::size_t i = 0; i < m.args.size(); ++i) {
            *out << (i == 0 ? "" : ", ");
            PrintTo(m.args[i], out);
        }
        *out << ')';
    }
}

void PrintTo(StatusCode c, std::ostream* out)
{
    *out << "code " << static_cast<int>(c);
}

void PrintTo(const Status& s, std::ostream* out)
{
    PrintTo(s.code(), out);
    if (s.error() != 0) {
        *out << " (" << s.message() << ')';
    }
}

} // namespace sb
