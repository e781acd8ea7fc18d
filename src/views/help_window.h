// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QListWidget;
class QListWidgetItem;
class QTextBrowser;

namespace sb {

// The property of a window that names the data folder in use, for the help opened over it.
inline constexpr const char* kDataDirProperty = "sumblitzDataDir";

// The program's help: its own pages, built into the program, in a browser window.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // dataDir is the data folder in use, named on the Files page.
    explicit HelpWindow(const QString& dataDir = QString(), QWidget* parent = nullptr);
    void showPage(const QString& page = QStringLiteral("index.html"));

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The page's headings and links, one item each, for a screen reader to walk: a heading
    // chosen brings the text there, a link chosen is followed.
    void listOutline();
    void goTo(QListWidgetItem* item);

    QTextBrowser* m_browser = nullptr;
    QListWidget* m_outline = nullptr;
};

// F1 in `window` opens the help page `page` in a help window of its own, which stays usable
// while `window` is modal and closes with it.
void addHelpKey(QWidget* window, const QString& page);

} // namespace sb
