// Editing the two comparison grids as a person does: which cells the mouse and the arrow keys
// can make current, the reciprocal written on Enter, the pass over the whole grid on a click and
// when the focus leaves it, the starting cell, and the cell following the editor as one types.

#include "app_helpers.h"

#include "platform/stringgrid.h"

#include <QHeaderView>
#include <QLineEdit>

using namespace WindowTest;

namespace {
// "criteria": ChoiceTab with `size` criteria; "alternatives": CompTab with `size` alternatives.
StringGrid *openGrid(TMainForm *form, const QString &which, int size)
{
    if (which == QLatin1String("criteria")) {
        goToCriteriaPage(form, size, 3);
        return find<StringGrid>(form, "ChoiceTab");
    }
    goToAlternativesPage(form, 3, size);
    return find<StringGrid>(form, "CompTab");
}

void clickRowHeader(StringGrid *grid, int row)
{
    grid->scrollTo(grid->model()->index(row, 1));
    QHeaderView *header = grid->verticalHeader();
    const QPoint at(header->width() / 2, header->sectionViewportPosition(row) + header->sectionSize(row) / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

void doubleClickCell(StringGrid *grid, int col, int row)
{
    const QModelIndex index = grid->model()->index(row, col);
    grid->scrollTo(index);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, grid->visualRect(index).center());
}

QPoint currentCell(const StringGrid *grid)
{
    return QPoint(grid->col(), grid->row());
}

void addGridRows(const char *name, const std::function<void(QTestData &, int)> &fill)
{
    const struct
    {
        const char *which;
        int size;
    } grids[] = {{"criteria", 3}, {"criteria", 15}, {"alternatives", 3}, {"alternatives", 10}};
    for (const auto &g : grids) {
        QTestData &row = QTest::addRow("%s %d, %s", g.which, g.size, name) << QString::fromLatin1(g.which) << g.size;
        fill(row, g.size);
    }
}

enum Where { Cell, DoubleClick, ColumnHeader, RowHeader };
}

class TstComparisonGrids : public QObject
{
    Q_OBJECT
private slots:
    void startingCell_data();
    void startingCell();

    void mouseSelection_data();
    void mouseSelection();
    void arrowKeys_data();
    void arrowKeys();

    void mirrorOnEnter_data();
    void mirrorOnEnter();
    void mirrorAllOnClick_data();
    void mirrorAllOnClick();
    void mirrorAllWhenTabLeavesTheGrid_data();
    void mirrorAllWhenTabLeavesTheGrid();
    void computeButtonMirrorsFirst_data();
    void computeButtonMirrorsFirst();

    void cellFollowsTheEditor_data();
    void cellFollowsTheEditor();
    void diagonalKeepsOne_data();
    void diagonalKeepsOne();
};

void TstComparisonGrids::startingCell_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<int>("size");
    addGridRows("prepared", [](QTestData &, int) {});
}

void TstComparisonGrids::startingCell()
{
    QFETCH(QString, which);
    QFETCH(int, size);

    auto form = openWindow();
    StringGrid *grid = openGrid(form.get(), which, size);
    QCOMPARE(currentCell(grid), QPoint(2, 1));

    if (which == QLatin1String("alternatives")) {
        QVERIFY(enterMatrix(grid, uniformUpper(size, QStringLiteral("1"))));
        QCOMPARE(currentCell(grid), QPoint(size, size - 1));
        click(find<QPushButton>(form.get(), "NextMatrixBtn"));
        QCOMPARE(currentCell(grid), QPoint(2, 1));
        clickCell(grid, 1, 3);
        click(find<QPushButton>(form.get(), "PriorMatrixBtn"));
        QCOMPARE(currentCell(grid), QPoint(2, 1));
    }

    clickCell(grid, 1, 3);
    QCOMPARE(currentCell(grid), QPoint(1, 3));
    click(find<QPushButton>(form.get(), "PriorBtn"));
    click(find<QPushButton>(form.get(), "NextBtn"));
    QCOMPARE(page(form.get()), which == QLatin1String("criteria") ? 2 : 3);
    QCOMPARE(currentCell(grid), QPoint(2, 1));
}

