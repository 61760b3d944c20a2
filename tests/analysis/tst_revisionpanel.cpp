// The revision panel over a comparison grid: what it says for a matrix that cannot be read,
// a consistent one and a contradictory one, and a suggestion typed in with its mirror.

#include "analysis/revisionpanel.h"
#include "model/judgement.h"
#include "model/numberformat.h"
#include "platform/stringgrid.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

namespace {
const QStringList Items{"А", "Б", "В", "Г"};

// The upper triangle row by row; the lower one gets the reciprocals typed as a person would.
// "-" leaves the pair out, both its cells empty; an empty text leaves only the upper cell empty.
std::unique_ptr<StringGrid> gridWith(const QList<QStringList> &upper)
{
    auto grid = std::make_unique<StringGrid>();
    grid->setFixed(1, 1);
    grid->setColCount(Items.size() + 2);
    grid->setRowCount(Items.size() + 1);
    for (int i = 1; i <= Items.size(); ++i)
        grid->setCell(i, i, QStringLiteral("1"));
    for (int i = 0; i < upper.size(); ++i)
        for (int k = 0; k < upper.at(i).size(); ++k) {
            const int j = i + 1 + k;
            const QString text = upper.at(i).at(k);
            if (text == QLatin1String("-"))
                continue;
            grid->setCell(j + 1, i + 1, text);
            const QString mirror = text.startsWith(QLatin1String("1/")) ? text.mid(2)
                                   : text == QLatin1String("1")        ? text
                                                                       : QStringLiteral("1/") + text;
            grid->setCell(i + 1, j + 1, text.isEmpty() || text == QLatin1String("abc") ? QStringLiteral("1") : mirror);
        }
    return grid;
}

int visibleButtons(const RevisionPanel &panel)
{
    int count = 0;
    for (const QPushButton *button : panel.findChildren<QPushButton *>())
        count += button->isVisibleTo(&panel) ? 1 : 0;
    return count;
}
}

class TstRevisionPanel : public QObject
{
    Q_OBJECT
private slots:
    void whatThePanelSays_data();
    void whatThePanelSays();
    void missingJudgements_data();
    void missingJudgements();
    void subcriteriaNameTheirGroup_data();
    void subcriteriaNameTheirGroup();
    void suggestionTypedInWithItsMirror();
    void longTriplesScroll();
    void pairsReadAsNames();
};

void TstRevisionPanel::whatThePanelSays_data()
{
    QTest::addColumn<QList<QStringList>>("upper");
    QTest::addColumn<QString>("summary");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<QString>("triples");

    const QList<QStringList> ones{{"1", "1", "1"}, {"1", "1"}, {"1"}};
    QTest::newRow("empty cell") << QList<QStringList>{{"1", "", "1"}, {"1", "1"}, {"1"}}
                                << "Пока не заполнено: «А» над «В»"
                                << 0 << "";
    QTest::newRow("rejected cell") << QList<QStringList>{{"1", "1", "1"}, {"1", "1"}, {"abc"}}
                                   << "Не читается: «В» над «Г» — значение не читается как число или дробь"
                                   << 0 << "";
    // The sentence says what the value is, in lower case after its dash.
    QTest::newRow("off the scale") << QList<QStringList>{{"12", "1", "1"}, {"1", "1"}, {"1"}}
                                   << "Не читается: «А» над «Б» — значение больше 9, вне шкалы" << 0 << "";
    QTest::newRow("below the scale") << QList<QStringList>{{"1/12", "1", "1"}, {"1", "1"}, {"1"}}
                                     << "Не читается: «А» над «Б» — значение меньше 1/9, вне шкалы" << 0 << "";
    QTest::newRow("zero") << QList<QStringList>{{"1", "1", "0"}, {"1", "1"}, {"1"}}
                          << "Не читается: «А» над «Г» — значение не больше нуля" << 0 << "";
    QTest::newRow("consistent: nothing to change")
        << ones << "Отношение согласованности (ОС) 0: матрица согласована, пересматривать нечего." << 0
        << "Противоречивых троек нет.";
    // At a ratio of at most 0.1 nothing is worth a suggestion, though some judgement fits best.
    QTest::newRow("slightly off: consistent, nothing listed")
        << QList<QStringList>{{"2", "3", "4"}, {"2", "2"}, {"1"}}
        << "Отношение согласованности (ОС) 0.00423: матрица согласована, пересматривать нечего." << 0
        << "Противоречивых троек нет.";
    QTest::newRow("a cycle of three")
        << QList<QStringList>{{"3", "1/3", "1"}, {"3", "1"}, {"1"}}
        << "Отношение согласованности (ОС) 0.37 больше допустимого. Пересмотрите в первую очередь:" << 3
        << "Противоречивые тройки (1): «А» важнее «Б», «Б» важнее «В», но «В» важнее «А».";
    QTest::newRow("two cycles, consistent enough to keep")
        << QList<QStringList>{{"2", "1/2", "1"}, {"2", "1"}, {"2"}}
        << "Отношение согласованности (ОС) 0.169: суждения согласованы, но можно улучшить:" << 3
        << "Противоречивые тройки (1): «А» важнее «Б», «Б» важнее «В», но «В» важнее «А».";
}

