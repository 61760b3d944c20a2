#pragma once

#include "entry/namelistview.h"
#include "entry/textgrid.h"

#include <QStringList>

class StringGrid;
class QListWidget;
class QLineEdit;

// The window's widgets as the data-entry rules see them.

class StringGridText : public TextGrid
{
public:
    explicit StringGridText(StringGrid &grid)
        : m_grid(grid)
    {
    }
    int colCount() const override;
    int rowCount() const override;
    QString cellText(int col, int row) const override;
    void setCellText(int col, int row, const QString &text) override;
    int currentCol() const override;
    int currentRow() const override;

private:
    StringGrid &m_grid;
};

class ListWidgetNames : public NameListView
{
public:
    explicit ListWidgetNames(QListWidget &list)
        : m_list(list)
    {
    }
    int entryCount() const override;
    int currentEntry() const override;
    void setCurrentEntry(int index) override;
    QString entryText(int index) const override;
    void setEntryText(int index, const QString &text) override;

private:
    QListWidget &m_list;
};

class LineEditName : public NameEditorView
{
public:
    explicit LineEditName(QLineEdit &edit)
        : m_edit(edit)
    {
    }
    QString text() const override;
    void setText(const QString &text) override;
    bool isModified() const override;

private:
    QLineEdit &m_edit;
};

// The texts of a list's entries, in order.
QStringList listTexts(const QListWidget *list);
