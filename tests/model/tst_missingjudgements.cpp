#include "model/judgement.h"
#include "model/missingjudgements.h"
#include "model/randommatrix_helpers.h"

#include <QTest>

#include <cmath>
#include <random>

Q_DECLARE_METATYPE(QList<QStringList>)

namespace {

// The cells the grid would hold: "k" and "1/k".
QList<QStringList> texts(const Matrix &a)
{
    QList<QStringList> cells;
    for (const auto &row : a) {
        cells.append(QStringList());
        for (double v : row)
            cells.back() << (v == 0.0 ? QString() : v >= 1.0 ? QString::number(v) : "1/" + QString::number(std::round(1.0 / v)));
    }
    return cells;
}

// Each pair beyond a random spanning tree is dropped with probability one half.
Matrix dropPairs(Matrix a, std::mt19937 *random)
{
    for (std::size_t j = 1; j < a.size(); ++j) {
        const std::size_t parent = (*random)() % j;
        for (std::size_t i = 0; i < j; ++i) {
            if (i != parent && (*random)() % 2)
                a[i][j] = a[j][i] = 0.0;
        }
    }
    return a;
}

// "0-1 1-2": the known pairs, each read as 1; all else missing.
Matrix knownPairs(int n, const QString &pairs)
{
    Matrix a(std::size_t(n), std::vector<double>(std::size_t(n), 0.0));
    for (int i = 0; i < n; ++i)
        a[std::size_t(i)][std::size_t(i)] = 1.0;
    for (const QString &pair : pairs.split(' ', Qt::SkipEmptyParts)) {
        const std::size_t i = pair.section('-', 0, 0).toUInt(), j = pair.section('-', 1).toUInt();
        a[i][j] = a[j][i] = 1.0;
    }
    return a;
}

bool near(double a, double b) { return std::fabs(a - b) <= 1e-12 * std::max(1.0, std::fabs(b)); }

} // namespace

class TstMissingJudgements : public QObject
{
    Q_OBJECT

private slots:
    void workedByHand();
    void fullMatrixUnchanged_data();
    void fullMatrixUnchanged();
    void leastSquares_data();
    void leastSquares();
    void refusals_data();
    void refusals();
    void fileForm_data();
    void fileForm();
    void askNext_data();
    void askNext();
};

// Known (0,1) = 2, (0,2) = 2, (1,2) = 2, (2,3) = 3; u = ln 2, v = ln 3. b = (2u, 0, v − 2u, −v).
// Item 3 hangs on 2 alone, so y3 = y2 − v. With y2 = 0 the rows of 0 and 1 read 2y0 − y1 = 2u,
// 2y1 − y0 = 0: y0 = 4u/3, y1 = 2u/3. w ∝ (2^(4/3), 2^(2/3), 1, 1/3); the estimates are
// a03 = 3·2^(4/3) ≈ 7.5595 and a13 = 3·2^(2/3) ≈ 4.7622. Every missing pair has degree sum 3 and
// distance 2, so (0,3) is asked next.
void TstMissingJudgements::workedByHand()
{
    const QList<QStringList> cells{{"1", "2", "2", ""}, {"1/2", "1", "2", ""}, {"1/2", "1/2", "1", "3"}, {"", "", "1/3", "1"}};
    const IncompleteMatrixResult r = computeIncompleteMatrix(cells, 4, true);
    QVERIFY(r.computed());
    const double w[] = {std::cbrt(16.0), std::cbrt(4.0), 1.0, 1.0 / 3}, sum = w[0] + w[1] + w[2] + w[3];
    for (int i = 0; i < 4; ++i)
        QVERIFY2(near(r.priorities.weights[std::size_t(i)], w[i] / sum), qPrintable(QString::number(i)));
    QCOMPARE(r.missing, 2);
    QCOMPARE(int(r.estimated.size()), 2);
    QVERIFY(r.estimated[0].row == 0 && r.estimated[0].col == 3 && near(r.estimated[0].value, 3 * std::cbrt(16.0)));
    QVERIFY(r.estimated[1].row == 1 && r.estimated[1].col == 3 && near(r.estimated[1].value, 3 * std::cbrt(4.0)));
    QVERIFY((r.askNext == JudgementPair{0, 3}));
}

void TstMissingJudgements::fullMatrixUnchanged_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("allowMissing");
    for (int n = 3; n <= 15; ++n) {
        QTest::addRow("order %d", n) << n << false;
        QTest::addRow("order %d, missing allowed", n) << n << true;
    }
}

