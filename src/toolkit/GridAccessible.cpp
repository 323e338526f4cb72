#include "toolkit/GridAccessible.h"

#include "toolkit/Controls.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <map>

namespace toolkit {

namespace {

// The grid's lines are its model rows 1 to Rows - 2; line 0 is model row 1.
int Lines(const LineGrid* grid) {
    return std::max(0, grid->Rows() - 2);
}

class GridAccessible;

// A column header (row -1) or a cell of a line.
class CellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    CellAccessible(LineGrid* grid, int line, int col) : m_grid(grid), m_line(line), m_col(col) {}

    bool isValid() const override {
        return m_grid && m_line < Lines(m_grid) && m_col < m_grid->Cols();
    }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(m_grid.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !isValid()) return {};
        return m_line < 0 ? m_grid->ColumnName(m_col) : m_grid->TextAt(m_line + 1, m_col);
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid() || m_line < 0) return {};
        const QRect r = m_grid->visualItemRect(m_grid->item(m_line + 1, m_col));
        return QRect(m_grid->viewport()->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override {
        return m_line < 0 ? QAccessible::ColumnHeader : QAccessible::Cell;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        if (m_line < 0) return s;
        s.selectable = true;
        s.selected = isSelected();
        s.focusable = true;
        s.focused = m_grid->hasFocus() && isSelected() && m_col == m_grid->Col();
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override { return m_line >= 0 && m_grid->Row() == m_line + 1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_col; }
    int rowIndex() const override { return m_line; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    QPointer<LineGrid> m_grid;
    int m_line;
    int m_col;
};

class GridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit GridAccessible(LineGrid* grid) : QAccessibleWidget(grid, QAccessible::Table) {}
    ~GridAccessible() override { Forget(); }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // Children: the column headers, then the cells line by line.
    int childCount() const override { return (Lines(Grid()) + 1) * Grid()->Cols(); }
    QAccessibleInterface* child(int index) const override {
        const int cols = Grid()->Cols();
        if (index < 0 || index >= childCount()) return nullptr;
        return Cell(index / cols - 1, index % cols);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* cell = dynamic_cast<const CellAccessible*>(child);
        if (!cell) return -1;
        const int line = cell->role() == QAccessible::ColumnHeader ? -1 : cell->rowIndex();
        return (line + 1) * Grid()->Cols() + cell->columnIndex();
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint at = Grid()->viewport()->mapFromGlobal(QPoint(x, y));
        const QModelIndex index = Grid()->indexAt(at);
        const int child = GridChildIndex(Grid(), index);
        return child < 0 ? nullptr : this->child(child);
    }
    QAccessibleInterface* focusChild() const override {
        return Grid()->Row() >= 1 && Grid()->Row() <= Lines(Grid())
                   ? Cell(Grid()->Row() - 1, Grid()->Col())
                   : nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || row >= Lines(Grid()) || column < 0 || column >= Grid()->Cols())
            return nullptr;
        return Cell(row, column);
    }
    int selectedCellCount() const override { return int(selectedCells().size()); }
    QList<QAccessibleInterface*> selectedCells() const override {
        QList<QAccessibleInterface*> cells;
        for (int row : selectedRows())
            for (int col = 0; col < Grid()->Cols(); ++col)
                cells << Cell(row, col);
        return cells;
    }
    QString columnDescription(int column) const override { return Grid()->ColumnName(column); }
    int columnCount() const override { return Grid()->Cols(); }
    QString rowDescription(int) const override { return {}; }
    int rowCount() const override { return Lines(Grid()); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return int(selectedRows().size()); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override {
        const int line = Grid()->Row() - 1;
        return line >= 0 && line < Lines(Grid()) ? QList<int>{line} : QList<int>{};
    }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int row) const override { return selectedRows().contains(row); }
    bool selectRow(int row) override {
        if (row < 0 || row >= Lines(Grid())) return false;
        Grid()->SetRow(row + 1);
        return true;
    }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    // Lines come and go: the cells are made afresh.
    void modelChange(QAccessibleTableModelChangeEvent*) override { Forget(); }

    QAccessibleInterface* Cell(int line, int col) const {
        auto [it, neu] = m_cells.try_emplace({line, col}, 0);
        if (neu) {
            auto* cell = new CellAccessible(Grid(), line, col);
            it->second = QAccessible::registerAccessibleInterface(cell);
        }
        return QAccessible::accessibleInterface(it->second);
    }

private:
    LineGrid* Grid() const { return static_cast<LineGrid*>(widget()); }
    void Forget() {
        for (const auto& [place, id] : m_cells)
            QAccessible::deleteAccessibleInterface(id);
        m_cells.clear();
    }
    mutable std::map<std::pair<int, int>, QAccessible::Id> m_cells;
};

QList<QAccessibleInterface*> CellAccessible::columnHeaderCells() const {
    auto* table = dynamic_cast<GridAccessible*>(parent());
    return table && m_line >= 0 ? QList<QAccessibleInterface*>{table->Cell(-1, m_col)}
                                : QList<QAccessibleInterface*>{};
}

QAccessibleInterface* Factory(const QString& className, QObject* object) {
    if (className != QLatin1String(LineGrid::staticMetaObject.className())) return nullptr;
    auto* grid = qobject_cast<LineGrid*>(object);
    return grid ? new GridAccessible(grid) : nullptr;
}

} // namespace

void InstallGridAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

int GridChildIndex(const LineGrid* grid, const QModelIndex& cell) {
    if (!cell.isValid() || cell.row() < 1 || cell.row() > Lines(grid)) return -1;
    return cell.row() * grid->Cols() + cell.column();
}

} // namespace toolkit
