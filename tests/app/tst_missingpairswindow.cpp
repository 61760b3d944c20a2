// Missing judgements in the window: a criteria matrix of fifteen with only a chain of fourteen
// judgements typed, computed, saved, opened again, and completed where the window suggests.

#include "app_helpers.h"

#include "analysis/revisionpanel.h"
#include "analysis/sensitivitydata.h"
#include "app/resultreport.h"
#include "document/decision.h"
#include "document/decisionfile.h"
#include "document/decisionresults.h"
#include "model/decisionmodel.h"
#include "platform/stringgrid.h"
#include "report/repform.h"
#include "report/reportprinter.h"
#include "platform/stringgridmodel.h"

#include <QAction>
#include <QFont>
#include <QLabel>

using namespace WindowTest;

namespace {
QAction *action(const TMainForm *form, const char *name)
{
    QAction *found = form->findChild<QAction *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no action named %s", name);
    return found;
}

QString shown(StringGrid *grid, int col, int row, int role = Qt::DisplayRole)
{
    return grid->gridModel()->data(grid->gridModel()->index(row, col), role).toString();
}

bool italic(StringGrid *grid, int col, int row)
{
    return grid->gridModel()->data(grid->gridModel()->index(row, col), Qt::FontRole).value<QFont>().italic();
}
}

class TstMissingPairsWindow : public QObject
{
    Q_OBJECT
private slots:
    void chainOfFifteen();
    void reportMarksEstimates_data();
    void reportMarksEstimates();
    void sensitivityReviewsTheCompletedMatrix();
    void subcriteriaMatrixNamesItsGroup();
    void printedMatrixMarksEstimates_data();
    void printedMatrixMarksEstimates();
    void emptiedJudgementLeavesThePairOut_data();
    void emptiedJudgementLeavesThePairOut();
};

void TstMissingPairsWindow::chainOfFifteen()
{
    const QString path = configHome() + QStringLiteral("/chain.ahp");
    {
        auto form = openWindow();
        QVERIFY(goToCriteriaPage(form.get(), 15, 3));
        auto *grid = find<StringGrid>(form.get(), "ChoiceTab");
        auto *given = find<QLabel>(form.get(), "ChoiceTabGivenPairs");
        QVERIFY(!given->isVisibleTo(form.get()));
        action(form.get(), "AllowMissingAction")->trigger();
        QVERIFY(form->decision()->allowMissing());
        QVERIFY(form->decision()->isModified());
        // Taken back and done again where the person is.
        action(form.get(), "UndoAction")->trigger();
        QVERIFY(!action(form.get(), "AllowMissingAction")->isChecked());
        action(form.get(), "RedoAction")->trigger();
        QVERIFY(action(form.get(), "AllowMissingAction")->isChecked());
        QCOMPARE(page(form.get()), 2);
        // Item i twice as important as item i + 1: every estimate is a power of two.
        for (int i = 0; i < 13; ++i)
            QVERIFY(enterJudgement(grid, i + 2, i + 1, QStringLiteral("2")));
        // The last criterion is not linked yet: the status line names it, nothing is computed.
        QVERIFY(click(find<QPushButton>(form.get(), "CalcBtn")));
        QVERIFY2(status(form.get()).startsWith(QStringLiteral("матрица критериев: Недостаточно сравнений")), qPrintable(status(form.get())));
        QVERIFY(status(form.get()).endsWith(QStringLiteral("15»»")) || status(form.get()).endsWith(QStringLiteral("15»")));
        QCOMPARE(grid->cell(16, 1), QString());
        QVERIFY(enterJudgement(grid, 15, 14, QStringLiteral("2")));
        QVERIFY(click(find<QPushButton>(form.get(), "CalcBtn")));
        QVERIFY(errors().isEmpty());
        QCOMPARE(given->text(), QStringLiteral("задано 14 из 105 сравнений"));
        QVERIFY(given->isVisibleTo(form.get()));
        // Criterion 1 over criterion 3: estimated 4, shown in grey italics, the cell itself empty.
        QCOMPARE(shown(grid, 3, 1), QStringLiteral("4"));
        QCOMPARE(shown(grid, 1, 3), localised(QStringLiteral("0.25")));
        QCOMPARE(grid->cell(3, 1), QString());
        QVERIFY(italic(grid, 3, 1));
        QVERIFY(!italic(grid, 2, 1));
        QCOMPARE(grid->cell(16, 1), localised("0.50001526")); // 2^14 / (2^15 - 1)
        clickCell(grid, 3, 1);
        QCOMPARE(find<QLabel>(form.get(), "ChoiceTabWords")->text(), QStringLiteral("не задано; по остальным сравнениям ≈ 4"));
        screenshot(form.get(), QStringLiteral("missing-pairs-criteria"));
        QVERIFY(click(find<QPushButton>(form.get(), "NextBtn")));
        QCOMPARE(page(form.get()), 3);
        QVERIFY(errors().isEmpty());

        chosenFiles() = {path};
        action(form.get(), "SaveAction")->trigger();
        QVERIFY(errors().isEmpty());
        QVERIFY(!form->decision()->isModified());
        QVERIFY(form->close());
    }
    const DecisionReadResult read = readDecisionFile(path);
    QVERIFY2(read.document, qPrintable(read.error));
    QVERIFY(read.document->allowMissing);
    // Estimates are shown, never saved.
    QCOMPARE(read.document->criteriaJudgements.at(0).at(2), QString());

    auto form = openWindow();
    chosenFiles() = {path};
    action(form.get(), "OpenAction")->trigger();
    QVERIFY(errors().isEmpty());
    QVERIFY(action(form.get(), "AllowMissingAction")->isChecked());
    auto *grid = find<StringGrid>(form.get(), "ChoiceTab");
    auto *given = find<QLabel>(form.get(), "ChoiceTabGivenPairs");
    auto *next = find<QPushButton>(form.get(), "ChoiceTabAskNextBtn");
    while (page(form.get()) > 2)
        QVERIFY(click(find<QPushButton>(form.get(), "PriorBtn")));
    QTRY_COMPARE(given->text(), QStringLiteral("задано 14 из 105 сравнений"));
    QCOMPARE(shown(grid, 3, 1), QStringLiteral("4"));

    // The ends of the chain first: each has a single comparison.
    QList<QPair<int, int>> asked;
    for (int step = 0; step < 3; ++step) {
        const int col = grid->gridModel()->markedCol();
        const int row = grid->gridModel()->markedRow();
        QVERIFY(col > row && row >= 1);
        QCOMPARE(grid->cell(col, row), QString());
        // The revision panel names the pair at the next turn of the event loop.
        QTRY_VERIFY(next->isVisible());
        QVERIFY(click(next));
        QCOMPARE(grid->col(), col);
        QCOMPARE(grid->row(), row);
        QVERIFY(type(QStringLiteral("9")));
        QVERIFY(pressKey(Qt::Key_Return));
        QCOMPARE(grid->cell(row, col), QStringLiteral("1/9"));
        QTRY_COMPARE(given->text(), QStringLiteral("задано %1 из 105 сравнений").arg(15 + step));
        asked.append({row - 1, col - 1});
    }
    QCOMPARE(asked.first(), (QPair<int, int>{0, 14}));
    QVERIFY(asked.at(1) != asked.at(0) && asked.at(2) != asked.at(1));
    QVERIFY(errors().isEmpty());
}

