// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QShortcut>
#include <QTimer>

#include <QToolTip>
#include <QUrl>
#include <QVBoxLayout>
#include <chrono>

#include <algorithm>
#include <cmath>

#include "flow/answer_log.h"
#include "flow/main_form.h"
#include "flow/program.h"
#include "flow/read_aloud.h"
#include "flow/todays_practice.h"
#include "platform/media_qt.h"
#include "platform/trace_qt.h"
#include "records/index.h"
#include "records/operations.h"
#include "views/announcer_qt.h"
#include "views/core_texts_qt.h"
#include "views/delay_window.h"
#include "views/focus_ring_qt.h"
#include "views/help_window.h"
#include "views/input_rules_qt.h"
#include "views/messages_qt.h"
#include "views/other_windows_qt.h"
#include "views/popup_window.h"
#include "views/problem_view_qt.h"
#include "views/read_aloud_qt.h"

namespace sb {

namespace {

// The caption puts each step's word over its frame.
QString windowCaption()
{
    const auto step = [](const char* word) {
        return QCoreApplication::translate("sb::MainWindow", word);
    };
    return QString(4, ' ') + step(QT_TRANSLATE_NOOP("sb::MainWindow", "Step1")) + QString(16, ' ') +
           step(QT_TRANSLATE_NOOP("sb::MainWindow", "Step2")) + QString(17, ' ') +
           step(QT_TRANSLATE_NOOP("sb::MainWindow", "Step3")) + QString(29, ' ') +
           step(QT_TRANSLATE_NOOP("sb::MainWindow", "Step4")) + QString(32, ' ') +
           step(QT_TRANSLATE_NOOP("sb::MainWindow", "Step5"));
}

QLabel* colouredLabel(QWidget* parent, const char* name, QColor colour, double fit)
{
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    paintBackground(l, colour);
    l->setFont(arial(14 * fit));
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setMinimumWidth(qRound(170 * fit));
    return l;
}

// The settings frames at the top: whole where the screen has room, scrolled on a small screen
// at a large scale, so that the problem and the answer buttons always stay in the window.
class FramesArea : public QScrollArea {
public:
    explicit FramesArea(QWidget* parent) : QScrollArea(parent)
    {
        setObjectName(QStringLiteral("frames"));
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(true);
        setFocusPolicy(Qt::NoFocus);
    }
    QSize sizeHint() const override
    {
        return widget() != nullptr ? widget()->sizeHint() : QScrollArea::sizeHint();
    }
};

// An answer button. Its text grows with it; the size it asks the layout for is always that of
// its normal font with a wide answer, so a window made big can be made small again.
class AnswerButton final : public QPushButton {
public:
    // fit draws it smaller on a small screen at a large scale (see screenFit).
    AnswerButton(int i, double fit, QWidget* parent)
        : QPushButton(parent), m_normalFont(arial(36 * fit))
    {
        setObjectName(QStringLiteral("but%1").arg(i));
        setAutoDefault(false);
        setFont(m_normalFont);
        setText(QStringLiteral("20 R 9"));
        m_normal = QPushButton::sizeHint().expandedTo(QSize(0, twipsToPixels(1100 * fit, this)));
        setText(QString::number(i));
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    }
    QSize sizeHint() const override { return m_normal; }
    QSize minimumSizeHint() const override { return m_normal; }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QPushButton::resizeEvent(event);
        QFont f = m_normalFont;
        f.setPointSizeF(std::floor(m_normalFont.pointSizeF() * growth(size(), m_normal)));
        if (f != font()) {
            setFont(f);
        }
    }

private:
    QFont m_normalFont;
    QSize m_normal;
};

} // namespace

MainWindow::MainWindow(Program& program, QWidget* parent)
    : QMainWindow(parent), m_program(program), m_form(program)
{
    useClickingAccessibleButtons();
    installFocusRing();
    setObjectName(QStringLiteral("sb12"));
    setProperty(kDataDirProperty, QString::fromStdString(program.services.dataDir.string()));
    setWindowTitle(windowCaption());
    // On a small screen at a large scale the window's texts and large parts are drawn smaller,
    // so that it fits; the scale keeps them large in pixels.
    const double fit = screenFit(this);
    setFont(arial(10 * fit));

    auto* central = new QWidget(this);
    setCentralWidget(central);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(buildFrames(central));
    layout->addLayout(buildProblemRow(central, fit), 2);
    layout->addLayout(buildStatusLine(central, fit));
    // A window made bigger gives the problem and the answers room; the rest keeps its size.
    layout->addLayout(buildAnswers(central, fit), 1);
    layout->addWidget(buildNotice(central));
    connectTimerAndKeys();
    render();
}

