#include "entry/gridediting.h"
#include "entry/reciprocal.h"
#include "entry_helpers.h"

#include <QtTest>

class TstGridEditing : public QObject
{
    Q_OBJECT

private slots:
    void selectionRule_data();
    void selectionRule();
    void selectableCellsAreTheOffDiagonalJudgements_data();
    void selectableCellsAreTheOffDiagonalJudgements();

    void enterMirrorsCurrentCell_data();
    void enterMirrorsCurrentCell();
    void enterWritesNothing_data();
    void enterWritesNothing();

    void passMirrorsRowByRow_data();
    void passMirrorsRowByRow();
    void passLeavesReciprocalGridStable_data();
    void passLeavesReciprocalGridStable();
    void shortGridIsNeverTouchedOutOfRange_data();
    void shortGridIsNeverTouchedOutOfRange();
};

void TstGridEditing::selectionRule_data()
{
    QTest::addColumn<int>("items");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("allowed");

    QTest::newRow("3: above the diagonal") << 3 << 2 << 1 << true;
    QTest::newRow("3: below the diagonal") << 3 << 1 << 3 << true;
    QTest::newRow("3: last judgement cell") << 3 << 2 << 3 << true;
    QTest::newRow("3: diagonal") << 3 << 2 << 2 << false;
    QTest::newRow("3: priority column") << 3 << 4 << 1 << false;
    QTest::newRow("3: header column") << 3 << 0 << 2 << false;
    QTest::newRow("3: header row") << 3 << 2 << 0 << false;
    QTest::newRow("3: corner") << 3 << 0 << 0 << false;
    QTest::newRow("3: beyond the grid") << 3 << 5 << 1 << false;
    QTest::newRow("3: negative column") << 3 << -1 << 1 << false;
    QTest::newRow("10: column 10 selectable") << 10 << 10 << 9 << true;
    QTest::newRow("10: column 11 refused") << 10 << 11 << 5 << false;
    QTest::newRow("10: last diagonal") << 10 << 10 << 10 << false;
    QTest::newRow("15: column 15 selectable") << 15 << 15 << 1 << true;
    QTest::newRow("15: column 16 refused") << 15 << 16 << 1 << false;
    QTest::newRow("15: last diagonal") << 15 << 15 << 15 << false;
}

void TstGridEditing::selectionRule()
{
    QFETCH(int, items);
    QFETCH(int, col);
    QFETCH(int, row);
    QFETCH(bool, allowed);

    QCOMPARE(canSelectCell(col, row, items + 2), allowed);
}

void TstGridEditing::selectableCellsAreTheOffDiagonalJudgements_data()
{
    QTest::addColumn<int>("items");

    QTest::newRow("3 items") << 3;
    QTest::newRow("10 items") << 10;
    QTest::newRow("15 items") << 15;
}

void TstGridEditing::selectableCellsAreTheOffDiagonalJudgements()
{
    QFETCH(int, items);

    int selectable = 0;
    for (int row = 0; row <= items; ++row) {
        for (int col = 0; col <= items + 1; ++col) {
            if (!canSelectCell(col, row, items + 2))
                continue;
            ++selectable;
            QVERIFY2(col >= 1 && col <= items && row >= 1 && col != row,
                     qPrintable(QStringLiteral("(%1, %2)").arg(col).arg(row)));
        }
    }
    QCOMPARE(selectable, items * (items - 1));
}

void TstGridEditing::enterMirrorsCurrentCell_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("after");

    QTest::newRow("7 gives 1/7") << "1,7,|,1,|,,1" << 2 << 1 << "1,7,|1/7,1,|,,1";
    QTest::newRow("1/7 gives 7") << "1,1/7,|,1,|,,1" << 2 << 1 << "1,1/7,|7,1,|,,1";
    QTest::newRow("1 gives 1") << "1,1,|,1,|,,1" << 2 << 1 << "1,1,|1,1,|,,1";
    QTest::newRow("0 gives 1/0") << "1,0,|,1,|,,1" << 2 << 1 << "1,0,|1/0,1,|,,1";
    QTest::newRow("replaces the other cell") << "1,3,|5,1,|,,1" << 2 << 1 << "1,3,|1/3,1,|,,1";
    QTest::newRow("below the diagonal mirrors upwards") << "1,,6|,1,|4,,1" << 1 << 3
                                                        << "1,,1/4|,1,|4,,1";
    QTest::newRow("last pair") << "1,,|,1,|,9,1" << 2 << 3 << "1,,|,1,1/9|,9,1";
    QTest::newRow("other numerator mirrored exactly") << "1,2/3,|,1,|,,1" << 2 << 1
                                                      << "1,2/3,|3/2,1,|,,1";
}

