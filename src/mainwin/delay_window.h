#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QTimer;

namespace sb {

struct Program;

// The delay window "noshow": locks the main window for delaySeconds after a problem is posed,
// counting down once a second with a tick. Mirrors main.noshow and forwards its timer's ticks.
class DelayWindow : public QDialog {
    Q_OBJECT
public:
    DelayWindow(Program& program, std::function<void()> changed, QWidget* parent);
    void render();
    // One tick of deltime (its QTimer calls this).
    void tick();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    Program& m_program;
    std::function<void()> m_changed;
    QLabel* m_d = nullptr;
    QTimer* m_deltime = nullptr;
};

} // namespace sb
