#include "model/numberformat.h"
#include "model/priorities.h"

#include <QLocale>
#include <QStringList>
#include <QTest>

#include <cmath>
#include <limits>

using Matrix = std::vector<std::vector<double>>;
Q_DECLARE_METATYPE(Matrix)

namespace {

Matrix ones(int n)
{
    return Matrix(std::size_t(n), std::vector<double>(std::size_t(n), 1.0));
}

// A perfectly consistent matrix: a[i][j] = w[i] / w[j].
Matrix fromWeights(const std::vector<double> &w)
{
    Matrix a(w.size(), std::vector<double>(w.size()));
    for (std::size_t i = 0; i < w.size(); ++i) {
        for (std::size_t j = 0; j < w.size(); ++j)
            a[i][j] = w[i] / w[j];
    }
    return a;
}

QStringList priorityTexts(const std::vector<double> &weights)
{
    QStringList texts;
    for (double w : weights)
        texts << formatPriority(w, QLocale::c());
    return texts;
}

} // namespace

class TstPriorities : public QObject
{
    Q_OBJECT

private slots:
    void shownResults_data();
    void shownResults();
    void randomIndexByOrder_data();
    void randomIndexByOrder();
    void threshold_data();
    void threshold();
    void badInput_data();
    void badInput();
    void smallOrders_data();
    void smallOrders();
};

// Every digit a person sees of the priorities and the measures.
void TstPriorities::shownResults_data()
{
    QTest::addColumn<Matrix>("matrix");
    QTest::addColumn<QStringList>("priorities");
    QTest::addColumn<double>("lambdaMax");
    QTest::addColumn<QString>("ci");
    QTest::addColumn<QString>("cr");
    QTest::addColumn<QString>("ciGeneral");
    QTest::addColumn<QString>("crGeneral");
    QTest::addColumn<QString>("ri");
    QTest::addColumn<bool>("inconsistent");

    QTest::newRow("saaty 3x3")
            << Matrix{{1, 3, 5}, {1.0 / 3, 1, 3}, {1.0 / 5, 1.0 / 3, 1}}
            << QStringList{"0.63698557", "0.25828499", "0.10472943"} << 3.0385111
            << "0.01925555" << "0.03319922" << "0.0192555452790848" << "0.0331992159984221"
            << "0.58" << false;
    // Transposed, the same judgements read the other way round: the orientation matters.
    QTest::newRow("saaty 3x3 transposed")
            << Matrix{{1, 1.0 / 3, 1.0 / 5}, {3, 1, 1.0 / 3}, {5, 3, 1}}
            << QStringList{"0.10472943", "0.25828499", "0.63698557"} << 3.0385111
            << "0.01925555" << "0.03319922" << "0.0192555452790848" << "0.0331992159984221"
            << "0.58" << false;
    QTest::newRow("cyclic")
            << Matrix{{1, 9, 1.0 / 9}, {1.0 / 9, 1, 9}, {9, 1.0 / 9, 1}}
            << QStringList{"0.33333333", "0.33333333", "0.33333333"} << 10.1111111
            << "3.55555556" << "6.1302682" << "3.55555555555556" << "6.13026819923372"
            << "0.58" << true;
    QTest::newRow("all ones 3")
            << ones(3) << QStringList{"0.33333333", "0.33333333", "0.33333333"} << 3.0
            << "0" << "0" << "0" << "0" << "0.58" << false;
    // Rounding leaves a trace of inconsistency that only the general numeric text shows.
    QTest::newRow("consistent 4")
            << fromWeights({8, 4, 2, 1})
            << QStringList{"0.53333333", "0.26666667", "0.13333333", "0.06666667"} << 4.0
            << "0" << "0" << "2.96059473233375E-16" << "3.28954970259306E-16" << "0.9" << false;
    // Not reciprocal: every cell counts at its own value.
    QTest::newRow("not reciprocal")
            << Matrix{{1, 9, 9}, {9, 1, 9}, {9, 9, 1}}
            << QStringList{"0.33333333", "0.33333333", "0.33333333"} << 19.0
            << "8" << "13.79310345" << "8" << "13.7931034482759" << "0.58" << true;
}

void TstPriorities::shownResults()
{
    QFETCH(Matrix, matrix);
    QFETCH(QStringList, priorities);
    QFETCH(double, lambdaMax);
    QFETCH(QString, ci);
    QFETCH(QString, cr);
    QFETCH(QString, ciGeneral);
    QFETCH(QString, crGeneral);
    QFETCH(QString, ri);
    QFETCH(bool, inconsistent);

    const PriorityResult result = computeLocalPriorities(int(matrix.size()), matrix);
    const QLocale c = QLocale::c();
    QCOMPARE(priorityTexts(result.weights), priorities);
    QVERIFY2(std::fabs(result.lambdaMax - lambdaMax) < 1e-7,
             qPrintable(QString::number(result.lambdaMax, 'g', 17)));
    QCOMPARE(formatMeasure(result.ci, c), ci);
    QCOMPARE(formatMeasure(result.cr, c), cr);
    QCOMPARE(formatGeneral(result.ci, c), ciGeneral);
    QCOMPARE(formatGeneral(result.cr, c), crGeneral);
    QCOMPARE(formatGeneral(result.ri, c), ri);
    QCOMPARE(result.inconsistent, inconsistent);
}