void TstGridEditing::enterMirrorsCurrentCell()
{
    QFETCH(QString, before);
    QFETCH(int, col);
    QFETCH(int, row);
    QFETCH(QString, after);

    MemoryGrid grid = MemoryGrid::comparison(3);
    grid.setJudgements(before);
    grid.setCurrent(col, row);

    mirrorCell(grid);

    QCOMPARE(grid.judgements(), after);
}

void TstGridEditing::enterWritesNothing_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");

    // The grid: "1,,5/|,1,1/2/3|,,1" with headers and a priority column.
    QTest::newRow("empty cell") << 2 << 1;
    QTest::newRow("trailing bar") << 3 << 1;
    QTest::newRow("two bars") << 3 << 2;
    QTest::newRow("diagonal") << 2 << 2;
    QTest::newRow("header column") << 0 << 2;
    QTest::newRow("header row") << 1 << 0;
    QTest::newRow("priority column") << 4 << 3;
    QTest::newRow("outside the grid") << 9 << 7;
    QTest::newRow("no current cell") << -1 << -1;
}

void TstGridEditing::enterWritesNothing()
{
    QFETCH(int, col);
    QFETCH(int, row);

    MemoryGrid grid = MemoryGrid::comparison(3);
    grid.setJudgements(QStringLiteral("1,,5/|,1,1/2/3|,,1"));
    grid.setCurrent(col, row);

    mirrorCell(grid);

    QVERIFY(grid.writes().isEmpty());
    QCOMPARE(grid.outOfRangeAccesses(), 0);
}

void TstGridEditing::passMirrorsRowByRow_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");

    QTest::newRow("above the diagonal decides") << "1,3,|5,1,|,,1" << "1,3,|1/3,1,|,,1";
    QTest::newRow("below fills an empty cell above") << "1,,|4,1,|,,1" << "1,1/4,|4,1,|,,1";
    QTest::newRow("emptied cell below refilled") << "1,7,|,1,|,,1" << "1,7,|1/7,1,|,,1";
    QTest::newRow("0 above is overwritten from below") << "1,0,|5,1,|,,1" << "1,1/5,|5,1,|,,1";
    QTest::newRow("0 alone is never mirrored") << "1,0,|,1,|,,1" << "1,0,|,1,|,,1";
    QTest::newRow("0 below is overwritten from above") << "1,2,|0,1,|,,1" << "1,2,|1/2,1,|,,1";
    QTest::newRow("0 on both sides") << "1,0,|0,1,|,,1" << "1,0,|0,1,|,,1";
    QTest::newRow("00 is not 0") << "1,00,|,1,|,,1" << "1,00,|1/00,1,|,,1";
    QTest::newRow("long fraction rewritten to its cut")
            << "1,1/12345678901,|,1,|,,1" << "1,1/1234567890,|1234567890,1,|,,1";
    QTest::newRow("every pair of three") << "1,3,5|,1,7|,,1" << "1,3,5|1/3,1,7|1/5,1/7,1";
    QTest::newRow("last pair decided above") << "1,,|,1,2|,9,1" << "1,,|,1,2|,1/2,1";
    QTest::newRow("other numerator") << "1,2/3,|,1,|,,1" << "1,2/3,|3/2,1,|,,1";
    QTest::newRow("whole number as fraction settles as the number")
            << "1,5/1,|,1,|,,1" << "1,5,|1/5,1,|,,1";
    QTest::newRow("malformed alone stays") << "1,5/,|,1,1/2/3|,,1" << "1,5/,|,1,1/2/3|,,1";
    QTest::newRow("malformed above taken over from below")
            << "1,/5,|3,1,|,,1" << "1,1/3,|3,1,|,,1";
    QTest::newRow("malformed below overwritten from above")
            << "1,3,|1//2,1,|,,1" << "1,3,|1/3,1,|,,1";
}

