#include "entry_helpers.h"

MemoryGrid::MemoryGrid(int colCount, int rowCount)
    : m_colCount(colCount)
    , m_rowCount(rowCount)
    , m_cells(colCount * rowCount)
{
}

MemoryGrid MemoryGrid::comparison(int n)
{
    MemoryGrid grid(n + 2, n + 1);
    grid.m_cells[0] = QStringLiteral("corner");
    for (int k = 1; k <= n; ++k) {
        grid.setCellText(k, 0, QStringLiteral("item %1").arg(k));
        grid.setCellText(0, k, QStringLiteral("item %1").arg(k));
        grid.setCellText(k, k, QStringLiteral("1"));
        grid.setCellText(n + 1, k, QStringLiteral("0.1"));
    }
    grid.setCellText(n + 1, 0, QStringLiteral("priority"));
    grid.m_writes.clear();
    return grid;
}

bool MemoryGrid::contains(int col, int row) const
{
    return col >= 0 && row >= 0 && col < m_colCount && row < m_rowCount;
}

QString MemoryGrid::cellText(int col, int row) const
{
    if (!contains(col, row)) {
        ++m_outOfRange;
        return QString();
    }
    return m_cells[row * m_colCount + col];
}

void MemoryGrid::setCellText(int col, int row, const QString &text)
{
    if (!contains(col, row)) {
        ++m_outOfRange;
        return;
    }
    m_cells[row * m_colCount + col] = text;
    m_writes.append({col, row});
}

void MemoryGrid::setCurrent(int col, int row)
{
    m_currentCol = col;
    m_currentRow = row;
}

void MemoryGrid::setJudgements(const QString &matrix)
{
    const QStringList rows = matrix.split(QLatin1Char('|'));
    for (int i = 0; i < rows.size(); ++i) {
        const QStringList cells = rows[i].split(QLatin1Char(','));
        for (int j = 0; j < cells.size(); ++j)
            setCellText(j + 1, i + 1, cells[j]);
    }
    m_writes.clear();
}

QString MemoryGrid::judgements() const
{
    const int n = m_colCount - 2;
    QStringList rows;
    for (int i = 1; i <= n && i < m_rowCount; ++i) {
        QStringList cells;
        for (int j = 1; j <= n; ++j)
            cells << cellText(j, i);
        rows << cells.join(QLatin1Char(','));
    }
    return rows.join(QLatin1Char('|'));
}

QStringList MemoryGrid::frameTexts() const
{
    QStringList texts;
    for (int row = 0; row < m_rowCount; ++row) {
        for (int col = 0; col < m_colCount; ++col) {
            if (row == 0 || col == 0 || col == m_colCount - 1 || row == col)
                texts << cellText(col, row);
        }
    }
    return texts;
}

MemoryList::MemoryList(const QStringList &entries, int current)
    : m_entries(entries)
    , m_current(current)
{
}

void MemoryList::setCurrentEntry(int index)
{
    if (index < -1 || index >= entryCount()) {
        ++m_outOfRange;
        return;
    }
    m_current = index;
}

QString MemoryList::entryText(int index) const
{
    if (index < 0 || index >= entryCount()) {
        ++m_outOfRange;
        return QString();
    }
    return m_entries[index];
}

void MemoryList::setEntryText(int index, const QString &text)
{
    if (index < 0 || index >= entryCount()) {
        ++m_outOfRange;
        return;
    }
    m_entries[index] = text;
}

void MemoryEditor::setText(const QString &text)
{
    m_text = text;
    m_modified = false;
}

void MemoryEditor::type(const QString &text)
{
    m_text = text;
    m_modified = true;
}
