#pragma once

#include "document/decisiondocument.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

namespace DocumentTest {

// A complete, computable n x m decision with reciprocal judgements that differ from cell to
// cell (whole numbers, fractions, decimals), names with quotes, a backslash and Cyrillic.
DecisionDocument decision(int n, int m);
// The same with the awkward texts an unfinished session holds: empty and rejected cells,
// duplicate and empty names, control characters.
DecisionDocument unfinishedDecision(int n, int m);
// An n x n matrix from its upper rows (row i holds columns i + 1 .. n - 1), mirrored as
// "1/" + text, "1" on the diagonal.
QList<QStringList> reciprocalMatrix(const QList<QStringList> &upperRows);

}
