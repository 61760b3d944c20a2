#include "platform/stringgridmodel.h"

#include "platform/readablecolours.h"

#include <QBrush>
#include <QFont>

#include <utility>

namespace {
// Grey that reads on white (4.5:1), and a pale yellow under black text.
const QColor EstimateColour(0x6e, 0x6e, 0x6e);
const QColor MarkedColour(0xff, 0xf0, 0xa0);
}

StringGridModel::StringGridModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

int StringGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int StringGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_cols;
}

QVariant StringGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows || index.column() >= m_cols)
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
        if (showsEstimate(index.column(), index.row()))
            return m_estimates.at(offset(index.column(), index.row()));
        return m_cells.at(offset(index.column(), index.row()));
    case Qt::EditRole:
        return m_cells.at(offset(index.column(), index.row()));
    case Qt::FontRole:
        if (showsEstimate(index.column(), index.row())
            || (!m_italic.isEmpty() && m_italic.at(offset(index.column(), index.row())))) {
            QFont font;
            font.setItalic(true);
            return font;
        }
        return QVariant();
    case Qt::ToolTipRole: {
        if (m_toolTip) {
            const QString tip = m_toolTip(index.column(), index.row());
            if (!tip.isEmpty())
                return tip;
        }
        // Narrow columns cut long texts; the tip shows the whole cell.
        const QString &text = m_cells.at(offset(index.column(), index.row()));
        return text.isEmpty() ? QVariant() : QVariant(text);
    }
    case Qt::BackgroundRole:
        if (m_fixedShaded && isFixed(index.column(), index.row()))
            return QBrush(m_fixedColor);
        if (index.column() == m_markedCol && index.row() == m_markedRow)
            return QBrush(MarkedColour);
        return QVariant();
    case Qt::ForegroundRole:
        if (m_fixedShaded && isFixed(index.column(), index.row()))
            return QBrush(ReadableColours::textOn(m_fixedColor));
        if (showsEstimate(index.column(), index.row()))
            return QBrush(EstimateColour);
        return QVariant();
    case Qt::AccessibleTextRole:
    case Qt::AccessibleDescriptionRole: {
        const CellText &text = role == Qt::AccessibleTextRole ? m_accessibleName : m_accessibleDescription;
        if (!text || isFixed(index.column(), index.row()))
            return QVariant();
        const QString said = text(index.column(), index.row());
        return said.isEmpty() ? QVariant() : QVariant(said);
    }
    default:
        return QVariant();
    }
}

bool StringGridModel::showsEstimate(int col, int row) const
{
    const int i = offset(col, row);
    return !m_estimates.isEmpty() && !isFixed(col, row) && m_cells.at(i).isEmpty() && !m_estimates.at(i).isEmpty();
}

void StringGridModel::setEstimate(int col, int row, const QString &text)
{
    if (col < 0 || row < 0 || col >= m_cols || row >= m_rows)
        return;
    if (m_estimates.isEmpty()) {
        if (text.isEmpty())
            return;
        m_estimates.resize(m_cells.size());
    }
    QString &stored = m_estimates[offset(col, row)];
    if (stored == text)
        return;
    stored = text;
    const QModelIndex i = index(row, col);
    emit dataChanged(i, i, {Qt::DisplayRole, Qt::FontRole, Qt::ForegroundRole});
}

QString StringGridModel::estimate(int col, int row) const
{
    if (m_estimates.isEmpty() || col < 0 || row < 0 || col >= m_cols || row >= m_rows)
        return QString();
    return m_estimates.at(offset(col, row));
}

void StringGridModel::clearEstimates()
{
    if (m_estimates.isEmpty())
        return;
    m_estimates.clear();
    if (m_rows > 0 && m_cols > 0)
        emit dataChanged(index(0, 0), index(m_rows - 1, m_cols - 1), {Qt::DisplayRole, Qt::FontRole, Qt::ForegroundRole});
}

void StringGridModel::setItalic(int col, int row, bool italic)
{
    if (col < 0 || row < 0 || col >= m_cols || row >= m_rows)
        return;
    if (m_italic.isEmpty())
        m_italic.resize(m_cells.size(), false);
    if (m_italic.at(offset(col, row)) == italic)
        return;
    m_italic[offset(col, row)] = italic;
    emit dataChanged(index(row, col), index(row, col), {Qt::FontRole});
}

