// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <array>
#include <functional>
#include <utility>

#include "flow/smart_form.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace sb {

struct Program;

// The Smart Repeat window "smart", opened modally over the main window. It runs the load of its
// model when it is made, forwards every click, focus change and typed key to the model, and
// renders the model after each (with signals blocked). Ok, Cancel (also Escape) and the title
// bar's close end it as the model says.
class SmartWindow : public QDialog {
    Q_OBJECT
public:
    SmartWindow(Program& program, QWidget* parent);

    const SmartModel& model() const { return m_form.model(); }
    void render();

    // How "Student Data" opens the Student Data window over this one. Until that window is
    // built there is none, and the button only stores the controls into curSettings.
    void setStudentDataOpener(std::function<void(QWidget* parent)> open)
    {
        m_openStudentData = std::move(open);
    }

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool stopOptionFocus(QWidget* option, QEvent* event);
    void buildRepeatFrame(QWidget* frame);
    void buildRemoveFrame(QWidget* frame);
    void buildEndFrame(QWidget* frame);
    void buildMinorFrame(QWidget* frame);
    void setReadingOrder();
    QComboBox* makeCombo(int i, QWidget* parent, QLabel* inFront, const QString& spoken,
                         const QString& tip);
    QCheckBox* makeCheck(int i, QWidget* parent, const QString& caption, const QString& spoken,
                         const QString& tip);
    void after(); // render, and close when the model has ended the window

    SmartForm m_form;
    std::array<QCheckBox*, 7> m_ck{};
    std::array<QComboBox*, 14> m_cbr{};
    std::array<QRadioButton*, 6> m_stopon{};
    QLabel* m_dsdef = nullptr;
    QPushButton* m_bnrstdef = nullptr;
    QPushButton* m_bndef = nullptr;
    QPushButton* m_godata = nullptr;
    QPushButton* m_bnapply = nullptr;
    QPushButton* m_bncancel = nullptr;
    std::function<void(QWidget*)> m_openStudentData;
};

} // namespace sb
