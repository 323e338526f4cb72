#include "ToolkitTest.h"

#include "toolkit/Controls.h"
#include "toolkit/Look.h"

#include <QAccessible>
#include <QHeaderView>
#include <QLabel>
#include <stdexcept>

namespace {

class GridTest : public ToolkitTest {
protected:
    void SetUp() override {
        form = new toolkit::Form;
        form->SetInnerSize(9000, 5000);
        QLabel* caption = toolkit::MakeLabel(form, "lblZutaten", "Zutaten:", {120, 120, 2000, 255});
        grid = toolkit::MakeGrid(form, "grdZutaten", 3, {120, 400, 8000, 4000}, caption);
    }

    // Adds a line the way the program's forms do: grow, then fill the row above the empty one.
    void AddLine(const QStringList& cells) {
        grid->SetRows(grid->Rows() + 1);
        grid->SetRow(grid->Rows() - 2);
        for (int col = 0; col < cells.size(); ++col) {
            grid->SetCol(col);
            grid->SetText(cells[col]);
        }
    }

    QStringList Column(int col) const {
        QStringList texts;
        for (int row = 0; row < grid->Rows(); ++row)
            texts << grid->TextAt(row, col);
        return texts;
    }

    toolkit::Form* form = nullptr;
    toolkit::LineGrid* grid = nullptr;
};

TEST_F(GridTest, AddingLinesKeepsTheLastRowEmptyAndRemovingMovesRowsUp) {
    EXPECT_EQ(grid->Rows(), 2);
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_FALSE(grid->horizontalHeader()->isVisible() || grid->verticalHeader()->isVisible());
    EXPECT_EQ(grid->item(1, 0)->background().color(), toolkit::FixedCellBackground());
    EXPECT_EQ(grid->accessibleName(), "Zutaten");
    AddLine({"1", "Rum", "4 cl"});
    AddLine({"2", "Limette", "1/2"});
    AddLine({"3", "Zucker", "2 TL"});
    EXPECT_EQ(Column(1), QStringList({"", "Rum", "Limette", "Zucker", ""}));
    EXPECT_EQ(Column(2).last(), "");
    EXPECT_TRUE(grid->selectionModel()->isRowSelected(3, {})) << "the current line is shown";
    // A screen reader reads the cells as they are shown.
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(grid);
    ASSERT_TRUE(table && table->tableInterface());
    // Its table holds the lines the user sees, the columns named for what they hold.
    EXPECT_EQ(table->tableInterface()->rowCount(), 3);
    EXPECT_EQ(table->tableInterface()->cellAt(1, 1)->text(QAccessible::Name), "Limette");
    grid->SetColumnNames({"Nr.", "Zutat"});
    EXPECT_EQ(table->tableInterface()->columnDescription(1), "Zutat");
    EXPECT_EQ(table->tableInterface()->columnDescription(2), "Spalte 3");

    grid->SetRow(3);
    grid->RemoveItem(2);
    EXPECT_EQ(Column(1), QStringList({"", "Rum", "Zucker", ""}));
    EXPECT_EQ(Column(2), QStringList({"", "4 cl", "2 TL", ""}));
    EXPECT_EQ(grid->Row(), 2) << "the current line moved up with its row";
    EXPECT_EQ(grid->currentRow(), 2);
    EXPECT_THROW(grid->RemoveItem(0), std::out_of_range);
    EXPECT_THROW(grid->SetRow(4), std::out_of_range);
    grid->SetRows(2);
    EXPECT_EQ(grid->Row(), 1);
    grid->SetRows(0);
    EXPECT_EQ(grid->Rows(), 1);
}

} // namespace
