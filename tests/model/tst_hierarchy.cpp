#include "model/hierarchy.h"
#include "model/priorities.h"
#include "model/synthesis.h"

#include <QRandomGenerator>
#include <QTest>

#include <cmath>
#include <numeric>

using Vector = std::vector<double>;
using Matrix = std::vector<std::vector<double>>;
Q_DECLARE_METATYPE(Vector)
Q_DECLARE_METATYPE(Matrix)

namespace {

CriterionNode leaf(const QString &name)
{
    return CriterionNode{name, {}, {}};
}

CriterionNode branch(const QString &name, const QList<CriterionNode> &subcriteria)
{
    return CriterionNode{name, subcriteria, {}};
}

// Цена; Качество › (Сборка › (Корпус, Швы), Материалы); Надёжность › (Гарантия, Отзывы).
Hierarchy threeLevels()
{
    Hierarchy tree;
    tree.criteria = {leaf("Цена"),
                     branch("Качество", {branch("Сборка", {leaf("Корпус"), leaf("Швы")}), leaf("Материалы")}),
                     branch("Надёжность", {leaf("Гарантия"), leaf("Отзывы")})};
    return tree;
}

QString twoDecimals(double value)
{
    return QString::number(value, 'f', 2);
}

Matrix reciprocal(const Vector &upper, int n)
{
    Matrix a(size_t(n), Vector(size_t(n), 1.0));
    size_t k = 0;
    for (int i = 0; i < n; ++i) {
        for (int j = i + 1; j < n; ++j) {
            a[size_t(i)][size_t(j)] = upper[k];
            a[size_t(j)][size_t(i)] = 1.0 / upper[k];
            ++k;
        }
    }
    return a;
}

} // namespace

class TstHierarchy : public QObject
{
    Q_OBJECT

private slots:
    void places();
    void handWorked_data();
    void handWorked();
    void leafWeightsSumToOne();
    void pinnedOrderDecidesTie();
    void orderTwoMatrix_data();
    void orderTwoMatrix();
    void compactTree();
};

void TstHierarchy::places()
{
    const Hierarchy tree = threeLevels();
    QCOMPARE(tree.levels(), 3);
    QCOMPARE(tree.leaves().at(2).path, CriterionPath({1, 0, 1}));
    QCOMPARE(tree.pathText(tree.leaves().at(2).path), QStringLiteral("Качество › Сборка › Швы"));
    // A criterion before its own sub-criteria, those before the next criterion.
    QCOMPARE(tree.subcriteriaPlaces().at(1).path, CriterionPath({1, 0}));
    QCOMPARE(tree.subcriteriaPlaces().at(2).path, CriterionPath({2}));
    QCOMPARE(tree.leafIndex({2, 1}), 5);
    QCOMPARE(tree.leafIndex({1}), -1);
    QVERIFY(!tree.node({1, 5}) && !tree.node({-1}) && tree.pathNames({3, 0}).isEmpty());
}

void TstHierarchy::handWorked_data()
{
    QTest::addColumn<Vector>("top");
    QTest::addColumn<Matrix>("subcriteria");
    QTest::addColumn<Vector>("leafWeights");
    QTest::addColumn<Vector>("global"); // of two alternatives, locals below

    // Worked by hand: Качество 0.5 × Сборка 0.6 × Корпус 0.25 = 0.075, and so on.
    QTest::newRow("three levels") << Vector{0.3, 0.5, 0.2} << Matrix{{0.6, 0.4}, {0.25, 0.75}, {0.5, 0.5}}
                                  << Vector{0.3, 0.075, 0.225, 0.2, 0.1, 0.1} << Vector{0.535, 0.465};
    QTest::newRow("a sub-criterion weighs nothing") << Vector{0.3, 0.5, 0.2} << Matrix{{1.0, 0.0}, {0.25, 0.75}, {0.5, 0.5}}
                                                    << Vector{0.3, 0.125, 0.375, 0.0, 0.1, 0.1} << Vector{0.515, 0.485};
    QTest::newRow("weights missing count as nothing") << Vector{0.3, 0.5, 0.2} << Matrix{{0.6, 0.4}}
                                                      << Vector{0.3, 0.0, 0.0, 0.2, 0.0, 0.0} << Vector{0.3, 0.2};
}

void TstHierarchy::handWorked()
{
    QFETCH(Vector, top);
    QFETCH(Matrix, subcriteria);
    QFETCH(Vector, leafWeights);
    QFETCH(Vector, global);
    const Matrix locals{{0.5, 0.5}, {0.8, 0.2}, {0.6, 0.4}, {0.75, 0.25}, {0.1, 0.9}, {0.3, 0.7}};
    const Vector weights = ::leafWeights(threeLevels(), top, subcriteria);
    QCOMPARE(weights.size(), leafWeights.size());
    for (size_t i = 0; i < weights.size(); ++i)
        QVERIFY2(std::fabs(weights[i] - leafWeights[i]) < 1e-15, qPrintable(QString::number(i)));
    const Vector computed = hierarchyGlobalPriorities(2, weights, locals);
    QCOMPARE(computed.size(), size_t(2));
    for (size_t j = 0; j < 2; ++j)
        QVERIFY2(std::fabs(computed[j] - global[j]) < 1e-15, qPrintable(QString::number(computed[j], 'g', 17)));
}

