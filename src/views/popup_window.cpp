// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/popup_window.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "flow/main_form.h"
#include "views/announcer_qt.h"
#include "views/core_texts_qt.h"
#include "views/problem_view_qt.h"

namespace sb {

PopupWindow::PopupWindow(MainForm& form, std::function<void()> changed, QWidget* parent)
    : ModelDialog(form, Modal::Feedback, std::move(changed), parent)
{
    setObjectName(QStringLiteral("pop"));
    setWindowTitle(QStringLiteral("Sumblitz"));
    setFont(arial(12));

    auto* layout = new QVBoxLayout(this);
    m_ms = new QLabel(this);
    m_ms->setObjectName(QStringLiteral("ms"));
    m_ms->setFont(arial(24));
    m_ms->setAlignment(Qt::AlignCenter);
    tintText(m_ms, QColor(0xb0, 0, 0));
    layout->addWidget(m_ms);

    m_dp = new ProblemView(36, this);
    m_dp->setObjectName(QStringLiteral("dp"));
    layout->addWidget(m_dp, 1);

    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    layout->addWidget(line);

    auto* row = new QHBoxLayout;
    for (int i = 1; i <= kAnswerButtons; ++i) {
        auto* b = new QPushButton(this);
        b->setObjectName(QStringLiteral("but%1").arg(i));
        b->setFont(arial(24));
        b->setAutoDefault(false);
        b->setMinimumHeight(twipsToPixels(900, this));
        connect(b, &QPushButton::clicked, this, [this, i] { pressAnswer(i); });
        row->addWidget(b);
        m_but[static_cast<std::size_t>(i)] = b;
    }
    layout->addLayout(row);

    m_timer2 = new QTimer(this);
    m_timer2->setObjectName(QStringLiteral("timer2"));
    m_timer2->setInterval(1000);
    connect(m_timer2, &QTimer::timeout, this, &PopupWindow::tick);

    render();
}

void PopupWindow::render()
{
    const PopupModel& pop = m_form.model().pop;
    m_ms->setText(showCaption(pop.heading));
    m_dp->setDrawing(pop.problem);
    // A screen reader reads the heading as the window opens: with it, the problem solved.
    m_ms->setAccessibleName(showCaption(pop.heading) + QLatin1Char(' ') +
                            problemInWords(ProblemView::spokenText(pop.problem)));
    // The widest facts ("209 - 10 = 20 R 9") need more than the usual width: the window grows
    // to fit its text and is never smaller than its usual size.
    fitSize(QSize(twipsToPixels(6000, this), twipsToPixels(3600, this)));
    for (int i = 1; i <= kAnswerButtons; ++i) {
        m_but[static_cast<std::size_t>(i)]->setText(
            toQString(pop.but[static_cast<std::size_t>(i)]));
    }
    followTimer(m_timer2, pop.timerEnabled);
}

void PopupWindow::tick()
{
    m_form.pop_timer_tick();
    m_changed();
}

void PopupWindow::pressAnswer(int i)
{
    m_form.pop_but_click(i);
    m_changed();
}

} // namespace sb
