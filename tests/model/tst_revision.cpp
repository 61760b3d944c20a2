#include "randommatrix_helpers.h"

#include "entry/reciprocal.h"
#include "model/judgement.h"
#include "model/priorities.h"
#include "model/revision.h"

#include <QTest>

#include <cmath>
#include <limits>

Q_DECLARE_METATYPE(Matrix)

// Expected values come from reference/ahp_reference.py, which computes them by its own code.
// Tolerances: deviations 1e-9 relative, ratios 1e-9 absolute; indices and texts exactly.
class TestRevision : public QObject
{
    Q_OBJECT

private slots:
    void workedExamples_data();
    void workedExamples();
    void randomMatrices_data();
    void randomMatrices();
    void nearestScale_data();
    void nearestScale();
    void badInput_data();
    void badInput();
    void followingSuggestions();
};

namespace {

const double Third = 1.0 / 3.0;

// Three items each beating the next: the textbook intransitive cycle.
const Matrix Cycle = {{1, 3, Third}, {Third, 1, 3}, {3, Third, 1}};
// Weights 8 : 4 : 2 : 1 with the judgement of the first item over the last typed the wrong way
// round (1/8 for 8): the reversed cell must come first.
const Matrix Reversed = {{1, 2, 4, 1.0 / 8}, {0.5, 1, 2, 4}, {0.25, 0.5, 1, 2}, {8, 0.25, 0.5, 1}};
const Matrix Consistent = {{1, 2, 4, 8}, {0.5, 1, 2, 4}, {0.25, 0.5, 1, 2}, {1.0 / 8, 0.25, 0.5, 1}};

QString revisionsText(const std::vector<JudgementRevision> &revisions)
{
    QStringList parts;
    for (const JudgementRevision &r : revisions)
        parts << QStringLiteral("%1,%2,%3").arg(r.row).arg(r.col).arg(r.suggestedText);
    return parts.join(QLatin1Char(' '));
}

QString triplesText(const std::vector<IntransitiveTriple> &triples)
{
    QStringList parts;
    for (const IntransitiveTriple &t : triples)
        parts << QStringLiteral("%1,%2,%3").arg(t.first).arg(t.second).arg(t.third);
    return parts.join(QLatin1Char(' '));
}

} // namespace

void TestRevision::workedExamples_data()
{
    QTest::addColumn<Matrix>("a");
    QTest::addColumn<QString>("revisions");  // row,col,suggested of the first three
    QTest::addColumn<double>("deviation");   // of the first
    QTest::addColumn<double>("crAfter");     // of the first
    QTest::addColumn<QString>("triples");

    // Equal deviations keep (row, col) order; the cycle's judgements all point to "1".
    QTest::newRow("3x3 cycle") << Cycle << "0,1,1 0,2,1 1,2,1" << 3.0 << 0.48347731019055257 << "0,1,2";
    // After the reversed cell, four pairs lie equally far (2.83): the first two by row, then col.
    QTest::newRow("4x4 one reversed") << Reversed << "0,3,1 0,1,1/2 0,2,1" << 8.0 << 0.2019139983037025
                                      << "0,1,3 0,2,3";
    QTest::newRow("4x4 consistent") << Consistent << "0,1,2 0,2,4 0,3,8" << 1.0 << 0.0 << "";
}

void TestRevision::workedExamples()
{
    QFETCH(Matrix, a);
    QFETCH(QString, revisions);
    QFETCH(double, deviation);
    QFETCH(double, crAfter);
    QFETCH(QString, triples);
    const int n = int(a.size());
    const std::vector<JudgementRevision> got = judgementRevisions(n, a, 3);
    QCOMPARE(revisionsText(got), revisions);
    QVERIFY(std::fabs(got.front().deviation - deviation) < 1e-9 * deviation);
    QVERIFY2(std::fabs(got.front().crAfter - crAfter) < 1e-9, qPrintable(QString::number(got.front().crAfter)));
    QCOMPARE(triplesText(intransitiveTriples(n, a)), triples);
}

