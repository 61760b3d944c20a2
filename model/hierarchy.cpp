#include "model/hierarchy.h"

#include "model/synthesis.h"

#include <cstddef>

namespace {

const QString PathSeparator = QStringLiteral(" › ");

double valueAt(const std::vector<double> &values, int i)
{
    return i >= 0 && std::size_t(i) < values.size() ? values[std::size_t(i)] : 0.0;
}

void collect(const QList<CriterionNode> &nodes, CriterionPath &path, QList<TreePlace> *leaves,
             QList<TreePlace> *inner)
{
    for (int i = 0; i < nodes.size(); ++i) {
        const CriterionNode &node = nodes.at(i);
        path.append(i);
        if (node.hasSubcriteria()) {
            if (inner)
                inner->append({path, node.name});
            collect(node.subcriteria, path, leaves, inner);
        } else if (leaves) {
            leaves->append({path, node.name});
        }
        path.removeLast();
    }
}

int countLeaves(const QList<CriterionNode> &nodes)
{
    int count = 0;
    for (const CriterionNode &node : nodes)
        count += node.hasSubcriteria() ? countLeaves(node.subcriteria) : 1;
    return count;
}

int countLevels(const QList<CriterionNode> &nodes)
{
    int deepest = 0;
    for (const CriterionNode &node : nodes)
        deepest = std::max(deepest, node.hasSubcriteria() ? countLevels(node.subcriteria) : 0);
    return nodes.isEmpty() ? 0 : deepest + 1;
}

// Walks the tree in the one order the weights are listed in; `weight` is the criterion's weight
// in the whole decision, a product taken from the top down.
struct WeightWalk
{
    const std::vector<std::vector<double>> &subcriteriaWeights;
    int nextSubcriteria = 0;

    template <typename Visit>
    void walk(const QList<CriterionNode> &nodes, const std::vector<double> &localWeights, bool top,
              const double parentWeight, int depth, Visit &visit)
    {
        for (int i = 0; i < nodes.size(); ++i) {
            const CriterionNode &node = nodes.at(i);
            const double weight = top ? valueAt(localWeights, i) : parentWeight * valueAt(localWeights, i);
            visit(node, weight, depth, true);
            if (node.hasSubcriteria()) {
                const int k = nextSubcriteria++;
                static const std::vector<double> none;
                const std::vector<double> &local = std::size_t(k) < subcriteriaWeights.size()
                        ? subcriteriaWeights[std::size_t(k)]
                        : none;
                walk(node.subcriteria, local, false, weight, depth + 1, visit);
                visit(node, weight, depth, false);
            }
        }
    }
};

} // namespace

bool CriterionNode::operator==(const CriterionNode &other) const
{
    return name == other.name && subcriteria == other.subcriteria && judgements == other.judgements;
}

Hierarchy Hierarchy::flat(const QStringList &names, const QList<QStringList> &judgements)
{
    Hierarchy hierarchy;
    for (const QString &name : names)
        hierarchy.criteria.append(CriterionNode{name, {}, {}});
    hierarchy.judgements = judgements;
    return hierarchy;
}

bool Hierarchy::isFlat() const
{
    for (const CriterionNode &node : criteria) {
        if (node.hasSubcriteria())
            return false;
    }
    return true;
}

int Hierarchy::levels() const
{
    return countLevels(criteria);
}

int Hierarchy::leafCount() const
{
    return countLeaves(criteria);
}

QList<TreePlace> Hierarchy::leaves() const
{
    QList<TreePlace> places;
    CriterionPath path;
    collect(criteria, path, &places, nullptr);
    return places;
}

QList<TreePlace> Hierarchy::subcriteriaPlaces() const
{
    QList<TreePlace> places;
    CriterionPath path;
    collect(criteria, path, nullptr, &places);
    return places;
}

const CriterionNode *Hierarchy::node(const CriterionPath &path) const
{
    const QList<CriterionNode> *level = &criteria;
    const CriterionNode *found = nullptr;
    for (int i : path) {
        if (i < 0 || i >= level->size())
            return nullptr;
        found = &level->at(i);
        level = &found->subcriteria;
    }
    return found;
}

