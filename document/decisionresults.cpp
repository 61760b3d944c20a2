#include "document/decisionresults.h"

#include "document/jsontext.h"
#include "entry/textgrid.h"
#include "entry/validationpass.h"
#include "model/synthesis.h"

#include <QCoreApplication>
#include <QLocale>

namespace {

// A matrix of the document as the window's comparison grid shows it: item i over item j in cell
// (j + 1, i + 1), in the locale's form. Read-only: the pass never writes.
class DocumentGrid : public TextGrid
{
public:
    DocumentGrid(const QList<QStringList> &cells, QChar decimalPoint)
        : m_cells(cells), m_decimalPoint(decimalPoint)
    {
    }
    int colCount() const override { return int(m_cells.size()) + 1; }
    int rowCount() const override { return int(m_cells.size()) + 1; }
    QString cellText(int col, int row) const override
    {
        const QStringList rowCells = m_cells.value(row - 1);
        return fromFileText(rowCells.value(col - 1), m_decimalPoint);
    }
    void setCellText(int, int, const QString &) override {}
    int currentCol() const override { return 1; }
    int currentRow() const override { return 1; }

private:
    const QList<QStringList> &m_cells;
    QChar m_decimalPoint;
};

// Validates and computes one matrix as CalcBtnClick and CalcBtn2Click do; with missing
// judgements allowed, by least squares over the pairs given.
std::optional<JudgementFailure> computeMatrix(const DecisionDocument &document, int matrix,
                                              const QList<QStringList> &cells, int order,
                                              QChar decimalPoint, PriorityResult *result,
                                              MissingPairs *left = nullptr)
{
    JudgementFailure bad;
    bad.matrix = matrix;
    if (document.allowMissing) {
        IncompleteMatrixResult incomplete = computeIncompleteMatrix(cells, order, true, QLocale());
        if (incomplete.problem) {
            bad.row = incomplete.problem->row;
            bad.col = incomplete.problem->col;
            bad.text = cells.value(bad.row).value(bad.col);
            bad.message = incomplete.problem->message;
            bad.place = describeCell(document, matrix, bad.row, bad.col);
            return bad;
        }
        if (!incomplete.computed()) {
            bad.unlinked = incomplete.unlinked;
            bad.message = unlinkedItemsText(matrixItems(document, matrix), incomplete.unlinked);
            bad.place = describeMatrix(document, matrix);
            return bad;
        }
        *result = incomplete.priorities;
        if (left)
            *left = MissingPairs{incomplete.missing, incomplete.estimated, incomplete.askNext};
        return std::nullopt;
    }
    std::vector<std::vector<double>> a(size_t(order), std::vector<double>(size_t(order), 0.0));
    const DocumentGrid grid(cells, decimalPoint);
    const auto failure = runValidationPass(grid, order, [&a](int i, int j, double value) {
        a[size_t(i)][size_t(j)] = value;
    });
    if (failure) {
        bad.row = failure->row - 1;
        bad.col = failure->col - 1;
        bad.text = cells.value(bad.row).value(bad.col);
        bad.message = failure->message;
        bad.place = describeCell(document, matrix, bad.row, bad.col);
        return bad;
    }
    *result = computeLocalPriorities(order, a);
    return std::nullopt;
}

QByteArray matrixJson(const PriorityResult &result, const MissingPairs *left = nullptr)
{
    QByteArray out("{\"weights\": [");
    for (size_t i = 0; i < result.weights.size(); ++i) {
        if (i > 0)
            out += ", ";
        out += JsonText::number(result.weights[i]);
    }
    out += "], \"lambdaMax\": " + JsonText::number(result.lambdaMax);
    out += ", \"ci\": " + JsonText::number(result.ci);
    out += ", \"ri\": " + JsonText::number(result.ri);
    out += ", \"cr\": " + JsonText::number(result.cr);
    out += ", \"inconsistent\": ";
    out += result.inconsistent ? "true" : "false";
    if (left) {
        out += ", \"missing\": " + QByteArray::number(left->missing) + ", \"estimated\": [";
        for (size_t k = 0; k < left->estimated.size(); ++k) {
            const EstimatedJudgement &e = left->estimated[k];
            if (k > 0)
                out += ", ";
            out += '[' + QByteArray::number(e.row) + ", " + QByteArray::number(e.col) + ", "
                    + JsonText::number(e.value) + ']';
        }
        out += ']';
        if (left->askNext)
            out += ", \"askNext\": [" + QByteArray::number(left->askNext->row) + ", "
                    + QByteArray::number(left->askNext->col) + ']';
    }
    out += '}';
    return out;
}

QByteArray pathJson(const CriterionPath &path)
{
    QByteArray out("[");
    for (qsizetype i = 0; i < path.size(); ++i) {
        if (i > 0)
            out += ", ";
        out += QByteArray::number(path.at(i));
    }
    return out + ']';
}

} // namespace

