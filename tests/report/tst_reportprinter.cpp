#include "report_helpers.h"

#include "app/resultreport.h"
#include "document/decisionresults.h"
#include "platform/platformerror.h"
#include "platform/printtarget.h"
#include "report/repform.h"
#include "report/reportprinter.h"
#include "model/synthesis.h"

#include <QLabel>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QtTest>

// Expected lines of a sheet in their order on it; each is contained in its line, or is the whole
// line when it starts with "=".
static void verifyLinesInOrder(const QStringList &lines, const QStringList &expected)
{
    int from = 0;
    for (const QString &want : expected) {
        const bool whole = want.startsWith(QChar(u'='));
        const QString text = whole ? want.mid(1) : want;
        int found = from;
        while (found < lines.size() && !(whole ? lines.at(found) == text : lines.at(found).contains(text)))
            ++found;
        if (found == lines.size())
            QFAIL(qPrintable(QStringLiteral("missing after line %1: %2\n%3").arg(from).arg(want, lines.join('\n'))));
        from = found + 1;
    }
}

static QString numbers(const QString &pattern, int first, int last)
{
    QStringList items;
    for (int i = first; i <= last; ++i)
        items << pattern.arg(i);
    return items.join(QChar(u' '));
}

// The box of the last word with this text left of maxLeft; empty when there is none.
static QRectF lastWord(const QList<SheetWord> &words, const QString &text, qreal maxLeft = 1e9)
{
    QRectF box;
    for (const SheetWord &word : words)
        if (word.text == text && word.box.left() < maxLeft)
            box = word.box;
    return box;
}

// Whether text stands whole on the sheet, on one line or broken over lines of one cell: pieces
// one under the other at the same left edge. Each piece must be at least minHeight points high.
static bool wholeInOneCell(const QList<SheetWord> &words, const QString &text, qreal minHeight)
{
    for (const SheetWord &first : words) {
        if (first.text.isEmpty() || !text.startsWith(first.text))
            continue;
        QString joined = first.text;
        QRectF last = first.box;
        bool small = last.height() < minHeight;
        for (const SheetWord &next : words) {
            if (joined == text)
                break;
            if (qAbs(next.box.left() - first.box.left()) < 1.5 && next.box.top() > last.top()
                && next.box.top() < last.bottom() + last.height() && text.startsWith(joined + next.text)) {
                joined += next.text;
                last = next.box;
                small = small || last.height() < minHeight;
            }
        }
        if (joined == text && !small)
            return true;
    }
    return false;
}

// Realistic names of a large decision: long words, and many of them, on a crowded sheet.
static const QStringList LongCriteria = {
    "Энергоэффективность", "Надёжность", "Цена", "Стоимость обслуживания", "Гарантийный срок",
    "Ремонтопригодность", "Безопасность", "Производительность", "Шумность", "Экологичность",
    "Совместимость", "Доступность запчастей", "Эргономичность", "Внешний вид", "Долговечность"};

// Priorities as the window writes them, eight decimals after a comma.
static QString priorityText(int seed)
{
    return QStringLiteral("0,%1").arg(11623491 + seed * 1234567 % 80000000, 8, 10, QChar(u'0'));
}

// A 15 x 10 decision with the names above, on the page of the given index.
static ReportData largeDecision(int pageIndex)
{
    ReportData data = pageIndex == 1 ? namesPage(15, 10) : pageIndex == 2 ? criteriaPage(15) : resultPage(15, 10);
    data.criteriaNames = LongCriteria;
    for (int k = 0; k < data.alternativeNames.size(); ++k)
        data.alternativeNames[k] = QStringLiteral("Альтернатива номер %1").arg(k + 1);
    if (pageIndex == 2) {
        for (int i = 0; i < 15; ++i) {
            data.table[0][i + 1] = LongCriteria.at(i);
            data.table[i + 1][0] = LongCriteria.at(i);
            data.table[i + 1][16] = priorityText(i);
        }
    } else if (pageIndex == 4) {
        for (int i = 0; i < 15; ++i)
            data.table[0][i + 1] = LongCriteria.at(i);
        for (int j = 1; j <= 10; ++j)
            for (int i = 1; i <= 15; ++i)
                data.table[j][i] = priorityText(j * 15 + i);
    }
    return data;
}

