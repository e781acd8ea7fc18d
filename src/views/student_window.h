// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "flow/student_form.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QLayout;
class QSpinBox;

namespace sb {

struct Program;

// The Student Data window "getfile", shown modally with exec(). It holds no rule of its own:
// each event goes to one StudentForm handler, then render() makes every widget mirror the
// model with signals blocked. OK, Cancel and the close box end it through the form.
class Announcer;

class StudentWindow : public QDialog {
    Q_OBJECT
public:
    // Shows the Smart Repeat window modally on top of this one and answers true when it
    // closed with Ok or its title bar (its values then apply), false for Cancel.
    using SmartOpener = std::function<bool()>;

    // Runs the window's load. Without an opener "Repeat Setting" stays disabled.
    StudentWindow(Program& program, SmartOpener openSmart, QWidget* parent = nullptr);
    ~StudentWindow() override;

    const StudentForm& form() const { return m_form; }
    void render();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override; // Escape: Cancel
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override; // Enter presses the focused button

private:
    QGroupBox* buildStep1();
    QLayout* buildPractice(QGroupBox* frame);
    QGroupBox* buildStep2();
    void buildLevels(QGroupBox* frame, QGridLayout* grid);
    void buildFirstBoxes(QGroupBox* frame, QGridLayout* grid);
    void buildSecondBoxes(QGroupBox* frame, QGridLayout* grid);
    void buildOperations(QGroupBox* frame, QGridLayout* grid);
    void buildButtons(QGroupBox* frame, QGridLayout* grid);
    void after(); // render after a handler; end the window once the form has closed
    void repeatSetting();
    void renderList();
    // The entry selected (or the row given, for Enter) becomes the pupil on display.
    void chooseEntry(std::optional<int> row = std::nullopt);

    StudentForm m_form;
    SmartOpener m_openSmart;
    QLineEdit* m_newstudent = nullptr;
    QListWidget* m_studentlist = nullptr;
    QLabel* m_studentdisplay = nullptr;
    QCheckBox* m_onload = nullptr;
    QCheckBox* m_ChkRev = nullptr;
    QSpinBox* m_practiceMinutes = nullptr;
    QSpinBox* m_practiceProblems = nullptr;
    QCheckBox* m_practiceDefault = nullptr;
    std::array<QComboBox*, 5> m_CB{};
    std::array<QCheckBox*, 5> m_a{};
    std::array<QCheckBox*, 11> m_b{};
    std::array<QRadioButton*, 7> m_op{};
    QLabel* m_dsauto = nullptr;
    QPushButton* m_Repset = nullptr;
    QLabel* m_message = nullptr;
    Announcer* m_announcer = nullptr; // the message and Auto Teach turned on or off, heard
    QPushButton* m_takeOver = nullptr;
    std::vector<std::string> m_listed; // the entries the list widget shows
    unsigned m_newstudentFocus = 0;
};

} // namespace sb