void TstComparisonGrids::mouseSelection_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("where");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("becomesCurrent");

    addGridRows("first diagonal cell", [](QTestData &r, int) { r << int(Cell) << 1 << 1 << false; });
    addGridRows("last diagonal cell", [](QTestData &r, int n) { r << int(Cell) << n << n << false; });
    addGridRows("priority column, first row", [](QTestData &r, int n) { r << int(Cell) << n + 1 << 1 << false; });
    addGridRows("priority column, last row", [](QTestData &r, int n) { r << int(Cell) << n + 1 << n << false; });
    addGridRows("double click on the diagonal", [](QTestData &r, int) { r << int(DoubleClick) << 2 << 2 << false; });
    addGridRows("column header", [](QTestData &r, int) { r << int(ColumnHeader) << 3 << 0 << false; });
    addGridRows("row header", [](QTestData &r, int) { r << int(RowHeader) << 0 << 2 << false; });
    addGridRows("below the diagonal", [](QTestData &r, int) { r << int(Cell) << 1 << 2 << true; });
    addGridRows("last judgement column", [](QTestData &r, int n) { r << int(Cell) << n << 1 << true; });
    addGridRows("last row", [](QTestData &r, int n) { r << int(Cell) << 1 << n << true; });
    addGridRows("beside the last diagonal cell", [](QTestData &r, int n) { r << int(Cell) << n - 1 << n << true; });
}

void TstComparisonGrids::mouseSelection()
{
    QFETCH(QString, which);
    QFETCH(int, size);
    QFETCH(int, where);
    QFETCH(int, col);
    QFETCH(int, row);
    QFETCH(bool, becomesCurrent);

    auto form = openWindow();
    StringGrid *grid = openGrid(form.get(), which, size);
    QCOMPARE(currentCell(grid), QPoint(2, 1));
    switch (where) {
    case Cell:
        clickCell(grid, col, row);
        break;
    case DoubleClick:
        doubleClickCell(grid, col, row);
        break;
    case ColumnHeader:
        clickColumnHeader(grid, col);
        break;
    default:
        clickRowHeader(grid, row);
        break;
    }
    QCOMPARE(currentCell(grid), becomesCurrent ? QPoint(col, row) : QPoint(2, 1));
    QVERIFY(!grid->isEditing());

    if (where == ColumnHeader || where == RowHeader)
        return;
    // What is typed next goes into the current cell, never into the refused one.
    type(QStringLiteral("5"));
    QCOMPARE(grid->cell(grid->col(), grid->row()), QStringLiteral("5"));
    if (!becomesCurrent && where == Cell)
        QCOMPARE(grid->cell(col, row), col == row ? QStringLiteral("1") : QString());
}

void TstComparisonGrids::arrowKeys_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<int>("size");
    QTest::addColumn<QPoint>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<QPoint>("expected");

    addGridRows("Down onto the diagonal", [](QTestData &r, int) {
        r << QPoint(2, 1) << int(Qt::Key_Down) << QPoint(2, 1);
    });
    addGridRows("Left onto the diagonal, header beyond", [](QTestData &r, int) {
        r << QPoint(2, 1) << int(Qt::Key_Left) << QPoint(2, 1);
    });
    addGridRows("Right onto the diagonal, no skipping", [](QTestData &r, int) {
        r << QPoint(1, 2) << int(Qt::Key_Right) << QPoint(1, 2);
    });
    addGridRows("Up onto the diagonal", [](QTestData &r, int) {
        r << QPoint(1, 2) << int(Qt::Key_Up) << QPoint(1, 2);
    });
    addGridRows("Up into the header row", [](QTestData &r, int) {
        r << QPoint(3, 1) << int(Qt::Key_Up) << QPoint(3, 1);
    });
    addGridRows("Left into the header column", [](QTestData &r, int) {
        r << QPoint(1, 3) << int(Qt::Key_Left) << QPoint(1, 3);
    });
    addGridRows("Right onto the priority column", [](QTestData &r, int n) {
        r << QPoint(n, 1) << int(Qt::Key_Right) << QPoint(n, 1);
    });
    addGridRows("Right onto the last diagonal cell", [](QTestData &r, int n) {
        r << QPoint(n - 1, n) << int(Qt::Key_Right) << QPoint(n - 1, n);
    });
    addGridRows("Down below the last row", [](QTestData &r, int n) {
        r << QPoint(1, n) << int(Qt::Key_Down) << QPoint(1, n);
    });
    addGridRows("Right to an allowed cell", [](QTestData &r, int) {
        r << QPoint(2, 1) << int(Qt::Key_Right) << QPoint(3, 1);
    });
    addGridRows("Down to an allowed cell", [](QTestData &r, int) {
        r << QPoint(1, 2) << int(Qt::Key_Down) << QPoint(1, 3);
    });
    addGridRows("Up to an allowed cell", [](QTestData &r, int n) {
        r << QPoint(n, n - 1) << int(Qt::Key_Up) << QPoint(n, n - 2);
    });
    addGridRows("Left to an allowed cell", [](QTestData &r, int n) {
        r << QPoint(n - 1, n) << int(Qt::Key_Left) << QPoint(n - 2, n);
    });
}

