#pragma once

#include <QString>
#include <QStringList>

#include <vector>

struct DecisionModel;

extern const QString DecisionPrefix;
extern const QString DecisionAlternativeWord;
extern const QString DecisionNameOpening;
extern const QString DecisionJoint;
// The tail cut off the finished sentence: the last joint but its apostrophe.
constexpr int DecisionTailLength = 5;

// Global priority of alternative j: the sum over criteria i = 0..n-1, in that order and from
// 0.0, of criterionWeights[i] * localPriorities[i][j]. A value missing from either list
// counts as 0.0.
double computeGlobalPriority(int n, int j, const std::vector<double> &criterionWeights,
                             const std::vector<std::vector<double>> &localPriorities);
// The same over the model: CriterionWeight[i] and AltMatrixValue[i][m][j], m selecting the
// column that holds the local priorities.
double computeGlobalPriority(const DecisionModel &model, int n, int j, int m);
// Global priorities of alternatives 0..m-1.
std::vector<double> computeGlobalPriorities(const DecisionModel &model, int n, int m);

// Indices, in order, of the alternatives whose priority equals the highest one exactly (as
// doubles, no tolerance). The highest is found by a strict ">" scan from the first.
std::vector<int> bestAlternatives(const std::vector<double> &globalPriorities);

// "Для Вашей задачи наиболее оптимальна альтернатива A -'Name1' или альтернатива C -'Name3'".
// A name missing from the list counts as empty; no alternatives give an empty text.
QString decisionSentence(const std::vector<double> &globalPriorities,
                         const QStringList &alternativeNames);
