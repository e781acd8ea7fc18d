// SPDX-License-Identifier: GPL-3.0-or-later

#include <QRadioButton>

#include <fstream>
#include <span>

#include "records/index.h"
#include "support/ui_support.h"

namespace sb::test {
namespace {

const SmartModel& smartOf(QWidget& w)
{
    return static_cast<SmartWindow&>(w).model();
}
const StudentModel& studentOf(QWidget& w)
{
    return static_cast<StudentWindow&>(w).form().model();
}

// One control clicked by its object name in the window `opener` opens (none: the main window,
// w is the window): the model value `read` gives must become `expected`; without one the
// control toggles, and a second click must bring the value before back.
struct ControlRow {
    std::string name;
    const char* opener;
    std::string control;
    std::function<int(const Ui& f, QWidget& w)> read;
    std::optional<int> expected = {};
    std::function<void(QWidget& w)> prepare = [](QWidget&) {}; // before the click
};

// The selection boxes of the main window or of the Student Data window.
void addSelectionRows(std::vector<ControlRow>& rows, const char* opener)
{
    const auto boxes = [opener](const Ui& f, QWidget& w) -> const SelectionBoxes& {
        return opener == nullptr ? f.p.main.selection : studentOf(w).selection;
    };
    const std::string where = opener == nullptr ? "main window " : "Student Data ";
    for (int i = 1; i <= 14; ++i) { // a1..a4, then b1..b10
        const std::string box = i <= 4 ? "a" + std::to_string(i) : "b" + std::to_string(i - 4);
        rows.push_back({where + box + " toggles", opener, box, [boxes, i](const Ui& f, QWidget& w) {
                            const SelectionBoxes& s = boxes(f, w);
                            return int{(i <= 4 ? s.a[asIndex(i)] : s.b[asIndex(i - 4)]).value};
                        }});
    }
    for (int k = 1; k <= 6; ++k) {
        rows.push_back({where + "op" + std::to_string(k) + " selects its operation", opener,
                        "op" + std::to_string(k),
                        [boxes](const Ui& f, QWidget& w) { return int{boxes(f, w).op}; }, k});
    }
}

// 1 when the Student Data window lists `wanted` ("Default|Untitled|Bob|Ann", the blanks that
// fill a name's field left out).
int lists(QWidget& w, const std::string& wanted)
{
    std::string list;
    for (const std::string& entry : studentOf(w).studentlist) {
        list += (list.empty() ? "" : "|") + entry.substr(0, entry.find_last_not_of(' ') + 1);
    }
    return list == wanted ? 1 : 0;
}

std::vector<ControlRow> allRows()
{
    std::vector<ControlRow> rows;
    addSelectionRows(rows, nullptr);
    addSelectionRows(rows, "goauto");
    const auto ticked = [](std::span<const CheckBox> boxes) {
        return static_cast<int>(std::ranges::count(boxes, 1, &CheckBox::value));
    };
    const auto firsts = [ticked](const Ui& f, QWidget&) { return ticked(f.p.main.selection.a); };
    const auto seconds = [ticked](const Ui& f, QWidget&) { return ticked(f.p.main.selection.b); };
    rows.insert(
        rows.end(),
        {{"asela ticks every range", nullptr, "asela", firsts, 4,
          [](QWidget& w) { click(w, "aseln"); }},
         {"aseln unticks every range", nullptr, "aseln", firsts, 0},
         {"bsela ticks every second number", nullptr, "bsela", seconds, 10,
          [](QWidget& w) { click(w, "bseln"); }},
         {"bseln unticks every second number", nullptr, "bseln", seconds, 0},
         {"switch toggles SwitchAB in use", nullptr, "switch",
          [](const Ui& f, QWidget&) { return int{f.p.settings.curSettings.switchAB}; }},
         {"Reset (New Drill) disables itself", nullptr, "Reset",
          [](const Ui& f, QWidget&) { return int{f.p.main.newDrillEnabled}; }, 0,
          [](QWidget& w) { click(w, "a2"); }},
         {"bnrstdef notes the original defaults", "smartgo", "bnrstdef",
          [](const Ui&, QWidget& w) {
              return int{smartOf(w).defaultsNote == Caption(Phrase::OriginalDefault)};
          },
          1},
         {"onload toggles Load on Start Up", "goauto", "onload",
          [](const Ui&, QWidget& w) { return int{studentOf(w).loadOnStart.value}; }},
         {"ChkRev toggles the review", "goauto", "ChkRev",
          [](const Ui&, QWidget& w) { return int{studentOf(w).reviewOn.value}; }},
         {"addstudent lists a new pupil", "goauto", "addstudent",
          [](const Ui&, QWidget& w) { return lists(w, "Default|Untitled|Bob|Ann|Cy"); }, 1,
          [](QWidget& w) { QTest::keyClicks(find(w, "newstudent"), "Cy"); }},
         {"removestudent takes the selected pupil off the list", "goauto", "removestudent",
          [](const Ui&, QWidget& w) { return lists(w, "Default|Untitled|Ann"); }, 1,
          [](QWidget& w) { choose(w, "Bob"); }},
         {"Renam gives the selected pupil and her results the typed name", "goauto", "Renam",
          [](const Ui& f, QWidget& w) {
              return lists(w, "Default|Untitled|Cy|Ann") * int{exists(f.at("Cy.Xtx"))};
          },
          1,
          [](QWidget& w) {
              choose(w, "Bob");
              QTest::keyClicks(find(w, "newstudent"), "Cy");
          }},
         {"ssort sorts the pupils", "goauto", "ssort",
          [](const Ui&, QWidget& w) { return lists(w, "Default|Untitled|Ann|Bob"); }, 1},
         {"cancel ends the window", "goauto", "cancel",
          [](const Ui&, QWidget& w) { return int{studentOf(w).closed}; }, 1}});
    for (int i = 1; i <= 6; ++i) {
        rows.push_back({"ck" + std::to_string(i) + " toggles its rule", "smartgo",
                        "ck" + std::to_string(i),
                        [i](const Ui&, QWidget& w) { return int{smartOf(w).checks[asIndex(i)]}; }});
    }
    return rows;
}

TEST(WindowControls, EachControlOfEachWindowReachesItsModel)
{
    for (const ControlRow& row : allRows()) {
        SCOPED_TRACE(row.name);
        Ui f;
        // Bob and Ann in the class file; Bob keeps his results on disk (Auto Teach on).
        DrillSettings bob = originalDefaults("Bob");
        bob.autoTeach = 1;
        writeStudentFile(f.dir.path(), {bob, originalDefaults("Ann")});
        std::ofstream(f.at("Bob.Xtx"), std::ios::binary) << std::string(4800, '\0');
        const auto act = [&](QWidget& w) {
            row.prepare(w);
            const int before = row.read(f, w);
            // A box or an option is clicked on its mark, where a pupil clicks it.
            QWidget* control = find(w, row.control.c_str());
            const bool marked = qobject_cast<QCheckBox*>(control) != nullptr ||
                                qobject_cast<QRadioButton*>(control) != nullptr;
            const QPoint at = marked ? QPoint(8, control->height() / 2) : control->rect().center();
            QTest::mouseClick(control, Qt::LeftButton, {}, at);
            EXPECT_EQ(row.read(f, w), row.expected.value_or(1 - before));
            if (!row.expected) {
                QTest::mouseClick(control, Qt::LeftButton, {}, at);
                EXPECT_EQ(row.read(f, w), before) << "a second click";
            }
            if (w.isVisible() && &w != &f.main) {
                w.close();
            }
        };
        if (row.opener == nullptr) {
            act(f.main);
        } else {
            clickToModal(f.main, row.opener, act);
        }
    }
}

} // namespace
} // namespace sb::test
