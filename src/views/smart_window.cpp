// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/smart_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <QValidator>

#include "flow/program.h"
#include "records/index.h"
#include "views/announcer_qt.h"
#include "views/common_qt.h"
#include "views/core_texts_qt.h"
#include "views/help_window.h"
#include "views/window_place_qt.h"

namespace sb {

namespace {

QLabel* label(QWidget* parent, const QString& text)
{
    auto* l = new QLabel(text, parent);
    l->setTextFormat(Qt::PlainText); // the blanks in the captions are kept as they are
    return l;
}

// Whatever reaches a number box's text, typed or pasted, is let through one character at a
// time by the model's key filter; the rest is dropped. An item chosen from the list is taken as
// it stands, blanks and all.
class ComboFilter final : public QValidator {
public:
    ComboFilter(const SmartModel& model, int i, QComboBox* box)
        : QValidator(box), m_model(model), m_i(i), m_box(box)
    {
    }

    State validate(QString& input, int& pos) const override
    {
        const QString before = toQString(m_model.numberTexts[asIndex(m_i)]);
        if (input == before || m_box->findText(input, Qt::MatchExactly) >= 0) {
            return Acceptable;
        }
        // The inserted part is what lies between the text kept in front and the text kept
        // behind.
        qsizetype front = 0;
        while (front < input.size() && front < before.size() && input[front] == before[front]) {
            ++front;
        }
        qsizetype back = 0;
        while (back < input.size() - front && back < before.size() - front &&
               input[input.size() - 1 - back] == before[before.size() - 1 - back]) {
            ++back;
        }
        const QString inserted = input.mid(front, input.size() - front - back);
        QString kept;
        for (QChar c : inserted) {
            if (c.unicode() < 128 && cbr_key_press(c.unicode()) != 0) {
                kept += c;
            }
        }
        if (kept.isEmpty() && !inserted.isEmpty()) {
            return Invalid; // a refused key changes nothing, not even the text it would replace
        }
        if (kept.size() != inserted.size()) {
            input = input.left(front) + kept + input.right(back);
            pos = static_cast<int>(front + kept.size());
        }
        return Acceptable;
    }

private:
    const SmartModel& m_model;
    int m_i;
    QComboBox* m_box;
};

// Focus that moves inside the window counts; focus taken away by another window, or by a
// box's own drop-down list, does not.
bool movesFocus(const QEvent* event)
{
    const auto reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace

SmartWindow::SmartWindow(Program& program, QWidget* parent) : QDialog(parent), m_form(program)
{
    setObjectName(QStringLiteral("smart"));
    setWindowTitle(tr("Smart Repeat"));
    setWindowModality(Qt::WindowModal);
    setFont(arial(9));
    useClickingAccessibleButtons();
    addHelpKey(this, QStringLiteral("smart_repeat.html"));

    auto* frame1 = new QGroupBox(tr("Repeat Math Fact if:"), this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    buildRepeatFrame(frame1);
    auto* frame2 = new QGroupBox(tr("Remove MathFact if:"), this);
    frame2->setObjectName(QStringLiteral("Frame2"));
    buildRemoveFrame(frame2);
    auto* frame3 = new QGroupBox(tr("End Drill Controls"), this);
    frame3->setObjectName(QStringLiteral("Frame3"));
    buildEndFrame(frame3);
    auto* frame4 = new QGroupBox(tr("Minor Options"), this);
    frame4->setObjectName(QStringLiteral("Frame4"));
    buildMinorFrame(frame4);

    // No button is the default: Enter in a number box must not close the window.
    m_godata = pushButton(this, "godata", tr("Student Data"), tr("Opens Student Data Window"));
    m_bnapply = pushButton(this, "bnapply", tr("Ok"), tr("Close Current window"));
    m_bncancel = pushButton(this, "bncancel", tr("Cancel"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(frame1, 0, 0);
    grid->addWidget(frame2, 1, 0);
    grid->addWidget(frame3, 0, 1, 2, 1);
    grid->addWidget(frame4, 2, 0);
    auto* buttons = new QVBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* b : {m_godata, m_bnapply, m_bncancel}) {
        buttons->addWidget(b);
    }
    grid->addLayout(buttons, 2, 1);

    connect(m_godata, &QPushButton::clicked, this, [this] {
        m_form.godata_click();
        render();
        if (m_openStudentData) {
            m_openStudentData(this);
        }
    });
    connect(m_bnapply, &QPushButton::clicked, this, [this] {
        m_form.bnapply_click();
        after();
    });
    connect(m_bncancel, &QPushButton::clicked, this, &SmartWindow::reject);
    connect(m_bndef, &QPushButton::clicked, this, [this] {
        m_form.bndef_click();
        after();
    });
    connect(m_bnrstdef, &QPushButton::clicked, this, [this] {
        m_form.bnrstdef_click();
        after();
    });
    m_bndef->installEventFilter(this);
    m_bnrstdef->installEventFilter(this);

    setReadingOrder();

    m_form.load();
    render();
    fitToScreen(*this);
    m_ck[1]->setFocus();
}

void SmartWindow::setReadingOrder()
{
    // Tab follows the reading order: the frames left to right and top to bottom, then the
    // buttons outside them.
    const std::array<QWidget*, 29> order{
        m_ck[1],     m_cbr[1],    m_cbr[2],    m_ck[2],     m_cbr[3],    m_cbr[4],
        m_cbr[5],    m_ck[3],     m_cbr[6],    m_ck[4],     m_cbr[7],    m_cbr[8],
        m_ck[5],     m_ck[6],     m_cbr[10],   m_cbr[11],   m_cbr[12],   m_cbr[13],
        m_stopon[1], m_stopon[2], m_stopon[3], m_stopon[4], m_stopon[5], m_cbr[9],
        m_bnrstdef,  m_bndef,     m_godata,    m_bnapply,   m_bncancel};
    for (std::size_t k = 0; k + 1 < order.size(); ++k) {
        setTabOrder(order[k], order[k + 1]);
    }
}

QComboBox* SmartWindow::makeCombo(int i, QWidget* parent, QLabel* inFront, const QString& spoken,
                                  const QString& tip)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QStringLiteral("cbr%1").arg(i));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    for (const std::string& item : comboItems(i)) {
        box->addItem(toQString(item));
        box->setItemData(box->count() - 1, QVariant(Qt::AlignRight | Qt::AlignVCenter),
                         Qt::TextAlignmentRole);
    }
    box->lineEdit()->setAlignment(Qt::AlignRight);
    box->lineEdit()->setValidator(new ComboFilter(m_form.model(), i, box));
    box->setToolTip(tip);
    box->setAccessibleName(spoken);
    box->lineEdit()->setAccessibleName(spoken);
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000000")));
    box->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    // A wheel turned over the box gives it no focus, so a scroll passing over it changes nothing.
    box->setFocusPolicy(Qt::StrongFocus);
    inFront->setBuddy(box);
    connect(box, &QComboBox::editTextChanged, this, [this, i](const QString& text) {
        m_form.cbr_change(i, text.toLatin1().toStdString());
    });
    box->installEventFilter(this);
    m_cbr[asIndex(i)] = box;
    return box;
}

QCheckBox* SmartWindow::makeCheck(int i, QWidget* parent, const QString& caption,
                                  const QString& spoken, const QString& tip)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QStringLiteral("ck%1").arg(i));
    box->setToolTip(tip);
    if (!spoken.isEmpty()) {
        box->setAccessibleName(spoken);
    }
    connect(box, &QCheckBox::clicked, this, [this, i](bool on) {
        m_form.ck_click(i, on ? 1 : 0);
        after();
    });
    m_ck[asIndex(i)] = box;
    return box;
}

void SmartWindow::buildRepeatFrame(QWidget* frame)
{
    auto* g = new QGridLayout(frame);
    g->addWidget(label(frame, tr("Activate")), 0, 0, 1, 2);

    g->addWidget(
        makeCheck(1, frame, {}, tr("Wrong"), tr("Activates Repeat when answer is incorrect")), 1,
        0);
    auto* wrong = label(frame, tr(" Wrong"));
    g->addWidget(wrong, 1, 1);
    g->addWidget(makeCombo(1, frame, wrong, tr("Wrong Times"),
                           tr("How many timesWrong to trigger Repeat cycle")),
                 1, 2);
    auto* thenDo = label(frame, tr("Times      ->Then Do"));
    g->addWidget(thenDo, 1, 3);
    g->addWidget(
        makeCombo(2, frame, thenDo, tr("Then Do Repeats when wrong"), tr("Number of repeats")), 1,
        4);
    g->addWidget(label(frame, tr("Repeats")), 1, 5);

    g->addWidget(makeCheck(2, frame, {}, tr("Slower Than"), tr("Activates Repeat when slow")), 2,
                 0);
    auto* slower = label(frame, tr(" Slower Than"));
    g->addWidget(slower, 2, 1);
    g->addWidget(makeCombo(3, frame, slower, tr("Slower Than seconds"),
                           tr("Trigger to start Repeat feature")),
                 2, 2);
    auto* seconds = label(frame, tr("seconds ->Then Do"));
    g->addWidget(seconds, 2, 3);
    g->addWidget(
        makeCombo(4, frame, seconds, tr("Then Do Repeats when slow"), tr("Number of Repeats")), 2,
        4);
    g->addWidget(label(frame, tr("Repeats")), 2, 5);

    auto* within = label(frame, tr("Repeat randomly within next"));
    g->addWidget(within, 3, 1);
    g->addWidget(makeCombo(5, frame, within, tr("Repeat randomly within next questions"),
                           tr("\"Interval for Repeat\"")),
                 3, 2);
    g->addWidget(label(frame, tr("questions")), 3, 3);
    g->setColumnStretch(6, 1);
}

void SmartWindow::buildRemoveFrame(QWidget* frame)
{
    auto* g = new QGridLayout(frame);
    g->addWidget(label(frame, tr("Activate")), 0, 0, 1, 2);

    g->addWidget(makeCheck(3, frame, {}, tr("Consecutively Correct"), tr("\"Activates Remove\"")),
                 1, 0);
    auto* streak = label(frame, tr(" Consecutively Correct"));
    g->addWidget(streak, 1, 1);
    g->addWidget(
        makeCombo(6, frame, streak, tr("Consecutively Correct times"), tr("Trigger for Remove")), 1,
        2);

    g->addWidget(makeCheck(4, frame, {}, tr("Correct Faster Than"), tr("Activates Remove")), 2, 0);
    auto* faster = label(frame, tr("Correct Faster Than"));
    g->addWidget(faster, 2, 1);
    g->addWidget(
        makeCombo(7, frame, faster, tr("Correct Faster Than seconds"), tr("Trigger for Remove")), 2,
        2);

    auto* inLast = label(frame, tr("Seconds In Last"));
    g->addWidget(inLast, 3, 1);
    g->addWidget(makeCombo(8, frame, inLast, tr("Seconds In Last Problems"),
                           tr("Number of Problems to Trigger Remove")),
                 3, 2);
    g->addWidget(label(frame, tr("Problems")), 3, 3);

    g->addWidget(makeCheck(5, frame, {}, tr("Let Remove OverRide Repeat"),
                           tr("Removes even with pending Repeats")),
                 4, 0);
    g->addWidget(label(frame, tr(" Let Remove OverRide Repeat")), 4, 1, 1, 3);
    g->addWidget(makeCheck(6, frame, tr("   Save Level at end of drill"), {},
                           tr("Loads current Settings on Start")),
                 5, 0, 1, 4);
    g->setColumnStretch(4, 1);
}

void SmartWindow::buildEndFrame(QWidget* frame)
{
    auto* g = new QGridLayout(frame);
    struct Row {
        int box;
        const char* caption;
        const char* tip;
    };
    const std::array<Row, 4> rows{
        Row{10, QT_TR_NOOP("Max Time(min)"),
            QT_TR_NOOP("\"The maximum time in minutes the drill will last\"")},
        Row{11, QT_TR_NOOP("Max Problems"),
            QT_TR_NOOP("\"The maximum number of problems to drill\"")},
        Row{12, QT_TR_NOOP("ShockClock(sec)"),
            QT_TR_NOOP("\"Time limit to answer question in seconds\"")},
        Row{13, QT_TR_NOOP("Delay Time(Sec)"), QT_TR_NOOP("\"Locks controls for a few seconds")}};
    int r = 0;
    for (const Row& row : rows) {
        auto* l = label(frame, tr(row.caption));
        g->addWidget(l, r, 0);
        g->addWidget(makeCombo(row.box, frame, l, l->text(), tr(row.tip)), r, 1);
        ++r;
    }
    g->addWidget(label(frame, tr("Stop Drill when:")), r++, 0, 1, 2);
    const std::array<const char*, 6> caption{"",
                                             QT_TR_NOOP("Time is up"),
                                             QT_TR_NOOP("Done all Problems"),
                                             QT_TR_NOOP("Either is finished"),
                                             QT_TR_NOOP("Both are finished"),
                                             QT_TR_NOOP("Do Not Stop Drill")};
    const std::array<const char*, 6> tip{
        "",
        QT_TR_NOOP("\"Stops drill by time only\""),
        QT_TR_NOOP("\"Stops drill by Number of problems only\""),
        QT_TR_NOOP("\"Stops drill on the first of the two to reach its limit\""),
        QT_TR_NOOP("\"Stops the drill on the last of the two to reach its limit\""),
        QT_TR_NOOP("\"Drill is not Stopped")};
    for (int i = 1; i <= 5; ++i) {
        auto* option = new QRadioButton(tr(caption[asIndex(i)]), frame);
        option->setObjectName(QStringLiteral("stopon%1").arg(i));
        option->setToolTip(tr(tip[asIndex(i)]));
        connect(option, &QRadioButton::clicked, this, [this, i] {
            m_form.stopon_click(i);
            after();
        });
        option->installEventFilter(this);
        g->addWidget(option, r++, 0, 1, 2);
        m_stopon[asIndex(i)] = option;
    }
    g->setRowStretch(r, 1);
}

void SmartWindow::buildMinorFrame(QWidget* frame)
{
    auto* g = new QGridLayout(frame);
    auto* ss = label(frame, tr("Popup screen time"));
    ss->setObjectName(QStringLiteral("ss"));
    g->addWidget(ss, 0, 0);
    g->addWidget(makeCombo(9, frame, ss, tr("Popup screen time (Sec)"), QString()), 0, 1);
    g->addWidget(label(frame, tr("(Sec)")), 0, 2);
    m_dsdef = label(frame, QString());
    m_dsdef->setObjectName(QStringLiteral("dsdef"));
    m_dsdef->setMinimumWidth(m_dsdef->fontMetrics().horizontalAdvance(tr("Original Default  ")));
    // Out of sight while empty, so that a screen reader does not take it for the frame's
    // caption; its place is kept.
    QSizePolicy keep = m_dsdef->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    m_dsdef->setSizePolicy(keep);
    g->addWidget(m_dsdef, 0, 3);
    m_bnrstdef = pushButton(frame, "bnrstdef", tr("Original Defaults"),
                            tr("Reset to Original Default Values"));
    m_bndef =
        pushButton(frame, "bndef", tr("Current As Default"), tr("Use Current Values as Default"));
    g->addWidget(m_bnrstdef, 0, 4);
    g->addWidget(m_bndef, 0, 5);
    g->setColumnStretch(3, 1);
}

void SmartWindow::render()
{
    const SmartModel& m = m_form.model();
    for (int i = 1; i <= 6; ++i) {
        const QSignalBlocker block(m_ck[asIndex(i)]);
        m_ck[asIndex(i)]->setChecked(m.checks[asIndex(i)] == 1);
    }
    for (int i = 1; i <= 13; ++i) {
        QComboBox* box = m_cbr[asIndex(i)];
        const QString text = toQString(m.numberTexts[asIndex(i)]);
        const QSignalBlocker block(box);
        followValue(box, text);
    }
    for (int i = 1; i <= 5; ++i) {
        QRadioButton* option = m_stopon[asIndex(i)];
        const QSignalBlocker block(option);
        // A stop rule no option stands for (from a damaged record) leaves all five clear,
        // which an exclusive group would not allow.
        option->setAutoExclusive(false);
        option->setChecked(m.stopOption == i);
        option->setAutoExclusive(true);
    }
    const QString note = showCaption(m.defaultsNote);
    if (note != m_dsdef->text() && !note.isEmpty()) {
        sayAside(this, note.simplified()); // the settings just loaded are those defaults
    }
    m_dsdef->setText(note);
    m_dsdef->setVisible(!m.defaultsNote.empty());
    m_godata->setEnabled(m.studentDataEnabled);
}

void SmartWindow::after()
{
    render();
    if (!m_form.model().open && isVisible()) {
        done(QDialog::Accepted);
    }
}

void SmartWindow::reject()
{
    // Escape and Cancel both restore the settings as they were when the window opened.
    m_form.bncancel_click();
    render();
    QDialog::reject();
}

void SmartWindow::closeEvent(QCloseEvent* event)
{
    // A close that Ok or Cancel caused finds the model already ended; only a close from the
    // title bar or the window menu applies here.
    m_form.close_request(true);
    render();
    event->accept();
}

bool SmartWindow::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == m_bndef || watched == m_bnrstdef) {
        if (type == QEvent::FocusOut && movesFocus(event)) {
            watched == m_bndef ? m_form.bndef_lost_focus() : m_form.bnrstdef_lost_focus();
            render();
        }
        return QDialog::eventFilter(watched, event);
    }
    if (qobject_cast<QRadioButton*>(watched) != nullptr) {
        return stopOptionFocus(static_cast<QWidget*>(watched), event) ||
               QDialog::eventFilter(watched, event);
    }
    for (int i = 1; i <= 13; ++i) {
        if (watched != m_cbr[asIndex(i)]) {
            continue;
        }
        if (type == QEvent::Wheel && !m_cbr[asIndex(i)]->hasFocus()) {
            return true; // a scroll passing over the box changes nothing
        }
        if (type == QEvent::FocusIn && movesFocus(event)) {
            m_form.cbr_got_focus(i);
        } else if (type == QEvent::FocusOut && movesFocus(event)) {
            m_form.cbr_lost_focus(i);
            render();
        } else if (type == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                return true; // the key filter drops Enter, and it closes nothing
            }
        }
        break;
    }
    return QDialog::eventFilter(watched, event);
}

// The stop options are one stop of Tab: Tab and Shift+Tab come in on the option selected and go
// on past the group from any of them; the arrow keys move within it.
bool SmartWindow::stopOptionFocus(QWidget* option, QEvent* event)
{
    const int k = m_form.model().stopOption;
    if (event->type() == QEvent::FocusIn) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if ((reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) && k != 0 &&
            option != m_stopon[asIndex(k)]) {
            m_stopon[asIndex(k)]->setFocus(reason);
        }
        return false;
    }
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool back = key->key() == Qt::Key_Backtab ||
                      (key->key() == Qt::Key_Tab && (key->modifiers() & Qt::ShiftModifier));
    if (key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab) {
        return false;
    }
    // The neighbours of the group in the tab order set when the window was made.
    QWidget* to = back ? m_cbr[13] : m_cbr[9];
    to->setFocus(back ? Qt::BacktabFocusReason : Qt::TabFocusReason);
    return true;
}

void SmartWindow::keyPressEvent(QKeyEvent* event)
{
    if (!pressFocusedOnEnter(this, event)) {
        QDialog::keyPressEvent(event);
    }
}

} // namespace sb
