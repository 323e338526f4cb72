#pragma once
// The line grid for screen readers: a table of the lines the user sees (the fixed top row and
// the empty last row are no lines), its columns named for what they hold, each cell with its
// text, row and column.

class QAccessibleInterface;
class QModelIndex;

namespace toolkit {

class LineGrid;

// Lets every LineGrid answer screen readers as such a table (installs itself once).
void InstallGridAccessibility();

// The child of the grid's table that stands for a cell of the grid's model; -1 for a cell that
// is no line's (the fixed row or column, the empty last row).
int GridChildIndex(const LineGrid* grid, const QModelIndex& cell);

} // namespace toolkit