CriterionNode *Hierarchy::node(const CriterionPath &path)
{
    QList<CriterionNode> *level = &criteria;
    CriterionNode *found = nullptr;
    for (int i : path) {
        if (i < 0 || i >= level->size())
            return nullptr;
        found = &(*level)[i];
        level = &found->subcriteria;
    }
    return found;
}

QStringList Hierarchy::pathNames(const CriterionPath &path) const
{
    QStringList names;
    const QList<CriterionNode> *level = &criteria;
    for (int i : path) {
        if (i < 0 || i >= level->size())
            return QStringList();
        names.append(level->at(i).name);
        level = &level->at(i).subcriteria;
    }
    return names;
}

QString Hierarchy::pathText(const CriterionPath &path) const
{
    return joinedPath(pathNames(path));
}

int Hierarchy::leafIndex(const CriterionPath &path) const
{
    const QList<TreePlace> places = leaves();
    for (int k = 0; k < places.size(); ++k) {
        if (places.at(k).path == path)
            return k;
    }
    return -1;
}

int Hierarchy::subcriteriaIndex(const CriterionPath &path) const
{
    const QList<TreePlace> places = subcriteriaPlaces();
    for (int k = 0; k < places.size(); ++k) {
        if (places.at(k).path == path)
            return k;
    }
    return -1;
}

QString joinedPath(const QStringList &names)
{
    return names.join(PathSeparator);
}

std::vector<double> leafWeights(const Hierarchy &hierarchy, const std::vector<double> &topWeights,
                                const std::vector<std::vector<double>> &subcriteriaWeights)
{
    std::vector<double> weights;
    WeightWalk walk{subcriteriaWeights};
    auto visit = [&weights](const CriterionNode &node, double weight, int, bool entering) {
        if (entering && !node.hasSubcriteria())
            weights.push_back(weight);
    };
    walk.walk(hierarchy.criteria, topWeights, true, 0.0, 0, visit);
    return weights;
}

std::vector<double> hierarchyGlobalPriorities(int m, const std::vector<double> &leafWeights,
                                              const std::vector<std::vector<double>> &localPriorities)
{
    // Without sub-criteria the leaves are the criteria: the same sum, in the same order.
    std::vector<double> priorities;
    priorities.reserve(std::size_t(std::max(m, 0)));
    for (int j = 0; j < m; ++j)
        priorities.push_back(computeGlobalPriority(int(leafWeights.size()), j, leafWeights, localPriorities));
    return priorities;
}

QStringList compactTreeLines(const Hierarchy &hierarchy, const std::vector<double> &topWeights,
                             const std::vector<std::vector<double>> &subcriteriaWeights,
                             QString (*weightText)(double))
{
    QStringList lines;
    QString line;
    // Below the second level a criterion's sub-criteria go in parentheses after it; a list of
    // siblings is joined by commas.
    QList<bool> firstAtDepth{true};
    WeightWalk walk{subcriteriaWeights};
    auto visit = [&](const CriterionNode &node, double weight, int depth, bool entering) {
        if (!entering) {
            if (depth == 0) {
                lines.append(line);
            } else {
                line += QLatin1Char(')');
            }
            return;
        }
        if (depth == 0) {
            line = node.name + QLatin1Char(' ') + weightText(weight);
            if (node.hasSubcriteria())
                line += PathSeparator;
            else
                lines.append(line);
            firstAtDepth = {true, true};
            return;
        }
        while (firstAtDepth.size() <= depth + 1)
            firstAtDepth.append(true);
        if (!firstAtDepth[depth])
            line += QStringLiteral(", ");
        firstAtDepth[depth] = false;
        line += node.name + QLatin1Char(' ') + weightText(weight);
        if (node.hasSubcriteria()) {
            line += QStringLiteral(" (");
            firstAtDepth[depth + 1] = true;
        }
    };
    walk.walk(hierarchy.criteria, topWeights, true, 0.0, 0, visit);
    return lines;
}
