#include "platform/stringgrid.h"

#include "platform/stringgridmodel.h"
#include "platform/readablecolours.h"

#include <QAccessible>
#include <QApplication>
#include <QFontMetricsF>
#include <QHash>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPersistentModelIndex>
#include <QStyle>
#include <QStyleOptionHeader>
#include <QStyledItemDelegate>

#include <cmath>

// Header of a StringGrid. The model colours the fixed row and column; Qt's header puts that
// colour into a palette of its own for every section it paints, and the style files the
// section's picture in the application's pixmap cache under the palette's identity. A palette
// made anew for every paint therefore left one more picture name in that cache at every paint,
// which the cache of Qt 6.4 keeps for good. Here every colour gets one palette, kept, so the
// style finds its picture again and the cache stays as large as the grid's sizes and colours.
class StringGridHeader : public QHeaderView
{
public:
    StringGridHeader(Qt::Orientation orientation, QWidget *parent)
        : QHeaderView(orientation, parent)
    {
    }

protected:
    void initStyleOptionForIndex(QStyleOptionHeader *option, int logicalIndex) const override
    {
        QHeaderView::initStyleOptionForIndex(option, logicalIndex);
        const QVariant background = model() ? model()->headerData(logicalIndex, orientation(), Qt::BackgroundRole) : QVariant();
        if (!background.canConvert<QBrush>())
            return;
        const QBrush brush = qvariant_cast<QBrush>(background);
        if (brush.style() != Qt::SolidPattern)
            return;
        if (m_paletteSource != palette().cacheKey()) {
            m_palettes.clear();
            m_paletteSource = palette().cacheKey();
        }
        auto kept = m_palettes.find(brush.color().rgba());
        if (kept == m_palettes.end()) {
            QPalette coloured = palette();
            coloured.setBrush(QPalette::Button, brush);
            coloured.setBrush(QPalette::Window, brush);
            // The header's colour is fixed, so its text must not follow a dark palette.
            for (QPalette::ColorRole role : {QPalette::ButtonText, QPalette::WindowText, QPalette::Text})
                coloured.setColor(role, ReadableColours::textOn(brush.color()));
            kept = m_palettes.insert(brush.color().rgba(), coloured);
        }
        // The colour group is the option's own (an inactive window); choosing it keeps the identity.
        const QPalette::ColorGroup group = option->palette.currentColorGroup();
        option->palette = *kept;
        option->palette.setCurrentColorGroup(group);
    }

private:
    mutable QHash<QRgb, QPalette> m_palettes;
    mutable qint64 m_paletteSource = 0;
};

// Cell editor of a StringGrid: a frameless line edit that writes every keystroke straight into
// the grid, and that lets the grid see each key before the editor does.
class StringGridDelegate : public QStyledItemDelegate
{
public:
    explicit StringGridDelegate(StringGrid *grid)
        : QStyledItemDelegate(grid)
        , m_grid(grid)
    {
    }

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const override
    {
        auto *editor = new QLineEdit(parent);
        editor->setFrame(false);
        // The editor takes the focus from the grid: a screen reader names it as it named the cell.
        editor->setAccessibleName(index.data(Qt::AccessibleTextRole).toString());
        const QPersistentModelIndex cellIndex(index);
        StringGridModel *model = m_grid->gridModel();
        StringGrid *grid = m_grid;
        QObject::connect(editor, &QLineEdit::textEdited, grid, [grid, model, cellIndex](const QString &text) {
            if (!cellIndex.isValid())
                return;
            model->setData(cellIndex, text, Qt::EditRole);
            emit grid->cellEdited(cellIndex.column(), cellIndex.row());
        });
        return editor;
    }

    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        auto *line = static_cast<QLineEdit *>(editor);
        const QString text = index.data(Qt::EditRole).toString();
        if (line->text() != text)
            line->setText(text);
    }

    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override
    {
        model->setData(index, static_cast<QLineEdit *>(editor)->text(), Qt::EditRole);
    }

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        auto *editor = qobject_cast<QLineEdit *>(object);
        if (editor && event->type() == QEvent::KeyPress) {
            auto *keyEvent = static_cast<QKeyEvent *>(event);
            if (keyEvent->key() == Qt::Key_Tab || keyEvent->key() == Qt::Key_Backtab) {
                // Tab never moves between cells: it closes the editor and leaves the grid.
                emit commitData(editor);
                emit closeEditor(editor, QAbstractItemDelegate::NoHint);
                m_grid->focusNextPrevChild(keyEvent->key() == Qt::Key_Tab);
                return true;
            }
            if (!m_grid->m_forwardingKey && m_grid->filterKey(keyEvent))
                return true;
            if (keyEvent->key() == Qt::Key_Return || keyEvent->key() == Qt::Key_Enter) {
                emit commitData(editor);
                emit closeEditor(editor, QAbstractItemDelegate::NoHint);
                return true;
            }
            if (keyEvent->key() == Qt::Key_Escape) {
                // The text already stands in the cell; Escape only closes the editor.
                emit closeEditor(editor, QAbstractItemDelegate::NoHint);
                return true;
            }
            return false;
        }
        if (editor && event->type() == QEvent::InputMethod) {
            // A composed or dictated text is typed too: each of its characters meets the filter.
            auto *input = static_cast<QInputMethodEvent *>(event);
            const QString kept = m_grid->filterCommitText(input->commitString());
            if (kept != input->commitString())
                input->setCommitString(kept, input->replacementStart(), input->replacementLength());
            return false;
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    StringGrid *m_grid;
};