void TstRevisionPanel::whatThePanelSays()
{
    QFETCH(QList<QStringList>, upper);
    QFETCH(QString, summary);
    QFETCH(int, buttons);
    QFETCH(QString, triples);

    auto grid = gridWith(upper);
    RevisionPanel panel(grid.get(), [] { return ComparisonNames{Items, QString(), true}; });
    panel.refresh();
    QCOMPARE(panel.summaryText(), summary);
    QCOMPARE(visibleButtons(panel), buttons);
    QCOMPARE(int(panel.revisions().size()), buttons);
    QCOMPARE(panel.triplesText(), triples);
}

void TstRevisionPanel::missingJudgements_data()
{
    QTest::addColumn<bool>("allowed");
    QTest::addColumn<QList<QStringList>>("upper");
    QTest::addColumn<QString>("summary");
    QTest::addColumn<QString>("askNext");
    QTest::addColumn<int>("buttons");

    // Weights 4 : 2 : 1 : 1 with А : В left out.
    const QList<QStringList> consistent{{"2", "-", "4"}, {"2", "2"}, {"1"}};
    QTest::newRow("off: a pair left out is not filled yet") << false << consistent << "Пока не заполнено: «А» над «В»" << "" << 0;
    QTest::newRow("on: estimated, asked next")
        << true << consistent << "Отношение согласованности (ОС) 0: матрица согласована, пересматривать нечего."
        << "Следующим стоит сравнить «А» и «В»" << 0;
    QTest::newRow("on: a half pair is not filled yet")
        << true << QList<QStringList>{{"2", "", "4"}, {"2", "2"}, {"1"}} << "Пока не заполнено: «А» над «В»" << "" << 0;
    QTest::newRow("on: a rejected text")
        << true << QList<QStringList>{{"2", "-", "4"}, {"2", "2"}, {"abc"}}
        << "Не читается: «В» над «Г» — значение не читается как число или дробь" << "" << 0;
    QTest::newRow("on: not linked")
        << true << QList<QStringList>{{"-", "-", "-"}, {"2", "2"}, {"1"}}
        << "Недостаточно сравнений: ни одна цепочка сравнений не связывает «А» с «Б», «В», «Г»"
        << "Следующим стоит сравнить «А» и «Б»" << 0;
    QTest::newRow("on: nothing left out")
        << true << QList<QStringList>{{"3", "1/3", "1"}, {"3", "1"}, {"1"}}
        << "Отношение согласованности (ОС) 0.37 больше допустимого. Пересмотрите в первую очередь:" << "" << 3;
    // Only the judgements given are worth revising; an estimate fits by construction.
    QTest::newRow("on: revisions of given pairs only")
        << true << QList<QStringList>{{"9", "1/9", "-"}, {"9", "1"}, {"1"}}
        << "Отношение согласованности (ОС) 1.98 больше допустимого. Пересмотрите в первую очередь:"
        << "Следующим стоит сравнить «А» и «Г»" << 3;
}

