// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QTextBrowser;

namespace sb {

// The program's help: its own pages, built into the program, in a browser window.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);
    void showPage(const QString& page = QStringLiteral("index.html"));

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QTextBrowser* m_browser = nullptr;
};

} // namespace sb