void TstMissingPairsWindow::reportMarksEstimates_data()
{
    QTest::addColumn<bool>("allow");
    QTest::addColumn<bool>("leaveOut"); // the pair 1 : 3 of the second criterion's alternatives
    QTest::addColumn<QString>("note");

    QTest::newRow("off") << false << false << QString();
    QTest::newRow("on, all given") << true << false << QString("Задано 12 из 12 сравнений.");
    QTest::newRow("on, one left out") << true << true
                                      << QString("Курсивом — значения, вычисленные с оценками пропущенных сравнений. Задано 11 из 12 сравнений.");
}

void TstMissingPairsWindow::reportMarksEstimates()
{
    QFETCH(bool, allow);
    QFETCH(bool, leaveOut);
    QFETCH(QString, note);
    DecisionDocument document;
    document.criteria = QStringList{"Цена", "Качество", "Срок"};
    document.alternatives = QStringList{"A", "B", "C"};
    const QList<QStringList> full{{"1", "2", "4"}, {"1/2", "1", "2"}, {"1/4", "1/2", "1"}};
    document.criteriaJudgements = full;
    document.alternativesJudgements = {full, full, full};
    document.allowMissing = allow;
    if (leaveOut)
        document.alternativesJudgements[1][0][2] = document.alternativesJudgements[1][2][0] = QString();
    const DecisionComputation computation = computeDecision(document);
    QVERIFY(computation.results);
    const ReportData data = resultReportData(document, *computation.results, QString());
    QCOMPARE(data.estimateNote, note);
    // The second criterion's column of local priorities rests on the estimate.
    const QVector<QPair<int, int>> cells = leaveOut ? QVector<QPair<int, int>>{{2, 1}, {2, 2}, {2, 3}} : QVector<QPair<int, int>>{};
    QCOMPARE(data.estimatedCells, cells);
}

