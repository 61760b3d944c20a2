#include "randommatrix_helpers.h"

#include "model/treesensitivity.h"

#include <QTest>

#include <cstring>

using Vector = std::vector<double>;
Q_DECLARE_METATYPE(Vector)

namespace {

CriterionNode leaf(const QString &name)
{
    return CriterionNode{name, {}, {}};
}

CriterionNode branch(const QString &name, const QList<CriterionNode> &subcriteria)
{
    return CriterionNode{name, subcriteria, {}};
}

// A 0.6 › (A1 0.5 › (A1a 0.25, A1b 0.75), A2 0.5); B 0.4. Leaf weights 0.075, 0.225, 0.3, 0.4;
// global priorities X 0.3625, Y 0.41375, Z 0.22375.
TreeSensitivity handWorked()
{
    Hierarchy tree;
    tree.criteria = {branch("A", {branch("A1", {leaf("A1a"), leaf("A1b")}), leaf("A2")}), leaf("B")};
    return TreeSensitivity(tree, {0.6, 0.4}, {{0.5, 0.5}, {0.25, 0.75}},
                           {{0.5, 0.25, 0.25}, {0.2, 0.6, 0.2}, {0.6, 0.2, 0.2}, {0.25, 0.5, 0.25}});
}

bool sameBits(const Vector &a, const Vector &b)
{
    return a.size() == b.size() && (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0);
}

void compareFuzzy(const Vector &actual, const Vector &expected)
{
    QCOMPARE(actual.size(), expected.size());
    for (size_t j = 0; j < actual.size(); ++j) {
        if (std::fabs(actual[j] - expected[j]) > 1e-12)
            QFAIL(qPrintable(QStringLiteral("value %1: %2, not %3").arg(j).arg(actual[j], 0, 'g', 17).arg(expected[j], 0, 'g', 17)));
    }
}

} // namespace

// The sub-criteria levels are worked by hand: the share of the leaves outside the level stays
// fixed, the level's own weights follow the flat slider rule.
class TstTreeSensitivity : public QObject
{
    Q_OBJECT

private slots:
    void levels();
    void moved_data();
    void moved();
    void thresholds_data();
    void thresholds();
    void flatIsBitIdentical_data();
    void flatIsBitIdentical();
};

void TstTreeSensitivity::levels()
{
    const TreeSensitivity tree = handWorked();
    QCOMPARE(tree.levelCount(), 3);
    QCOMPARE(tree.levelNames(0), QStringList({"A", "B"}));
    QCOMPARE(tree.levelNames(2), QStringList({"A1a", "A1b"}));
    QCOMPARE(tree.levelPath(2), CriterionPath({0, 0}));
    QVERIFY(tree.levelNames(3).isEmpty());
    // A's contribution per unit: 0.125 × A1a + 0.375 × A1b + 0.5 × A2.
    QCOMPARE(tree.levelPriorities(0).size(), size_t(2));
    compareFuzzy(tree.levelPriorities(0)[0], {0.4375, 0.35625, 0.20625});
    const SensitivityState top = tree.state(0, {0.6, 0.4});
    compareFuzzy(top.contributions[0], {0.2625, 0.21375, 0.12375});
    compareFuzzy(top.contributions[1], {0.1, 0.2, 0.1});
    QVERIFY(top.rest.empty());
    // Below the top the leaves outside A1 (A2 and B) stay a fixed part of the bars.
    const SensitivityState a1 = tree.state(2, {0.25, 0.75});
    compareFuzzy(a1.rest, {0.28, 0.26, 0.16});
    compareFuzzy(a1.contributions[0], {0.0375, 0.01875, 0.01875});
    // A wrong number of weights gives nothing to show rather than a wrong sum.
    QVERIFY(tree.state(1, {1.0}).globals.empty());
}

void TstTreeSensitivity::moved_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<Vector>("weights");
    QTest::addColumn<Vector>("globals");
    QTest::addColumn<int>("best");

    // A at 0.8: X 0.8 × 0.4375 + 0.2 × 0.25.
    QTest::newRow("top A 0.8") << 0 << Vector{0.8, 0.2} << Vector{0.4, 0.385, 0.215} << 0;
    // A1 at 0.2 under A (weight 0.6), B's 0.1, 0.2, 0.1 untouched.
    QTest::newRow("A1 0.2") << 1 << Vector{0.2, 0.8} << Vector{0.421, 0.3575, 0.2215} << 0;
    QTest::newRow("A1 0.9") << 1 << Vector{0.9, 0.1} << Vector{0.2845, 0.48875, 0.22675} << 1;
    // A1a at 1 under A1 (weight 0.3); A2 and B bring 0.28, 0.26, 0.16.
    QTest::newRow("A1a 1") << 2 << Vector{1.0, 0.0} << Vector{0.43, 0.335, 0.235} << 0;
}