StringGrid::StringGrid(QWidget *parent)
    : QTableView(parent)
    , m_model(new StringGridModel(this))
{
    setHorizontalHeader(new StringGridHeader(Qt::Horizontal, this));
    setVerticalHeader(new StringGridHeader(Qt::Vertical, this));
    setModel(m_model);
    setItemDelegate(new StringGridDelegate(this));
    for (QHeaderView *header : {horizontalHeader(), verticalHeader()}) {
        header->setMinimumSectionSize(1);
        header->setSectionResizeMode(QHeaderView::Fixed);
        header->setSectionsClickable(false);
        header->setHighlightSections(false);
        header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        // Below the last row and beside the last column the grid is plain background, not a
        // stretch of header colour.
        QPalette palette = header->palette();
        palette.setColor(QPalette::Button, palette.color(QPalette::Base));
        palette.setColor(QPalette::Window, palette.color(QPalette::Base));
        header->setPalette(palette);
    }
    m_corner = new QLabel(this);
    m_corner->setObjectName(QStringLiteral("fixedCorner"));
    m_corner->setAutoFillBackground(true);
    m_corner->setIndent(3);
    connect(m_model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &topLeft, const QModelIndex &bottomRight) {
                if (topLeft.row() == 0 && topLeft.column() == 0)
                    m_corner->setText(cell(0, 0));
                fitColumnsToTexts(topLeft.column(), bottomRight.column());
            });
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    setShowGrid(true);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setCellsEditable(false);
    setColCount(5);
    setRowCount(5);
    applyFixedLayout();
    setDefaultColWidth(m_defaultColWidth);
    setDefaultRowHeight(m_defaultRowHeight);
    connect(qApp, &QApplication::focusChanged, this, &StringGrid::onFocusChanged);
}

StringGrid::~StringGrid()
{
    // A grid that is a window of its own hides while it goes away, and the focus change that
    // follows must not reach the part of it that is already gone.
    disconnect(qApp, nullptr, this, nullptr);
}

int StringGrid::colCount() const
{
    return m_model->columnCount();
}

void StringGrid::setColCount(int count)
{
    m_model->resize(qMax(1, count), m_model->rowCount());
    applyFixedLayout();
    fitColumnsToTexts(0, colCount() - 1);
}

int StringGrid::rowCount() const
{
    return m_model->rowCount();
}

void StringGrid::setRowCount(int count)
{
    // Rows that go may take a column's widest text with them.
    m_model->resize(m_model->columnCount(), qMax(1, count));
    applyFixedLayout();
    fitColumnsToTexts(0, colCount() - 1);
}

