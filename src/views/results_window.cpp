// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/results_window.h"

#include <QAccessible>
#include <QAction>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "flow/lifecycle.h"
#include "flow/program.h"
#include "records/drill_settings.h"
#include "records/index.h"
#include "students/record_files.h"
#include "views/common_qt.h"
#include "views/results_surface_qt.h"

namespace sb {

namespace {

QString viewName(ResultsView view)
{
    switch (view) {
    case ResultsView::Percent:
        return QCoreApplication::translate("sb::ResultsWindow", "Percent Correct");
    case ResultsView::Wrong:
        return QCoreApplication::translate("sb::ResultsWindow", "Number Wrong");
    case ResultsView::Ratio:
        return QCoreApplication::translate("sb::ResultsWindow", "Ratio: Correct/Total");
    }
    return {};
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

ResultsWindow::ResultsWindow(Program& program, QWidget* parent)
    : QDialog(parent), m_program(program)
{
    setObjectName(QStringLiteral("Resulttable"));
    setWindowTitle(tr("Tinmoor:Sumblitz1.2") + QString(14, QLatin1Char(' ')) + tr("Results Table"));
    setModal(true);
    m_font = QFont(QStringLiteral("Arial"));
    m_font.setPointSizeF(8.25);
    setFont(m_font);

    m_hold = new QWidget(this);
    m_hold->setObjectName(QStringLiteral("hold"));
    m_hold->setFixedSize(twipsToPixels(m_model.layout.holdWidth, this),
                         twipsToPixels(m_model.layout.holdHeight, this));
    m_v = new QScrollBar(Qt::Vertical, this);
    m_v->setObjectName(QStringLiteral("v"));
    m_v->setAccessibleName(tr("Scroll the table"));
    m_p = new ResultsSurface(m_model, m_v, m_hold);

    m_per = button(this, "per", tr("Percent Correct"));
    m_rat = button(this, "rat", tr("Ratio: Correct/Total"));
    m_NWrong = button(this, "NWrong", tr("Number Wrong"));
    m_tclose = button(this, "tclose", tr("Close"));
    for (int i = 0; i < 3; ++i) {
        auto* lab = new QLabel(this);
        lab->setObjectName(QStringLiteral("lab%1").arg(i));
        lab->setAutoFillBackground(true);
        lab->setFixedHeight(twipsToPixels(90, this));
        m_lab[at(i)] = lab;
    }

    layoutControls();
    connectControls();

    // The load of the window: "9" measured once in the surface's font.
    const QFontMetrics fm(m_font, this);
    const DigitSize size{qRound(pixelsToTwips(fm.horizontalAdvance(QLatin1Char('9')), this)),
                         qRound(pixelsToTwips(fm.height(), this))};
    Resulttable_load(m_model, drill(), size);
    const TableLayout& placed = m_model.layout;
    // No horizontal scrolling: only hold's width of p is ever seen.
    m_p->setGeometry(0, 0, m_hold->width(), twipsToPixels(placed.pHeight, this));
    m_v->setFixedHeight(twipsToPixels(placed.vHeight, this));
    m_v->setRange(placed.vMin, placed.vMax);
    m_v->setSingleStep(placed.vSmallChange);
    m_v->setPageStep(placed.vLargeChange);
    render();
    m_p->setFocus();
}

ResultsWindow::~ResultsWindow() = default;

void ResultsWindow::layoutControls()
{
    // hold at the top left with v against its right edge; below them the three view buttons,
    // each under its indicator, and Close at the right.
    auto* top = new QHBoxLayout;
    top->setContentsMargins(0, 0, 0, 0);
    top->setSpacing(0);
    top->addWidget(m_hold);
    top->addWidget(m_v);
    top->addStretch(1);
    auto* bottom = new QHBoxLayout;
    const int gap = twipsToPixels(120, this);
    bottom->setContentsMargins(gap, gap, gap, gap);
    bottom->setSpacing(gap);
    const std::array<std::pair<QPushButton*, int>, 3> views{
        {{m_per, 0}, {m_rat, 2}, {m_NWrong, 1}}};
    for (const auto& [b, i] : views) {
        auto* column = new QVBoxLayout;
        column->setSpacing(twipsToPixels(30, this));
        column->addWidget(m_lab[at(i)]);
        column->addWidget(b);
        bottom->addLayout(column);
    }
    bottom->addStretch(1);
    bottom->addWidget(m_tclose, 0, Qt::AlignBottom);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addLayout(top);
    outer->addLayout(bottom);
    outer->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(m_p, m_per);
    setTabOrder(m_per, m_rat);
    setTabOrder(m_rat, m_NWrong);
    setTabOrder(m_NWrong, m_tclose);
}

void ResultsWindow::connectControls()
{
    m_printAction = new QAction(tr("&Print..."), this);
    m_printAction->setShortcut(QKeySequence::Print);
    m_pdfAction = new QAction(tr("Save as P&DF..."), this);
    m_csvAction = new QAction(tr("Save all facts as &CSV..."), this);
    m_csvAction->setShortcut(QKeySequence::Save);
    for (QAction* a : {m_printAction, m_pdfAction, m_csvAction}) {
        a->setShortcutVisibleInContextMenu(true);
        addAction(a);
    }
    connect(m_printAction, &QAction::triggered, this, &ResultsWindow::print);
    connect(m_pdfAction, &QAction::triggered, this, &ResultsWindow::askPdf);
    connect(m_csvAction, &QAction::triggered, this, &ResultsWindow::askCsv);
    connect(m_p, &QWidget::customContextMenuRequested, this, [this](QPoint pos) {
        // A menu asked for by keyboard comes at a point of p that may be scrolled out of view.
        const QPoint inHold = m_p->mapTo(m_hold, pos);
        const QPoint shown(qBound(0, inHold.x(), m_hold->width() - 1),
                           qBound(0, inHold.y(), m_hold->height() - 1));
        QMenu menu(this);
        menu.addActions({m_printAction, m_pdfAction, m_csvAction});
        menu.exec(m_hold->mapToGlobal(shown));
    });

    connect(m_per, &QPushButton::clicked, this, [this] {
        per_click(m_model, drill());
        render();
    });
    connect(m_NWrong, &QPushButton::clicked, this, [this] {
        NWrong_click(m_model, drill());
        render();
    });
    connect(m_rat, &QPushButton::clicked, this, [this] {
        rat_click(m_model, drill());
        render();
    });
    connect(m_tclose, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_v, &QScrollBar::valueChanged, this, [this](int value) {
        v_change(m_model, value);
        m_p->move(0, twipsToPixels(m_model.pTop, this));
    });
}

const Drill& ResultsWindow::drill() const
{
    return m_program.drill;
}

void ResultsWindow::render()
{
    if (m_imageDraws == 0 || m_model.draws != m_imageDrawnFor) {
        paintImage();
        m_imageDrawnFor = m_model.draws;
        m_p->setCells(CellsOf(drill(), m_model.view));
        m_p->setAccessibleName(tr("Results table, ") + viewName(m_model.view));
        m_p->setAccessibleDescription(
            drill().factCount == 0 ? tr("No drill yet: the table is empty.") : QString());
        m_p->update();
        if (QAccessible::isActive()) {
            QAccessibleTableModelChangeEvent changed(m_p,
                                                     QAccessibleTableModelChangeEvent::DataChanged);
            changed.setFirstRow(0);
            changed.setLastRow(kResultRows - 1);
            changed.setFirstColumn(0);
            changed.setLastColumn(kResultColumns - 1);
            QAccessible::updateAccessibility(&changed);
        }
    }
    for (int i = 0; i < 3; ++i) {
        paintBackground(m_lab[at(i)],
                        m_model.lab[at(i)]
                            ? QColor(kMarkColour.red, kMarkColour.green, kMarkColour.blue)
                            : palette().color(QPalette::Button));
    }
}

void ResultsWindow::paintImage()
{
    const qreal dpr = devicePixelRatioF();
    QImage image(m_p->size() * dpr, QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    // Text on the image is as large as the window's own: the same dots per inch.
    image.setDotsPerMeterX(qRound(logicalDpiX() / 0.0254));
    image.setDotsPerMeterY(qRound(logicalDpiY() / 0.0254));
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        paintDrawing(painter, m_model.p, m_font, logicalDpiX() / 1440.0, 0);
    }
    m_p->setImage(image);
    ++m_imageDraws;
}

QString ResultsWindow::heading() const
{
    const QString name = toQString(trimmedName(m_program.cur()));
    const QString operation = toQString(
        OperationName(TableOperation(drill(), m_program.settings.startSettings.operation)));
    if (name.isEmpty() || operation.isEmpty()) {
        return name + operation;
    }
    return name + QStringLiteral(", ") + operation;
}

void ResultsWindow::paintDocument(QPagedPaintDevice& device) const
{
    QPainter painter(&device);
    const double k = device.logicalDpiX() / 1440.0;
    QFont title(QStringLiteral("Arial"));
    title.setPointSizeF(12);
    title.setBold(true);
    QFont line(QStringLiteral("Arial"));
    line.setPointSizeF(10);
    const QFontMetricsF titleMetrics(title, &device);
    const QFontMetricsF lineMetrics(line, &device);

    painter.setPen(Qt::black);
    painter.setFont(title);
    const QString head = heading();
    painter.drawText(QPointF(0, titleMetrics.ascent()),
                     tr("Results Table") +
                         (head.isEmpty() ? QString() : QStringLiteral(": ") + head));
    painter.setFont(line);
    const double second = titleMetrics.height() + lineMetrics.ascent();
    painter.drawText(QPointF(0, second),
                     viewName(m_model.view) + QStringLiteral(", ") +
                         QLocale().toString(QDate::currentDate(), QLocale::LongFormat));

    // The table laid out anew in the device's own measure of "9", so that its texts fit its
    // grid at the device's resolution.
    const QFontMetricsF fm(m_font, &device);
    const DigitSize size{qRound(fm.horizontalAdvance(QLatin1Char('9')) / k),
                         qRound(fm.height() / k)};
    TableDrawing table;
    DrawGrid(table, size, kResultColumns, kResultRows);
    DrawTable(table, size, drill(), m_model.view);
    painter.translate(0, second + lineMetrics.height());
    // Lines as wide as one pixel of a 96-dpi screen.
    paintDrawing(painter, table, m_font, k, qMax(1, qRound(k * 15)));
}

bool ResultsWindow::savePdf(const QString& path)
{
    QSaveFile file(path);
    bool saved = file.open(QIODevice::WriteOnly);
    if (saved) {
        QPdfWriter writer(&file);
        writer.setTitle(tr("Results Table: ") + heading());
        writer.setCreator(QStringLiteral("Sumblitz1.2"));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        paintDocument(writer);
    }
    saved = saved && file.commit();
    noteSaved(saved, path);
    return saved;
}

bool ResultsWindow::saveCsv(const QString& path)
{
    const std::string csv = ResultsCsv(drill());
    QSaveFile file(path);
    const bool saved = file.open(QIODevice::WriteOnly) &&
                       file.write(csv.data(), static_cast<qint64>(csv.size())) ==
                           static_cast<qint64>(csv.size()) &&
                       file.commit();
    noteSaved(saved, path);
    return saved;
}

void ResultsWindow::noteSaved(bool saved, const QString& path)
{
    const QByteArray name = QFileInfo(path).fileName().toUtf8();
    noteSave(m_program, saved, "Table could not be saved",
             std::filesystem::path(std::u8string(name.begin(), name.end())));
}

QString ResultsWindow::suggestedFile(const QString& suffix) const
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (dir.isEmpty() || !QDir(dir).exists()) {
        dir = QDir::homePath();
    }
    QString base = heading();
    base.replace(QLatin1Char('/'), QLatin1Char('-')).replace(QLatin1Char('\\'), QLatin1Char('-'));
    base.replace(QStringLiteral(", "), QStringLiteral(" "));
    base = (base.isEmpty() ? QString() : base + QLatin1Char(' ')) + QStringLiteral("results.") +
           suffix;
    return QDir(dir).filePath(base);
}

void ResultsWindow::print()
{
    QPrinter printer(QPrinter::HighResolution);
    // Also the name offered when the printer is a file.
    printer.setDocName(QFileInfo(suggestedFile(QStringLiteral("pdf"))).completeBaseName());
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(tr("Print the Results Table"));
    if (dialog.exec() == QDialog::Accepted) {
        paintDocument(printer);
    }
}

void ResultsWindow::askPdf()
{
    const QString path =
        QFileDialog::getSaveFileName(this, tr("Save the Results Table as PDF"),
                                     suggestedFile(QStringLiteral("pdf")), tr("PDF files (*.pdf)"));
    if (!path.isEmpty()) {
        savePdf(path);
    }
}

void ResultsWindow::askCsv()
{
    const QString path =
        QFileDialog::getSaveFileName(this, tr("Save every fact as CSV"),
                                     suggestedFile(QStringLiteral("csv")), tr("CSV files (*.csv)"));
    if (!path.isEmpty()) {
        saveCsv(path);
    }
}

} // namespace sb