#pragma once

#include "analysis/comparisonnames.h"
#include "analysis/matrixsnapshot.h"
#include "model/revision.h"

#include <QFrame>
#include <QLocale>
#include <QTimer>

#include <functional>
#include <optional>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class StringGrid;

// What to revise in the matrix on the screen: while the matrix may be improved, the judgements
// that fit the others worst, each
// with the value that would fit and the consistency ratio after the change, a button that
// types the suggestion in, and every triple of judgements that contradicts itself. It reads
// the grid whenever the grid's texts change (gathered into one pass per turn of the event
// loop) and works only when the judgements themselves changed.
class RevisionPanel : public QFrame
{
    Q_OBJECT
public:
    static constexpr int RevisionCount = 3;

    RevisionPanel(StringGrid *grid, ComparisonNamesSource names, QWidget *parent = nullptr);

    // Reads the grid now instead of at the next turn of the event loop.
    void refresh();
    // Forgets what was read, so that the next refresh works even on unchanged texts (renamed items).
    void invalidate();
    // Whether the decision lets pairs be left out; asked at every refresh. Unset: never.
    void setMissingAllowed(std::function<bool()> allowed);

    const std::vector<JudgementRevision> &revisions() const { return m_revisions; }
    const std::vector<IntransitiveTriple> &triples() const { return m_triples; }
    QString summaryText() const;
    QString triplesText() const;
    // The pair worth asking next, with missing judgements allowed; empty when none.
    QString askNextText() const;
    // The current cell to the pair worth asking next.
    void goToAskNext();

    // Puts suggestion `index` into its cell and the reciprocal into the mirror cell.
    void apply(int index);

Q_SIGNALS:
    // A suggestion was typed in at grid cell (col, row) and its mirror: the matrix is out of date.
    void judgementApplied(int col, int row);

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setSummary(const QString &text);
    // Cuts the pairs' names to the width their column has now, the whole of them in the tooltip.
    void fitPairs();
    void scheduleRefresh();
    void showRevisions(const ComparisonNames &names);
    void showTriples(const ComparisonNames &names);
    void showUnreadable(const ComparisonNames &names, const ValidationFailure &failure);
    // With missing judgements allowed: empty pairs estimated, the pair to ask next named. False
    // when the matrix cannot be computed, which the summary then says.
    bool readIncomplete(const ComparisonNames &names, MatrixReading &reading);
    void showAskNext(const ComparisonNames &names);
    bool isMissing(int i, int j) const;
    // The sentence of a sub-criteria matrix names its group.
    QString inGroup(const ComparisonNames &names, const QString &sentence) const;
    void clearRows();
    int focusedApplyRow() const;
    void keepFocusInPanel(int row);
    // Three lines of the triples view in its font, which a style sheet may set only when the
    // view is polished.
    void fitTriplesView();

    StringGrid *m_grid;
    ComparisonNamesSource m_names;
    QTimer m_refreshTimer;
    MatrixSnapshot m_shown;
    std::function<bool()> m_missingAllowed;
    bool m_shownMissingAllowed = false;
    // Pairs left out of the matrix on the screen, row < col, and the one to ask next.
    std::vector<std::pair<int, int>> m_missing;
    std::optional<std::pair<int, int>> m_askNext;
    bool m_valid = false;
    // The row whose button put its suggestion in, until the rows are shown again.
    int m_focusRow = -1;
    double m_cr = 0.0;
    std::vector<JudgementRevision> m_revisions;
    std::vector<IntransitiveTriple> m_triples;

    QLabel *m_summary;
    QString m_summaryText;
    struct Row
    {
        QLabel *pair;
        QLabel *present;
        QLabel *fitting;
        QLabel *crAfter;
        QPushButton *apply;
        QString pairText;
    };
    Row m_rows[RevisionCount];
    QPlainTextEdit *m_triplesView;
    QWidget *m_askRow;
    QLabel *m_askNextLabel;
    QPushButton *m_askNextBtn;
};
