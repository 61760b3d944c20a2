#pragma once

#include "model/priorities.h"
#include "model/translatabletext.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// One comparison matrix in which the person may leave pairs out.
//
// A pair (i, j), i < j, is missing when both of its cells are empty and the decision allows
// missing judgements; every other cell is checked as it always was, row by row, so an empty cell
// whose mirror is filled, an empty diagonal or a rejected text stops the computation with the
// message it always gave, and with the setting off nothing changes at all.
//
// The known pairs must link every item to the first one. The weights are then the logarithmic
// least-squares fit to the known pairs: y solves L·y = r, L the Laplacian of the graph of known
// pairs and r_i = Σ ln a_ij over the known partners j of i (and i itself), less the mean of r, so
// that the system is solvable for any cells, each taken at its own value. For reciprocal pairs
// and a diagonal of ones (as the grid makes them) this is the least-squares solution of
// Σ over known i < j of (ln a_ij − y_i + y_j)², and r needs no correction.
//
// The missing cells are then filled with w_i / w_j (w_j / w_i in the mirror), and everything
// shown comes from computeLocalPriorities on that completed matrix: its row geometric means are
// the least-squares weights again (to rounding), and λmax, CI, RI, CR and the flag come from the
// same formulas as for a full matrix. With nothing missing the completed matrix is the matrix as
// typed, so every digit is what the program computed before missing judgements existed.
//
// The pair to ask next, among the missing pairs:
//   1. the fewest known comparisons involving either of its two items (the sum of their degrees
//      in the graph of known pairs), since an answer there informs the least-informed weights;
//   2. then the longest shortest path between the two items in that graph (items that are not
//      linked at all count as farther apart than any path), since the estimate of that pair
//      rests on the longest chain of products;
//   3. then the smallest row, then the smallest column.

struct JudgementCellProblem
{
    int row = 0; // 0-based item indices of the cell, as the cell (col + 1, row + 1) of the grid
    int col = 0;
    QString message;
};

struct EstimatedJudgement
{
    int row = 0; // row < col
    int col = 0;
    double value = 0.0; // w[row] / w[col]
};

struct JudgementPair
{
    int row = 0; // row < col
    int col = 0;
    bool operator==(const JudgementPair &other) const { return row == other.row && col == other.col; }
};

struct IncompleteMatrixResult
{
    // The first cell that stops the computation, row by row; nothing else is filled then.
    std::optional<JudgementCellProblem> problem;
    int missing = 0;
    // Items no chain of known pairs links to item 0, in order; the weights are empty then.
    std::vector<int> unlinked;
    // The missing pairs with their estimates, by row then col; empty unless computed.
    std::vector<EstimatedJudgement> estimated;
    // Set whenever something is missing and no cell stopped the computation, linked or not.
    std::optional<JudgementPair> askNext;
    // Of the completed matrix; empty when the matrix cannot be computed.
    PriorityResult priorities;

    bool computed() const { return !problem && unlinked.empty() && !priorities.weights.empty(); }
};

// cells[i][j]: the text of item i over item j as the decision file keeps it ("." as the decimal
// separator), read as the cells of a grid under locale would be; a cell the list lacks is empty.
// An order outside 1..RandomIndexLastOrder gives an empty result.
IncompleteMatrixResult computeIncompleteMatrix(const QList<QStringList> &cells, int n, bool allowMissing,
                                               const QLocale &locale = QLocale());

// The same from numbers: a pair is known when both of its cells are positive finite numbers, and
// missing otherwise (0.0 in both, say). The diagonal is taken as it is.
IncompleteMatrixResult computeIncompleteMatrix(int n, const std::vector<std::vector<double>> &a);

// The least-squares weights alone, normalised to sum 1, with the pairs known as above. False,
// and weights untouched, when the known pairs do not link every item or n is out of range.
bool leastSquaresWeights(int n, const std::vector<std::vector<double>> &a, std::vector<double> *weights);

inline constexpr TranslatableText UnlinkedItemsMessage{"MissingJudgements",
        QT_TRANSLATE_NOOP("MissingJudgements", "Недостаточно сравнений: ни одна цепочка сравнений не связывает «%1» с %2")};
inline constexpr TranslatableText QuotedItemName{"MissingJudgements", QT_TRANSLATE_NOOP("MissingJudgements", "«%1»")};

// The message for unlinked items: the first item's name, then each unlinked item's, quoted.
QString unlinkedItemsText(const QStringList &names, const std::vector<int> &unlinked);