// Every digit as computeLocalPriorities gives it.
void TstMissingJudgements::fullMatrixUnchanged()
{
    QFETCH(int, n);
    QFETCH(bool, allowMissing);
    std::uint64_t seed = 7919 * std::uint64_t(n);
    const Matrix a = referenceMatrix(&seed, n);
    const PriorityResult today = computeLocalPriorities(n, a);
    const IncompleteMatrixResult r = computeIncompleteMatrix(texts(a), n, allowMissing);
    QVERIFY(r.computed());
    QVERIFY(r.priorities.weights == today.weights);
    QCOMPARE(r.priorities.lambdaMax, today.lambdaMax);
    QCOMPARE(r.priorities.cr, today.cr);
    QVERIFY(r.missing == 0 && r.estimated.empty() && !r.askNext);
}

void TstMissingJudgements::leastSquares_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("consistent");
    QTest::addColumn<bool>("reciprocal");
    for (int n = 3; n <= 15; ++n) {
        QTest::addRow("consistent, order %d", n) << n << true << true;
        QTest::addRow("random, order %d", n) << n << false << true;
        QTest::addRow("not reciprocal, order %d", n) << n << false << false;
    }
}

// A consistent matrix keeps its weights whatever is removed; the completed matrix's geometric
// means are the least-squares weights, cells at their own values, and with reciprocal cells those
// solve the normal equations.
void TstMissingJudgements::leastSquares()
{
    QFETCH(int, n);
    QFETCH(bool, consistent);
    QFETCH(bool, reciprocal);
    std::mt19937 random(std::uint32_t(n * 31 + consistent + 2 * reciprocal));
    std::uint64_t seed = std::uint64_t(n) * 104729;
    Matrix full = referenceMatrix(&seed, n);
    std::vector<double> truth;
    for (int i = 0; consistent && i < n; ++i)
        truth.push_back(1.0 + std::uniform_real_distribution<double>(0.0, 2.0)(random));
    for (std::size_t i = 0; i < truth.size(); ++i)
        for (std::size_t j = 0; j < truth.size(); ++j)
            full[i][j] = truth[i] / truth[j];
    for (std::size_t i = 1; !reciprocal && i < full.size(); ++i)
        full[i][i - 1] = full[i][i] = 2.0;
    const Matrix a = dropPairs(full, &random);
    std::vector<double> w;
    QVERIFY(leastSquaresWeights(n, a, &w));
    const IncompleteMatrixResult r = computeIncompleteMatrix(n, a);
    QVERIFY(r.computed());
    QVERIFY(r.missing > 0 || n == 3);
    double truthSum = 0.0;
    for (double t : truth)
        truthSum += t;
    for (std::size_t i = 0; i < std::size_t(n); ++i) {
        QVERIFY(near(r.priorities.weights[i], w[i]));
        QVERIFY(!consistent || near(w[i], truth[i] / truthSum));
        double gradient = 0.0;
        for (std::size_t j = 0; j < std::size_t(n); ++j)
            gradient += a[i][j] > 0.0 && i != j ? std::log(a[i][j]) - std::log(w[i] / w[j]) : 0.0;
        QVERIFY2(!reciprocal || std::fabs(gradient) < 1e-11, qPrintable(QString::number(gradient)));
    }
    for (const EstimatedJudgement &e : r.estimated)
        QVERIFY(a[std::size_t(e.row)][std::size_t(e.col)] == 0.0 && near(e.value, w[std::size_t(e.row)] / w[std::size_t(e.col)]));
    QCOMPARE(int(r.estimated.size()), r.missing);
}

