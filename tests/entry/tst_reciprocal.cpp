#include "entry/reciprocal.h"

#include <QtTest>

class TstReciprocal : public QObject
{
    Q_OBJECT

private slots:
    void mirroredText_data();
    void mirroredText();
    void leavesTransposedCellAlone_data();
    void leavesTransposedCellAlone();
    void twiceGivesTextBack_data();
    void twiceGivesTextBack();
};

void TstReciprocal::mirroredText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("one") << "1" << "1";
    QTest::newRow("whole number") << "7" << "1/7";
    QTest::newRow("two digits") << "15" << "1/15";
    QTest::newRow("leading zero is not one") << "01" << "1/01";
    QTest::newRow("zero") << "0" << "1/0";
    QTest::newRow("unit fraction") << "1/7" << "7";
    QTest::newRow("unit fraction over zero") << "1/0" << "0";
    QTest::newRow("unit fraction over one") << "1/1" << "1";
    QTest::newRow("ten characters after the bar kept") << "1/1234567890" << "1234567890";
    QTest::newRow("eleven characters cut to ten") << "1/12345678901" << "1234567890";
    QTest::newRow("twelve characters cut to ten") << "1/123456789012" << "1234567890";
    QTest::newRow("other numerator") << "2/3" << "3/2";
    QTest::newRow("numerator ten") << "10/5" << "5/10";
    QTest::newRow("numerator with leading zero") << "01/5" << "5/01";
    QTest::newRow("numerator starting with one") << "15/3" << "3/15";
    QTest::newRow("whole number as fraction") << "5/1" << "1/5";
    QTest::newRow("long divisor of other numerator not cut") << "2/123456789012" << "123456789012/2";
    QTest::newRow("pasted text still mirrors") << " 3" << "1/ 3";
}

void TstReciprocal::mirroredText()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);

    const QString mirrored = reciprocalText(text);
    QVERIFY(!mirrored.isNull());
    QCOMPARE(mirrored, expected);
}

void TstReciprocal::leavesTransposedCellAlone_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << "";
    QTest::newRow("bar alone") << "/";
    QTest::newRow("trailing bar") << "5/";
    QTest::newRow("unit numerator, no divisor") << "1/";
    QTest::newRow("leading bar") << "/5";
    QTest::newRow("two bars after one") << "1/2/3";
    QTest::newRow("double bar") << "1//2";
    QTest::newRow("trailing second bar") << "1/2/";
    QTest::newRow("two bars, other numerator") << "2/3/4";
    QTest::newRow("second bar beyond ten characters") << "1/12345678901/2";
}

void TstReciprocal::leavesTransposedCellAlone()
{
    QFETCH(QString, text);

    QVERIFY(reciprocalText(text).isNull());
}

void TstReciprocal::twiceGivesTextBack_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("1") << "1";
    QTest::newRow("7") << "7";
    QTest::newRow("09") << "09";
    QTest::newRow("0") << "0";
    QTest::newRow("1/7") << "1/7";
    QTest::newRow("1/0") << "1/0";
    QTest::newRow("1/09") << "1/09";
    QTest::newRow("ten digits after the bar") << "1/1234567890";
    QTest::newRow("ten-digit number") << "1234567890";
    QTest::newRow("2/3") << "2/3";
    QTest::newRow("10/5") << "10/5";
}

void TstReciprocal::twiceGivesTextBack()
{
    QFETCH(QString, text);

    QCOMPARE(reciprocalText(reciprocalText(text)), text);
}

QTEST_GUILESS_MAIN(TstReciprocal)
#include "tst_reciprocal.moc"