void TstComparisonGrids::arrowKeys()
{
    QFETCH(QString, which);
    QFETCH(int, size);
    QFETCH(QPoint, start);
    QFETCH(int, key);
    QFETCH(QPoint, expected);

    auto form = openWindow();
    StringGrid *grid = openGrid(form.get(), which, size);
    clickCell(grid, start.x(), start.y());
    QCOMPARE(currentCell(grid), start);
    QVERIFY(grid->hasFocus());

    QTest::keyClick(grid, Qt::Key(key));
    QCOMPARE(currentCell(grid), expected);
    // A second press toward a refused cell still goes nowhere.
    if (expected == start) {
        QTest::keyClick(grid, Qt::Key(key));
        QCOMPARE(currentCell(grid), start);
    }
}

void TstComparisonGrids::mirrorOnEnter_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QPoint>("cell");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("transposed");

    // The transposed cell holds "4" before Enter.
    for (const char *which : {"criteria", "alternatives"}) {
        const QString w = QString::fromLatin1(which);
        auto row = [which](const char *name) -> QTestData & { return QTest::addRow("%s, %s", which, name); };
        row("whole number") << w << QPoint(2, 1) << "7" << "1/7";
        row("one over a number") << w << QPoint(2, 1) << "1/7" << "7";
        row("one") << w << QPoint(2, 1) << "1" << "1";
        row("zero") << w << QPoint(2, 1) << "0" << "1/0";
        row("other numerator") << w << QPoint(2, 1) << "2/3" << "3/2";
        row("other numerator, longer") << w << QPoint(2, 1) << "10/5" << "5/10";
        row("trailing slash") << w << QPoint(2, 1) << "5/" << "4";
        row("leading slash") << w << QPoint(2, 1) << "/5" << "4";
        row("two slashes") << w << QPoint(2, 1) << "1/2/3" << "4";
        row("double slash") << w << QPoint(2, 1) << "1//2" << "4";
        row("divisor of 11 digits") << w << QPoint(2, 1) << "1/12345678901" << "1234567890";
        row("below the diagonal") << w << QPoint(1, 3) << "5" << "1/5";
        row("last pair") << w << QPoint(3, 2) << "1/9" << "9";
    }
}

void TstComparisonGrids::mirrorOnEnter()
{
    QFETCH(QString, which);
    QFETCH(QPoint, cell);
    QFETCH(QString, text);
    QFETCH(QString, transposed);

    auto form = openWindow();
    StringGrid *grid = openGrid(form.get(), which, 3);
    clickCell(grid, cell.x(), cell.y());
    grid->setCell(cell.y(), cell.x(), QStringLiteral("4"));
    type(text);
    QVERIFY(grid->isEditing());
    pressKey(Qt::Key_Return);

    QVERIFY(!grid->isEditing());
    QCOMPARE(currentCell(grid), cell);
    QCOMPARE(grid->cell(cell.x(), cell.y()), text);
    QCOMPARE(grid->cell(cell.y(), cell.x()), transposed);
    for (int i = 1; i <= 3; ++i)
        QCOMPARE(grid->cell(i, i), QStringLiteral("1"));
}