QString StringGrid::cell(int col, int row) const
{
    return m_model->cell(col, row);
}

void StringGrid::setCell(int col, int row, const QString &text)
{
    m_model->setCell(col, row, text);
}

int StringGrid::col() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.column() : -1;
}

int StringGrid::row() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

bool StringGrid::setCurrentCell(int col, int row)
{
    if (!mayBecomeCurrent(col, row))
        return false;
    m_programmaticMove = true;
    setCurrentIndex(m_model->index(row, col));
    m_programmaticMove = false;
    return true;
}

void StringGrid::clearCurrentCell()
{
    m_programmaticMove = true;
    selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::Clear);
    m_programmaticMove = false;
}

void StringGrid::setDefaultColWidth(int width)
{
    m_defaultColWidth = qMax(1, width);
    horizontalHeader()->setDefaultSectionSize(m_defaultColWidth);
    for (int c = 0; c < colCount(); ++c)
        horizontalHeader()->resizeSection(c, fittedColWidth(c));
    applyFixedLayout();
}

void StringGrid::setDefaultRowHeight(int height)
{
    m_defaultRowHeight = qMax(1, height);
    const int shown = shownRowHeight();
    verticalHeader()->setDefaultSectionSize(shown);
    for (int r = 0; r < rowCount(); ++r)
        verticalHeader()->resizeSection(r, shown);
    applyFixedLayout();
}

int StringGrid::shownRowHeight() const
{
    // A large desktop font needs taller rows than the design's; a row never cuts its text.
    return m_rowsFitFont ? qMax(m_defaultRowHeight, fontMetrics().height() + 4) : m_defaultRowHeight;
}

void StringGrid::setRowsFitFont(bool fit)
{
    m_rowsFitFont = fit;
    setDefaultRowHeight(m_defaultRowHeight);
}

void StringGrid::changeEvent(QEvent *event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange && shownRowHeight() != verticalHeader()->defaultSectionSize())
        setDefaultRowHeight(m_defaultRowHeight);
}

int StringGrid::colWidth(int col) const
{
    if (col == 0 && fixedCols() > 0)
        return verticalHeader()->isVisibleTo(this) ? verticalHeader()->width() : m_defaultColWidth;
    return columnWidth(col);
}

void StringGrid::setColWidth(int col, int width)
{
    if (col >= 0 && col < colCount())
        setColumnWidth(col, qMax(0, width));
}

int StringGrid::rowHeight(int row) const
{
    if (row == 0 && fixedRows() > 0)
        return horizontalHeader()->isVisibleTo(this) ? horizontalHeader()->height() : shownRowHeight();
    return QTableView::rowHeight(row);
}

void StringGrid::setRowHeight(int row, int height)
{
    if (row >= 0 && row < rowCount())
        QTableView::setRowHeight(row, qMax(0, height));
}

int StringGrid::gridHeight() const
{
    int height = 0;
    for (int r = 0; r < rowCount(); ++r)
        height += rowHeight(r);
    return height + 2 * frameWidth();
}

int StringGrid::gridWidth() const
{
    int width = 0;
    for (int c = 0; c < colCount(); ++c)
        width += colWidth(c);
    return width + 2 * frameWidth();
}

int StringGrid::fixedCols() const
{
    return m_model->fixedCols();
}

int StringGrid::fixedRows() const
{
    return m_model->fixedRows();
}

void StringGrid::setFixed(int cols, int rows)
{
    m_model->setFixed(cols, rows);
    applyFixedLayout();
}

void StringGrid::applyFixedLayout()
{
    const bool fixedRow = fixedRows() > 0 && rowCount() > 0;
    const bool fixedCol = fixedCols() > 0 && colCount() > 0;
    setRowHidden(0, fixedRow);
    setColumnHidden(0, fixedCol);
    horizontalHeader()->setVisible(fixedRow);
    verticalHeader()->setVisible(fixedCol);
    if (fixedRow)
        horizontalHeader()->setFixedHeight(shownRowHeight());
    if (fixedCol)
        verticalHeader()->setFixedWidth(fittedColWidth(0));
    QPalette palette = m_corner->palette();
    palette.setColor(QPalette::Window, m_model->fixedColor());
    palette.setColor(QPalette::WindowText, ReadableColours::textOn(m_model->fixedColor()));
    m_corner->setPalette(palette);
    m_corner->setText(cell(0, 0));
    m_corner->setVisible(fixedRow && fixedCol);
    updateGeometries();
}

