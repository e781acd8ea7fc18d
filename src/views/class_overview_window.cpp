// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/class_overview_window.h"

#include <QCheckBox>
#include <QCollator>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>

#include <numeric>

#include "flow/answer_log.h"
#include "flow/lifecycle.h"
#include "flow/program.h"
#include "views/announcer_qt.h"
#include "views/common_qt.h"
#include "views/core_texts_qt.h"
#include "views/messages_qt.h"
#include "views/progress_window.h"
#include "views/translation_qt.h"
#include "views/window_place_qt.h"

namespace sb {

namespace {

// A cell in the pupil's language: the words the figures come with (names stay as typed).
QString shownText(const PupilOverview& p, OverviewColumn c)
{
    return showCaption(OverviewText(p, c));
}

// A heading of more than one word in two lines, broken at the blank nearest its middle, so
// that the columns of short figures stay narrow.
QString inTwoLines(QString heading)
{
    const auto middle = heading.size() / 2;
    const auto before = heading.lastIndexOf(QLatin1Char(' '), middle);
    const auto after = heading.indexOf(QLatin1Char(' '), middle);
    const auto at = before < 0                                       ? after
                    : after < 0 || middle - before <= after - middle ? before
                                                                     : after;
    if (at > 0 && heading.size() > 8) {
        heading[at] = QLatin1Char('\n');
    }
    return heading;
}

} // namespace

ClassOverviewWindow::ClassOverviewWindow(Program& program, QWidget* parent)
    : QDialog(parent), m_program(program)
{
    setObjectName(QStringLiteral("classOverview"));
    setWindowTitle(tr("Class Overview"));
    setModal(true);
    FlushAnswerHistory(program); // the last answers belong in the figures
    const std::int64_t now = program.services.clock.utcMillis();
    m_rows = BuildClassOverview(ReadClass(dataDirOf(program)), program.services.dataDir, now,
                                program.services.clock.utcOffsetSeconds(now));

    buildTable();
    m_sort = new QComboBox(this);
    m_sort->setObjectName(QStringLiteral("overviewSort"));
    QStringList headers;
    for (int c = 0; c < kOverviewColumns; ++c) {
        headers << phraseText(OverviewHeader(static_cast<OverviewColumn>(c)));
    }
    for (int c = 0; c < kOverviewColumns; ++c) {
        auto* head = new QTableWidgetItem(inTwoLines(headers[c]));
        head->setData(Qt::AccessibleTextRole, headers[c]); // said as one line
        m_table->setHorizontalHeaderItem(c, head);
    }
    m_sort->addItems(headers);
    m_down = new QCheckBox(tr("D&escending"), this);
    m_down->setObjectName(QStringLiteral("overviewDescending"));
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("overviewStatus"));
    auto* sortLabel = new QLabel(tr("&Sort by:"), this);
    sortLabel->setBuddy(m_sort);
    nameWithValue(m_sort, sortLabel->text());

    auto* top = new QHBoxLayout;
    top->addWidget(sortLabel);
    top->addWidget(m_sort);
    top->addWidget(m_down);
    top->addStretch(1);
    auto* csv = new QPushButton(tr("Save as CS&V..."), this);
    auto* pdf = new QPushButton(tr("Save as P&DF..."), this);
    auto* print = new QPushButton(tr("P&rint..."), this);
    auto* close = new QPushButton(tr("Close"), this);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {csv, pdf, print}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(top);
    outer->addWidget(m_table, 1);
    outer->addWidget(m_status);
    outer->addLayout(buttons);
    // Every column at once where the screen has room (the German headers are the widest).
    const QScreen* shown = screen();
    resize(shown != nullptr ? std::min(1240, shown->availableGeometry().width() - 40) : 900, 420);
    fitToScreen(*this);

