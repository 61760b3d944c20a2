#pragma once

class TextGrid;

// Whether the cell may become the current cell of a comparison grid: never a header, the
// diagonal or the last column (the priorities).
bool canSelectCell(int col, int row, int colCount);

// Enter in a comparison grid: the current cell's reciprocal text goes into its transposed cell.
void mirrorCell(TextGrid &grid);

// A click in a comparison grid or its loss of focus: every filled judgement cell, row by row,
// writes its reciprocal text into its transposed cell. The pass works on the live cells, so
// where both cells of a pair are filled the one above the diagonal wins. "0" is skipped so
// that the other cell of its pair can overwrite it.
void mirrorAll(TextGrid &grid);