// Every word and number of texts stands whole on one line of the sheet, in type of at least
// 6 pt; no word of the sheet leaves the paper or overlaps another.
static void verifyWordsWhole(const QString &pdfPath, const QStringList &texts)
{
    const QList<SheetWord> words = sheetWords(pdfPath);
    QVERIFY(!words.isEmpty());
    PrintTarget::setPdfOutput(pdfPath);
    const QRectF paper = PrintTarget::open()->printer().pageLayout().fullRectPoints();
    PrintTarget::setPdfOutput(QString());
    QStringList printed;
    for (const SheetWord &word : words) {
        printed << word.text;
        QVERIFY2(paper.contains(word.box), qPrintable(word.text + " leaves the paper"));
    }
    for (const QString &text : texts)
        for (const QString &piece : text.split(QChar(u' '), Qt::SkipEmptyParts)) {
            bool found = false;
            for (const SheetWord &word : words)
                found = found || (word.text == piece && (piece.size() > 1 ? qMin(word.box.width(), word.box.height())
                                                                             : qMax(word.box.width(), word.box.height())) >= 6.0);
            QVERIFY2(found, qPrintable(QStringLiteral("\"%1\" is not whole: %2").arg(piece, printed.join(' '))));
        }
    for (int a = 0; a < words.size(); ++a)
        for (int b = a + 1; b < words.size(); ++b) {
            const QRectF both = words.at(a).box.adjusted(0.3, 0.3, -0.3, -0.3) & words.at(b).box.adjusted(0.3, 0.3, -0.3, -0.3);
            QVERIFY2(both.isEmpty(), qPrintable(words.at(a).text + " overlaps " + words.at(b).text));
        }
}

// The largest decision with sub-criteria: four levels, 50 leaves with long paths, 10 alternatives.
static DecisionDocument largestHierarchy()
{
    auto matrix = [](int n) {
        QList<QStringList> cells(n, QStringList(n, QStringLiteral("1")));
        for (int i = 0; i < n; ++i)
            for (int j = i + 1; j < n; ++j) {
                cells[i][j] = QString::number(1 + (i + j) % 8);
                cells[j][i] = QStringLiteral("1/") + cells[i][j];
            }
        return cells;
    };
    auto node = [&matrix](const QString &name, const QList<CriterionNode> &subcriteria) {
        return CriterionNode{name, subcriteria, subcriteria.isEmpty() ? QList<QStringList>() : matrix(int(subcriteria.size()))};
    };
    Hierarchy tree;
    for (int t = 1; t <= 5; ++t) {
        const QString top = QStringLiteral("Критерий верхнего уровня %1").arg(t);
        auto leaves = [&node, t](const QString &prefix, int count) {
            QList<CriterionNode> list;
            for (int k = 1; k <= count; ++k)
                list << node(QStringLiteral("%1 %2.%3").arg(prefix).arg(t).arg(k), {});
            return list;
        };
        const CriterionNode a = node("Подкритерий A", QList<CriterionNode>{node("Группа A1", leaves("Лист A1", 2))} + leaves("Лист A", 2));
        const CriterionNode b = node("Подкритерий B", QList<CriterionNode>{node("Группа B1", leaves("Лист B1", 3))} + leaves("Лист B", 3));
        tree.criteria << node(top, {a, b});
    }
    tree.judgements = matrix(5);
    DecisionDocument document;
    document.user = QStringLiteral("Иванов И.И.");
    document.setHierarchy(tree);
    for (int k = 0; k < 10; ++k)
        document.alternatives << QStringLiteral("Вариант %1").arg(k + 1);
    for (int c = 0; c < tree.leafCount(); ++c)
        document.alternativesJudgements << matrix(10);
    return document;
}

