// Browsing the alternatives matrices criterion by criterion: the arrow buttons, unfinished
// matrices kept on the way back and refused on the way forward, an inconsistent matrix let
// through with its warning; then the decision sentence the result page ends with.

#include "app_helpers.h"
#include "model/judgement.h"
#include "model/decisionmodel.h"
#include "app/pagetexts.h"

#include "platform/stringgrid.h"
#include "platform/systemsound.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

using namespace WindowTest;

namespace {
const QList<QStringList> CyclicMatrix = {{"9", "1/9"}, {"9"}};

struct AlternativesPage
{
    StringGrid *grid;
    QPushButton *prior;
    QPushButton *next;
    QLineEdit *name;
    QLineEdit *rnd;
    QLineEdit *idx;
    QLineEdit *ratio;
};

AlternativesPage alternativesPage(const TMainForm *form)
{
    return {find<StringGrid>(form, "CompTab"), find<QPushButton>(form, "PriorMatrixBtn"),
            find<QPushButton>(form, "NextMatrixBtn"), find<QLineEdit>(form, "ChoiceName2"),
            find<QLineEdit>(form, "RndCoordEdit2"), find<QLineEdit>(form, "IdxCoordEdit2"),
            find<QLineEdit>(form, "RatioCoordEdit2")};
}

// Matrices of ones for the criteria before `target`, browsed forward with the arrow button.
void browseTo(TMainForm *form, int target, int alternatives)
{
    const AlternativesPage p = alternativesPage(form);
    for (int c = 0; c < target; ++c) {
        enterMatrix(p.grid, uniformUpper(alternatives, QStringLiteral("1")));
        click(p.next);
    }
    QCOMPARE(form->model().CurrentCriterion, target);
}
}

class TstAlternatives : public QObject
{
    Q_OBJECT
private slots:
    void arrowButtons_data();
    void arrowButtons();
    void halfFilledMatrix();
    void inconsistentMatrixMovesOn();
    void correctedMatrixHidesWarning_data();
    void correctedMatrixHidesWarning();
    void decisionSentence_data();
    void decisionSentence();
};

void TstAlternatives::arrowButtons_data()
{
    QTest::addColumn<int>("criteria");
    QTest::addColumn<int>("forward");
    QTest::addColumn<int>("back");
    QTest::addColumn<bool>("priorEnabled");
    QTest::addColumn<bool>("nextEnabled");

    QTest::newRow("3 criteria, first") << 3 << 0 << 0 << false << true;
    QTest::newRow("3 criteria, middle") << 3 << 1 << 0 << true << true;
    QTest::newRow("3 criteria, last") << 3 << 2 << 0 << true << false;
    QTest::newRow("3 criteria, back from last to middle") << 3 << 2 << 1 << true << true;
    QTest::newRow("3 criteria, back to the first") << 3 << 2 << 2 << false << true;
    QTest::newRow("15 criteria, last") << 15 << 14 << 0 << true << false;
}

void TstAlternatives::arrowButtons()
{
    QFETCH(int, criteria);
    QFETCH(int, forward);
    QFETCH(int, back);
    QFETCH(bool, priorEnabled);
    QFETCH(bool, nextEnabled);

    auto form = openWindow();
    QVERIFY(goToAlternativesPage(form.get(), criteria, 3));
    browseTo(form.get(), forward, 3);
    const AlternativesPage p = alternativesPage(form.get());
    for (int i = 0; i < back; ++i)
        click(p.prior);

    const int shown = forward - back;
    QCOMPARE(form->model().CurrentCriterion, shown);
    QCOMPARE(p.name->text(), defaultCriterionName(shown));
    QCOMPARE(p.prior->isEnabled(), priorEnabled);
    QCOMPARE(p.next->isEnabled(), nextEnabled);
}

void TstAlternatives::halfFilledMatrix()
{
    auto form = openWindow();
    QVERIFY(goToAlternativesPage(form.get(), 3, 3));
    browseTo(form.get(), 1, 3);
    const AlternativesPage p = alternativesPage(form.get());
    enterJudgement(p.grid, 2, 1, QStringLiteral("3"));
    SystemSound::resetCount();

    click(p.prior);
    QCOMPARE(form->model().CurrentCriterion, 0);
    QCOMPARE(p.grid->cell(2, 1), QStringLiteral("1"));
    QCOMPARE(status(form.get()), QString());
    QCOMPARE(SystemSound::asteriskCount(), 0);

    click(p.next);
    QCOMPARE(form->model().CurrentCriterion, 1);
    QCOMPARE(p.name->text(), defaultCriterionName(1));
    const QStringList expected[] = {{"1", "3", ""}, {"1/3", "1", ""}, {"", "", "1"}};
    for (int row = 1; row <= 3; ++row) {
        for (int col = 1; col <= 3; ++col)
            QCOMPARE(p.grid->cell(col, row), expected[row - 1].at(col - 1));
    }

    click(p.next);
    QCOMPARE(status(form.get()), JudgementEmptyMessage.text());
    QCOMPARE(SystemSound::asteriskCount(), 1);
    QCOMPARE(form->model().CurrentCriterion, 1);
    QCOMPARE(p.name->text(), defaultCriterionName(1));
    QVERIFY(p.grid->hasFocus());
    QCOMPARE(p.grid->col(), 3);
    QCOMPARE(p.grid->row(), 1);
    QCOMPARE(p.grid->cell(2, 1), QStringLiteral("3"));
    QVERIFY(!form->model().AltMatrixComputed.value(1));
}