    connect(m_table->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int c) {
        const auto column = static_cast<OverviewColumn>(c);
        sortBy(column, column == m_column ? !m_descending : false);
    });
    // Enter or a double click on a row: that pupil's Progress, read only.
    connect(m_table, &QAbstractItemView::activated, this, [this](const QModelIndex& at) {
        const PupilOverview& pupil = m_rows.at(static_cast<std::size_t>(at.row()));
        ProgressWindow progress(m_program, pupil.name, pupil.operation, this);
        progress.exec();
    });
    connect(m_sort, &QComboBox::activated, this,
            [this](int c) { sortBy(static_cast<OverviewColumn>(c), m_descending); });
    connect(m_down, &QCheckBox::clicked, this, [this](bool on) { sortBy(m_column, on); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connectExports(csv, pdf, print);
    sortBy(OverviewColumn::Name, false);
}

void ClassOverviewWindow::connectExports(QPushButton* csv, QPushButton* pdf, QPushButton* print)
{
    connect(csv, &QPushButton::clicked, this, [this] {
        if (const QString p = ask(tr("Save the class overview as CSV"), tr("CSV files (*.csv)"),
                                  QStringLiteral("csv"));
            !p.isEmpty()) {
            saveCsv(p);
        }
    });
    connect(pdf, &QPushButton::clicked, this, [this] {
        if (const QString p = ask(tr("Save the class overview as PDF"), tr("PDF files (*.pdf)"),
                                  QStringLiteral("pdf"));
            !p.isEmpty()) {
            savePdf(p);
        }
    });
    connect(print, &QPushButton::clicked, this, [this] {
        QPrinter printer(QPrinter::HighResolution);
        QPrintDialog dialog(&printer, this);
        if (dialog.exec() == QDialog::Accepted) {
            paintDocument(printer);
        }
    });
}

void ClassOverviewWindow::buildTable()
{
    m_table = new QTableWidget(0, kOverviewColumns, this);
    m_table->setTabKeyNavigation(false); // Tab leaves the table; the arrows move in it
    m_table->setObjectName(QStringLiteral("overviewTable"));
    m_table->setAccessibleName(tr("Every pupil"));
    m_table->setAccessibleDescription(tr("Enter opens the pupil's Progress"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->verticalHeader()->setVisible(false);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionsClickable(true);
}

void ClassOverviewWindow::sortBy(OverviewColumn column, bool descending)
{
    m_column = column;
    m_descending = descending;
    // Names in the order of the language shown, as a teacher's list would have them.
    const QCollator collator(
        QLocale(shownLanguage().isEmpty() ? QStringLiteral("en") : shownLanguage()));
    SortOverview(m_rows, column, descending,
                 [&collator](const std::string& a, const std::string& b) {
                     return collator.compare(toQString(a), toQString(b)) < 0;
                 });
    render();
}

void ClassOverviewWindow::render()
{
    const QSignalBlocker a(m_sort);
    const QSignalBlocker b(m_down);
    m_sort->setCurrentIndex(static_cast<int>(m_column));
    m_down->setChecked(m_descending);
    m_table->horizontalHeader()->setSortIndicatorShown(true);
    m_table->horizontalHeader()->setSortIndicator(
        static_cast<int>(m_column), m_descending ? Qt::DescendingOrder : Qt::AscendingOrder);
    m_table->setRowCount(static_cast<int>(m_rows.size()));
    for (int r = 0; r < static_cast<int>(m_rows.size()); ++r) {
        for (int c = 0; c < kOverviewColumns; ++c) {
            const auto column = static_cast<OverviewColumn>(c);
            auto* item =
                new QTableWidgetItem(shownText(m_rows[static_cast<std::size_t>(r)], column));
            const bool number = c >= static_cast<int>(OverviewColumn::WeekAnswers);
            item->setTextAlignment(number ? Qt::AlignRight | Qt::AlignVCenter
                                          : Qt::AlignLeft | Qt::AlignVCenter);
            m_table->setItem(r, c, item);
        }
    }
    m_status->setText(
        m_rows.empty()
            ? tr("No pupils in the student file yet.")
            : tr("%1 pupils; a week is today and the six days before it.").arg(m_rows.size()));
}

void ClassOverviewWindow::paintDocument(QPagedPaintDevice& device) const
{
    QPainter painter(&device);
    const QRect page = painter.viewport();
    painter.setFont(arial(13, true));
    const int titleH = QFontMetrics(painter.font(), &device).height();
    painter.drawText(0, titleH, tr("Class Overview"));
    // Columns in proportion to the texts they hold.
    static constexpr std::array<int, kOverviewColumns> weight{13, 24, 6, 9, 6, 7, 7, 6, 5, 6, 8};
    const int total = std::accumulate(weight.begin(), weight.end(), 0);
    std::array<int, kOverviewColumns + 1> left{};
    for (std::size_t c = 0; c < weight.size(); ++c) {
        left[c + 1] = left[c] + weight[c] * page.width() / total;
    }
    const int lineH = QFontMetrics(arial(8), &device).height();
    int y = titleH * 2;
    const auto line = [&](auto textOf, bool bold) {
        if (y + lineH > page.height()) {
            device.newPage();
            y = 0;
        }
        painter.setFont(arial(8, bold));
        y += lineH;
        for (int c = 0; c < kOverviewColumns; ++c) {
            painter.drawText(QRect(left[static_cast<std::size_t>(c)], y - lineH,
                                   left[static_cast<std::size_t>(c) + 1] -
                                       left[static_cast<std::size_t>(c)] - lineH / 3,
                                   lineH),
                             Qt::AlignLeft | Qt::AlignVCenter, textOf(c));
        }
    };
    line([](int c) { return phraseText(OverviewHeader(static_cast<OverviewColumn>(c))); }, true);
    for (const PupilOverview& p : m_rows) {
        line([&p](int c) { return shownText(p, static_cast<OverviewColumn>(c)); }, false);
    }
}

bool ClassOverviewWindow::savePdf(const QString& path)
{
    const bool saved =
        savePdfFile(path, tr("Class Overview"), QPageLayout::Landscape, QMarginsF(12, 12, 12, 12),
                    [this](QPagedPaintDevice& device) { paintDocument(device); });
    noteSaved(saved, path);
    return saved;
}

bool ClassOverviewWindow::saveCsv(const QString& path)
{
    const bool saved = saveWholeFile(path, ClassOverviewCsv(m_rows, csvWords));
    noteSaved(saved, path);
    return saved;
}

void ClassOverviewWindow::noteSaved(bool saved, const QString& path)
{
    noteSave(m_program, saved, MessageId::OverviewNotSaved, localPath(QFileInfo(path).fileName()));
    if (!saved) {
        m_status->setText(messageText(m_program.main.notice));
    }
    saySaved(this, saved, path, messageText(m_program.main.notice));
}

QString ClassOverviewWindow::ask(const QString& title, const QString& filter, const QString& suffix)
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (dir.isEmpty() || !QDir(dir).exists()) {
        dir = QDir::homePath();
    }
    return QFileDialog::getSaveFileName(
        this, title,
        QDir(dir).filePath(tr("class overview", "the start of a file name") + QLatin1Char('.') +
                           suffix),
        filter);
}

void ClassOverviewWindow::keyPressEvent(QKeyEvent* event)
{
    if (!keepEnterFromDefault(this, event)) {
        QDialog::keyPressEvent(event);
    }
}

} // namespace sb
