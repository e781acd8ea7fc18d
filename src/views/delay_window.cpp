// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/delay_window.h"

#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

#include "flow/main_form.h"
#include "views/announcer_qt.h"
#include "views/core_texts_qt.h"
#include "views/problem_view_qt.h"

namespace sb {

DelayWindow::DelayWindow(MainForm& form, std::function<void()> changed, QWidget* parent)
    : ModelDialog(form, Modal::Delay, std::move(changed), parent)
{
    setObjectName(QStringLiteral("noshow"));
    setWindowTitle(QStringLiteral("Sumblitz"));
    auto* layout = new QVBoxLayout(this);
    m_d = new QLabel(this);
    m_d->setObjectName(QStringLiteral("d"));
    m_d->setFont(arial(14));
    layout->addWidget(m_d);
    m_deltime = new QTimer(this);
    m_deltime->setObjectName(QStringLiteral("deltime"));
    m_deltime->setInterval(1000);
    connect(m_deltime, &QTimer::timeout, this, &DelayWindow::tick);
    fitSize(QSize(twipsToPixels(3000, this), twipsToPixels(900, this)));
    render();
}

void DelayWindow::tick()
{
    m_form.deltime_tick();
    m_changed();
}

void DelayWindow::render()
{
    const DelayModel& w = m_form.model().delay;
    const QString line = showCaption(w.caption);
    if (line != m_d->text()) {
        // Nothing in this window takes the focus: a screen reader hears each second said.
        m_d->setText(line);
        sayAside(this, line.simplified());
    }
    followTimer(m_deltime, w.timerEnabled);
}

} // namespace sb
