#include "model/judgementwords.h"

#include <QLocale>
#include <QTest>

#include <limits>

// What a person reads under the grid for the cell under the pointer.
class TestJudgementWords : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void criteria_data();
    void criteria();
    void alternatives_data();
    void alternatives();
};

void TestJudgementWords::initTestCase()
{
    // The reciprocal of a typed decimal is written as the person's locale writes numbers.
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
}

void TestJudgementWords::criteria_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("words");

    QTest::newRow("5") << 5.0 << "5" << "«Цена» существенно важнее, чем «Качество» (5)";
    QTest::newRow("1") << 1.0 << "1" << "«Цена» и «Качество» — равная важность (1)";
    QTest::newRow("9") << 9.0 << "9" << "«Цена» очень сильно важнее, чем «Качество» (9)";
    // Even values and decimals lie between the words of the odd values around them.
    QTest::newRow("2") << 2.0 << "2" << "«Цена» немного важнее, чем «Качество» (2)";
    QTest::newRow("1,5") << 1.5 << "1,5" << "«Цена» немного важнее, чем «Качество» (1,5)";
    QTest::newRow("4") << 4.0 << "4" << "«Цена» от умеренно до существенно важнее, чем «Качество» (4)";
    QTest::newRow("3,2") << 3.2 << "3,2" << "«Цена» от умеренно до существенно важнее, чем «Качество» (3,2)";
    QTest::newRow("6") << 6.0 << "6" << "«Цена» от существенно до значительно важнее, чем «Качество» (6)";
    QTest::newRow("8,5") << 8.5 << "8,5" << "«Цена» от значительно до очень сильно важнее, чем «Качество» (8,5)";
    // Below 1 the column's item comes first, with the mirror cell's number.
    QTest::newRow("1/5") << 1.0 / 5 << "1/5" << "«Качество» существенно важнее, чем «Цена» (5)";
    QTest::newRow("1/3") << 1.0 / 3 << "1/3" << "«Качество» умеренно важнее, чем «Цена» (3)";
    // A third typed out to twelve places still means 3, not "between 3 and 5".
    QTest::newRow("0,333333333333") << 0.333333333333 << "0,333333333333" << "«Качество» умеренно важнее, чем «Цена» (3)";
    QTest::newRow("1/7") << 1.0 / 7 << "1/7" << "«Качество» значительно важнее, чем «Цена» (7)";
    QTest::newRow("1/9") << 1.0 / 9 << "1/9" << "«Качество» очень сильно важнее, чем «Цена» (9)";
    QTest::newRow("1/2,5") << 0.4 << "1/2,5" << "«Качество» немного важнее, чем «Цена» (2,5)";
    QTest::newRow("0,25") << 0.25 << "0,25" << "«Качество» от умеренно до существенно важнее, чем «Цена» (4)";
    QTest::newRow("0,3") << 0.3 << "0,3" << "«Качество» от умеренно до существенно важнее, чем «Цена» (3,33)";
    QTest::newRow("2/7") << 2.0 / 7 << "2/7" << "«Качество» от умеренно до существенно важнее, чем «Цена» (3,5)";
    // A cell the grid rejects says nothing.
    QTest::newRow("empty") << 0.0 << "" << "";
    QTest::newRow("above 9") << 12.0 << "12" << "";
    QTest::newRow("below 1/9") << 0.1 << "0,1" << "";
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << "x" << "";
}

void TestJudgementWords::criteria()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QFETCH(QString, words);
    QCOMPARE(criteriaJudgementWords(QStringLiteral("Цена"), QStringLiteral("Качество"), value, text), words);
}

void TestJudgementWords::alternatives_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("words");

    const QString one = QStringLiteral("Ноутбук 1");
    QTest::newRow("3") << one << 3.0 << "3" << "«Ноутбук 1» умеренно предпочтительнее, чем «Ноутбук 2», по критерию «Цена» (3)";
    QTest::newRow("1") << one << 1.0 << "1" << "«Ноутбук 1» и «Ноутбук 2» равноценны по критерию «Цена» (1)";
    QTest::newRow("1/7") << one << 1.0 / 7 << "1/7" << "«Ноутбук 2» значительно предпочтительнее, чем «Ноутбук 1», по критерию «Цена» (7)";
    QTest::newRow("8") << one << 8.0 << "8" << "«Ноутбук 1» от значительно до очень сильно предпочтительнее, чем «Ноутбук 2», по критерию «Цена» (8)";
    // A name is shown as typed, even one that looks like a placeholder.
    QTest::newRow("name with %2") << QStringLiteral("Модель %2") << 5.0 << "5"
                                  << "«Модель %2» существенно предпочтительнее, чем «Ноутбук 2», по критерию «Цена» (5)";
    QTest::newRow("empty") << one << 5.0 << "" << "";
}

void TestJudgementWords::alternatives()
{
    QFETCH(QString, first);
    QFETCH(double, value);
    QFETCH(QString, text);
    QFETCH(QString, words);
    QCOMPARE(alternativesJudgementWords(first, QStringLiteral("Ноутбук 2"), QStringLiteral("Цена"), value, text), words);
}

QTEST_GUILESS_MAIN(TestJudgementWords)
#include "tst_judgementwords.moc"