void TstComparisonGrids::mirrorAllOnClick_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<bool>("onDiagonal");
    QTest::addColumn<QString>("above");
    QTest::addColumn<QString>("below");
    QTest::addColumn<QString>("aboveAfter");
    QTest::addColumn<QString>("belowAfter");

    for (const char *which : {"criteria", "alternatives"}) {
        const QString w = QString::fromLatin1(which);
        auto row = [which](const char *name) -> QTestData & { return QTest::addRow("%s, %s", which, name); };
        row("both filled: the cell above decides") << w << false << "3" << "5" << "3" << "1/3";
        row("above empty: the cell below fills it") << w << false << "" << "4" << "1/4" << "4";
        row("zero above: overwritten from below") << w << false << "0" << "5" << "1/5" << "5";
        row("zero below: overwritten from above") << w << false << "5" << "0" << "5" << "1/5";
        row("zero alone stays") << w << false << "0" << "" << "0" << "";
        row("fraction above") << w << false << "1/7" << "" << "1/7" << "7";
        row("other numerator above") << w << false << "2/3" << "" << "2/3" << "3/2";
        row("malformed alone stays") << w << false << "5/" << "" << "5/" << "";
        row("long divisor cut, then rewritten") << w << false << "1/12345678901" << "" << "1/1234567890"
                                                << "1234567890";
        row("reciprocal pair unchanged") << w << false << "1/3" << "3" << "1/3" << "3";
        row("click on the diagonal") << w << true << "3" << "5" << "3" << "1/3";
    }
}

void TstComparisonGrids::mirrorAllOnClick()
{
    QFETCH(QString, which);
    QFETCH(bool, onDiagonal);
    QFETCH(QString, above);
    QFETCH(QString, below);
    QFETCH(QString, aboveAfter);
    QFETCH(QString, belowAfter);

    auto form = openWindow();
    StringGrid *grid = openGrid(form.get(), which, 3);
    // The pair (row 1, column 3) and (row 3, column 1), as earlier typing left it.
    grid->setCell(3, 1, above);
    grid->setCell(1, 3, below);
    if (onDiagonal)
        clickCell(grid, 2, 2);
    else
        clickCell(grid, 3, 2);

    QCOMPARE(grid->cell(3, 1), aboveAfter);
    QCOMPARE(grid->cell(1, 3), belowAfter);
    QCOMPARE(grid->cell(2, 1), QString());
    QCOMPARE(grid->cell(1, 2), QString());
    for (int i = 1; i <= 3; ++i)
        QCOMPARE(grid->cell(i, i), QStringLiteral("1"));
}

void TstComparisonGrids::mirrorAllWhenTabLeavesTheGrid_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<bool>("editorOpen");
    QTest::newRow("criteria, editor open") << "criteria" << true;
    QTest::newRow("criteria, editor closed") << "criteria" << false;
    QTest::newRow("alternatives, editor open") << "alternatives" << true;
    QTest::newRow("alternatives, editor closed") << "alternatives" << false;
}

void TstComparisonGrids::mirrorAllWhenTabLeavesTheGrid()
{
    QFETCH(QString, which);
    QFETCH(bool, editorOpen);

    auto form = openWindow();
    StringGrid *grid = openGrid(form.get(), which, 3);
    clickCell(grid, 1, 2);
    if (editorOpen)
        type(QStringLiteral("4"));
    else
        grid->setCell(1, 2, QStringLiteral("4"));
    QCOMPARE(grid->isEditing(), editorOpen);
    QCOMPARE(grid->cell(2, 1), QString());

    pressKey(Qt::Key_Tab);
    QVERIFY(!grid->isAncestorOf(QApplication::focusWidget()));
    QVERIFY(QApplication::focusWidget() != grid);
    QCOMPARE(grid->cell(1, 2), QStringLiteral("4"));
    QCOMPARE(grid->cell(2, 1), QStringLiteral("1/4"));
}

void TstComparisonGrids::computeButtonMirrorsFirst_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("button");
    QTest::newRow("criteria") << "criteria" << "CalcBtn";
    QTest::newRow("alternatives") << "alternatives" << "CalcBtn2";
}

