#pragma once

// Criteria under criteria. A decision's criteria form a tree under the goal: a criterion either
// is a leaf, under which the alternatives are compared, or has 2..15 sub-criteria with a matrix
// of their own. A decision without sub-criteria is the tree whose top criteria are all leaves,
// computed by the same functions as every other.
//
// Paths are 0-based index lists from the top level: {2} is the third criterion, {2, 0} its first
// sub-criterion. Leaves and criteria with sub-criteria are listed depth-first, a criterion
// before its own sub-criteria and those before the next criterion.

#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

constexpr int MinSubcriteria = 2;
constexpr int MaxSubcriteria = 15;
// Levels of criteria under the goal, the top one included.
constexpr int MaxCriteriaLevels = 4;
constexpr int MaxLeaves = 50;

struct CriterionNode
{
    QString name;
    // Empty: a leaf.
    QList<CriterionNode> subcriteria;
    // The matrix of the sub-criteria, texts in the file's form ("1" on the diagonal); empty for a leaf.
    QList<QStringList> judgements;

    bool hasSubcriteria() const { return !subcriteria.isEmpty(); }
    bool operator==(const CriterionNode &other) const;
    bool operator!=(const CriterionNode &other) const { return !(*this == other); }
};

using CriterionPath = QList<int>;

struct TreePlace
{
    CriterionPath path;
    QString name;
};

// The tree under the goal: the top criteria (names and, for some, sub-criteria) and their matrix.
struct Hierarchy
{
    QList<CriterionNode> criteria;
    QList<QStringList> judgements;

    // A tree whose top criteria are the given names, none with sub-criteria.
    static Hierarchy flat(const QStringList &names, const QList<QStringList> &judgements);

    bool isFlat() const;
    // Levels of criteria: 1 without sub-criteria.
    int levels() const;
    int leafCount() const;
    QList<TreePlace> leaves() const;
    // Every criterion that has sub-criteria, depth-first, a criterion before its own.
    QList<TreePlace> subcriteriaPlaces() const;
    // nullptr for a path the tree does not hold (or the empty path).
    const CriterionNode *node(const CriterionPath &path) const;
    CriterionNode *node(const CriterionPath &path);
    // The names from the top down to the criterion; empty for a path the tree lacks.
    QStringList pathNames(const CriterionPath &path) const;
    // "Безопасность › Активная".
    QString pathText(const CriterionPath &path) const;
    // The index of a leaf among the leaves, or of a criterion with sub-criteria among those; -1
    // when the path is not one.
    int leafIndex(const CriterionPath &path) const;
    int subcriteriaIndex(const CriterionPath &path) const;
};

QString joinedPath(const QStringList &names);

// Weight of every leaf, depth-first: the local weights on its path multiplied from the top down,
// ((w_top × w_2) × w_3) …. topWeights are the top matrix's weights, subcriteriaWeights[k] those
// of the k-th criterion with sub-criteria (subcriteriaPlaces() order). A weight missing from a
// list counts as 0.0. A leaf of the top level keeps its weight as it is.
std::vector<double> leafWeights(const Hierarchy &hierarchy, const std::vector<double> &topWeights,
                                const std::vector<std::vector<double>> &subcriteriaWeights);

// Global priorities of alternatives 0..m-1: for each, the sum over the leaves in depth-first order,
// from 0.0, of leafWeight × localPriorities[leaf][j].
std::vector<double> hierarchyGlobalPriorities(int m, const std::vector<double> &leafWeights,
                                              const std::vector<std::vector<double>> &localPriorities);

// "Качество 0.21 › Сборка 0.16, Материалы 0.05": one top criterion with its sub-criteria's
// weights, sub-criteria of sub-criteria in parentheses. weightText turns a weight into text.
QStringList compactTreeLines(const Hierarchy &hierarchy, const std::vector<double> &topWeights,
                             const std::vector<std::vector<double>> &subcriteriaWeights,
                             QString (*weightText)(double));