MainWindow::~MainWindow() = default;

QLayout* MainWindow::buildProblemRow(QWidget* central, double fit)
{
    auto* middle = new QHBoxLayout;
    m_dsp = new QLabel(central);
    m_dsp->setObjectName(QStringLiteral("dsp"));
    const int side = twipsToPixels(1800 * fit, this);
    m_dsp->setFixedSize(side, side);
    m_dsp->setAlignment(Qt::AlignCenter);
    middle->addWidget(m_dsp, 0, Qt::AlignTop);

    m_dm = new ProblemView(qRound(48 * fit), central);
    m_dm->setObjectName(QStringLiteral("dm"));
    m_dm->setMinimumHeight(side);
    if (fit < 1.0) {
        // The settings frames above keep what room there is; the problem takes its least.
        m_dm->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    }
    middle->addWidget(m_dm, 1);

    auto* captions = new QVBoxLayout;
    m_dsshock = colouredLabel(central, "dsshock", QColor(255, 192, 255), fit);
    m_dsttime = colouredLabel(central, "dsttime", QColor(255, 192, 192), fit);
    m_dstotal = colouredLabel(central, "dstotal", QColor(255, 255, 192), fit);
    m_dsscore = colouredLabel(central, "dsscore", QColor(192, 255, 255), fit);
    for (QLabel* l : {m_dsshock, m_dsttime, m_dstotal, m_dsscore}) {
        captions->addWidget(l);
    }
    captions->addStretch(1); // the captions keep their height in a bigger window
    middle->addLayout(captions);
    return middle;
}

QLayout* MainWindow::buildStatusLine(QWidget* central, double fit)
{
    auto* status = new QHBoxLayout;
    m_DsBgn = new QLabel(central);
    m_DsBgn->setObjectName(QStringLiteral("DsBgn"));
    m_DsBgn->setFont(arial(12 * fit, true));
    m_dsword = new QLabel(central);
    m_dsword->setObjectName(QStringLiteral("dsword"));
    m_dsword->setFont(arial(14.25 * fit, true));
    m_dsword->setAlignment(Qt::AlignCenter);
    paintBackground(m_dsword, QColor(224, 224, 224));
    m_DsEnd = new QLabel(central);
    m_DsEnd->setObjectName(QStringLiteral("DsEnd"));
    m_DsEnd->setFont(arial(12 * fit, true));
    m_DsEnd->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    status->addWidget(m_DsBgn, 1);
    status->addWidget(m_dsword, 1);
    status->addWidget(m_DsEnd, 1);
    return status;
}

QLayout* MainWindow::buildAnswers(QWidget* central, double fit)
{
    auto* answers = new QHBoxLayout;
    for (int i = 1; i <= kAnswerButtons; ++i) {
        auto* b = new AnswerButton(i, fit, central);
        connect(b, &QPushButton::clicked, this, [this, i] { pressAnswer(i); });
        answers->addWidget(b);
        m_but[asIndex(i)] = b;
    }
    return answers;
}

QWidget* MainWindow::buildNotice(QWidget* central)
{
    // The notice's line is kept free even while it is hidden, and a long notice never widens
    // the window: it is cut short there and read whole from its tooltip and accessible name.
    m_announcer = new Announcer(central);
    m_notice = new QLabel(central);
    m_notice->setObjectName(QStringLiteral("notice"));
    tintText(m_notice, QColor(0xa0, 0, 0));
    m_notice->setFixedHeight(m_notice->fontMetrics().height());
    QSizePolicy noticePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    noticePolicy.setRetainSizeWhenHidden(true);
    m_notice->setSizePolicy(noticePolicy);
    m_notice->setVisible(false);
    return m_notice;
}

