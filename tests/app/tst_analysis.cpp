// The explanations wired into the wizard: the words under both grids, the revision panels
// whose suggestions are taken as if typed, and the sensitivity window of the result page.

#include "app_helpers.h"

#include "analysis/judgementwordsline.h"
#include "analysis/revisionpanel.h"
#include "analysis/sensitivitywindow.h"
#include "model/numberformat.h"
#include "model/priorities.h"
#include "platform/stringgrid.h"

#include <QLabel>
#include <QLineEdit>

using namespace WindowTest;

namespace {
// Seven criteria judged with little regard for one another.
const QList<QStringList> Inconsistent7 = {{"3", "5", "1/3", "7", "2", "9"}, {"1/5", "4", "3", "1/2", "6"},
                                          {"7", "1/9", "5", "3"}, {"1/3", "2", "8"}, {"1/6", "4"}, {"1/2"}};

// An inconsistent upper triangle of any order: judgements spread over the scale.
QList<QStringList> spreadUpper(int n)
{
    static const QStringList scale{"3", "1/5", "7", "1/2", "9", "1/3", "5", "1/7", "2"};
    QList<QStringList> upper;
    for (int i = 0; i < n - 1; ++i) {
        QStringList row;
        for (int j = i + 1; j < n; ++j)
            row << scale.at((i * 5 + j * 3) % scale.size());
        upper << row;
    }
    return upper;
}

// Every row of the grid lies inside its view, the last one included: nothing to scroll to
// up or down (a wide grid still scrolls sideways).
bool wholeGridShown(const StringGrid *grid)
{
    const QRect last = grid->visualRect(grid->model()->index(grid->rowCount() - 1, 1));
    return last.top() >= 0 && last.bottom() < grid->viewport()->height();
}

// The text a person would type into the mirror of a cell holding text.
QString mirrorOf(const QString &text)
{
    if (text == QLatin1String("1"))
        return text;
    return text.startsWith(QLatin1String("1/")) ? text.mid(2) : QStringLiteral("1/") + text;
}

// Takes the panel's first suggestion: the page computes the matrix again at once, the ratio
// shown is the one the row foretold, its colour and the warning follow, and the mirror holds
// the reciprocal text.
void takeFirstSuggestion(TMainForm *form, RevisionPanel *panel, StringGrid *grid, QLineEdit *ratio,
                         const std::function<bool()> &upToDate)
{
    QTRY_VERIFY(!panel->revisions().empty());
    const JudgementRevision revision = panel->revisions().front();
    const QString foretold = panel->findChild<QLabel *>("revisionCrAfter1")->text();
    click(panel->findChild<QPushButton *>("applyRevision1"));
    QCOMPARE(grid->cell(revision.col + 1, revision.row + 1), revision.suggestedText);
    QCOMPARE(grid->cell(revision.row + 1, revision.col + 1), mirrorOf(revision.suggestedText));
    QVERIFY(upToDate());
    bool read = false;
    const double shown = QLocale().toDouble(ratio->text(), &read);
    QVERIFY(read);
    QCOMPARE("ОС станет " + formatReadable(shown), foretold);
    QCOMPARE(drawnRed(ratio), isInconsistent(shown));
    QCOMPARE(find<QLabel>(form, "WarnMess")->isVisibleTo(form), form->model().anyInconsistent(form->criteriaCount()));
    QTRY_VERIFY(panel->summaryText().contains(formatReadable(shown)));
}
}

class TstAnalysis : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_form = openWindow(); }
    void cleanup() { m_form.reset(); }
    void criteriaSuggestionsTakenThreeTimes();
    void alternativesWordsAndSuggestion();
    void sensitivityWindowOfTheResult();
    void largestDecisionKeepsTheGridsWhole();

private:
    std::unique_ptr<TMainForm> m_form;
};

void TstAnalysis::criteriaSuggestionsTakenThreeTimes()
{
    TMainForm *form = m_form.get();
    goToCriteriaPage(form, 7, 3);
    auto *grid = find<StringGrid>(form, "ChoiceTab");
    auto *panel = find<RevisionPanel>(form, "ChoiceTabRevisions");
    auto *calc = find<QPushButton>(form, "CalcBtn");
    auto *ratio = find<QLineEdit>(form, "RatioCoordEdit");
    QTRY_COMPARE(panel->summaryText(), "Пока не заполнено: «Критерий 1» над «Критерий 2»");
    enterMatrix(grid, Inconsistent7);
    click(calc);
    QVERIFY(drawnRed(ratio));
    QTRY_VERIFY(panel->summaryText().contains("больше допустимого"));
    QVERIFY(!panel->triples().empty());

    for (int step = 0; step < 3; ++step) {
        takeFirstSuggestion(form, panel, grid, ratio, [form] { return form->model().CriteriaComputed; });
        if (QTest::currentTestFailed())
            return;
    }
    // The words under the grid read the cell the panel changed last, once it is the current one.
    grid->setCurrentCell(2, 1);
    QVERIFY(find<JudgementWordsLine>(form, "ChoiceTabWords")->text().contains("«Критерий 1»"));
}

