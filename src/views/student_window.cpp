// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/student_window.h"

#include "views/announcer_qt.h"
#include "views/class_overview_window.h"
#include "views/common_qt.h"
#include "views/core_texts_qt.h"
#include "views/help_window.h"
#include "views/messages_qt.h"
#include "views/password_window.h"
#include "views/window_place_qt.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>
#include <QValidator>

#include <optional>
#include <utility>

#include "records/index.h"
#include "records/operations.h"

namespace sb {

namespace {

// Lets only text the record files can hold be typed into the name box.
class Cp1252Validator final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        return toCp1252(input) ? Acceptable : Invalid;
    }
};

// A text of this window in the pupil's language.
QString shown(const char* text)
{
    return QCoreApplication::translate("sb::StudentWindow", text);
}

QString quoted(const char* text)
{
    return QLatin1Char('"') + shown(text) + QLatin1Char('"');
}

QLabel* label(QWidget* parent, const QString& name, const char* caption)
{
    auto* l = new QLabel(shown(caption), parent);
    l->setObjectName(name);
    return l;
}

struct LevelCombo {
    int index;
    const char* before; // the label in front
    const char* beforeName;
    const char* after; // the label behind
    const char* afterName;
    const char* tip;
    const char* accessible;
    std::vector<const char*> items;
};

const std::array<LevelCombo, 4>& levelCombos()
{
    static const std::array<LevelCombo, 4> combos{
        LevelCombo{1,
                   QT_TRANSLATE_NOOP("sb::StudentWindow", "Start Review After"),
                   "Label5",
                   QT_TRANSLATE_NOOP("sb::StudentWindow", "Prob"),
                   "Label1_0",
                   QT_TRANSLATE_NOOP("sb::StudentWindow", "Triggers Review Feature on"),
                   QT_TRANSLATE_NOOP("sb::StudentWindow", "Start review after (problems)"),
                   {"  100", "  200", "  300", "  400", "  500", "  600", "  700", "  800", "  900",
                    "1000"}},
        LevelCombo{4,
                   QT_TRANSLATE_NOOP("sb::StudentWindow", "End Review After"),
                   "Label9",
                   QT_TRANSLATE_NOOP("sb::StudentWindow", "Prob"),
                   "Label1_1",
                   QT_TRANSLATE_NOOP("sb::StudentWindow", "Triggers Review Feature Off"),
                   QT_TRANSLATE_NOOP("sb::StudentWindow", "End review after (problems)"),
                   {"   50", " 100", " 150", " 200", " 250", " 300", " 350", " 400", " 450", " 500",
                    " 550", " 600"}},
        LevelCombo{2,
                   QT_TRANSLATE_NOOP("sb::StudentWindow", "Advance   MathFact if:  "),
                   "Label22",
                   QT_TRANSLATE_NOOP("sb::StudentWindow", "% Correct"),
                   "Label23",
                   QT_TRANSLATE_NOOP("sb::StudentWindow", "Trigger to Advance Number"),
                   QT_TRANSLATE_NOOP("sb::StudentWindow", "Advance math fact if percent correct"),
                   {"  50", "  55", "  60", "  65", "  70", "  75", "  80", "  85", "  90", "  95",
                    " 100"}},
        LevelCombo{
            3,
            QT_TRANSLATE_NOOP("sb::StudentWindow", "in last"),
            "Label10",
            QT_TRANSLATE_NOOP("sb::StudentWindow", "Problems"),
            "Label11",
            QT_TRANSLATE_NOOP("sb::StudentWindow", "Minimum to take Average"),
            QT_TRANSLATE_NOOP("sb::StudentWindow", "in last (problems)"),
            {"    5", "  10", "  15", "  20", "  25", "  30", "  35", "  40", "  45", "  50", " "}},
    };
    return combos;
}

} // namespace

