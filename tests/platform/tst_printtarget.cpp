#include "platform/platformerror.h"
#include "platform/printtarget.h"

#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QtTest>

class TstPrintTarget : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { PrintTarget::setPdfOutput(QString()); }
    void pdfOutputGivesAnA4PdfPrinter();
    void emptyPathMeansTheRealPrinterAgain();
};

void TstPrintTarget::pdfOutputGivesAnA4PdfPrinter()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("sheet.pdf"));
    PrintTarget::setPdfOutput(path);

    const std::unique_ptr<QPrinter> printer = PrintTarget::open();
    QCOMPARE(printer->outputFormat(), QPrinter::PdfFormat);
    QCOMPARE(printer->outputFileName(), path);
    QCOMPARE(printer->resolution(), PrintTarget::PdfResolution);
    QCOMPARE(printer->pageLayout().pageSize().id(), QPageSize::A4);

    // The printable width is the paint area: inside the 210 mm of A4, and most of it.
    const QRect area = printer->pageLayout().paintRectPixels(printer->resolution());
    QCOMPARE(PrintTarget::printableWidth(*printer), area.width());
    QCOMPARE(PrintTarget::printableHeight(*printer), area.height());
    const int paperWidth = qRound(210 / 25.4 * PrintTarget::PdfResolution);
    QVERIFY(area.width() <= paperWidth && area.width() > paperWidth * 9 / 10);
    QVERIFY(!QFile::exists(path));
}

void TstPrintTarget::emptyPathMeansTheRealPrinterAgain()
{
    PrintTarget::setPdfOutput(QStringLiteral("unused.pdf"));
    PrintTarget::setPdfOutput(QString());

    if (!QPrinterInfo::defaultPrinter().isNull()) {
        const std::unique_ptr<QPrinter> printer = PrintTarget::open();
        QCOMPARE(printer->outputFormat(), QPrinter::NativeFormat);
        QCOMPARE(printer->printerName(), QPrinterInfo::defaultPrinter().printerName());
        return;
    }
    try {
        PrintTarget::open();
        QFAIL("a missing printer passed unnoticed");
    } catch (const PlatformError &error) {
        QCOMPARE(error.message(), QStringLiteral("Не удалось начать печать: принтер не найден"));
    }
}

QTEST_MAIN(TstPrintTarget)
#include "tst_printtarget.moc"