void MainWindow::connectTimerAndKeys()
{
    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("timer"));
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, &MainWindow::clockTick);

    InputRules::Window rules;
    rules.main = this;
    rules.popup = [this] { return static_cast<QWidget*>(m_pop); };
    rules.delay = [this] { return static_cast<QWidget*>(m_noshow); };
    rules.modalOpen = [this] { return m_form.model().modal != Modal::None; };
    rules.answerButton = [this](const QWidget* w) {
        return std::find(m_but.begin() + 1, m_but.end(), w) != m_but.end();
    };
    rules.answerMain = [this](int i) { pressAnswer(i); };
    rules.answerPopup = [this](int i) { m_pop->pressAnswer(i); };
    m_input = std::make_unique<InputRules>(std::move(rules));

    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setContext(Qt::ApplicationShortcut);
    connect(f1, &QShortcut::activated, this, &MainWindow::openHelp);
    auto* f6 = new QShortcut(QKeySequence(Qt::Key_F6), this);
    connect(f6, &QShortcut::activated, this, [this] {
        if (m_progressgo->isEnabled()) {
            m_progressgo->click();
        }
    });
}

QWidget* MainWindow::buildFrames(QWidget* central)
{
    auto* top = new QHBoxLayout;
    top->addWidget(buildOperation(central));
    top->addWidget(buildFirstNumbers(central));
    top->addWidget(buildSecondNumbers(central));
    top->addWidget(buildControls(central), 1);
    top->addWidget(buildStart(central));
    auto* frames = new FramesArea(central);
    auto* inner = new QWidget(frames);
    inner->setLayout(top);
    frames->setWidget(inner);
    return frames;
}

QGroupBox* MainWindow::buildOperation(QWidget* central)
{
    auto* operation = new QGroupBox(tr("Operation"), central);
    operation->setObjectName(QStringLiteral("operation"));
    auto* opLayout = new QVBoxLayout(operation);
    const std::array<QString, 7> opCaption{QString(),       tr("Add"),      tr("10 Sub"),
                                           tr("Subract"),   tr("Multiply"), tr("Divide"),
                                           tr("Div with R")};
    const std::array<QString, 7> opTip{QString(),
                                       tr("\"Sets drilling mode to Addition\""),
                                       tr("\"Sets drilling mode to Subtract from 10\""),
                                       tr("\"Sets drilling mode to Subtraction\""),
                                       tr("Sets drilling mode to multiplication\""),
                                       tr("Sets drilling mode to Division without remainders\""),
                                       tr("Sets drilling mode to Division with Remainders\"")};
    for (int k = 1; k <= kOperationCount; ++k) {
        auto* r = new QRadioButton(opCaption[asIndex(k)], operation);
        r->setObjectName(QStringLiteral("op%1").arg(k));
        r->setToolTip(opTip[asIndex(k)]);
        onClick(r, [this, k](bool) { m_form.op_click(k); });
        opLayout->addWidget(r);
        m_op[asIndex(k)] = r;
    }
    m_switch = new QCheckBox(tr("SwitchAB"), operation);
    m_switch->setObjectName(QStringLiteral("switch"));
    m_switch->setToolTip(tr("\"Randomly switches First number and Second number\""));
    onClick(m_switch, [this](bool on) { m_form.switch_click(on ? 1 : 0); });
    opLayout->addWidget(m_switch);
    return operation;
}

QGroupBox* MainWindow::buildFirstNumbers(QWidget* central)
{
    auto* first = new QGroupBox(tr("First Number(A)"), central);
    first->setObjectName(QStringLiteral("FirstNumber"));
    auto* firstLayout = new QVBoxLayout(first);
    const std::array<QString, 5> aCaption{QString(), tr("  1 Thru 10"), tr("11 Thru 13"),
                                          tr("14 Thru 16"), tr("17 Thru 20")};
    const std::array<QString, 5> aTip{QString(),
                                      tr("\"Enables the use of 1 thru 10 as first number\""),
                                      tr("\"Enables the use of 11 thru 13 as the first number\""),
                                      tr("\"Enables the use of 14 thru 16 as the first number"),
                                      tr("\"Enables the use of 17 thru 20 as the first number\"")};
    for (int i = 1; i <= 4; ++i) {
        auto* c = new QCheckBox(aCaption[asIndex(i)], first);
        c->setObjectName(QStringLiteral("a%1").arg(i));
        c->setToolTip(aTip[asIndex(i)]);
        onClick(c, [this, i](bool on) { m_form.a_click(i, on ? 1 : 0); });
        firstLayout->addWidget(c);
        m_a[asIndex(i)] = c;
    }
    m_asela = pushButton(first, "asela", tr("Select All"));
    m_aseln = pushButton(first, "aseln", tr("Unslect All"));
    onClick(m_asela, [this](bool) { m_form.asela_click(); });
    onClick(m_aseln, [this](bool) { m_form.aseln_click(); });
    firstLayout->addStretch(1);
    firstLayout->addWidget(m_asela);
    firstLayout->addWidget(m_aseln);
    return first;
}

