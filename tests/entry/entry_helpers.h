#pragma once

#include "entry/namelistview.h"
#include "entry/textgrid.h"

#include <QList>
#include <QPair>
#include <QStringList>
#include <QVector>

// In-memory stand-ins for the widgets the data-entry rules work on. Each records what a widget
// would have done wrong: an access outside its bounds.

class MemoryGrid : public TextGrid
{
public:
    MemoryGrid(int colCount, int rowCount);

    // A comparison grid for n items: n + 2 columns, n + 1 rows, headers, "1" on the diagonal.
    static MemoryGrid comparison(int n);

    int colCount() const override { return m_colCount; }
    int rowCount() const override { return m_rowCount; }
    QString cellText(int col, int row) const override;
    void setCellText(int col, int row, const QString &text) override;
    int currentCol() const override { return m_currentCol; }
    int currentRow() const override { return m_currentRow; }

    void setCurrent(int col, int row);
    int outOfRangeAccesses() const { return m_outOfRange; }
    // Cells written, as (column, row), in the order of the writes.
    const QList<QPair<int, int>> &writes() const { return m_writes; }
    void forgetWrites() { m_writes.clear(); }

    // Judgements of items 0..n-1 as "a,b,c|d,e,f|..." (rows by "|", cells by ","), diagonal included.
    void setJudgements(const QString &matrix);
    QString judgements() const;
    // Every cell that is not a judgement cell (headers, priority column), for before/after checks.
    QStringList frameTexts() const;

private:
    bool contains(int col, int row) const;

    int m_colCount;
    int m_rowCount;
    int m_currentCol = 0;
    int m_currentRow = 0;
    QVector<QString> m_cells;
    mutable int m_outOfRange = 0;
    QList<QPair<int, int>> m_writes;
};

class MemoryList : public NameListView
{
public:
    explicit MemoryList(const QStringList &entries, int current = 0);

    int entryCount() const override { return int(m_entries.size()); }
    int currentEntry() const override { return m_current; }
    void setCurrentEntry(int index) override;
    QString entryText(int index) const override;
    void setEntryText(int index, const QString &text) override;

    const QStringList &entries() const { return m_entries; }
    int outOfRangeAccesses() const { return m_outOfRange; }

private:
    QStringList m_entries;
    int m_current;
    mutable int m_outOfRange = 0;
};

class MemoryEditor : public NameEditorView
{
public:
    QString text() const override { return m_text; }
    void setText(const QString &text) override;
    bool isModified() const override { return m_modified; }

    // What the person's typing does: a new text and the modified flag set.
    void type(const QString &text);

private:
    QString m_text;
    bool m_modified = false;
};
