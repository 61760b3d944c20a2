#include "model/sensitivity.h"

#include "model/synthesis.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <numeric>

namespace {

using Matrix = std::vector<std::vector<double>>;

// How far outside [0, 1] a crossing may fall by rounding and still count.
constexpr double CrossingSlack = 1e-12;
// Distances this close are equal: two crossings mirrored about the present weight come out of
// rounding a few units apart, and the lower alternative must still win.
constexpr double DistanceSlack = 1e-12;

bool isUsable(const std::vector<double> &weights, const Matrix &local)
{
    if (weights.empty() || local.size() != weights.size())
        return false;
    for (double w : weights) {
        if (!std::isfinite(w) || w < 0.0)
            return false;
    }
    for (const std::vector<double> &row : local) {
        if (row.size() != local.front().size())
            return false;
        for (double v : row) {
            if (!std::isfinite(v) || v < 0.0)
                return false;
        }
    }
    return true;
}

double valueAt(const std::vector<double> &list, std::size_t k)
{
    return k < list.size() ? list[k] : 0.0;
}

} // namespace

std::vector<double> rescaledWeights(const std::vector<double> &weights, int criterion, double weight)
{
    if (criterion < 0 || std::size_t(criterion) >= weights.size() || !std::isfinite(weight))
        return weights;
    const std::size_t c = std::size_t(criterion);
    std::vector<double> result = weights;
    if (weights.size() == 1) {
        result[c] = 1.0;
        return result;
    }
    const double t = std::clamp(weight, 0.0, 1.0);
    double others = 0.0;
    for (std::size_t k = 0; k < weights.size(); ++k) {
        if (k != c)
            others += weights[k];
    }
    for (std::size_t k = 0; k < weights.size(); ++k) {
        if (k == c)
            result[k] = t;
        else if (others > 0.0)
            result[k] = weights[k] * (1.0 - t) / others;
        else
            result[k] = (1.0 - t) / double(weights.size() - 1);
    }
    return result;
}

std::vector<double> globalPriorities(const std::vector<double> &weights, const Matrix &localPriorities)
{
    std::vector<double> globals;
    if (localPriorities.empty())
        return globals;
    const int m = int(localPriorities.front().size());
    const int n = int(std::max(weights.size(), localPriorities.size()));
    globals.reserve(std::size_t(m));
    for (int j = 0; j < m; ++j)
        globals.push_back(computeGlobalPriority(n, j, weights, localPriorities));
    return globals;
}

Matrix contributions(const std::vector<double> &weights, const Matrix &localPriorities)
{
    Matrix parts;
    parts.reserve(localPriorities.size());
    for (std::size_t i = 0; i < localPriorities.size(); ++i) {
        std::vector<double> row;
        row.reserve(localPriorities[i].size());
        for (double v : localPriorities[i])
            row.push_back(valueAt(weights, i) * v);
        parts.push_back(std::move(row));
    }
    return parts;
}

std::vector<int> ranking(const std::vector<double> &globalPriorities)
{
    std::vector<int> order(globalPriorities.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int x, int y) {
        return globalPriorities[std::size_t(x)] > globalPriorities[std::size_t(y)];
    });
    return order;
}

std::vector<WeightThreshold> weightThresholds(const std::vector<double> &criterionWeights,
                                              const Matrix &localPriorities)
{
    return weightThresholds(criterionWeights, localPriorities, globalPriorities(criterionWeights, localPriorities));
}

std::vector<WeightThreshold> weightThresholds(const std::vector<double> &criterionWeights,
                                              const Matrix &localPriorities, const std::vector<double> &globals)
{
    std::vector<WeightThreshold> thresholds;
    if (!isUsable(criterionWeights, localPriorities) || globals.size() != localPriorities.front().size())
        return thresholds;
    const std::size_t n = criterionWeights.size();
    const std::size_t m = localPriorities.front().size();
    const std::vector<int> best = bestAlternatives(globals);

    for (std::size_t i = 0; i < n; ++i) {
        WeightThreshold threshold;
        threshold.criterion = int(i);
        thresholds.push_back(threshold);
        if (best.empty())
            continue;
        const std::size_t b = std::size_t(best.front());
        const double present = criterionWeights[i];

        // At weight t every global priority is t * local[i][j] + (1 - t) * rest[j], rest[j] being
        // the other criteria's share at weight 0, scaled as rescaledWeights scales them.
        double others = 0.0;
        for (std::size_t k = 0; k < n; ++k) {
            if (k != i)
                others += criterionWeights[k];
        }
        auto rest = [&](std::size_t j) {
            double sum = 0.0;
            for (std::size_t k = 0; k < n; ++k) {
                if (k == i)
                    continue;
                const double share = others > 0.0 ? criterionWeights[k] / others : 1.0 / double(n - 1);
                sum += share * localPriorities[k][j];
            }
            return sum;
        };

        double bestDistance = std::numeric_limits<double>::infinity();
        for (std::size_t j = 0; j < m; ++j) {
            if (j == b)
                continue;
            double crossing = 0.0;
            if (globals[j] == globals[b]) {
                crossing = present;
            } else {
                if (n == 1)
                    continue;
                const double atZero = rest(j) - rest(b);
                const double atOne = localPriorities[i][j] - localPriorities[i][b];
                if (atZero == atOne)
                    continue;
                crossing = atZero / (atZero - atOne);
                if (!std::isfinite(crossing) || crossing < -CrossingSlack || crossing > 1.0 + CrossingSlack)
                    continue;
                crossing = std::clamp(crossing, 0.0, 1.0);
            }
            const double distance = std::fabs(crossing - present);
            if (distance < bestDistance - DistanceSlack) {
                bestDistance = distance;
                thresholds.back().exists = true;
                thresholds.back().weight = crossing;
                thresholds.back().newBest = int(j);
            }
        }
    }
    return thresholds;
}

double relativeWeightChange(double weight, double threshold)
{
    if (threshold == weight)
        return 0.0;
    if (weight == 0.0)
        return threshold > 0.0 ? std::numeric_limits<double>::infinity()
                               : -std::numeric_limits<double>::infinity();
    return (threshold - weight) / weight;
}

int mostCriticalCriterion(const std::vector<double> &criterionWeights, const std::vector<WeightThreshold> &thresholds)
{
    int critical = -1;
    double nearest = 0.0;
    for (const WeightThreshold &t : thresholds) {
        if (!t.exists || t.criterion < 0 || std::size_t(t.criterion) >= criterionWeights.size())
            continue;
        const double distance = std::fabs(relativeWeightChange(criterionWeights[std::size_t(t.criterion)], t.weight));
        if (std::isnan(distance))
            continue;
        const bool level = distance == nearest || std::fabs(distance - nearest) <= DistanceSlack;
        if (critical < 0 || (!level && distance < nearest) || (level && t.criterion < critical)) {
            critical = t.criterion;
            nearest = distance;
        }
    }
    return critical;
}

SensitivityState computeSensitivity(const std::vector<double> &weights, const Matrix &localPriorities)
{
    SensitivityState state;
    state.weights = weights;
    state.globals = globalPriorities(weights, localPriorities);
    state.contributions = contributions(weights, localPriorities);
    state.ranking = ranking(state.globals);
    state.thresholds = weightThresholds(weights, localPriorities);
    state.mostCritical = mostCriticalCriterion(weights, state.thresholds);
    return state;
}