void StringGrid::updateGeometries()
{
    QTableView::updateGeometries();
    if (m_corner && m_corner->isVisibleTo(this)) {
        const int f = frameWidth();
        m_corner->setGeometry(f, f, verticalHeader()->width() - 1, horizontalHeader()->height() - 1);
        m_corner->raise();
    }
}

void StringGrid::setFixedColor(const QColor &color)
{
    m_model->setFixedColor(color);
    applyFixedLayout();
}

void StringGrid::setFixedShaded(bool shaded)
{
    m_model->setFixedShaded(shaded);
}

void StringGrid::setCellsEditable(bool editable)
{
    m_model->setEditable(editable);
    // No delayed editing on a click into the current cell: it would swallow the first keys
    // typed right after the click.
    setEditTriggers(editable ? (QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed
                                   | QAbstractItemView::DoubleClicked)
                             : QAbstractItemView::NoEditTriggers);
}

bool StringGrid::cellsEditable() const
{
    return m_model->isEditable();
}

void StringGrid::setKeepTextsWhole(bool keep)
{
    m_keepTextsWhole = keep;
    fitColumnsToTexts(0, colCount() - 1);
}

namespace {
// Text is laid out at fractional positions: a width rounded down elides the last character on
// some screens, so the exact advance is rounded up, with one pixel to spare.
int wholeAdvance(const QFont &font, const QString &text)
{
    return int(std::ceil(QFontMetricsF(font).horizontalAdvance(text))) + 1;
}
}

int StringGrid::widthForTexts(int col) const
{
    // Each text is measured with the font and the margins of whatever draws it: the corner
    // label, a header bar (row 0 and column 0) or the cell delegate; a cell also gives one
    // pixel to the grid line.
    const int cellMargin = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1)
                           + (showGrid() ? 1 : 0);
    int width = 0;
    for (int row = 0; row < rowCount(); ++row) {
        const QString text = cell(col, row);
        if (text.isEmpty())
            continue;
        const bool inRow0 = row == 0 && fixedRows() > 0;
        const bool inCol0 = col == 0 && fixedCols() > 0;
        int needed = 0;
        if (inRow0 || inCol0) {
            const QHeaderView *header = inRow0 ? horizontalHeader() : verticalHeader();
            const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
            needed = wholeAdvance(header->font(), text) + 2 * margin + 1;
            // The corner label is one pixel narrower than its column, and its font and margins
            // may be wider than a header's.
            if (inRow0 && inCol0)
                needed = qMax(needed, m_corner->sizeHint().width() + 1);
        } else {
            needed = wholeAdvance(font(), text) + cellMargin;
        }
        width = qMax(width, needed);
    }
    return width;
}

int StringGrid::fittedColWidth(int col) const
{
    return m_keepTextsWhole ? qMax(m_defaultColWidth, widthForTexts(col)) : m_defaultColWidth;
}

void StringGrid::fitColumnsToTexts(int first, int last)
{
    if (!m_keepTextsWhole)
        return;
    for (int c = qMax(0, first); c <= last && c < colCount(); ++c) {
        if (c == 0 && fixedCols() > 0) {
            if (verticalHeader()->width() != fittedColWidth(0)) {
                verticalHeader()->setFixedWidth(fittedColWidth(0));
                updateGeometries();
            }
        } else if (columnWidth(c) != fittedColWidth(c)) {
            horizontalHeader()->resizeSection(c, fittedColWidth(c));
        }
    }
}

bool StringGrid::isEditing() const
{
    return state() == QAbstractItemView::EditingState;
}

bool StringGrid::mayBecomeCurrent(int col, int row)
{
    if (col < fixedCols() || row < fixedRows() || col >= colCount() || row >= rowCount())
        return false;
    bool canSelect = true;
    emit selectCell(col, row, canSelect);
    return canSelect;
}

