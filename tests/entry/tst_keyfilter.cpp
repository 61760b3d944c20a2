#include "entry/keyfilter.h"

#include <QtTest>

class TstKeyFilter : public QObject
{
    Q_OBJECT

private slots:
    void character_data();
    void character();
    void messagesKeepTheirExactText();
};

void TstKeyFilter::character_data()
{
    QTest::addColumn<QChar>("c");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("0") << QChar(u'0') << true;
    QTest::newRow("5") << QChar(u'5') << true;
    QTest::newRow("9") << QChar(u'9') << true;
    QTest::newRow("bar") << QChar(u'/') << true;
    QTest::newRow("Enter") << QChar(13) << true;
    QTest::newRow("Backspace") << QChar(8) << true;

    QTest::newRow("before 0: full stop") << QChar(u'.') << false;
    QTest::newRow("after 9: colon") << QChar(u':') << false;
    QTest::newRow("backslash") << QChar(u'\\') << false;
    QTest::newRow("comma") << QChar(u',') << false;
    QTest::newRow("minus") << QChar(u'-') << false;
    QTest::newRow("blank") << QChar(u' ') << false;
    QTest::newRow("latin letter") << QChar(u'a') << false;
    QTest::newRow("line feed") << QChar(10) << false;
    QTest::newRow("tab") << QChar(9) << false;
    QTest::newRow("Escape") << QChar(27) << false;
    QTest::newRow("Ctrl+C") << QChar(3) << false;
    QTest::newRow("Ctrl+V") << QChar(22) << false;
    QTest::newRow("Ctrl+X") << QChar(24) << false;
    QTest::newRow("null") << QChar(0) << false;
    QTest::newRow("Cyrillic letter") << QChar(u'б') << false;
    QTest::newRow("Arabic-Indic five") << QChar(u'\u0665') << false;
    QTest::newRow("fullwidth five") << QChar(u'\uFF15') << false;
    QTest::newRow("fraction slash") << QChar(u'\u2044') << false;
    QTest::newRow("Latin-1 upper half") << QChar(u'\u00BD') << false;
}

void TstKeyFilter::character()
{
    QFETCH(QChar, c);
    QFETCH(bool, accepted);

    QCOMPARE(isAcceptedGridCharacter(c), accepted);
}

void TstKeyFilter::messagesKeepTheirExactText()
{
    QCOMPARE(QString::fromUtf8(ChoiceTabKeyMessage.source), QStringLiteral("Допускается ввод только цифр и знака дроби '/'"));
    QCOMPARE(QString::fromUtf8(CompTabKeyMessage.source), QStringLiteral("Допускается ввод только цифр и занака дроби '/'"));
}

QTEST_GUILESS_MAIN(TstKeyFilter)
#include "tst_keyfilter.moc"
