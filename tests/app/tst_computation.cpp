// The criteria computation through the window: the priority column and the three measures
// as a person reads them, the red ratio and the warning label for an inconsistent matrix, and
// a bad cell reported where it is with nothing else touched.

#include "app_helpers.h"
#include "model/judgement.h"
#include "app/pagetexts.h"

#include "platform/stringgrid.h"
#include "platform/systemsound.h"

#include <QLabel>
#include <QLineEdit>

using namespace WindowTest;

namespace {
const QString InconsistentMessage = InconsistentRatioMessage.text();
const QList<QStringList> WorkedExample = {{"3", "5"}, {"3"}};
const QList<QStringList> CyclicMatrix = {{"9", "1/9"}, {"9"}};

struct CriteriaPage
{
    StringGrid *grid;
    QLineEdit *rnd;
    QLineEdit *idx;
    QLineEdit *ratio;
    QLabel *warnMess;
    QPushButton *calcBtn;
};

CriteriaPage criteriaPage(const TMainForm *form)
{
    return {find<StringGrid>(form, "ChoiceTab"), find<QLineEdit>(form, "RndCoordEdit"),
            find<QLineEdit>(form, "IdxCoordEdit"), find<QLineEdit>(form, "RatioCoordEdit"),
            find<QLabel>(form, "WarnMess"), find<QPushButton>(form, "CalcBtn")};
}

QStringList priorityColumn(const StringGrid *grid, int n)
{
    QStringList texts;
    for (int row = 1; row <= n; ++row)
        texts << grid->cell(n + 1, row);
    return texts;
}
}

class TstComputation : public QObject
{
    Q_OBJECT
private slots:
    void criteriaResults_data();
    void criteriaResults();
    void badCellReported_data();
    void badCellReported();
    void validationGoesRowByRow();
    void correctedMatrix_data();
    void correctedMatrix();
    void lastOfTwelveCriteriaInconsistent();
};

void TstComputation::criteriaResults_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QList<QStringList>>("upper");
    QTest::addColumn<QStringList>("priorities");
    QTest::addColumn<QString>("ri");
    QTest::addColumn<QString>("ci");
    QTest::addColumn<QString>("cr");
    QTest::addColumn<bool>("inconsistent");

    QTest::newRow("worked example")
        << 3 << WorkedExample << QStringList{"0.63698557", "0.25828499", "0.10472943"}
        << "0.58" << "0.01925555" << "0.03319922" << false;
    QTest::newRow("cyclic matrix")
        << 3 << CyclicMatrix << QStringList{"0.33333333", "0.33333333", "0.33333333"}
        << "0.58" << "3.55555556" << "6.1302682" << true;
    QTest::newRow("order 4 of ones: RI without its trailing zero")
        << 4 << uniformUpper(4, QStringLiteral("1")) << QStringList(4, QStringLiteral("0.25000000"))
        << "0.9" << "0" << "0" << false;
    QTest::newRow("order 6 of ones: the program's own RI")
        << 6 << uniformUpper(6, QStringLiteral("1")) << QStringList(6, QStringLiteral("0.16666667"))
        << "1.19" << "0" << "0" << false;
}