bool StringGrid::filterKey(QKeyEvent *event)
{
    int key = event->key();
    emit keyDown(key, event->modifiers());
    if (key == 0)
        return true;
    // The cell editor takes back its own typing, as every text field does.
    if (event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo))
        return false;
    // Whatever modifier is held, a character that would reach the cell passes the filter: the
    // window's accelerators were taken as shortcuts before a key press ever gets here.
    const QString text = event->text();
    if (text.isEmpty())
        return false;
    QChar typed = text.at(0);
    emit keyPress(typed);
    return typed.isNull();
}

QString StringGrid::filterCommitText(const QString &text)
{
    QString kept;
    for (QChar typed : text) {
        emit keyPress(typed);
        if (!typed.isNull())
            kept.append(typed);
    }
    return kept;
}

void StringGrid::keyPressEvent(QKeyEvent *event)
{
    // Keys that the open cell editor did not use arrive here a second time: they were filtered
    // already and only want the grid's own handling (moving the current cell).
    const QWidget *focus = QApplication::focusWidget();
    const bool fromEditor = focus && focus != this && isAncestorOf(focus);
    if (!fromEditor) {
        if (filterKey(event)) {
            event->accept();
            return;
        }
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            if (!isEditing() && currentIndex().isValid() && cellsEditable())
                edit(currentIndex());
            event->accept();
            return;
        }
    }
    m_forwardingKey = true;
    QTableView::keyPressEvent(event);
    m_forwardingKey = false;
}

void StringGrid::mousePressEvent(QMouseEvent *event)
{
    const QModelIndex target = indexAt(event->position().toPoint());
    m_mouseDown = true;
    if (target.isValid() && target != currentIndex() && !mayBecomeCurrent(target.column(), target.row())) {
        setFocus(Qt::MouseFocusReason);
        event->accept();
        return;
    }
    QTableView::mousePressEvent(event);
}

void StringGrid::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() != Qt::NoButton) {
        const QModelIndex target = indexAt(event->position().toPoint());
        if (target.isValid() && target != currentIndex() && !mayBecomeCurrent(target.column(), target.row())) {
            event->accept();
            return;
        }
    }
    QTableView::mouseMoveEvent(event);
}

void StringGrid::mouseReleaseEvent(QMouseEvent *event)
{
    QTableView::mouseReleaseEvent(event);
    const bool wasDown = m_mouseDown;
    m_mouseDown = false;
    if (wasDown && indexAt(event->position().toPoint()).isValid())
        emit gridClicked();
}

QModelIndex StringGrid::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex current = currentIndex();
    const QModelIndex candidate = QTableView::moveCursor(cursorAction, modifiers);
    if (!candidate.isValid() || candidate == current)
        return current;
    if (!mayBecomeCurrent(candidate.column(), candidate.row()))
        return current;
    return candidate;
}

void StringGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    // The table view tells assistive technology that the new cell has the focus even when a
    // button moved it and keeps the focus itself; here only a grid that has the focus says so.
    QAbstractItemView::currentChanged(current, previous);
    if (QAccessible::isActive() && current.isValid() && ownsWidget(QApplication::focusWidget())) {
        QAccessibleInterface *table = QAccessible::queryAccessibleInterface(this);
        QAccessibleTableInterface *cells = table ? table->tableInterface() : nullptr;
        if (QAccessibleInterface *cell = cells ? cells->cellAt(current.row(), current.column()) : nullptr) {
            QAccessibleEvent event(cell, QAccessible::Focus);
            QAccessible::updateAccessibility(&event);
        }
    }
    if (!m_programmaticMove && !m_mouseDown && current.isValid() && current != previous)
        emit gridClicked();
}

void StringGrid::onFocusChanged(QWidget *old, QWidget *now)
{
    if (ownsWidget(old) && !ownsWidget(now))
        emit exited();
}

bool StringGrid::ownsWidget(const QWidget *w) const
{
    return w && (w == this || isAncestorOf(w));
}
