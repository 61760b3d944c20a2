#include "report_helpers.h"

#include "platform/stringgrid.h"
#include "report/repform.h"
#include "report/reportprinter.h"

#include <QFrame>
#include <QtTest>

// A grid's texts as "a|b;c|d": cells by "|", rows by ";".
static QString gridText(const StringGrid &grid)
{
    QStringList rows;
    for (const QStringList &row : gridTexts(grid))
        rows << row.join(QChar(u'|'));
    return rows.join(QChar(u';'));
}

class TstReportCompose : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { useReportFonts(); }
    void bandsPerPage_data();
    void bandsPerPage();
    void copyGridCells_data();
    void copyGridCells();
};

void TstReportCompose::bandsPerPage_data()
{
    QTest::addColumn<ReportData>("data");
    // From the top: header, legend, consistency, priorities, table, decision.
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QRect>("table");

    QTest::newRow("names page") << namesPage(5, 4) << "110010" << QRect(0, 201, 641, 424);
    QTest::newRow("criteria matrix") << criteriaPage(5) << "101010" << QRect(0, 153, 641, 472);
    QTest::newRow("alternatives matrix") << alternativesPage(4, "Цена") << "101010" << QRect(0, 153, 641, 472);
    QTest::newRow("result page") << resultPage(5, 4) << "110111" << QRect(0, 289, 641, 271);
}

void TstReportCompose::bandsPerPage()
{
    QFETCH(ReportData, data);
    QFETCH(QString, shown);
    QFETCH(QRect, table);

    TRepForm page;
    composeReport(page, data);

    QString actual;
    for (const QFrame *band : {page.panel1(), page.panel5(), page.panel2(), page.panel6(), page.panel4(), page.panel3()})
        actual += band->isHidden() ? QChar(u'0') : QChar(u'1');
    QCOMPARE(actual, shown);
    QCOMPARE(page.panel4()->geometry(), table);
}

void TstReportCompose::copyGridCells_data()
{
    QTest::addColumn<ReportTable>("source");
    QTest::addColumn<QString>("copy");

    QTest::newRow("headers copied like cells") << ReportTable{{"", "A", "B"}, {"A", "1", "2"}, {"B", "1/2", "1"}}
                                               << "|A|B;A|1|2;B|1/2|1";
    QTest::newRow("short rows padded with blanks") << ReportTable{{"a", "b", "c"}, {"d"}} << "a|b|c;d||";
    // The grid keeps one cell; the stale text in it goes.
    QTest::newRow("empty table") << ReportTable() << "";
}

void TstReportCompose::copyGridCells()
{
    QFETCH(ReportTable, source);
    QFETCH(QString, copy);

    StringGrid target;
    target.setColCount(6);
    target.setRowCount(6);
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 6; ++c)
            target.setCell(c, r, QStringLiteral("stale"));
    // As on the report page: no fixed cells, a row height of the page's own.
    target.setFixed(0, 0);
    target.setRowHeight(0, 31);

    CopyGridCells(source, target);
    QCOMPARE(gridText(target), copy);
    QCOMPARE(target.rowHeight(0), 31);
}

QTEST_MAIN(TstReportCompose)
#include "tst_reportcompose.moc"
