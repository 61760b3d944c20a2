// Cell sizes that follow the window: the fitting rule itself, and the four grids of the window
// fitted after a change of the window's size and at the end of each forward move.

#include "app_helpers.h"

#include "app/gridfit.h"
#include "platform/stringgrid.h"

using namespace WindowTest;

namespace {
const GridFitRule &ruleNamed(const QString &grid)
{
    if (grid == QLatin1String("ChoiceTab"))
        return ChoiceTabFit;
    if (grid == QLatin1String("CompTab"))
        return CompTabFit;
    if (grid == QLatin1String("GlobTab"))
        return GlobTabFit;
    return GlobalesFit;
}

StringGrid *grid(const TMainForm *form, const QString &name)
{
    return find<StringGrid>(form, name.toLatin1().constData());
}

void resizeGridHeight(TMainForm *form, StringGrid *grid, int height)
{
    form->resize(form->width(), form->height() + height - grid->height());
    QTRY_COMPARE(grid->height(), height);
}

// Both the default and the size of a real judgement cell, so that the cells follow the rule.
void verifyCellSizes(StringGrid *grid, int colWidth, int rowHeight)
{
    QCOMPARE(grid->defaultColWidth(), colWidth);
    QCOMPARE(grid->colWidth(1), colWidth);
    QCOMPARE(grid->defaultRowHeight(), rowHeight);
    QCOMPARE(grid->rowHeight(1), rowHeight);
}

void walkTo(TMainForm *form, int target, int criteria, int alternatives)
{
    if (target == 2)
        goToCriteriaPage(form, criteria, alternatives);
    else if (target == 3)
        goToAlternativesPage(form, criteria, alternatives);
    else
        goToResultPage(form, criteria, alternatives);
}
}

class TstResize : public QObject
{
    Q_OBJECT
private slots:
    void fittingRule_data();
    void fittingRule();

    void columnWidthsOnRealGrids_data();
    void columnWidthsOnRealGrids();
    void rowHeightsOnRealGrids_data();
    void rowHeightsOnRealGrids();

    void fittedAtTheEndOfForwardMoves();
    void followsTheWindowOnTheAlternativesPage_data();
    void followsTheWindowOnTheAlternativesPage();
    void namesPageSpreadsOverLargerWindows_data();
    void namesPageSpreadsOverLargerWindows();
};

void TstResize::fittingRule_data()
{
    QTest::addColumn<QString>("grid");
    QTest::addColumn<bool>("width");
    QTest::addColumn<int>("extent");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("expected");

    QTest::newRow("CompTab 553 wide, 12 columns") << "CompTab" << true << 553 << 12 << 44;
    QTest::newRow("CompTab 553 wide, 5 columns") << "CompTab" << true << 553 << 5 << 106;
    QTest::newRow("CompTab computed 39 becomes 40") << "CompTab" << true << 410 << 10 << 40;
    QTest::newRow("CompTab computed 40 kept") << "CompTab" << true << 420 << 10 << 40;
    QTest::newRow("CompTab computed 121 becomes 120") << "CompTab" << true << 625 << 5 << 120;
    QTest::newRow("CompTab computed 120 kept") << "CompTab" << true << 620 << 5 << 120;
    QTest::newRow("ChoiceTab computed 31 becomes 70") << "ChoiceTab" << true << 553 << 17 << 70;
    QTest::newRow("ChoiceTab computed 59 becomes 70") << "ChoiceTab" << true << 553 << 9 << 70;
    QTest::newRow("ChoiceTab computed 60 kept") << "ChoiceTab" << true << 500 << 8 << 60;
    QTest::newRow("ChoiceTab computed 66 kept") << "ChoiceTab" << true << 553 << 8 << 66;
    QTest::newRow("GlobTab 71.5 less 2 is 69, becomes 70") << "GlobTab" << true << 306 << 4 << 70;
    QTest::newRow("GlobTab 72 less 2 kept") << "GlobTab" << true << 308 << 4 << 70;
    QTest::newRow("GlobTab 82.25 less 2 is 80") << "GlobTab" << true << 349 << 4 << 80;
    QTest::newRow("Globales 551 wide, 11 columns: 46.27 gives 46") << "Globales" << true << 551 << 11 << 46;
    QTest::newRow("Globales 41.9 less 2 becomes 40") << "Globales" << true << 439 << 10 << 40;

    QTest::newRow("rows: 10 px high") << "CompTab" << false << 10 << 11 << 20;
    QTest::newRow("rows: 19.9 becomes 20") << "ChoiceTab" << false << 219 << 10 << 20;
    QTest::newRow("rows: 39.75 gives 39") << "ChoiceTab" << false << 179 << 4 << 39;
    QTest::newRow("rows: 41 becomes 40") << "CompTab" << false << 184 << 4 << 40;
    QTest::newRow("rows: very tall") << "CompTab" << false << 1200 << 4 << 40;
    QTest::newRow("rows: GlobTab 40 less 2 is 38") << "GlobTab" << false << 180 << 4 << 38;
    QTest::newRow("rows: GlobTab 21 less 2 becomes 20") << "GlobTab" << false << 104 << 4 << 20;
    QTest::newRow("rows: Globales 28.5 less 2 gives 26") << "Globales" << false << 77 << 2 << 26;
}