void TstComputation::criteriaResults()
{
    QFETCH(int, n);
    QFETCH(QList<QStringList>, upper);
    QFETCH(QStringList, priorities);
    QFETCH(QString, ri);
    QFETCH(QString, ci);
    QFETCH(QString, cr);
    QFETCH(bool, inconsistent);

    auto form = openWindow();
    QVERIFY(goToCriteriaPage(form.get(), n, 3));
    const CriteriaPage p = criteriaPage(form.get());
    QVERIFY(enterMatrix(p.grid, upper));
    SystemSound::resetCount();
    click(p.calcBtn);

    QStringList shown = priorityColumn(p.grid, n);
    for (QString &priority : priorities)
        priority = localised(priority);
    QCOMPARE(shown, priorities);
    for (int i = 0; i < n; ++i)
        QCOMPARE(localised(QString::number(form->model().CriterionWeight.value(i), 'f', 8)), priorities.at(i));
    QCOMPARE(p.rnd->text(), localised(ri));
    QCOMPARE(p.idx->text(), localised(ci));
    QCOMPARE(p.ratio->text(), localised(cr));
    QCOMPARE(drawnRed(p.ratio), inconsistent);
    QCOMPARE(drawnInWindowText(p.ratio), !inconsistent);
    QCOMPARE(p.warnMess->isVisible(), inconsistent);
    QCOMPARE(form->model().CriteriaInconsistent, inconsistent);
    QVERIFY(form->model().CriteriaComputed);
    // The criteria page warns only when it is left.
    QCOMPARE(status(form.get()), QString());
    QCOMPARE(SystemSound::asteriskCount(), 0);
    QCOMPARE(page(form.get()), 2);
}

void TstComputation::badCellReported_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("pasted");
    QTest::addColumn<QString>("message");

    QTest::newRow("empty pair of cells") << 3 << 2 << QString() << false << JudgementEmptyMessage.text();
    QTest::newRow("ten") << 2 << 1 << "10" << false << JudgementTooLargeMessage.text();
    QTest::newRow("zero") << 3 << 1 << "0" << false << JudgementZeroMessage.text();
    QTest::newRow("pasted blank") << 3 << 2 << " " << true << JudgementInvalidMessage.text();
}

void TstComputation::badCellReported()
{
    QFETCH(int, col);
    QFETCH(int, row);
    QFETCH(QString, text);
    QFETCH(bool, pasted);
    QFETCH(QString, message);

    auto form = openWindow();
    QVERIFY(goToCriteriaPage(form.get(), 3, 3));
    const CriteriaPage p = criteriaPage(form.get());
    QVERIFY(enterMatrix(p.grid, CyclicMatrix));
    click(p.calcBtn);
    QVERIFY(p.warnMess->isVisible());
    const QStringList priorities = priorityColumn(p.grid, 3);
    const double firstWeight = form->model().CriterionWeight.value(0);

    if (pasted) {
        p.grid->setCell(col, row, text);
    } else if (text.isEmpty()) {
        // Any click mirrors a filled partner into an emptied cell, so the empty pair comes from
        // a matrix started afresh by the move from the names page, filled in part.
        click(find<QPushButton>(form.get(), "PriorBtn"));
        click(find<QPushButton>(form.get(), "NextBtn"));
        QCOMPARE(p.grid->cell(col, row), QString());
        QVERIFY(enterMatrix(p.grid, {CyclicMatrix.first()}));
    } else {
        enterJudgement(p.grid, col, row, text);
    }
    SystemSound::resetCount();
    click(p.calcBtn);

    QCOMPARE(status(form.get()), message);
    QCOMPARE(SystemSound::asteriskCount(), 1);
    QVERIFY(p.grid->hasFocus());
    QCOMPARE(p.grid->col(), col);
    QCOMPARE(p.grid->row(), row);
    QVERIFY(!form->model().CriteriaComputed);
    QVERIFY(!form->model().CriteriaInconsistent);
    // The last successful run stays on the screen, the warning label included.
    QCOMPARE(priorityColumn(p.grid, 3), priorities);
    QCOMPARE(form->model().CriterionWeight.value(0), firstWeight);
    QCOMPARE(p.rnd->text(), localised("0.58"));
    QCOMPARE(p.idx->text(), localised("3.55555556"));
    QCOMPARE(p.ratio->text(), localised("6.1302682"));
    QVERIFY(drawnRed(p.ratio));
    QVERIFY(p.warnMess->isVisible());
    QVERIFY(errors().isEmpty());
}

