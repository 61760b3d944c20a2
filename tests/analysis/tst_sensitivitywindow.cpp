// The sensitivity window on a decision worked out by hand: a slider step rescales the other
// weights and re-ranks, the reset brings the computed weights back, the threshold table, and
// the printed analysis sheet read back with pdftotext.

#include "analysis/sensitivitywindow.h"
#include "platform/errordisplay.h"
#include "platform/printtarget.h"
#include "platform/questionbox.h"

#include <QBarSet>
#include <QGraphicsTextItem>
#include <QRegularExpression>
#include <QChartView>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSlider>
#include <QHeaderView>
#include <QStackedBarSeries>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Alpha leads by a little (0.38 against 0.36 and 0.26); each criterion favours another alternative.
SensitivityData closeRace()
{
    SensitivityData data;
    data.criteria = {"Цена", "Качество", "Сервис"};
    data.alternatives = {"Alpha", "Beta", "Gamma"};
    data.weights = {0.5, 0.3, 0.2};
    data.localPriorities = {{0.6, 0.3, 0.1}, {0.2, 0.5, 0.3}, {0.1, 0.3, 0.6}};
    data.userName = "Иванов";
    data.dateText = "07.12.2026";
    return data;
}

// Alpha is best under every criterion: no weight changes the choice.
SensitivityData clearWinner()
{
    SensitivityData data = closeRace();
    data.localPriorities = {{0.5, 0.3, 0.2}, {0.6, 0.3, 0.1}, {0.4, 0.35, 0.25}};
    return data;
}

ReviewedMatrix matrix(const QString &title, const QList<QStringList> &texts)
{
    ReviewedMatrix m;
    m.title = title;
    m.names = {"Цена", "Качество", "Сервис"};
    m.texts = texts;
    for (const QStringList &line : texts) {
        std::vector<double> row;
        for (const QString &text : line)
            row.push_back(text.startsWith("1/") ? 1.0 / text.mid(2).toDouble() : text.toDouble());
        m.a.push_back(row);
    }
    return m;
}

// Fifteen criteria and ten long-named alternatives; "Альтернатива номер 5" draws level with
// the best under every criterion, so it fills the threshold table's fourth column.
SensitivityData largeDecision()
{
    SensitivityData data;
    data.criteria = {"Энергоэффективность", "Надёжность", "Цена", "Стоимость обслуживания за десять лет эксплуатации",
                     "Гарантийный срок", "Ремонтопригодность", "Безопасность", "Производительность", "Шумность",
                     "Экологичность", "Совместимость", "Доступность запчастей", "Эргономичность",
                     "Внешний вид", "Долговечностьиещёоченьдлинноеслово"};
    for (int k = 1; k <= 10; ++k)
        data.alternatives << QStringLiteral("Альтернатива номер %1").arg(k);
    // The first criterion, half of the weight, carries Alpha; the other fourteen favour number 5.
    for (int i = 0; i < 15; ++i) {
        data.weights.push_back(i == 0 ? 0.5 : 0.5 / 14);
        std::vector<double> local(10, i == 0 ? 0.0225 : 0.05);
        local[0] = i == 0 ? 0.8 : 0.2;
        local[4] = i == 0 ? 0.02 : 0.4;
        data.localPriorities.push_back(local);
    }
    data.userName = "Иванов";
    data.dateText = "07.12.2026";
    return data;
}

struct PdfWord
{
    QString text;
    QRectF box;
};

QList<PdfWord> pdfWords(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    process.waitForFinished(30000);
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    QList<PdfWord> words;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        words.append({m.captured(5), QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                            QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))});
    }
    return words;
}

// A widget's rectangle in the window's coordinates.
QRect inWindow(const QWidget *widget, const QWidget *window)
{
    return QRect(widget->mapTo(window, QPoint(0, 0)), widget->size());
}

QString pdfText(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput()).simplified();
}

}

Q_DECLARE_METATYPE(SensitivityData)

class TstSensitivityWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void sliderStepRescalesAndReranks();
    void thresholdTable_data();
    void thresholdTable();
    void analysisSheet();
    void printFailureReported();
    void sheetRowsHoldTheirTexts();
    void minimumSizeShowsEverythingWhole();
    void sliderNamesKeepWholeWords();
    void slidersNamedApart_data();
    void slidersNamedApart();
    void axisUsesTheLocaleSeparator();
};