class TstReportPrinter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { useReportFonts(); }
    void cleanup();
    void scaledRowHeight_data();
    void scaledRowHeight();
    void sheet_data();
    void sheet();
    void rowsAndColumnsAreScaledToThePaper();
    void resultTableEndsAboveTheSummary_data();
    void resultTableEndsAboveTheSummary();
    void tableTallerThanThePaperStaysOnOneSheet();
    void longTextsPrintWhole_data();
    void longTextsPrintWhole();
    void wordsAndNumbersStayWhole_data();
    void wordsAndNumbersStayWhole();
    void longUserNameStaysOnThePaper();
    void twoPrintsGiveTheSameSheet();
    void unwritableOutputThrowsAndDisposesOfThePage();
    void noPrinterThrowsAndDisposesOfThePage();
    void hierarchyPrintsWhole();
};

void TstReportPrinter::hierarchyPrintsWhole()
{
    const DecisionDocument document = largestHierarchy();
    QCOMPARE(document.leafCount(), 50);
    const DecisionComputation computation = computeDecision(document);
    QVERIFY(computation.results);
    const ReportData data = resultReportData(document, *computation.results, QStringLiteral("08.12.2026"));
    QCOMPARE(data.table.size(), 51);
    QCOMPARE(data.table.at(1).at(0), QStringLiteral("Лист A1 1.1"));
    QCOMPARE(data.hierarchyLines.size(), 5);
    QVERIFY2(data.hierarchyLines.at(0).startsWith(QStringLiteral("Критерий верхнего уровня 1 ")), qPrintable(data.hierarchyLines.at(0)));

    const PrintedSheet printed = printSheet(data, QStringLiteral("hierarchy"));
    QCOMPARE(printed.pages, 1);
    QStringList whole = data.hierarchyLines;
    whole << data.table.at(0) << data.table.at(1) << data.table.last();
    verifyWordsWhole(printed.pdfPath, whole);
}

void TstReportPrinter::cleanup()
{
    PrintTarget::setPdfOutput(QString());
    QCOMPARE(TRepForm::liveCount(), 0);
}

void TstReportPrinter::scaledRowHeight_data()
{
    QTest::addColumn<int>("printWidth");
    QTest::addColumn<int>("scaled");

    QTest::newRow("4800 wide: 179.7 truncates to 179") << 4800 << 179;
    QTest::newRow("A4 at 300 dpi: 89.67 gives 89") << 2395 << 89;
    QTest::newRow("same width") << 641 << 24;
    // 24 * (9600 div 641) would give 336.
    QTest::newRow("product before division") << 9600 << 359;
    QTest::newRow("product beyond 32 bits") << 200000000 << 7488299;
}

void TstReportPrinter::scaledRowHeight()
{
    QFETCH(int, printWidth);
    QFETCH(int, scaled);

    QCOMPARE(::scaledRowHeight(24, printWidth, 641), scaled);
}

