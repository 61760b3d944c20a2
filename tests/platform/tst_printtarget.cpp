#include "platform/platformerror.h"
#include "platform/printsystem.h"
#include "platform/printtarget.h"

#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Stands in for the print system: a default queue in a given state, and a record of the
// documents handed to it, which it takes or refuses as told.
class StandInPrintSystem : public PrintSystem
{
public:
    Queue queue{Queue::Accepting, QStringLiteral("PDF")};
    QString refusal;
    QStringList jobs;

    Queue defaultQueue() override { return queue; }
    QString submit(const QString &name, const QString &pdfFile, const QString &title) override
    {
        QFile file(pdfFile);
        const QByteArray start = file.open(QIODevice::ReadOnly) ? file.read(5) : QByteArray();
        jobs << name + QLatin1Char(' ') + title + QLatin1Char(' ') + QString::fromLatin1(start);
        return refusal;
    }
};

void paintOneSheet(QPrinter &printer)
{
    printer.setDocName(QStringLiteral("Лист"));
    QPainter painter(&printer);
    painter.drawText(100, 100, QStringLiteral("текст"));
}

}

class TstPrintTarget : public QObject
{
    Q_OBJECT

private slots:
    void init() { PrintSystem::replace(&m_system); m_system = StandInPrintSystem(); }
    void cleanup()
    {
        PrintTarget::setPdfOutput(QString());
        PrintSystem::replace(nullptr);
    }
    void pdfOutputGivesAnA4PdfPrinter();
    void sheetIsHandedToTheQueue_data();
    void sheetIsHandedToTheQueue();

private:
    StandInPrintSystem m_system;
};

void TstPrintTarget::pdfOutputGivesAnA4PdfPrinter()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("sheet.pdf"));
    PrintTarget::setPdfOutput(path);

    const std::unique_ptr<PrintTarget::Job> job = PrintTarget::open();
    const QPrinter &printer = job->printer();
    QCOMPARE(printer.outputFormat(), QPrinter::PdfFormat);
    // Painted elsewhere first: the file gets the sheet whole at send(), or not at all.
    QVERIFY(printer.outputFileName() != path);
    QCOMPARE(printer.resolution(), PrintTarget::PdfResolution);
    QCOMPARE(printer.pageLayout().pageSize().id(), QPageSize::A4);

    // The printable width is the paint area: inside the 210 mm of A4, and most of it.
    const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
    QCOMPARE(PrintTarget::printableWidth(printer), area.width());
    QCOMPARE(PrintTarget::printableHeight(printer), area.height());
    const int paperWidth = qRound(210 / 25.4 * PrintTarget::PdfResolution);
    QVERIFY(area.width() <= paperWidth && area.width() > paperWidth * 9 / 10);
    QVERIFY(!QFile::exists(path));
    // A PDF file is the whole job: nothing goes to a queue.
    job->send();
    QVERIFY(m_system.jobs.isEmpty());
    QVERIFY(!QFile::exists(path));
}

void TstPrintTarget::sheetIsHandedToTheQueue_data()
{
    QTest::addColumn<QString>("refusal");
    QTest::newRow("taken") << QString();
    QTest::newRow("turned away") << QStringLiteral("The printer is not accepting jobs.");
}

// The sheet reaches the queue as a PDF document under its title; a queue that turns it away
// at that moment is reported with its own reason, never passed as printed.
void TstPrintTarget::sheetIsHandedToTheQueue()
{
    QFETCH(QString, refusal);
    m_system.refusal = refusal;
    const std::unique_ptr<PrintTarget::Job> job = PrintTarget::open();
    QCOMPARE(job->printer().outputFormat(), QPrinter::PdfFormat);
    paintOneSheet(job->printer());
    QString message;
    try {
        job->send();
    } catch (const PlatformError &error) {
        message = error.message();
    }
    QCOMPARE(m_system.jobs, QStringList{QStringLiteral("PDF Лист %PDF-")});
    if (refusal.isEmpty())
        QCOMPARE(message, QString());
    else
        QCOMPARE(message, QStringLiteral("Страница не напечатана: принтер «PDF» не принял задание (%1)").arg(refusal));
}

QTEST_MAIN(TstPrintTarget)
#include "tst_printtarget.moc"
