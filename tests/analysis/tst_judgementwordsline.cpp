// The line of words under a comparison grid: what a cell says, for the current cell and the
// hovered one, and silence for everything that is not a judgement.

#include "analysis/judgementwordsline.h"
#include "platform/stringgrid.h"
#include "platform/stringgridmodel.h"

#include <QApplication>
#include <QMouseEvent>
#include <QtTest>

namespace {
const QStringList Criteria{"Цена", "Качество", "Сервис"};

// A 3 x 3 comparison grid laid out as the wizard's: headers in row and column 0, the
// priorities in the last column.
std::unique_ptr<StringGrid> comparisonGrid()
{
    auto grid = std::make_unique<StringGrid>();
    grid->setFixed(1, 1);
    grid->setColCount(5);
    grid->setRowCount(4);
    grid->setCellsEditable(true);
    for (int i = 1; i <= 3; ++i) {
        grid->setCell(i, 0, Criteria.at(i - 1));
        grid->setCell(0, i, Criteria.at(i - 1));
        grid->setCell(i, i, QStringLiteral("1"));
    }
    grid->resize(400, 200);
    return grid;
}

void hover(StringGrid *grid, int col, int row)
{
    const QPoint pos = grid->visualRect(grid->model()->index(row, col)).center();
    QMouseEvent move(QEvent::MouseMove, pos, grid->viewport()->mapToGlobal(pos), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(grid->viewport(), &move);
}
}

class TstJudgementWordsLine : public QObject
{
    Q_OBJECT
private slots:
    void currentCellInWords_data();
    void currentCellInWords();
    void subcriteriaNameTheirGroup_data();
    void subcriteriaNameTheirGroup();
    void followsTypingAndHover();
};

void TstJudgementWordsLine::currentCellInWords_data()
{
    QTest::addColumn<QString>("criterion");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("words");

    const QString none; // the criteria matrix
    QTest::newRow("criteria, 5") << none << 2 << 1 << "5" << "«Цена» существенно важнее, чем «Качество» (5)";
    QTest::newRow("criteria, reversed 1/5") << none << 2 << 1 << "1/5" << "«Качество» существенно важнее, чем «Цена» (5)";
    QTest::newRow("criteria, lower triangle") << none << 1 << 3 << "3" << "«Сервис» умеренно важнее, чем «Цена» (3)";
    QTest::newRow("criteria, between words") << none << 3 << 2 << "4" << "«Качество» от умеренно до существенно важнее, чем «Сервис» (4)";
    QTest::newRow("criteria, equal") << none << 3 << 1 << "1" << "«Цена» и «Сервис» — равная важность (1)";
    QTest::newRow("empty cell") << none << 2 << 1 << "" << "";
    QTest::newRow("rejected cell") << none << 2 << 1 << "12" << "";
    QTest::newRow("not a number") << none << 2 << 1 << "5/" << "";
    QTest::newRow("alternatives, 3") << "Цена" << 2 << 1 << "3" << "«Цена» умеренно предпочтительнее, чем «Качество», по критерию «Цена» (3)";
    QTest::newRow("alternatives, reversed 1/7") << "Вес" << 3 << 2 << "1/7" << "«Сервис» значительно предпочтительнее, чем «Качество», по критерию «Вес» (7)";
}

void TstJudgementWordsLine::currentCellInWords()
{
    QFETCH(QString, criterion);
    QFETCH(int, col);
    QFETCH(int, row);
    QFETCH(QString, text);
    QFETCH(QString, words);

    auto grid = comparisonGrid();
    grid->setCell(col, row, text);
    const bool criteria = criterion.isEmpty();
    JudgementWordsLine line(grid.get(), [&] { return ComparisonNames{Criteria, criterion, criteria}; });
    grid->setCurrentCell(col, row);
    QCOMPARE(line.text(), words);
}

void TstJudgementWordsLine::subcriteriaNameTheirGroup_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("words");

    QTest::newRow("top matrix") << "" << "5" << "«Цена» существенно важнее, чем «Качество» (5)";
    QTest::newRow("group, 5") << "Безопасность" << "5" << "«Цена» существенно важнее, чем «Качество», в группе «Безопасность» (5)";
    QTest::newRow("group, reversed 1/3") << "Безопасность" << "1/3" << "«Качество» умеренно важнее, чем «Цена», в группе «Безопасность» (3)";
    QTest::newRow("group, equal") << "Безопасность" << "1" << "«Цена» и «Качество» — равная важность в группе «Безопасность» (1)";
    QTest::newRow("deeper group") << "Безопасность › Активная" << "9"
                                  << "«Цена» очень сильно важнее, чем «Качество», в группе «Безопасность › Активная» (9)";
    QTest::newRow("group, rejected") << "Безопасность" << "12" << "";
    // A left-out pair: an empty cell with its estimate ("~" stands for one below).
    QTest::newRow("top matrix, left out") << "" << "~2,3" << "не задано; по остальным сравнениям ≈ 2,3";
    QTest::newRow("group, left out") << "Безопасность › Активная" << "~2,3"
                                     << "«Цена» и «Качество» в группе «Безопасность › Активная»: не задано; по остальным сравнениям ≈ 2,3";
}

void TstJudgementWordsLine::subcriteriaNameTheirGroup()
{
    QFETCH(QString, group);
    QFETCH(QString, text);
    QFETCH(QString, words);

    auto grid = comparisonGrid();
    if (text.startsWith(QLatin1Char('~')))
        grid->gridModel()->setEstimate(2, 1, text.mid(1));
    else
        grid->setCell(2, 1, text);
    JudgementWordsLine line(grid.get(), [&] { return ComparisonNames{Criteria, QString(), true, group}; });
    grid->setCurrentCell(2, 1);
    QCOMPARE(line.text(), words);
}

void TstJudgementWordsLine::followsTypingAndHover()
{
    auto grid = comparisonGrid();
    JudgementWordsLine line(grid.get(), [] { return ComparisonNames{Criteria, QString(), true}; });
    grid->show();
    QVERIFY(QTest::qWaitForWindowExposed(grid.get()));
    grid->setCurrentCell(2, 1);
    QCOMPARE(line.text(), QString());

    // Text typed into the current cell shows at once.
    grid->setFocus();
    QTest::keyClicks(grid.get(), QStringLiteral("7"));
    QCOMPARE(grid->cell(2, 1), QStringLiteral("7"));
    QCOMPARE(line.text(), QStringLiteral("«Цена» значительно важнее, чем «Качество» (7)"));

    // The hovered cell speaks instead, the diagonal says nothing, and leaving the grid brings
    // the current cell back.
    grid->setCell(3, 2, QStringLiteral("1/3"));
    hover(grid.get(), 3, 2);
    QCOMPARE(line.text(), QStringLiteral("«Сервис» умеренно важнее, чем «Качество» (3)"));
    hover(grid.get(), 2, 2);
    QCOMPARE(line.text(), QString());
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(grid->viewport(), &leave);
    QCOMPARE(line.text(), QStringLiteral("«Цена» значительно важнее, чем «Качество» (7)"));
}

QTEST_MAIN(TstJudgementWordsLine)
#include "tst_judgementwordsline.moc"
