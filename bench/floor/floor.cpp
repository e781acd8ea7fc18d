// SPDX-License-Identifier: GPL-3.0-or-later
// The floor the program's start-up, memory and redraw are measured against: the barest Qt
// Widgets window of the same kind, a main window with a label and three big buttons, each click
// of which changes the label. With SUMBLITZ_PROBE set it tells startup_probe where to click and
// which rectangle changes, as the program does (see views/probe_qt.h).
#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <cstdio>

namespace {

class Floor final : public QMainWindow {
public:
    Floor()
    {
        setWindowTitle(QStringLiteral("Floor"));
        auto* central = new QWidget(this);
        setCentralWidget(central);
        auto* layout = new QVBoxLayout(central);
        m_label = new QLabel(QStringLiteral("7 + 5 = "), central);
        m_label->setFont(QFont(QStringLiteral("Arial"), 48));
        m_label->setMinimumHeight(160);
        layout->addWidget(m_label);
        auto* row = new QHBoxLayout;
        for (int i = 1; i <= 3; ++i) {
            auto* b = new QPushButton(QString::number(10 + i), central);
            b->setFont(QFont(QStringLiteral("Arial"), 36));
            b->setMinimumHeight(110);
            connect(b, &QPushButton::clicked, this, [this] { next(); });
            row->addWidget(b);
            m_first = m_first != nullptr ? m_first : b;
        }
        layout->addLayout(row);
        m_probe = qEnvironmentVariableIsSet("SUMBLITZ_PROBE");
        m_label->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (m_probe && event->type() == QEvent::Paint && m_told != m_count) {
            m_told = m_count;
            QTimer::singleShot(0, this, [this] { tell(); });
        }
        return QMainWindow::eventFilter(watched, event);
    }

private:
    void next()
    {
        ++m_count;
        m_label->setText(QStringLiteral("%1 + %2 = ").arg(m_count % 9 + 1).arg(m_count % 7 + 2));
    }

    void tell() const
    {
        const QPoint c = m_first->mapToGlobal(m_first->rect().center());
        const QRect r(m_label->mapToGlobal(QPoint(0, 0)), m_label->size());
        std::printf("target %d %d %d %d %d %d\n", c.x(), c.y(), r.x(), r.y(), r.width(),
                    r.height());
        std::fflush(stdout);
    }

    QLabel* m_label = nullptr;
    QPushButton* m_first = nullptr;
    int m_count = 0;
    int m_told = -1;
    bool m_probe = false;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    Floor window;
    window.show();
    return QApplication::exec();
}
