#include "randommatrix_helpers.h"

#include "model/sensitivity.h"

#include <QTest>

#include <cmath>
#include <limits>

Q_DECLARE_METATYPE(Matrix)
Q_DECLARE_METATYPE(std::vector<double>)
Q_DECLARE_METATYPE(std::vector<WeightThreshold>)

// Thresholds of random decisions come from reference/ahp_reference.py, computed by its own code
// (weights within 1e-9; existence, alternatives and the critical criterion exactly). The small
// cases are worked by hand.
class TestSensitivity : public QObject
{
    Q_OBJECT

private slots:
    void workedThresholds_data();
    void workedThresholds();
    void randomThresholds_data();
    void randomThresholds();
    void rescaling_data();
    void rescaling();
    void criticalCriterion_data();
    void criticalCriterion();
};

namespace {

QString thresholdsText(const std::vector<WeightThreshold> &thresholds)
{
    QStringList parts;
    for (const WeightThreshold &t : thresholds)
        parts << QStringLiteral("%1,%2,%3").arg(t.exists ? 1 : 0).arg(t.weight, 0, 'g', 12).arg(t.newBest);
    return parts.join(QLatin1Char(' '));
}

int bestOf(const std::vector<double> &globals)
{
    return ranking(globals).front();
}

} // namespace

void TestSensitivity::workedThresholds_data()
{
    QTest::addColumn<std::vector<double>>("weights");
    QTest::addColumn<Matrix>("local");
    QTest::addColumn<QString>("thresholds");
    QTest::addColumn<int>("critical");

    // A leads 0.55 to 0.45; at 0.6 for the first criterion (or 0.4 for the second) B draws level.
    QTest::newRow("two by two") << std::vector<double>{0.7, 0.3} << Matrix{{0.7, 0.3}, {0.2, 0.8}}
                                << "1,0.6,1 1,0.4,1" << 0;
    // The first criterion holds all the weight: lowered, it hands the rest to the others equally.
    QTest::newRow("one criterion holds all") << std::vector<double>{1, 0, 0} << Matrix{{0.6, 0.4}, {0.1, 0.9}, {0.3, 0.7}}
                                             << "1,0.75,1 1,0.2,1 1,0.333333333333,1" << 0;
    QTest::newRow("parallel lines never meet") << std::vector<double>{0.5, 0.5} << Matrix{{0.6, 0.4}, {0.6, 0.4}}
                                               << "0,0,-1 0,0,-1" << -1;
    QTest::newRow("level already") << std::vector<double>{0.5, 0.5} << Matrix{{0.6, 0.4}, {0.4, 0.6}}
                                   << "1,0.5,1 1,0.5,1" << 0;
    // B meets A 0.1 to one side of the present weight, C 0.1 to the other: the lower alternative.
    QTest::newRow("equally near") << std::vector<double>{0.5, 0.5} << Matrix{{0.5, 0.2, 0.7}, {0.5, 0.7, 0.2}}
                                  << "1,0.4,1 1,0.6,1" << 0;
    QTest::newRow("meeting at the bounds") << std::vector<double>{0.5, 0.5} << Matrix{{0.5, 0.5}, {0.6, 0.4}}
                                           << "1,1,1 1,0,1" << 0;
    QTest::newRow("single criterion, level") << std::vector<double>{1} << Matrix{{0.5, 0.5}} << "1,1,1" << 0;
    QTest::newRow("single criterion") << std::vector<double>{1} << Matrix{{0.7, 0.3}} << "0,0,-1" << -1;
    // Bad input: nothing at all.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("no criteria") << std::vector<double>{} << Matrix{} << "" << -1;
    QTest::newRow("a row per criterion missing") << std::vector<double>{0.5, 0.5} << Matrix{{0.5, 0.5}} << "" << -1;
    QTest::newRow("NaN weight") << std::vector<double>{nan, 0.5} << Matrix{{0.6, 0.4}, {0.4, 0.6}} << "" << -1;
    QTest::newRow("negative priority") << std::vector<double>{0.5, 0.5} << Matrix{{0.6, -0.4}, {0.4, 0.6}} << "" << -1;
}

void TestSensitivity::workedThresholds()
{
    QFETCH(std::vector<double>, weights);
    QFETCH(Matrix, local);
    QFETCH(QString, thresholds);
    QFETCH(int, critical);
    const std::vector<WeightThreshold> got = weightThresholds(weights, local);
    QCOMPARE(thresholdsText(got), thresholds);
    QCOMPARE(mostCriticalCriterion(weights, got), critical);
}

