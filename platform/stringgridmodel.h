#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QString>
#include <QVector>

#include <functional>

// The texts of a StringGrid, held at (row, column) as item views expect, with one optional
// fixed header row and column that are drawn shaded and can never be edited.
class StringGridModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit StringGridModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // The fixed row and column are shown by the view's header bars: the horizontal bar
    // shows row 0, the vertical bar column 0.
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    void resize(int cols, int rows);
    QString cell(int col, int row) const;
    void setCell(int col, int row, const QString &text);

    int fixedCols() const { return m_fixedCols; }
    int fixedRows() const { return m_fixedRows; }
    void setFixed(int cols, int rows);
    bool isFixed(int col, int row) const { return col < m_fixedCols || row < m_fixedRows; }

    void setFixedColor(const QColor &color);
    QColor fixedColor() const { return m_fixedColor; }
    void setFixedShaded(bool shaded);
    // What assistive technology reads for a cell (col, row) that is not fixed, as its name and
    // description; an empty text leaves the cell's own.
    using CellText = std::function<QString(int col, int row)>;
    void setAccessibleTexts(CellText name, CellText description);
    // The tooltip of any cell, headers included; an empty text leaves the cell's own text.
    void setToolTipText(CellText tip) { m_toolTip = std::move(tip); }
    // Shown in grey italics while a cell is empty, and never its text: typing replaces it, and
    // cell() and the editor see only what was typed. An empty text takes it away.
    void setEstimate(int col, int row, const QString &text);
    QString estimate(int col, int row) const;
    void clearEstimates();
    // A cell's own text in italics (a value that rests on estimates).
    void setItalic(int col, int row, bool italic);
    // One cell drawn marked; (-1, -1) for none.
    void setMarkedCell(int col, int row);
    int markedCol() const { return m_markedCol; }
    int markedRow() const { return m_markedRow; }
    void setEditable(bool editable) { m_editable = editable; }
    bool isEditable() const { return m_editable; }

private:
    int offset(int col, int row) const { return row * m_cols + col; }
    bool showsEstimate(int col, int row) const;

    int m_cols = 0;
    int m_rows = 0;
    int m_fixedCols = 1;
    int m_fixedRows = 1;
    bool m_fixedShaded = true;
    bool m_editable = false;
    QColor m_fixedColor = QColor(0, 255, 255);
    QVector<QString> m_cells;
    QVector<QString> m_estimates; // empty, or one a cell
    QVector<bool> m_italic;       // empty, or one a cell
    int m_markedCol = -1;
    int m_markedRow = -1;
    CellText m_accessibleName;
    CellText m_accessibleDescription;
    CellText m_toolTip;
};
