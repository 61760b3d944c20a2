// The spreadsheet module as the results export opens and uses it: what opening a module says
// when it cannot, and a book that reports the first failure of its writes when it is closed.

#include "platform/programmodule.h"
#include "platform/spreadsheetbook.h"

#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class TstSpreadsheetBook : public QObject
{
    Q_OBJECT
private slots:
    void resolve_data();
    void resolve();
    void closeReportsFirstFailure_data();
    void closeReportsFirstFailure();
};

void TstSpreadsheetBook::resolve_data()
{
    QTest::addColumn<QString>("module");
    QTest::addColumn<QByteArray>("symbol");
    QTest::addColumn<QString>("reason"); // empty: resolved
    QTest::newRow("the spreadsheet maker") << "libanalyze_xlsx.so" << QByteArray(SpreadsheetBook::FactoryName) << "";
    QTest::newRow("no such module") << "libanalyze_none.so" << QByteArray(SpreadsheetBook::FactoryName) << "libanalyze_none.so";
    QTest::newRow("no such symbol") << "libanalyze_xlsx.so" << QByteArray("analyzeCreateNothing") << "analyzeCreateNothing";
}

void TstSpreadsheetBook::resolve()
{
    QFETCH(QString, module);
    QFETCH(QByteArray, symbol);
    QFETCH(QString, reason);
    QString why;
    const QFunctionPointer function = ProgramModule::resolve(module, symbol.constData(), &why);
    QCOMPARE(function != nullptr, reason.isEmpty());
    QVERIFY2(why.contains(reason), qPrintable(why));
}

void TstSpreadsheetBook::closeReportsFirstFailure_data()
{
    QTest::addColumn<QStringList>("sheets");
    QTest::addColumn<int>("writeTo"); // the sheet number written to
    QTest::addColumn<bool>("written");
    QTest::newRow("two sheets") << QStringList{"Результаты", "Веса"} << 1 << true;
    QTest::newRow("a name used twice") << QStringList{"Веса", "Веса"} << 0 << false;
    QTest::newRow("a sheet that is not there") << QStringList{"Веса"} << 1 << false;
    QTest::newRow("a name too long") << QStringList{QString(40, QLatin1Char('x'))} << 0 << false;
}

void TstSpreadsheetBook::closeReportsFirstFailure()
{
    QFETCH(QStringList, sheets);
    QFETCH(int, writeTo);
    QFETCH(bool, written);
    QString reason;
    const SpreadsheetBook::Factory create = SpreadsheetBook::factory(&reason);
    QVERIFY2(create, qPrintable(reason));
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("book.xlsx"));
    const std::unique_ptr<SpreadsheetBook> book(create(QFile::encodeName(path).constData(), QFile::encodeName(folder.path()).constData()));
    QVERIFY(book);
    for (const QString &name : sheets)
        book->addSheet(name.toUtf8().constData());
    book->text(writeTo, 0, 0, "Альтернатива", true);
    book->number(writeTo, 1, 0, 0.25);
    std::string libraryReason;
    int systemError = -1;
    QCOMPARE(book->close(&libraryReason, &systemError), written);
    QCOMPARE(libraryReason.empty(), written);
    QCOMPARE(systemError, 0);
    if (written)
        QVERIFY(QFileInfo(path).size() > 0);
}

QTEST_GUILESS_MAIN(TstSpreadsheetBook)

#include "tst_spreadsheetbook.moc"
