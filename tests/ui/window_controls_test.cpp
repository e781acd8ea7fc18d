// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "flow/smart_form.h"
#include "flow/student_form.h"
#include "records/index.h"
#include "support/ui_support.h"
#include "views/smart_window.h"
#include "views/student_window.h"

namespace sb::test {
namespace {

// What a row reads from the model, in the window the control is on (w is that window).
using Read = std::function<int(const Ui& f, QWidget& w)>;

// One control clicked by its object name: the model value `read` gives must become
// expected(value before the click). Without `expected` the control toggles: a second click
// must bring the value before back.
struct ControlRow {
    std::string name;
    const char* opener; // the main window's button that opens the control's window; none: main
    std::string control;
    Read read;
    std::function<int(int before)> expected;
    std::function<void(QWidget& w)> prepare = {}; // before the click
};

const SmartModel& smartOf(QWidget& w)
{
    return static_cast<SmartWindow&>(w).model();
}
const StudentModel& studentOf(QWidget& w)
{
    return static_cast<StudentWindow&>(w).form().model();
}

const std::function<int(int)> flips{};
std::function<int(int)> becomes(int value)
{
    return [value](int) { return value; };
}

// The selection boxes of the main window (no opener) or of the Student Data window: each box
// flips its own value, each operation button selects itself.
void addSelectionRows(std::vector<ControlRow>& rows, const char* opener)
{
    const auto boxes = [opener](const Ui& f, QWidget& w) -> const SelectionBoxes& {
        return opener == nullptr ? f.p.main.selection : studentOf(w).selection;
    };
    const std::string where = opener == nullptr ? "main window " : "Student Data ";
    for (int i = 1; i <= 4; ++i) {
        rows.push_back(
            {where + "a" + std::to_string(i) + " flips its first-number range", opener,
             "a" + std::to_string(i),
             [boxes, i](const Ui& f, QWidget& w) { return int{boxes(f, w).a[asIndex(i)].value}; },
             flips});
    }
    for (int i = 1; i <= 10; ++i) {
        rows.push_back(
            {where + "b" + std::to_string(i) + " flips its second number", opener,
             "b" + std::to_string(i),
             [boxes, i](const Ui& f, QWidget& w) { return int{boxes(f, w).b[asIndex(i)].value}; },
             flips});
    }
    for (int k = 1; k <= 6; ++k) {
        rows.push_back({where + "op" + std::to_string(k) + " selects its operation", opener,
                        "op" + std::to_string(k),
                        [boxes](const Ui& f, QWidget& w) { return int{boxes(f, w).op}; },
                        becomes(k)});
    }
}

// Selects the list entry with the text given, as a click on it does.
void choose(QWidget& w, const char* text)
{
    auto* list = find<QListWidget>(w, "studentlist");
    const auto items = list->findItems(QString::fromLatin1(text), Qt::MatchStartsWith);
    ASSERT_EQ(items.size(), 1) << text;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(items.front()).center());
}

void typeName(QWidget& w, const char* text)
{
    QTest::keyClicks(find<QLineEdit>(w, "newstudent"), QString::fromLatin1(text));
}

// The list of the Student Data window as "Default|Untitled|Bob|Ann" (the blanks that fill a
// name's field left out); 1 when it is `wanted`.
int listed(QWidget& w, const std::string& wanted)
{
    std::string list;
    for (const std::string& entry : studentOf(w).studentlist) {
        list += (list.empty() ? "" : "|") + entry.substr(0, entry.find_last_not_of(' ') + 1);
    }
    return list == wanted ? 1 : 0;
}

std::vector<ControlRow> mainRows()
{
    std::vector<ControlRow> rows;
    addSelectionRows(rows, nullptr);
    const auto firsts = [](const Ui& f, QWidget&) {
        int sum = 0; // how many first-number ranges are ticked
        for (const CheckBox& b : f.p.main.selection.a) {
            sum += b.value;
        }
        return sum;
    };
    const auto seconds = [](const Ui& f, QWidget&) {
        int sum = 0;
        for (const CheckBox& b : f.p.main.selection.b) {
            sum += b.value;
        }
        return sum;
    };
    rows.push_back({"asela ticks every first-number range", nullptr, "asela", firsts, becomes(4),
                    [](QWidget& w) { click(w, "aseln"); }});
    rows.push_back(
        {"aseln unticks every first-number range", nullptr, "aseln", firsts, becomes(0)});
    rows.push_back({"bsela ticks every second number", nullptr, "bsela", seconds, becomes(10),
                    [](QWidget& w) { click(w, "bseln"); }});
    rows.push_back({"bseln unticks every second number", nullptr, "bseln", seconds, becomes(0)});
    rows.push_back({"switch flips SwitchAB in the settings in use", nullptr, "switch",
                    [](const Ui& f, QWidget&) { return int{f.p.settings.curSettings.switchAB}; },
                    flips});
    rows.push_back({"start starts a drill: Pause enabled", nullptr, "start",
                    [](const Ui& f, QWidget&) { return int{f.p.main.pauseEnabled}; }, becomes(1)});
    rows.push_back({"Reset (New Drill) disables itself", nullptr, "Reset",
                    [](const Ui& f, QWidget&) { return int{f.p.main.newDrillEnabled}; }, becomes(0),
                    [](QWidget& w) { click(w, "a2"); }});
    return rows;
}

std::vector<ControlRow> smartRows()
{
    std::vector<ControlRow> rows;
    for (int i = 1; i <= 6; ++i) {
        rows.push_back(
            {"ck" + std::to_string(i) + " flips its rule", "smartgo", "ck" + std::to_string(i),
             [i](const Ui&, QWidget& w) { return int{smartOf(w).ck[asIndex(i)]}; }, flips});
    }
    for (int i = 1; i <= 5; ++i) {
        rows.push_back({"stopon" + std::to_string(i) + " is the stop rule in use", "smartgo",
                        "stopon" + std::to_string(i),
                        [](const Ui& f, QWidget&) { return int{f.p.settings.curSettings.stopOn}; },
                        becomes(i)});
    }
    rows.push_back({"bndef notes the custom defaults", "smartgo", "bndef",
                    [](const Ui&, QWidget& w) { return int{smartOf(w).dsdef == "Custom Default"}; },
                    becomes(1)});
    rows.push_back(
        {"bnrstdef notes the original defaults", "smartgo", "bnrstdef",
         [](const Ui&, QWidget& w) { return int{smartOf(w).dsdef == "Original Default"}; },
         becomes(1)});
    rows.push_back({"bnapply ends the window applying", "smartgo", "bnapply",
                    [](const Ui&, QWidget& w) { return int{smartOf(w).applied}; }, becomes(1)});
    rows.push_back(
        {"bncancel ends the window without applying", "smartgo", "bncancel",
         [](const Ui&, QWidget& w) { return int{!smartOf(w).open && !smartOf(w).applied}; },
         becomes(1)});
    return rows;
}

std::vector<ControlRow> studentRows()
{
    std::vector<ControlRow> rows;
    addSelectionRows(rows, "goauto");
    rows.push_back({"onload flips Load on Start Up", "goauto", "onload",
                    [](const Ui&, QWidget& w) { return int{studentOf(w).onload.value}; }, flips});
    rows.push_back({"ChkRev flips the review", "goauto", "ChkRev",
                    [](const Ui&, QWidget& w) { return int{studentOf(w).ChkRev.value}; }, flips});
    rows.push_back({"start flips Auto Teach of the pupil on display", "goauto", "start",
                    [](const Ui&, QWidget& w) { return int{studentOf(w).autoTeach}; }, flips});
    rows.push_back({"addstudent lists a new pupil", "goauto", "addstudent",
                    [](const Ui&, QWidget& w) { return listed(w, "Default|Untitled|Bob|Ann|Cy"); },
                    becomes(1), [](QWidget& w) { typeName(w, "Cy"); }});
    rows.push_back({"removestudent takes the selected pupil off the list", "goauto",
                    "removestudent",
                    [](const Ui&, QWidget& w) { return listed(w, "Default|Untitled|Ann"); },
                    becomes(1), [](QWidget& w) { choose(w, "Bob"); }});
    rows.push_back({"Renam gives the selected pupil the typed name", "goauto", "Renam",
                    [](const Ui& f, QWidget& w) {
                        return listed(w, "Default|Untitled|Cy|Ann") *
                               int{std::filesystem::exists(f.at("Cy.Xtx"))};
                    },
                    becomes(1),
                    [](QWidget& w) {
                        choose(w, "Bob");
                        typeName(w, "Cy");
                    }});
    rows.push_back({"ssort sorts the pupils", "goauto", "ssort",
                    [](const Ui&, QWidget& w) { return listed(w, "Default|Untitled|Ann|Bob"); },
                    becomes(1)});
    rows.push_back({"cancel ends the window", "goauto", "cancel",
                    [](const Ui&, QWidget& w) { return int{studentOf(w).closed}; }, becomes(1)});
    rows.push_back(
        {"close (OK) makes the pupil on display current", "goauto", "close",
         [](const Ui& f, QWidget&) { return int{std::string(f.p.cur().name.data(), 4) == "Ann "}; },
         becomes(1), [](QWidget& w) { choose(w, "Ann"); }});
    return rows;
}

// Bob and Ann, in that order, in the class file; Bob keeps his results on disk (Auto Teach on).
void writeClass(Ui& f)
{
    DrillSettings bob = f.p.settings.defaultSettings;
    setName(bob, "Bob");
    bob.autoTeach = 1;
    DrillSettings ann = f.p.settings.defaultSettings;
    setName(ann, "Ann");
    writeStudentFile(f.dir.path(), {bob, ann});
    std::ofstream(f.at("Bob.Xtx"), std::ios::binary) << std::string(4800, '\0');
}

TEST(WindowControls, EachControlOfEachWindowReachesItsModel)
{
    std::vector<ControlRow> rows = mainRows();
    for (auto more : {smartRows(), studentRows()}) {
        rows.insert(rows.end(), more.begin(), more.end());
    }
    for (const ControlRow& row : rows) {
        SCOPED_TRACE(row.name);
        Ui f;
        writeClass(f);
        const auto act = [&](QWidget& w) {
            if (row.prepare) {
                row.prepare(w);
            }
            const int before = row.read(f, w);
            // A box or an option is clicked on its mark, where a pupil clicks it.
            QWidget* control = find(w, row.control.c_str());
            const bool marked = qobject_cast<QCheckBox*>(control) != nullptr ||
                                qobject_cast<QRadioButton*>(control) != nullptr;
            const QPoint where =
                marked ? QPoint(8, control->height() / 2) : control->rect().center();
            QTest::mouseClick(control, Qt::LeftButton, {}, where);
            EXPECT_EQ(row.read(f, w), row.expected ? row.expected(before) : 1 - before);
            if (!row.expected) {
                QTest::mouseClick(control, Qt::LeftButton, {}, where);
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