void TstResize::fittingRule()
{
    QFETCH(QString, grid);
    QFETCH(bool, width);
    QFETCH(int, extent);
    QFETCH(int, count);
    QFETCH(int, expected);

    const GridFitRule &rule = ruleNamed(grid);
    QCOMPARE(width ? fittedColWidth(extent, count, rule) : fittedRowHeight(extent, count, rule), expected);
}

void TstResize::columnWidthsOnRealGrids_data()
{
    QTest::addColumn<QString>("grid");
    QTest::addColumn<int>("target");
    QTest::addColumn<int>("criteria");
    QTest::addColumn<int>("alternatives");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("expected");

    QTest::newRow("CompTab, 10 alternatives") << "CompTab" << 3 << 3 << 10 << 553 << 12 << 44;
    QTest::newRow("CompTab, 3 alternatives") << "CompTab" << 3 << 3 << 3 << 553 << 5 << 106;
    QTest::newRow("ChoiceTab, 15 criteria") << "ChoiceTab" << 2 << 15 << 3 << 553 << 17 << 70;
    QTest::newRow("ChoiceTab, 7 criteria") << "ChoiceTab" << 2 << 7 << 3 << 553 << 9 << 70;
    QTest::newRow("ChoiceTab, 6 criteria") << "ChoiceTab" << 2 << 6 << 3 << 553 << 8 << 66;
    QTest::newRow("Globales, 10 alternatives") << "Globales" << 4 << 3 << 10 << 551 << 11 << 46;
    QTest::newRow("GlobTab, 10 criteria") << "GlobTab" << 4 << 10 << 3 << 553 << 11 << 70;
    QTest::newRow("GlobTab, 6 criteria") << "GlobTab" << 4 << 6 << 3 << 553 << 7 << 74;
}

void TstResize::columnWidthsOnRealGrids()
{
    QFETCH(QString, grid);
    QFETCH(int, target);
    QFETCH(int, criteria);
    QFETCH(int, alternatives);
    QFETCH(int, width);
    QFETCH(int, columns);
    QFETCH(int, expected);

    auto form = openWindow();
    walkTo(form.get(), target, criteria, alternatives);
    StringGrid *g = ::grid(form.get(), grid);
    QCOMPARE(g->colCount(), columns);
    // Wider first, so that reaching the width is a real change of the window's size.
    resizeGridWidth(form.get(), g, width + 50);
    resizeGridWidth(form.get(), g, width);
    QCOMPARE(g->defaultColWidth(), expected);
    QCOMPARE(g->colWidth(1), expected);
    // A header wider than the fitted width keeps its column as wide as its text.
    QCOMPARE(g->colWidth(columns - 1), qMax(expected, g->widthForTexts(columns - 1)));
}

void TstResize::rowHeightsOnRealGrids_data()
{
    QTest::addColumn<QString>("grid");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("expected");

    // 3 criteria and 3 alternatives: 4 rows in ChoiceTab and CompTab.
    QTest::newRow("CompTab only 10 px high") << "CompTab" << 10 << 20;
    QTest::newRow("CompTab 179 px high: 39.75 gives 39") << "CompTab" << 179 << 39;
    QTest::newRow("CompTab very tall") << "CompTab" << 900 << 40;
    QTest::newRow("ChoiceTab only 10 px high") << "ChoiceTab" << 10 << 20;
    QTest::newRow("ChoiceTab 140 px high: 30") << "ChoiceTab" << 140 << 30;
}

void TstResize::rowHeightsOnRealGrids()
{
    QFETCH(QString, grid);
    QFETCH(int, height);
    QFETCH(int, expected);

    auto form = openWindow();
    QVERIFY(goToAlternativesPage(form.get(), 3, 3));
    StringGrid *g = ::grid(form.get(), grid);
    form->resize(form->minimumSize());
    QTRY_COMPARE(form->size(), form->minimumSize());
    if (height < g->height()) {
        // Lower than the window's smallest size allows: the grid itself is squeezed.
        g->setFixedHeight(height);
        form->resize(form->width() + 10, form->height());
        QTRY_COMPARE(g->height(), height);
        QTRY_COMPARE(g->defaultRowHeight(), expected);
    } else {
        resizeGridHeight(form.get(), g, height);
    }
    QCOMPARE(g->defaultRowHeight(), expected);
    QCOMPARE(g->rowHeight(1), expected);
    QCOMPARE(g->rowHeight(3), expected);
}