DecisionComputation computeDecision(const DecisionDocument &document)
{
    DecisionComputation computation;
    const QChar point = decimalPointOf(QLocale());
    DecisionResults results;
    results.allowMissing = document.allowMissing;
    const Hierarchy tree = document.hierarchy();
    if (auto failure = computeMatrix(document, CriteriaMatrix, document.criteriaJudgements,
                                     document.criteriaCount(), point, &results.criteria, &results.criteriaLeft)) {
        computation.failure = failure;
        return computation;
    }
    const QList<TreePlace> inner = tree.subcriteriaPlaces();
    std::vector<std::vector<double>> subcriteriaWeights;
    for (int k = 0; k < inner.size(); ++k) {
        const CriterionNode *node = tree.node(inner.at(k).path);
        SubcriteriaResult sub{inner.at(k).path, inner.at(k).name, {}, {}};
        if (auto failure = computeMatrix(document, subcriteriaMatrix(k), node->judgements,
                                         int(node->subcriteria.size()), point, &sub.matrix, &sub.left)) {
            computation.failure = failure;
            return computation;
        }
        subcriteriaWeights.push_back(sub.matrix.weights);
        results.subcriteria.push_back(sub);
    }
    const int m = document.alternativesCount();
    const QList<TreePlace> leaves = tree.leaves();
    results.alternatives.resize(size_t(leaves.size()));
    results.alternativesLeft.resize(size_t(leaves.size()));
    for (int c = 0; c < leaves.size(); ++c) {
        if (auto failure = computeMatrix(document, c, document.alternativesJudgements.value(c), m,
                                         point, &results.alternatives[size_t(c)],
                                         &results.alternativesLeft[size_t(c)])) {
            computation.failure = failure;
            return computation;
        }
    }
    const std::vector<double> weights = leafWeights(tree, results.criteria.weights, subcriteriaWeights);
    for (int c = 0; c < leaves.size(); ++c)
        results.leaves.push_back({leaves.at(c).path, leaves.at(c).name, weights.at(size_t(c))});
    std::vector<std::vector<double>> locals;
    for (const PriorityResult &alt : results.alternatives)
        locals.push_back(alt.weights);
    results.global = hierarchyGlobalPriorities(m, weights, locals);
    results.best = bestAlternatives(results.global);
    results.decision = decisionSentence(results.global, document.alternatives);
    computation.results = results;
    return computation;
}

QByteArray resultsJson(const DecisionResults &results)
{
    QByteArray out("{\"criteria\": ");
    auto left = [&results](const MissingPairs &pairs) { return results.allowMissing ? &pairs : nullptr; };
    out += matrixJson(results.criteria, left(results.criteriaLeft));
    out += ", \"subcriteria\": [";
    for (size_t k = 0; k < results.subcriteria.size(); ++k) {
        const SubcriteriaResult &sub = results.subcriteria[k];
        if (k > 0)
            out += ", ";
        out += "{\"path\": " + pathJson(sub.path) + ", \"name\": " + JsonText::string(sub.name)
                + ", \"matrix\": " + matrixJson(sub.matrix, left(sub.left)) + '}';
    }
    out += "], \"leaves\": [";
    for (size_t c = 0; c < results.leaves.size(); ++c) {
        const LeafResult &leaf = results.leaves[c];
        if (c > 0)
            out += ", ";
        out += "{\"path\": " + pathJson(leaf.path) + ", \"name\": " + JsonText::string(leaf.name)
                + ", \"weight\": " + JsonText::number(leaf.weight) + '}';
    }
    out += "], \"alternatives\": [";
    for (size_t c = 0; c < results.alternatives.size(); ++c) {
        if (c > 0)
            out += ", ";
        out += matrixJson(results.alternatives[c], c < results.alternativesLeft.size() ? left(results.alternativesLeft[c]) : nullptr);
    }
    out += "], \"global\": [";
    for (size_t j = 0; j < results.global.size(); ++j) {
        if (j > 0)
            out += ", ";
        out += JsonText::number(results.global[j]);
    }
    out += "], \"best\": [";
    for (size_t j = 0; j < results.best.size(); ++j) {
        if (j > 0)
            out += ", ";
        out += QByteArray::number(results.best[j]);
    }
    out += "], \"decision\": " + JsonText::string(results.decision) + "}\n";
    return out;
}

QString failureText(const JudgementFailure &failure)
{
    if (!failure.unlinked.empty())
        return failure.place + QStringLiteral(": ") + failure.message;
    return QCoreApplication::translate("DecisionFile", "%1: %2 (в ячейке «%3»)")
            .arg(failure.message, failure.place, failure.text);
}
