#include "views/results_window.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QPdfWriter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QStandardPaths>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QVBoxLayout>

#include <set>
#include <string_view>
#include <tuple>

#include "drill/problem_view_qt.h"
#include "program.h"
#include "records/drill_settings.h"
#include "records/index.h"
#include "students/record_files.h"

namespace sb {

namespace {

QString latin1(const std::string& s)
{
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

QString viewName(ResultsView view)
{
    switch (view) {
    case ResultsView::Percent:
        return QStringLiteral("Percent Correct");
    case ResultsView::Wrong:
        return QStringLiteral("Number Wrong");
    case ResultsView::Ratio:
        return QStringLiteral("Ratio: Correct/Total");
    }
    return {};
}

// Paints a drawing of p; k is device pixels per unit. Positions are rounded to whole device
// pixels, so that the grid lines stay sharp on the screen.
void paintDrawing(QPainter& painter, const TableDrawing& p, const QFont& font, double k,
                  int penWidth)
{
    const auto px = [k](int units) { return qRound(units * k); };
    for (const LineItem& l : p.lines) {
        painter.setPen(QPen(QColor(l.colour.red, l.colour.green, l.colour.blue), penWidth));
        painter.drawLine(px(l.x1), px(l.y1), px(l.x2), px(l.y2));
    }
    painter.setFont(font);
    painter.setPen(Qt::black);
    const int ascent = qRound(QFontMetricsF(font, painter.device()).ascent());
    // The labels stand many times at one place. Drawn over itself, smoothed text grows
    // darker at its edges and looks bold, so each text is drawn once per place.
    std::set<std::tuple<int, int, std::string_view>> drawn;
    for (const TextItem& t : p.texts) {
        if (drawn.emplace(t.x, t.y, t.text).second) {
            painter.drawText(px(t.x), px(t.y) + ascent, latin1(t.text));
        }
    }
}

} // namespace

// The drawing surface p: shows the table's image, scrolled by v. It takes the keyboard focus
// for the table: the arrow and page keys scroll, the menu key opens the context menu.
class ResultsSurface : public QWidget {
public:
    ResultsSurface(ResultsWindow* window, QWidget* hold) : QWidget(hold), m_window(window)
    {
        setObjectName(QStringLiteral("p"));
        setFocusPolicy(Qt::StrongFocus);
        setContextMenuPolicy(Qt::CustomContextMenu);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    void setCells(const TableCells& cells) { m_cells = cells; }

    // Grid coordinates include the labels: row 0 holds the column labels, column 0 the row
    // labels; rows 1..20 and columns 1..10 are the cells. The blanks that line the numbers up
    // on the screen are left out: "2/3" is read, not "2 slash blank blank blank 3".
    QString cellName(int row, int column) const
    {
        const std::string& text = row == 0      ? m_cells.columnLabel[at(column)]
                                  : column == 0 ? m_cells.rowLabel[at(row)]
                                                : m_cells.cell[at(row)][at(column)];
        return latin1(text).remove(QLatin1Char(' '));
    }
    // What "*" stands for in the view shown.
    QString cellDescription(int row, int column) const
    {
        if (row == 0 || column == 0 || cellName(row, column) != QStringLiteral("*")) {
            return {};
        }
        return m_window->model().view == ResultsView::Wrong ? QStringLiteral("none wrong")
                                                            : QStringLiteral("not asked");
    }
    QRect cellRect(int row, int column) const
    {
        const Box b = CellBox(m_window->model().size, row, column);
        const QPoint topLeft =
            mapToGlobal(QPoint(twipsToPixels(b.x, this), twipsToPixels(b.y, this)));
        return {topLeft, QSize(twipsToPixels(b.width, this), twipsToPixels(b.height, this))};
    }
    bool cellInView(int row, int column) const
    {
        const QRect r = cellRect(row, column);
        const QWidget* hold = parentWidget();
        return QRect(hold->mapToGlobal(QPoint(0, 0)), hold->size()).intersects(r);
    }
    // The grid cell (with labels) under a point of the screen, or (-1, -1).
    QPoint cellAtGlobal(QPoint global) const
    {
        for (int row = 0; row <= kResultRows; ++row) {
            for (int column = 0; column <= kResultColumns; ++column) {
                if (cellRect(row, column).contains(global)) {
                    return {column, row};
                }
            }
        }
        return {-1, -1};
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        const QRect r = event->rect();
        const qreal dpr = m_window->m_image.devicePixelRatio();
        painter.fillRect(r, Qt::white);
        painter.drawImage(QRectF(r), m_window->m_image,
                          QRectF(r.x() * dpr, r.y() * dpr, r.width() * dpr, r.height() * dpr));
        if (hasFocus()) {
            QStyleOptionFocusRect option;
            option.initFrom(this);
            option.rect = visibleRegion().boundingRect().adjusted(1, 1, -1, -1);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
        }
    }
    void wheelEvent(QWheelEvent* event) override
    {
        QCoreApplication::sendEvent(m_window->m_v, event);
    }
    void keyPressEvent(QKeyEvent* event) override
    {
        QScrollBar* v = m_window->m_v;
        switch (event->key()) {
        case Qt::Key_Up:
            v->triggerAction(QAbstractSlider::SliderSingleStepSub);
            break;
        case Qt::Key_Down:
            v->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            break;
        case Qt::Key_PageUp:
            v->triggerAction(QAbstractSlider::SliderPageStepSub);
            break;
        case Qt::Key_PageDown:
            v->triggerAction(QAbstractSlider::SliderPageStepAdd);
            break;
        case Qt::Key_Home:
            v->triggerAction(QAbstractSlider::SliderToMinimum);
            break;
        case Qt::Key_End:
            v->triggerAction(QAbstractSlider::SliderToMaximum);
            break;
        default:
            QWidget::keyPressEvent(event);
        }
    }
    void focusInEvent(QFocusEvent* event) override
    {
        QWidget::focusInEvent(event);
        update();
    }
    void focusOutEvent(QFocusEvent* event) override
    {
        QWidget::focusOutEvent(event);
        update();
    }

private:
    ResultsWindow* m_window;
    TableCells m_cells;
};

namespace {

class TableAccessible;

// One cell or label of the table as assistive technology sees it. It has no widget of its
// own: its name and place come from the surface.
class CellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    CellAccessible(ResultsSurface* surface, int row, int column)
        : m_surface(surface), m_row(row), m_column(column)
    {
    }
    bool isValid() const override { return !m_surface.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return table()->window(); }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return table(); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        if (m_surface.isNull()) {
            return {};
        }
        if (t == QAccessible::Name) {
            return m_surface->cellName(m_row, m_column);
        }
        if (t == QAccessible::Description) {
            return m_surface->cellDescription(m_row, m_column);
        }
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        return m_surface.isNull() ? QRect() : m_surface->cellRect(m_row, m_column);
    }
    QAccessible::Role role() const override
    {
        if (m_row == 0) {
            return QAccessible::ColumnHeader;
        }
        return m_column == 0 ? QAccessible::RowHeader : QAccessible::Cell;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.readOnly = true;
        s.offscreen = m_surface.isNull() || !m_surface->cellInView(m_row, m_column);
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableCellInterface && m_row > 0 && m_column > 0) {
            return static_cast<QAccessibleTableCellInterface*>(this);
        }
        return nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override;
    int columnIndex() const override { return m_column - 1; }
    int rowIndex() const override { return m_row - 1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override
    {
        return QAccessible::queryAccessibleInterface(m_surface.data());
    }

private:
    QPointer<ResultsSurface> m_surface;
    int m_row;
    int m_column;
};

// The surface as a table of 20 rows and 10 columns, with the labels as headers. Its children
// are the column labels, then each row's label followed by its cells.
class TableAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit TableAccessible(ResultsSurface* surface)
        : QAccessibleWidget(surface, QAccessible::Table)
    {
    }
    ~TableAccessible() override
    {
        for (const QAccessible::Id id : std::as_const(m_ids)) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }
    ResultsSurface* surface() const { return static_cast<ResultsSurface*>(widget()); }