void TstRevisionPanel::missingJudgements()
{
    QFETCH(bool, allowed);
    QFETCH(QList<QStringList>, upper);
    QFETCH(QString, summary);
    QFETCH(QString, askNext);
    QFETCH(int, buttons);

    auto grid = gridWith(upper);
    RevisionPanel panel(grid.get(), [] { return ComparisonNames{Items, QString(), true}; });
    panel.setMissingAllowed([allowed] { return allowed; });
    panel.refresh();
    QCOMPARE(panel.summaryText(), summary);
    QCOMPARE(panel.askNextText(), askNext);
    QCOMPARE(int(panel.revisions().size()), buttons);
    for (const JudgementRevision &revision : panel.revisions())
        QVERIFY(!grid->cell(revision.col + 1, revision.row + 1).isEmpty());
    auto *go = panel.findChild<QPushButton *>("AskNextBtn");
    QVERIFY(go);
    QCOMPARE(go->parentWidget()->isVisibleTo(&panel), allowed);
    QCOMPARE(go->isVisibleTo(&panel), !askNext.isEmpty());
    if (askNext.isEmpty())
        return;
    go->click();
    QCOMPARE(grid->cell(grid->col(), grid->row()), QString());
    QCOMPARE(grid->cell(grid->row(), grid->col()), QString());
    QVERIFY(askNext.contains("«" + Items.at(grid->row() - 1) + "» и «" + Items.at(grid->col() - 1) + "»"));
}

void TstRevisionPanel::subcriteriaNameTheirGroup_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QList<QStringList>>("upper");
    QTest::addColumn<QString>("summary");
    QTest::addColumn<QString>("triples");

    const QList<QStringList> cycle{{"3", "1/3", "1"}, {"3", "1"}, {"1"}};
    QTest::newRow("top matrix") << "" << cycle
                                << "Отношение согласованности (ОС) 0.37 больше допустимого. Пересмотрите в первую очередь:"
                                << "Противоречивые тройки (1): «А» важнее «Б», «Б» важнее «В», но «В» важнее «А».";
    QTest::newRow("group") << "Безопасность" << cycle
                           << "В группе «Безопасность» отношение согласованности (ОС) 0.37 больше допустимого. Пересмотрите в первую очередь:"
                           << "В группе «Безопасность» противоречивые тройки (1): «А» важнее «Б», «Б» важнее «В», но «В» важнее «А».";
    QTest::newRow("deeper group, not filled") << "Безопасность › Активная" << QList<QStringList>{{"1", "", "1"}, {"1", "1"}, {"1"}}
                                              << "В группе «Безопасность › Активная» пока не заполнено: «А» над «В»" << "";
}

void TstRevisionPanel::subcriteriaNameTheirGroup()
{
    QFETCH(QString, group);
    QFETCH(QList<QStringList>, upper);
    QFETCH(QString, summary);
    QFETCH(QString, triples);

    auto grid = gridWith(upper);
    RevisionPanel panel(grid.get(), [group] { return ComparisonNames{Items, QString(), true, group}; });
    panel.refresh();
    QCOMPARE(panel.summaryText(), summary);
    QCOMPARE(panel.triplesText(), triples);
}

