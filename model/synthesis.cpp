#include "model/synthesis.h"

#include "model/decisionmodel.h"

#include <cstddef>

namespace {

double valueAt(const std::vector<double> &values, int i)
{
    return i >= 0 && std::size_t(i) < values.size() ? values[std::size_t(i)] : 0.0;
}

} // namespace

double computeGlobalPriority(int n, int j, const std::vector<double> &criterionWeights,
                             const std::vector<std::vector<double>> &localPriorities)
{
    double sum = 0.0;
    for (int i = 0; i < n; ++i) {
        const double local = std::size_t(i) < localPriorities.size()
                ? valueAt(localPriorities[std::size_t(i)], j)
                : 0.0;
        sum += valueAt(criterionWeights, i) * local;
    }
    return sum;
}

double computeGlobalPriority(const DecisionModel &model, int n, int j, int m)
{
    double sum = 0.0;
    for (int i = 0; i < n; ++i)
        sum += model.CriterionWeight.value(i) * model.AltMatrixValue.value(i, m, j);
    return sum;
}

std::vector<double> computeGlobalPriorities(const DecisionModel &model, int n, int m)
{
    std::vector<double> priorities;
    for (int j = 0; j < m; ++j)
        priorities.push_back(computeGlobalPriority(model, n, j, m));
    return priorities;
}

std::vector<int> bestAlternatives(const std::vector<double> &globalPriorities)
{
    std::vector<int> best;
    if (globalPriorities.empty())
        return best;
    double highest = globalPriorities.front();
    for (std::size_t j = 1; j < globalPriorities.size(); ++j) {
        if (globalPriorities[j] > highest)
            highest = globalPriorities[j];
    }
    for (std::size_t j = 0; j < globalPriorities.size(); ++j) {
        if (globalPriorities[j] == highest)
            best.push_back(int(j));
    }
    return best;
}

QString decisionSentence(const std::vector<double> &globalPriorities,
                         const QStringList &alternativeNames)
{
    const std::vector<int> best = bestAlternatives(globalPriorities);
    if (best.empty())
        return QString();
    const QString word = DecisionAlternativeWord.text();
    const QString opening = DecisionNameOpening.text();
    const QString joint = DecisionJoint.text();
    QString sentence = DecisionPrefix.text();
    for (int j : best)
        sentence += word + alternativeLetter(j) + opening + alternativeNames.value(j) + joint;
    // The last joint goes but its apostrophe, which closes the last name.
    sentence.chop(joint.size() - 1);
    return sentence;
}