void TstReportPrinter::sheet_data()
{
    QTest::addColumn<ReportData>("data");
    QTest::addColumn<QStringList>("lines");

    const QStringList header = {"=Система поддержки принятия решений",
                                "=\"Принятие решений при помощи метода анализа иерархий\"",
                                "=Иванова Мария, 07.12.2025"};

    QTest::newRow("names, 3 and 3") << namesPage(3, 3)
        << header + QStringList{"=AltA Вариант A AltC Вариант C", "=AltB Вариант B", "=Названия критериев",
                                "=№ критерия 1 2 3", "=Название Критерий 1 Критерий 2 Критерий 3"};
    // Fifteen names share the width: the type shrinks until every name fits one line.
    QTest::newRow("names, 15 and 7") << namesPage(15, 7)
        << header + QStringList{"=AltA Вариант A AltE Вариант E", "=AltC Вариант C AltG Вариант G",
                                "=AltD Вариант D", "=Названия критериев", "=№ критерия " + numbers("%1", 1, 15),
                                "=Название " + numbers("Критерий %1", 1, 15)};
    QTest::newRow("criteria matrix of 15") << criteriaPage(15)
        << header + QStringList{"=Случайная согласованность: 1.49", "=Индекс согласованности: 0.0712",
                                "=Отношение согласованности: 0.0478", "=Таблица относительной важности критериев",
                                "=Критерий 1 1 1/2 1/3 1/4 1/5 1/6 1/7 1/8 1/9 1/10 1/11 1/12 1/13 1/14 1/15 0.0000011",
                                "=Критерий 15 " + numbers("15/%1", 1, 14) + " 1 0.0000151"};
    ReportData subcriteria = criteriaPage(3);
    subcriteria.criterionName = QStringLiteral("Безопасность › Активная");
    QTest::newRow("sub-criteria matrix") << subcriteria
        << header + QStringList{"Таблица относительной важности подкритериев «Безопасность", "Активная»",
                                "=Критерий 1 Критерий 2 Критерий 3 Приоритет"};
    QTest::newRow("alternatives matrix of 10") << alternativesPage(10, "Цена")
        << header + QStringList{"=Случайная согласованность: 0.58", "=Матрица сравнения для критерия 'Цена'",
                                "=A B C D E F G H I J Приоритет",
                                "=J 10/1 10/2 10/3 10/4 10/5 10/6 10/7 10/8 10/9 1 0.0000101"};
    QTest::newRow("result, 15 and 10") << resultPage(15, 10)
        << header + QStringList{"=AltA Вариант A AltF Вариант F", "=AltE Вариант E AltJ Вариант J",
                                "=Глобальные приоритеты", "=AltA AltB AltC AltD AltE AltF AltG AltH AltI AltJ",
                                "=0.101 0.102 0.103 0.104 0.105 0.106 0.107 0.108 0.109 0.110",
                                "=Таблица глобальных приоритетов и результат", "Лок.приор.",
                                "=J 0.09000000 0.09000001 0.09000002 0.09000003 0.09000004 0.09000005 0.09000006 "
                                "0.09000007 0.09000008 0.09000009 0.09000010 0.09000011 0.09000012 0.09000013 0.09000014",
                                "=Резюме - Для Вашей задачи наиболее оптимальна альтернатива A -'Вариант A'"};
    QTest::newRow("result, 3 alternatives") << resultPage(3, 3)
        << header + QStringList{"=AltB Вариант B", "=AltA AltB AltC", "=0.101 0.102 0.103",
                                "=Лок.приор. Критерий 1 Критерий 2 Критерий 3",
                                "=C 0.02000000 0.02000001 0.02000002", "Резюме - "};

    ReportData anonymous = alternativesPage(3, "Д'Артаньян");
    anonymous.userName.clear();
    QTest::newRow("no user name") << anonymous
        << QStringList{"=, 07.12.2025", "=Матрица сравнения для критерия 'Д'Артаньян'"};
}

void TstReportPrinter::sheet()
{
    QFETCH(ReportData, data);
    QFETCH(QStringList, lines);

    const PrintedSheet printed = printSheet(data, QTest::currentDataTag());
    QCOMPARE(printed.pages, 1);
    verifyLinesInOrder(sheetLines(printed.text), lines);

    // The job is listed under the table's heading.
    TRepForm page;
    composeReport(page, data);
    QCOMPARE(printed.title, page.repName()->text());
}

// Rows of 24 design pixels become 24 * P div 641 printer pixels, once; the columns of a grid
// share the printable width P.
void TstReportPrinter::rowsAndColumnsAreScaledToThePaper()
{
    const PrintedSheet printed = printSheet(resultPage(3, 10), QStringLiteral("scaled"));
    const QList<SheetWord> words = sheetWords(printed.pdfPath);
    PrintTarget::setPdfOutput(printed.pdfPath);
    const std::unique_ptr<PrintTarget::Job> job = PrintTarget::open();
    const QPrinter *printer = &job->printer();
    const int printWidth = PrintTarget::printableWidth(*printer);
    const qreal pointsPerPixel = 72.0 / printer->resolution();
    const qreal left = printer->pageLayout().paintRectPoints().left();

    // The result table's letters stand at the left edge of the sheet.
    const qreal rowPitch = (lastWord(words, "J", left + 10).top() - lastWord(words, "A", left + 10).top()) / 9;
    QCOMPARE(qRound(rowPitch / pointsPerPixel), ::scaledRowHeight(24, printWidth, 641));

    // AltJ of the global priorities heads the tenth of ten equal columns.
    const qreal column = (printWidth / 10) * pointsPerPixel;
    const qreal offset = lastWord(words, "AltJ").left() - (left + 9 * column);
    QVERIFY2(offset > 0 && offset < column / 4, qPrintable(QString::number(offset)));
}

