// Names beside the letters: the legends of the alternatives and result pages, the headers'
// tooltips and the named ranking and weights of the result page.

#include "app_helpers.h"

#include "analysis/namelegend.h"
#include "analysis/rankingbars.h"
#include "platform/stringgrid.h"

#include <QAccessible>

using namespace WindowTest;

namespace {
const QString Nbsp = QString(QChar(0x00a0));

QString tip(StringGrid *grid, int section, Qt::Orientation orientation)
{
    return grid->model()->headerData(section, orientation, Qt::ToolTipRole).toString();
}
}

class TstNames : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_form = openWindow(); }
    void cleanup() { m_form.reset(); }
    void lettersExplainedOnBothPages();
    void rankingNamesTheBest();

private:
    std::unique_ptr<TMainForm> m_form;
};

void TstNames::lettersExplainedOnBothPages()
{
    TMainForm *form = m_form.get();
    QVERIFY(goToAlternativesPage(form, 3, 3));
    const QString legend = "A" + Nbsp + "— Альтернатива A · B" + Nbsp + "— Альтернатива B · C" + Nbsp + "— Альтернатива C";
    QCOMPARE(find<NameLegend>(form, "AlternativesLegend")->text(), legend);
    auto *comp = find<StringGrid>(form, "CompTab");
    QCOMPARE(tip(comp, 2, Qt::Horizontal), "B — Альтернатива   B");
    QCOMPARE(tip(comp, 3, Qt::Vertical), "C — Альтернатива   C");
    // The priority column's header is no letter: its own text.
    QCOMPARE(tip(comp, 4, Qt::Horizontal), comp->cell(4, 0));

    QVERIFY(enterRemainingAltMatrices(form, "1"));
    QVERIFY(click(find<QPushButton>(form, "NextBtn")));
    QCOMPARE(page(form), 4);
    QCOMPARE(find<NameLegend>(form, "ResultLegend")->text(), legend);
    QVERIFY(find<NameLegend>(form, "ResultLegend")->isVisibleTo(form));
    QCOMPARE(tip(find<StringGrid>(form, "GlobTab"), 1, Qt::Vertical), "A — Альтернатива   A");
    QCOMPARE(tip(find<StringGrid>(form, "Globales"), 3, Qt::Horizontal), "C — Альтернатива   C");
}

void TstNames::rankingNamesTheBest()
{
    TMainForm *form = m_form.get();
    QVERIFY(goToAlternativesPage(form, 3, 3));
    // Under the first criterion C beats the others; the rest are level.
    QVERIFY(enterMatrix(find<StringGrid>(form, "CompTab"), {{"1/3", "1/5"}, {"1/2"}}));
    QVERIFY(click(find<QPushButton>(form, "NextMatrixBtn")));
    QVERIFY(enterRemainingAltMatrices(form, "1"));
    QVERIFY(click(find<QPushButton>(form, "NextBtn")));
    QCOMPARE(page(form), 4);

    auto *ranking = find<RankingBars>(form, "RankingBars");
    QVERIFY(ranking->isVisibleTo(form));
    QCOMPARE(ranking->order().front(), 2);
    const QStringList lines = ranking->rankingText().split('\n');
    QCOMPARE(lines.size(), 3);
    QVERIFY2(lines.first().startsWith("1. Альтернатива C — 0.") && lines.first().endsWith(" (лучшая)"), qPrintable(lines.first()));
    QVERIFY(!lines.at(1).contains("лучшая"));
    // A tie marks every one of the best.
    ranking->setEntries({"X", "Y", "Z"}, {0.4, 0.4, 0.2});
    QCOMPARE(ranking->rankingText(), "1. X — 0.4 (лучшая)\n2. Y — 0.4 (лучшая)\n3. Z — 0.2");
    // Read out as a picture with its text.
    QCOMPARE(ranking->accessibleName(), "Ранжирование альтернатив");
    QCOMPARE(ranking->accessibleDescription(), ranking->rankingText());
    QVERIFY(ranking->height() >= ranking->minimumSizeHint().height());

    auto *weights = find<RankingBars>(form, "WeightBars");
    QCOMPARE(weights->rankingText(), "1. Критерий 1 — 0.333\n2. Критерий 2 — 0.333\n3. Критерий 3 — 0.333");
}

ANALYZE_WINDOW_TEST_MAIN(TstNames)
#include "tst_names.moc"
