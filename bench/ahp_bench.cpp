// How long the computations behind one click take: the priorities of one matrix, a whole
// synthesis of the largest decision, one mirroring pass, the session reset of the window, and
// --results of the largest decision with sub-criteria.

#include "benchgrid.h"

#include "app/application.h"
#include "app/mainform.h"
#include "document/decisionresults.h"
#include "entry/gridediting.h"
#include "entry/validationpass.h"
#include "model/decisionmodel.h"
#include "model/missingjudgements.h"
#include "model/numberformat.h"
#include "model/priorities.h"
#include "model/revision.h"
#include "model/sensitivity.h"
#include "model/synthesis.h"
#include "platform/updown.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <vector>

namespace {

using Matrix = std::vector<std::vector<double>>;

const double Scale[] = {1.0, 2.0, 3.0, 5.0, 7.0, 9.0, 1.0 / 2, 1.0 / 3, 1.0 / 5, 1.0 / 7, 1.0 / 9};
const char *const ScaleTexts[] = {"1", "2", "3", "5", "7", "9", "1/2", "1/3", "1/5", "1/7", "1/9"};
constexpr int ScaleSize = 11;

// A reciprocal matrix with judgements spread over the whole scale; `shift` varies it.
Matrix judgementMatrix(int n, int shift)
{
    Matrix a(size_t(n), std::vector<double>(size_t(n), 1.0));
    for (int i = 0; i < n; ++i) {
        for (int j = i + 1; j < n; ++j) {
            const double v = Scale[(i * 7 + j * 3 + shift) % ScaleSize];
            a[size_t(i)][size_t(j)] = v;
            a[size_t(j)][size_t(i)] = 1.0 / v;
        }
    }
    return a;
}

void ComputeLocalPriorities(benchmark::State &state)
{
    const int n = int(state.range(0));
    const Matrix a = judgementMatrix(n, 0);
    for (auto _ : state) {
        PriorityResult result = computeLocalPriorities(n, a);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(ComputeLocalPriorities)->Arg(3)->Arg(10)->Arg(15);

constexpr int Criteria = 15;
constexpr int Alternatives = 10;

// Everything the result page needs once the matrices hold numbers: the criteria priorities,
// the local priorities under every criterion, the global priorities and the sentence.
void Synthesis15x10(benchmark::State &state)
{
    const Matrix criteria = judgementMatrix(Criteria, 0);
    std::vector<Matrix> alternatives;
    for (int c = 0; c < Criteria; ++c)
        alternatives.push_back(judgementMatrix(Alternatives, c));
    QStringList names;
    for (int k = 0; k < Alternatives; ++k)
        names << defaultAlternativeName(k);
    auto model = std::make_unique<DecisionModel>();

    for (auto _ : state) {
        const PriorityResult weights = computeLocalPriorities(Criteria, criteria);
        for (int i = 0; i < Criteria; ++i)
            model->CriterionWeight.set(i, weights.weights[size_t(i)]);
        for (int c = 0; c < Criteria; ++c) {
            const PriorityResult local = computeLocalPriorities(Alternatives, alternatives[size_t(c)]);
            for (int k = 0; k < Alternatives; ++k)
                model->AltMatrixValue.set(c, Alternatives, k, local.weights[size_t(k)]);
        }
        const std::vector<double> global = computeGlobalPriorities(*model, Criteria, Alternatives);
        QString sentence = decisionSentence(global, names);
        benchmark::DoNotOptimize(sentence);
    }
}
BENCHMARK(Synthesis15x10)->Unit(benchmark::kMicrosecond);

// The same decision as the window does it: every judgement read from its text, every priority
// and measure written as text.
void Synthesis15x10FromTexts(benchmark::State &state)
{
    auto fill = [](BenchGrid &grid, int n, int shift) {
        for (int i = 0; i < n; ++i) {
            grid.setCellText(i + 1, i + 1, QStringLiteral("1"));
            for (int j = i + 1; j < n; ++j)
                grid.setCellText(j + 1, i + 1, QString::fromLatin1(ScaleTexts[(i * 7 + j * 3 + shift) % ScaleSize]));
        }
        mirrorAll(grid);
    };
    BenchGrid criteria(Criteria);
    fill(criteria, Criteria, 0);
    std::vector<BenchGrid> alternatives;
    for (int c = 0; c < Criteria; ++c) {
        alternatives.emplace_back(Alternatives);
        fill(alternatives.back(), Alternatives, c);
    }
    QStringList names;
    for (int k = 0; k < Alternatives; ++k)
        names << defaultAlternativeName(k);
    auto model = std::make_unique<DecisionModel>();

    for (auto _ : state) {
        Matrix a(Criteria, std::vector<double>(Criteria));
        runValidationPass(criteria, Criteria, [&a](int i, int j, double v) { a[size_t(i)][size_t(j)] = v; });
        const PriorityResult weights = computeLocalPriorities(Criteria, a);
        for (int i = 0; i < Criteria; ++i) {
            model->CriterionWeight.set(i, weights.weights[size_t(i)]);
            criteria.setCellText(Criteria + 1, i + 1, formatPriority(weights.weights[size_t(i)]));
        }
        for (int c = 0; c < Criteria; ++c) {
            Matrix b(Alternatives, std::vector<double>(Alternatives));
            runValidationPass(alternatives[size_t(c)], Alternatives, [&](int i, int j, double v) {
                b[size_t(i)][size_t(j)] = v;
                model->AltMatrixValue.set(c, j, i, v);
            });
            const PriorityResult local = computeLocalPriorities(Alternatives, b);
            for (int k = 0; k < Alternatives; ++k) {
                model->AltMatrixValue.set(c, Alternatives, k, local.weights[size_t(k)]);
                model->AltMatrixText.set(c, Alternatives, k, formatPriority(local.weights[size_t(k)]));
            }
            const double measures[3] = {local.ri, local.ci, local.cr};
            for (int row = 0; row < 3; ++row)
                model->AltMatrixText.set(c, ResultColumn, row, formatGeneral(measures[row]));
        }
        const std::vector<double> global = computeGlobalPriorities(*model, Criteria, Alternatives);
        QStringList globalTexts;
        for (double g : global)
            globalTexts << formatMeasure(g);
        QString sentence = decisionSentence(global, names);
        benchmark::DoNotOptimize(sentence);
        benchmark::DoNotOptimize(globalTexts);
    }
}
BENCHMARK(Synthesis15x10FromTexts)->Unit(benchmark::kMicrosecond);

// One slider step of the sensitivity window on the largest decision: the weights rescaled, the
// global priorities, contributions and ranking, and every criterion's threshold again.
void SensitivityStep15x10(benchmark::State &state)
{
    const std::vector<double> weights = computeLocalPriorities(Criteria, judgementMatrix(Criteria, 0)).weights;
    Matrix local;
    for (int c = 0; c < Criteria; ++c)
        local.push_back(computeLocalPriorities(Alternatives, judgementMatrix(Alternatives, c)).weights);
    int step = 0;
    for (auto _ : state) {
        const int criterion = step % Criteria;
        const double weight = double(step % 100) / 100.0;
        SensitivityState result = computeSensitivity(rescaledWeights(weights, criterion, weight), local);
        benchmark::DoNotOptimize(result);
        ++step;
    }
}
BENCHMARK(SensitivityStep15x10)->Unit(benchmark::kMicrosecond);

// The revision panel of the largest matrix: every pair ranked, three ratios recomputed, the
// intransitive triples listed.
void Revisions15(benchmark::State &state)
{
    const Matrix a = judgementMatrix(Criteria, 0);
    for (auto _ : state) {
        std::vector<JudgementRevision> revisions = judgementRevisions(Criteria, a, 3);
        std::vector<IntransitiveTriple> triples = intransitiveTriples(Criteria, a);
        benchmark::DoNotOptimize(revisions);
        benchmark::DoNotOptimize(triples);
    }
}
BENCHMARK(Revisions15)->Unit(benchmark::kMicrosecond);

// The largest matrix with 49 of its 105 pairs left out: every pair two or more apart whose
// items' distance is even. The pairs of neighbours keep it linked.
Matrix halfMissingMatrix()
{
    Matrix a = judgementMatrix(Criteria, 0);
    for (int i = 0; i < Criteria; ++i) {
        for (int j = i + 2; j < Criteria; j += 2)
            a[size_t(i)][size_t(j)] = a[size_t(j)][size_t(i)] = 0.0;
    }
    return a;
}

void LeastSquares15HalfMissing(benchmark::State &state)
{
    const Matrix a = halfMissingMatrix();
    std::vector<double> weights;
    for (auto _ : state) {
        leastSquaresWeights(Criteria, a, &weights);
        benchmark::DoNotOptimize(weights.data());
    }
}
BENCHMARK(LeastSquares15HalfMissing)->Unit(benchmark::kMicrosecond);

// Everything shown for such a matrix: weights, completed matrix and its ratio, estimates, the
// pair to ask next.
void IncompleteMatrix15HalfMissing(benchmark::State &state)
{
    const Matrix a = halfMissingMatrix();
    for (auto _ : state) {
        IncompleteMatrixResult result = computeIncompleteMatrix(Criteria, a);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(IncompleteMatrix15HalfMissing)->Unit(benchmark::kMicrosecond);

// One pass over a filled 15-item grid, as every click into the criteria grid runs it.
void MirrorAll15(benchmark::State &state)
{
    BenchGrid grid(Criteria);
    for (int i = 1; i <= Criteria; ++i) {
        grid.setCellText(i, i, QStringLiteral("1"));
        for (int j = i + 1; j <= Criteria; ++j)
            grid.setCellText(j, i, QString::fromLatin1(ScaleTexts[(i * 7 + j * 3) % ScaleSize]));
    }
    mirrorAll(grid);
    for (auto _ : state)
        mirrorAll(grid);
}
BENCHMARK(MirrorAll15)->Unit(benchmark::kMicrosecond);

// The reset of the real window for the largest decision.
void ResetSession(benchmark::State &state)
{
    TMainForm form;
    form.findChild<UpDown *>(QStringLiteral("UpDownKrit"))->setPosition(MaxCriteria);
    form.findChild<UpDown *>(QStringLiteral("UpDownAlt"))->setPosition(MaxAlternatives);
    form.show();
    QApplication::processEvents();
    for (auto _ : state) {
        form.resetSession();
    }
}
BENCHMARK(ResetSession)->Unit(benchmark::kMicrosecond);

} // namespace

namespace {

QList<QStringList> judgementTexts(int n, int shift)
{
    QList<QStringList> cells(n, QStringList(n, QStringLiteral("1")));
    for (int i = 0; i < n; ++i) {
        for (int j = i + 1; j < n; ++j) {
            const int k = (i * 7 + j * 3 + shift) % ScaleSize;
            cells[i][j] = QString::fromLatin1(ScaleTexts[k]);
            cells[j][i] = QString::fromLatin1(ScaleTexts[k < 6 ? (k == 0 ? 0 : k + 5) : k - 5]);
        }
    }
    return cells;
}

CriterionNode splitNode(const QString &name, const QList<CriterionNode> &subcriteria, int shift)
{
    return CriterionNode{name, subcriteria, judgementTexts(int(subcriteria.size()), shift)};
}

// Four levels, 50 leaves, 10 alternatives: five top criteria, each split in two, one of them in
// three (the first of those in two again), the other in four (the first of those in three).
DecisionDocument largestHierarchy()
{
    auto leaf = [](const QString &name) { return CriterionNode{name, {}, {}}; };
    Hierarchy tree;
    for (int t = 0; t < 5; ++t) {
        const QString top = QStringLiteral("Критерий %1").arg(t + 1);
        const CriterionNode a1 = splitNode(top + ".1.1", {leaf("a"), leaf("b")}, t);
        const CriterionNode a = splitNode(top + ".1", {a1, leaf("c"), leaf("d")}, t + 1);
        const CriterionNode b1 = splitNode(top + ".2.1", {leaf("e"), leaf("f"), leaf("g")}, t + 2);
        const CriterionNode b = splitNode(top + ".2", {b1, leaf("h"), leaf("i"), leaf("j")}, t + 3);
        tree.criteria << splitNode(top, {a, b}, t + 4);
    }
    tree.judgements = judgementTexts(5, 0);
    DecisionDocument document;
    document.setHierarchy(tree);
    for (int k = 0; k < Alternatives; ++k)
        document.alternatives << defaultAlternativeName(k);
    for (int c = 0; c < tree.leafCount(); ++c)
        document.alternativesJudgements << judgementTexts(Alternatives, c);
    return document;
}

} // namespace

// What --results does once the file is read: every matrix checked and computed from its texts,
// leaf weights, global priorities, sentence, JSON.
void Results50Leaves(benchmark::State &state)
{
    const DecisionDocument document = largestHierarchy();
    if (document.leafCount() != MaxLeaves || document.hierarchy().levels() != MaxCriteriaLevels
        || !computeDecision(document).results) {
        state.SkipWithError("the decision is not the largest computable one");
        return;
    }
    for (auto _ : state) {
        const DecisionComputation computation = computeDecision(document);
        benchmark::DoNotOptimize(resultsJson(*computation.results));
    }
}
BENCHMARK(Results50Leaves)->Unit(benchmark::kMicrosecond);

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    prepareApplication(app);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
