#pragma once

#include "model/hierarchy.h"
#include "model/sensitivity.h"

#include <vector>

// The sensitivity of a decision with sub-criteria, one level of the tree at a time: level 0 is
// the top criteria, level k + 1 the sub-criteria of the k-th criterion that has them
// (subcriteriaPlaces() order). Moving a level's weights moves only the leaves below it. Each
// level is handed to the flat functions of model/sensitivity.h: the weight rule, the thresholds
// and the critical criterion are theirs.
class TreeSensitivity
{
public:
    TreeSensitivity() = default;
    // The computed decision: the top matrix's weights, each sub-criteria matrix's weights, and
    // the local priorities of the alternatives under each leaf, depth-first.
    TreeSensitivity(Hierarchy tree, std::vector<double> topWeights, std::vector<std::vector<double>> subcriteriaWeights,
                    std::vector<std::vector<double>> leafPriorities);

    // True when there is no tree below the top level: the flat functions are used as they are.
    bool isFlat() const { return m_tree.isFlat(); }
    const Hierarchy &tree() const { return m_tree; }
    const std::vector<std::vector<double>> &leafPriorities() const { return m_leafPriorities; }
    int levelCount() const;
    // Empty for the top level and for a level out of range.
    CriterionPath levelPath(int level) const;
    QStringList levelNames(int level) const;
    // The computed weights of the level's criteria.
    std::vector<double> levelWeights(int level) const;
    // Per criterion of the level, the global priority of every alternative if the criterion held
    // all the level's weight: a criterion's contribution per unit of its weight (the sum over its
    // leaves of the leaf's weight within it × the local priority), plus, below the top, the fixed
    // share of the leaves outside the level. With weights that sum to 1 the global priorities
    // are these rows weighted, as the flat functions take them.
    std::vector<std::vector<double>> levelPriorities(int level) const;
    // Everything the window shows at the level's weights. The global priorities (and so the
    // ranking and the present ties) are summed by the tree's own functions, leaf by leaf in the
    // pinned order, with the level's weights in place of the computed ones: weighting the rows
    // above would round differently, and unmoved weights must give the result page's digits to
    // the last bit. contributions has one row per criterion of the level; rest holds the share
    // of the leaves outside it (empty at the top).
    SensitivityState state(int level, const std::vector<double> &weights) const;

private:
    std::vector<double> unitRow(const CriterionPath &path) const;
    double pathWeight(const CriterionPath &path) const;
    std::vector<double> globalsWith(int level, const std::vector<double> &weights) const;
    std::vector<double> restOutside(int level) const;

    Hierarchy m_tree;
    QList<TreePlace> m_levels;
    std::vector<double> m_topWeights;
    std::vector<std::vector<double>> m_subcriteriaWeights;
    std::vector<std::vector<double>> m_leafPriorities;
    int m_alternatives = 0;
};