void TstReportPrinter::resultTableEndsAboveTheSummary_data()
{
    QTest::addColumn<int>("m");

    QTest::newRow("3 alternatives: a roomy band") << 3;
    QTest::newRow("10 alternatives: taller than the design band") << 10;
}

void TstReportPrinter::resultTableEndsAboveTheSummary()
{
    QFETCH(int, m);

    const PrintedSheet printed = printSheet(resultPage(15, m), QStringLiteral("summary %1").arg(m));
    const QList<SheetWord> words = sheetWords(printed.pdfPath);
    // The table's letters stand in its first column, at the sheet's left edge.
    const QRectF lastRow = lastWord(words, QString(QChar(u'A' + m - 1)), 36);
    const QRectF summary = lastWord(words, "Резюме");
    QVERIFY(!lastRow.isNull() && !summary.isNull());
    QVERIFY(lastWord(words, "результат").bottom() < lastRow.top());
    QVERIFY2(lastRow.bottom() < summary.top(), qPrintable(QString::number(lastRow.bottom() - summary.top())));
}

void TstReportPrinter::tableTallerThanThePaperStaysOnOneSheet()
{
    // Longer than any table of the program: taller than the paper on its own.
    ReportData data = criteriaPage(3);
    data.table = {{"№", "Текст"}};
    for (int r = 1; r <= 60; ++r)
        data.table.append({QString::number(r), QStringLiteral("строка %1").arg(r)});

    const PrintedSheet printed = printSheet(data, QStringLiteral("very tall"));
    QCOMPARE(printed.pages, 1);
    verifyLinesInOrder(sheetLines(printed.text), {"=Система поддержки принятия решений", "=№ Текст",
                                                  "=1 строка 1", "=59 строка 59", "=60 строка 60"});

    PrintTarget::setPdfOutput(printed.pdfPath);
    const qreal paperBottom = PrintTarget::open()->printer().pageLayout().paintRectPoints().bottom();
    QVERIFY(lastWord(sheetWords(printed.pdfPath), "60").bottom() <= paperBottom);
}

void TstReportPrinter::longTextsPrintWhole_data()
{
    QTest::addColumn<ReportData>("data");
    QTest::addColumn<QString>("cellText");
    QTest::addColumn<QString>("decision");

    const QString longName = QStringLiteral("Энергоэффективность");
    ReportData names = namesPage(15, 10);
    names.criteriaNames[4] = longName;
    QTest::newRow("names page, 15 and 10") << names << longName << QString();

    ReportData result = resultPage(15, 10);
    result.criteriaNames[4] = longName;
    result.table[0][5] = longName;
    QTest::newRow("result page, 15 and 10") << result << longName << QString();

    ReportData alternatives = alternativesPage(10, longName);
    alternatives.table[0][1] = QStringLiteral("Водонепроницаемость");
    QTest::newRow("alternatives page, a long name in the header row")
        << alternatives << QStringLiteral("Водонепроницаемость") << QString();

    ReportData tie = resultPage(15, 10);
    QStringList tied;
    for (int k = 0; k < 10; ++k)
        tied << QStringLiteral("Вариант %1, проверенный временем").arg(QChar(u'A' + k));
    tie.alternativeNames = tied;
    tie.decision = decisionSentence(std::vector<double>(10, 0.1), tied);
    QTest::newRow("ten-way tie") << tie << QString() << tie.decision;
}

// Nothing printed is cut or elided: a name wider than its column breaks inside its cell, in
// type no smaller than 6 pt, and a decision of many lines gets all of them, on one sheet.
void TstReportPrinter::longTextsPrintWhole()
{
    QFETCH(ReportData, data);
    QFETCH(QString, cellText);
    QFETCH(QString, decision);

    const PrintedSheet printed = printSheet(data, QTest::currentDataTag());
    QCOMPARE(printed.pages, 1);
    QVERIFY2(!printed.text.contains(QChar(0x2026)), qPrintable(printed.text));
    if (!cellText.isEmpty())
        QVERIFY2(wholeInOneCell(sheetWords(printed.pdfPath), cellText, 6.0), qPrintable(printed.text));
    if (!decision.isEmpty())
        QVERIFY2(sheetLines(printed.text).join(QChar(u' ')).contains(QStringLiteral("Резюме - ") + decision),
                 qPrintable(printed.text));
}

