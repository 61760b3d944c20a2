#include "entry/gridediting.h"

#include "entry/reciprocal.h"
#include "entry/textgrid.h"

#include <algorithm>

namespace {
const QString ZeroText = QStringLiteral("0");

// Items compared by the grid whose judgement cells exist in both directions: N = colCount - 2,
// cut further when the grid has fewer rows than that.
int mirrorableItems(const TextGrid &grid)
{
    return std::min(grid.colCount() - 2, grid.rowCount() - 1);
}

// Cell (row i, column j) mirrors into (row j, column i).
void writeReciprocal(TextGrid &grid, int row, int col)
{
    const QString mirrored = reciprocalText(grid.cellText(col, row));
    if (mirrored.isNull())
        return;
    const int transposedCol = row;
    const int transposedRow = col;
    grid.setCellText(transposedCol, transposedRow, mirrored);
}
}

bool canSelectCell(int col, int row, int colCount)
{
    if (col <= 0 || row <= 0)
        return false;
    if (col == row)
        return false;
    return col < colCount - 1;
}

void mirrorCell(TextGrid &grid)
{
    const int row = grid.currentRow();
    const int col = grid.currentCol();
    const int items = mirrorableItems(grid);
    if (row < 1 || col < 1 || row > items || col > items || row == col)
        return;
    writeReciprocal(grid, row, col);
}

void mirrorAll(TextGrid &grid)
{
    const int items = mirrorableItems(grid);
    for (int row = 1; row <= items; ++row) {
        for (int col = 1; col <= items; ++col) {
            if (row == col)
                continue;
            const QString text = grid.cellText(col, row);
            if (text.isEmpty() || text == ZeroText)
                continue;
            writeReciprocal(grid, row, col);
        }
    }
}
