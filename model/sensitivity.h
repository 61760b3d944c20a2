#pragma once

#include <vector>

// How robust the choice is to the weights of the criteria. weights[i] is the weight of criterion
// i; localPriorities[i][j] is the priority of alternative j under criterion i. The functions are
// total: lists of mismatched shapes or values that are not finite numbers give empty results.

struct WeightThreshold {
    int criterion = 0;
    bool exists = false;   // some weight in [0, 1] lets another alternative draw level with the best
    double weight = 0.0;   // that weight of the criterion, the other weights scaled in proportion to sum to 1
    int newBest = -1;      // the alternative that draws level there
};

// localPriorities[i][j]: priority of alternative j under criterion i. The best alternative is the first
// with the highest global priority. Per criterion, of all the weights where another alternative draws
// level with the best, the one nearest to the criterion's present weight (equal distances: lower index).
//
// With criterion i at weight t and the others rescaled as rescaledWeights does, every global
// priority is linear in t, so each other alternative meets the best at most once in [0, 1].
// - An alternative whose global priority equals the best one's exactly at the present weights
//   (the result page names both) draws level at the present weight: distance 0.
// - Parallel lines never meet: no threshold from that alternative.
// - A criterion holding all the weight (the others all 0) shares the rest equally among the
//   others as its weight goes down, as the slider does.
// - A single criterion cannot be moved: only a present tie gives it a threshold.
// - Crossings within 1e-12 outside [0, 1] (rounding) count, clamped to the bound; distances
//   within 1e-12 of each other are equal.
// One entry per criterion, in order; empty for bad input (no criteria, local priorities not one
// row per criterion of equal length, a weight or priority negative or not finite).
std::vector<WeightThreshold> weightThresholds(const std::vector<double> &criterionWeights,
                                              const std::vector<std::vector<double>> &localPriorities);

// The same, with the present global priorities given: where they are summed another way (a tree's
// leaves), the best alternative and the present ties are those of that sum.
std::vector<WeightThreshold> weightThresholds(const std::vector<double> &criterionWeights,
                                              const std::vector<std::vector<double>> &localPriorities,
                                              const std::vector<double> &globals);

// The criterion whose threshold is nearest in relative terms, |weight - w| / w; equal: lower index; -1 if none.
// Relative distances within 1e-12 of each other are equal. A threshold of a criterion with weight 0 is infinitely far unless it lies at 0 itself: such a
// criterion is only chosen when no other has a threshold. Entries naming no criterion of the
// list are skipped.
int mostCriticalCriterion(const std::vector<double> &criterionWeights, const std::vector<WeightThreshold> &thresholds);

// (threshold - weight) / weight: the change of a weight that a threshold asks for, +-infinity
// for a weight of 0 (0 when the threshold is 0 too).
double relativeWeightChange(double weight, double threshold);

// The weights with criterion's weight set to weight (clamped to [0, 1]) and the others scaled in
// proportion so that all sum to 1. Others that are all 0 share the rest equally; a single
// criterion always weighs 1. A criterion out of range or a weight that is not finite gives the
// weights unchanged.
std::vector<double> rescaledWeights(const std::vector<double> &weights, int criterion, double weight);

// Global priorities: for alternative j the sum over criteria, in order and from 0.0, of
// weights[i] * localPriorities[i][j] (as computeGlobalPriority sums them). The number of
// alternatives is the length of the first row; a value missing from a list counts as 0.0.
std::vector<double> globalPriorities(const std::vector<double> &weights,
                                     const std::vector<std::vector<double>> &localPriorities);

// contributions[i][j] = weights[i] * localPriorities[i][j]: the part of alternative j's global
// priority that criterion i brings, one row per criterion (a missing value counts as 0.0).
std::vector<std::vector<double>> contributions(const std::vector<double> &weights,
                                               const std::vector<std::vector<double>> &localPriorities);

// Alternatives from the highest global priority down; equal priorities keep the lower index first.
std::vector<int> ranking(const std::vector<double> &globalPriorities);

// Everything the sensitivity window shows for one set of weights.
struct SensitivityState {
    std::vector<double> weights;
    std::vector<double> globals;
    std::vector<std::vector<double>> contributions;
    std::vector<int> ranking;
    std::vector<WeightThreshold> thresholds;
    int mostCritical = -1;
    // The part of each global priority that criteria outside the weights shown bring (one level
    // of a tree below the top); empty when the weights are all the criteria.
    std::vector<double> rest;
};
SensitivityState computeSensitivity(const std::vector<double> &weights,
                                    const std::vector<std::vector<double>> &localPriorities);