QGroupBox* MainWindow::buildSecondNumbers(QWidget* central)
{
    auto* second = new QGroupBox(tr("Second  Num(B)"), central);
    second->setObjectName(QStringLiteral("SecondNumber"));
    second->setToolTip(tr("\"selects the Second number\""));
    auto* secondLayout = new QGridLayout(second);
    for (int i = 1; i <= 10; ++i) {
        const QString caption = i < 10 ? QStringLiteral(" %1").arg(i) : QStringLiteral("10");
        auto* c = new QCheckBox(caption, second);
        c->setObjectName(QStringLiteral("b%1").arg(i));
        onClick(c, [this, i](bool on) { m_form.b_click(i, on ? 1 : 0); });
        secondLayout->addWidget(c, (i - 1) % 5, (i - 1) / 5);
        m_b[asIndex(i)] = c;
    }
    m_bsela = pushButton(second, "bsela", tr("Select All"));
    m_bseln = pushButton(second, "bseln", tr("Unslect All"));
    onClick(m_bsela, [this](bool) { m_form.bsela_click(); });
    onClick(m_bseln, [this](bool) { m_form.bseln_click(); });
    secondLayout->addWidget(m_bsela, 5, 0, 1, 2);
    secondLayout->addWidget(m_bseln, 6, 0, 1, 2);
    // These controls have no tooltip of their own; unanswered, a tooltip request would reach
    // the frame and show the frame's.
    for (QWidget* w : second->findChildren<QAbstractButton*>()) {
        w->installEventFilter(this);
    }
    return second;
}

QGroupBox* MainWindow::buildControls(QWidget* central)
{
    auto* controls = new QGroupBox(tr("Controls"), central);
    controls->setObjectName(QStringLiteral("Controls"));
    auto* controlsLayout = new QHBoxLayout(controls);
    auto* column = new QVBoxLayout;
    m_smartgo =
        pushButton(controls, "smartgo", tr("Smart Repeat"), tr("\"Opens Smart Repeat window\""));
    m_goauto =
        pushButton(controls, "goauto", tr("Student Data"), tr("\"Opens Student Data window\""));
    m_resultsgo = pushButton(controls, "resultsgo", tr("Results Table"),
                             tr("\"Shows a result of score in Table view\""));
    m_progressgo = pushButton(controls, "progressgo", tr("&Progress"),
                              tr("Shows the pupil's progress over time (F6)"));
    m_helpgo = pushButton(controls, "helpgo", tr("? Goto Help"), tr("\"Opens Help File\""));
    connectWindowButtons();
    for (QPushButton* b : {m_smartgo, m_goauto, m_resultsgo, m_progressgo, m_helpgo}) {
        column->addWidget(b);
    }
    m_readAloud = new QCheckBox(tr("&Read Aloud"), controls);
    m_readAloud->setObjectName(QStringLiteral("readaloud"));
    m_readAloud->setToolTip(
        tr("Reads each problem, the answers and the score aloud to this pupil"));
    onClick(m_readAloud, [this](bool on) { static_cast<void>(SetReadAloud(m_program, on)); });
    column->addWidget(m_readAloud);
    column->addStretch(1);
    controlsLayout->addLayout(column);
    m_DisSet = new QListWidget(controls);
    m_DisSet->setObjectName(QStringLiteral("DisSet"));
    m_DisSet->setFocusPolicy(Qt::NoFocus);
    m_DisSet->setSelectionMode(QAbstractItemView::NoSelection);
    m_DisSet->setFont(arial(9 * screenFit(this)));
    m_DisSet->setMinimumWidth(qRound(150 * screenFit(this)));
    m_DisSet->setAccessibleName(tr("Settings in use"));
    controlsLayout->addWidget(m_DisSet, 1);
    return controls;
}

