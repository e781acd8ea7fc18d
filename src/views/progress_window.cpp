// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/progress_window.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "flow/answer_log.h"
#include "flow/class_overview.h"
#include "flow/lifecycle.h"
#include "flow/program.h"
#include "flow/results_table.h"
#include "records/operations.h"
#include "views/announcer_qt.h"
#include "views/common_qt.h"
#include "views/core_texts_qt.h"
#include "views/days_chart_qt.h"
#include "views/messages_qt.h"
#include "views/translation_qt.h"
#include "views/window_place_qt.h"

namespace sb {

namespace {

QColor colourOf(Fluency f)
{
    switch (f) {
    case Fluency::Fluent:
        return QColor(150, 220, 150);
    case Fluency::Slow:
        return QColor(255, 225, 130);
    case Fluency::OftenWrong:
        return QColor(240, 150, 150);
    case Fluency::NeverAsked:
        break;
    }
    return QColor(235, 235, 235);
}

// Seconds with a tenth, written the way the pupil's language writes them ("1,5" in German);
// English keeps the program's own "1.5".
QString seconds(std::int32_t ms)
{
    if (shownLanguage().isEmpty()) {
        return toQString(Seconds(ms));
    }
    return QLocale().toString(((ms + 50) / 100) / 10.0, 'f', 1);
}

// "This week: 52 problems, 77% right, 14 min answering. The week before: no answers."
QString weekText(const SpanFigures& now, const SpanFigures& before)
{
    const auto week = [](const QString& which, const SpanFigures& f) {
        if (f.answers == 0) {
            return QCoreApplication::translate("sb::ProgressWindow", "%1: no answers.").arg(which);
        }
        return QCoreApplication::translate("sb::ProgressWindow",
                                           "%1: %2 problems, %3% right, %4 min answering.")
            .arg(which)
            .arg(f.answers)
            .arg(PercentOf(f.right, f.answers))
            .arg(MinutesOf(f.practiseMs));
    };
    return week(QCoreApplication::translate("sb::ProgressWindow", "This week"), now) +
           QLatin1Char(' ') +
           week(QCoreApplication::translate("sb::ProgressWindow", "The week before"), before);
}

// A cell of the grid as its tip and a screen reader say it.
QString fluencyText(const FluencyCell& c)
{
    const QString name = phraseText(FluencyName(c.fluency));
    if (c.fluency == Fluency::NeverAsked) {
        return name;
    }
    const char* text =
        c.answers == 1 ? QT_TRANSLATE_NOOP("sb::ProgressWindow", "%1, median %2 s of 1 answer")
                       : QT_TRANSLATE_NOOP("sb::ProgressWindow", "%1, median %2 s of %3 answers");
    const QString shown =
        QCoreApplication::translate("sb::ProgressWindow", text).arg(name, seconds(c.medianMs));
    return c.answers == 1 ? shown : shown.arg(c.answers); // "1 answer" has no third number
}

// A local day (days since 1970-01-01) in the words of the language shown: format is a
// QDate format, translated with the window's texts.
QString dayText(std::int64_t day, const char* format)
{
    const QLocale locale(shownLanguage().isEmpty() ? QStringLiteral("en_GB") : shownLanguage());
    return locale.toString(QDate(1970, 1, 1).addDays(day),
                           QCoreApplication::translate("sb::ProgressWindow", format));
}

// When a fact is next reviewed and how well she recalls it now, for its tip ("Next review:
// Tue 15 Dec, recall now 83%") or, with the day written out, for a screen reader.
QString reviewText(const FactReview& r, std::int64_t today, bool spoken)
{
    const QString day =
        r.reviewDay <= today ? QCoreApplication::translate("sb::ProgressWindow", "today")
        : r.reviewDay == today + 1
            ? QCoreApplication::translate("sb::ProgressWindow", "tomorrow")
            : dayText(r.reviewDay, spoken ? QT_TRANSLATE_NOOP("sb::ProgressWindow", "dddd d MMMM")
                                          : QT_TRANSLATE_NOOP("sb::ProgressWindow", "ddd d MMM"));
    return QCoreApplication::translate("sb::ProgressWindow", "Next review: %1, recall now %2%")
        .arg(day)
        .arg(r.recallPercent);
}

// A fact's cell: the median seconds, the recall now and the day of the next review, as short
// as they go ("2.5 · 83% · 15/12").
QString cellText(const FluencyCell& c, const FactReview& r)
{
    QStringList parts;
    if (c.fluency != Fluency::NeverAsked) {
        parts << seconds(c.medianMs);
    }
    if (r.answered) {
        //: a day as short as it goes, in a grid cell (a QDate format)
        parts << QStringLiteral("%1%").arg(r.recallPercent)
              << dayText(r.reviewDay, QT_TRANSLATE_NOOP("sb::ProgressWindow", "d/M"));
    }
    return parts.join(QStringLiteral("\u2009\u00B7\u2009")); // thin spaces: a narrow column
}

QStringList dayHeaders()
{
    return {QCoreApplication::translate("sb::ProgressWindow", "Day"),
            QCoreApplication::translate("sb::ProgressWindow", "Problems"),
            QCoreApplication::translate("sb::ProgressWindow", "% right"),
            QCoreApplication::translate("sb::ProgressWindow", "Median s"),
            QCoreApplication::translate("sb::ProgressWindow", "Minutes")};
}

} // namespace

ProgressWindow::ProgressWindow(Program& program, QWidget* parent)
    : ProgressWindow(program, trimmedName(program.cur()), program.cur().operation, parent)
{
    m_readOnly = false;
}

ProgressWindow::ProgressWindow(Program& program, const std::string& pupil, int operation,
                               QWidget* parent)
    : QDialog(parent), m_program(program), m_readOnly(true)
{
    setObjectName(QStringLiteral("progress"));
    setModal(true);
    m_model.pupil = pupil;
    m_model.operation = IsOperation(operation) ? operation : 1;
    setWindowTitle(tr("Progress: %1").arg(toQString(m_model.pupil)));
    buildControls();
    resize(1240, 720); // the whole grid at once on a 1366 x 768 screen at 100 %
    reload();
    fitToScreen(*this);
}

ProgressWindow::~ProgressWindow() = default;

void ProgressWindow::buildControls()
{
    m_operation = new QComboBox(this);
    m_operation->setObjectName(QStringLiteral("progressOperation"));
    for (int op = 1; op <= kOperationCount; ++op) {
        m_operation->addItem(showCaption(OperationName(op)), op);
    }
    m_operation->setCurrentIndex(m_model.operation - 1);
    m_period = new QComboBox(this);
    m_period->setObjectName(QStringLiteral("progressPeriod"));
    m_period->addItems({tr("Last 30 days"), tr("Last 90 days"), tr("All")});
    m_fluent = new QDoubleSpinBox(this);
    m_fluent->setObjectName(QStringLiteral("fluentSeconds"));
    m_fluent->setRange(kFluentMinMs / 1000.0, kFluentMaxMs / 1000.0);
    m_fluent->setSingleStep(0.5);
    m_fluent->setDecimals(1);
    m_fluent->setSuffix(tr(" s", "seconds"));
    auto* form = new QFormLayout;
    form->addRow(tr("&Operation:"), m_operation);
    form->addRow(tr("&Period:"), m_period);
    nameWithValue(m_operation, tr("&Operation:"));
    nameWithValue(m_period, tr("&Period:"));
    form->addRow(tr("&Fluent within:"), m_fluent);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("progressStatus"));
    m_week = new QLabel(this);
    m_week->setObjectName(QStringLiteral("weekFigures"));
    m_week->setWordWrap(true);
    m_due = new QLabel(this);
    m_due->setObjectName(QStringLiteral("dueToday"));

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("progressTabs"));
    m_tabs->addTab(buildGridTab(), tr("Fluency &grid"));
    m_confusions = new QListWidget(this);
    m_confusions->setObjectName(QStringLiteral("confusions"));
    m_confusions->setAccessibleName(tr("Wrong answers chosen most often"));
    m_tabs->addTab(m_confusions, tr("&Confusions"));
    m_practise = new QListWidget(this);
    m_practise->setObjectName(QStringLiteral("practiseNext"));
    m_practise->setAccessibleName(tr("Facts to practise next, most urgent first"));
    m_tabs->addTab(m_practise, tr("Practise &next"));
    m_tabs->addTab(buildTimeTab(), tr("Over &time"));

    auto* csv = pushButton(this, "progressCsv", tr("Save history as CS&V..."));
    auto* pdf = pushButton(this, "progressPdf", tr("Save as P&DF..."));
    auto* print = pushButton(this, "progressPrint", tr("P&rint..."));
    auto* close = pushButton(this, "progressClose", tr("Close"));
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {csv, pdf, print}) {
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(form);
    outer->addWidget(m_status);
    auto* figures = new QHBoxLayout; // one line: the grid keeps its height
    figures->addWidget(m_due, 0, Qt::AlignTop);
    figures->addSpacing(m_due->fontMetrics().averageCharWidth() * 3);
    figures->addWidget(m_week, 1);
    outer->addLayout(figures);
    outer->addWidget(m_tabs, 1);
    outer->addLayout(buttons);

    connect(m_operation, &QComboBox::activated, this,
            [this](int i) { setOperation(m_operation->itemData(i).toInt()); });
    connect(m_period, &QComboBox::activated, this,
            [this](int i) { setPeriod(static_cast<Period>(i)); });
    connect(m_fluent, &QDoubleSpinBox::valueChanged, this,
            [this](double s) { setFluentSeconds(s); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connectExports(csv, pdf, print);
}

void ProgressWindow::connectExports(QPushButton* csv, QPushButton* pdf, QPushButton* print)
{
    connect(csv, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getSaveFileName(
            this, tr("Save the answer history as CSV"), suggestedFile(QStringLiteral("csv")),
            tr("CSV files (*.csv)"));
        if (!path.isEmpty()) {
            saveCsv(path);
        }
    });
    connect(pdf, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getSaveFileName(this, tr("Save the progress as PDF"),
                                                          suggestedFile(QStringLiteral("pdf")),
                                                          tr("PDF files (*.pdf)"));
        if (!path.isEmpty()) {
            savePdf(path);
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

QWidget* ProgressWindow::buildGridTab()
{
    auto* page = new QWidget(this);
    m_grid = new QTableWidget(20, 10, page);
    m_grid->setTabKeyNavigation(false); // Tab leaves the table; the arrows move in it
    m_grid->setObjectName(QStringLiteral("fluencyGrid"));
    m_grid->setAccessibleName(tr("Fluency grid: first numbers by second numbers"));
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_grid->verticalHeader()->setDefaultSectionSize(21);
    // Wide enough for a cell's longest text: a smaller screen scrolls the window instead.
    const QString widest = cellText({Fluency::Slow, 4444, 5},
                                    {true, 100, QDate(1970, 1, 1).daysTo(QDate(2000, 12, 28))});
    m_grid->setMinimumWidth(10 * (m_grid->fontMetrics().horizontalAdvance(widest) +
                                  m_grid->fontMetrics().averageCharWidth() * 2) +
                            m_grid->fontMetrics().horizontalAdvance(QStringLiteral("2000")));
    for (int i = 0; i < 20; ++i) {
        m_grid->setVerticalHeaderItem(i, new QTableWidgetItem(QString::number(i + 1)));
    }
    for (int i = 0; i < 10; ++i) {
        m_grid->setHorizontalHeaderItem(i, new QTableWidgetItem(QString::number(i + 1)));
    }
    m_legend = new QLabel(page);
    m_legend->setObjectName(QStringLiteral("fluencyLegend"));
    m_legend->setTextFormat(Qt::RichText);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(m_grid, 1);
    layout->addWidget(m_legend);
    return page;
}

QWidget* ProgressWindow::buildTimeTab()
{
    auto* page = new QWidget(this);
    m_chart = makeDaysChart(page);
    m_days = new QTableWidget(0, 5, page);
    m_days->setTabKeyNavigation(false);
    m_days->setObjectName(QStringLiteral("dayFigures"));
    m_days->setAccessibleName(tr("The chart's figures by day"));
    m_days->setHorizontalHeaderLabels(dayHeaders());
    m_days->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_days->verticalHeader()->setVisible(false);
    m_days->verticalHeader()->setDefaultSectionSize(20);
    m_days->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(m_chart->widget(), 3);
    layout->addWidget(m_days, 2);
    return page;
}

void ProgressWindow::reload()
{
    m_now = m_program.services.clock.utcMillis();
    m_offset = m_program.services.clock.utcOffsetSeconds(m_now);
    // Answers still on their way to the disk belong in the figures.
    FlushAnswerHistory(m_program);
    LoadProgress(m_model, historyFile(), m_now, m_offset);
    render();
}

std::filesystem::path ProgressWindow::historyFile() const
{
    return m_program.services.dataDir / historyFileName(m_model.pupil);
}

void ProgressWindow::setOperation(int operation)
{
    m_model.operation = operation;
    reload();
}

void ProgressWindow::setPeriod(Period period)
{
    m_model.period = period;
    Recompute(m_model, m_now, m_offset); // every answer of the operation is read already
    render();
}

void ProgressWindow::setFluentSeconds(double seconds)
{
    const auto ms = static_cast<std::int32_t>(seconds * 1000 + 0.5);
    if (ms == m_model.fluentMs) {
        return;
    }
    m_model.fluentMs = ms;
    // Kept with the pupil's history, never making one.
    const auto path = historyFile();
    if (!m_readOnly && std::filesystem::exists(path)) {
        if (auto opened = HistoryDb::open(path, true); opened.db) {
            static_cast<void>(opened.db->setSetting(kFluentSetting, ms));
        }
    }
    Recompute(m_model, m_now, m_offset);
    render();
}

void ProgressWindow::render()
{
    const QSignalBlocker blockSpin(m_fluent);
    m_fluent->setValue(m_model.fluentMs / 1000.0);
    m_period->setCurrentIndex(static_cast<int>(m_model.period));
    m_operation->setCurrentIndex(m_model.operation - 1);
    m_status->setText(messageText(m_model.status));
    m_status->setVisible(!m_model.status.empty());
    renderGrid();
    m_confusions->clear();
    for (const Confusion& c : m_model.confusions) {
        m_confusions->addItem(toQString(c.text()));
    }
    if (m_model.confusions.empty()) {
        m_confusions->addItem(tr("No wrong answers in this period"));
    }
    m_practise->clear();
    for (const PractiseItem& item : m_model.practiseNext) {
        m_practise->addItem(toQString(item.problem) + QStringLiteral(": ") +
                            fluencyText(item.cell));
    }
    if (m_model.practiseNext.empty()) {
        m_practise->addItem(tr("Nothing to practise next: no fact is often wrong or slow"));
    }
    m_week->setText(weekText(m_model.thisWeek, m_model.lastWeek));
    m_due->setText(tr("Due today: %1", "facts whose review falls today, in Today's Practice")
                       .arg(m_model.reviews.dueToday));
    renderDays();
}

void ProgressWindow::renderGrid()
{
    for (int r = 1; r <= 20; ++r) {
        for (int c = 1; c <= 10; ++c) {
            const FluencyCell& cell =
                m_model.grid.cell[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
            const int factIndex = (c - 1) * 20 + r;
            const FactReview& review = m_model.reviews.fact[static_cast<std::size_t>(factIndex)];
            auto* item = new QTableWidgetItem(cellText(cell, review));
            item->setTextAlignment(Qt::AlignCenter);
            item->setBackground(colourOf(cell.fluency));
            item->setForeground(Qt::black);
            // Each fact as it was last posed, when it was; otherwise by its row and column.
            const auto& last = m_model.recent[static_cast<std::size_t>(factIndex)];
            const QString fact = last.empty() ? tr("Row %1, column %2").arg(r).arg(c)
                                              : toQString(ProblemText(last.front()));
            const QString text = tr("%1: %2", "a name and what it is").arg(fact, fluencyText(cell));
            const auto withReview = [&](bool spoken) {
                return review.answered ? text + QStringLiteral(". ") +
                                             reviewText(review, m_model.reviews.today, spoken)
                                       : text;
            };
            item->setData(Qt::AccessibleTextRole, withReview(true));
            item->setToolTip(withReview(false));
            m_grid->setItem(r - 1, c - 1, item);
        }
    }
    QString legend;
    for (const Fluency f :
         {Fluency::Fluent, Fluency::Slow, Fluency::OftenWrong, Fluency::NeverAsked}) {
        const QString entry = tr("%1: %2", "a name and what it is")
                                  .arg(phraseText(FluencyName(f)))
                                  .arg(m_model.grid.count(f))
                                  .toHtmlEscaped();
        legend += QStringLiteral("<span style=\"background:%1\">&nbsp;&nbsp;&nbsp;&nbsp;</span> "
                                 "%2&nbsp;&nbsp; ")
                      .arg(colourOf(f).name(), entry);
    }
    m_legend->setText(legend + QStringLiteral("<br>") +
                      tr("Each cell: the median seconds of the fact's last five answers, the "
                         "recall predicted now and the day of its next review."));
}

void ProgressWindow::renderDays()
{
    m_chart->setDays(m_model.days);
    m_days->setRowCount(static_cast<int>(m_model.days.size()));
    int row = 0;
    for (const DayFigures& d : m_model.days) {
        const QStringList cells{toQString(d.date), QString::number(d.answers),
                                QString::number(d.percentRight), seconds(d.medianMs),
                                QString::number(MinutesOf(d.practiseMs))};
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                          : Qt::AlignRight | Qt::AlignVCenter);
            m_days->setItem(row, c, item);
        }
        ++row;
    }
}

void ProgressWindow::paintDocument(QPagedPaintDevice& device)
{
    QPainter painter(&device);
    const QRect page = painter.viewport();
    QFont title = arial(14, true);
    painter.setFont(title);
    const QString head = tr("Progress: %1").arg(toQString(m_model.pupil)) + QStringLiteral(", ") +
                         showCaption(OperationName(m_model.operation)) + QStringLiteral(", ") +
                         m_period->currentText();
    const int lineH = QFontMetrics(title, &device).height();
    painter.drawText(0, lineH, head);
    // The window's own tables and chart, scaled to the page's width. The chart goes as a
    // picture of it as the screen shows it: drawn for paper, its legend is laid out with the
    // paper's font sizes and loses its names and colour marks.
    const auto place = [&](QWidget* w, int top, int height, bool picture) {
        const double scale = std::min(static_cast<double>(page.width()) / w->width(),
                                      static_cast<double>(height) / w->height());
        painter.save();
        painter.translate(0, top);
        painter.scale(scale, scale);
        if (picture) {
            QImage image(w->size() * 4, QImage::Format_RGB32);
            image.setDevicePixelRatio(4);
            image.fill(Qt::white);
            w->render(&image);
            painter.drawImage(QRect(QPoint(0, 0), w->size()), image);
        } else {
            w->render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
        }
        painter.restore();
        return top + static_cast<int>(w->height() * scale);
    };
    int y = place(m_grid->parentWidget(), lineH * 2, page.height() / 2 - lineH * 2, false);
    y = place(m_chart->widget(), y + lineH, page.height() / 2 - lineH * 2, true);
    device.newPage();
    painter.setFont(arial(10, true));
    const int textH = QFontMetrics(painter.font(), &device).height();
    painter.drawText(0, textH, tr("Wrong answers chosen most often"));
    painter.setFont(arial(10));
    y = textH * 2;
    for (const Confusion& c : m_model.confusions) {
        painter.drawText(0, y += textH, toQString(c.text()));
    }
    painter.setFont(arial(10, true));
    const QStringList headers = dayHeaders();
    y += textH * 2;
    for (int c = 0; c < headers.size(); ++c) {
        painter.drawText(c * page.width() / 5, y, headers[c]);
    }
    painter.setFont(arial(10));
    for (const DayFigures& d : m_model.days) {
        if (y + textH * 2 > page.height()) {
            device.newPage();
            y = 0;
        }
        const QStringList cells{toQString(d.date), QString::number(d.answers),
                                QString::number(d.percentRight), seconds(d.medianMs),
                                QString::number(MinutesOf(d.practiseMs))};
        y += textH;
        for (int c = 0; c < cells.size(); ++c) {
            painter.drawText(c * page.width() / 5, y, cells[c]);
        }
    }
}

bool ProgressWindow::savePdf(const QString& path)
{
    const bool saved =
        savePdfFile(path, windowTitle(), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                    [this](QPagedPaintDevice& device) { paintDocument(device); });
    noteSaved(saved, path);
    return saved;
}

bool ProgressWindow::saveCsv(const QString& path)
{
    auto opened = HistoryDb::open(historyPath(m_program), false);
    const auto rows = opened.db ? opened.db->rows(0, 0) : std::nullopt;
    Clock& clock = m_program.services.clock;
    const std::string csv = HistoryCsv(
        m_model.pupil, rows.value_or(std::vector<AnswerRow>{}),
        [&clock](std::int64_t ms) { return clock.utcOffsetSeconds(ms); }, csvWords);
    const bool saved =
        (rows || opened.status.code() == StatusCode::Missing) && saveWholeFile(path, csv);
    noteSaved(saved, path);
    return saved;
}

void ProgressWindow::noteSaved(bool saved, const QString& path)
{
    noteSave(m_program, saved, MessageId::ProgressNotSaved, localPath(QFileInfo(path).fileName()));
    m_status->setText(saved ? QString() : messageText(m_program.main.notice));
    m_status->setVisible(!saved);
    saySaved(this, saved, path, messageText(m_program.main.notice));
}

QString ProgressWindow::suggestedFile(const QString& suffix) const
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (dir.isEmpty() || !QDir(dir).exists()) {
        dir = QDir::homePath();
    }
    QString base = toQString(m_model.pupil);
    base.replace(QLatin1Char('/'), QLatin1Char('-')).replace(QLatin1Char('\\'), QLatin1Char('-'));
    return QDir(dir).filePath((base.isEmpty() ? QString() : base + QLatin1Char(' ')) +
                              tr("progress", "the start of a file name") + QLatin1Char('.') +
                              suffix);
}

void ProgressWindow::keyPressEvent(QKeyEvent* event)
{
    if (!keepEnterFromDefault(this, event)) {
        QDialog::keyPressEvent(event);
    }
}

} // namespace sb
