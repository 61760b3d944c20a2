// Moving through the wizard with NextBtn and PriorBtn: which buttons are live on each page, what
// a move keeps and what it starts afresh, the moves that are refused, and that no typed
// judgement is lost on the way.

#include "app_helpers.h"
#include "model/judgement.h"
#include "model/decisionmodel.h"
#include "app/pagetexts.h"

#include "platform/stringgrid.h"
#include "platform/systemsound.h"

#include <QLineEdit>
#include <QListWidget>

using namespace WindowTest;

namespace {
const QString InconsistentMessage = InconsistentRatioMessage.text();
const QString EmptyCellMessage = JudgementEmptyMessage.text();
const QString TooLargeMessage = JudgementTooLargeMessage.text();

QPushButton *button(const TMainForm *form, const char *name)
{
    return find<QPushButton>(form, name);
}

QString listEntry(const TMainForm *form, const char *list, int index)
{
    const QListWidgetItem *item = find<QListWidget>(form, list)->item(index);
    return item ? item->text() : QStringLiteral("<no entry %1>").arg(index);
}

// Names the first criterion and the first alternative on the names page with Enter.
void renameFirstEntries(TMainForm *form, const QString &criterion, const QString &alternative)
{
    replaceText(find<QLineEdit>(form, "ChoiceName"), criterion);
    pressKey(Qt::Key_Return);
    replaceText(find<QLineEdit>(form, "ChoiceAlt"), alternative);
    pressKey(Qt::Key_Return);
}

void clickBackTo(TMainForm *form, int target)
{
    while (page(form) > target && !QTest::currentTestFailed())
        click(button(form, "PriorBtn"));
}

void walkForwardTo(TMainForm *form, int target)
{
    switch (target) {
    case 0:
        break;
    case 1:
        click(button(form, "NextBtn"));
        break;
    case 2:
        goToCriteriaPage(form, 3, 3);
        break;
    case 3:
        goToAlternativesPage(form, 3, 3);
        break;
    default:
        goToResultPage(form, 3, 3);
        break;
    }
}
}

class TstNavigation : public QObject
{
    Q_OBJECT
private slots:
    void init();

    void buttonStates_data();
    void buttonStates();

    void titleRoundTrip_data();
    void titleRoundTrip();

    void backFromCriteriaPageStartsMatrixAfresh_data();
    void backFromCriteriaPageStartsMatrixAfresh();
    void backFromAlternativesPageKeepsAndRecomputes();

    void refusedCriteriaMove_data();
    void refusedCriteriaMove();
    void fiveCriteriaStopAtTheThird();

    void consistencyMessage_data();
    void consistencyMessage();
    void consistencyMessageClearedByTimer();

    void typedAltJudgementsSurviveBackward_data();
    void typedAltJudgementsSurviveBackward();
    void typedAltJudgementsSurviveForwardToAnotherCriterion();
};

void TstNavigation::init()
{
    SystemSound::resetCount();
    errors().clear();
}

void TstNavigation::buttonStates_data()
{
    QTest::addColumn<int>("target");
    QTest::addColumn<bool>("comingBack");
    QTest::addColumn<bool>("priorEnabled");
    QTest::addColumn<bool>("nextEnabled");
    QTest::addColumn<bool>("printEnabled");

    QTest::newRow("title page at start") << 0 << false << false << true << false;
    QTest::newRow("names page") << 1 << false << true << true << true;
    QTest::newRow("criteria page") << 2 << false << true << true << true;
    QTest::newRow("alternatives page") << 3 << false << true << true << true;
    QTest::newRow("result page") << 4 << false << true << false << true;
    QTest::newRow("alternatives page, back from the result") << 3 << true << true << true << true;
    QTest::newRow("criteria page, coming back") << 2 << true << true << true << true;
    QTest::newRow("names page, coming back") << 1 << true << true << true << true;
    QTest::newRow("title page, coming back") << 0 << true << false << true << false;
}