void MainWindow::connectWindowButtons()
{
    connect(m_helpgo, &QPushButton::clicked, this, &MainWindow::openHelp);
    // Where a teacher password is set, a wrong one (or Cancel) opens nothing and changes nothing.
    connect(m_smartgo, &QPushButton::clicked, this, [this] {
        OtherWindows* windows = otherWindows();
        if (windows != nullptr && !windows->teacherLets(m_program, this)) {
            return;
        }
        m_form.smartgo_click();
        if (windows != nullptr) {
            windows->smartRepeat(m_program, this);
        }
        after();
    });
    connect(m_goauto, &QPushButton::clicked, this, [this] {
        if (OtherWindows* windows = otherWindows();
            windows != nullptr && !windows->teacherLets(m_program, this)) {
            return;
        }
        m_form.goauto_click();
        render();
        if (OtherWindows* windows = otherWindows()) {
            windows->studentData(m_program, this);
        }
        after();
    });
    connect(m_resultsgo, &QPushButton::clicked, this, [this] {
        if (OtherWindows* windows = otherWindows()) {
            windows->results(m_program, this);
        }
        after();
    });
    connect(m_progressgo, &QPushButton::clicked, this, [this] {
        if (OtherWindows* windows = otherWindows()) {
            windows->progress(m_program, this);
        }
        after();
    });
}

QGroupBox* MainWindow::buildStart(QWidget* central)
{
    auto* begin = new QGroupBox(tr("Start Program"), central);
    begin->setObjectName(QStringLiteral("begin"));
    auto* beginLayout = new QVBoxLayout(begin);
    m_start = pushButton(begin, "start", tr("Start"), tr("\"Starts and Restarts the drill\""));
    m_start->setFont(arial(24 * screenFit(this)));
    m_practice = pushButton(begin, "practice", tr("&Today's Practice"),
                            tr("A short practice of the facts this pupil needs most today"));
    m_practice->setFont(arial(12 * screenFit(this)));
    m_cPause = pushButton(begin, "cPause", tr("Pause"), tr("\"Pauses drill\""));
    m_cPause->setFont(arial(24 * screenFit(this)));
    m_Reset = pushButton(begin, "Reset", tr("New Drill"), tr("\"Resets time and score\""));
    m_Reset->setFont(arial(9 * screenFit(this)));
    // Start and Pause disable themselves; focus goes to the other one rather than on along the
    // tab chain.
    onClick(m_start, [this](bool) {
        m_form.start_click();
        after();
        if (m_form.model().pauseEnabled) {
            m_cPause->setFocus(Qt::OtherFocusReason);
        }
    });
    onClick(m_practice, [this](bool) {
        m_form.practice_click();
        after();
        if (m_form.model().pauseEnabled) {
            m_cPause->setFocus(Qt::OtherFocusReason);
        }
    });
    onClick(m_cPause, [this](bool) {
        m_form.cPause_click();
        after();
        if (m_form.model().startEnabled) {
            // A pupil whose default is Today's Practice finds it first.
            QPushButton* first = CurrentPracticeChoice(m_program).byDefault ? m_practice : m_start;
            first->setFocus(Qt::OtherFocusReason);
        }
    });
    onClick(m_Reset, [this](bool) { m_form.Reset_click(); });
    beginLayout->addWidget(m_start);
    beginLayout->addWidget(m_practice);
    beginLayout->addWidget(m_cPause);
    beginLayout->addWidget(m_Reset);
    beginLayout->addStretch(1);
    return begin;
}

void MainWindow::onClick(QAbstractButton* b, std::function<void(bool)> handler)
{
    connect(b, &QAbstractButton::clicked, this, [this, handler = std::move(handler)](bool on) {
        if (m_form.model().modal != Modal::None) {
            render();
            return;
        }
        handler(on);
        after();
    });
}

void MainWindow::load()
{
    m_form.load();
    // Keeps the current pupil's lock fresh, so that the other computers of a lab see she is
    // here, and tries a save that failed again.
    auto* locks = new QTimer(this);
    locks->setObjectName(QStringLiteral("locks"));
    locks->setInterval(std::chrono::duration_cast<std::chrono::milliseconds>(kLockRefreshEvery));
    connect(locks, &QTimer::timeout, this, &MainWindow::refreshLocks);
    locks->start();
    after();
}

