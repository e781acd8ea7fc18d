// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/help_window.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

#include "platform/assets_qt.h"
#include "views/translation_qt.h"
#include "views/window_place_qt.h"

// Makes the help pages (qrc:/help/...) available. They are compiled into the static library of
// the windows, whose unreferenced resource objects a linker may drop. Outside the namespace:
// Q_INIT_RESOURCE declares the resource's initialiser in the global one.
static void initHelpResource()
{
    Q_INIT_RESOURCE(help);
}

namespace sb {

namespace {

// The help pages, with the Files page filled in with the data folder in use, as a link that
// opens it in the desktop's file manager.
class HelpBrowser : public QTextBrowser {
public:
    HelpBrowser(const QString& dataDir, QWidget* parent) : QTextBrowser(parent), m_dataDir(dataDir)
    {
    }

    QVariant loadResource(int type, const QUrl& name) override
    {
        QVariant page = QTextBrowser::loadResource(type, name);
        if (type != QTextDocument::HtmlResource) {
            return page;
        }
        // A page written in the pupil's language takes the English one's place; its links
        // lead to the English pages that have none.
        const QString language = shownLanguage();
        QFile own(QStringLiteral(":/help/%1/%2").arg(language, name.fileName()));
        if (!language.isEmpty() && own.open(QIODevice::ReadOnly)) {
            page = own.readAll();
        }
        if (name.fileName() != QStringLiteral("files.html")) {
            return page;
        }
        QString html = QString::fromUtf8(page.toByteArray());
        const QString folder =
            m_dataDir.isEmpty()
                ? QCoreApplication::translate("sb::HelpWindow",
                                              "the folder Sumblitz was started in")
                : QStringLiteral("<a href=\"%1\"><b>%2</b></a>")
                      .arg(QUrl::fromLocalFile(m_dataDir).toString(QUrl::FullyEncoded),
                           m_dataDir.toHtmlEscaped());
        return html.replace(QStringLiteral("<!--DATA-FOLDER-->"), folder);
    }

private:
    QString m_dataDir;
};

} // namespace

HelpWindow::HelpWindow(const QString& dataDir, QWidget* parent) : QWidget(parent, Qt::Window)
{
    initHelpResource();
    setObjectName(QStringLiteral("help"));
    setWindowTitle(tr("Sumblitz Help"));
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    auto* back = new QPushButton(tr("Back"), this);
    auto* home = new QPushButton(tr("Contents"), this);
    bar->addWidget(back);
    bar->addWidget(home);
    bar->addStretch(1);
    layout->addLayout(bar);
    // Opened from another window: the data folder is the one its main window names.
    QString folder = dataDir;
    for (const QWidget* w = parent; folder.isEmpty() && w != nullptr; w = w->parentWidget()) {
        folder = w->property(kDataDirProperty).toString();
    }
    m_browser = new HelpBrowser(folder, this);
    m_browser->setObjectName(QStringLiteral("helpText"));
    m_browser->setOpenExternalLinks(true);
    m_browser->setSearchPaths({QStringLiteral(":/help")});
    // A caret that the arrow keys move, so that a screen reader reads the page line by line.
    m_browser->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    m_outline = new QListWidget(this);
    m_outline->setObjectName(QStringLiteral("helpOutline"));
    m_outline->setAccessibleName(tr("On this page"));
    m_outline->setMaximumWidth(220);
    auto* pages = new QHBoxLayout;
    pages->addWidget(m_outline);
    pages->addWidget(m_browser, 1);
    layout->addLayout(pages);
    setTabOrder(home, m_outline); // the outline first, the text it leads into next
    setTabOrder(m_outline, m_browser);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::listOutline);
    connect(m_outline, &QListWidget::itemActivated, this, &HelpWindow::goTo);
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(home, &QPushButton::clicked, this, [this] { showPage(); });
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    back->setEnabled(false);
    resize(720, 640);
    fitToScreen(*this);
}

void HelpWindow::showPage(const QString& page)
{
    m_browser->setSource(QUrl(QStringLiteral("qrc:/help/") + page));
    if (!isVisible()) {
        // Opens whole on the screen of the program, however small that screen is.
        const QWidget* owner = parentWidget() != nullptr ? parentWidget() : this;
        const QRect screen = owner->screen()->availableGeometry();
        QRect placed(QPoint(0, 0), frameGeometry().size());
        placed.moveCenter(screen.center());
        move(std::max(placed.left(), screen.left()), std::max(placed.top(), screen.top()));
    }
    show();
    raise();
    activateWindow();
}

void HelpWindow::listOutline()
{
    m_outline->clear();
    for (QTextBlock block = m_browser->document()->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() > 0) {
            auto* item = new QListWidgetItem(tr("Heading: %1").arg(block.text().simplified()));
            item->setData(Qt::UserRole, block.position());
            m_outline->addItem(item);
        }
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isAnchor() && !format.anchorHref().isEmpty()) {
                auto* item =
                    new QListWidgetItem(tr("Link: %1").arg(it.fragment().text().simplified()));
                item->setData(Qt::UserRole + 1, format.anchorHref());
                m_outline->addItem(item);
            }
        }
    }
    m_outline->setCurrentRow(0);
}

void HelpWindow::goTo(QListWidgetItem* item)
{
    const QString href = item->data(Qt::UserRole + 1).toString();
    if (href.isEmpty()) {
        QTextCursor at(m_browser->document());
        at.setPosition(item->data(Qt::UserRole).toInt());
        m_browser->setTextCursor(at);
        m_browser->ensureCursorVisible();
        m_browser->setFocus(Qt::OtherFocusReason); // read on from the heading
        return;
    }
    const QUrl url = m_browser->source().resolved(QUrl(href));
    if (url.scheme() == QStringLiteral("qrc")) {
        m_browser->setSource(url);
    } else {
        QDesktopServices::openUrl(url);
    }
}

void HelpWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void addHelpKey(QWidget* window, const QString& page)
{
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), window);
    f1->setContext(Qt::WindowShortcut);
    QObject::connect(f1, &QShortcut::activated, window, [window, page] {
        auto* help = window->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
        if (help == nullptr) {
            help = new HelpWindow(QString(), window);
        }
        help->showPage(page);
    });
}

} // namespace sb