void TstNavigation::buttonStates()
{
    QFETCH(int, target);
    QFETCH(bool, comingBack);
    QFETCH(bool, priorEnabled);
    QFETCH(bool, nextEnabled);
    QFETCH(bool, printEnabled);

    auto form = openWindow();
    if (comingBack) {
        QVERIFY(goToResultPage(form.get(), 3, 3));
        clickBackTo(form.get(), target);
    } else {
        walkForwardTo(form.get(), target);
    }
    QCOMPARE(page(form.get()), target);
    QCOMPARE(button(form.get(), "PriorBtn")->isEnabled(), priorEnabled);
    QCOMPARE(button(form.get(), "NextBtn")->isEnabled(), nextEnabled);
    QCOMPARE(button(form.get(), "PrintBtn")->isEnabled(), printEnabled);
    QVERIFY(button(form.get(), "HelpBtn")->isEnabled());
    QVERIFY(button(form.get(), "BitBtn4")->isEnabled());
}

void TstNavigation::titleRoundTrip_data()
{
    QTest::addColumn<int>("criteria");
    QTest::addColumn<int>("alternatives");
    // Spin arrows clicked on the title page: K/k the criteria's upper/lower arrow, A/a the
    // alternatives'.
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<bool>("reset");

    QTest::newRow("counts untouched") << 3 << 3 << QString() << false;
    QTest::newRow("one criterion fewer") << 4 << 3 << "k" << true;
    QTest::newRow("one alternative more") << 3 << 3 << "A" << true;
    QTest::newRow("criteria 10 -> 5 -> 10") << 10 << 3 << "kkkkkKKKKK" << true;
    QTest::newRow("alternatives up and back") << 3 << 4 << "Aa" << true;
    QTest::newRow("criteria arrow at the lower end") << 3 << 3 << "k" << true;
    QTest::newRow("alternatives arrow at the upper end") << 3 << 10 << "A" << true;
}

void TstNavigation::titleRoundTrip()
{
    QFETCH(int, criteria);
    QFETCH(int, alternatives);
    QFETCH(QString, clicks);
    QFETCH(bool, reset);

    auto form = openWindow();
    QVERIFY(clickCountsTo(form.get(), criteria, alternatives));
    click(button(form.get(), "NextBtn"));
    renameFirstEntries(form.get(), QStringLiteral("Цена"), QStringLiteral("Альфа"));
    click(button(form.get(), "NextBtn"));
    auto *choiceTab = find<StringGrid>(form.get(), "ChoiceTab");
    QVERIFY(enterMatrix(choiceTab, uniformUpper(criteria, QStringLiteral("1"))));
    click(button(form.get(), "NextBtn"));
    QCOMPARE(page(form.get()), 3);
    auto *compTab = find<StringGrid>(form.get(), "CompTab");
    enterJudgement(compTab, 2, 1, QStringLiteral("3"));
    clickBackTo(form.get(), 0);

    auto *upDownKrit = find<UpDown>(form.get(), "UpDownKrit");
    auto *upDownAlt = find<UpDown>(form.get(), "UpDownAlt");
    for (const QChar c : clicks) {
        UpDown *spin = c.toLower() == QLatin1Char('k') ? upDownKrit : upDownAlt;
        clickArrow(spin, c.isUpper() ? UpDown::Next : UpDown::Prior);
    }
    const int n = upDownKrit->position();
    const int m = upDownAlt->position();

    click(button(form.get(), "NextBtn"));
    QCOMPARE(page(form.get()), 1);
    QCOMPARE(find<QListWidget>(form.get(), "Choices")->count(), n);
    QCOMPARE(find<QListWidget>(form.get(), "AltList")->count(), m);
    QCOMPARE(listEntry(form.get(), "Choices", 0), reset ? defaultCriterionName(0) : QStringLiteral("Цена"));
    QCOMPARE(listEntry(form.get(), "AltList", 0),
             reset ? defaultAlternativeName(0) : QStringLiteral("Альфа"));
    auto *choices = find<QListWidget>(form.get(), "Choices");
    QCOMPARE(choices->currentRow(), reset ? 0 : 1);
    QCOMPARE(find<QLineEdit>(form.get(), "ChoiceName")->text(), choices->currentItem()->text());

    // Whatever the counts did, the criteria matrix starts afresh on the way to its page.
    click(button(form.get(), "NextBtn"));
    QCOMPARE(page(form.get()), 2);
    QCOMPARE(choiceTab->cell(2, 1), QString());
    QCOMPARE(choiceTab->cell(1, 2), QString());
    QCOMPARE(choiceTab->cell(1, 0), listEntry(form.get(), "Choices", 0));

    QVERIFY(enterMatrix(choiceTab, uniformUpper(n, QStringLiteral("1"))));
    click(button(form.get(), "NextBtn"));
    QCOMPARE(page(form.get()), 3);
    QCOMPARE(compTab->cell(2, 1), reset ? QString() : QStringLiteral("3"));
    QCOMPARE(compTab->cell(1, 2), reset ? QString() : QStringLiteral("1/3"));
    QCOMPARE(compTab->cell(1, 1), QStringLiteral("1"));
    QCOMPARE(compTab->cell(m + 1, 0), AltPriorityHeader.text());
}

