#pragma once

#include "model/treesensitivity.h"

#include <QString>
#include <QStringList>

#include <vector>

struct DecisionModel;
class StringGrid;

// One comparison matrix of the decision, as the analysis sheet reviews it.
struct ReviewedMatrix
{
    QString title;
    QStringList names;
    bool criteria = false;
    QList<QStringList> texts; // texts[i][j]: item i over item j
    std::vector<std::vector<double>> a;
};

// What the sensitivity window is handed when it opens: the computed decision, copied, so that
// the window never reads a control of the wizard.
struct SensitivityData
{
    QStringList criteria;
    QStringList alternatives;
    std::vector<double> weights;                     // computed weight of each criterion
    std::vector<std::vector<double>> localPriorities; // [criterion][alternative]
    std::vector<ReviewedMatrix> matrices;            // the criteria matrix, then one per criterion
    // A decision with sub-criteria; flat (and unused) otherwise.
    TreeSensitivity tree;
    QString userName;
    QString dateText;
};

// The decision of a finished wizard: the weights and local priorities of the model, the
// criteria matrix from its grid and the alternatives matrices from the model's stores.
SensitivityData collectSensitivityData(const DecisionModel &model, const StringGrid &criteriaGrid,
                                       const QStringList &criteria, const QStringList &alternatives);

// A decision with sub-criteria: its levels, the top level in the fields above (each top criterion's
// priorities being its contribution per unit of weight), and every matrix of the tree to review.
// leafJudgements: the alternatives matrix of each leaf, depth-first, texts in the file's form.
void setSensitivityTree(SensitivityData &data, TreeSensitivity tree, const QList<QList<QStringList>> &leafJudgements);