void TstResize::fittedAtTheEndOfForwardMoves()
{
    auto form = openWindow();
    auto *choiceTab = find<StringGrid>(form.get(), "ChoiceTab");
    auto *compTab = find<StringGrid>(form.get(), "CompTab");
    auto *globTab = find<StringGrid>(form.get(), "GlobTab");
    QCOMPARE(compTab->colCount(), 12);

    QVERIFY(clickCountsTo(form.get(), 6, 3));
    click(find<QPushButton>(form.get(), "NextBtn"));
    QCOMPARE(page(form.get()), 1);
    // The reset gave CompTab 5 columns and ChoiceTab 7.
    QCOMPARE(compTab->defaultColWidth(), 106);
    QCOMPARE(choiceTab->defaultColWidth(), 76);

    click(find<QPushButton>(form.get(), "NextBtn"));
    QCOMPARE(page(form.get()), 2);
    QCOMPARE(choiceTab->colCount(), 8);
    QCOMPARE(choiceTab->width(), 553);
    QCOMPARE(choiceTab->defaultColWidth(), 66);
    QCOMPARE(choiceTab->colWidth(1), 66);

    QVERIFY(enterMatrix(choiceTab, uniformUpper(6, QStringLiteral("1"))));
    click(find<QPushButton>(form.get(), "NextBtn"));
    QCOMPARE(page(form.get()), 3);
    QVERIFY(enterRemainingAltMatrices(form.get(), QStringLiteral("1")));
    QCOMPARE(globTab->colCount(), 2);
    QCOMPARE(globTab->defaultColWidth(), 120);

    click(find<QPushButton>(form.get(), "NextBtn"));
    QCOMPARE(page(form.get()), 4);
    QCOMPARE(globTab->colCount(), 7);
    QCOMPARE(globTab->width(), 553);
    QCOMPARE(globTab->defaultColWidth(), 74);
    QCOMPARE(globTab->colWidth(6), 74);
}

void TstResize::followsTheWindowOnTheAlternativesPage_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("colWidth");
    QTest::addColumn<int>("rowHeight");

    // 3 alternatives: CompTab has 5 columns and 4 rows.
    // Sizes that the window can take: it is never smaller than its controls need.
    QTest::newRow("narrower and lower") << 503 << 175 << 96 << 38;
    QTest::newRow("wider than the limit") << 653 << 175 << 120 << 38;
    QTest::newRow("taller than the limit") << 553 << 400 << 106 << 40;
    QTest::newRow("row height just below the limit") << 553 << 179 << 106 << 39;
}

void TstResize::followsTheWindowOnTheAlternativesPage()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, colWidth);
    QFETCH(int, rowHeight);

    auto form = openWindow();
    QVERIFY(goToAlternativesPage(form.get(), 3, 3));
    auto *compTab = find<StringGrid>(form.get(), "CompTab");
    QCOMPARE(compTab->colCount(), 5);
    QCOMPARE(compTab->rowCount(), 4);

    resizeGridWidth(form.get(), compTab, width);
    resizeGridHeight(form.get(), compTab, height);
    verifyCellSizes(compTab, colWidth, rowHeight);
}

void TstResize::namesPageSpreadsOverLargerWindows_data()
{
    QTest::addColumn<int>("grow");
    QTest::newRow("as designed") << 0;
    QTest::newRow("a little larger") << 37;
    QTest::newRow("much larger") << 600;
}

// The lists and their editors take whatever a larger window adds, the editors stay under their
// lists with their captions, and everything stays inside its box.
void TstResize::namesPageSpreadsOverLargerWindows()
{
    QFETCH(int, grow);
    auto form = openWindow();
    QVERIFY(clickCountsTo(form.get(), 5, 4));
    click(find<QPushButton>(form.get(), "NextBtn"));
    QCOMPARE(page(form.get()), 1);
    auto *choices = find<QWidget>(form.get(), "Choices");
    auto *altList = find<QWidget>(form.get(), "AltList");
    const QSize before(choices->width() + altList->width(), choices->height());
    form->resize(form->width() + grow, form->height() + grow);
    QTRY_COMPARE(find<QWidget>(form.get(), "NamesPage")->width(), find<QWidget>(form.get(), "Notebook")->contentsRect().width());
    form->FormResize();
    QCOMPARE(choices->width() + altList->width(), before.width() + grow);
    QCOMPARE(choices->height(), before.height() + grow);
    const struct
    {
        const char *box, *list, *editor, *caption;
    } boxes[] = {{"GroupBox1", "Choices", "ChoiceName", "Label5"}, {"GroupBox2", "AltList", "ChoiceAlt", "Label33"}};
    for (const auto &b : boxes) {
        auto *box = find<QWidget>(form.get(), b.box);
        auto *list = find<QWidget>(form.get(), b.list);
        auto *editor = find<QWidget>(form.get(), b.editor);
        auto *caption = find<QWidget>(form.get(), b.caption);
        QVERIFY(box->parentWidget()->rect().contains(box->geometry()));
        for (QWidget *w : {list, editor, caption})
            QVERIFY2(box->rect().contains(w->geometry()), w->objectName().toLatin1());
        QCOMPARE(editor->width(), list->width());
        QVERIFY(caption->y() > list->geometry().bottom());
        QVERIFY(editor->y() > caption->y());
    }
}

ANALYZE_WINDOW_TEST_MAIN(TstResize)
#include "tst_resize.moc"
