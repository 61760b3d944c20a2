#pragma once

#include "model/translatabletext.h"

#include <QString>
#include <QStringList>

#include <vector>

struct DecisionModel;

// The pieces of the decision sentence. A translation keeps the joint's leading apostrophe: the
// finished sentence loses its last joint but that apostrophe.
inline constexpr TranslatableText DecisionPrefix{"Synthesis", QT_TRANSLATE_NOOP("Synthesis", "Для Вашей задачи наиболее оптимальна ")};
inline constexpr TranslatableText DecisionAlternativeWord{"Synthesis", QT_TRANSLATE_NOOP("Synthesis", "альтернатива ")};
inline constexpr TranslatableText DecisionNameOpening{"Synthesis", QT_TRANSLATE_NOOP("Synthesis", " -'")};
inline constexpr TranslatableText DecisionJoint{"Synthesis", QT_TRANSLATE_NOOP("Synthesis", "' или ")};

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
