#include "app/widgetadapters.h"

#include "platform/stringgrid.h"

#include <QLineEdit>
#include <QListWidget>

int StringGridText::colCount() const
{
    return m_grid.colCount();
}

int StringGridText::rowCount() const
{
    return m_grid.rowCount();
}

QString StringGridText::cellText(int col, int row) const
{
    return m_grid.cell(col, row);
}

void StringGridText::setCellText(int col, int row, const QString &text)
{
    m_grid.setCell(col, row, text);
}

int StringGridText::currentCol() const
{
    return m_grid.col();
}

int StringGridText::currentRow() const
{
    return m_grid.row();
}

int ListWidgetNames::entryCount() const
{
    return m_list.count();
}

int ListWidgetNames::currentEntry() const
{
    return m_list.currentRow();
}

void ListWidgetNames::setCurrentEntry(int index)
{
    if (index >= 0 && index < m_list.count())
        m_list.setCurrentRow(index);
}

QString ListWidgetNames::entryText(int index) const
{
    const QListWidgetItem *item = m_list.item(index);
    return item ? item->text() : QString();
}

void ListWidgetNames::setEntryText(int index, const QString &text)
{
    if (QListWidgetItem *item = m_list.item(index))
        item->setText(text);
}

QString LineEditName::text() const
{
    return m_edit.text();
}

void LineEditName::setText(const QString &text)
{
    m_edit.setText(text);
    m_edit.setModified(false);
}

bool LineEditName::isModified() const
{
    return m_edit.isModified();
}

QStringList listTexts(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}
