#pragma once

#include "entry/textgrid.h"

#include <QVector>

// A comparison grid of n items held in memory, laid out as the window's grids are.
class BenchGrid : public TextGrid
{
public:
    explicit BenchGrid(int n)
        : m_cols(n + 2)
        , m_rows(n + 1)
        , m_cells(m_cols * m_rows)
    {
    }
    int colCount() const override { return m_cols; }
    int rowCount() const override { return m_rows; }
    QString cellText(int col, int row) const override { return m_cells.at(row * m_cols + col); }
    void setCellText(int col, int row, const QString &text) override { m_cells[row * m_cols + col] = text; }
    int currentCol() const override { return 2; }
    int currentRow() const override { return 1; }

private:
    int m_cols;
    int m_rows;
    QVector<QString> m_cells;
};