void TstMissingJudgements::refusals_data()
{
    QTest::addColumn<QList<QStringList>>("cells");
    QTest::addColumn<bool>("allowMissing");
    QTest::addColumn<QString>("problem"); // "row,col,message" or the unlinked message
    const QString empty = JudgementEmptyMessage.text();
    const QStringList names{"A", "B", "C", "D"};
    QTest::newRow("setting off") << QList<QStringList>{{"1", "2", ""}, {"1/2", "1", "3"}, {"", "1/3", "1"}} << false << "0,2," + empty;
    QTest::newRow("setting on, same pair") << QList<QStringList>{{"1", "2", ""}, {"1/2", "1", "3"}, {"", "1/3", "1"}} << true << "";
    QTest::newRow("half pair above") << QList<QStringList>{{"1", "", "4"}, {"2", "1", "3"}, {"1/4", "1/3", "1"}} << true << "0,1," + empty;
    QTest::newRow("half pair below") << QList<QStringList>{{"1", "2", "4"}, {"", "1", "3"}, {"1/4", "1/3", "1"}} << true << "1,0," + empty;
    QTest::newRow("half pair, mirror rejected") << QList<QStringList>{{"1", "", "4"}, {"x", "1", "3"}, {"1/4", "1/3", "1"}} << true << "0,1," + empty;
    QTest::newRow("rejected after a missing pair") << QList<QStringList>{{"1", "2", ""}, {"1/2", "1", "10"}, {"", "1/3", "1"}} << true << "1,2," + JudgementTooLargeMessage.text();
    QTest::newRow("empty diagonal") << QList<QStringList>{{"1", "2", ""}, {"1/2", "", "3"}, {"", "1/3", "1"}} << true << "1,1," + empty;
    QTest::newRow("short rows") << QList<QStringList>{{"1", "2"}, {"1/2", "1", "3"}, {"", "1/3", "1"}} << true << "";
    QTest::newRow("two islands") << QList<QStringList>{{"1", "2", "", ""}, {"1/2", "1", "", ""}, {"", "", "1", "5"}, {"", "", "1/5", "1"}} << true
                                 << unlinkedItemsText(names, {2, 3});
    QTest::newRow("one alone") << QList<QStringList>{{"1", "2", "3", ""}, {"1/2", "1", "", ""}, {"1/3", "", "1", ""}, {"", "", "", "1"}} << true
                               << unlinkedItemsText(names, {3});
    QTest::newRow("a chain links") << QList<QStringList>{{"1", "2", "", ""}, {"1/2", "1", "7", ""}, {"", "1/7", "1", "5"}, {"", "", "1/5", "1"}} << true << "";
}

void TstMissingJudgements::refusals()
{
    QFETCH(QList<QStringList>, cells);
    QFETCH(bool, allowMissing);
    QFETCH(QString, problem);
    const int n = int(cells.size());
    const IncompleteMatrixResult r = computeIncompleteMatrix(cells, n, allowMissing);
    QString found;
    if (r.problem)
        found = QString("%1,%2,%3").arg(r.problem->row).arg(r.problem->col).arg(r.problem->message);
    else if (!r.unlinked.empty())
        found = unlinkedItemsText({"A", "B", "C", "D"}, r.unlinked);
    QCOMPARE(found, problem);
    QCOMPARE(r.computed(), problem.isEmpty());
    QCOMPARE(int(r.priorities.weights.size()), problem.isEmpty() ? n : 0);
}

void TstMissingJudgements::fileForm_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    QTest::newRow("C, dot") << QLocale::c() << "1.5" << true;
    QTest::newRow("C, comma") << QLocale::c() << "1,5" << false;
    QTest::newRow("Russian, dot in the file") << russian << "1.5" << true;
    QTest::newRow("Russian, comma in the file") << russian << "1,5" << false;
}

// The file's "." is the locale's separator, as the grid shows it.
void TstMissingJudgements::fileForm()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    const QList<QStringList> cells{{"1", text, ""}, {"1/2", "1", "3"}, {"", "1/3", "1"}};
    QCOMPARE(!computeIncompleteMatrix(cells, 3, true, locale).problem, accepted);
}

void TstMissingJudgements::askNext_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("known");
    QTest::addColumn<int>("row"); // -1: nothing to ask
    QTest::addColumn<int>("col");
    QTest::newRow("fewest comparisons before distance") << 6 << "0-1 1-2 0-2 2-3 3-4 3-5" << 4 << 5;
    QTest::newRow("farthest among the fewest") << 6 << "0-2 1-2 2-4 3-4 4-5" << 0 << 3;
    QTest::newRow("smallest pair last") << 4 << "0-1 0-2 0-3" << 1 << 2;
    QTest::newRow("unlinked is farthest") << 5 << "0-1 0-2 3-4" << 1 << 3;
    QTest::newRow("nothing missing") << 3 << "0-1 0-2 1-2" << -1 << -1;
}

void TstMissingJudgements::askNext()
{
    QFETCH(int, n);
    QFETCH(QString, known);
    QFETCH(int, row);
    QFETCH(int, col);
    const IncompleteMatrixResult r = computeIncompleteMatrix(n, knownPairs(n, known));
    QCOMPARE(r.askNext.has_value(), row >= 0);
    if (r.askNext)
        QCOMPARE(QString("%1,%2").arg(r.askNext->row).arg(r.askNext->col), QString("%1,%2").arg(row).arg(col));
}

QTEST_GUILESS_MAIN(TstMissingJudgements)
#include "tst_missingjudgements.moc"
