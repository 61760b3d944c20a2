#include "analysis/sensitivitydata.h"

#include "analysis/matrixsnapshot.h"
#include "model/decisionmodel.h"
#include "model/judgement.h"

#include <QCoreApplication>
#include <QLocale>

namespace {

// A matrix as the file holds it; a pair left out is reviewed as the ratio of the two weights.
ReviewedMatrix reviewed(const QString &title, const QStringList &names, const QList<QStringList> &texts,
                        const std::vector<double> &weights, bool criteria)
{
    ReviewedMatrix matrix;
    matrix.title = title;
    matrix.names = names;
    matrix.criteria = criteria;
    matrix.texts = texts;
    const int n = int(names.size());
    matrix.a.assign(size_t(n), std::vector<double>(size_t(n), 1.0));
    auto weight = [&weights](int i) { return size_t(i) < weights.size() ? weights[size_t(i)] : 0.0; };
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            const JudgementCheck check = validateJudgement(texts.value(i).value(j), QLocale::c());
            matrix.a[size_t(i)][size_t(j)] = check.valid ? check.value : weight(j) > 0.0 ? weight(i) / weight(j) : 1.0;
        }
    }
    return matrix;
}

}

SensitivityData collectSensitivityData(const DecisionModel &model, const StringGrid &criteriaGrid,
                                       const QStringList &criteria, const QStringList &alternatives)
{
    SensitivityData data;
    data.criteria = criteria;
    data.alternatives = alternatives;
    const int n = qMin(int(criteria.size()), MaxCriterionSlots);
    const int m = qMin(int(alternatives.size()), StoreRows);

    ReviewedMatrix criteriaMatrix;
    criteriaMatrix.title = QCoreApplication::translate("SensitivityData", "Матрица относительной важности критериев");
    criteriaMatrix.names = criteria;
    criteriaMatrix.criteria = true;
    const MatrixSnapshot snapshot = snapshotOf(criteriaGrid, n);
    criteriaMatrix.texts = snapshot.texts;
    const MatrixReading reading = readMatrix(snapshot);
    criteriaMatrix.a = reading.a;
    if (reading.failure) {
        // Only pairs left out get this far: the matrix was computed. It is reviewed completed,
        // each estimate the ratio of the two weights.
        criteriaMatrix.a.assign(size_t(n), std::vector<double>(size_t(n), 1.0));
        for (int i = 0; i < n; ++i) {
            for (int j = 0; j < n; ++j) {
                const JudgementCheck check = validateJudgement(snapshot.texts.value(i).value(j));
                criteriaMatrix.a[size_t(i)][size_t(j)] = check.valid ? check.value
                                                                     : model.CriterionWeight.value(i) / model.CriterionWeight.value(j);
            }
        }
    }
    data.matrices.push_back(criteriaMatrix);

    for (int i = 0; i < n; ++i) {
        data.weights.push_back(model.CriterionWeight.value(i));
        std::vector<double> local;
        ReviewedMatrix matrix;
        matrix.title = QCoreApplication::translate("SensitivityData", "Матрица сравнения для критерия «%1»").arg(criteria.at(i));
        matrix.names = alternatives;
        matrix.a.assign(size_t(m), std::vector<double>(size_t(m), 0.0));
        for (int j = 0; j < m; ++j) {
            local.push_back(model.AltMatrixValue.value(i, m, j));
            QStringList line;
            for (int k = 0; k < m; ++k) {
                // The stores keep item j over item k in column k, row j.
                matrix.a[size_t(j)][size_t(k)] = model.AltMatrixValue.value(i, k, j);
                line << model.AltMatrixText.value(i, k, j);
            }
            matrix.texts << line;
        }
        data.localPriorities.push_back(local);
        data.matrices.push_back(matrix);
    }
    return data;
}

void setSensitivityTree(SensitivityData &data, TreeSensitivity tree, const QList<QList<QStringList>> &leafJudgements)
{
    data.criteria = tree.levelNames(0);
    data.weights = tree.levelWeights(0);
    data.localPriorities = tree.levelPriorities(0);
    data.matrices.clear();
    const Hierarchy &hierarchy = tree.tree();
    data.matrices.push_back(reviewed(QCoreApplication::translate("SensitivityData", "Матрица относительной важности критериев"),
                                     data.criteria, hierarchy.judgements, data.weights, true));
    const QList<TreePlace> inner = hierarchy.subcriteriaPlaces();
    for (int k = 0; k < inner.size(); ++k) {
        const CriterionNode *node = hierarchy.node(inner.at(k).path);
        data.matrices.push_back(reviewed(QCoreApplication::translate("SensitivityData", "Матрица подкритериев «%1»")
                                                 .arg(hierarchy.pathText(inner.at(k).path)),
                                         tree.levelNames(k + 1), node ? node->judgements : QList<QStringList>(),
                                         tree.levelWeights(k + 1), true));
    }
    const QList<TreePlace> leaves = hierarchy.leaves();
    for (int c = 0; c < leaves.size(); ++c) {
        const std::vector<double> none;
        data.matrices.push_back(reviewed(QCoreApplication::translate("SensitivityData", "Матрица сравнения для критерия «%1»")
                                                 .arg(hierarchy.pathText(leaves.at(c).path)),
                                         data.alternatives, leafJudgements.value(c),
                                         size_t(c) < tree.leafPriorities().size() ? tree.leafPriorities()[size_t(c)] : none,
                                         false));
    }
    data.tree = std::move(tree);
}