    // Grid coordinates as the surface counts them (labels in row 0 and column 0).
    QAccessibleInterface* item(int row, int column) const
    {
        if (row < 0 || row > kResultRows || column < 0 || column > kResultColumns ||
            (row == 0 && column == 0)) {
            return nullptr;
        }
        const int key = row * (kResultColumns + 1) + column;
        auto it = m_ids.constFind(key);
        if (it != m_ids.constEnd()) {
            return QAccessible::accessibleInterface(*it);
        }
        auto* cell = new CellAccessible(surface(), row, column);
        m_ids.insert(key, QAccessible::registerAccessibleInterface(cell));
        return cell;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface) {
            return static_cast<QAccessibleTableInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }
    int childCount() const override { return kResultColumns + kResultRows * (kResultColumns + 1); }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount()) {
            return nullptr;
        }
        if (index < kResultColumns) {
            return item(0, index + 1);
        }
        const int i = index - kResultColumns;
        return item(i / (kResultColumns + 1) + 1, i % (kResultColumns + 1));
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int i = 0; i < childCount(); ++i) {
            if (this->child(i) == child) {
                return i;
            }
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QPoint cell = surface()->cellAtGlobal(QPoint(x, y));
        return item(cell.y(), cell.x());
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        return item(row + 1, column + 1);
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override
    {
        return surface()->cellName(0, column + 1);
    }
    QString rowDescription(int row) const override { return surface()->cellName(row + 1, 0); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return kResultColumns; }
    int rowCount() const override { return kResultRows; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    mutable QHash<int, QAccessible::Id> m_ids;
};

QList<QAccessibleInterface*> CellAccessible::columnHeaderCells() const
{
    auto* t = static_cast<TableAccessible*>(table());
    return t == nullptr ? QList<QAccessibleInterface*>{} : QList{t->item(0, m_column)};
}

QList<QAccessibleInterface*> CellAccessible::rowHeaderCells() const
{
    auto* t = static_cast<TableAccessible*>(table());
    return t == nullptr ? QList<QAccessibleInterface*>{} : QList{t->item(m_row, 0)};
}

QAccessibleInterface* tableFactory(const QString&, QObject* object)
{
    if (auto* surface = dynamic_cast<ResultsSurface*>(object)) {
        return new TableAccessible(surface);
    }
    return nullptr;
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
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(tableFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);

    setObjectName(QStringLiteral("Resulttable"));
    setWindowTitle(QStringLiteral("Tinmoor:Sumblitz1.2") + QString(14, QLatin1Char(' ')) +
                   QStringLiteral("Results Table"));
    setModal(true);
    m_font = QFont(QStringLiteral("Arial"));
    m_font.setPointSizeF(8.25);
    setFont(m_font);

    const TableLayout layout = LayoutTable();
    m_hold = new QWidget(this);
    m_hold->setObjectName(QStringLiteral("hold"));
    m_hold->setFixedSize(twipsToPixels(layout.holdWidth, this),
                         twipsToPixels(layout.holdHeight, this));
    m_p = new ResultsSurface(this, m_hold);
    m_v = new QScrollBar(Qt::Vertical, this);
    m_v->setObjectName(QStringLiteral("v"));
    m_v->setAccessibleName(QStringLiteral("Scroll the table"));

    m_per = button(this, "per", QStringLiteral("Percent Correct"));
    m_rat = button(this, "rat", QStringLiteral("Ratio: Correct/Total"));
    m_NWrong = button(this, "NWrong", QStringLiteral("Number Wrong"));
    m_tclose = button(this, "tclose", QStringLiteral("Close"));
    for (int i = 0; i < 3; ++i) {
        auto* lab = new QLabel(this);
        lab->setObjectName(QStringLiteral("lab%1").arg(i));
        lab->setAutoFillBackground(true);
        lab->setFixedHeight(twipsToPixels(90, this));
        m_lab[at(i)] = lab;
    }

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

    m_printAction = new QAction(QStringLiteral("&Print..."), this);
    m_printAction->setShortcut(QKeySequence::Print);
    m_pdfAction = new QAction(QStringLiteral("Save as P&DF..."), this);
    m_csvAction = new QAction(QStringLiteral("Save all facts as &CSV..."), this);
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

    // The load of the window: "9" measured once in the surface's font.
    const QFontMetrics fm(m_font, this);
    const DigitSize size{qRound(pixelsToTwips(fm.horizontalAdvance(QLatin1Char('9')), this)),
                         qRound(pixelsToTwips(fm.height(), this))};
    Resulttable_load(m_model, drill(), size);
    const TableLayout& at = m_model.layout;
    // No horizontal scrolling: only hold's width of p is ever seen.
    m_p->setGeometry(0, 0, m_hold->width(), twipsToPixels(at.pHeight, this));
    m_v->setFixedHeight(twipsToPixels(at.vHeight, this));
    m_v->setRange(at.vMin, at.vMax);
    m_v->setSingleStep(at.vSmallChange);
    m_v->setPageStep(at.vLargeChange);
    render();
    m_p->setFocus();
}

ResultsWindow::~ResultsWindow() = default;

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
        m_p->setAccessibleName(QStringLiteral("Results table, ") + viewName(m_model.view));
        m_p->setAccessibleDescription(drill().factCount == 0
                                          ? QStringLiteral("No drill yet: the table is empty.")
                                          : QString());
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
        QLabel* lab = m_lab[at(i)];
        QPalette pal = lab->palette();
        pal.setColor(QPalette::Window,
                     m_model.lab[at(i)]
                         ? QColor(kMarkColour.red, kMarkColour.green, kMarkColour.blue)
                         : palette().color(QPalette::Button));
        lab->setPalette(pal);
    }
}

