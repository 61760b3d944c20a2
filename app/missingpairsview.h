#pragma once

#include "model/missingjudgements.h"

#include <QFrame>
#include <QTimer>

#include <functional>

class Decision;
class QLabel;
class StringGrid;

// Under a comparison grid of a decision that allows missing judgements: the estimates of the
// pairs left out, shown in their empty cells (never as their texts), the pair worth asking next
// marked in the grid, and a line with how many comparisons were given; the revision panel names
// that pair and moves the current cell there. Hidden, and the grid bare, with the setting off.
// It reads the decision, so what it shows is what the file and the command line compute.
class MissingPairsView : public QFrame
{
    Q_OBJECT
public:
    // matrix: which matrix of the decision the grid shows at the moment.
    MissingPairsView(Decision *decision, StringGrid *grid, std::function<int()> matrix, QWidget *parent = nullptr);

    // Reads the decision now instead of at the next turn of the event loop.
    void refresh();
    const IncompleteMatrixResult &shown() const { return m_result; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void scheduleRefresh();

    Decision *m_decision;
    StringGrid *m_grid;
    std::function<int()> m_matrix;
    IncompleteMatrixResult m_result;
    QTimer m_timer;
    bool m_showing = false;
    QLabel *m_given;
};