void TestRevision::randomMatrices_data()
{
    QTest::addColumn<int>("seed");
    QTest::addColumn<int>("n");
    QTest::addColumn<double>("cr");
    QTest::addColumn<QString>("revisions"); // row,col,deviation,suggested,crAfter
    QTest::addColumn<int>("tripleCount");
    QTest::addColumn<QString>("tripleEnds"); // first and last, or "-"

    // Pasted from reference/ahp_reference.py.
    QTest::newRow("random 3x3") << 1003 << 3 << 0.0121998984364 << QString("0,1,1.12624788044,1/4,0.00170819701346 0,2,1.12624788044,1/8,0.00477164805043 1,2,1.12624788044,1/2,0.0121998984364") << 0 << QString("-");
    QTest::newRow("random 4x4") << 1004 << 4 << 1.0738234739 << QString("2,3,7.32568300297,1/2,0.525610336647 1,3,5.82590126049,2,0.324636223616 0,2,3.25677781216,2,0.977028722202") << 2 << QString("0,2,3 1,2,3");
    QTest::newRow("random 5x5") << 1005 << 5 << 0.515181512018 << QString("1,3,7.47438563769,1,0.299363100991 0,1,4.29290724332,1,0.385892397386 1,4,3.36586543634,1/3,0.365195470724") << 0 << QString("-");
    QTest::newRow("random 6x6") << 1006 << 6 << 0.625056534806 << QString("1,3,10.7578043722,1,0.454282438945 3,5,7.7723357411,1,0.48529491107 1,5,6.78122046307,1,0.520989998865") << 1 << QString("1,3,5 1,3,5");
    QTest::newRow("random 7x7") << 1007 << 7 << 0.670277431076 << QString("1,4,11.6190506478,1/2,0.381465381264 1,6,7.77311294172,1,0.535430504609 2,5,5.84296523077,2,0.612838863458") << 6 << QString("1,2,3 3,6,5");
    QTest::newRow("random 8x8") << 1008 << 8 << 1.00407613444 << QString("2,5,35.157461357,5,0.676989446143 3,4,16.581279464,1/2,0.866087036715 4,7,10.3543134337,1,0.86771563651") << 10 << QString("0,3,4 3,4,7");
    QTest::newRow("random 9x9") << 1009 << 9 << 0.689296237285 << QString("2,6,9.25051175272,1/3,0.651315615116 3,8,7.89306874478,2,0.63109277592 1,4,7.01143223611,1,0.592572685784") << 19 << QString("0,6,1 3,5,8");
    QTest::newRow("random 10x10") << 1010 << 10 << 0.704316181845 << QString("2,4,19.6875138854,1/4,0.580211472858 6,7,14.0894721963,4,0.594306079309 1,3,12.1217003817,1/2,0.588500158489") << 23 << QString("0,7,2 6,9,7");
    QTest::newRow("random 11x11") << 1011 << 11 << 1.04492019929 << QString("4,6,18.8267021645,1/3,0.962762848153 0,1,11.1978722507,1,0.98689851889 2,6,9.76285162944,1/2,0.973985808424") << 33 << QString("0,5,1 8,10,9");
    QTest::newRow("random 12x12") << 1012 << 12 << 0.798327918751 << QString("1,7,18.6119306491,1/3,0.760385729679 0,2,18.189863926,1/3,0.701652102096 8,10,15.762006535,3,0.741439287692") << 48 << QString("0,2,1 8,11,10");
    QTest::newRow("random 13x13") << 1013 << 13 << 1.05655348967 << QString("8,12,24.7716490217,1/4,0.97814682713 1,4,24.1236322042,1/3,0.979842482624 9,12,15.3539119955,1/2,0.980247879718") << 70 << QString("0,2,1 9,12,10");
    QTest::newRow("random 14x14") << 1014 << 14 << 0.798031288095 << QString("4,11,22.8797830289,3,0.704872847672 5,8,18.9940551995,2,0.767130990926 2,8,16.8559074948,2,0.7753954747") << 56 << QString("0,6,1 9,10,12");
    QTest::newRow("random 15x15") << 1015 << 15 << 0.67632336548 << QString("7,13,23.8867295835,1/4,0.650462215359 1,10,15.4631910179,1/3,0.645455588396 2,13,13.6727139822,2,0.618901850256") << 49 << QString("0,1,5 11,12,14");
}