void TstRevisionPanel::suggestionTypedInWithItsMirror()
{
    auto grid = gridWith({{"9", "1/9", "1"}, {"9", "1"}, {"1"}});
    RevisionPanel panel(grid.get(), [] { return ComparisonNames{Items, QString(), true}; });
    QSignalSpy applied(&panel, &RevisionPanel::judgementApplied);
    panel.refresh();
    QVERIFY(!panel.revisions().empty());
    const JudgementRevision first = panel.revisions().front();
    QCOMPARE(panel.findChild<QPushButton *>("applyRevision1")->text(), "Поставить " + first.suggestedText);

    panel.findChild<QPushButton *>("applyRevision1")->click();
    QCOMPARE(grid->cell(first.col + 1, first.row + 1), first.suggestedText);
    const double value = validateJudgement(first.suggestedText).value;
    QCOMPARE(validateJudgement(grid->cell(first.row + 1, first.col + 1)).value, 1.0 / value);
    QCOMPARE(applied.count(), 1);
    QCOMPARE(applied.at(0).at(0).toInt(), first.col + 1);
    QCOMPARE(applied.at(0).at(1).toInt(), first.row + 1);

    // The changed matrix is explained again at the next turn of the event loop, with the ratio
    // the row foretold.
    const QString foretold = "Отношение согласованности (ОС) " + formatReadable(first.crAfter);
    QTRY_VERIFY(panel.summaryText().startsWith(foretold + " ") || panel.summaryText().startsWith(foretold + ":"));
}

// Triples with long names take more lines than the panel shows: they scroll, none is cut away.
void TstRevisionPanel::longTriplesScroll()
{
    auto grid = gridWith({{"3", "1/3", "3"}, {"3", "1/3"}, {"3"}});
    const QStringList longNames{"Энергоэффективность в режиме ожидания", "Стоимость обслуживания за пять лет",
                                "Качество сборки корпуса и клавиатуры", "Гарантийные обязательства изготовителя"};
    RevisionPanel panel(grid.get(), [longNames] { return ComparisonNames{longNames, QString(), true}; });
    panel.resize(420, panel.sizeHint().height());
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    panel.refresh();
    QCOMPARE(int(panel.triples().size()), 2);
    auto *view = panel.findChild<QPlainTextEdit *>("intransitiveTriples");
    QVERIFY(view);
    QTRY_VERIFY(view->verticalScrollBar()->maximum() > 0);
    QVERIFY(view->isReadOnly());
    // Three whole lines, also in a font that a style sheet sets only once the view is polished.
    panel.setStyleSheet(QStringLiteral("* { font: 23px; }"));
    view->ensurePolished();
    QCOMPARE(view->height(), int(std::ceil(3 * QFontMetricsF(view->font()).height())));
    QCOMPARE(view->font().pixelSize(), 23);
    QVERIFY(panel.triplesText().endsWith("«Гарантийные обязательства изготовителя» важнее «Стоимость обслуживания за пять лет»."));
}

// The grid's headers may be letters; the rows name the pair by the items' names, each number
// with three significant digits.
void TstRevisionPanel::pairsReadAsNames()
{
    auto grid = gridWith({{"9", "1/9", "1"}, {"9", "1"}, {"1"}});
    const QStringList letters{"A", "B", "C", "D"};
    for (int i = 0; i < letters.size(); ++i) {
        grid->setCell(i + 1, 0, letters.at(i));
        grid->setCell(0, i + 1, letters.at(i));
    }
    const QStringList names{"Шкода Октавия", "Лада Веста", "Киа Рио", "Рено Логан"};
    RevisionPanel panel(grid.get(), [names] { return ComparisonNames{names, "Цена", false}; });
    panel.resize(700, panel.sizeHint().height());
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    panel.refresh();
    QVERIFY(!panel.revisions().empty());
    const JudgementRevision first = panel.revisions().front();
    const QString pair = "«" + names.at(first.row) + "» : «" + names.at(first.col) + "»";
    auto *label = panel.findChild<QLabel *>("revisionPair1");
    QCOMPARE(label->toolTip(), pair);
    QTRY_COMPARE(label->text(), pair);
    QCOMPARE(panel.findChild<QPushButton *>("applyRevision1")->accessibleName(),
             "Поставить " + first.suggestedText + " для " + pair);
    const QString after = panel.findChild<QLabel *>("revisionCrAfter1")->text();
    QCOMPARE(after, "ОС станет " + formatReadable(first.crAfter));
    QVERIFY(after.size() <= QString("ОС станет 0.123").size());
}

QTEST_MAIN(TstRevisionPanel)
#include "tst_revisionpanel.moc"
