#include "report_helpers.h"

#include "platform/stringgrid.h"
#include "report/repform.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

using Bands = QList<int>;

class TstRepForm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { useReportFonts(); }
    void designState();
    void bandStacking_data();
    void bandStacking();
    void scaleBy_data();
    void scaleBy();
    void tableBandGrowsForLongTable_data();
    void tableBandGrowsForLongTable();
    void instancesAreCounted();
};

void TstRepForm::designState()
{
    TRepForm page;
    QCOMPARE(page.size(), QSize(641, 625));
    QVERIFY(page.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(!page.isVisible());

    const QStringList names = TRepForm::componentNames();
    QCOMPARE(names.size(), 21);
    for (const QString &name : names)
        QVERIFY2(page.findChildren<QWidget *>(name).size() == 1, qPrintable(name));

    QCOMPARE(page.label19()->text(), QStringLiteral("\"Принятие решений при помощи метода анализа иерархий\""));
    QCOMPARE(page.rndCoordEdit()->text(), QStringLiteral("RndCoordEdit"));
    QCOMPARE(page.repName()->font().pixelSize(), 19);
    QVERIFY(page.repName()->font().underline());
    QCOMPARE(page.repGrid()->font().pixelSize(), 8);
    QCOMPARE(page.altRep()->font().pixelSize(), 11);
    QCOMPARE(QFontMetrics(page.decision()->font()).height(), 16);

    // Each measure's label sits beside its own edit and shows its whole text.
    const QList<QPair<QLabel *, QLineEdit *>> measures = {{page.rndCoordLabel(), page.rndCoordEdit()},
                                                          {page.idxCoordLabel(), page.idxCoordEdit()},
                                                          {page.ratioCoordLabel(), page.ratioCoordEdit()}};
    for (const auto &[label, edit] : measures) {
        QCOMPARE(label->y() - edit->y(), 3);
        QVERIFY(label->width() >= label->sizeHint().width());
        QVERIFY(label->x() + label->width() < edit->x());
    }

    for (StringGrid *grid : {page.repGrid(), page.altRep(), page.globalesRep()}) {
        QCOMPARE(grid->rowHeight(0), 24);
        QCOMPARE(grid->fixedCols() + grid->fixedRows(), 0);
        QVERIFY(!grid->isEnabled());
        QCOMPARE(grid->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        // Disabled only against input: the texts print black, not greyed.
        QCOMPARE(grid->palette().color(QPalette::Disabled, QPalette::Text), QColor(Qt::black));
    }
}

// The top and height of each band, in the order Panel1, Panel5, Panel2, Panel6, Panel4, Panel3;
// -1 for a hidden band.
void TstRepForm::bandStacking_data()
{
    QTest::addColumn<QStringList>("hidden");
    QTest::addColumn<Bands>("tops");
    QTest::addColumn<Bands>("heights");

    QTest::newRow("all shown") << QStringList() << Bands{0, 57, 201, 297, 385, 560}
                               << Bands{57, 144, 96, 88, 175, 65};
    QTest::newRow("without consistency") << QStringList{"Panel2"} << Bands{0, 57, -1, 201, 289, 560}
                                         << Bands{57, 144, -1, 88, 271, 65};
    QTest::newRow("matrix pages") << QStringList{"Panel5", "Panel6", "Panel3"} << Bands{0, -1, 57, -1, 153, -1}
                                  << Bands{57, -1, 96, -1, 472, -1};
    QTest::newRow("header hidden") << QStringList{"Panel1"} << Bands{-1, 0, 144, 240, 328, 560}
                                   << Bands{-1, 144, 96, 88, 232, 65};
}

void TstRepForm::bandStacking()
{
    QFETCH(QStringList, hidden);
    QFETCH(Bands, tops);
    QFETCH(Bands, heights);

    TRepForm page;
    for (const QString &name : hidden)
        page.findChild<QFrame *>(name)->hide();
    page.arrangeBands();

    const QStringList order = {"Panel1", "Panel5", "Panel2", "Panel6", "Panel4", "Panel3"};
    for (int i = 0; i < order.size(); ++i) {
        const QFrame *band = page.findChild<QFrame *>(order.at(i));
        if (tops.at(i) >= 0)
            QCOMPARE(band->geometry(), QRect(0, tops.at(i), 641, heights.at(i)));
    }
    // The table starts right under its heading and fills the rest of its band.
    QCOMPARE(page.repGrid()->geometry(), QRect(0, 22, 641, page.panel4()->height() - 22));

    for (const QString &name : hidden)
        page.findChild<QFrame *>(name)->show();
    page.arrangeBands();
    QCOMPARE(page.panel4()->geometry(), QRect(0, 385, 641, 175));
}

void TstRepForm::scaleBy_data()
{
    QTest::addColumn<int>("multiplier");
    QTest::addColumn<int>("divider");
    QTest::addColumn<QSize>("pageSize");
    QTest::addColumn<QRect>("ratioEdit");
    QTest::addColumn<int>("titleFont");

    QTest::newRow("4800 pixels wide") << 4800 << 641 << QSize(4800, 4680) << QRect(1558, 442, 1198, 165) << 142;
    // Halves round away from zero: 641 / 2 = 320.5 gives 321.
    QTest::newRow("halved") << 1 << 2 << QSize(321, 313) << QRect(104, 30, 80, 11) << 10;
}

void TstRepForm::scaleBy()
{
    QFETCH(int, multiplier);
    QFETCH(int, divider);
    QFETCH(QSize, pageSize);
    QFETCH(QRect, ratioEdit);
    QFETCH(int, titleFont);

    TRepForm page;
    page.scaleBy(multiplier, divider);

    QCOMPARE(page.size(), pageSize);
    QCOMPARE(page.ratioCoordEdit()->geometry(), ratioEdit);
    QCOMPARE(page.label17()->font().pixelSize(), titleFont);
    QVERIFY(page.label17()->font().bold());

    // The bands still stack without gaps across the whole width, Panel3 on the bottom edge.
    int top = 0;
    for (QFrame *band : {page.panel1(), page.panel5(), page.panel2(), page.panel6(), page.panel4()}) {
        QCOMPARE(band->geometry().topLeft(), QPoint(0, top));
        QCOMPARE(band->width(), pageSize.width());
        top += band->height();
    }
    QCOMPARE(page.panel3()->geometry().bottom() + 1, pageSize.height());
    QCOMPARE(top, page.panel3()->y());

    // Rows are the printer's business.
    for (StringGrid *grid : {page.repGrid(), page.altRep(), page.globalesRep()})
        QCOMPARE(grid->rowHeight(grid->rowCount() - 1), 24);
}

void TstRepForm::tableBandGrowsForLongTable_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("pageHeight");

    // The band holds 175 pixels: the heading's 22 and 153 for rows of 24 inside a 1-pixel frame.
    QTest::newRow("short table: the band keeps filling the page") << 2 << 625;
    QTest::newRow("exactly fits") << 6 << 625;
    QTest::newRow("one row more: 17 pixels short") << 7 << 642;
    QTest::newRow("ten alternatives and the header") << 11 << 738;
}

void TstRepForm::tableBandGrowsForLongTable()
{
    QFETCH(int, rows);
    QFETCH(int, pageHeight);

    TRepForm page;
    page.repGrid()->setRowCount(rows);
    page.fitTableBand();

    QCOMPARE(page.height(), pageHeight);
    QVERIFY(page.repGrid()->height() >= page.repGrid()->gridHeight());
    QCOMPARE(page.panel4()->y(), 385);
    QCOMPARE(page.panel3()->geometry(), QRect(0, pageHeight - 65, 641, 65));
}

void TstRepForm::instancesAreCounted()
{
    const int live = TRepForm::liveCount();
    const int created = TRepForm::createdCount();
    {
        TRepForm first;
        auto second = std::make_unique<TRepForm>();
        QCOMPARE(TRepForm::liveCount(), live + 2);
    }
    QCOMPARE(TRepForm::liveCount(), live);
    QCOMPARE(TRepForm::createdCount(), created + 2);
}

QTEST_MAIN(TstRepForm)
#include "tst_repform.moc"