void TestSensitivity::randomThresholds_data()
{
    QTest::addColumn<int>("seed");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("m");
    QTest::addColumn<QString>("thresholds"); // exists,weight,newBest per criterion
    QTest::addColumn<int>("critical");
    // Pasted from reference/ahp_reference.py.
    QTest::newRow("random 2x2") << 7202 << 2 << 2 << QString("0,0,-1 0,0,-1") << -1;
    QTest::newRow("random 3x4") << 7304 << 3 << 4 << QString("1,0.676543603913,0 1,0.338869813186,1 1,0.25477734652,0") << 0;
    QTest::newRow("random 5x3") << 7503 << 5 << 3 << QString("1,0.499252970652,1 1,0.467742614946,2 0,0,-1 0,0,-1 1,0.651038046328,2") << 1;
    QTest::newRow("random 7x6") << 7706 << 7 << 6 << QString("1,0.245931949872,3 1,0.0441789536329,3 1,0.991674051248,5 1,0.214526757958,1 1,0.15122980396,3 1,0.362414510972,3 1,0.123247854738,2") << 5;
    QTest::newRow("random 10x10") << 8010 << 10 << 10 << QString("1,0.0996488351946,4 1,0.156973010976,4 1,0.0922270291271,4 1,0.0972411825475,9 1,0.0757286386232,9 1,0.031480923951,4 1,0.10092345762,9 1,0.097473420995,9 1,0.0790396499727,9 1,0.2050189927,4") << 9;
    QTest::newRow("random 15x10") << 8510 << 15 << 10 << QString("1,0.0953146750835,7 1,0.171777059422,9 1,0.410025936212,5 1,0.0970079734958,9 1,0.105468331847,9 1,0.188883502509,4 1,0.0700528747248,9 1,0.0934625793605,9 1,0.116778818705,9 0,0,-1 1,0.125003287391,9 1,0.0307494109706,9 0,0,-1 1,0.128973214775,9 1,0.075673804296,9") << 13;
    QTest::newRow("random 15x2") << 8502 << 15 << 2 << QString("1,0.00800816155424,0 1,0.0185743154874,0 1,0.0896981432582,0 1,0.160970229199,0 1,0.0252205041104,0 1,0.107096630036,0 1,0.0111625103414,0 1,0.0559934282762,0 1,0.0741955772945,0 1,0.0780791183693,0 1,0.0246984149106,0 1,0.0487208131117,0 1,0.158211667907,0 1,0.0587639434547,0 1,0.0413049827877,0") << 3;
    QTest::newRow("random 4x10") << 7410 << 4 << 10 << QString("1,0.376977793365,4 1,0.22328683566,8 1,0.201097556062,8 1,0.364727830392,8") << 3;
}

void TestSensitivity::randomThresholds()
{
    QFETCH(int, seed);
    QFETCH(int, n);
    QFETCH(int, m);
    QFETCH(QString, thresholds);
    QFETCH(int, critical);
    const ReferenceDecision d = referenceDecision(std::uint64_t(seed), n, m);
    const std::vector<WeightThreshold> got = weightThresholds(d.weights, d.local);
    const std::vector<QStringList> expected = referenceFields(thresholds);
    QCOMPARE(got.size(), expected.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        QCOMPARE(got[i].criterion, int(i));
        QCOMPARE(got[i].exists, expected[i][0] == QLatin1String("1"));
        QVERIFY(std::fabs(got[i].weight - expected[i][1].toDouble()) < 1e-9);
        QCOMPARE(got[i].newBest, expected[i][2].toInt());
    }
    QCOMPARE(mostCriticalCriterion(d.weights, got), critical);

    // Just short of a threshold the best alternative stays; just past it, the one named there
    // overtakes it.
    const int best = bestOf(globalPriorities(d.weights, d.local));
    const double step = 1e-7;
    for (const WeightThreshold &t : got) {
        const double present = d.weights[std::size_t(t.criterion)];
        if (!t.exists || t.weight - step < 0.0 || t.weight + step > 1.0 || std::fabs(t.weight - present) < step)
            continue;
        const double towards = t.weight > present ? step : -step;
        const std::vector<double> before = globalPriorities(rescaledWeights(d.weights, t.criterion, t.weight - towards), d.local);
        const std::vector<double> after = globalPriorities(rescaledWeights(d.weights, t.criterion, t.weight + towards), d.local);
        QCOMPARE(bestOf(before), best);
        QVERIFY(after[std::size_t(t.newBest)] > after[std::size_t(best)]);
    }
}

