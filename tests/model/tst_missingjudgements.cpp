#include "model/judgement.h"
#include "model/missingjudgements.h"
#include "model/randommatrix_helpers.h"

#include <QTest>

#include <cmath>
#include <numeric>
#include <random>

namespace {

// "1 2 _ | 1/2 1 3 | _ 1/3 1": rows by "|", cells by blanks, "_" for an empty cell.
QList<QStringList> cells(const QString &text)
{
    QList<QStringList> rows;
    for (const QString &row : text.split('|'))
        rows << row.split(' ', Qt::SkipEmptyParts).replaceInStrings("_", QString());
    return rows;
}

bool near(double a, double b) { return std::fabs(a - b) <= 1e-12 * std::max(1.0, std::fabs(b)); }

} // namespace

class TstMissingJudgements : public QObject
{
    Q_OBJECT

private slots:
    void workedByHand();
    void leastSquares_data();
    void leastSquares();
    void refusals_data();
    void refusals();
    void askNext_data();
    void askNext();
};

// Known (0,1) = 2, (0,2) = 2, (1,2) = 2, (2,3) = 3; u = ln 2, v = ln 3. b = (2u, 0, v − 2u, −v).
// Item 3 hangs on 2 alone, so y3 = y2 − v. With y2 = 0 the rows of 0 and 1 read 2y0 − y1 = 2u,
// 2y1 − y0 = 0: y0 = 4u/3, y1 = 2u/3. w ∝ (2^(4/3), 2^(2/3), 1, 1/3); the estimates are
// a03 = 3·2^(4/3) ≈ 7.5595 and a13 = 3·2^(2/3) ≈ 4.7622. Both missing pairs have degree sum 3 and
// distance 2, so (0,3) is asked next.
void TstMissingJudgements::workedByHand()
{
    const IncompleteMatrixResult r = computeIncompleteMatrix(cells("1 2 2 _ | 1/2 1 2 _ | 1/2 1/2 1 3 | _ _ 1/3 1"), 4, true);
    QVERIFY(r.computed());
    const double w[] = {std::cbrt(16.0), std::cbrt(4.0), 1.0, 1.0 / 3}, sum = w[0] + w[1] + w[2] + w[3];
    for (std::size_t i = 0; i < 4; ++i)
        QVERIFY(near(r.priorities.weights[i], w[i] / sum));
    QCOMPARE(r.missing, 2);
    QCOMPARE(r.estimated.size(), std::size_t(2));
    QVERIFY(r.estimated[0].row == 0 && r.estimated[0].col == 3 && near(r.estimated[0].value, 3 * std::cbrt(16.0)));
    QVERIFY(r.estimated[1].row == 1 && r.estimated[1].col == 3 && near(r.estimated[1].value, 3 * std::cbrt(4.0)));
    QVERIFY((r.askNext == JudgementPair{0, 3}));
}

void TstMissingJudgements::leastSquares_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("kind");
    for (int n = 3; n <= 15; ++n) {
        for (const char *kind : {"full", "consistent", "random", "not reciprocal"})
            QTest::addRow("%s, order %d", kind, n) << n << QString(kind);
    }
}

// A full matrix gives every digit computeLocalPriorities gives, the setting on or off. Whatever
// is removed from a consistent matrix, its weights come back. The completed matrix's geometric
// means are the least-squares weights, cells at their own values, and for reciprocal cells those
// solve the normal equations.
void TstMissingJudgements::leastSquares()
{
    QFETCH(int, n);
    QFETCH(QString, kind);
    std::mt19937 random(std::uint32_t(n * 31 + kind.size()));
    std::uint64_t seed = std::uint64_t(n) * 104729;
    Matrix a = referenceMatrix(&seed, n);
    std::vector<double> truth(a.size());
    for (double &t : truth)
        t = std::uniform_real_distribution<double>(1.0, 3.0)(random);
    for (std::size_t i = 0; i < a.size(); ++i) {
        for (std::size_t j = 0; j < a.size(); ++j)
            a[i][j] = kind == "consistent" ? truth[i] / truth[j] : kind != "not reciprocal" || j + 1 != i ? a[i][j] : 2.0;
        a[i][i] = kind == "not reciprocal" && i > 0 ? 2.0 : a[i][i];
    }
    if (kind == "full") {
        QList<QStringList> texts(n);
        for (std::size_t i = 0; i < a.size(); ++i)
            for (double v : a[i])
                texts[qsizetype(i)] << QString::number(v, 'g', 17);
        const PriorityResult today = computeLocalPriorities(n, a);
        for (bool allowMissing : {false, true}) {
            const IncompleteMatrixResult r = computeIncompleteMatrix(texts, n, allowMissing);
            QVERIFY(r.computed() && r.missing == 0 && r.estimated.empty() && !r.askNext);
            QVERIFY(r.priorities.weights == today.weights && r.priorities.lambdaMax == today.lambdaMax && r.priorities.cr == today.cr);
        }
        return;
    }
    // Every pair beyond a random spanning tree is dropped with probability one half.
    for (std::size_t j = 1; j < a.size(); ++j) {
        const std::size_t parent = random() % j;
        for (std::size_t i = 0; i < j; ++i)
            if (i != parent && random() % 2)
                a[i][j] = a[j][i] = 0.0;
    }
    std::vector<double> w;
    QVERIFY(leastSquaresWeights(n, a, &w));
    const IncompleteMatrixResult r = computeIncompleteMatrix(n, a);
    QVERIFY(r.computed());
    QCOMPARE(int(r.estimated.size()), r.missing);
    const double truthSum = std::accumulate(truth.begin(), truth.end(), 0.0);
    for (std::size_t i = 0; i < std::size_t(n); ++i) {
        QVERIFY(near(r.priorities.weights[i], w[i]));
        QVERIFY(kind != "consistent" || near(w[i], truth[i] / truthSum));
        double gradient = 0.0;
        for (std::size_t j = 0; j < std::size_t(n); ++j)
            gradient += a[i][j] > 0.0 && i != j ? std::log(a[i][j]) - std::log(w[i] / w[j]) : 0.0;
        QVERIFY2(kind == "not reciprocal" || std::fabs(gradient) < 1e-11, qPrintable(QString::number(gradient)));
    }
    for (const EstimatedJudgement &e : r.estimated)
        QVERIFY(a[std::size_t(e.row)][std::size_t(e.col)] == 0.0 && near(e.value, w[std::size_t(e.row)] / w[std::size_t(e.col)]));
}