void TstNavigation::backFromCriteriaPageStartsMatrixAfresh_data()
{
    QTest::addColumn<int>("criteria");
    QTest::newRow("3 criteria") << 3;
    QTest::newRow("15 criteria") << 15;
}

void TstNavigation::backFromCriteriaPageStartsMatrixAfresh()
{
    QFETCH(int, criteria);
    const int n = criteria;

    auto form = openWindow();
    QVERIFY(goToCriteriaPage(form.get(), n, 3));
    auto *choiceTab = find<StringGrid>(form.get(), "ChoiceTab");
    QVERIFY(enterMatrix(choiceTab, uniformUpper(n, QStringLiteral("3"))));
    click(button(form.get(), "CalcBtn"));
    QCOMPARE(choiceTab->cell(n + 1, 1).isEmpty(), false);

    click(button(form.get(), "PriorBtn"));
    QCOMPARE(page(form.get()), 1);
    replaceText(find<QLineEdit>(form.get(), "ChoiceName"), QStringLiteral("Первый"));
    pressKey(Qt::Key_Return);
    replaceText(find<QLineEdit>(form.get(), "ChoiceName"), QStringLiteral("Второй"));
    pressKey(Qt::Key_Return);
    click(button(form.get(), "NextBtn"));
    QCOMPARE(page(form.get()), 2);

    QCOMPARE(choiceTab->colCount(), n + 2);
    QCOMPARE(choiceTab->rowCount(), n + 1);
    QCOMPARE(choiceTab->cell(0, 0), CriteriaCornerHeader.text());
    QCOMPARE(choiceTab->cell(n + 1, 0), CriteriaPriorityHeader.text());
    QCOMPARE(choiceTab->cell(1, 0), QStringLiteral("Первый"));
    QCOMPARE(choiceTab->cell(0, 2), QStringLiteral("Второй"));
    for (int i = 1; i <= n; ++i) {
        QCOMPARE(choiceTab->cell(i, 0), listEntry(form.get(), "Choices", i - 1));
        QCOMPARE(choiceTab->cell(0, i), listEntry(form.get(), "Choices", i - 1));
        for (int j = 1; j <= n; ++j)
            QCOMPARE(choiceTab->cell(j, i), i == j ? QStringLiteral("1") : QString());
    }

    // The earlier computation no longer counts: the empty matrix is checked and refused.
    click(button(form.get(), "NextBtn"));
    QCOMPARE(page(form.get()), 2);
    QCOMPARE(status(form.get()), EmptyCellMessage);
    QCOMPARE(choiceTab->col(), 2);
    QCOMPARE(choiceTab->row(), 1);
}

