#include "app/resultreport.h"

#include "app/pagetexts.h"

#include "document/decisiondocument.h"
#include "document/decisionresults.h"
#include "model/decisionmodel.h"
#include "model/numberformat.h"

#include <QDate>
#include <QLocale>

namespace {
// The date stamp's form, as the window writes it.
const QString DateFormat = QStringLiteral("dd.MM.yyyy");
constexpr int ResultPageIndex = 4;

QString shortWeight(double weight)
{
    return QLocale().toString(weight, 'f', 2);
}

// A row a leaf: its name, its weight, the local priorities of the alternatives under it. Fifty
// leaves do not fit across one sheet at a readable size; ten alternatives do. A leaf goes by its
// name, which the weights' tree places, or by its path where another leaf has the same name.
void fillLeafTable(ReportData &data, const DecisionDocument &document, const DecisionResults &results)
{
    const int m = document.alternativesCount();
    const Hierarchy tree = document.hierarchy();
    QStringList leafNames;
    for (const LeafResult &leaf : results.leaves)
        leafNames << leaf.name;
    QStringList header{LeafHeader.text(), LeafWeightHeader.text()};
    for (int j = 0; j < m; ++j)
        header << alternativeLetter(j);
    data.table.append(header);
    for (size_t c = 0; c < results.leaves.size(); ++c) {
        const LeafResult &leaf = results.leaves[c];
        QStringList row{leafNames.count(leaf.name) > 1 ? tree.pathText(leaf.path) : leaf.name, formatPriority(leaf.weight)};
        const std::vector<double> &weights = results.alternatives.at(c).weights;
        for (int j = 0; j < m; ++j)
            row << formatPriority(size_t(j) < weights.size() ? weights[size_t(j)] : 0.0);
        data.table.append(row);
    }
    std::vector<std::vector<double>> subcriteriaWeights;
    for (const SubcriteriaResult &sub : results.subcriteria)
        subcriteriaWeights.push_back(sub.matrix.weights);
    data.hierarchyLines = compactTreeLines(tree, results.criteria.weights, subcriteriaWeights, shortWeight);
}

void fillCriteriaTable(ReportData &data, const DecisionDocument &document, const DecisionResults &results)
{
    const int n = document.criteriaCount();
    const int m = document.alternativesCount();
    // Column 0 holds the letters, column i + 1 the local priorities under criterion i.
    QStringList header{LocalPrioritiesHeader.text()};
    header += document.criteria;
    data.table.append(header);
    for (int j = 0; j < m; ++j) {
        QStringList row{alternativeLetter(j)};
        for (int i = 0; i < n; ++i) {
            const std::vector<double> &weights = results.alternatives.at(size_t(i)).weights;
            row << formatPriority(size_t(j) < weights.size() ? weights[size_t(j)] : 0.0);
        }
        data.table.append(row);
    }
}

// Values that rest on estimated judgements are printed in italics, and a note under the sheet
// says so and how many judgements were given in all.
void markEstimates(ReportData &data, const DecisionDocument &document, const DecisionResults &results)
{
    const int m = document.alternativesCount();
    int given = results.criteriaLeft.given(document.criteriaCount());
    int pairs = given + results.criteriaLeft.missing;
    bool weightsEstimated = results.criteriaLeft.missing > 0;
    for (const SubcriteriaResult &sub : results.subcriteria) {
        const int order = int(sub.matrix.weights.size());
        given += sub.left.given(order);
        pairs += order * (order - 1) / 2;
        weightsEstimated = weightsEstimated || sub.left.missing > 0;
    }
    const bool tree = document.hasSubcriteria();
    bool anyEstimated = weightsEstimated && tree;
    for (size_t c = 0; c < results.alternativesLeft.size(); ++c) {
        const MissingPairs &left = results.alternativesLeft[c];
        given += left.given(m);
        pairs += m * (m - 1) / 2;
        const int row = int(c) + 1;
        if (tree && weightsEstimated)
            data.estimatedCells.append({1, row});
        if (left.missing == 0)
            continue;
        anyEstimated = true;
        for (int j = 0; j < m; ++j)
            data.estimatedCells.append(tree ? QPair<int, int>{j + 2, row} : QPair<int, int>{row, j + 1});
    }
    const QString count = givenCountNote(given, pairs);
    data.estimateNote = anyEstimated ? EstimatedValuesNote.text() + QStringLiteral(" ") + count : count;
}
}

ReportData resultReportData(const DecisionDocument &document, const DecisionResults &results,
                            const QString &dateText)
{
    const int m = document.alternativesCount();
    ReportData data;
    data.pageIndex = ResultPageIndex;
    data.alternativesCount = m;
    data.alternativeNames = document.alternatives;
    data.criteriaNames = document.criteria;
    data.userName = document.user;
    data.dateText = dateText;

    if (document.hasSubcriteria()) {
        fillLeafTable(data, document, results);
    } else {
        fillCriteriaTable(data, document, results);
    }
    if (results.allowMissing)
        markEstimates(data, document, results);
    for (double global : results.global)
        data.globalPriorities << formatMeasure(global);
    data.decision = results.decision;
    return data;
}

QString reportDateText()
{
    return QDate::currentDate().toString(DateFormat);
}