void TstMissingJudgements::refusals_data()
{
    QTest::addColumn<QString>("matrix");
    QTest::addColumn<bool>("allowMissing");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("problem"); // "row,col,message" or the unlinked message; empty: computed
    const QString empty = JudgementEmptyMessage.text(), invalid = JudgementInvalidMessage.text();
    const QStringList names{"A", "B", "C", "D"};
    const QLocale c = QLocale::c(), russian(QLocale::Russian, QLocale::Russia);
    QTest::newRow("setting off") << "1 2 _ | 1/2 1 3 | _ 1/3 1" << false << c << "0,2," + empty;
    QTest::newRow("setting on, same pair") << "1 2 _ | 1/2 1 3 | _ 1/3 1" << true << c << "";
    QTest::newRow("half pair above") << "1 _ 4 | 2 1 3 | 1/4 1/3 1" << true << c << "0,1," + empty;
    QTest::newRow("half pair below") << "1 2 4 | _ 1 3 | 1/4 1/3 1" << true << c << "1,0," + empty;
    QTest::newRow("half pair, mirror rejected") << "1 _ 4 | x 1 3 | 1/4 1/3 1" << true << c << "0,1," + empty;
    QTest::newRow("rejected after a missing pair") << "1 2 _ | 1/2 1 10 | _ 1/3 1" << true << c << "1,2," + JudgementTooLargeMessage.text();
    QTest::newRow("empty diagonal") << "1 2 _ | 1/2 _ 3 | _ 1/3 1" << true << c << "1,1," + empty;
    QTest::newRow("short row") << "1 2 | 1/2 1 3 | _ 1/3 1" << true << c << "";
    QTest::newRow("file's dot, Russian") << "1 1.5 _ | 1/2 1 3 | _ 1/3 1" << true << russian << "";
    QTest::newRow("comma, Russian") << "1 1,5 _ | 1/2 1 3 | _ 1/3 1" << true << russian << "0,1," + invalid;
    QTest::newRow("comma, C") << "1 1,5 _ | 1/2 1 3 | _ 1/3 1" << true << c << "0,1," + invalid;
    QTest::newRow("two islands") << "1 2 _ _ | 1/2 1 _ _ | _ _ 1 5 | _ _ 1/5 1" << true << c << unlinkedItemsText(names, {2, 3});
    QTest::newRow("one alone") << "1 2 3 _ | 1/2 1 _ _ | 1/3 _ 1 _ | _ _ _ 1" << true << c << unlinkedItemsText(names, {3});
    QTest::newRow("a chain links") << "1 2 _ _ | 1/2 1 7 _ | _ 1/7 1 5 | _ _ 1/5 1" << true << c << "";
}

void TstMissingJudgements::refusals()
{
    QFETCH(QString, matrix);
    QFETCH(bool, allowMissing);
    QFETCH(QLocale, locale);
    QFETCH(QString, problem);
    const int n = int(cells(matrix).size());
    const IncompleteMatrixResult r = computeIncompleteMatrix(cells(matrix), n, allowMissing, locale);
    QString found;
    if (r.problem)
        found = QString("%1,%2,%3").arg(r.problem->row).arg(r.problem->col).arg(r.problem->message);
    else if (!r.unlinked.empty())
        found = unlinkedItemsText({"A", "B", "C", "D"}, r.unlinked);
    QCOMPARE(found, problem);
    QCOMPARE(int(r.priorities.weights.size()), problem.isEmpty() ? n : 0);
}

void TstMissingJudgements::askNext_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("known"); // the pairs given, all else missing
    QTest::addColumn<QString>("next");
    QTest::newRow("fewest comparisons before distance") << 6 << "01 12 02 23 34 35" << "45";
    QTest::newRow("farthest among the fewest") << 6 << "02 12 24 34 45" << "03";
    QTest::newRow("smallest pair last") << 4 << "01 02 03" << "12";
    QTest::newRow("unlinked is farthest") << 5 << "01 02 34" << "13";
    QTest::newRow("nothing missing") << 3 << "01 02 12" << "";
}

void TstMissingJudgements::askNext()
{
    QFETCH(int, n);
    QFETCH(QString, known);
    QFETCH(QString, next);
    Matrix a(std::size_t(n), std::vector<double>(std::size_t(n), 0.0));
    for (int i = 0; i < n; ++i)
        a[std::size_t(i)][std::size_t(i)] = 1.0;
    for (const QString &pair : known.split(' '))
        a[pair[0].digitValue()][pair[1].digitValue()] = a[pair[1].digitValue()][pair[0].digitValue()] = 1.0;
    const IncompleteMatrixResult r = computeIncompleteMatrix(n, a);
    QCOMPARE(r.askNext ? QString("%1%2").arg(r.askNext->row).arg(r.askNext->col) : QString(), next);
}

QTEST_GUILESS_MAIN(TstMissingJudgements)
#include "tst_missingjudgements.moc"