void TstTreeSensitivity::moved()
{
    QFETCH(int, level);
    QFETCH(Vector, weights);
    QFETCH(Vector, globals);
    QFETCH(int, best);
    const SensitivityState state = handWorked().state(level, weights);
    compareFuzzy(state.globals, globals);
    QCOMPARE(state.ranking.front(), best);
    double sum = 0.0;
    for (double g : state.globals)
        sum += g;
    QVERIFY(std::fabs(sum - 1.0) < 1e-12);
}

void TstTreeSensitivity::thresholds_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<Vector>("thresholds");
    QTest::addColumn<int>("critical");

    // Y leads; X draws level with it at A = 40/53 at the top, at A1 = 56/153 under A, at
    // A1a = 20/39 under A1. Z never does.
    QTest::newRow("top") << 0 << Vector{40.0 / 53, 13.0 / 53} << 0;
    QTest::newRow("under A") << 1 << Vector{56.0 / 153, 97.0 / 153} << 0;
    QTest::newRow("under A1") << 2 << Vector{20.0 / 39, 19.0 / 39} << 1;
}

void TstTreeSensitivity::thresholds()
{
    QFETCH(int, level);
    QFETCH(Vector, thresholds);
    QFETCH(int, critical);
    const TreeSensitivity tree = handWorked();
    const SensitivityState state = tree.state(level, tree.levelWeights(level));
    QCOMPARE(state.thresholds.size(), thresholds.size());
    for (size_t i = 0; i < thresholds.size(); ++i) {
        QVERIFY(state.thresholds[i].exists);
        QCOMPARE(state.thresholds[i].newBest, 0);
        QVERIFY2(std::fabs(state.thresholds[i].weight - thresholds[i]) < 1e-12, qPrintable(QString::number(i)));
    }
    QCOMPARE(state.mostCritical, critical);
    // At the threshold the ranking does change: just past it X leads.
    const double past = thresholds[0] + (thresholds[0] > tree.levelWeights(level)[0] ? 1e-6 : -1e-6);
    QCOMPARE(tree.state(level, rescaledWeights(tree.levelWeights(level), 0, past)).ranking.front(), 0);
}

void TstTreeSensitivity::flatIsBitIdentical_data()
{
    QTest::addColumn<quint64>("seed");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("m");
    QTest::newRow("3 x 3") << quint64(7) << 3 << 3;
    QTest::newRow("15 x 10") << quint64(41) << 15 << 10;
    QTest::newRow("6 x 4") << quint64(1234) << 6 << 4;
}

void TstTreeSensitivity::flatIsBitIdentical()
{
    QFETCH(quint64, seed);
    QFETCH(int, n);
    QFETCH(int, m);
    const ReferenceDecision decision = referenceDecision(seed, n, m);
    QStringList names;
    for (int i = 0; i < n; ++i)
        names << QString::number(i);
    const TreeSensitivity tree(Hierarchy::flat(names, {}), decision.weights, {}, decision.local);
    for (const Vector &weights : {decision.weights, rescaledWeights(decision.weights, 1, 0.3)}) {
        const SensitivityState flat = computeSensitivity(weights, decision.local);
        const SensitivityState ours = tree.state(0, weights);
        QVERIFY(sameBits(ours.globals, flat.globals));
        QCOMPARE(ours.ranking, flat.ranking);
        QCOMPARE(ours.mostCritical, flat.mostCritical);
        QCOMPARE(ours.thresholds.size(), flat.thresholds.size());
        for (size_t i = 0; i < flat.thresholds.size(); ++i) {
            QCOMPARE(ours.thresholds[i].exists, flat.thresholds[i].exists);
            QVERIFY(sameBits({ours.thresholds[i].weight}, {flat.thresholds[i].weight}));
            QCOMPARE(ours.thresholds[i].newBest, flat.thresholds[i].newBest);
        }
        for (size_t i = 0; i < flat.contributions.size(); ++i)
            QVERIFY(sameBits(ours.contributions[i], flat.contributions[i]));
    }
}

QTEST_GUILESS_MAIN(TstTreeSensitivity)
#include "tst_treesensitivity.moc"
