#include "analysis/judgementwordsline.h"

#include "model/judgement.h"
#include "model/judgementwords.h"
#include "platform/stringgrid.h"
#include "platform/stringgridmodel.h"

#include <QEvent>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QPointer>

JudgementWordsLine::JudgementWordsLine(StringGrid *grid, ComparisonNamesSource names, QWidget *parent)
    : QLabel(parent)
    , m_grid(grid)
    , m_viewport(grid->viewport())
    , m_names(std::move(names))
{
    setObjectName(grid->objectName() + QStringLiteral("Words"));
    setIndent(6);
    // One line of its own: a long pair of names is cut, never pushes the grid aside.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    setMinimumHeight(fontMetrics().height() + 6);
    setTextFormat(Qt::PlainText);
    grid->viewport()->setMouseTracking(true);
    grid->viewport()->installEventFilter(this);
    connect(grid->selectionModel(), &QItemSelectionModel::currentChanged, this, &JudgementWordsLine::refresh);
    connect(grid->gridModel(), &QAbstractItemModel::dataChanged, this, &JudgementWordsLine::refresh);
    connect(grid->gridModel(), &QAbstractItemModel::modelReset, this, &JudgementWordsLine::refresh);
    // A screen reader hears a cell as its pair and value, and the words as its description.
    const QPointer<JudgementWordsLine> self(this);
    grid->gridModel()->setAccessibleTexts([self](int col, int row) { return self ? self->cellName(col, row) : QString(); },
                                          [self](int col, int row) { return self ? self->wordsFor(col, row) : QString(); });
}

QString JudgementWordsLine::cellName(int col, int row) const
{
    const ComparisonNames names = m_names ? m_names() : ComparisonNames();
    const int n = int(names.items.size());
    if (row < 1 || row > n || col < 1 || col > n + 1)
        return QString();
    const QString text = m_grid->cell(col, row).trimmed();
    const QString value = text.isEmpty() ? tr("не заполнено") : text;
    const QString rowName = tr("«%1»").arg(names.item(row - 1));
    if (col == n + 1)
        return tr("Приоритет %1: %2").arg(rowName, value);
    return tr("%1 по сравнению с %2: %3").arg(rowName, tr("«%1»").arg(names.item(col - 1)), value);
}

QString JudgementWordsLine::wordsFor(int col, int row) const
{
    const ComparisonNames names = m_names ? m_names() : ComparisonNames();
    const int n = int(names.items.size());
    if (col < 1 || row < 1 || col > n || row > n || col == row)
        return QString();
    const QString text = m_grid->cell(col, row);
    const QString estimate = m_grid->gridModel()->estimate(col, row);
    const QString rowName = names.item(row - 1);
    const QString colName = names.item(col - 1);
    if (text.isEmpty() && !estimate.isEmpty()) {
        // Several matrices of sub-criteria share the page: say which one, as a given judgement does.
        if (names.isCriteria() && !names.group.isEmpty())
            return tr("«%1» и «%2» в группе «%3»: не задано; по остальным сравнениям ≈ %4")
                .arg(rowName, colName, names.group, estimate);
        return tr("не задано; по остальным сравнениям ≈ %1").arg(estimate);
    }
    const JudgementCheck check = validateJudgement(text);
    if (!check.valid)
        return QString();
    if (names.isCriteria() && !names.group.isEmpty())
        return subcriteriaJudgementWords(rowName, colName, names.group, check.value, text);
    if (names.isCriteria())
        return criteriaJudgementWords(rowName, colName, check.value, text);
    return alternativesJudgementWords(rowName, colName, names.criterion, check.value, text);
}

void JudgementWordsLine::refresh()
{
    const bool hovering = m_hoverCol >= 0 && m_hoverRow >= 0;
    const QString words = hovering ? wordsFor(m_hoverCol, m_hoverRow) : wordsFor(m_grid->col(), m_grid->row());
    if (words != text())
        setText(words);
}

bool JudgementWordsLine::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_viewport) {
        if (event->type() == QEvent::MouseMove) {
            const QModelIndex index = m_grid->indexAt(static_cast<QMouseEvent *>(event)->position().toPoint());
            const int col = index.isValid() ? index.column() : -1;
            const int row = index.isValid() ? index.row() : -1;
            if (col != m_hoverCol || row != m_hoverRow) {
                m_hoverCol = col;
                m_hoverRow = row;
                refresh();
            }
        } else if (event->type() == QEvent::Leave) {
            m_hoverCol = m_hoverRow = -1;
            refresh();
        }
    }
    return QLabel::eventFilter(watched, event);
}
