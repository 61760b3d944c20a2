#include "model/treesensitivity.h"

#include <algorithm>
#include <cstddef>

namespace {

double valueAt(const std::vector<double> &values, int i)
{
    return i >= 0 && std::size_t(i) < values.size() ? values[std::size_t(i)] : 0.0;
}

bool startsWith(const CriterionPath &path, const CriterionPath &prefix)
{
    return path.size() >= prefix.size() && path.mid(0, prefix.size()) == prefix;
}

} // namespace

TreeSensitivity::TreeSensitivity(Hierarchy tree, std::vector<double> topWeights,
                                 std::vector<std::vector<double>> subcriteriaWeights,
                                 std::vector<std::vector<double>> leafPriorities)
    : m_tree(std::move(tree))
    , m_topWeights(std::move(topWeights))
    , m_subcriteriaWeights(std::move(subcriteriaWeights))
    , m_leafPriorities(std::move(leafPriorities))
{
    m_levels.append(TreePlace{});
    m_levels.append(m_tree.subcriteriaPlaces());
    for (const std::vector<double> &row : m_leafPriorities)
        m_alternatives = std::max(m_alternatives, int(row.size()));
}

int TreeSensitivity::levelCount() const
{
    return int(m_levels.size());
}

CriterionPath TreeSensitivity::levelPath(int level) const
{
    return level >= 0 && level < m_levels.size() ? m_levels.at(level).path : CriterionPath();
}

QStringList TreeSensitivity::levelNames(int level) const
{
    QStringList names;
    if (level < 0 || level >= m_levels.size())
        return names;
    const CriterionNode *node = m_tree.node(levelPath(level));
    for (const CriterionNode &criterion : level == 0 ? m_tree.criteria : node->subcriteria)
        names << criterion.name;
    return names;
}

std::vector<double> TreeSensitivity::levelWeights(int level) const
{
    if (level == 0)
        return m_topWeights;
    if (level < 0 || level >= m_levels.size() || std::size_t(level - 1) >= m_subcriteriaWeights.size())
        return std::vector<double>(std::size_t(levelNames(level).size()), 0.0);
    return m_subcriteriaWeights[std::size_t(level - 1)];
}

// What the criterion at path brings per unit of its own weight.
std::vector<double> TreeSensitivity::unitRow(const CriterionPath &path) const
{
    std::vector<double> row(std::size_t(m_alternatives), 0.0);
    const CriterionNode *node = m_tree.node(path);
    if (!node)
        return row;
    if (!node->hasSubcriteria()) {
        const int leaf = m_tree.leafIndex(path);
        if (leaf >= 0 && std::size_t(leaf) < m_leafPriorities.size())
            for (int j = 0; j < m_alternatives; ++j)
                row[std::size_t(j)] = valueAt(m_leafPriorities[std::size_t(leaf)], j);
        return row;
    }
    const int k = m_tree.subcriteriaIndex(path);
    const std::vector<double> none;
    const std::vector<double> &local = k >= 0 && std::size_t(k) < m_subcriteriaWeights.size()
            ? m_subcriteriaWeights[std::size_t(k)] : none;
    for (int c = 0; c < node->subcriteria.size(); ++c) {
        const std::vector<double> below = unitRow(CriterionPath(path) << c);
        for (int j = 0; j < m_alternatives; ++j)
            row[std::size_t(j)] += valueAt(local, c) * below[std::size_t(j)];
    }
    return row;
}

// The criterion's weight in the whole decision, multiplied from the top down as leaf weights are.
double TreeSensitivity::pathWeight(const CriterionPath &path) const
{
    double weight = 1.0;
    for (int depth = 0; depth < path.size(); ++depth) {
        const int k = depth == 0 ? -1 : m_tree.subcriteriaIndex(path.mid(0, depth));
        const std::vector<double> none;
        const std::vector<double> &local = depth == 0 ? m_topWeights
                : k >= 0 && std::size_t(k) < m_subcriteriaWeights.size() ? m_subcriteriaWeights[std::size_t(k)] : none;
        weight = depth == 0 ? valueAt(local, path.at(0)) : weight * valueAt(local, path.at(depth));
    }
    return weight;
}

std::vector<double> TreeSensitivity::globalsWith(int level, const std::vector<double> &weights) const
{
    std::vector<double> top = m_topWeights;
    std::vector<std::vector<double>> sub = m_subcriteriaWeights;
    if (level == 0)
        top = weights;
    else if (std::size_t(level - 1) < sub.size())
        sub[std::size_t(level - 1)] = weights;
    return hierarchyGlobalPriorities(m_alternatives, leafWeights(m_tree, top, sub), m_leafPriorities);
}

// The leaves outside the level's criterion, summed in the pinned order.
std::vector<double> TreeSensitivity::restOutside(int level) const
{
    std::vector<double> weights = leafWeights(m_tree, m_topWeights, m_subcriteriaWeights);
    const QList<TreePlace> leaves = m_tree.leaves();
    const CriterionPath inside = levelPath(level);
    for (int c = 0; c < leaves.size() && std::size_t(c) < weights.size(); ++c) {
        if (startsWith(leaves.at(c).path, inside))
            weights[std::size_t(c)] = 0.0;
    }
    return hierarchyGlobalPriorities(m_alternatives, weights, m_leafPriorities);
}

std::vector<std::vector<double>> TreeSensitivity::levelPriorities(int level) const
{
    std::vector<std::vector<double>> rows;
    if (level < 0 || level >= m_levels.size())
        return rows;
    const CriterionPath path = levelPath(level);
    const int n = int(levelNames(level).size());
    const double scale = level == 0 ? 1.0 : pathWeight(path);
    const std::vector<double> rest = level == 0 ? std::vector<double>(std::size_t(m_alternatives), 0.0)
                                                : restOutside(level);
    for (int c = 0; c < n; ++c) {
        std::vector<double> row = unitRow(CriterionPath(path) << c);
        for (int j = 0; j < m_alternatives; ++j)
            row[std::size_t(j)] = scale * row[std::size_t(j)] + rest[std::size_t(j)];
        rows.push_back(std::move(row));
    }
    return rows;
}

SensitivityState TreeSensitivity::state(int level, const std::vector<double> &weights) const
{
    SensitivityState state;
    state.weights = weights;
    if (level < 0 || level >= m_levels.size() || int(weights.size()) != levelNames(level).size())
        return state;
    const std::vector<std::vector<double>> rows = levelPriorities(level);
    state.globals = globalsWith(level, weights);
    state.ranking = ranking(state.globals);
    state.thresholds = weightThresholds(weights, rows, state.globals);
    state.mostCritical = mostCriticalCriterion(weights, state.thresholds);
    if (level == 0) {
        state.contributions = contributions(weights, rows);
        return state;
    }
    // Below the top the bars split into the level's criteria and the fixed rest.
    const CriterionPath path = levelPath(level);
    const double scale = pathWeight(path);
    std::vector<std::vector<double>> own;
    for (int c = 0; c < int(weights.size()); ++c) {
        std::vector<double> row = unitRow(CriterionPath(path) << c);
        for (double &v : row)
            v *= scale;
        own.push_back(std::move(row));
    }
    state.contributions = contributions(weights, own);
    state.rest = restOutside(level);
    return state;
}
