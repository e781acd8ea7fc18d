// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/results_surface_qt.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QHash>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>
#include <set>
#include <string_view>
#include <tuple>

#include "records/index.h"
#include "views/common_qt.h"

namespace sb {

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
        s.focusable = m_row > 0 && m_column > 0;
        s.focused = !m_surface.isNull() && m_surface->hasFocus() &&
                    m_surface->cursor() == QPoint(m_column, m_row);
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
    QAccessibleInterface* focusChild() const override
    {
        const QPoint cell = surface()->cursor();
        return surface()->hasFocus() ? item(cell.y(), cell.x()) : nullptr;
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

} // namespace

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
            painter.drawText(px(t.x), px(t.y) + ascent, toQString(t.text));
        }
    }
}

ResultsSurface::ResultsSurface(const ResultsModel& model, QScrollBar* v, QWidget* hold)
    : QWidget(hold), m_model(model), m_v(v)
{
    static const bool accessible = [] {
        QAccessible::installFactory(tableFactory);
        return true;
    }();
    Q_UNUSED(accessible);
    setObjectName(QStringLiteral("p"));
    setFocusPolicy(Qt::StrongFocus);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ResultsSurface::setImage(const QImage& image)
{
    m_image = image;
    update();
}

// The blanks that line the numbers up on the screen are left out: "2/3" is read, not "2 slash
// blank blank blank 3".
QString ResultsSurface::cellName(int row, int column) const
{
    const std::string& text = row == 0      ? m_cells.columnLabel[asIndex(column)]
                              : column == 0 ? m_cells.rowLabel[asIndex(row)]
                                            : m_cells.cell[asIndex(row)][asIndex(column)];
    return toQString(text).remove(QLatin1Char(' '));
}

// What "*" stands for in the view shown.
QString ResultsSurface::cellDescription(int row, int column) const
{
    if (row == 0 || column == 0 || cellName(row, column) != QStringLiteral("*")) {
        return {};
    }
    return m_model.view == ResultsView::Wrong
               ? QCoreApplication::translate("sb::ResultsSurface", "none wrong")
               : QCoreApplication::translate("sb::ResultsSurface", "not asked");
}

QRect ResultsSurface::cellRect(int row, int column) const
{
    const Box b = CellBox(m_model.size, row, column);
    const QPoint topLeft = mapToGlobal(QPoint(twipsToPixels(b.x, this), twipsToPixels(b.y, this)));
    return {topLeft, QSize(twipsToPixels(b.width, this), twipsToPixels(b.height, this))};
}

bool ResultsSurface::cellInView(int row, int column) const
{
    const QRect r = cellRect(row, column);
    const QWidget* hold = parentWidget();
    return QRect(hold->mapToGlobal(QPoint(0, 0)), hold->size()).intersects(r);
}
// The grid cell (with labels) under a point of the screen, or (-1, -1).
QPoint ResultsSurface::cellAtGlobal(QPoint global) const
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

void ResultsSurface::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect r = event->rect();
    const qreal dpr = m_image.devicePixelRatio();
    painter.fillRect(r, Qt::white);
    painter.drawImage(QRectF(r), m_image,
                      QRectF(r.x() * dpr, r.y() * dpr, r.width() * dpr, r.height() * dpr));
    if (hasFocus()) { // a frame round the cell under the cursor
        const Box cell = CellBox(m_model.size, m_cursor.y(), m_cursor.x());
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = QRect(twipsToPixels(cell.x, this), twipsToPixels(cell.y, this),
                            twipsToPixels(cell.width, this), twipsToPixels(cell.height, this))
                          .adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void ResultsSurface::wheelEvent(QWheelEvent* event)
{
    QCoreApplication::sendEvent(m_v, event);
}

void ResultsSurface::keyPressEvent(QKeyEvent* event)
{
    constexpr int kPage = 10; // rows
    switch (event->key()) {
    case Qt::Key_Left:
        return moveCursor(-1, 0);
    case Qt::Key_Right:
        return moveCursor(1, 0);
    case Qt::Key_Up:
        return moveCursor(0, -1);
    case Qt::Key_Down:
        return moveCursor(0, 1);
    case Qt::Key_PageUp:
        return moveCursor(0, -kPage);
    case Qt::Key_PageDown:
        return moveCursor(0, kPage);
    case Qt::Key_Home:
        return moveCursor(0, -kResultRows);
    case Qt::Key_End:
        return moveCursor(0, kResultRows);
    default:
        QWidget::keyPressEvent(event);
    }
}

// Moves the cursor within the cells, scrolls it into view (the first row with the column
// labels above it) and tells assistive technology which cell it is on now.
void ResultsSurface::moveCursor(int columns, int rows)
{
    m_cursor = QPoint(std::clamp(m_cursor.x() + columns, 1, kResultColumns),
                      std::clamp(m_cursor.y() + rows, 1, kResultRows));
    const Box cell = CellBox(m_model.size, m_cursor.y(), m_cursor.x());
    const int shown = static_cast<int>(pixelsToTwips(parentWidget()->height(), this));
    if (m_cursor.y() == 1 || cell.y < m_v->value()) {
        m_v->setValue(m_cursor.y() == 1 ? m_v->minimum() : cell.y);
    } else if (cell.y + cell.height > m_v->value() + shown) {
        m_v->setValue(cell.y + cell.height - shown);
    }
    update();
    if (QAccessible::isActive()) {
        if (QAccessibleInterface* table = QAccessible::queryAccessibleInterface(this)) {
            QAccessibleEvent focused(table->focusChild(), QAccessible::Focus);
            QAccessible::updateAccessibility(&focused);
        }
    }
}

void ResultsSurface::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void ResultsSurface::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

} // namespace sb