void TstComputation::validationGoesRowByRow()
{
    auto form = openWindow();
    QVERIFY(goToCriteriaPage(form.get(), 3, 3));
    const CriteriaPage p = criteriaPage(form.get());
    // (2, 1) and (1, 3) are both bad; so is the mirror of (2, 1), which comes first by columns.
    enterJudgement(p.grid, 2, 1, QStringLiteral("10"));
    enterJudgement(p.grid, 1, 3, QStringLiteral("0"));
    click(p.calcBtn);

    QCOMPARE(status(form.get()), JudgementTooLargeMessage.text());
    QCOMPARE(p.grid->col(), 2);
    QCOMPARE(p.grid->row(), 1);
}

void TstComputation::correctedMatrix_data()
{
    QTest::addColumn<bool>("alternativesInconsistent");
    QTest::addColumn<bool>("warningAfter");

    QTest::newRow("nothing else inconsistent") << false << false;
    QTest::newRow("an alternatives matrix still inconsistent") << true << true;
}

void TstComputation::correctedMatrix()
{
    QFETCH(bool, alternativesInconsistent);
    QFETCH(bool, warningAfter);

    auto form = openWindow();
    QVERIFY(goToCriteriaPage(form.get(), 3, 3));
    const CriteriaPage p = criteriaPage(form.get());
    QVERIFY(enterMatrix(p.grid, CyclicMatrix));
    click(p.calcBtn);
    QVERIFY(p.warnMess->isVisible());
    QVERIFY(drawnRed(p.ratio));

    if (alternativesInconsistent) {
        click(find<QPushButton>(form.get(), "NextBtn"));
        QCOMPARE(page(form.get()), 3);
        QVERIFY(enterMatrix(find<StringGrid>(form.get(), "CompTab"), CyclicMatrix));
        click(find<QPushButton>(form.get(), "CalcBtn2"));
        QVERIFY(form->model().AltMatrixInconsistent.value(0));
        click(find<QPushButton>(form.get(), "PriorBtn"));
        QCOMPARE(page(form.get()), 2);
    }

    QVERIFY(enterMatrix(p.grid, WorkedExample));
    click(p.calcBtn);
    QCOMPARE(p.ratio->text(), localised("0.03319922"));
    QVERIFY(drawnInWindowText(p.ratio));
    QVERIFY(!form->model().CriteriaInconsistent);
    QCOMPARE(p.warnMess->isVisible(), warningAfter);
}

void TstComputation::lastOfTwelveCriteriaInconsistent()
{
    auto form = openWindow();
    QVERIFY(goToAlternativesPage(form.get(), 12, 5));
    auto *compTab = find<StringGrid>(form.get(), "CompTab");
    auto *nextMatrix = find<QPushButton>(form.get(), "NextMatrixBtn");
    auto *warnMess = find<QLabel>(form.get(), "WarnMess");
    for (int c = 0; c < 11; ++c) {
        QVERIFY(enterMatrix(compTab, uniformUpper(5, QStringLiteral("1"))));
        click(nextMatrix);
        QCOMPARE(form->model().CurrentCriterion, c + 1);
    }
    QVERIFY(!nextMatrix->isEnabled());
    QVERIFY(!warnMess->isVisible());

    QList<QStringList> upper = uniformUpper(5, QStringLiteral("1"));
    upper[0][0] = QStringLiteral("9");
    upper[0][1] = QStringLiteral("1/9");
    upper[1][0] = QStringLiteral("9");
    QVERIFY(enterMatrix(compTab, upper));
    SystemSound::resetCount();
    click(find<QPushButton>(form.get(), "CalcBtn2"));

    QVERIFY(form->model().AltMatrixInconsistent.value(11));
    QVERIFY(drawnRed(find<QLineEdit>(form.get(), "RatioCoordEdit2")));
    QCOMPARE(status(form.get()), InconsistentMessage);
    QCOMPARE(SystemSound::asteriskCount(), 1);
    QVERIFY(warnMess->isVisible());
}

ANALYZE_WINDOW_TEST_MAIN(TstComputation)
#include "tst_computation.moc"
