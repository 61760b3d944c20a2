#include "model/numberformat.h"

#include <QLocale>
#include <QTest>

#include <limits>

namespace {

QLocale russian()
{
    return QLocale(QLocale::Russian, QLocale::Russia);
}

const double NaN = std::numeric_limits<double>::quiet_NaN();
const double Inf = std::numeric_limits<double>::infinity();

} // namespace

class TstNumberFormat : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void priority_data();
    void priority();
    void measure_data();
    void measure();
    void general_data();
    void general();
    void readable_data();
    void readable();
    void percent_data();
    void percent();
    void defaultLocale();
};

void TstNumberFormat::cleanup()
{
    QLocale::setDefault(QLocale::c());
}

// "0.00000000": always eight decimals.
void TstNumberFormat::priority_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    const QLocale c = QLocale::c();
    QTest::newRow("worked first") << c << 0.63698557174475712 << "0.63698557";
    QTest::newRow("rounds up") << c << 1.0 / 6.0 << "0.16666667";
    QTest::newRow("one") << c << 1.0 << "1.00000000";
    QTest::newRow("zero") << c << 0.0 << "0.00000000";
    QTest::newRow("negative zero") << c << -0.0 << "0.00000000";
    QTest::newRow("tiny negative") << c << -1e-10 << "0.00000000";
    QTest::newRow("small negative") << c << -0.25 << "-0.25000000";
    QTest::newRow("no group separator") << c << 1234567.5 << "1234567.50000000";
    QTest::newRow("ru separator") << russian() << 0.63698557174475712 << "0,63698557";
    QTest::newRow("ru no group separator") << russian() << 1234567.5 << "1234567,50000000";
    QTest::newRow("ru minus") << russian() << -0.5 << "-0,50000000";
    QTest::newRow("nan") << c << NaN << "NAN";
    QTest::newRow("inf") << c << Inf << "INF";
}

void TstNumberFormat::priority()
{
    QFETCH(QLocale, locale);
    QFETCH(double, value);
    QFETCH(QString, text);

    QCOMPARE(formatPriority(value, locale), text);
}

// "0.########": at most eight decimals, no trailing zeros, no bare separator.
void TstNumberFormat::measure_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    const QLocale c = QLocale::c();
    QTest::newRow("worked CI") << c << 0.019255545279084796 << "0.01925555";
    QTest::newRow("worked CR") << c << 0.033199215998422064 << "0.03319922";
    QTest::newRow("cyclic CR drops a zero") << c << 6.1302681992337167 << "6.1302682";
    QTest::newRow("cyclic CI") << c << 3.5555555555555554 << "3.55555556";
    QTest::newRow("zero") << c << 0.0 << "0";
    QTest::newRow("negative zero") << c << -0.0 << "0";
    QTest::newRow("below the last decimal") << c << 1e-9 << "0";
    QTest::newRow("tiny negative") << c << -1e-9 << "0";
    QTest::newRow("rounds to the last decimal") << c << 6e-9 << "0.00000001";
    QTest::newRow("rounds to a whole") << c << 2.999999999 << "3";
    QTest::newRow("whole") << c << 10.0 << "10";
    QTest::newRow("zero inside kept") << c << 2.05 << "2.05";
    QTest::newRow("negative") << c << -2.5 << "-2.5";
    QTest::newRow("no group separator") << c << 1234567.5 << "1234567.5";
    QTest::newRow("ru separator") << russian() << 0.019255545279084796 << "0,01925555";
    QTest::newRow("ru whole") << russian() << 3.0 << "3";
    QTest::newRow("ru no group separator") << russian() << 1234567.5 << "1234567,5";
    QTest::newRow("nan") << c << NaN << "NAN";
    QTest::newRow("minus inf") << c << -Inf << "-INF";
}

void TstNumberFormat::measure()
{
    QFETCH(QLocale, locale);
    QFETCH(double, value);
    QFETCH(QString, text);

    QCOMPARE(formatMeasure(value, locale), text);
}