StudentWindow::StudentWindow(Program& program, SmartOpener openSmart, QWidget* parent)
    : QDialog(parent), m_form(program), m_openSmart(std::move(openSmart))
{
    setObjectName(QStringLiteral("getfile"));
    setWindowTitle(tr("Student Data"));
    setModal(true);
    setFont(arial(9));
    useClickingAccessibleButtons();
    addHelpKey(this, QStringLiteral("student_data.html"));

    auto* layout = new QVBoxLayout(this);
    auto* frames = new QHBoxLayout;
    frames->addWidget(buildStep1());
    frames->addWidget(buildStep2(), 1);
    layout->addLayout(frames);

    auto* cancel =
        pushButton(this, "cancel", shown(QT_TRANSLATE_NOOP("sb::StudentWindow", "Cancel")));
    connect(cancel, &QPushButton::clicked, this, [this] {
        const BusyCursor busy;
        m_form.cancel_click();
        after();
    });
    // What could not be done, said where it happened, without a message box.
    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("message"));
    m_message->setWordWrap(true);
    m_message->setAccessibleName(tr("Message"));
    m_announcer = new Announcer(this);
    m_message->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    m_message->setFocusPolicy(Qt::NoFocus);
    auto* overview = pushButton(
        this, "classgo", shown(QT_TRANSLATE_NOOP("sb::StudentWindow", "Class &Overview...")));
    connect(overview, &QPushButton::clicked, this, [this, &program] {
        ClassOverviewWindow classOverview(program, this);
        classOverview.exec();
    });
    auto* password = pushButton(
        this, "passwordgo", shown(QT_TRANSLATE_NOOP("sb::StudentWindow", "Teacher &Password...")),
        tr("Sets, changes or removes the password that Smart Repeat, Student Data and other "
           "pupils' progress ask for"));
    connect(password, &QPushButton::clicked, this, [this, &program] {
        PasswordSettingWindow setting(program, this);
        setting.exec();
    });
    // Offered when the pupil to be made current is in use on another computer of a lab.
    m_takeOver =
        pushButton(this, "takeover", shown(QT_TRANSLATE_NOOP("sb::StudentWindow", "Take Over")),
                   tr("Make this pupil current here although another computer has her: "
                      "only when that computer is off"));
    m_takeOver->hide();
    connect(m_takeOver, &QPushButton::clicked, this, [this] {
        const BusyCursor busy;
        m_form.takeover_click();
        after();
    });
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(overview);
    bottom->addWidget(password);
    bottom->addWidget(m_message, 1);
    bottom->addWidget(m_takeOver);
    bottom->addWidget(cancel);
    layout->addLayout(bottom);

    {
        const BusyCursor busy; // another computer may be changing the class list
        m_form.load();
    }
    render();
    fitToScreen(*this);
}

StudentWindow::~StudentWindow() = default;

QGroupBox* StudentWindow::buildStep1()
{
    auto* frame = new QGroupBox(tr("Step1: Load Student"), this);
    frame->setObjectName(QStringLiteral("Frame2"));
    auto* v = new QVBoxLayout(frame);

    auto* caption = label(frame, QStringLiteral("Label6"),
                          QT_TRANSLATE_NOOP("sb::StudentWindow", "New Student/Rename Student"));
    m_newstudent = new QLineEdit(frame);
    m_newstudent->setObjectName(QStringLiteral("newstudent"));
    m_newstudent->setToolTip(tr("\"Type in Students Name here"));
    m_newstudent->setMaxLength(static_cast<int>(kNewStudentLength));
    m_newstudent->setAccessibleName(tr("New Student/Rename Student"));
    m_newstudent->setValidator(new Cp1252Validator(m_newstudent));
    caption->setBuddy(m_newstudent);
    connect(m_newstudent, &QLineEdit::inputRejected, this, [this] {
        m_form.newstudent_refused();
        render();
    });
    connect(m_newstudent, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_form.newstudent_change(toCp1252(text).value_or(std::string()));
    });
    connect(m_newstudent, &QLineEdit::returnPressed, this, [this] {
        static_cast<void>(m_form.newstudent_keypress(13));
        after();
    });

    auto* add = pushButton(frame, "addstudent",
                           shown(QT_TRANSLATE_NOOP("sb::StudentWindow", "Add Student to List")));
    connect(add, &QPushButton::clicked, this, [this] {
        const BusyCursor busy;
        m_form.addstudent_click();
        after();
    });

    m_studentlist = new QListWidget(frame);
    m_studentlist->setObjectName(QStringLiteral("studentlist"));
    m_studentlist->setToolTip(tr("Click to select student"));
    m_studentlist->setAccessibleName(tr("Students"));
    m_studentlist->setUniformItemSizes(true);
    // A pupil is chosen by selecting an entry (a click, the arrow keys, Space) or by Enter on
    // the entry with the focus; the focus arriving in the list chooses nobody.
    connect(m_studentlist, &QListWidget::itemSelectionChanged, this, [this] { chooseEntry(); });
    m_studentlist->installEventFilter(this);

    auto* remove =
        pushButton(frame, "removestudent", shown(QT_TRANSLATE_NOOP("sb::StudentWindow", "Remove")));
    auto* rename =
        pushButton(frame, "Renam", shown(QT_TRANSLATE_NOOP("sb::StudentWindow", "Rename")));
    auto* sort =
        pushButton(frame, "ssort", shown(QT_TRANSLATE_NOOP("sb::StudentWindow", "SortList")));
    connect(remove, &QPushButton::clicked, this, [this] {
        m_form.removestudent_click();
        after();
    });
    connect(rename, &QPushButton::clicked, this, [this] {
        const BusyCursor busy;
        m_form.Renam_click();
        after();
    });
    connect(sort, &QPushButton::clicked, this, [this] {
        m_form.ssort_click();
        after();
    });
    auto* row = new QHBoxLayout;
    for (QPushButton* b : {remove, rename, sort}) {
        row->addWidget(b);
    }

    v->addWidget(caption);
    v->addWidget(m_newstudent);
    v->addWidget(add);
    v->addWidget(m_studentlist, 1);
    v->addLayout(row);
    v->addLayout(buildPractice(frame));
    return frame;
}

