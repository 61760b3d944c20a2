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
#include <QComboBox>
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

// A 0.6 › (A1 0.5 › (A1a 0.25, A1b 0.75), A2 0.5); B 0.4: Y leads 0.414 to X's 0.3625.
SensitivityData threeLevels()
{
    Hierarchy tree;
    const CriterionNode a1{"A1", {{"A1a", {}, {}}, {"A1b", {}, {}}}, {{"1", "3"}, {"1/3", "1"}}};
    tree.criteria = {{"A", {a1, {"A2", {}, {}}}, {{"1", "1"}, {"1", "1"}}}, {"B", {}, {}}};
    tree.judgements = {{"1", "3/2"}, {"2/3", "1"}};
    SensitivityData data;
    data.alternatives = {"X", "Y", "Z"};
    setSensitivityTree(data, TreeSensitivity(tree, {0.6, 0.4}, {{0.5, 0.5}, {0.25, 0.75}},
                                             {{0.5, 0.25, 0.25}, {0.2, 0.6, 0.2}, {0.6, 0.2, 0.2}, {0.25, 0.5, 0.25}}),
                       {});
    return data;
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
    void fifteenDistinctColours();
    void slidersNamedApart_data();
    void slidersNamedApart();
    void axisUsesTheLocaleSeparator();
    void levelsOfATree();
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
        << QList<QStringList>{{"Цена", "0.5", "0.464", "Beta", "-7.1"},
                              {"Качество", "0.3", "0.344", "Beta", "+14.6"},
                              {"Сервис", "0.2", "0.273", "Beta", "+36.4"}}
        << "Самый чувствительный критерий — «Цена»: при весе 0.464 вместо 0.5 «Beta» догоняет лучшую альтернативу.";
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

    for (const char *expected : {"Чувствительность решения", "Иванов, 07.12.2026", "Изменение, %", "0.464", "+36.4",
                                    "Самый чувствительный критерий — «Цена»", "1. A — Alpha — 0.38; 2. B — Beta — 0.36", "Матрица сравнения для критерия «Цена»: отношение согласованности 6.13",
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

    // What does not fit scrolls, laid out whole; the buttons under it stay in view.
    const auto *content = window.findChild<QWidget *>("sensitivityContent");
    QVERIFY(content);
    QVERIFY(content->width() >= content->minimumWidth() && content->height() >= content->minimumHeight());
    const QRect chart = inWindow(window.chartView(), content);
    QVERIFY(content->rect().contains(chart));
    QVERIFY(window.chartView()->viewport()->rect().contains(window.chartView()->chart()->geometry().toAlignedRect()));
    const auto *ranking = window.findChild<QLabel *>("ranking");
    QVERIFY2(!chart.intersects(inWindow(ranking->parentWidget(), content)), "the chart covers the ranking");
    QVERIFY(ranking->height() >= ranking->sizeHint().height());
    QVERIFY(!chart.intersects(inWindow(window.findChild<QTableWidget *>("thresholds"), content)));
    for (int i = 1; i <= 15; ++i) {
        const auto *slider = window.findChild<QSlider *>(QStringLiteral("weightSlider%1").arg(i));
        const auto *name = window.findChild<QLabel *>(QStringLiteral("weightName%1").arg(i));
        QVERIFY(slider && name);
        QVERIFY2(slider->height() >= slider->minimumSizeHint().height() && slider->width() >= 60,
                 qPrintable(QStringLiteral("slider %1: %2 x %3").arg(i).arg(slider->width()).arg(slider->height())));
        QVERIFY2(name->height() >= name->heightForWidth(name->width()), qPrintable(name->text()));
        QVERIFY(!chart.intersects(inWindow(slider, content)));
        const auto *legend = window.findChild<QLabel *>(QStringLiteral("legendName%1").arg(i));
        QVERIFY(legend);
        QVERIFY2(legend->height() >= legend->heightForWidth(legend->width()), qPrintable(legend->text()));
    }
    for (const char *button : {"printSheet", "closeSensitivity", "resetWeights"}) {
        const auto *b = window.findChild<QPushButton *>(button);
        QVERIFY(b->width() >= b->sizeHint().width() && b->height() >= b->minimumSizeHint().height());
    }
    for (const char *button : {"printSheet", "closeSensitivity"})
        QVERIFY(window.rect().contains(inWindow(window.findChild<QPushButton *>(button), &window)));
}

// A name beside its slider and in the colour legend is shown whole, wrapped at blanks, in a
// column wide enough for its longest word.
void TstSensitivityWindow::sliderNamesKeepWholeWords()
{
    SensitivityWindow window(largeDecision());
    for (int i = 0; i < 15; ++i) {
        const QString name = window.data().criteria.at(i);
        for (const QString &object : {QStringLiteral("weightName%1"), QStringLiteral("legendName%1")}) {
            const auto *label = window.findChild<QLabel *>(object.arg(i + 1));
            QVERIFY(label);
            QCOMPARE(label->text(), name);
            QVERIFY(label->wordWrap());
            for (const QString &word : name.split(' '))
                QVERIFY2(label->fontMetrics().horizontalAdvance(word) <= label->width(), qPrintable(word));
            QVERIFY(label->minimumHeight() >= label->heightForWidth(label->width()));
        }
        QCOMPARE(window.findChild<QLabel *>(QStringLiteral("weightName%1").arg(i + 1))->toolTip(), name);
    }
}

// Fifteen criteria, fifteen colours a reader tells apart; on paper each bar also has a hatching
// of its own, and the chart's legend names them.
void TstSensitivityWindow::fifteenDistinctColours()
{
    SensitivityWindow window(largeDecision());
    auto *series = qobject_cast<QStackedBarSeries *>(window.chartView()->chart()->series().first());
    const QList<QBarSet *> sets = series->barSets();
    QCOMPARE(sets.size(), 15);
    for (int a = 0; a < sets.size(); ++a)
        for (int b = a + 1; b < sets.size(); ++b) {
            const QColor x = sets.at(a)->color();
            const QColor y = sets.at(b)->color();
            const double distance = std::hypot(x.red() - y.red(), x.green() - y.green(), x.blue() - y.blue());
            QVERIFY2(distance >= 60, qPrintable(QStringLiteral("%1 and %2 look alike").arg(x.name(), y.name())));
        }
    window.setPrintLook(true);
    QVERIFY(window.chartView()->chart()->legend()->isVisible());
    for (int a = 0; a < sets.size(); ++a)
        for (int b = a + 1; b < sets.size(); ++b) {
            const QBrush x = sets.at(a)->brush();
            const QBrush y = sets.at(b)->brush();
            const bool greyAlike = std::abs(qGray(x.color().rgb()) - qGray(y.color().rgb())) < 40;
            QVERIFY2(!greyAlike || x.style() != y.style(), qPrintable(QStringLiteral("%1 and %2").arg(a).arg(b)));
        }
    window.setPrintLook(false);
    QVERIFY(!window.chartView()->chart()->legend()->isVisible());
    QCOMPARE(sets.first()->brush().style(), Qt::SolidPattern);
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

void TstSensitivityWindow::levelsOfATree()
{
    // A flat decision's window has no level to choose.
    QVERIFY(!SensitivityWindow(closeRace()).findChild<QComboBox *>());

    SensitivityWindow window(threeLevels());
    auto *level = window.findChild<QComboBox *>("sensitivityLevel");
    QVERIFY(level);
    QCOMPARE(level->count(), 3);
    QCOMPARE(level->itemText(0), "Критерии верхнего уровня");
    QCOMPARE(level->itemText(2), "A › A1");
    QVERIFY(!level->accessibleName().isEmpty());
    const QString topRanking = "1. B — Y — 0.414\n2. A — X — 0.362\n3. C — Z — 0.224";
    QCOMPARE(window.rankingText(), topRanking);
    QCOMPARE(window.findChild<QSlider *>("weightSlider1")->value(), 600);
    QCOMPARE(window.thresholdRows().at(0).mid(0, 4), QStringList({"A", "0.6", "0.755", "X"}));

    // One level down: A's sub-criteria, B's share a fixed grey part of the bars.
    level->setCurrentIndex(1);
    QCOMPARE(window.thresholdRows().size(), 2);
    QCOMPARE(window.thresholdRows().at(0).mid(0, 4), QStringList({"A1", "0.5", "0.366", "X"}));
    QVERIFY(!window.findChild<QSlider *>("weightSlider3"));
    auto *a1 = window.findChild<QSlider *>("weightSlider1");
    QCOMPARE(a1->value(), 500);
    const auto *series = qobject_cast<QStackedBarSeries *>(window.chartView()->chart()->series().value(0));
    QCOMPARE(series->count(), 3);
    QCOMPARE(series->barSets().at(2)->at(1), 0.2);
    QCOMPARE(window.rankingText(), topRanking);
    a1->setValue(200);
    QCOMPARE(window.findChild<QSlider *>("weightSlider2")->value(), 800);
    QCOMPARE(window.rankingText(), "1. A — X — 0.421\n2. B — Y — 0.358\n3. C — Z — 0.222");
    QVERIFY(window.analysisSheet().title.endsWith(": A"));

    // Back at the top, the top weights as they were; and down again, the slider where it was left.
    level->setCurrentIndex(0);
    QCOMPARE(window.rankingText(), topRanking);
    QCOMPARE(window.findChild<QSlider *>("weightSlider1")->value(), 600);
    QCOMPARE(window.thresholdRows().size(), 2);
    window.setLevel(1);
    QCOMPARE(level->currentIndex(), 1);
    QCOMPARE(window.findChild<QSlider *>("weightSlider1")->value(), 200);
    window.findChild<QPushButton *>("resetWeights")->click();
    QCOMPARE(window.rankingText(), topRanking);
}

QTEST_MAIN(TstSensitivityWindow)
#include "tst_sensitivitywindow.moc"
