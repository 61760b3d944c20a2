#pragma once

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

// One decision as a document: what a decision file holds, independent of any window.
//
// n = criteria.size() (3..15), m = alternatives.size() (3..10).
// criteriaJudgements[i][j] is the text of the judgement of criterion i over criterion j (the grid
// cell in column j + 1, row i + 1); alternativesJudgements[c][i][j] the same for alternatives i
// and j under criterion c (AltMatrixText(c, j, i) of the model). The diagonal holds "1".
// Cell texts are kept exactly as typed, empty or rejected ones included, except that the decimal
// separator is always "." here; toFileText/fromFileText translate to and from a locale's.
struct DecisionDocument
{
    QString user;
    QStringList criteria;
    QStringList alternatives;
    QList<QStringList> criteriaJudgements;
    QList<QList<QStringList>> alternativesJudgements;

    int criteriaCount() const { return int(criteria.size()); }
    int alternativesCount() const { return int(alternatives.size()); }
    bool operator==(const DecisionDocument &other) const;
    bool operator!=(const DecisionDocument &other) const { return !(*this == other); }
};

// A cell text as the grid shows it (with the locale's decimal separator) to the file's form, and back.
// The locale's separator and "." trade places, so that a text the locale rejects ("1.5" typed
// under a "," locale) stays rejected in the file and after reopening under any locale, and the
// pair is exact: fromFileText(toFileText(t, p), p) == t for every text.
QString toFileText(const QString &cellText, QChar decimalPoint);
QString fromFileText(const QString &fileText, QChar decimalPoint);
// The same with the separator of a locale (its first character).
QChar decimalPointOf(const QLocale &locale);

// Which matrix a cell belongs to: the criteria matrix, or the alternatives matrix of criterion c.
constexpr int CriteriaMatrix = -1;

// Where a cell is, for messages: the matrix (criteria, or alternatives of the named criterion),
// then the 1-based row and column with the names of their items. row and col are 0-based.
QString describeCell(const DecisionDocument &document, int matrix, int row, int col);

// The judgement texts of one matrix: the criteria matrix for CriteriaMatrix, else the
// alternatives matrix of that criterion; an empty list for a matrix the document lacks.
QList<QStringList> matrixOf(const DecisionDocument &document, int matrix);
