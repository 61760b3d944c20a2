#pragma once

#include <QTableView>

class StringGridModel;
class QLineEdit;
class QLabel;

// A grid of texts addressed by (column, row), with one fixed header row and column, a current
// cell that the owner may veto, cells edited in place whose text follows the editor keystroke by
// keystroke, and the notifications a form needs: key-down (may consume the key), key-press (may
// discard the character), click and loss of focus. model() holds the texts at (row, column).
class StringGrid : public QTableView
{
    Q_OBJECT
public:
    explicit StringGrid(QWidget *parent = nullptr);
    ~StringGrid() override;

    int colCount() const;
    void setColCount(int count);
    int rowCount() const;
    void setRowCount(int count);

    QString cell(int col, int row) const;
    void setCell(int col, int row, const QString &text);

    // The current cell; -1 while there is none.
    int col() const;
    int row() const;
    // Makes (col, row) current if the owner allows it; returns whether it did.
    bool setCurrentCell(int col, int row);
    void clearCurrentCell();

    int defaultColWidth() const { return m_defaultColWidth; }
    void setDefaultColWidth(int width);
    int defaultRowHeight() const { return m_defaultRowHeight; }
    void setDefaultRowHeight(int height);
    int colWidth(int col) const;
    void setColWidth(int col, int width);
    int rowHeight(int row) const;
    void setRowHeight(int row, int height);
    // Height that the drawn rows take, grid lines included.
    int gridHeight() const;
    int gridWidth() const;

    int fixedCols() const;
    int fixedRows() const;
    void setFixed(int cols, int rows);
    void setFixedColor(const QColor &color);
    void setFixedShaded(bool shaded);
    void setCellsEditable(bool editable);
    bool cellsEditable() const;
    // While set, no column is narrower than its widest text (header included): the default
    // width is only a floor, and the grid scrolls sideways when the columns no longer fit.
    void setKeepTextsWhole(bool keep);
    // While set, no row is lower than the grid's font needs (a large desktop font): the default
    // height is only a floor. A grid drawn to scale on paper sets its heights itself.
    void setRowsFitFont(bool fit);
    // The width that column col needs to show each of its texts whole.
    int widthForTexts(int col) const;
    bool isEditing() const;

    StringGridModel *gridModel() const { return m_model; }

Q_SIGNALS:
    // Asked before a cell becomes current; clear canSelect to refuse it.
    void selectCell(int col, int row, bool &canSelect);
    // A key went down in the grid or its cell editor; set key to 0 to consume it.
    void keyDown(int &key, Qt::KeyboardModifiers modifiers);
    // A character was typed; set it to a null QChar to discard it.
    void keyPress(QChar &key);
    // The person changed a cell's text in the cell editor, by typing or by pasting.
    void cellEdited(int col, int row);
    // The person clicked into the grid or moved its current cell.
    void gridClicked();
    // The input focus left the grid (its own cell editor does not count).
    void exited();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void updateGeometries() override;
    void changeEvent(QEvent *event) override;

private:
    friend class StringGridDelegate;
    bool mayBecomeCurrent(int col, int row);
    // The grid's key handling shared by the grid and its open editor; returns true when the
    // event was consumed or discarded and must go no further.
    bool filterKey(QKeyEvent *event);
    // The characters of a text committed by an input method that the key filter lets through.
    QString filterCommitText(const QString &text);
    void onFocusChanged(QWidget *old, QWidget *now);
    // Row 0 and column 0 stay in view while the cells scroll: they are drawn by the header
    // bars, and the corner shows cell (0, 0).
    void applyFixedLayout();
    bool ownsWidget(const QWidget *w) const;
    int fittedColWidth(int col) const;
    int shownRowHeight() const;
    void fitColumnsToTexts(int first, int last);

    StringGridModel *m_model = nullptr;
    QLabel *m_corner = nullptr;
    int m_defaultColWidth = 64;
    int m_defaultRowHeight = 24;
    bool m_programmaticMove = false;
    bool m_mouseDown = false;
    bool m_keepTextsWhole = false;
    bool m_rowsFitFont = false;
    // True while the grid hands a key it has already filtered on to its new cell editor.
    bool m_forwardingKey = false;
};