void TstNavigation::backFromAlternativesPageKeepsAndRecomputes()
{
    auto form = openWindow();
    QVERIFY(goToAlternativesPage(form.get(), 3, 3));
    auto *compTab = find<StringGrid>(form.get(), "CompTab");
    auto *choiceName2 = find<QLineEdit>(form.get(), "ChoiceName2");
    QVERIFY(enterMatrix(compTab, {{"3", "5"}, {"3"}}));
    click(button(form.get(), "NextMatrixBtn"));
    QVERIFY(enterMatrix(compTab, {{"1/3", "1/5"}, {"1/3"}}));
    click(button(form.get(), "NextMatrixBtn"));
    QVERIFY(enterMatrix(compTab, {{"1", "1"}, {"1"}}));
    click(button(form.get(), "PriorMatrixBtn"));
    click(button(form.get(), "PriorMatrixBtn"));
    QCOMPARE(choiceName2->text(), defaultCriterionName(0));
    click(button(form.get(), "NextBtn"));
    QCOMPARE(page(form.get()), 4);
    auto *globTab = find<StringGrid>(form.get(), "GlobTab");
    QCOMPARE(globTab->cell(1, 1), QStringLiteral("0.63698557"));
    QCOMPARE(globTab->cell(2, 3), QStringLiteral("0.63698557"));
    QCOMPARE(globTab->cell(3, 1), QStringLiteral("0.33333333"));

    clickBackTo(form.get(), 2);
    click(button(form.get(), "NextBtn"));
    QCOMPARE(page(form.get()), 3);
    // The alternatives page shows the criterion it showed last, with what was typed into it.
    QCOMPARE(choiceName2->text(), defaultCriterionName(2));
    QCOMPARE(compTab->cell(2, 1), QStringLiteral("1"));
    for (int c = 0; c < 3; ++c)
        QVERIFY2(!form->model().AltMatrixComputed.value(c), qPrintable(QStringLiteral("criterion %1").arg(c)));

    click(button(form.get(), "PriorMatrixBtn"));
    click(button(form.get(), "PriorMatrixBtn"));
    QCOMPARE(choiceName2->text(), defaultCriterionName(0));
    QCOMPARE(compTab->cell(3, 1), QStringLiteral("5"));
    QCOMPARE(compTab->cell(1, 3), QStringLiteral("1/5"));

    // Computing every matrix again walks the shown matrix through all criteria to the last.
    click(button(form.get(), "NextBtn"));
    QCOMPARE(page(form.get()), 4);
    QCOMPARE(choiceName2->text(), defaultCriterionName(2));
    for (int c = 0; c < 3; ++c)
        QVERIFY(form->model().AltMatrixComputed.value(c));
    QCOMPARE(globTab->cell(1, 1), QStringLiteral("0.63698557"));
    QCOMPARE(globTab->cell(2, 3), QStringLiteral("0.63698557"));
    QCOMPARE(globTab->cell(3, 1), QStringLiteral("0.33333333"));
    QVERIFY(errors().isEmpty());
}

void TstNavigation::refusedCriteriaMove_data()
{
    QTest::addColumn<QList<QStringList>>("upper");
    QTest::addColumn<int>("badCol");
    QTest::addColumn<int>("badRow");
    QTest::addColumn<QString>("message");

    QTest::newRow("empty cell") << QList<QStringList>{{"3", "5"}} << 3 << 2 << EmptyCellMessage;
    QTest::newRow("above nine") << QList<QStringList>{{"3", "12"}, {"3"}} << 3 << 1 << TooLargeMessage;
    QTest::newRow("below one ninth") << QList<QStringList>{{"3", "5"}, {"1/10"}} << 3 << 2
                                     << JudgementTooSmallMessage.text();
    QTest::newRow("zero") << QList<QStringList>{{"0", "5"}, {"3"}} << 2 << 1
                          << JudgementZeroMessage.text();
}

void TstNavigation::refusedCriteriaMove()
{
    QFETCH(QList<QStringList>, upper);
    QFETCH(int, badCol);
    QFETCH(int, badRow);
    QFETCH(QString, message);

    auto form = openWindow();
    QVERIFY(goToCriteriaPage(form.get(), 3, 3));
    auto *choiceTab = find<StringGrid>(form.get(), "ChoiceTab");
    QVERIFY(enterMatrix(choiceTab, upper));
    SystemSound::resetCount();

    click(button(form.get(), "NextBtn"));
    QCOMPARE(page(form.get()), 2);
    QCOMPARE(status(form.get()), message);
    QCOMPARE(SystemSound::asteriskCount(), 1);
    QVERIFY(choiceTab->hasFocus());
    QCOMPARE(choiceTab->col(), badCol);
    QCOMPARE(choiceTab->row(), badRow);
    QVERIFY(button(form.get(), "PriorBtn")->isEnabled());
    QVERIFY(button(form.get(), "NextBtn")->isEnabled());
    QVERIFY(button(form.get(), "PrintBtn")->isEnabled());
    QVERIFY(errors().isEmpty());
}