QLayout* StudentWindow::buildPractice(QGroupBox* frame)
{
    // The displayed pupil's Today's Practice: the minutes of a session or its number of
    // problems, and whether the main window offers it before Start.
    auto* minutesCaption = new QLabel(tr("Today's &Practice:"), frame);
    m_practiceMinutes = new QSpinBox(frame);
    m_practiceMinutes->setObjectName(QStringLiteral("practiceMinutes"));
    m_practiceMinutes->setRange(kPracticeMinutesMin, kPracticeMinutesMax);
    m_practiceMinutes->setSuffix(tr(" min"));
    m_practiceMinutes->setToolTip(tr("How long this pupil's Today's Practice lasts"));
    m_practiceMinutes->setAccessibleName(tr("Today's Practice minutes"));
    minutesCaption->setBuddy(m_practiceMinutes);
    connect(m_practiceMinutes, &QSpinBox::valueChanged, this, [this](int minutes) {
        if (minutes != m_form.model().practice.minutes) {
            m_form.practiceMinutes_change(minutes);
            after();
        }
    });
    // Or a number of problems: 0 reads "by time".
    m_practiceProblems = new QSpinBox(frame);
    m_practiceProblems->setObjectName(QStringLiteral("practiceProblems"));
    m_practiceProblems->setRange(0, kPracticeProblemsMax);
    m_practiceProblems->setSingleStep(5);
    m_practiceProblems->setSpecialValueText(tr("by time"));
    m_practiceProblems->setSuffix(tr(" problems"));
    m_practiceProblems->setToolTip(tr("Or how many problems this pupil's Today's Practice has"));
    m_practiceProblems->setAccessibleName(tr("Today's Practice problems"));
    connect(m_practiceProblems, &QSpinBox::valueChanged, this, [this](int problems) {
        if (problems != m_form.model().practice.problems) {
            m_form.practiceProblems_change(problems);
            after();
        }
    });
    m_practiceDefault = new QCheckBox(tr("&First"), frame);
    m_practiceDefault->setObjectName(QStringLiteral("practiceDefault"));
    m_practiceDefault->setToolTip(tr("The main window offers Today's Practice before Start"));
    m_practiceDefault->setAccessibleName(tr("Today's Practice first"));
    connect(m_practiceDefault, &QCheckBox::clicked, this, [this](bool on) {
        m_form.practiceDefault_click(on);
        after();
    });
    auto* rows = new QGridLayout;
    rows->addWidget(minutesCaption, 0, 0);
    rows->addWidget(m_practiceMinutes, 0, 1);
    rows->addWidget(m_practiceProblems, 0, 2);
    rows->addWidget(m_practiceDefault, 1, 1, 1, 2);
    rows->setColumnStretch(3, 1);
    return rows;
}