void TstSensitivityWindow::initTestCase()
{
    QuestionBox::setResponder([](const QString &, const QString &) { return true; });
}

void TstSensitivityWindow::sliderStepRescalesAndReranks()
{
    SensitivityWindow window(closeRace());
    QCOMPARE(window.rankingText(), "1. A — Alpha — 0.38\n2. B — Beta — 0.36\n3. C — Gamma — 0.26");
    auto *price = window.findChild<QSlider *>("weightSlider1");
    auto *quality = window.findChild<QSlider *>("weightSlider2");
    auto *service = window.findChild<QSlider *>("weightSlider3");
    QCOMPARE(price->value(), 500);

    // Price down to 0.3: quality and service share the other 0.7 as 3 : 2.
    price->setValue(300);
    QCOMPARE(quality->value(), 420);
    QCOMPARE(service->value(), 280);
    QCOMPARE(window.rankingText(), "1. B — Beta — 0.384\n2. C — Gamma — 0.324\n3. A — Alpha — 0.292");
    // The chart's bars follow: Alpha's price part is 0.3 * 0.6, Gamma's service part 0.28 * 0.6.
    const auto *series = qobject_cast<QStackedBarSeries *>(window.chartView()->chart()->series().value(0));
    QVERIFY(series);
    QCOMPARE(series->barSets().at(0)->at(0), 0.3 * 0.6);
    QCOMPARE(series->barSets().at(2)->at(2), 0.28 * 0.6);
    // The threshold table's columns still fit their texts and headers after the step.
    const auto *table = window.findChild<QTableWidget *>("thresholds");
    for (int c = 1; c < table->columnCount(); ++c) {
        int needed = table->horizontalHeader()->sectionSizeHint(c);
        for (int r = 0; r < table->rowCount(); ++r)
            needed = std::max(needed, table->sizeHintForIndex(table->model()->index(r, c)).width());
        QVERIFY2(table->columnWidth(c) >= needed, qPrintable(QString::number(c)));
    }

    window.findChild<QPushButton *>("resetWeights")->click();
    QCOMPARE(price->value(), 500);
    QCOMPARE(quality->value(), 300);
    QCOMPARE(window.rankingText(), "1. A — Alpha — 0.38\n2. B — Beta — 0.36\n3. C — Gamma — 0.26");
}

void TstSensitivityWindow::thresholdTable_data()
{
    QTest::addColumn<SensitivityData>("data");
    QTest::addColumn<QList<QStringList>>("rows");
    QTest::addColumn<QString>("critical");

    // Worked out by hand: with the others in proportion, Alpha and Beta meet at price 13/28,
    // quality 11/32 and service 3/11.
    QTest::newRow("close race") << closeRace()
        << QList<QStringList>{{"Цена", "0.5", "0.4643", "Beta", "-7.1"},
                              {"Качество", "0.3", "0.3438", "Beta", "+14.6"},
                              {"Сервис", "0.2", "0.2727", "Beta", "+36.4"}}
        << "Самый чувствительный критерий — «Цена»: при весе 0.4643 вместо 0.5 «Beta» догоняет лучшую альтернативу.";
    QTest::newRow("clear winner") << clearWinner()
        << QList<QStringList>{{"Цена", "0.5", "не меняется", "", ""},
                              {"Качество", "0.3", "не меняется", "", ""},
                              {"Сервис", "0.2", "не меняется", "", ""}}
        << "Ни один вес не меняет лучшую альтернативу: выбор устойчив.";
}

void TstSensitivityWindow::thresholdTable()
{
    QFETCH(SensitivityData, data);
    QFETCH(QList<QStringList>, rows);
    QFETCH(QString, critical);
    SensitivityWindow window(data);
    QCOMPARE(window.thresholdRows(), rows);
    QCOMPARE(window.criticalText(), critical);
}