void TstNavigation::fiveCriteriaStopAtTheThird()
{
    auto form = openWindow();
    QVERIFY(goToAlternativesPage(form.get(), 5, 3));
    auto *compTab = find<StringGrid>(form.get(), "CompTab");
    auto *choiceName2 = find<QLineEdit>(form.get(), "ChoiceName2");
    QVERIFY(enterMatrix(compTab, {{"3", "5"}, {"3"}}));
    click(button(form.get(), "NextMatrixBtn"));
    QVERIFY(enterMatrix(compTab, {{"1", "1"}, {"1"}}));
    click(button(form.get(), "NextMatrixBtn"));
    QCOMPARE(choiceName2->text(), defaultCriterionName(2));
    QVERIFY(enterMatrix(compTab, {{"3", "12"}, {"3"}}));
    // There and back over the criteria page: no alternatives matrix counts as computed now.
    click(button(form.get(), "PriorBtn"));
    click(button(form.get(), "NextBtn"));
    QCOMPARE(page(form.get()), 3);
    for (int c = 0; c < 5; ++c)
        QVERIFY(!form->model().AltMatrixComputed.value(c));
    SystemSound::resetCount();

    click(button(form.get(), "NextBtn"));
    QCOMPARE(page(form.get()), 3);
    QVERIFY(form->model().AltMatrixComputed.value(0));
    QVERIFY(form->model().AltMatrixComputed.value(1));
    QVERIFY(!form->model().AltMatrixComputed.value(2));
    QVERIFY(!form->model().AltMatrixComputed.value(3));
    QVERIFY(!form->model().AltMatrixComputed.value(4));
    QCOMPARE(form->model().CurrentCriterion, 2);
    QCOMPARE(choiceName2->text(), defaultCriterionName(2));
    QCOMPARE(compTab->cell(3, 1), QStringLiteral("12"));
    QCOMPARE(compTab->cell(2, 1), QStringLiteral("3"));
    QCOMPARE(status(form.get()), TooLargeMessage);
    QCOMPARE(SystemSound::asteriskCount(), 1);
    QVERIFY(compTab->hasFocus());
    QCOMPARE(compTab->col(), 3);
    QCOMPARE(compTab->row(), 1);
    QVERIFY(button(form.get(), "NextBtn")->isEnabled());
    QVERIFY(errors().isEmpty());
}

void TstNavigation::consistencyMessage_data()
{
    QTest::addColumn<QList<QStringList>>("upper");
    QTest::addColumn<bool>("computeFirst");
    QTest::addColumn<int>("beeps");
    QTest::addColumn<QString>("message");

    const QList<QStringList> consistent{{"3", "5"}, {"3"}};
    const QList<QStringList> inconsistent{{"9", "1/9"}, {"9"}};
    QTest::newRow("consistent") << consistent << false << 0 << QString();
    QTest::newRow("consistent, computed before") << consistent << true << 0 << QString();
    QTest::newRow("inconsistent") << inconsistent << false << 1 << InconsistentMessage;
    QTest::newRow("inconsistent, computed before") << inconsistent << true << 1 << InconsistentMessage;
}

void TstNavigation::consistencyMessage()
{
    QFETCH(QList<QStringList>, upper);
    QFETCH(bool, computeFirst);
    QFETCH(int, beeps);
    QFETCH(QString, message);

    auto form = openWindow();
    QVERIFY(goToCriteriaPage(form.get(), 3, 3));
    QVERIFY(enterMatrix(find<StringGrid>(form.get(), "ChoiceTab"), upper));
    if (computeFirst)
        click(button(form.get(), "CalcBtn"));
    SystemSound::resetCount();

    click(button(form.get(), "NextBtn"));
    QCOMPARE(page(form.get()), 3);
    QCOMPARE(SystemSound::asteriskCount(), beeps);
    QCOMPARE(status(form.get()), message);
    QCOMPARE(find<QLineEdit>(form.get(), "ChoiceName2")->text(), defaultCriterionName(0));
}

