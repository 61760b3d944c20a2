#pragma once

#include <QList>
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
QString toFileText(const QString &cellText, QChar decimalPoint);
QString fromFileText(const QString &fileText, QChar decimalPoint);