void TestRevision::randomMatrices()
{
    QFETCH(int, seed);
    QFETCH(int, n);
    QFETCH(double, cr);
    QFETCH(QString, revisions);
    QFETCH(int, tripleCount);
    QFETCH(QString, tripleEnds);
    std::uint64_t state = std::uint64_t(seed);
    const Matrix a = referenceMatrix(&state, n);
    QVERIFY(std::fabs(computeLocalPriorities(n, a).cr - cr) < 1e-9);

    const std::vector<JudgementRevision> got = judgementRevisions(n, a, 3);
    const std::vector<QStringList> expected = referenceFields(revisions);
    QCOMPARE(got.size(), expected.size());
    for (std::size_t k = 0; k < got.size(); ++k) {
        const QStringList &e = expected[k];
        QCOMPARE(got[k].row, e[0].toInt());
        QCOMPARE(got[k].col, e[1].toInt());
        QVERIFY(std::fabs(got[k].deviation / e[2].toDouble() - 1.0) < 1e-9);
        QCOMPARE(got[k].suggestedText, e[3]);
        QVERIFY(std::fabs(got[k].crAfter - e[4].toDouble()) < 1e-9);
    }

    const std::vector<IntransitiveTriple> triples = intransitiveTriples(n, a);
    QCOMPARE(int(triples.size()), tripleCount);
    if (!triples.empty()) {
        const QString ends = triplesText({triples.front()}) + QLatin1Char(' ') + triplesText({triples.back()});
        QCOMPARE(ends, tripleEnds);
    }
}

void TestRevision::nearestScale_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    // Each pair straddles the geometric midpoint of two neighbouring scale values.
    QTest::newRow("below sqrt 2") << 1.4142 << "1";
    QTest::newRow("above sqrt 2") << 1.4143 << "2";
    QTest::newRow("below sqrt 1/2") << 0.7071 << "1/2";
    QTest::newRow("above sqrt 1/2") << 0.7072 << "1";
    // Exactly on the midpoint (as near as a double gets): the smaller value.
    QTest::newRow("sqrt 2") << std::sqrt(2.0) << "1";
    QTest::newRow("sqrt 1/2") << std::sqrt(0.5) << "1/2";
    QTest::newRow("sqrt 72") << std::sqrt(72.0) << "8";
    QTest::newRow("far above the scale") << 1e6 << "9";
    QTest::newRow("zero") << 0.0 << "1";
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << "1";
}

void TestRevision::nearestScale()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(nearestScaleText(value), text);
}

void TestRevision::badInput_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<Matrix>("a");
    QTest::addColumn<int>("count");

    const Matrix big(16, std::vector<double>(16, 2.0));
    QTest::newRow("order 0") << 0 << Matrix() << 3;
    QTest::newRow("order 16") << 16 << big << 3;
    QTest::newRow("order not the matrix's") << 4 << Cycle << 3;
    QTest::newRow("no rows asked for") << 3 << Cycle << 0;
    Matrix ragged = Cycle;
    ragged[1].pop_back();
    QTest::newRow("ragged row") << 3 << ragged << 3;
    const double bad[] = {0.0, -3.0, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()};
    for (double v : bad) {
        Matrix a = Cycle;
        a[2][1] = v;
        QTest::addRow("entry %g", v) << 3 << a << 3;
    }
}

void TestRevision::badInput()
{
    QFETCH(int, n);
    QFETCH(Matrix, a);
    QFETCH(int, count);
    QVERIFY(judgementRevisions(n, a, count).empty());
    if (count > 0)
        QVERIFY(intransitiveTriples(n, a).empty());
}

// A person on an inconsistent 7 x 7 matrix types the first suggestion three times in a row, its
// reciprocal going into the mirror cell: each time the program computes the ratio the row predicted.
void TestRevision::followingSuggestions()
{
    std::uint64_t state = 1007;
    Matrix a = referenceMatrix(&state, 7);
    for (int click = 0; click < 3; ++click) {
        const JudgementRevision first = judgementRevisions(7, a, 3).front();
        a[std::size_t(first.row)][std::size_t(first.col)] = parseJudgement(first.suggestedText, QLocale::c()).value;
        a[std::size_t(first.col)][std::size_t(first.row)] = parseJudgement(reciprocalText(first.suggestedText), QLocale::c()).value;
        QCOMPARE(computeLocalPriorities(7, a).cr, first.crAfter);
    }
}

QTEST_GUILESS_MAIN(TestRevision)
#include "tst_revision.moc"
