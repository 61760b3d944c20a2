#pragma once

#include "model/hierarchy.h"
#include "model/judgement.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

// The sub-criteria of one top criterion and their matrix; none: the criterion is a leaf.
struct SubcriteriaSet
{
    QList<CriterionNode> criteria;
    QList<QStringList> judgements;

    bool isEmpty() const { return criteria.isEmpty(); }
    bool operator==(const SubcriteriaSet &other) const
    {
        return criteria == other.criteria && judgements == other.judgements;
    }
};

// One decision as a document: what a decision file holds, independent of any window.
//
// n = criteria.size() (3..15), m = alternatives.size() (3..10).
// criteriaJudgements[i][j] is the text of the judgement of criterion i over criterion j (the grid
// cell in column j + 1, row i + 1); alternativesJudgements[c][i][j] the same for alternatives i
// and j under leaf c (AltMatrixText(c, j, i) of the model). The diagonal holds "1".
// subcriteria[i] holds criterion i's sub-criteria; an entry left out has none. The leaves are
// listed depth-first (Hierarchy::leaves()): without sub-criteria leaf c is criterion c.
// Cell texts are kept exactly as typed, empty or rejected ones included, except that the decimal
// separator is always "." here; toFileText/fromFileText translate to and from a locale's.
struct DecisionDocument
{
    QString user;
    QStringList criteria;
    QStringList alternatives;
    QList<QStringList> criteriaJudgements;
    QList<QList<QStringList>> alternativesJudgements;
    QList<SubcriteriaSet> subcriteria;
    // A pair with both cells empty is left out and estimated, in every matrix.
    bool allowMissing = false;

    int criteriaCount() const { return int(criteria.size()); }
    SubcriteriaSet subcriteriaOf(int criterion) const { return subcriteria.value(criterion); }
    bool hasSubcriteria() const;
    // The criteria as a tree, with their matrices.
    Hierarchy hierarchy() const;
    // The tree put back: names, top matrix and sub-criteria.
    void setHierarchy(const Hierarchy &hierarchy);
    int leafCount() const;
    int alternativesCount() const { return int(alternatives.size()); }
    bool operator==(const DecisionDocument &other) const;
    bool operator!=(const DecisionDocument &other) const { return !(*this == other); }
};


// Which matrix a cell belongs to: the criteria matrix, the alternatives matrix of leaf c (c >= 0;
// without sub-criteria, of criterion c), or the matrix of the k-th criterion with sub-criteria
// (subcriteriaMatrix(k), below -1, in Hierarchy::subcriteriaPlaces() order).
constexpr int CriteriaMatrix = -1;
constexpr int subcriteriaMatrix(int k) { return -2 - k; }
constexpr int subcriteriaIndexOf(int matrix) { return -2 - matrix; }
constexpr bool isSubcriteriaMatrix(int matrix) { return matrix <= -2; }

// Where a matrix is, for messages: "матрица критериев", "матрица альтернатив для критерия 2
// («Качество › Сборка»)", "матрица подкритериев «Качество»".
QString describeMatrix(const DecisionDocument &document, int matrix);
// Where a cell is, for messages: the matrix, then the 1-based row and column with the names of
// their items. row and col are 0-based.
QString describeCell(const DecisionDocument &document, int matrix, int row, int col);

// The judgement texts of one matrix; an empty list for a matrix the document lacks.
QList<QStringList> matrixOf(const DecisionDocument &document, int matrix);
// A matrix replaced; nothing happens for a matrix the document lacks.
void setMatrixOf(DecisionDocument &document, int matrix, const QList<QStringList> &cells);
// Every matrix of the document, in the order they are computed: the criteria matrix, the
// sub-criteria matrices depth-first, the leaves' alternatives matrices.
QList<int> matricesOf(const DecisionDocument &document);
// The names of a matrix's items (criteria, sub-criteria or alternatives).
QStringList matrixItems(const DecisionDocument &document, int matrix);
