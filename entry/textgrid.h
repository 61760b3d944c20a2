#pragma once

#include <QString>

// What the data-entry rules need of a text grid: cells by (column, row), the counts and the
// current cell. The window's StringGrid implements it; tests use a plain table of texts.
class TextGrid
{
public:
    virtual ~TextGrid() = default;
    virtual int colCount() const = 0;
    virtual int rowCount() const = 0;
    virtual QString cellText(int col, int row) const = 0;
    virtual void setCellText(int col, int row, const QString &text) = 0;
    virtual int currentCol() const = 0;
    virtual int currentRow() const = 0;
};
