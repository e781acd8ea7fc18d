// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCloseEvent>
#include <QDialog>
#include <QLayout>

#include <functional>
#include <utility>

#include "flow/main_form.h"

namespace sb {

// A dialog that mirrors one modal state of the main window's model (the feedback pop-up or the
// delay window). It is opened and closed by the main window as the model enters and leaves that
// state; the title bar's close button and Escape do not skip it. It stays over the main window
// as that window's dialog. It forwards its events to the main window's MainForm and then calls
// `changed`, so the main window renders.
//
// It is not modal to the toolkit: a window blocked by a modal dialog never sees the window
// system's close request, and the main window's close must always end the program. The main
// window refuses its own input while the model is in a modal state instead.
class ModelDialog : public QDialog {
public:
    ModelDialog(MainForm& form, Modal state, std::function<void()> changed, QWidget* parent)
        : QDialog(parent), m_form(form), m_changed(std::move(changed)), m_state(state)
    {
        // No minimise or maximise button: minimised, it would take the main window with it
        // and leave the drill waiting on a window nobody sees.
        setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowCloseButtonHint);
    }

protected:
    // Its size: `usual`, or more where its text needs more. Fixed, as a window manager then
    // offers no maximise button either.
    void fitSize(QSize usual)
    {
        layout()->activate();
        setFixedSize(usual.expandedTo(layout()->totalMinimumSize()));
    }

    void closeEvent(QCloseEvent* event) override
    {
        if (m_form.model().modal == m_state) {
            event->ignore();
            return;
        }
        QDialog::closeEvent(event);
    }
    void reject() override
    {
        if (m_form.model().modal != m_state) {
            QDialog::reject();
        }
    }

    MainForm& m_form;
    std::function<void()> m_changed;

private:
    Modal m_state;
};

} // namespace sb
