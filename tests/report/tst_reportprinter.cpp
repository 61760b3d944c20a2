#include "report_helpers.h"

#include "platform/platformerror.h"
#include "platform/printtarget.h"
#include "report/repform.h"
#include "report/reportprinter.h"

#include <QtTest>

class TestReportPrinter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void sheets();
};

void TestReportPrinter::initTestCase()
{
    useReportFonts();
}

void TestReportPrinter::sheets()
{
    for (auto [data, name] : {std::pair{namesPage(15, 7), QStringLiteral("p1")},
                              std::pair{criteriaPage(15), QStringLiteral("p2")},
                              std::pair{alternativesPage(10, QStringLiteral("Цена")), QStringLiteral("p3")},
                              std::pair{resultPage(15, 10), QStringLiteral("p4")}}) {
        const PrintedSheet sheet = printSheet(data, name);
        qDebug().noquote() << sheet.text << sheet.pages << sheet.title;
    }
}

QTEST_MAIN(TestReportPrinter)
#include "tst_reportprinter.moc"