void TstGridEditing::passMirrorsRowByRow()
{
    QFETCH(QString, before);
    QFETCH(QString, after);

    MemoryGrid grid = MemoryGrid::comparison(3);
    grid.setJudgements(before);
    const QStringList frame = grid.frameTexts();

    mirrorAll(grid);

    QCOMPARE(grid.judgements(), after);
    QCOMPARE(grid.frameTexts(), frame);
}

void TstGridEditing::passLeavesReciprocalGridStable_data()
{
    QTest::addColumn<int>("items");

    QTest::newRow("3 items") << 3;
    QTest::newRow("10 alternatives") << 10;
    QTest::newRow("15 criteria") << 15;
}

void TstGridEditing::passLeavesReciprocalGridStable()
{
    QFETCH(int, items);

    static const QStringList texts = {
        QStringLiteral("3"), QStringLiteral("1/5"), QStringLiteral("1"), QStringLiteral("9"),
        QStringLiteral("1/1234567890"), QStringLiteral("2/7"), QStringLiteral("07"),
    };
    MemoryGrid grid = MemoryGrid::comparison(items);
    int next = 0;
    for (int row = 1; row <= items; ++row) {
        for (int col = row + 1; col <= items; ++col) {
            grid.setCellText(col, row, texts[next++ % texts.size()]);
            // Below the diagonal: alternately empty and a conflicting judgement.
            grid.setCellText(row, col, next % 2 ? QString() : QStringLiteral("4"));
        }
    }
    const QStringList frame = grid.frameTexts();

    mirrorAll(grid);

    next = 0;
    for (int row = 1; row <= items; ++row) {
        for (int col = row + 1; col <= items; ++col) {
            const QString above = texts[next++ % texts.size()];
            QCOMPARE(grid.cellText(col, row), above);
            QCOMPARE(grid.cellText(row, col), reciprocalText(above));
        }
    }
    const QString once = grid.judgements();
    mirrorAll(grid);
    QCOMPARE(grid.judgements(), once);
    QCOMPARE(grid.frameTexts(), frame);
    QCOMPARE(grid.outOfRangeAccesses(), 0);
}

void TstGridEditing::shortGridIsNeverTouchedOutOfRange_data()
{
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("rows");

    QTest::newRow("15 columns of items, 4 rows") << 17 << 5;
    QTest::newRow("10 columns of items, 2 rows") << 12 << 3;
    QTest::newRow("header row only") << 5 << 1;
    QTest::newRow("more rows than columns") << 4 << 9;
    QTest::newRow("one cell") << 1 << 1;
    QTest::newRow("empty grid") << 0 << 0;
}

void TstGridEditing::shortGridIsNeverTouchedOutOfRange()
{
    QFETCH(int, cols);
    QFETCH(int, rows);

    MemoryGrid grid(cols, rows);
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < cols; ++col)
            grid.setCellText(col, row, QStringLiteral("3"));
    }
    grid.forgetWrites();

    mirrorAll(grid);
    for (int row = 0; row < rows + 2; ++row) {
        for (int col = 0; col < cols + 2; ++col) {
            grid.setCurrent(col, row);
            mirrorCell(grid);
        }
    }

    QCOMPARE(grid.outOfRangeAccesses(), 0);
    for (const auto &cell : grid.writes()) {
        QVERIFY(cell.first >= 1 && cell.first <= cols - 2);
        QVERIFY(cell.second >= 1 && cell.second <= cols - 2);
    }
    if (cols >= 4 && rows >= 3)
        QCOMPARE(grid.cellText(1, 2), QStringLiteral("1/3"));
}

QTEST_GUILESS_MAIN(TstGridEditing)
#include "tst_gridediting.moc"