void TstMissingPairsWindow::sensitivityReviewsTheCompletedMatrix()
{
    // 1 over 2 twice, 2 over 3 twice, 1 : 3 left out; the weights 4 : 2 : 1.
    StringGrid grid;
    grid.setColCount(5);
    grid.setRowCount(4);
    const QStringList cells[3] = {{"1", "2", ""}, {"1/2", "1", "2"}, {"", "1/2", "1"}};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            grid.setCell(j + 1, i + 1, cells[i].at(j));
    DecisionModel model;
    for (int i = 0; i < 3; ++i)
        model.CriterionWeight.set(i, (4 >> i) / 7.0);
    const SensitivityData data = collectSensitivityData(model, grid, {"A", "B", "C"}, {"X", "Y", "Z"});
    const std::vector<std::vector<double>> &a = data.matrices.at(0).a;
    QCOMPARE(a.size(), size_t(3));
    QCOMPARE(a[0][1], 2.0);
    QCOMPARE(a[1][2], 2.0);
    QCOMPARE(a[0][2], 4.0);
    QCOMPARE(a[2][0], 0.25);
}

// The second criterion split into three, one of their pairs left out: the page speaks of that
// matrix and names its group, while the top matrix keeps its sentences.
void TstMissingPairsWindow::subcriteriaMatrixNamesItsGroup()
{
    Decision decision;
    decision.startNew(3, 3, QString());
    QVERIFY(decision.setSubcriteria({1}, {"Активная", "Пассивная", "Рейтинг"}));
    decision.setAllowMissing(true);
    DecisionDocument document = decision.document();
    setMatrixOf(document, CriteriaMatrix, {{"1", "3", "5"}, {"1/3", "1", "2"}, {"1/5", "1/2", "1"}});
    setMatrixOf(document, subcriteriaMatrix(0), {{"1", "5", ""}, {"1/5", "1", "2"}, {"", "1/2", "1"}});
    const QString path = configHome() + QStringLiteral("/group.ahp");
    QString error;
    QVERIFY2(saveDecisionFile(path, document, &error), qPrintable(error));

    auto form = openWindow();
    QVERIFY(form->openDecisionFile(path));
    while (page(form.get()) > 2)
        QVERIFY(click(find<QPushButton>(form.get(), "PriorBtn")));
    auto *grid = find<StringGrid>(form.get(), "ChoiceTab");
    auto *words = find<QLabel>(form.get(), "ChoiceTabWords");
    auto *panel = find<RevisionPanel>(form.get(), "ChoiceTabRevisions");
    if (grid->cell(1, 0) != QStringLiteral("Критерий 1"))
        QVERIFY(click(find<QPushButton>(form.get(), "PriorCriteriaMatrixBtn")));
    clickCell(grid, 2, 1);
    QCOMPARE(words->text(), QStringLiteral("«Критерий 1» умеренно важнее, чем «Критерий 2» (3)"));
    QTRY_VERIFY(panel->summaryText().startsWith(QStringLiteral("Отношение согласованности (ОС) ")));

    QVERIFY(click(find<QPushButton>(form.get(), "NextCriteriaMatrixBtn")));
    QCOMPARE(grid->cell(1, 0), QStringLiteral("Активная"));
    clickCell(grid, 2, 1);
    QCOMPARE(words->text(), QStringLiteral("«Активная» существенно важнее, чем «Пассивная», в группе «Критерий 2» (5)"));
    QTRY_COMPARE(find<QLabel>(form.get(), "ChoiceTabGivenPairs")->text(), QStringLiteral("задано 2 из 3 сравнений"));
    QTRY_COMPARE(panel->askNextText(), QStringLiteral("В группе «Критерий 2» следующим стоит сравнить «Активная» и «Рейтинг»"));
    QVERIFY2(panel->summaryText().startsWith(QStringLiteral("В группе «Критерий 2» отношение согласованности (ОС) ")),
             qPrintable(panel->summaryText()));
    QCOMPARE(shown(grid, 3, 1), QStringLiteral("10"));
    clickCell(grid, 3, 1);
    QCOMPARE(words->text(), QStringLiteral("«Активная» и «Рейтинг» в группе «Критерий 2»: не задано; по остальным сравнениям ≈ 10"));
    QVERIFY(errors().isEmpty());
}

void TstMissingPairsWindow::printedMatrixMarksEstimates_data()
{
    QTest::addColumn<bool>("allow");
    QTest::addColumn<bool>("leaveOut"); // criterion 1 : criterion 3
    QTest::addColumn<QString>("printed");
    QTest::addColumn<QString>("note");

    QTest::newRow("off") << false << true << "" << "";
    QTest::newRow("on, all given") << true << false << "4" << "Задано 3 из 3 сравнений.";
    QTest::newRow("on, one left out") << true << true << "4"
                                      << "Курсивом — значения, оценённые по остальным сравнениям. Задано 2 из 3 сравнений.";
}