// The program's own random index, not the textbook one (order 6 is 1.19, order 10 is 1.41).
void TstPriorities::randomIndexByOrder_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<double>("ri");

    const double expected[] = {0.58, 0.90, 1.12, 1.19, 1.24, 1.32, 1.35, 1.41,
                               1.45, 1.49, 1.51, 1.53, 1.56, 1.57, 1.59};
    for (int n = 3; n <= 17; ++n)
        QTest::addRow("order %d", n) << n << expected[n - 3];
}

void TstPriorities::randomIndexByOrder()
{
    QFETCH(int, n);
    QFETCH(double, ri);

    QCOMPARE(randomIndex(n), ri);
    const PriorityResult result = computeLocalPriorities(n, ones(n));
    QCOMPARE(result.ri, ri);
    QCOMPARE(int(result.weights.size()), n);
    QCOMPARE(formatPriority(result.weights.front(), QLocale::c()),
             formatPriority(1.0 / n, QLocale::c()));
    QCOMPARE(result.cr, 0.0);
}

void TstPriorities::threshold_data()
{
    QTest::addColumn<double>("cr");
    QTest::addColumn<bool>("inconsistent");

    QTest::newRow("0.28") << 0.28 << true;
    QTest::newRow("0.2799999999") << 0.2799999999 << false;
    QTest::newRow("one step above") << std::nextafter(0.2799999999, 1.0) << true;
    QTest::newRow("0.27999999989") << 0.27999999989 << false;
}

void TstPriorities::threshold()
{
    QFETCH(double, cr);
    QFETCH(bool, inconsistent);

    QCOMPARE(isInconsistent(cr), inconsistent);
}

// Nothing outside a square matrix of positive finite judgements of order 1..17 is computed.
void TstPriorities::badInput_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<Matrix>("matrix");

    QTest::newRow("order 0") << 0 << Matrix{};
    QTest::newRow("negative order") << -3 << ones(3);
    QTest::newRow("order 18") << 18 << ones(18);
    QTest::newRow("fewer rows than n") << 4 << ones(3);
    QTest::newRow("more rows than n") << 3 << ones(4);
    QTest::newRow("short row") << 3 << Matrix{{1, 1, 1}, {1, 1}, {1, 1, 1}};
    QTest::newRow("long row") << 3 << Matrix{{1, 1, 1}, {1, 1, 1, 1}, {1, 1, 1}};
    QTest::newRow("zero judgement") << 3 << Matrix{{1, 0, 1}, {1, 1, 1}, {1, 1, 1}};
    QTest::newRow("negative judgement") << 3 << Matrix{{1, -2, 1}, {1, 1, 1}, {1, 1, 1}};
    QTest::newRow("nan judgement")
            << 3 << Matrix{{1, 1, 1}, {1, 1, std::numeric_limits<double>::quiet_NaN()}, {1, 1, 1}};
    QTest::newRow("infinite judgement")
            << 3 << Matrix{{1, 1, 1}, {1, 1, 1}, {std::numeric_limits<double>::infinity(), 1, 1}};
}

void TstPriorities::badInput()
{
    QFETCH(int, n);
    QFETCH(Matrix, matrix);

    const PriorityResult result = computeLocalPriorities(n, matrix);
    QVERIFY(result.weights.empty());
    QCOMPARE(result.lambdaMax, 0.0);
    QCOMPARE(result.ci, 0.0);
    QCOMPARE(result.ri, 0.0);
    QCOMPARE(result.cr, 0.0);
    QCOMPARE(result.inconsistent, false);
}

// Orders the table does not hold give priorities but no ratio, and never a NaN.
void TstPriorities::smallOrders_data()
{
    QTest::addColumn<Matrix>("matrix");
    QTest::addColumn<QStringList>("priorities");

    QTest::newRow("order 1") << Matrix{{1}} << QStringList{"1.00000000"};
    QTest::newRow("order 2") << Matrix{{1, 3}, {1.0 / 3, 1}} << QStringList{"0.75000000", "0.25000000"};
    QTest::newRow("order 2 not reciprocal") << Matrix{{1, 9}, {9, 1}} << QStringList{"0.50000000", "0.50000000"};
}

void TstPriorities::smallOrders()
{
    QFETCH(Matrix, matrix);
    QFETCH(QStringList, priorities);

    const PriorityResult result = computeLocalPriorities(int(matrix.size()), matrix);
    QCOMPARE(priorityTexts(result.weights), priorities);
    QVERIFY(std::isfinite(result.ci));
    QCOMPARE(result.ri, 0.0);
    QCOMPARE(result.cr, 0.0);
    QCOMPARE(result.inconsistent, false);
}

QTEST_GUILESS_MAIN(TstPriorities)
#include "tst_priorities.moc"