void MainWindow::refreshLocks()
{
    m_form.locks_tick();
    render();
}

void MainWindow::render()
{
    const MainModel& m = m_form.model();
    for (int k = 1; k <= kOperationCount; ++k) {
        m_op[asIndex(k)]->setChecked(m.selection.op == k);
    }
    m_switch->setChecked(m.switchBox.value == 1);
    // A stored 2 is a greyed box: shown partly checked, and kept as 2 until it is clicked.
    // A box is touched only when it changes: setting a check box's state repaints it (and
    // the frame behind it) even when the state is the one it shows.
    const auto showBox = [](QCheckBox* box, const CheckBox& value) {
        const Qt::CheckState state = value.value == 2   ? Qt::PartiallyChecked
                                     : value.value == 1 ? Qt::Checked
                                                        : Qt::Unchecked;
        if (box->isTristate() != (value.value == 2)) {
            box->setTristate(value.value == 2);
        }
        if (box->checkState() != state) {
            box->setCheckState(state);
        }
        box->setEnabled(value.enabled);
    };
    for (int i = 1; i <= 4; ++i) {
        showBox(m_a[asIndex(i)], m.selection.a[asIndex(i)]);
    }
    for (int i = 1; i <= 10; ++i) {
        showBox(m_b[asIndex(i)], m.selection.b[asIndex(i)]);
    }
    m_start->setEnabled(m.startEnabled);
    m_practice->setEnabled(m.startEnabled);
    m_cPause->setEnabled(m.pauseEnabled);
    m_Reset->setEnabled(m.newDrillEnabled);
    m_smartgo->setEnabled(m.smartRepeatEnabled);
    m_goauto->setEnabled(m.studentDataEnabled);
    m_resultsgo->setEnabled(m.resultsEnabled);
    m_progressgo->setEnabled(m.smartRepeatEnabled); // between drills, like the settings windows
    m_helpgo->setEnabled(m.helpEnabled);
    renderPupil(m);
    for (int i = 1; i <= kAnswerButtons; ++i) {
        m_but[asIndex(i)]->setText(toQString(m.but[asIndex(i)].caption));
        m_but[asIndex(i)]->setEnabled(m.but[asIndex(i)].enabled);
    }
    m_dsshock->setText(showCaption(m.dsshock));
    m_dsttime->setText(showCaption(m.dsttime));
    m_dstotal->setText(showCaption(m.dstotal));
    m_dsscore->setText(showCaption(m.dsscore));
    m_DsBgn->setText(showCaption(m.stageCaption));
    m_dsword->setText(showCaption(m.dsword));
    m_DsEnd->setText(showCaption(m.stageNote));
    if (m.statusFilled) {
        while (m_DisSet->count() < static_cast<int>(m.statusLines.size())) {
            m_DisSet->addItem(QString());
        }
        for (int i = 0; i < static_cast<int>(m.statusLines.size()); ++i) {
            m_DisSet->item(i)->setText(showCaption(m.statusLines[asIndex(i)]));
        }
    }
    m_dm->setDrawing(m.problem);
    sayDrill(m);
    m_dsp->setAccessibleName(pictureDescription(m.picture));
    showNotice();

    if (!m.timerEnabled) {
        m_timer->stop();
    } else if (m_clockHeld == m.clockStarts) {
        // The problem is being read aloud: the pupil is timed from the end of the reading.
    } else if (!m_timer->isActive() || m_clockStarts != m.clockStarts) {
        m_timer->start();
    }
    m_clockStarts = m.clockStarts;
}

// The current pupil as last shown, heard when another is made current (Student Data, a
// take-over), and her Read Aloud.
void MainWindow::renderPupil(const MainModel& m)
{
    const QString pupil = toQString(trimmedName(m_program.cur()));
    if (pupil != m_pupil) {
        if (!m_pupil.isNull()) {
            m_announcer->say(tr("Pupil: %1").arg(pupil));
        }
        m_pupil = pupil;
    }
    const bool readAloud = ReadAloudOn(m_program);
    m_readAloud->setChecked(readAloud);
    m_readAloud->setEnabled(m.smartRepeatEnabled);
    if (m_voice != nullptr) {
        m_voice->setOn(readAloud);
        if (readAloud) {
            m_speech->prepare(); // loaded while the pupil gets ready, not at her first problem
        }
    }
}