void TstSensitivityWindow::analysisSheet()
{
    SensitivityData data = closeRace();
    data.matrices.push_back(matrix("Матрица относительной важности критериев", {{"1", "3", "5"}, {"1/3", "1", "3"}, {"1/5", "1/3", "1"}}));
    data.matrices.push_back(matrix("Матрица сравнения для критерия «Цена»", {{"1", "9", "1/9"}, {"1/9", "1", "9"}, {"9", "1/9", "1"}}));
    SensitivityWindow window(data);
    window.resize(1100, 760);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QTemporaryDir dir;
    const QString path = dir.filePath("analysis.pdf");
    PrintTarget::setPdfOutput(path);
    window.findChild<QPushButton *>("printSheet")->click();
    PrintTarget::setPdfOutput(QString());
    const QString text = pdfText(path);
    // A copy to look at, when pictures are asked for.
    if (const QString folder = qEnvironmentVariable("ANALYZE_SCREENSHOTS"); !folder.isEmpty())
        QFile::copy(path, QDir(folder).filePath("analysis-sheet.pdf"));

    for (const char *expected : {"Чувствительность решения", "Иванов, 07.12.2026", "Изменение, %", "0.4643", "+36.4",
                                    "Самый чувствительный критерий — «Цена»", "1. A — Alpha — 0.38; 2. B — Beta — 0.36", "Матрица сравнения для критерия «Цена»: отношение согласованности 6.1302682",
                                    "«Цена» : «Качество» — сейчас 9"})
        QVERIFY2(text.contains(QString::fromUtf8(expected)), qPrintable(QString::fromUtf8(expected) + " not in: " + text));
    // A matrix within bounds has nothing to revise on paper.
    QVERIFY(!text.contains("Матрица относительной важности критериев"));
}

void TstSensitivityWindow::printFailureReported()
{
    QStringList errors;
    ErrorDisplay::setSink([&errors](const QString &message) { errors << message; });
    SensitivityWindow window(closeRace());
    PrintTarget::setPdfOutput(QStringLiteral("/nonexistent-folder/analysis.pdf"));
    window.findChild<QPushButton *>("printSheet")->click();
    PrintTarget::setPdfOutput(QString());
    ErrorDisplay::setSink({});
    QCOMPARE(errors.size(), 1);
    QVERIFY(errors.first().startsWith("Не удалось"));
}

// Names wrapped over lines make their rows taller: no text of the sheet crosses into another's.
void TstSensitivityWindow::sheetRowsHoldTheirTexts()
{
    SensitivityWindow window(largeDecision());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (const QStringList &row : window.thresholdRows())
        QCOMPARE(row.at(3), "Альтернатива номер 5");
    QTemporaryDir dir;
    const QString path = dir.filePath("analysis.pdf");
    PrintTarget::setPdfOutput(path);
    window.printSheet();
    PrintTarget::setPdfOutput(QString());
    if (const QString folder = qEnvironmentVariable("ANALYZE_SCREENSHOTS"); !folder.isEmpty())
        QFile::copy(path, QDir(folder).filePath("analysis-sheet-15x10.pdf"));

    const QList<PdfWord> words = pdfWords(path);
    int fives = 0;
    for (int a = 0; a < words.size(); ++a) {
        fives += words.at(a).text == "номер" ? 1 : 0;
        QVERIFY2(words.at(a).box.left() >= 0 && words.at(a).box.right() <= 596, qPrintable(words.at(a).text));
        for (int b = a + 1; b < words.size(); ++b) {
            const QRectF both = words.at(a).box.adjusted(0.2, 0.2, -0.2, -0.2) & words.at(b).box.adjusted(0.2, 0.2, -0.2, -0.2);
            QVERIFY2(both.isEmpty(), qPrintable(words.at(a).text + " overlaps " + words.at(b).text));
        }
    }
    QVERIFY(fives >= 15);
}

// At its smallest the window still shows every part whole, side by side and never one over
// another: the chart, the sliders with their tracks, the ranking, the table, the buttons.
void TstSensitivityWindow::minimumSizeShowsEverythingWhole()
{
    SensitivityWindow window(largeDecision());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.resize(1, 1);
    QTRY_COMPARE(window.size(), window.minimumSize());
    QCoreApplication::processEvents();
    if (const QString folder = qEnvironmentVariable("ANALYZE_SCREENSHOTS"); !folder.isEmpty())
        window.grab().save(QDir(folder).filePath("sensitivity-minimum.png"));

    const QRect chart = inWindow(window.chartView(), &window);
    QVERIFY(window.rect().contains(chart));
    QVERIFY(window.chartView()->viewport()->rect().contains(window.chartView()->chart()->geometry().toAlignedRect()));
    const auto *ranking = window.findChild<QLabel *>("ranking");
    QVERIFY2(!chart.intersects(inWindow(ranking->parentWidget(), &window)), "the chart covers the ranking");
    QVERIFY(ranking->height() >= ranking->sizeHint().height());
    QVERIFY(!chart.intersects(inWindow(window.findChild<QTableWidget *>("thresholds"), &window)));
    for (int i = 1; i <= 15; ++i) {
        const auto *slider = window.findChild<QSlider *>(QStringLiteral("weightSlider%1").arg(i));
        const auto *name = window.findChild<QLabel *>(QStringLiteral("weightName%1").arg(i));
        QVERIFY(slider && name);
        QVERIFY2(slider->height() >= slider->minimumSizeHint().height() && slider->width() >= 60,
                 qPrintable(QStringLiteral("slider %1: %2 x %3").arg(i).arg(slider->width()).arg(slider->height())));
        QVERIFY2(name->height() >= name->sizeHint().height() && name->width() >= name->sizeHint().width(),
                 qPrintable(name->text()));
        QVERIFY(!chart.intersects(inWindow(slider, &window)));
    }
    for (const char *button : {"printSheet", "closeSensitivity", "resetWeights"}) {
        const auto *b = window.findChild<QPushButton *>(button);
        QVERIFY(b->width() >= b->sizeHint().width() && b->height() >= b->minimumSizeHint().height());
    }
}

