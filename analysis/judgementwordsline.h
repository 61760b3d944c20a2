#pragma once

#include "analysis/comparisonnames.h"

#include <QLabel>

class StringGrid;

// The line under a comparison grid that says in words what the hovered cell, or else the
// current cell, holds: "«Цена» существенно важнее, чем «Качество» (5)". It follows the mouse,
// the current cell and every change of the grid's texts; an empty cell names its estimate when
// one stands in it; otherwise an empty or rejected cell, a header
// or the priority column says nothing.
class JudgementWordsLine : public QLabel
{
    Q_OBJECT
public:
    JudgementWordsLine(StringGrid *grid, ComparisonNamesSource names, QWidget *parent = nullptr);

    // The words for cell (col, row) of the grid as it stands.
    QString wordsFor(int col, int row) const;
    // What a screen reader calls cell (col, row): its pair and its text.
    QString cellName(int col, int row) const;
    void refresh();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    StringGrid *m_grid;
    // Kept apart from the grid: the viewport still sends events while the grid goes away.
    QWidget *m_viewport;
    ComparisonNamesSource m_names;
    int m_hoverCol = -1;
    int m_hoverRow = -1;
};
