// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/help_window.h"

#include <QCoreApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

#include "platform/assets_qt.h"
#include "views/translation_qt.h"

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
    layout->addWidget(m_browser);
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(home, &QPushButton::clicked, this, [this] { showPage(); });
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    back->setEnabled(false);
    resize(720, 640);
}

void HelpWindow::showPage(const QString& page)
{
    m_browser->setSource(QUrl(QStringLiteral("qrc:/help/") + page));
    if (!isVisible()) {
        // Opens whole on the screen of the program, however small that screen is.
        const QWidget* owner = parentWidget() != nullptr ? parentWidget() : this;
        const QRect screen = owner->screen()->availableGeometry();
        const QSize frame = frameGeometry().size() - geometry().size();
        const QSize size = QSize(720, 640).boundedTo(screen.size() - frame);
        QRect placed(QPoint(0, 0), size + frame);
        placed.moveCenter(screen.center());
        resize(size);
        move(placed.topLeft());
    }
    show();
    raise();
    activateWindow();
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