// A name shows whole words only, on two lines at most; the whole name is in the tooltip.
void TstSensitivityWindow::sliderNamesKeepWholeWords()
{
    SensitivityWindow window(largeDecision());
    for (int i = 0; i < 15; ++i) {
        const auto *label = window.findChild<QLabel *>(QStringLiteral("weightName%1").arg(i + 1));
        QVERIFY(label);
        const QString name = window.data().criteria.at(i);
        QCOMPARE(label->toolTip(), name);
        QStringList shown = label->text().split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
        QVERIFY(label->text().count('\n') <= 1);
        const bool cut = !shown.isEmpty() && shown.last() == QString(QChar(0x2026));
        if (cut)
            shown.removeLast();
        QCOMPARE(name.split(' ').mid(0, shown.size()), shown);
        QCOMPARE(cut, shown.size() < name.split(' ').size());
        QVERIFY(label->fontMetrics().boundingRect(QRect(0, 0, 160, 1000), 0, label->text()).width() <= 160);
    }
}

void TstSensitivityWindow::slidersNamedApart_data()
{
    QTest::addColumn<QStringList>("criteria");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("names apart") << QStringList{"Цена", "Качество", "Сервис"}
                                 << QStringList{"Вес критерия «Цена»", "Вес критерия «Качество»", "Вес критерия «Сервис»"};
    QTest::newRow("one name twice") << QStringList{"Цена", "Качество", "Цена"}
                                    << QStringList{"Вес критерия 1 «Цена»", "Вес критерия «Качество»", "Вес критерия 3 «Цена»"};
    QTest::newRow("alike once spaces are folded") << QStringList{"Цена", " Цена  ", "Сервис"}
                                                  << QStringList{"Вес критерия 1 «Цена»", "Вес критерия 2 «Цена»", "Вес критерия «Сервис»"};
}

// A screen reader tells the weight sliders apart by their names alone.
void TstSensitivityWindow::slidersNamedApart()
{
    QFETCH(QStringList, criteria);
    QFETCH(QStringList, names);
    SensitivityData data = closeRace();
    data.criteria = criteria;
    SensitivityWindow window(data);
    QStringList said;
    for (int i = 0; i < criteria.size(); ++i)
        said << window.findChild<QSlider *>(QStringLiteral("weightSlider%1").arg(i + 1))->accessibleName();
    QCOMPARE(said, names);
}

// Under a comma locale the chart's axis writes its numbers with a comma too.
void TstSensitivityWindow::axisUsesTheLocaleSeparator()
{
    SensitivityWindow window(closeRace());
    window.setLocale(QLocale(QLocale::Russian, QLocale::Russia));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QStringList labels;
    for (QGraphicsItem *item : window.chartView()->scene()->items())
        if (auto *text = dynamic_cast<QGraphicsTextItem *>(item))
            if (text->isVisible() && text->toPlainText().contains(QRegularExpression("^\\d[.,]\\d+$")))
                labels << text->toPlainText();
    QVERIFY2(labels.size() >= 3, qPrintable(labels.join(' ')));
    for (const QString &label : labels)
        QVERIFY2(label.contains(','), qPrintable(labels.join(' ')));
    QVERIFY(window.rankingText().contains("0,38"));
}

QTEST_MAIN(TstSensitivityWindow)
#include "tst_sensitivitywindow.moc"
