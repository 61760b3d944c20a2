#pragma once

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
    QString userName;
    QString dateText;
};

// The decision of a finished wizard: the weights and local priorities of the model, the
// criteria matrix from its grid and the alternatives matrices from the model's stores.
SensitivityData collectSensitivityData(const DecisionModel &model, const StringGrid &criteriaGrid,
                                       const QStringList &criteria, const QStringList &alternatives);