// A screen reader hears each problem as it is posed, wherever the focus is, after a word on a
// right answer and the new total (a wrong one is said by its pop-up); and the total and score
// when the drill is paused or stops. Read Aloud says the same to the pupil, the problem a right
// answer solved and the one a pop-up shows included.
void MainWindow::sayDrill(const MainModel& m)
{
    const Drill& d = m_program.drill;
    if (!m.pauseEnabled) {
        if (m_heard) {
            QString line = showCaption(m.dstotal).simplified() + QStringLiteral(". ") +
                           showCaption(m.dsscore).simplified();
            if (m_program.run.drillResumable == 1) {
                line = tr("Paused.") + QLatin1Char(' ') + line;
            }
            m_announcer->say(line);
            readAloud(m, line);
        }
        m_heard.reset();
        return;
    }
    if (m.modal == Modal::Feedback) {
        if (!std::exchange(m_popupSaid, true)) {
            QString heading = showCaption(m.pop.heading);
            heading.remove(QLatin1Char('!'));
            readAloud(m, heading.simplified() + QStringLiteral(". ") +
                             problemInWords(ProblemView::spokenText(m.pop.problem)));
        }
        return;
    }
    m_popupSaid = false;
    if (m.modal != Modal::None) {
        return;
    }
    const QString shown = ProblemView::spokenText(m.problem);
    const Heard now{shown, problemInWords(shown), d.total, d.score};
    if (now.problem.isEmpty() ||
        (m_heard && m_heard->problem == now.problem && m_heard->total == now.total)) {
        return;
    }
    const bool right = m_heard && now.total > m_heard->total && now.score > m_heard->score;
    const QString word = tr("Right.") + QLatin1Char(' ');
    m_announcer->say(right ? word + showCaption(m.dstotal).simplified() + QStringLiteral(". ") +
                                 now.problem
                           : now.problem);
    readAloud(m,
              right ? word + problemInWords(m_heard->shown + QStringLiteral(" = ") + m_pressed) +
                          QStringLiteral(". ") + now.problem
                    : now.problem,
              true);
    m_heard = now;
}

void MainWindow::readAloud(const MainModel& m, const QString& line, bool problemPosed)
{
    if (m_voice == nullptr || !m_voice->on()) {
        return;
    }
    if (!problemPosed) {
        m_voice->say(line);
        return;
    }
    const unsigned starts = m.clockStarts;
    m_clockHeld = starts;
    m_timer->stop();
    m_voice->say(line, [this, starts] {
        if (m_clockHeld != starts) {
            return;
        }
        m_clockHeld.reset();
        const MainModel& now = m_form.model();
        if (now.timerEnabled && now.clockStarts == starts && !m_timer->isActive()) {
            trace("read aloud: problem read, drill clock started");
            NoteProblemShown(m_program); // the time to answer counts from here too
            m_timer->start();
        }
    });
}

void MainWindow::setVoice(Speech& speech, const SoundBesideSpeech* sounds)
{
    m_speech = &speech;
    m_voice = new DrillVoice(speech, sounds, m_program.services.clock, this);
    for (int i = 1; i <= kAnswerButtons; ++i) {
        m_voice->watchAnswer(m_but[asIndex(i)]);
    }
    render();
}

void MainWindow::showNotice()
{
    const QString notice = messageText(m_form.model().notice);
    m_notice->setText(m_notice->fontMetrics().elidedText(notice, Qt::ElideRight,
                                                         m_notice->contentsRect().width()));
    m_notice->setToolTip(notice);
    m_notice->setAccessibleName(notice);
    m_notice->setVisible(!notice.isEmpty());
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    showNotice();
}

void MainWindow::after()
{
    syncModalWindows();
    render();
}

