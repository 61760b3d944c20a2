#pragma once

#include "entry/textgrid.h"

#include <QVector>

// A comparison grid held in memory: n items, n + 2 columns and n + 1 rows, as the window's
// grids are laid out. Reads and writes outside it are counted, never performed.
class FuzzGrid : public TextGrid
{
public:
    explicit FuzzGrid(int n)
        : m_cols(n + 2)
        , m_rows(n + 1)
        , m_cells(m_cols * m_rows)
    {
    }

    int colCount() const override { return m_cols; }
    int rowCount() const override { return m_rows; }
    QString cellText(int col, int row) const override
    {
        if (!contains(col, row)) {
            ++m_outside;
            return QString();
        }
        return m_cells[row * m_cols + col];
    }
    void setCellText(int col, int row, const QString &text) override
    {
        if (!contains(col, row)) {
            ++m_outside;
            return;
        }
        m_cells[row * m_cols + col] = text;
    }
    int currentCol() const override { return m_currentCol; }
    int currentRow() const override { return m_currentRow; }

    void setCurrent(int col, int row)
    {
        m_currentCol = col;
        m_currentRow = row;
    }
    int outsideAccesses() const { return m_outside; }
    const QVector<QString> &cells() const { return m_cells; }

private:
    bool contains(int col, int row) const { return col >= 0 && row >= 0 && col < m_cols && row < m_rows; }

    int m_cols;
    int m_rows;
    QVector<QString> m_cells;
    int m_currentCol = 0;
    int m_currentRow = 0;
    mutable int m_outside = 0;
};
