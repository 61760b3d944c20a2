#include "model/judgement.h"

#include <QLocale>
#include <QTest>

namespace {

const QString Empty = JudgementEmptyMessage.text();
const QString Invalid = JudgementInvalidMessage.text();
const QString Zero = JudgementZeroMessage.text();
const QString TooSmall = JudgementTooSmallMessage.text();
const QString TooLarge = JudgementTooLargeMessage.text();

QLocale russian()
{
    return QLocale(QLocale::Russian, QLocale::Russia);
}

QString repeated(char c, int count)
{
    return QString(count, QLatin1Char(c));
}

} // namespace

class TstJudgement : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void checksInOrder_data();
    void checksInOrder();
    void fractionForm_data();
    void fractionForm();
    void divisorCut_data();
    void divisorCut();
    void numberText_data();
    void numberText();
    void defaultLocale_data();
    void defaultLocale();
};

void TstJudgement::cleanup()
{
    QLocale::setDefault(QLocale::c());
}

// The five checks, the first that applies winning, on the scale 1/9..9.
void TstJudgement::checksInOrder_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<double>("value");

    QTest::newRow("nine") << "9" << QString() << 9.0;
    QTest::newRow("one ninth") << "1/9" << QString() << 1.0 / 9.0;
    QTest::newRow("fraction over one") << "3/1" << QString() << 3.0;
    QTest::newRow("leading zero") << "09" << QString() << 9.0;
    QTest::newRow("one") << "1" << QString() << 1.0;
    QTest::newRow("ninth as 2/18") << "2/18" << QString() << 1.0 / 9.0;
    QTest::newRow("ten") << "10" << TooLarge << 0.0;
    QTest::newRow("just above nine") << "9.000001" << TooLarge << 0.0;
    QTest::newRow("two nineteenths") << "2/19" << TooSmall << 0.0;
    QTest::newRow("just below one ninth") << "1/9.000001" << TooSmall << 0.0;
    QTest::newRow("negative") << "-5" << TooSmall << 0.0;
    QTest::newRow("zero") << "0" << Zero << 0.0;
    QTest::newRow("zero numerator") << "0/7" << Zero << 0.0;
    QTest::newRow("empty") << "" << Empty << 0.0;
    QTest::newRow("one blank") << " " << Invalid << 0.0;
    QTest::newRow("zero divisor") << "7/0" << Invalid << 0.0;
}

void TstJudgement::checksInOrder()
{
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(double, value);

    const JudgementCheck check = validateJudgement(text, QLocale::c());
    QCOMPARE(check.message, message);
    QCOMPARE(check.valid, message.isEmpty());
    if (check.valid)
        QCOMPARE(check.value, value);
}

// Where the bar may stand and what may stand around it.
void TstJudgement::fractionForm_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("invalid");
    QTest::addColumn<double>("value");

    QTest::newRow("7/0") << "7/0" << true << 0.0;
    QTest::newRow("7/00") << "7/00" << true << 0.0;
    QTest::newRow("/7") << "/7" << true << 0.0;
    QTest::newRow("7/") << "7/" << true << 0.0;
    QTest::newRow("1/2/3") << "1/2/3" << true << 0.0;
    QTest::newRow("1//2") << "1//2" << true << 0.0;
    QTest::newRow("1/2/") << "1/2/" << true << 0.0;
    QTest::newRow("bar alone") << "/" << true << 0.0;
    QTest::newRow("1/7") << "1/7" << false << 1.0 / 7.0;
    QTest::newRow("divisor with leading zeros") << "1/007" << false << 1.0 / 7.0;
    QTest::newRow("fraction of fractions") << "4.5/1.5" << false << 3.0;
    QTest::newRow("0/7 parses") << "0/7" << false << 0.0;
}

void TstJudgement::fractionForm()
{
    QFETCH(QString, text);
    QFETCH(bool, invalid);
    QFETCH(double, value);

    const ParsedJudgement parsed = parseJudgement(text, QLocale::c());
    QCOMPARE(parsed.invalid, invalid);
    if (!invalid)
        QCOMPARE(parsed.value, value);
}