void TstReportPrinter::wordsAndNumbersStayWhole_data()
{
    QTest::addColumn<ReportData>("data");
    QTest::addColumn<QStringList>("whole");

    ReportData names = largeDecision(1);
    QTest::newRow("names, 15 x 10") << names << names.criteriaNames + names.alternativeNames;
    ReportData criteria = largeDecision(2);
    QStringList criteriaTexts = criteria.criteriaNames;
    for (int i = 0; i < 15; ++i)
        criteriaTexts << priorityText(i);
    QTest::newRow("criteria, 15 x 10") << criteria << criteriaTexts;
    ReportData result = largeDecision(4);
    QStringList resultTexts = result.criteriaNames + result.alternativeNames;
    for (int j = 1; j <= 10; ++j)
        resultTexts << result.table[j].mid(1);
    QTest::newRow("result, 15 x 10") << result << resultTexts;

    // Names of 115 characters in words, as in the result report of the command line.
    ReportData long115 = largeDecision(4);
    for (int i = 0; i < 15; ++i) {
        QString name = QStringLiteral("Критерий %1 о качестве обслуживания").arg(i + 1);
        while (name.size() < 115)
            name += QStringLiteral(" и надёжности");
        name.truncate(115);
        long115.criteriaNames[i] = name.trimmed();
        long115.table[0][i + 1] = name.trimmed();
    }
    QTest::newRow("result, names of 115 characters") << long115 << long115.criteriaNames;
}

void TstReportPrinter::wordsAndNumbersStayWhole()
{
    QFETCH(ReportData, data);
    QFETCH(QStringList, whole);

    const PrintedSheet printed = printSheet(data, QTest::currentDataTag());
    QCOMPARE(printed.pages, 1);
    verifyWordsWhole(printed.pdfPath, whole);
}

void TstReportPrinter::longUserNameStaysOnThePaper()
{
    ReportData data = resultPage(3, 3);
    data.userName = QString(200, QChar(u'Ж'));
    const PrintedSheet printed = printSheet(data, QStringLiteral("long user name"));
    verifyWordsWhole(printed.pdfPath, {data.dateText});
    // Broken where nothing else keeps it on the paper, and none of it lost.
    QVERIFY2(QString(printed.text).remove(QRegularExpression("\\s")).contains(data.userName), qPrintable(printed.text));
}

void TstReportPrinter::twoPrintsGiveTheSameSheet()
{
    const int created = TRepForm::createdCount();
    const PrintedSheet first = printSheet(resultPage(15, 10), QStringLiteral("first"));
    printSheet(namesPage(3, 3), QStringLiteral("between"));
    const PrintedSheet again = printSheet(resultPage(15, 10), QStringLiteral("again"));
    QCOMPARE(TRepForm::createdCount(), created + 3);
    QVERIFY(!first.text.isEmpty());
    QCOMPARE(again.text, first.text);
}

void TstReportPrinter::unwritableOutputThrowsAndDisposesOfThePage()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("missing/sheet.pdf"));
    PrintTarget::setPdfOutput(path);

    QString message;
    try {
        printReport(resultPage(3, 3));
    } catch (const PlatformError &error) {
        message = error.message();
    }
    QVERIFY2(message.startsWith(QStringLiteral("Не удалось")), "the print passed as done");
    QCOMPARE(TRepForm::liveCount(), 0);
    QVERIFY(!QFile::exists(path));
}

void TstReportPrinter::noPrinterThrowsAndDisposesOfThePage()
{
    if (!QPrinterInfo::availablePrinters().isEmpty())
        QSKIP("a printer is installed here; nothing is printed on it");
    QVERIFY_THROWS_EXCEPTION(PlatformError, printReport(namesPage(3, 3)));
    QCOMPARE(TRepForm::liveCount(), 0);
}

QTEST_MAIN(TstReportPrinter)
#include "tst_reportprinter.moc"