void TestSensitivity::rescaling_data()
{
    QTest::addColumn<std::vector<double>>("weights");
    QTest::addColumn<int>("criterion");
    QTest::addColumn<double>("weight");
    QTest::addColumn<std::vector<double>>("expected");

    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("others in proportion") << std::vector<double>{0.5, 0.3, 0.2} << 0 << 0.8 << std::vector<double>{0.8, 0.12, 0.08};
    QTest::newRow("others all zero share") << std::vector<double>{1, 0, 0} << 0 << 0.4 << std::vector<double>{0.4, 0.3, 0.3};
    // Weights off by rounding still come back summing to 1.
    QTest::newRow("sum not quite 1") << std::vector<double>{0.5, 0.25, 0.25 + 1e-3} << 0 << 0.5 << std::vector<double>{0.5, 0.25 / 0.501 * 0.5, 0.251 / 0.501 * 0.5};
    QTest::newRow("above 1 is 1") << std::vector<double>{0.5, 0.3, 0.2} << 2 << 1.5 << std::vector<double>{0, 0, 1};
    QTest::newRow("below 0 is 0") << std::vector<double>{0.5, 0.3, 0.2} << 2 << -0.2 << std::vector<double>{0.625, 0.375, 0};
    QTest::newRow("criterion out of range") << std::vector<double>{0.5, 0.5} << 2 << 0.3 << std::vector<double>{0.5, 0.5};
    QTest::newRow("NaN weight") << std::vector<double>{0.5, 0.5} << 0 << nan << std::vector<double>{0.5, 0.5};
}

void TestSensitivity::rescaling()
{
    QFETCH(std::vector<double>, weights);
    QFETCH(int, criterion);
    QFETCH(double, weight);
    QFETCH(std::vector<double>, expected);
    const std::vector<double> got = rescaledWeights(weights, criterion, weight);
    QCOMPARE(got.size(), expected.size());
    for (std::size_t k = 0; k < got.size(); ++k)
        QVERIFY2(std::fabs(got[k] - expected[k]) < 1e-15, qPrintable(QString::number(got[k], 'g', 17)));
}

void TestSensitivity::criticalCriterion_data()
{
    QTest::addColumn<std::vector<double>>("weights");
    QTest::addColumn<std::vector<WeightThreshold>>("thresholds");
    QTest::addColumn<int>("critical");

    const std::vector<double> w = {0.5, 0.1, 0.4};
    // 0.5 -> 0.45 is 10 %; 0.1 -> 0.12 is 20 % though nearer in absolute terms.
    QTest::newRow("relative, not absolute") << w << std::vector<WeightThreshold>{{0, true, 0.45, 1}, {1, true, 0.12, 1}} << 0;
    QTest::newRow("equal: lower index") << w << std::vector<WeightThreshold>{{2, true, 0.44, 1}, {0, true, 0.55, 1}} << 0;
    const std::vector<double> zero = {0.0, 0.6, 0.4};
    QTest::newRow("zero weight is infinitely far") << zero << std::vector<WeightThreshold>{{0, true, 0.01, 1}, {1, true, 0.1, 1}} << 1;
    QTest::newRow("zero weight alone counts") << zero << std::vector<WeightThreshold>{{0, true, 0.01, 1}} << 0;
    QTest::newRow("zero weight level already") << zero << std::vector<WeightThreshold>{{1, true, 0.59, 1}, {0, true, 0.0, 1}} << 0;
    QTest::newRow("criterion not in the list") << w << std::vector<WeightThreshold>{{7, true, 0.5, 1}, {-1, true, 0.5, 1}} << -1;
}

void TestSensitivity::criticalCriterion()
{
    QFETCH(std::vector<double>, weights);
    QFETCH(std::vector<WeightThreshold>, thresholds);
    QFETCH(int, critical);
    QCOMPARE(mostCriticalCriterion(weights, thresholds), critical);
}

QTEST_GUILESS_MAIN(TestSensitivity)
#include "tst_sensitivity.moc"
