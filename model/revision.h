#pragma once

#include <QString>

#include <vector>

// Which judgements of one comparison matrix to revise first, and which triples of judgements
// contradict each other outright. a[i][j] is the judgement of item i over item j, as the
// priorities read it.
//
// Both functions are total: an order outside 1..MaxRevisionOrder, a matrix of another shape,
// or an entry that is not a positive finite number gives an empty list, as does a count below 1.

constexpr int MaxRevisionOrder = 15;

// At or below this consistency ratio the judgements are consistent: nothing is worth revising.
// Above it and up to the program's limit they may be improved.
constexpr double ImprovableRatio = 0.1;

struct JudgementRevision {
    int row = 0;                 // 0-based, row < col
    int col = 0;
    double deviation = 1.0;      // max(e, 1/e) with e = a[row][col] * w[col] / w[row]
    double consistentValue = 1.0; // w[row] / w[col]
    QString suggestedText;       // the scale value nearest to consistentValue: "1" … "9" or "1/2" … "1/9"
    double crAfter = 0.0;        // consistency ratio with suggestedText at (row, col) and its reciprocal at (col, row)
};

// w: the priorities of computeLocalPriorities. Sorted by deviation, largest first; equal
// deviations by row, then col. At most count entries. "Nearest" is on a logarithmic scale; a tie
// takes the smaller value, distances within a relative 1e-12 counting as a tie (a ratio of exactly
// sqrt 2 comes out of rounding a little above or below it).
//
// Every pair row < col is a candidate, so a consistent matrix still gives count entries, all with
// a deviation of about 1: whether a revision is worth showing is the caller's call. Deviations
// that agree to ten significant digits count as equal, so that rounding noise in the weights does
// not reorder pairs that are mathematically level. crAfter comes from computeLocalPriorities on
// the changed matrix, the suggested value and its reciprocal read exactly as the cells would read
// the texts, so it is the ratio the program shows once the suggestion is typed in.
std::vector<JudgementRevision> judgementRevisions(int n, const std::vector<std::vector<double>> &a, int count);

// first beats second (a > 1), second beats third, third beats first; first is the smallest index
// of the three; sorted by (first, second, third). Each cycle appears once.
struct IntransitiveTriple { int first = 0; int second = 0; int third = 0; };
std::vector<IntransitiveTriple> intransitiveTriples(int n, const std::vector<std::vector<double>> &a);

// The scale text nearest to value on a logarithmic scale among 1/9 … 1/2, 1 … 9 (a tie takes the
// smaller value); "1" for a value that is not a positive finite number.
QString nearestScaleText(double value);
// The value a cell holding a scale text reads as: "7" is 7.0, "1/7" is 1.0 / 7.0; 0.0 for any
// other text.
double scaleTextValue(const QString &text);