void ResultsWindow::paintImage()
{
    const qreal dpr = devicePixelRatioF();
    const QSize logical = m_p->size();
    if (m_image.size() != logical * dpr) {
        m_image = QImage(logical * dpr, QImage::Format_RGB32);
        m_image.setDevicePixelRatio(dpr);
        // Text on the image is as large as the window's own: the same dots per inch.
        m_image.setDotsPerMeterX(qRound(logicalDpiX() / 0.0254));
        m_image.setDotsPerMeterY(qRound(logicalDpiY() / 0.0254));
    }
    m_image.fill(Qt::white);
    QPainter painter(&m_image);
    paintDrawing(painter, m_model.p, m_font, logicalDpiX() / 1440.0, 0); // one device pixel
    ++m_imageDraws;
}

QString ResultsWindow::heading() const
{
    const QString name = latin1(trimmedName(m_program.cur()));
    const QString operation =
        latin1(OperationName(TableOperation(drill(), m_program.settings.startSettings.operation)));
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
                     QStringLiteral("Results Table") +
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
        writer.setTitle(QStringLiteral("Results Table: ") + heading());
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
    const QString what = QStringLiteral("Could not save ") + QFileInfo(path).fileName();
    const QByteArray text = what.toLatin1();
    noteSave(m_program, saved,
             std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
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
    dialog.setWindowTitle(QStringLiteral("Print the Results Table"));
    if (dialog.exec() == QDialog::Accepted) {
        paintDocument(printer);
    }
}

void ResultsWindow::askPdf()
{
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("Save the Results Table as PDF"), suggestedFile(QStringLiteral("pdf")),
        QStringLiteral("PDF files (*.pdf)"));
    if (!path.isEmpty()) {
        savePdf(path);
    }
}

void ResultsWindow::askCsv()
{
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("Save every fact as CSV"), suggestedFile(QStringLiteral("csv")),
        QStringLiteral("CSV files (*.csv)"));
    if (!path.isEmpty()) {
        saveCsv(path);
    }
}

} // namespace sb