void MainWindow::syncModalWindows()
{
    const Modal modal = m_form.model().modal;
    if (modal != Modal::Feedback && m_pop != nullptr) {
        m_pop->hide();
        m_pop->deleteLater();
        m_pop = nullptr;
    }
    if (modal != Modal::Delay && m_noshow != nullptr) {
        m_noshow->hide();
        m_noshow->deleteLater();
        m_noshow = nullptr;
    }
    if (modal == Modal::Feedback) {
        if (m_pop == nullptr) {
            m_pop = new PopupWindow(
                m_form, [this] { after(); }, this);
            const QRect g = frameGeometry();
            m_pop->move(g.center() - QPoint(m_pop->width() / 2, m_pop->height() / 2));
            m_pop->show();
        }
        m_pop->render();
    }
    if (modal == Modal::Delay) {
        if (m_noshow == nullptr) {
            m_noshow = new DelayWindow(
                m_form, [this] { after(); }, this);
            m_noshow->move(frameGeometry().topLeft() +
                           QPoint(twipsToPixels(4000, this), twipsToPixels(1500, this)));
            m_noshow->show();
        }
        m_noshow->render();
    }
}

void MainWindow::pressAnswer(int i)
{
    const MainModel& m = m_form.model();
    if (i < 1 || i > kAnswerButtons || !m.but[asIndex(i)].enabled || m.modal != Modal::None) {
        return;
    }
    m_pressed = m_but[asIndex(i)]->text();
    m_form.but_click(i);
    // The next problem is what the pupil waits for: it is painted and put on screen first, and
    // the buttons and captions that come with it right after, in the same frame.
    m_dm->setDrawing(m.problem);
    if (m_dm->isVisible()) {
        m_dm->repaint();
    }
    after();
}

void MainWindow::clockTick()
{
    m_form.timer_tick();
    after();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Installed on the second-number controls only: they show no tooltip.
    if (event->type() == QEvent::ToolTip) {
        QToolTip::hideText();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::openHelp()
{
    // F1 does what "? Goto Help" may do, and nothing while that button is disabled.
    if (!m_form.model().helpEnabled || m_form.model().modal != Modal::None) {
        return;
    }
    // A teacher's own help file, in the working directory or beside the program, is shown by
    // the desktop's viewer; without one the program's own pages open.
    const QString dataDir = QString::fromStdString(m_program.services.dataDir.string());
    for (const QString& dir : {dataDir, QCoreApplication::applicationDirPath()}) {
        const QFileInfo chm(QDir(dir), QStringLiteral("SBhelp.chm"));
        if (chm.isFile() &&
            QDesktopServices::openUrl(QUrl::fromLocalFile(chm.absoluteFilePath()))) {
            return;
        }
    }
    OtherWindows* windows = otherWindows();
    if (windows == nullptr) {
        return;
    }
    if (m_help == nullptr) {
        m_help = windows->makeHelp(dataDir, this);
    }
    windows->showHelp(m_help);
}

void MainWindow::setPicture(const QPixmap& picture)
{
    // Most answers show the picture already there: it is repainted only when it changes. Each
    // picture is scaled once to the picture box's fixed size, not at each answer that shows it.
    if (picture.cacheKey() == m_pictureKey) {
        return;
    }
    m_pictureKey = picture.cacheKey();
    auto [scaled, made] = m_scaledPictures.try_emplace(m_pictureKey);
    if (made) {
        scaled->second =
            picture.scaled(m_dsp->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    m_dsp->setPixmap(scaled->second);
}

void MainWindow::shutDownNow()
{
    if (m_shutDown) {
        return;
    }
    m_timer->stop();
    m_form.put_aside();
    syncModalWindows();
    static_cast<void>(m_form.shut_down_now());
    m_shutDown = true;
}

void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange && isMinimized()) {
        putAside();
    }
    QMainWindow::changeEvent(event);
}

void MainWindow::hideEvent(QHideEvent* event)
{
    putAside();
    QMainWindow::hideEvent(event);
}

void MainWindow::putAside()
{
    // Nobody sees the drill now: its clock must not run on, timing out problem after problem.
    if (m_form.model().pauseEnabled) {
        m_form.put_aside();
        after();
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (m_shutDown) {
        event->accept();
        return;
    }
    // A close request is never lost: an open pop-up or delay window goes with it, and the
    // drill is put aside before the files are written.
    m_timer->stop();
    m_form.put_aside();
    syncModalWindows();
    ++m_closeTries;
    // When something could not be saved the window stays open once, paused, with the notice
    // naming what was lost; the next close tries again and then ends the program regardless.
    if (!m_form.close_request() && m_closeTries < 2) {
        render();
        event->ignore();
        return;
    }
    m_shutDown = true;
    if (m_help != nullptr) {
        m_help->close();
    }
    event->accept();
}

} // namespace sb