// Only the first 100 characters after the bar are the divisor; the numerator is never cut.
void TstJudgement::divisorCut_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<double>("value");

    QTest::newRow("zeros fill the cut")
            << "9/" + repeated('0', 100) + "1" << Invalid << 0.0;
    QTest::newRow("second bar beyond the cut")
            << "5/" + repeated('0', 99) + "1/" << QString() << 5.0;
    QTest::newRow("second bar at the cut")
            << "5/" + repeated('0', 99) + "/" << Invalid << 0.0;
    QTest::newRow("digit beyond the cut dropped")
            << "1/" + repeated('0', 99) + "12" << QString() << 1.0;
    QTest::newRow("long numerator kept whole")
            << repeated('0', 150) + "5" << QString() << 5.0;
    QTest::newRow("long numerator over a divisor")
            << repeated('0', 150) + "9/3" << QString() << 3.0;
}

void TstJudgement::divisorCut()
{
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(double, value);

    const JudgementCheck check = validateJudgement(text, QLocale::c());
    QCOMPARE(check.message, message);
    if (check.valid)
        QCOMPARE(check.value, value);
}

// The locale's own number text: its decimal separator, nothing that a person would not have
// typed as a number, and never a value that is not finite.
void TstJudgement::numberText_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("invalid");
    QTest::addColumn<double>("value");

    const QLocale c = QLocale::c();
    const QLocale ru = russian();

    QTest::newRow("C point") << c << "1.5" << false << 1.5;
    QTest::newRow("C comma") << c << "1,5" << true << 0.0;
    QTest::newRow("C group separator") << c << "1,000" << true << 0.0;
    QTest::newRow("ru comma") << ru << "1,5" << false << 1.5;
    QTest::newRow("ru point") << ru << "1.5" << true << 0.0;
    QTest::newRow("ru comma in divisor") << ru << "1/1,5" << false << 1.0 / 1.5;
    QTest::newRow("ru point in divisor") << ru << "1/1.5" << true << 0.0;
    QTest::newRow("ru group separator") << ru << QString::fromUtf8("1\u00a0000") << true << 0.0;
    QTest::newRow("ru digits") << ru << "09" << false << 9.0;
    QTest::newRow("blank before") << c << " 5" << true << 0.0;
    QTest::newRow("blank after") << c << "5 " << true << 0.0;
    QTest::newRow("blank inside") << c << "1 5" << true << 0.0;
    QTest::newRow("blank after bar") << c << "1/ 5" << true << 0.0;
    QTest::newRow("blank before bar") << c << "1 /5" << true << 0.0;
    QTest::newRow("tab") << c << "\t" << true << 0.0;
    QTest::newRow("letters") << c << "abc" << true << 0.0;
    QTest::newRow("nan") << c << "nan" << true << 0.0;
    QTest::newRow("inf") << c << "inf" << true << 0.0;
    QTest::newRow("overflowing exponent") << c << "1e999" << true << 0.0;
    QTest::newRow("overflowing quotient") << c << "1e300/1e-300" << true << 0.0;
    QTest::newRow("nan divisor") << c << "1/nan" << true << 0.0;
}

void TstJudgement::numberText()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(bool, invalid);
    QFETCH(double, value);

    const ParsedJudgement parsed = parseJudgement(text, locale);
    QCOMPARE(parsed.invalid, invalid);
    if (!invalid)
        QCOMPARE(parsed.value, value);

    const JudgementCheck check = validateJudgement(text, locale);
    if (invalid)
        QCOMPARE(check.message, Invalid);
}

// The overloads without a locale read numbers as the default locale writes them.
void TstJudgement::defaultLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");

    QTest::newRow("ru comma") << russian() << "1,5" << QString();
    QTest::newRow("ru point") << russian() << "1.5" << Invalid;
    QTest::newRow("ru fraction with comma") << russian() << "2,5/30" << TooSmall;
    QTest::newRow("C point") << QLocale::c() << "1.5" << QString();
    QTest::newRow("C comma") << QLocale::c() << "1,5" << Invalid;
}

void TstJudgement::defaultLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(QString, message);

    QLocale::setDefault(locale);
    QCOMPARE(validateJudgement(text).message, message);
    QCOMPARE(parseJudgement(text).invalid, message == Invalid);
}

QTEST_GUILESS_MAIN(TstJudgement)
#include "tst_judgement.moc"