// 15 significant digits; scientific only below 0.00001 or from 16 integer digits on.
void TstNumberFormat::general_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    const QLocale c = QLocale::c();
    QTest::newRow("RI 0.58") << c << 0.58 << "0.58";
    QTest::newRow("RI 0.9") << c << 0.90 << "0.9";
    QTest::newRow("15 digits") << c << 3.5555555555555554 << "3.55555555555556";
    QTest::newRow("rounding hides binary noise") << c << 0.1 + 0.2 << "0.3";
    QTest::newRow("one third") << c << 1.0 / 3.0 << "0.333333333333333";
    QTest::newRow("two thirds rounds up") << c << 2.0 / 3.0 << "0.666666666666667";
    QTest::newRow("whole") << c << 100.0 << "100";
    QTest::newRow("zero") << c << 0.0 << "0";
    QTest::newRow("negative zero") << c << -0.0 << "0";
    QTest::newRow("negative") << c << -0.5 << "-0.5";
    QTest::newRow("0.0001 fixed") << c << 0.0001 << "0.0001";
    QTest::newRow("0.00002 fixed") << c << 0.00002 << "0.00002";
    QTest::newRow("0.00001 fixed") << c << 0.00001 << "0.00001";
    QTest::newRow("rounds up to 0.00001") << c << 0.000009999999999999999 << "0.00001";
    QTest::newRow("just below 0.00001") << c << 0.00000999999999999 << "9.99999999999E-6";
    QTest::newRow("0.000001 scientific") << c << 0.000001 << "1E-6";
    QTest::newRow("scientific 15 digits") << c << 1.234567890123456e-6 << "1.23456789012346E-6";
    QTest::newRow("negative scientific") << c << -2.5e-7 << "-2.5E-7";
    QTest::newRow("tiny") << c << 4e-300 << "4E-300";
    QTest::newRow("15 integer digits fixed") << c << 123456789012345.0 << "123456789012345";
    QTest::newRow("16 integer digits") << c << 1e16 << "1E16";
    QTest::newRow("1e15 has 16 integer digits") << c << 1e15 << "1E15";
    QTest::newRow("rounds up to 16 digits") << c << 999999999999999.9 << "1E15";
    QTest::newRow("large with decimals") << c << 1234567890123456789.0 << "1.23456789012346E18";
    QTest::newRow("no group separator") << c << 1234567.5 << "1234567.5";
    QTest::newRow("ru 0.58") << russian() << 0.58 << "0,58";
    QTest::newRow("ru no group separator") << russian() << 1234567.5 << "1234567,5";
    QTest::newRow("ru scientific") << russian() << 1.5e-6 << "1,5E-6";
    QTest::newRow("ru 0.00002") << russian() << 0.00002 << "0,00002";
    QTest::newRow("nan") << c << NaN << "NAN";
    QTest::newRow("inf") << c << Inf << "INF";
    QTest::newRow("minus inf") << c << -Inf << "-INF";
}

void TstNumberFormat::general()
{
    QFETCH(QLocale, locale);
    QFETCH(double, value);
    QFETCH(QString, text);

    QCOMPARE(formatGeneral(value, locale), text);
}

// Three significant digits for the numbers read beside the fields.
void TstNumberFormat::readable_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    const QLocale c = QLocale::c();
    QTest::newRow("suggestion fit") << c << 0.994329463752788 << "0.994";
    QTest::newRow("rounding noise") << c << 1.64477485129653e-16 << "0";
    QTest::newRow("negative noise") << c << -3e-17 << "0";
    QTest::newRow("ratio") << c << 0.16918014 << "0.169";
    QTest::newRow("rounds to one digit") << c << 0.09996 << "0.1";
    QTest::newRow("small weight") << c << 0.0012345 << "0.00123";
    QTest::newRow("above one") << c << 6.1302682 << "6.13";
    QTest::newRow("tens") << c << 12.345 << "12.3";
    QTest::newRow("rounds to hundred") << c << 99.96 << "100";
    QTest::newRow("large stays whole") << c << 12345.6 << "12346";
    QTest::newRow("one") << c << 1.0 << "1";
    QTest::newRow("negative") << c << -0.25 << "-0.25";
    QTest::newRow("ru separator") << russian() << 0.29375778 << "0,294";
    QTest::newRow("ru tiny") << russian() << 0.000012925793 << "0,0000129";
    QTest::newRow("nan") << c << NaN << "NAN";
}

void TstNumberFormat::readable()
{
    QFETCH(QLocale, locale);
    QFETCH(double, value);
    QFETCH(QString, text);

    QCOMPARE(formatReadable(value, locale), text);
}

void TstNumberFormat::percent_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("one decimal") << QLocale::c() << 29.375778 << "29.4";
    QTest::newRow("whole keeps its decimal") << QLocale::c() << 50.0 << "50.0";
    QTest::newRow("negative") << QLocale::c() << -12.26 << "-12.3";
    QTest::newRow("negative zero") << QLocale::c() << -0.01 << "0.0";
    QTest::newRow("ru separator") << russian() << 7.04 << "7,0";
}

void TstNumberFormat::percent()
{
    QFETCH(QLocale, locale);
    QFETCH(double, value);
    QFETCH(QString, text);

    QCOMPARE(formatPercent(value, locale), text);
}

void TstNumberFormat::defaultLocale()
{
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    QCOMPARE(formatPriority(0.25), QStringLiteral("0,25000000"));
    QCOMPARE(formatMeasure(0.25), QStringLiteral("0,25"));
    QCOMPARE(formatGeneral(0.58), QStringLiteral("0,58"));
    QCOMPARE(formatReadable(0.58), QStringLiteral("0,58"));
}

QTEST_GUILESS_MAIN(TstNumberFormat)
#include "tst_numberformat.moc"