void TstAnalysis::alternativesWordsAndSuggestion()
{
    TMainForm *form = m_form.get();
    goToAlternativesPage(form, 3, 3);
    auto *grid = find<StringGrid>(form, "CompTab");
    auto *words = find<JudgementWordsLine>(form, "CompTabWords");
    auto *panel = find<RevisionPanel>(form, "CompTabRevisions");
    enterMatrix(grid, {{"9", "1/9"}, {"9"}});
    grid->setCurrentCell(3, 1);
    QCOMPARE(words->text(), "«Альтернатива   C» очень сильно предпочтительнее, чем «Альтернатива   A», по критерию «Критерий 1» (9)");

    auto *calc = find<QPushButton>(form, "CalcBtn2");
    click(calc);
    takeFirstSuggestion(form, panel, grid, find<QLineEdit>(form, "RatioCoordEdit2"),
                        [form] { return form->model().AltMatrixComputed.value(0); });

    // Browsing to the next criterion: the words and the panel follow the matrix on the screen.
    enterJudgement(grid, 3, 1, QStringLiteral("1"));
    enterJudgement(grid, 2, 1, QStringLiteral("1"));
    enterJudgement(grid, 3, 2, QStringLiteral("1"));
    click(find<QPushButton>(form, "NextMatrixBtn"));
    QCOMPARE(form->model().CurrentCriterion, 1);
    QCOMPARE(words->text(), QString());
    QTRY_COMPARE(panel->summaryText(), "Пока не заполнено: «Альтернатива   A» над «Альтернатива   B»");
    enterJudgement(grid, 2, 1, QStringLiteral("1/5"));
    grid->setCurrentCell(2, 1);
    QCOMPARE(words->text(), "«Альтернатива   B» существенно предпочтительнее, чем «Альтернатива   A», по критерию «Критерий 2» (5)");
}

void TstAnalysis::sensitivityWindowOfTheResult()
{
    TMainForm *form = m_form.get();
    goToResultPage(form, 3, 3);
    click(find<QPushButton>(form, "SensitivityBtn"));
    auto *window = form->findChild<SensitivityWindow *>();
    QVERIFY(window);
    QVERIFY(window->isVisible());
    const SensitivityData &data = window->data();
    QCOMPARE(data.criteria, QStringList({"Критерий 1", "Критерий 2", "Критерий 3"}));
    QCOMPARE(int(data.weights.size()), 3);
    QCOMPARE(data.weights[0], form->model().CriterionWeight.value(0));
    // All alternatives level: every weight already draws them level with the best.
    QCOMPARE(window->thresholdRows().size(), 3);
    QCOMPARE(window->thresholdRows().at(0).at(2), window->thresholdRows().at(0).at(1));

    // Back to the matrices: the window of a result no longer on the screen goes away.
    const QPointer<SensitivityWindow> opened(window);
    click(find<QPushButton>(form, "PriorBtn"));
    QTRY_VERIFY(!opened);
}

void TstAnalysis::largestDecisionKeepsTheGridsWhole()
{
    TMainForm *form = m_form.get();
    goToCriteriaPage(form, 15, 10);
    auto *choiceTab = find<StringGrid>(form, "ChoiceTab");
    enterMatrix(choiceTab, spreadUpper(15));
    click(find<QPushButton>(form, "CalcBtn"));
    choiceTab->setCurrentCell(3, 1);
    QTRY_VERIFY(find<RevisionPanel>(form, "ChoiceTabRevisions")->summaryText().contains("больше допустимого"));
    screenshot(form, "analysis-criteria-15x10");
    QVERIFY(wholeGridShown(choiceTab));

    click(find<QPushButton>(form, "NextBtn"));
    auto *compTab = find<StringGrid>(form, "CompTab");
    enterMatrix(compTab, spreadUpper(10));
    click(find<QPushButton>(form, "CalcBtn2"));
    compTab->setCurrentCell(4, 2);
    QTRY_VERIFY(find<RevisionPanel>(form, "CompTabRevisions")->summaryText().contains("больше допустимого"));
    screenshot(form, "analysis-alternatives-15x10");
    QVERIFY(wholeGridShown(compTab));

    click(find<QPushButton>(form, "NextMatrixBtn"));
    enterRemainingAltMatrices(form, QStringLiteral("1/3"));
    click(find<QPushButton>(form, "NextBtn"));
    QCOMPARE(page(form), 4);
    screenshot(form, "analysis-result-15x10");
    click(find<QPushButton>(form, "SensitivityBtn"));
    auto *window = form->findChild<SensitivityWindow *>();
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    screenshot(window, "analysis-sensitivity-15x10");
}

ANALYZE_WINDOW_TEST_MAIN(TstAnalysis)
#include "tst_analysis.moc"
