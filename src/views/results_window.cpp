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
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "flow/lifecycle.h"
#include "flow/program.h"
#include "records/drill_settings.h"
#include "records/index.h"
#include "records/operations.h"
#include "students/record_files.h"
#include "views/announcer_qt.h"
#include "views/common_qt.h"
#include "views/core_texts_qt.h"
#include "views/help_window.h"
#include "views/messages_qt.h"
#include "views/results_print_qt.h"
#include "views/results_surface_qt.h"

namespace sb {

namespace {

const char* const kPdfFilter = QT_TRANSLATE_NOOP("sb::ResultsWindow", "PDF files (*.pdf)");
const char* const kCsvFilter = QT_TRANSLATE_NOOP("sb::ResultsWindow", "CSV files (*.csv)");
// The margins of the page, in millimetres, for the PDF and the printer alike.
const QMarginsF kMargins(12, 12, 12, 12);

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

} // namespace

ResultsWindow::ResultsWindow(Program& program, QWidget* parent)
    : QDialog(parent), m_program(program)
{
    setObjectName(QStringLiteral("Resulttable"));
    setWindowTitle(QStringLiteral("Tinmoor:") + programTitle() + QString(14, QLatin1Char(' ')) +
                   tr("Results Table"));
    setModal(true);
    useClickingAccessibleButtons();
    addHelpKey(this, QStringLiteral("results_table.html"));
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

    m_per = pushButton(this, "per", tr("Percent Correct"));
    m_rat = pushButton(this, "rat", tr("Ratio: Correct/Total"));
    m_NWrong = pushButton(this, "NWrong", tr("Number Wrong"));
    m_tclose = pushButton(this, "tclose", tr("Close"));
    // The view shown is the checked one of the three.
    for (QPushButton* b : {m_per, m_rat, m_NWrong}) {
        b->setCheckable(true);
    }
    for (int i = 0; i < 3; ++i) {
        auto* lab = new QLabel(this);
        lab->setObjectName(QStringLiteral("lab%1").arg(i));
        lab->setAutoFillBackground(true);
        lab->setFixedHeight(twipsToPixels(90, this));
        m_lab[asIndex(i)] = lab;
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
        column->addWidget(m_lab[asIndex(i)]);
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
    // Shift+F10 and the menu key open it anywhere in the window, at the table.
    for (const QKeySequence& keys :
         {QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)}) {
        auto* menuKey = new QAction(this);
        menuKey->setShortcut(keys);
        addAction(menuKey);
        connect(menuKey, &QAction::triggered, this, [this] {
            const QPoint centre(m_hold->width() / 2, m_hold->height() / 2);
            emit m_p->customContextMenuRequested(m_p->mapFrom(m_hold, centre));
        });
    }
    connect(m_p, &QWidget::customContextMenuRequested, this, [this](QPoint pos) {
        // A menu asked for by keyboard comes at a point of p that may be scrolled out of view.
        const QPoint inHold = m_p->mapTo(m_hold, pos);
        const QPoint shown(qBound(0, inHold.x(), m_hold->width() - 1),
                           qBound(0, inHold.y(), m_hold->height() - 1));
        QMenu menu(this);
        menu.addActions({m_printAction, m_pdfAction, m_csvAction});
        menu.exec(m_hold->mapToGlobal(shown));
    });

    // A screen reader hears which view the table shows now, whichever button was pressed.
    const auto switched = [this] {
        render();
        sayAside(this, viewName(m_model.view) + tr(": shown"));
    };
    connect(m_per, &QPushButton::clicked, this, [this, switched] {
        per_click(m_model, drill());
        switched();
    });
    connect(m_NWrong, &QPushButton::clicked, this, [this, switched] {
        NWrong_click(m_model, drill());
        switched();
    });
    connect(m_rat, &QPushButton::clicked, this, [this, switched] {
        rat_click(m_model, drill());
        switched();
    });
    connect(m_tclose, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_v, &QScrollBar::valueChanged, this, [this](int value) {
        v_change(m_model, value);
        m_p->move(0, twipsToPixels(m_model.drawingTop, this));
        // Moving p copies what is on the screen, the focus frame at the edge of the view
        // with it; painted again, the frame stands where the view now ends.
        if (m_p->hasFocus()) {
            m_p->update();
        }
    });
}

void ResultsWindow::keyPressEvent(QKeyEvent* event)
{
    if (!pressFocusedOnEnter(this, event)) {
        QDialog::keyPressEvent(event);
    }
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
    const std::array<std::pair<QPushButton*, ResultsView>, 3> views{{{m_per, ResultsView::Percent},
                                                                     {m_NWrong, ResultsView::Wrong},
                                                                     {m_rat, ResultsView::Ratio}}};
    for (const auto& [b, view] : views) {
        const QSignalBlocker block(b);
        b->setChecked(m_model.view == view);
        m_lab[asIndex(static_cast<int>(view))]->setAccessibleName(
            viewName(view) + (m_model.view == view ? tr(": shown") : tr(": not shown")));
    }
    for (int i = 0; i < 3; ++i) {
        paintBackground(m_lab[asIndex(i)],
                        m_model.marks[asIndex(i)]
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
        paintDrawing(painter, m_model.drawing, m_font, logicalDpiX() / 1440.0, 0);
    }
    m_p->setImage(image);
    ++m_imageDraws;
}

int ResultsWindow::tableOperation() const
{
    return TableOperation(drill(), m_program.settings.startSettings.operation);
}

QString ResultsWindow::heading() const
{
    // The pupil whose answers the table holds, who need not be the pupil chosen now.
    const QString name = toQString(drill().owner);
    const QString operation = showCaption(OperationName(tableOperation()));
    if (name.isEmpty() || operation.isEmpty()) {
        return name + operation;
    }
    return name + QStringLiteral(", ") + operation;
}

double ResultsWindow::paintDocument(QPagedPaintDevice& device) const
{
    QPainter painter(&device);
    const QRectF page(QPointF(0, 0), QSizeF(device.width(), device.height()));
    return paintPrintout(painter, page, PrintoutOf(drill(), heading(), tableOperation()));
}

bool ResultsWindow::savePdf(const QString& path)
{
    const bool saved =
        savePdfFile(path, tr("Results Table: ") + heading(), QPageLayout::Portrait, kMargins,
                    [this](QPagedPaintDevice& device) { paintDocument(device); });
    noteSaved(saved, path);
    return saved;
}

bool ResultsWindow::saveCsv(const QString& path)
{
    const bool saved = saveWholeFile(path, ResultsCsv(drill(), tableOperation()));
    noteSaved(saved, path);
    return saved;
}

void ResultsWindow::noteSaved(bool saved, const QString& path)
{
    noteSave(m_program, saved, MessageId::TableNotSaved, localPath(QFileInfo(path).fileName()));
    saySaved(this, saved, path, messageText(m_program.main.notice));
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
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(kMargins, QPageLayout::Millimeter);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(tr("Print the Results Table"));
    if (dialog.exec() == QDialog::Accepted) {
        // Margins narrower than the PDF's would cut the table on many printers.
        const QMarginsF chosen = printer.pageLayout().margins(QPageLayout::Millimeter);
        printer.setPageMargins(QMarginsF(qMax(chosen.left(), kMargins.left()),
                                         qMax(chosen.top(), kMargins.top()),
                                         qMax(chosen.right(), kMargins.right()),
                                         qMax(chosen.bottom(), kMargins.bottom())),
                               QPageLayout::Millimeter);
        paintDocument(printer);
    }
}

void ResultsWindow::askPdf()
{
    askSave(FileKind::Pdf);
}

void ResultsWindow::askCsv()
{
    askSave(FileKind::Csv);
}

// One dialog for both kinds of file. The kind follows the name's extension when it is one of
// the two, otherwise the filter chosen, whose extension a name without one is given.
void ResultsWindow::askSave(FileKind kind)
{
    const QString pdfFilter = tr(kPdfFilter);
    const QStringList filters{pdfFilter, tr(kCsvFilter)};
    const auto suffixOf = [pdfFilter](const QString& filter) {
        return filter == pdfFilter ? QStringLiteral("pdf") : QStringLiteral("csv");
    };
    QFileDialog dialog(this, kind == FileKind::Pdf ? tr("Save the Results Table as PDF")
                                                   : tr("Save every fact as CSV"));
    dialog.setObjectName(QStringLiteral("saveDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters);
    const QString first = filters.value(kind == FileKind::Pdf ? 0 : 1);
    dialog.selectNameFilter(first);
    dialog.setDefaultSuffix(suffixOf(first));
    dialog.selectFile(suggestedFile(suffixOf(first)));
    connect(
        &dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog, suffixOf](const QString& filter) { dialog.setDefaultSuffix(suffixOf(filter)); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    QString path = dialog.selectedFiles().constFirst();
    QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QStringLiteral("pdf") && suffix != QStringLiteral("csv")) {
        suffix = suffixOf(dialog.selectedNameFilter());
        if (QFileInfo(path).suffix().isEmpty()) {
            path += QLatin1Char('.') + suffix;
        }
    }
    if (suffix == QStringLiteral("pdf")) {
        savePdf(path);
    } else {
        saveCsv(path);
    }
}

} // namespace sb
