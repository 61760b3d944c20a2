// Printing from the window: the question comes first and only Yes prints; each page of the
// wizard prints its own sheet; a printer that cannot start is reported, never passed over.

#include "app_helpers.h"

#include "app/pagetexts.h"
#include "model/synthesis.h"
#include "platform/printsystem.h"
#include "platform/printtarget.h"
#include "platform/stringgrid.h"
#include "report/repform.h"
#include "report/reportprinter.h"

#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>

using namespace WindowTest;

namespace {
// The print system as the test sets it up: a default queue in a given state that takes or
// turns away what it is handed.
class StandInPrintSystem : public PrintSystem
{
public:
    Queue queue{Queue::Accepting, QStringLiteral("PDF")};
    QString refusal;
    int jobs = 0;

    Queue defaultQueue() override { return queue; }
    QString submit(const QString &, const QString &, const QString &) override
    {
        ++jobs;
        return refusal;
    }
};

QString pdfText(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!process.waitForFinished(20000))
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Three criteria and three alternatives with consistent judgements, up to the result page.
void walkToPage(TMainForm *form, int target)
{
    setCounts(form, 3, 3);
    auto *next = find<QPushButton>(form, "NextBtn");
    click(next);
    replaceText(find<QLineEdit>(form, "ChoiceName"), QStringLiteral("Цена"));
    pressKey(Qt::Key_Return);
    if (target == 1)
        return;
    click(next);
    if (target == 2)
        return;
    enterMatrix(find<StringGrid>(form, "ChoiceTab"), {{"3", "5"}, {"3"}});
    click(next);
    if (target == 3)
        return;
    auto *compTab = find<StringGrid>(form, "CompTab");
    for (int c = 0; c < 3; ++c) {
        enterMatrix(compTab, {{"2", "4"}, {"2"}});
        if (c < 2)
            click(find<QPushButton>(form, "NextMatrixBtn"));
    }
    click(next);
}
}

class TstPrinting : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void noPrintsNothing();
    void eachPagePrintsItsSheet_data();
    void eachPagePrintsItsSheet();
    void printerThatCannotStartIsReported();
    void printSystemRefusalIsReported_data();
    void printSystemRefusalIsReported();

private:
    QTemporaryDir m_dir;
};

void TstPrinting::init()
{
    errors().clear();
    questionsAsked() = 0;
    printAnswer() = false;
}

void TstPrinting::cleanup()
{
    PrintTarget::setPdfOutput(QString());
}

void TstPrinting::noPrintsNothing()
{
    auto form = openWindow();
    walkToPage(form.get(), 1);
    const QString pdf = m_dir.filePath(QStringLiteral("no.pdf"));
    PrintTarget::setPdfOutput(pdf);
    const int created = TRepForm::createdCount();
    click(find<QPushButton>(form.get(), "PrintBtn"));
    QCOMPARE(questionsAsked(), 1);
    QCOMPARE(TRepForm::createdCount(), created);
    QVERIFY(!QFile::exists(pdf));
    QVERIFY(errors().isEmpty());
}

void TstPrinting::eachPagePrintsItsSheet_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("names") << 1 << QStringList{CriteriaNamesHeading.text(), CriteriaNumberHeader.text(), "Цена", "AltA", "AltC"};
    QTest::newRow("criteria") << 2 << QStringList{CriteriaMatrixHeading.text(), CriteriaCornerHeader.text(), CriteriaPriorityHeader.text()};
    QTest::newRow("alternatives") << 3 << QStringList{AlternativesMatrixHeading.text() + "Цена'", AltPriorityHeader.text()};
    QTest::newRow("result") << 4
                            << QStringList{ResultHeading.text(), "Глобальные приоритеты",
                                           DecisionSummaryPrefix.text() + DecisionPrefix.text().trimmed()};
}

void TstPrinting::eachPagePrintsItsSheet()
{
    QFETCH(int, page);
    QFETCH(QStringList, expected);
    auto form = openWindow();
    replaceText(find<QLineEdit>(form.get(), "StudentName"), QStringLiteral("Петрова"));
    walkToPage(form.get(), page);
    QCOMPARE(WindowTest::page(form.get()), page);

    const QString pdf = m_dir.filePath(QStringLiteral("page%1.pdf").arg(page));
    PrintTarget::setPdfOutput(pdf);
    printAnswer() = true;
    const int live = TRepForm::liveCount();
    click(find<QPushButton>(form.get(), "PrintBtn"));
    QCOMPARE(questionsAsked(), 1);
    QVERIFY2(errors().isEmpty(), qPrintable(errors().join('\n')));
    QCOMPARE(TRepForm::liveCount(), live);

    const QString text = pdfText(pdf);
    const QString date = find<QLineEdit>(form.get(), "DataStamp")->text();
    QVERIFY2(text.contains(QStringLiteral("Петрова, ") + date), qPrintable(text));
    for (const QString &piece : expected)
        QVERIFY2(text.contains(piece), qPrintable(piece + QStringLiteral(" missing in:\n") + text));
}

void TstPrinting::printerThatCannotStartIsReported()
{
    auto form = openWindow();
    walkToPage(form.get(), 1);
    PrintTarget::setPdfOutput(m_dir.filePath(QStringLiteral("no/such/folder/sheet.pdf")));
    printAnswer() = true;
    const int live = TRepForm::liveCount();
    click(find<QPushButton>(form.get(), "PrintBtn"));
    QCOMPARE(errors().size(), 1);
    QVERIFY(!errors().first().isEmpty());
    QCOMPARE(TRepForm::liveCount(), live);
    // The window goes on as before.
    QCOMPARE(WindowTest::page(form.get()), 1);
    QVERIFY(find<QPushButton>(form.get(), "NextBtn")->isEnabled());
}

void TstPrinting::printSystemRefusalIsReported_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<int>("jobs");
    QTest::addColumn<QString>("message");
    QTest::newRow("taken") << int(PrintSystem::Queue::Accepting) << QString() << 1 << QString();
    QTest::newRow("queue not accepting jobs")
        << int(PrintSystem::Queue::NotAccepting) << QString() << 0
        << QStringLiteral("Не удалось начать печать: принтер «PDF» не принимает задания");
    QTest::newRow("print service not running")
        << int(PrintSystem::Queue::ServiceDown) << QString() << 0
        << QStringLiteral("Не удалось начать печать: служба печати не запущена");
    QTest::newRow("turned away when handed over")
        << int(PrintSystem::Queue::Accepting) << QStringLiteral("Forbidden") << 1
        << QStringLiteral("Страница не напечатана: принтер «PDF» не принял задание (Forbidden)");
}

// Yes to the question on the real printer: whatever the print system does not take reaches the
// person, and the window goes on.
void TstPrinting::printSystemRefusalIsReported()
{
    QFETCH(int, state);
    QFETCH(QString, refusal);
    QFETCH(int, jobs);
    QFETCH(QString, message);
    StandInPrintSystem system;
    system.queue.state = PrintSystem::Queue::State(state);
    system.refusal = refusal;
    PrintSystem::replace(&system);
    auto form = openWindow();
    walkToPage(form.get(), 2);
    printAnswer() = true;
    click(find<QPushButton>(form.get(), "PrintBtn"));
    PrintSystem::replace(nullptr);
    QCOMPARE(system.jobs, jobs);
    QCOMPARE(errors(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(WindowTest::page(form.get()), 2);
}

ANALYZE_WINDOW_TEST_MAIN(TstPrinting)
#include "tst_printing.moc"