void TstMissingPairsWindow::printedMatrixMarksEstimates()
{
    QFETCH(bool, allow);
    QFETCH(bool, leaveOut);
    QFETCH(QString, printed);
    QFETCH(QString, note);

    auto form = openWindow();
    QVERIFY(goToCriteriaPage(form.get(), 3, 3));
    if (allow)
        action(form.get(), "AllowMissingAction")->trigger();
    auto *grid = find<StringGrid>(form.get(), "ChoiceTab");
    QVERIFY(enterJudgement(grid, 2, 1, QStringLiteral("2")));
    QVERIFY(enterJudgement(grid, 3, 2, QStringLiteral("2")));
    if (!leaveOut)
        QVERIFY(enterJudgement(grid, 3, 1, QStringLiteral("4")));
    QVERIFY(click(find<QPushButton>(form.get(), "CalcBtn")));
    if (allow)
        QTRY_VERIFY(find<QLabel>(form.get(), "ChoiceTabGivenPairs")->isVisibleTo(form.get()));

    const ReportData data = form->collectReportData();
    QCOMPARE(data.table.at(1).at(3), printed);
    // The mirror of a typed judgement is typed too; an estimate's is a number.
    QCOMPARE(data.table.at(3).at(1), printed.isEmpty() ? QString() : leaveOut ? localised("0.25") : QStringLiteral("1/4"));
    QCOMPARE(data.estimateNote, note);
    TRepForm page;
    composeReport(page, data);
    const bool estimated = allow && leaveOut;
    QCOMPARE(page.repGrid()->gridModel()->data(page.repGrid()->gridModel()->index(1, 3), Qt::FontRole).value<QFont>().italic(), estimated);
    QCOMPARE(page.repGrid()->gridModel()->data(page.repGrid()->gridModel()->index(3, 1), Qt::FontRole).value<QFont>().italic(), estimated);
    QVERIFY(!page.repGrid()->gridModel()->data(page.repGrid()->gridModel()->index(1, 2), Qt::FontRole).value<QFont>().italic());
    QCOMPARE(page.panel3()->isHidden(), note.isEmpty());
    if (!note.isEmpty())
        QCOMPARE(page.decision()->text(), note);
}

void TstMissingPairsWindow::emptiedJudgementLeavesThePairOut_data()
{
    QTest::addColumn<bool>("allowMissing");
    QTest::addColumn<QString>("mirror");
    // Without the setting the mirror stays, and a click writes the reciprocal back, as ever.
    QTest::newRow("setting off") << false << QStringLiteral("3");
    QTest::newRow("setting on") << true << QString();
}

void TstMissingPairsWindow::emptiedJudgementLeavesThePairOut()
{
    QFETCH(bool, allowMissing);
    QFETCH(QString, mirror);
    auto form = openWindow();
    QVERIFY(goToCriteriaPage(form.get(), 4, 3));
    if (allowMissing)
        action(form.get(), "AllowMissingAction")->trigger();
    auto *grid = find<StringGrid>(form.get(), "ChoiceTab");
    QVERIFY(enterJudgement(grid, 2, 1, QStringLiteral("1/3")));
    QCOMPARE(grid->cell(1, 2), QStringLiteral("3"));
    // The mirror emptied by hand, then a click on another cell.
    clickCell(grid, 1, 2);
    QVERIFY(pressKey(Qt::Key_F2));
    QVERIFY(pressKey(Qt::Key_A, Qt::ControlModifier));
    QVERIFY(pressKey(Qt::Key_Backspace));
    QVERIFY(pressKey(Qt::Key_Return));
    clickCell(grid, 3, 1);
    QCOMPARE(grid->cell(1, 2), mirror);
    QCOMPARE(form->decision()->judgement(CriteriaMatrix, 1, 0), mirror);
    QCOMPARE(grid->cell(2, 1), allowMissing ? QString() : QStringLiteral("1/3"));
    if (!allowMissing)
        return;
    // One step takes back both cells.
    action(form.get(), "UndoAction")->trigger();
    QCOMPARE(grid->cell(1, 2), QStringLiteral("3"));
    QCOMPARE(grid->cell(2, 1), QStringLiteral("1/3"));
}

ANALYZE_WINDOW_TEST_MAIN(TstMissingPairsWindow)
#include "tst_missingpairswindow.moc"