void TstHierarchy::leafWeightsSumToOne()
{
    QRandomGenerator random(20240611);
    const double scale[] = {1.0 / 9, 1.0 / 7, 1.0 / 5, 1.0 / 3, 1.0, 2.0, 3.0, 5.0, 7.0, 9.0, 2.5};
    auto weightsOf = [&](int n) {
        Vector upper;
        for (int k = 0; k < n * (n - 1) / 2; ++k)
            upper.push_back(scale[random.bounded(11)]);
        return computeLocalPriorities(n, reciprocal(upper, n)).weights;
    };
    for (int round = 0; round < 50; ++round) {
        // Four levels: every top criterion split, its first sub-criterion split twice more.
        Hierarchy tree;
        const int top = 3 + int(random.bounded(4));
        for (int i = 0; i < top; ++i) {
            CriterionNode deepest = branch("d", {leaf("x"), leaf("y"), leaf("z")});
            CriterionNode middle = branch("m", {deepest, leaf("w")});
            tree.criteria << branch("t", {middle, leaf("v"), leaf("u")});
        }
        QCOMPARE(tree.levels(), MaxCriteriaLevels);
        std::vector<Vector> subcriteria;
        for (const TreePlace &place : tree.subcriteriaPlaces())
            subcriteria.push_back(weightsOf(int(tree.node(place.path)->subcriteria.size())));
        const Vector weights = leafWeights(tree, weightsOf(top), subcriteria);
        QCOMPARE(int(weights.size()), tree.leafCount());
        const double sum = std::accumulate(weights.begin(), weights.end(), 0.0);
        QVERIFY2(std::fabs(sum - 1.0) < 1e-12, qPrintable(QString::number(sum, 'g', 17)));
    }
}

// Leaf weights are multiplied from the top down and the leaves summed depth-first from 0: with
// these numbers the first two alternatives draw level, and any other order splits them.
void TstHierarchy::pinnedOrderDecidesTie()
{
    Hierarchy tree;
    tree.criteria = {branch("T0", {branch("S0", {leaf("U0"), leaf("U1")}), leaf("S1")}), leaf("T1"), leaf("T2")};
    const Vector top{0.45, 0.35, 0.2};
    const std::vector<Vector> subcriteria{{0.7, 0.3}, {0.25, 0.75}};
    const Matrix locals{{0.45, 0.95}, {0.6, 0.1}, {0.2, 0.95}, {0.3, 0.35}, {0.65, 0.45}}; // [leaf][alternative]

    const Vector weights = leafWeights(tree, top, subcriteria);
    QVERIFY(weights[0] == (0.45 * 0.7) * 0.25);
    QVERIFY(weights[1] == (0.45 * 0.7) * 0.75);
    const Vector global = hierarchyGlobalPriorities(2, weights, locals);
    QCOMPARE(bestAlternatives(global), std::vector<int>({0, 1}));

    // The case tells the orders apart: products from the bottom up, or the leaves summed from the
    // last, break the tie.
    const Vector bottomUp{0.45 * (0.7 * 0.25), 0.45 * (0.7 * 0.75), weights[2], weights[3], weights[4]};
    QCOMPARE(bestAlternatives(hierarchyGlobalPriorities(2, bottomUp, locals)).size(), size_t(1));
    Vector reversed;
    for (int j = 0; j < 2; ++j) {
        double sum = 0.0;
        for (int leaf = 4; leaf >= 0; --leaf)
            sum += weights[size_t(leaf)] * locals[size_t(leaf)][size_t(j)];
        reversed.push_back(sum);
    }
    QCOMPARE(bestAlternatives(reversed).size(), size_t(1));
}

void TstHierarchy::orderTwoMatrix_data()
{
    QTest::addColumn<double>("judgement");
    QTest::newRow("equal") << 1.0;
    QTest::newRow("3") << 3.0;
    QTest::newRow("1/9") << 1.0 / 9;
    QTest::newRow("9") << 9.0;
    QTest::newRow("2.5") << 2.5;
    QTest::newRow("1/7") << 1.0 / 7;
}

// Any 2 x 2 reciprocal matrix is consistent: no random index, a ratio of 0, never flagged.
void TstHierarchy::orderTwoMatrix()
{
    QFETCH(double, judgement);
    const PriorityResult result = computeLocalPriorities(2, reciprocal({judgement}, 2));
    QCOMPARE(result.weights.size(), size_t(2));
    QVERIFY(std::fabs(result.weights[0] - judgement / (1.0 + judgement)) < 1e-15);
    QVERIFY(std::fabs(result.lambdaMax - 2.0) < 1e-15);
    QVERIFY(result.ci < 1e-15);
    QCOMPARE(result.ri, 0.0);
    QCOMPARE(result.cr, 0.0);
    QVERIFY(!result.inconsistent);
}

void TstHierarchy::compactTree()
{
    const QStringList lines = compactTreeLines(threeLevels(), {0.3, 0.5, 0.2}, {{0.6, 0.4}, {0.25, 0.75}, {0.5, 0.5}},
                                               twoDecimals);
    QCOMPARE(lines, QStringList({"Цена 0.30",
                                 "Качество 0.50 › Сборка 0.30 (Корпус 0.07, Швы 0.22), Материалы 0.20",
                                 "Надёжность 0.20 › Гарантия 0.10, Отзывы 0.10"}));
}

QTEST_GUILESS_MAIN(TstHierarchy)
#include "tst_hierarchy.moc"