QGroupBox* StudentWindow::buildStep2()
{
    auto* frame = new QGroupBox(tr("Step2:Set Level"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* grid = new QGridLayout(frame);

    auto* nameCaption = label(frame, QStringLiteral("Label2"),
                              QT_TRANSLATE_NOOP("sb::StudentWindow", "Students Name:"));
    m_studentdisplay = new QLabel(frame);
    m_studentdisplay->setObjectName(QStringLiteral("studentdisplay"));
    m_studentdisplay->setToolTip(tr("Displays current student"));
    m_studentdisplay->setFrameShape(QFrame::Panel);
    m_studentdisplay->setFrameShadow(QFrame::Sunken);
    m_studentdisplay->setFont(arial(11));
    m_studentdisplay->setTextInteractionFlags(Qt::TextSelectableByKeyboard);
    m_studentdisplay->setFocusPolicy(Qt::TabFocus);
    nameCaption->setBuddy(m_studentdisplay);
    grid->addWidget(nameCaption, 0, 0);
    grid->addWidget(m_studentdisplay, 0, 1, 1, 3);

    m_onload = new QCheckBox(tr("Load on Start Up"), frame);
    m_onload->setObjectName(QStringLiteral("onload"));
    m_onload->setToolTip(tr("Loads Current student on Program Start"));
    connect(m_onload, &QCheckBox::clicked, this, [this](bool on) {
        m_form.onload_click(on ? 1 : 0);
        after();
    });
    grid->addWidget(m_onload, 1, 0, 1, 3);

    buildLevels(frame, grid);
    buildFirstBoxes(frame, grid);
    buildSecondBoxes(frame, grid);
    buildOperations(frame, grid);
    buildButtons(frame, grid);
    return frame;
}

void StudentWindow::buildLevels(QGroupBox* frame, QGridLayout* grid)
{
    auto* active =
        label(frame, QStringLiteral("Label8"), QT_TRANSLATE_NOOP("sb::StudentWindow", "Active"));
    m_ChkRev = new QCheckBox(frame);
    m_ChkRev->setObjectName(QStringLiteral("ChkRev"));
    m_ChkRev->setToolTip(
        quoted(QT_TRANSLATE_NOOP("sb::StudentWindow", "Activates Review Feature")));
    m_ChkRev->setAccessibleName(tr("Review active"));
    active->setBuddy(m_ChkRev);
    connect(m_ChkRev, &QCheckBox::clicked, this, [this](bool on) {
        m_form.ChkRev_click(on ? 1 : 0);
        after();
    });
    grid->addWidget(active, 1, 3, Qt::AlignHCenter);
    grid->addWidget(m_ChkRev, 2, 3, Qt::AlignHCenter);

    int row = 2;
    for (const LevelCombo& c : levelCombos()) {
        auto* before = label(frame, QString::fromLatin1(c.beforeName), c.before);
        auto* after = label(frame, QString::fromLatin1(c.afterName), c.after);
        auto* combo = new QComboBox(frame);
        combo->setObjectName(QStringLiteral("CB%1").arg(c.index));
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setFocusPolicy(Qt::StrongFocus); // a passing wheel gives it no focus
        combo->setToolTip(quoted(c.tip));
        combo->setAccessibleName(shown(c.accessible));
        for (const char* item : c.items) {
            combo->addItem(QString::fromLatin1(item));
        }
        before->setBuddy(combo);
        after->setBuddy(combo); // "Prob" and "% Correct" are read with their boxes
        combo->installEventFilter(this);
        const int i = c.index;
        connect(combo, &QComboBox::editTextChanged, this, [this, i](const QString& text) {
            m_form.CB_change(i, text.toLatin1().toStdString());
        });
        grid->addWidget(before, row, 0);
        grid->addWidget(combo, row, 1);
        grid->addWidget(after, row, 2);
        m_CB[asIndex(i)] = combo;
        ++row;
    }
}

void StudentWindow::buildFirstBoxes(QGroupBox* frame, QGridLayout* grid)
{
    auto* first = new QHBoxLayout;
    const std::array<const char*, 5> aCaption{"", "1~10", "11~13", "14~16", "17~20"};
    for (int i = 1; i <= 4; ++i) {
        auto* c = new QCheckBox(QString::fromLatin1(aCaption[asIndex(i)]), frame);
        c->setObjectName(QStringLiteral("a%1").arg(i));
        connect(c, &QCheckBox::clicked, this, [this, i](bool on) {
            m_form.a_click(i, on ? 1 : 0);
            after();
        });
        first->addWidget(c);
        m_a[asIndex(i)] = c;
    }
    grid->addLayout(first, 6, 0, 1, 4);
}

void StudentWindow::buildSecondBoxes(QGroupBox* frame, QGridLayout* grid)
{
    const QString headText =
        QStringLiteral("1     2      3      4      5      6      7      8      9    10");
    auto* heads = new QLabel(headText, frame);
    heads->setObjectName(QStringLiteral("Label3"));
    grid->addWidget(heads, 7, 0, 1, 4);

    // Each second-number box stands under its number in the column heads.
    auto* second = new QWidget(frame);
    second->setAccessibleName(tr("Second numbers"));
    const QFontMetrics fm(heads->font());
    const int indicator = style()->pixelMetric(QStyle::PM_IndicatorWidth);
    heads->setContentsMargins(indicator, 0, 0, 0); // room for the box under the "1"
    qsizetype from = 0;
    for (int i = 1; i <= 10; ++i) {
        auto* c = new QCheckBox(second);
        c->setObjectName(QStringLiteral("b%1").arg(i));
        c->setAccessibleName(tr("Second number %1").arg(i));
        connect(c, &QCheckBox::clicked, this, [this, i](bool on) {
            m_form.b_click(i, on ? 1 : 0);
            after();
        });
        const QString digits = QString::number(i);
        const qsizetype where = headText.indexOf(digits, from);
        from = where + digits.size();
        const int centre = indicator + fm.horizontalAdvance(headText.left(where)) +
                           fm.horizontalAdvance(digits) / 2;
        c->move(centre - indicator / 2, 0);
        m_b[asIndex(i)] = c;
    }
    second->setMinimumSize(fm.horizontalAdvance(headText) + 2 * indicator,
                           m_b[1]->sizeHint().height());
    grid->addWidget(second, 8, 0, 1, 4);
}

void StudentWindow::buildOperations(QGroupBox* frame, QGridLayout* grid)
{
    struct OpLabel {
        const char* name;
        const char* caption;
        const char* accessible;
    };
    const std::array<OpLabel, 7> opLabel{
        OpLabel{},
        OpLabel{"Label16_0", "+ ", QT_TRANSLATE_NOOP("sb::StudentWindow", "Add")},
        OpLabel{"Label16_2", "10 -", QT_TRANSLATE_NOOP("sb::StudentWindow", "10 Sub")},
        OpLabel{"Label16_1", "-", QT_TRANSLATE_NOOP("sb::StudentWindow", "Subtract")},
        OpLabel{"Label16_3", "x", QT_TRANSLATE_NOOP("sb::StudentWindow", "Multiply")},
        OpLabel{"Label4", "/ ", QT_TRANSLATE_NOOP("sb::StudentWindow", "Divide")},
        OpLabel{"Label7", "/R", QT_TRANSLATE_NOOP("sb::StudentWindow", "Divide with remainder")}};
    auto* ops = new QHBoxLayout;
    for (int k = 1; k <= kOperationCount; ++k) {
        auto* r = new QRadioButton(frame);
        r->setObjectName(QStringLiteral("op%1").arg(k));
        r->setAccessibleName(shown(opLabel[asIndex(k)].accessible));
        auto* l = label(frame, QString::fromLatin1(opLabel[asIndex(k)].name),
                        opLabel[asIndex(k)].caption);
        l->setBuddy(r);
        connect(r, &QRadioButton::clicked, this, [this, k] {
            m_form.op_click(k);
            after();
        });
        ops->addWidget(r);
        ops->addWidget(l);
        ops->addSpacing(8);
        m_op[asIndex(k)] = r;
    }
    ops->addStretch(1);
    grid->addLayout(ops, 9, 0, 1, 4);
}

void StudentWindow::buildButtons(QGroupBox* frame, QGridLayout* grid)
{
    m_dsauto = new QLabel(frame);
    m_dsauto->setObjectName(QStringLiteral("dsauto"));
    m_dsauto->setAutoFillBackground(true);
    m_dsauto->setAlignment(Qt::AlignCenter);
    m_dsauto->setFrameShape(QFrame::Panel);
    m_dsauto->setFrameShadow(QFrame::Sunken);
    auto* start =
        pushButton(frame, "start", shown(QT_TRANSLATE_NOOP("sb::StudentWindow", "Start/Stop")),
                   quoted(QT_TRANSLATE_NOOP("sb::StudentWindow", "Toggles Teach Mode")));
    m_Repset =
        pushButton(frame, "Repset", shown(QT_TRANSLATE_NOOP("sb::StudentWindow", "Repeat Setting")),
                   quoted(QT_TRANSLATE_NOOP("sb::StudentWindow", "Opens Smart Repeat Window")));
    auto* ok = pushButton(frame, "close", shown(QT_TRANSLATE_NOOP("sb::StudentWindow", "OK")),
                          quoted(QT_TRANSLATE_NOOP("sb::StudentWindow", "Closes this Window")));
    connect(start, &QPushButton::clicked, this, [this] {
        m_form.start_click();
        after();
    });
    connect(m_Repset, &QPushButton::clicked, this, &StudentWindow::repeatSetting);
    connect(ok, &QPushButton::clicked, this, [this] {
        const BusyCursor busy;
        m_form.close_click();
        after();
    });
    grid->addWidget(m_dsauto, 10, 0, 1, 2);
    grid->addWidget(start, 10, 2, 1, 2);
    grid->addWidget(m_Repset, 11, 0, 1, 2);
    grid->addWidget(ok, 11, 2, 1, 2);
}

void StudentWindow::repeatSetting()
{
    if (!m_openSmart || !m_form.Repset_click()) {
        return;
    }
    render();
    m_form.smart_closed(m_openSmart());
    after();
}

void StudentWindow::chooseEntry(std::optional<int> row)
{
    const QList<QListWidgetItem*> selected = m_studentlist->selectedItems();
    const int chosen = row.value_or(selected.isEmpty() ? -1 : m_studentlist->row(selected.front()));
    if (chosen >= 0 && chosen != m_form.model().listIndex) {
        m_form.studentlist_click(chosen);
        after();
    } else {
        render(); // an entry cannot be unselected: the pupil on display stays selected
    }
}

void StudentWindow::renderList()
{
    const std::vector<std::string>& list = m_form.model().studentlist;
    if (list != m_listed) {
        // Entries are set in place, so the list keeps where it was scrolled to.
        const int rows = static_cast<int>(list.size());
        while (m_studentlist->count() > rows) {
            delete m_studentlist->takeItem(m_studentlist->count() - 1);
        }
        for (int row = 0; row < rows; ++row) {
            const QString text = toQString(list[asIndex(row)]);
            if (row >= m_studentlist->count()) {
                m_studentlist->addItem(text);
            } else if (m_studentlist->item(row)->text() != text) {
                m_studentlist->item(row)->setText(text);
            }
        }
        m_listed = list;
    }
    const int index = m_form.model().listIndex;
    if (index < 0) {
        m_studentlist->clearSelection();
    } else if (m_studentlist->currentRow() != index || !m_studentlist->item(index)->isSelected()) {
        m_studentlist->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
        m_studentlist->scrollToItem(m_studentlist->item(index));
    }
}

void StudentWindow::render()
{
    const StudentModel& m = m_form.model();
    const QSignalBlocker blockList(m_studentlist);
    renderList();
    {
        const QSignalBlocker block(m_newstudent);
        const QString text = toQString(m.newstudent);
        if (m_newstudent->text() != text) {
            m_newstudent->setText(text);
        }
    }
    if (m_newstudentFocus != m.newstudentFocus) {
        m_newstudentFocus = m.newstudentFocus;
        m_newstudent->setFocus();
    }
    m_studentdisplay->setText(toQString(m.studentdisplay));
    m_studentdisplay->setAccessibleName(tr("Students Name: ") +
                                        toQString(m.studentdisplay).trimmed());
    m_onload->setChecked(m.loadOnStart.value == 1);
    m_ChkRev->setChecked(m.reviewOn.value == 1);
    for (const auto& [box, value] : {std::pair{m_practiceMinutes, m.practice.minutes},
                                     std::pair{m_practiceProblems, m.practice.problems}}) {
        if (box->value() != value) {
            const QSignalBlocker quiet(box);
            box->setValue(value);
        }
    }
    m_practiceMinutes->setEnabled(m.practice.problems == 0);
    m_practiceDefault->setChecked(m.practice.byDefault);
    for (int i = 1; i <= 4; ++i) {
        QComboBox* c = m_CB[asIndex(i)];
        const QSignalBlocker block(c);
        followValue(c, QString::fromLatin1(m.levelTexts[asIndex(i)]));
    }
    for (int i = 1; i <= 4; ++i) {
        m_a[asIndex(i)]->setChecked(m.selection.a[asIndex(i)].value == 1);
        m_a[asIndex(i)]->setEnabled(m.selection.a[asIndex(i)].enabled);
    }
    for (int i = 1; i <= 10; ++i) {
        m_b[asIndex(i)]->setChecked(m.selection.b[asIndex(i)].value == 1);
    }
    for (int k = 1; k <= kOperationCount; ++k) {
        m_op[asIndex(k)]->setChecked(m.selection.op == k);
    }
    const QString autoTeach = showCaption(m.autoTeachCaption);
    if (m_dsauto->text() != autoTeach) {
        if (!m_dsauto->text().isEmpty()) {
            m_announcer->say(autoTeach); // a message that comes with it is said instead
        }
        m_dsauto->setText(autoTeach);
    }
    paintBackground(m_dsauto,
                    m.autoTeach ? QColor(192, 192, 255) : palette().color(QPalette::Light));
    m_Repset->setEnabled(m.repeatSettingEnabled && static_cast<bool>(m_openSmart));
    m_takeOver->setVisible(m.takeOver);
    const QString message = messageText(m.message);
    if (m_message->text() != message) {
        m_message->setText(message);
        m_message->setAccessibleName(message.isEmpty() ? tr("Message") : message);
        if (!message.isEmpty()) {
            m_announcer->say(message);
        }
    }
}

void StudentWindow::after()
{
    render();
    if (m_form.model().closed && isVisible()) {
        accept();
    }
}

void StudentWindow::closeEvent(QCloseEvent* event)
{
    m_form.close_request(true);
    render();
    if (!m_form.model().closed) {
        event->ignore(); // the save failed: the message says what, and the window stays
        return;
    }
    QDialog::closeEvent(event);
}

void StudentWindow::keyPressEvent(QKeyEvent* event)
{
    if (!pressFocusedOnEnter(this, event)) {
        QDialog::keyPressEvent(event);
    }
}

void StudentWindow::reject()
{
    m_form.cancel_click();
    render();
    QDialog::reject();
}

bool StudentWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_studentlist && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Enter chooses the entry with the focus; it does not press OK.
            chooseEntry(m_studentlist->currentRow());
            return true;
        }
    }
    int i = 1;
    while (i <= 4 && m_CB[asIndex(i)] != watched) {
        ++i;
    }
    if (i > 4) {
        return QDialog::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::Wheel:
        if (!m_CB[asIndex(i)]->hasFocus()) {
            return true; // a scroll passing over the box changes nothing
        }
        break;
    case QEvent::FocusIn:
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
            m_form.CB_gotFocus(i);
        }
        break;
    case QEvent::FocusOut:
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
            m_form.CB_lostFocus(i);
            render();
        }
        break;
    case QEvent::KeyPress: {
        const QString text = static_cast<QKeyEvent*>(event)->text();
        if (text.isEmpty()) {
            break; // arrows, Delete, Home: not typed characters
        }
        const char16_t u = text.front().unicode();
        const char key = u < 0x80 ? static_cast<char>(u) : char{1};
        if (m_form.CB_keyPress(i, key) == 0) {
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace sb