void TstNavigation::consistencyMessageClearedByTimer()
{
    auto form = openWindow();
    QVERIFY(goToCriteriaPage(form.get(), 3, 3));
    QVERIFY(enterMatrix(find<StringGrid>(form.get(), "ChoiceTab"), {{"9", "1/9"}, {"9"}}));
    click(button(form.get(), "NextBtn"));
    QCOMPARE(page(form.get()), 3);
    QTest::qWait(1500);
    QCOMPARE(status(form.get()), InconsistentMessage);
    QTRY_COMPARE_WITH_TIMEOUT(status(form.get()), QString(), 1500);
}

void TstNavigation::typedAltJudgementsSurviveBackward_data()
{
    QTest::addColumn<bool>("enterOnLast");
    QTest::newRow("last judgement confirmed with Enter") << true;
    QTest::newRow("last judgement still in the editor") << false;
}

void TstNavigation::typedAltJudgementsSurviveBackward()
{
    QFETCH(bool, enterOnLast);

    auto form = openWindow();
    QVERIFY(goToAlternativesPage(form.get(), 3, 3));
    auto *compTab = find<StringGrid>(form.get(), "CompTab");
    enterJudgement(compTab, 2, 1, QStringLiteral("5"));
    clickCell(compTab, 3, 1);
    type(QStringLiteral("7"));
    if (enterOnLast)
        pressKey(Qt::Key_Return);

    click(button(form.get(), "PriorBtn"));
    QCOMPARE(page(form.get()), 2);
    click(button(form.get(), "NextBtn"));
    QCOMPARE(page(form.get()), 3);
    QCOMPARE(compTab->cell(2, 1), QStringLiteral("5"));
    QCOMPARE(compTab->cell(1, 2), QStringLiteral("1/5"));
    QCOMPARE(compTab->cell(3, 1), QStringLiteral("7"));
    QCOMPARE(compTab->cell(1, 3), QStringLiteral("1/7"));
    QCOMPARE(compTab->cell(3, 2), QString());
}

void TstNavigation::typedAltJudgementsSurviveForwardToAnotherCriterion()
{
    auto form = openWindow();
    QVERIFY(goToAlternativesPage(form.get(), 3, 3));
    auto *compTab = find<StringGrid>(form.get(), "CompTab");
    auto *choiceName2 = find<QLineEdit>(form.get(), "ChoiceName2");
    QVERIFY(enterMatrix(compTab, {{"3", "5"}, {"3"}}));
    click(button(form.get(), "NextMatrixBtn"));
    QVERIFY(enterMatrix(compTab, {{"1", "1"}, {"1"}}));
    click(button(form.get(), "NextMatrixBtn"));
    click(button(form.get(), "PriorBtn"));
    click(button(form.get(), "NextBtn"));
    QCOMPARE(choiceName2->text(), defaultCriterionName(2));

    // Criteria 1 and 2 must be computed again, so the forward move shows them before it
    // comes back to criterion 3 and refuses its half-filled matrix.
    enterJudgement(compTab, 2, 1, QStringLiteral("5"));
    enterJudgement(compTab, 3, 1, QStringLiteral("7"));
    click(button(form.get(), "NextBtn"));
    QCOMPARE(page(form.get()), 3);
    QCOMPARE(choiceName2->text(), defaultCriterionName(2));
    QCOMPARE(status(form.get()), EmptyCellMessage);
    QCOMPARE(compTab->cell(2, 1), QStringLiteral("5"));
    QCOMPARE(compTab->cell(1, 2), QStringLiteral("1/5"));
    QCOMPARE(compTab->cell(3, 1), QStringLiteral("7"));
    QCOMPARE(compTab->cell(1, 3), QStringLiteral("1/7"));
    QCOMPARE(compTab->col(), 3);
    QCOMPARE(compTab->row(), 2);

    // And once completed, the matrix counts with what was typed.
    enterJudgement(compTab, 3, 2, QStringLiteral("3"));
    click(button(form.get(), "NextBtn"));
    QCOMPARE(page(form.get()), 4);
    QCOMPARE(find<StringGrid>(form.get(), "GlobTab")->cell(3, 1), QStringLiteral("0.73064467"));
}

ANALYZE_WINDOW_TEST_MAIN(TstNavigation)
#include "tst_navigation.moc"