void TstComparisonGrids::computeButtonMirrorsFirst()
{
    QFETCH(QString, which);
    QFETCH(QString, button);

    auto form = openWindow();
    StringGrid *grid = openGrid(form.get(), which, 3);
    // Only the lower triangle is typed: the last judgement stays in the open editor.
    grid->setCell(1, 2, QStringLiteral("3"));
    grid->setCell(1, 3, QStringLiteral("5"));
    clickCell(grid, 2, 3);
    grid->setCell(2, 1, QString());
    grid->setCell(3, 1, QString());
    type(QStringLiteral("3"));
    QCOMPARE(grid->cell(3, 2), QString());

    click(find<QPushButton>(form.get(), button.toLatin1().constData()));
    QCOMPARE(status(form.get()), QString());
    QCOMPARE(grid->cell(2, 1), QStringLiteral("1/3"));
    QCOMPARE(grid->cell(3, 1), QStringLiteral("1/5"));
    QCOMPARE(grid->cell(3, 2), QStringLiteral("1/3"));
    QCOMPARE(grid->cell(4, 1), QStringLiteral("0.10472943"));
    QCOMPARE(grid->cell(4, 2), QStringLiteral("0.25828499"));
    QCOMPARE(grid->cell(4, 3), QStringLiteral("0.63698557"));
}

void TstComparisonGrids::cellFollowsTheEditor_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<int>("size");
    addGridRows("typing", [](QTestData &, int) {});
}

void TstComparisonGrids::cellFollowsTheEditor()
{
    QFETCH(QString, which);
    QFETCH(int, size);

    auto form = openWindow();
    StringGrid *grid = openGrid(form.get(), which, size);
    clickCell(grid, size, size - 1);
    const QString text = QStringLiteral("1/7");
    for (int i = 1; i <= text.size(); ++i) {
        type(text.mid(i - 1, 1));
        QVERIFY(grid->isEditing());
        QCOMPARE(grid->cell(size, size - 1), text.left(i));
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    QCOMPARE(grid->cell(size, size - 1), QStringLiteral("1/"));
    // Typing over a filled cell replaces its text.
    pressKey(Qt::Key_Return);
    type(QStringLiteral("9"));
    QCOMPARE(grid->cell(size, size - 1), QStringLiteral("9"));
    pressKey(Qt::Key_Return);
    QCOMPARE(grid->cell(size - 1, size), QStringLiteral("1/9"));
}

void TstComparisonGrids::diagonalKeepsOne_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<int>("size");
    addGridRows("everything at once", [](QTestData &, int) {});
}

void TstComparisonGrids::diagonalKeepsOne()
{
    QFETCH(QString, which);
    QFETCH(int, size);
    const int n = size;

    auto form = openWindow();
    StringGrid *grid = openGrid(form.get(), which, n);
    clickCell(grid, 2, 2);
    type(QStringLiteral("5"));
    pressKey(Qt::Key_Return);
    doubleClickCell(grid, n, n);
    type(QStringLiteral("7"));
    pressKey(Qt::Key_Return);
    clickCell(grid, 1, 2);
    pressKey(Qt::Key_Right);
    type(QStringLiteral("1/3"));
    pressKey(Qt::Key_Return);
    clickCell(grid, n - 1, n);
    pressKey(Qt::Key_Right);
    pressKey(Qt::Key_Backspace);
    pressKey(Qt::Key_Tab);
    clickCell(grid, n + 1, n);
    type(QStringLiteral("1"));
    pressKey(Qt::Key_Return);

    for (int i = 1; i <= n; ++i)
        QCOMPARE(grid->cell(i, i), QStringLiteral("1"));
    QCOMPARE(grid->cell(n + 1, n), QString());
    // Where the keys went instead: the cells that were current.
    QCOMPARE(grid->cell(1, 2), QStringLiteral("1/3"));
    QCOMPARE(grid->cell(2, 1), QStringLiteral("3"));
}

ANALYZE_WINDOW_TEST_MAIN(TstComparisonGrids)
#include "tst_comparisongrids.moc"