void TstAlternatives::inconsistentMatrixMovesOn()
{
    auto form = openWindow();
    QVERIFY(goToAlternativesPage(form.get(), 3, 3));
    const AlternativesPage p = alternativesPage(form.get());
    auto *warnMess = find<QLabel>(form.get(), "WarnMess");
    QVERIFY(!warnMess->isVisible());
    QVERIFY(enterMatrix(p.grid, CyclicMatrix));
    SystemSound::resetCount();

    click(p.next);
    QCOMPARE(form->model().CurrentCriterion, 1);
    QCOMPARE(status(form.get()), InconsistentRatioMessage.text());
    QCOMPARE(SystemSound::asteriskCount(), 1);
    QVERIFY(warnMess->isVisible());
    QVERIFY(form->model().AltMatrixInconsistent.value(0));

    // The next matrix has never been computed: nothing of the red one carries over.
    QCOMPARE(p.rnd->text(), QString());
    QCOMPARE(p.idx->text(), QString());
    QCOMPARE(p.ratio->text(), QString());
    QVERIFY(drawnInWindowText(p.ratio));
    QVERIFY(!drawnRed(p.ratio));

    click(p.prior);
    QCOMPARE(p.rnd->text(), localised("0.58"));
    QCOMPARE(p.idx->text(), localised("3.55555555555556"));
    QCOMPARE(p.ratio->text(), localised("6.13026819923372"));
    QVERIFY(drawnRed(p.ratio));
    QCOMPARE(p.grid->cell(4, 1), localised("0.33333333"));
}

void TstAlternatives::correctedMatrixHidesWarning_data()
{
    QTest::addColumn<bool>("byCalcButton");
    QTest::newRow("recomputed with CalcBtn2") << true;
    QTest::newRow("recomputed by the forward arrow") << false;
}

// The warning stands for matrices that are inconsistent now: once the person corrects the only
// red one, it goes.
void TstAlternatives::correctedMatrixHidesWarning()
{
    QFETCH(bool, byCalcButton);
    auto form = openWindow();
    goToAlternativesPage(form.get(), 3, 3);
    const AlternativesPage p = alternativesPage(form.get());
    auto *warnMess = find<QLabel>(form.get(), "WarnMess");
    enterMatrix(p.grid, CyclicMatrix);
    click(p.next);
    QVERIFY(warnMess->isVisible());

    click(p.prior);
    enterMatrix(p.grid, uniformUpper(3, QStringLiteral("1")));
    click(byCalcButton ? find<QPushButton>(form.get(), "CalcBtn2") : p.next);
    QVERIFY(!form->model().AltMatrixInconsistent.value(0));
    QVERIFY(!warnMess->isVisible());
}

void TstAlternatives::decisionSentence_data()
{
    QTest::addColumn<QList<QStringList>>("upper");
    QTest::addColumn<QString>("nameOfB");
    QTest::addColumn<QString>("sentence");

    QTest::newRow("A and C tied, in letter order")
        << QList<QStringList>{{"3", "1"}, {"1/3"}} << QString()
        << QStringLiteral("Для Вашей задачи наиболее оптимальна альтернатива A -'Альтернатива   A' или "
                          "альтернатива C -'Альтернатива   C'");
    QTest::newRow("every judgement 1: all tied")
        << uniformUpper(3, QStringLiteral("1")) << QString()
        << QStringLiteral("Для Вашей задачи наиболее оптимальна альтернатива A -'Альтернатива   A' или "
                          "альтернатива B -'Альтернатива   B' или альтернатива C -'Альтернатива   C'");
    QTest::newRow("B best, its name with an apostrophe")
        << QList<QStringList>{{"1/3", "1"}, {"3"}} << QStringLiteral("Д'Артаньян")
        << QStringLiteral("Для Вашей задачи наиболее оптимальна альтернатива B -'Д'Артаньян'");
}

void TstAlternatives::decisionSentence()
{
    QFETCH(QList<QStringList>, upper);
    QFETCH(QString, nameOfB);
    QFETCH(QString, sentence);

    auto form = openWindow();
    QVERIFY(clickCountsTo(form.get(), 3, 3));
    auto *next = find<QPushButton>(form.get(), "NextBtn");
    click(next);
    if (!nameOfB.isEmpty()) {
        auto *choiceAlt = find<QLineEdit>(form.get(), "ChoiceAlt");
        choiceAlt->setFocus(Qt::MouseFocusReason);
        pressKey(Qt::Key_Return);
        replaceText(choiceAlt, nameOfB);
        pressKey(Qt::Key_Return);
        QCOMPARE(find<QListWidget>(form.get(), "AltList")->item(1)->text(), nameOfB);
    }
    click(next);
    QVERIFY(enterMatrix(find<StringGrid>(form.get(), "ChoiceTab"), uniformUpper(3, QStringLiteral("1"))));
    click(next);
    const AlternativesPage p = alternativesPage(form.get());
    for (int c = 0; c < 3; ++c) {
        QVERIFY(enterMatrix(p.grid, upper));
        if (c < 2)
            click(p.next);
    }
    click(next);
    QCOMPARE(page(form.get()), 4);

    QCOMPARE(find<QLabel>(form.get(), "Decision")->text(), sentence);
    auto *globales = find<StringGrid>(form.get(), "Globales");
    // Ties come from the same sums, so the shown values agree as well.
    if (sentence.contains(QStringLiteral(" или альтернатива C")))
        QCOMPARE(globales->cell(3, 1), globales->cell(1, 1));
    QVERIFY(errors().isEmpty());
}

ANALYZE_WINDOW_TEST_MAIN(TstAlternatives)
#include "tst_alternatives.moc"