void StringGridModel::setMarkedCell(int col, int row)
{
    if (col == m_markedCol && row == m_markedRow)
        return;
    const int oldCol = m_markedCol;
    const int oldRow = m_markedRow;
    m_markedCol = col;
    m_markedRow = row;
    for (auto [c, r] : {std::pair{oldCol, oldRow}, {col, row}}) {
        if (c >= 0 && r >= 0 && c < m_cols && r < m_rows)
            emit dataChanged(index(r, c), index(r, c), {Qt::BackgroundRole});
    }
}

void StringGridModel::setAccessibleTexts(CellText name, CellText description)
{
    m_accessibleName = std::move(name);
    m_accessibleDescription = std::move(description);
}

bool StringGridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid())
        return false;
    setCell(index.column(), index.row(), value.toString());
    return true;
}

QVariant StringGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    const int col = orientation == Qt::Horizontal ? section : 0;
    const int row = orientation == Qt::Horizontal ? 0 : section;
    switch (role) {
    case Qt::ToolTipRole:
        if (m_toolTip) {
            const QString tip = m_toolTip(col, row);
            if (!tip.isEmpty())
                return tip;
        }
        return cell(col, row);
    case Qt::DisplayRole:
        return cell(col, row);
    case Qt::BackgroundRole:
        return QBrush(m_fixedColor);
    case Qt::TextAlignmentRole:
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return QVariant();
    }
}

Qt::ItemFlags StringGridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (isFixed(index.column(), index.row()))
        return Qt::ItemIsEnabled;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (m_editable)
        f |= Qt::ItemIsEditable;
    return f;
}

void StringGridModel::resize(int cols, int rows)
{
    cols = qMax(0, cols);
    rows = qMax(0, rows);
    if (cols == m_cols && rows == m_rows)
        return;
    // Estimates and the mark belong to the matrix that was shown.
    m_estimates.clear();
    m_italic.clear();
    m_markedCol = m_markedRow = -1;

    // Texts of cells that stay keep their place; the model is rebuilt in steps so that views
    // keep their current cell where it still exists.
    auto relayout = [this](int newCols, int newRows) {
        QVector<QString> cells(newCols * newRows);
        for (int r = 0; r < qMin(newRows, m_rows); ++r)
            for (int c = 0; c < qMin(newCols, m_cols); ++c)
                cells[r * newCols + c] = m_cells.at(offset(c, r));
        m_cells = cells;
        m_cols = newCols;
        m_rows = newRows;
    };

    if (rows < m_rows) {
        beginRemoveRows(QModelIndex(), rows, m_rows - 1);
        relayout(m_cols, rows);
        endRemoveRows();
    } else if (rows > m_rows) {
        beginInsertRows(QModelIndex(), m_rows, rows - 1);
        relayout(m_cols, rows);
        endInsertRows();
    }
    if (cols < m_cols) {
        beginRemoveColumns(QModelIndex(), cols, m_cols - 1);
        relayout(cols, m_rows);
        endRemoveColumns();
    } else if (cols > m_cols) {
        beginInsertColumns(QModelIndex(), m_cols, cols - 1);
        relayout(cols, m_rows);
        endInsertColumns();
    }
}

QString StringGridModel::cell(int col, int row) const
{
    if (col < 0 || row < 0 || col >= m_cols || row >= m_rows)
        return QString();
    return m_cells.at(offset(col, row));
}

void StringGridModel::setCell(int col, int row, const QString &text)
{
    if (col < 0 || row < 0 || col >= m_cols || row >= m_rows)
        return;
    QString &stored = m_cells[offset(col, row)];
    if (stored == text)
        return;
    stored = text;
    const QModelIndex i = index(row, col);
    emit dataChanged(i, i, {Qt::DisplayRole, Qt::EditRole});
    if (row == 0)
        emit headerDataChanged(Qt::Horizontal, col, col);
    if (col == 0)
        emit headerDataChanged(Qt::Vertical, row, row);
}

void StringGridModel::setFixed(int cols, int rows)
{
    m_fixedCols = qBound(0, cols, 1);
    m_fixedRows = qBound(0, rows, 1);
    if (m_rows > 0 && m_cols > 0)
        emit dataChanged(index(0, 0), index(m_rows - 1, m_cols - 1));
}

void StringGridModel::setFixedColor(const QColor &color)
{
    m_fixedColor = color;
    if (m_rows > 0 && m_cols > 0)
        emit dataChanged(index(0, 0), index(m_rows - 1, m_cols - 1), {Qt::BackgroundRole});
}

void StringGridModel::setFixedShaded(bool shaded)
{
    m_fixedShaded = shaded;
    if (m_rows > 0 && m_cols > 0)
        emit dataChanged(index(0, 0), index(m_rows - 1, m_cols - 1), {Qt::BackgroundRole});
}
