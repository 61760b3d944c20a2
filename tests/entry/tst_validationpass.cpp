#include "entry/validationpass.h"
#include "model/judgement.h"
#include "entry_helpers.h"

#include <QtTest>

namespace {
const QString EmptyCell = JudgementEmptyMessage.text();
const QString BadText = JudgementInvalidMessage.text();
const QString ZeroValue = JudgementZeroMessage.text();
const QString BelowNinth = JudgementTooSmallMessage.text();
const QString AboveNine = JudgementTooLargeMessage.text();

struct HandedValue
{
    int i;
    int j;
    double value;
};

// Runs the pass and keeps what it handed over, in order.
std::optional<ValidationFailure> runPass(const TextGrid &grid, int n, QList<HandedValue> &handed)
{
    return runValidationPass(grid, n, [&handed](int i, int j, double value) {
        handed.append({i, j, value});
    });
}
}

class TstValidationPass : public QObject
{
    Q_OBJECT

private slots:
    void rowByRowUntilFirstBadCell_data();
    void rowByRowUntilFirstBadCell();
    void cellsOutsideTheGridAreEmpty_data();
    void cellsOutsideTheGridAreEmpty();
};

void TstValidationPass::rowByRowUntilFirstBadCell_data()
{
    QTest::addColumn<QString>("matrix");
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<int>("failCol");
    QTest::addColumn<int>("failRow");
    QTest::addColumn<QString>("message");

    QTest::newRow("all valid")
            << "1,3,1/5|1/3,1,7|5,1/7,1"
            << QList<double>{1, 3, 0.2, 1.0 / 3, 1, 7, 5, 1.0 / 7, 1} << 0 << 0 << QString();
    QTest::newRow("bounds of the scale and leading zero")
            << "1,9,1/9|09,1,3/1|1,1,1"
            << QList<double>{1, 9, 1.0 / 9, 9, 1, 3, 1, 1, 1} << 0 << 0 << QString();
    QTest::newRow("(2,1) before (1,3)")
            << "1,10,|1/3,1,7|,1/7,1" << QList<double>{1} << 2 << 1 << AboveNine;
    QTest::newRow("row 1 ends before row 2 starts")
            << "1,3,|0,1,7|5,1/7,1" << QList<double>{1, 3} << 3 << 1 << EmptyCell;
    QTest::newRow("bad cell in the last row")
            << "1,3,1/5|1/3,1,7|5,1//2,1" << QList<double>{1, 3, 0.2, 1.0 / 3, 1, 7, 5}
            << 2 << 3 << BadText;
    QTest::newRow("zero") << "1,0/7,|,1,|,,1" << QList<double>{1} << 2 << 1 << ZeroValue;
    QTest::newRow("below one ninth")
            << "1,2,1/2|2/19,1,|,,1" << QList<double>{1, 2, 0.5} << 1 << 2 << BelowNinth;
    QTest::newRow("diagonal is read too") << "1,2,2|1/2,,|,,1" << QList<double>{1, 2, 2, 0.5}
                                          << 2 << 2 << EmptyCell;
}

void TstValidationPass::rowByRowUntilFirstBadCell()
{
    QFETCH(QString, matrix);
    QFETCH(QList<double>, values);
    QFETCH(int, failCol);
    QFETCH(int, failRow);
    QFETCH(QString, message);

    MemoryGrid grid = MemoryGrid::comparison(3);
    grid.setJudgements(matrix);
    QList<HandedValue> handed;

    const std::optional<ValidationFailure> failure = runPass(grid, 3, handed);

    QCOMPARE(failure.has_value(), !message.isEmpty());
    if (failure) {
        QCOMPARE(failure->col, failCol);
        QCOMPARE(failure->row, failRow);
        QCOMPARE(failure->message, message);
    }
    QCOMPARE(handed.size(), values.size());
    for (int k = 0; k < handed.size(); ++k) {
        QCOMPARE(handed[k].i, k / 3);
        QCOMPARE(handed[k].j, k % 3);
        QCOMPARE(handed[k].value, values[k]);
    }
}

void TstValidationPass::cellsOutsideTheGridAreEmpty_data()
{
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("handedCount");
    QTest::addColumn<int>("failCol");
    QTest::addColumn<int>("failRow");

    QTest::newRow("missing last column") << 3 << 4 << 3 << 2 << 3 << 1;
    QTest::newRow("missing rows") << 5 << 2 << 3 << 3 << 1 << 2;
    QTest::newRow("no grid at all") << 0 << 0 << 3 << 0 << 1 << 1;
    QTest::newRow("nothing to check") << 0 << 0 << 0 << 0 << -1 << -1;
    QTest::newRow("whole matrix inside") << 4 << 4 << 3 << 9 << -1 << -1;
}

void TstValidationPass::cellsOutsideTheGridAreEmpty()
{
    QFETCH(int, cols);
    QFETCH(int, rows);
    QFETCH(int, n);
    QFETCH(int, handedCount);
    QFETCH(int, failCol);
    QFETCH(int, failRow);

    MemoryGrid grid(cols, rows);
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < cols; ++col)
            grid.setCellText(col, row, QStringLiteral("1"));
    }
    QList<HandedValue> handed;

    const std::optional<ValidationFailure> failure = runPass(grid, n, handed);

    QCOMPARE(handed.size(), handedCount);
    QCOMPARE(failure.has_value(), failCol >= 0);
    if (failure) {
        QCOMPARE(failure->col, failCol);
        QCOMPARE(failure->row, failRow);
        QCOMPARE(failure->message, EmptyCell);
    }
    QCOMPARE(grid.outOfRangeAccesses(), 0);
}

QTEST_GUILESS_MAIN(TstValidationPass)
#include "tst_validationpass.moc"
