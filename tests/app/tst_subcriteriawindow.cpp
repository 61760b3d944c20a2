// A decision with sub-criteria in the window: named on the names page, compared matrix by matrix,
// computed, saved and opened again.

#include "app_helpers.h"

#include "analysis/sensitivitywindow.h"

#include "app/criterionlistdelegate.h"
#include "app/documentcontroller.h"
#include "app/recoveryfile.h"
#include "document/decisionfile.h"
#include "document/decisionresults.h"
#include "model/numberformat.h"
#include "platform/stringgrid.h"
#include "report/reportdata.h"
#include "report/reportprinter.h"
#include "report/repform.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRegularExpression>
#include <QSlider>
#include <QStatusBar>
#include <QTimer>

#include <ctime>

using namespace WindowTest;

namespace {

// The dialog that the button opens, named with two sub-criteria typed in and taken with OK.
void nameInDialog(const QStringList &names)
{
    QTimer::singleShot(0, [names] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        for (const QString &name : names) {
            QTest::mouseClick(find<QPushButton>(dialog, "AddSubcriterionBtn"), Qt::LeftButton);
            // The editor that Add opens over the new entry.
            QLineEdit *editor = nullptr;
            for (QLineEdit *open : find<QListWidget>(dialog, "SubcriteriaList")->findChildren<QLineEdit *>()) {
                if (open->isVisible())
                    editor = open;
            }
            QVERIFY(editor);
            QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
            for (const QChar ch : name)
                QTest::sendKeyEvent(QTest::Click, editor, Qt::Key_unknown, QString(ch), Qt::NoModifier);
            QTest::keyClick(editor, Qt::Key_Return);
        }
        QTest::mouseClick(dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
    });
}

// The dialog that the button opened has closed; the window is the active one again.
bool clickSubcriteria(TMainForm *form)
{
    if (!click(find<QPushButton>(form, "SubcriteriaBtn")))
        return false;
    for (int wait = 0; QApplication::activeModalWidget() && wait < 200; ++wait)
        QTest::qWait(10);
    if (QApplication::activeModalWidget())
        return false;
    form->activateWindow();
    return QTest::qWaitForWindowActive(form);
}

QString shownEntry(TMainForm *form, int row)
{
    auto *list = find<QListWidget>(form, "Choices");
    auto *delegate = qobject_cast<CriterionListDelegate *>(list->itemDelegate());
    return delegate ? delegate->shownText(list->model()->index(row, 0)) : QString();
}

QStringList globalTexts(TMainForm *form, int m)
{
    QStringList texts;
    for (int j = 1; j <= m; ++j)
        texts << find<StringGrid>(form, "Globales")->cell(j, 1);
    return texts;
}

// Three criteria, the second split into two, three alternatives, every matrix complete: four
// leaves compared by the judgements below.
bool typeWholeDecision(TMainForm *form)
{
    if (!clickCountsTo(form, 3, 3) || !click(find<QPushButton>(form, "NextBtn")))
        return false;
    find<QListWidget>(form, "Choices")->setCurrentRow(1);
    nameInDialog({QStringLiteral("Сборка"), QStringLiteral("Материалы")});
    if (!clickSubcriteria(form) || !click(find<QPushButton>(form, "NextBtn")))
        return false;
    auto *criteria = find<StringGrid>(form, "ChoiceTab");
    if (!enterMatrix(criteria, {{"3", "5"}, {"2"}}) || !click(find<QPushButton>(form, "NextCriteriaMatrixBtn")))
        return false;
    if (!enterMatrix(criteria, {{"4"}}) || !click(find<QPushButton>(form, "NextBtn")))
        return false;
    screenshot(form, QStringLiteral("subcriteria-alternatives"));
    auto *alternatives = find<StringGrid>(form, "CompTab");
    const QList<QList<QStringList>> leaves = {{{"2", "3"}, {"2"}}, {{"1/3", "5"}, {"7"}}, {{"5", "1"}, {"1/5"}}, {{"1", "1/2"}, {"1/2"}}};
    for (int leaf = 0; leaf < leaves.size(); ++leaf) {
        if (!enterMatrix(alternatives, leaves.at(leaf)))
            return false;
        if (leaf + 1 < leaves.size() && !click(find<QPushButton>(form, "NextMatrixBtn")))
            return false;
    }
    return click(find<QPushButton>(form, "NextBtn"));
}

// Every pair of every matrix judged the same: the item before the other by judgement, and back.
void judgeEveryPair(DecisionDocument &document, const QString &judgement)
{
    const QString back = QStringLiteral("1/") + judgement;
    for (int matrix : matricesOf(document)) {
        QList<QStringList> cells = matrixOf(document, matrix);
        for (int i = 0; i < cells.size(); ++i) {
            for (int j = 0; j < cells.size(); ++j) {
                if (i != j)
                    cells[i][j] = i < j ? judgement : back;
            }
        }
        setMatrixOf(document, matrix, cells);
    }
}

// Four levels and 50 leaves, every judgement "2" over the next and "1/2" back.
DecisionDocument largeTree()
{
    Decision decision;
    decision.startNew(3, 10, QString());
    const auto names = [](int count) {
        QStringList list;
        for (int i = 0; i < count; ++i)
            list << QStringLiteral("П%1").arg(i + 1);
        return list;
    };
    decision.setSubcriteria({0}, names(15));
    decision.setSubcriteria({0, 0}, names(2));
    decision.setSubcriteria({0, 0, 0}, names(2));
    decision.setSubcriteria({1}, names(15));
    decision.setSubcriteria({1, 0}, names(4));
    decision.setSubcriteria({2}, names(15));
    DecisionDocument document = decision.document();
    judgeEveryPair(document, QStringLiteral("2"));
    return document;
}

// The second of three criteria split in two, every matrix complete, saved under name: a clean
// session once opened.
QString savedSmallTree(const QString &name)
{
    Decision decision;
    decision.startNew(3, 3, QString());
    decision.setSubcriteria({1}, {QStringLiteral("Сборка"), QStringLiteral("Материалы")});
    DecisionDocument document = decision.document();
    judgeEveryPair(document, QStringLiteral("3"));
    const QString path = QDir(configHome()).filePath(name);
    QString error;
    return saveDecisionFile(path, document, &error) ? path : QString();
}

// Milliseconds of processor time this thread spent: what the window makes a person wait for,
// whatever else the machine runs.
double threadMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

} // namespace

class TstSubcriteriaWindow : public QObject
{
    Q_OBJECT
private slots:
    void flatDecisionShowsNoMatrixBar();
    void buttonNamesSubcriteriaAsOneStep();
    void wholeDecisionTypedSavedAndOpened();
    void forwardMoveStopsAtSubcriteriaMatrix();
    void undoShowsTheSubcriteriaMatrix();
    void pageChangesOfALargeTreeAreQuick();
    void weightsLineReadsShortNumbers_data();
    void weightsLineReadsShortNumbers();
    void longPathsShowWholeOnHovering();
    void sensitivityOnBothLevels();
    void recoveryCopyKeepsTheTree_data();
    void recoveryCopyKeepsTheTree();
    void unsavedQuestionAfterSubcriteriaEdits_data();
    void unsavedQuestionAfterSubcriteriaEdits();
    void recentFileOpensTheTreeWhole();
    void printedCriteriaMatrixNamesItsGroup_data();
    void printedCriteriaMatrixNamesItsGroup();
};

void TstSubcriteriaWindow::flatDecisionShowsNoMatrixBar()
{
    auto form = openWindow();
    QVERIFY(goToAlternativesPage(form.get(), 3, 3));
    QVERIFY(!find<QWidget>(form.get(), "CriteriaMatrixBar")->isVisibleTo(form.get()));
    QCOMPARE(shownEntry(form.get(), 0), form->decision()->name(NameList::Criteria, 0));
}

void TstSubcriteriaWindow::buttonNamesSubcriteriaAsOneStep()
{
    auto form = openWindow();
    QVERIFY(click(find<QPushButton>(form.get(), "NextBtn")));
    find<QListWidget>(form.get(), "Choices")->setCurrentRow(2);
    const int steps = form->decision()->undoStack()->count();
    nameInDialog({QStringLiteral("Активная"), QStringLiteral("Пассивная")});
    QVERIFY(clickSubcriteria(form.get()));
    QCOMPARE(shownEntry(form.get(), 2), QStringLiteral("Критерий 3 ▸ 2"));
    screenshot(form.get(), QStringLiteral("subcriteria-names"));
    // The list keeps the bare name: it is what the editor and the document hold.
    QCOMPARE(find<QListWidget>(form.get(), "Choices")->item(2)->text(), QStringLiteral("Критерий 3"));
    QCOMPARE(find<QLineEdit>(form.get(), "ChoiceName")->text(), QStringLiteral("Критерий 3"));
    QCOMPARE(form->decision()->undoStack()->count(), steps + 1);
    QVERIFY(pressKey(Qt::Key_Z, Qt::ControlModifier));
    QCOMPARE(shownEntry(form.get(), 2), QStringLiteral("Критерий 3"));
    QCOMPARE(page(form.get()), 1);
}

void TstSubcriteriaWindow::wholeDecisionTypedSavedAndOpened()
{
    auto form = openWindow();
    QVERIFY(typeWholeDecision(form.get()));
    QCOMPARE(page(form.get()), 4);
    screenshot(form.get(), QStringLiteral("subcriteria-result"));
    auto *glob = find<StringGrid>(form.get(), "GlobTab");
    QCOMPARE(glob->colCount(), 5);
    QCOMPARE(glob->cell(2, 0), QStringLiteral("Критерий 2 › Сборка"));
    QVERIFY(find<QLabel>(form.get(), "LeafWeights")->text().contains(QStringLiteral("Критерий 2 ")));
    // The printed sheet has a row a leaf and the weights as a tree.
    const ReportData sheet = form->collectReportData();
    QCOMPARE(sheet.table.size(), 5);
    QCOMPARE(sheet.table.at(2).value(0), QStringLiteral("Сборка"));
    QVERIFY(!sheet.hierarchyLines.isEmpty());

    const QString path = QDir(configHome()).filePath(QStringLiteral("tree.ahp"));
    chosenFiles() = {path};
    QVERIFY(form->documents()->saveAs());
    const QStringList shown = globalTexts(form.get(), 3);

    const DecisionReadResult read = readDecisionFile(path);
    QVERIFY2(read.document, qPrintable(read.error));
    const DecisionComputation fromFile = computeDecision(*read.document);
    QVERIFY(fromFile.results);
    const DecisionComputation fromWindow = computeDecision(form->decision()->document());
    QVERIFY(fromWindow.results);
    // The command line's numbers of the saved file are the window's, bit for bit.
    QCOMPARE(resultsJson(*fromFile.results), resultsJson(*fromWindow.results));
    for (int j = 0; j < 3; ++j)
        QCOMPARE(shown.at(j), formatMeasure(fromFile.results->global.at(size_t(j))));

    auto reopened = openWindow();
    QVERIFY(reopened->openDecisionFile(path));
    QCOMPARE(page(reopened.get()), 4);
    QCOMPARE(globalTexts(reopened.get(), 3), shown);
    QCOMPARE(find<StringGrid>(reopened.get(), "GlobTab")->cell(3, 0), QStringLiteral("Критерий 2 › Материалы"));
}

void TstSubcriteriaWindow::forwardMoveStopsAtSubcriteriaMatrix()
{
    auto form = openWindow();
    QVERIFY(clickCountsTo(form.get(), 3, 3));
    QVERIFY(click(find<QPushButton>(form.get(), "NextBtn")));
    find<QListWidget>(form.get(), "Choices")->setCurrentRow(0);
    nameInDialog({QStringLiteral("Сборка"), QStringLiteral("Материалы")});
    QVERIFY(clickSubcriteria(form.get()));
    QVERIFY(click(find<QPushButton>(form.get(), "NextBtn")));
    QVERIFY(find<QWidget>(form.get(), "CriteriaMatrixBar")->isVisibleTo(form.get()));
    QVERIFY(enterMatrix(find<StringGrid>(form.get(), "ChoiceTab"), {{"3", "5"}, {"2"}}));
    // The sub-criteria matrix is left empty: the move forward shows it and says where.
    QVERIFY(click(find<QPushButton>(form.get(), "NextBtn")));
    QCOMPARE(page(form.get()), 2);
    QCOMPARE(find<QLineEdit>(form.get(), "CriteriaMatrixName")->text(), QStringLiteral("Критерий 1"));
    QVERIFY2(status(form.get()).contains(QStringLiteral("«Критерий 1»")), qPrintable(status(form.get())));
    QCOMPARE(find<StringGrid>(form.get(), "ChoiceTab")->cell(1, 0), QStringLiteral("Сборка"));
    screenshot(form.get(), QStringLiteral("subcriteria-criteria"));
    // Back to the names and on again: the top matrix comes first, and the bar says so.
    QVERIFY(click(find<QPushButton>(form.get(), "PriorBtn")));
    QVERIFY(click(find<QPushButton>(form.get(), "NextBtn")));
    QCOMPARE(find<StringGrid>(form.get(), "ChoiceTab")->cell(1, 0), QStringLiteral("Критерий 1"));
    QVERIFY(!find<QLineEdit>(form.get(), "CriteriaMatrixName")->isVisibleTo(form.get()));
    QVERIFY(!find<QPushButton>(form.get(), "PriorCriteriaMatrixBtn")->isEnabled());
}

void TstSubcriteriaWindow::undoShowsTheSubcriteriaMatrix()
{
    auto form = openWindow();
    QVERIFY(typeWholeDecision(form.get()));
    // The last sub-criteria judgement, taken back from the result page, back on the screen.
    Decision *decision = form->decision();
    int stepsBack = 0;
    while (!decision->undoText().contains(QStringLiteral("Сборка")) && stepsBack < 20) {
        decision->undo();
        ++stepsBack;
    }
    QVERIFY(decision->undoText().contains(QStringLiteral("Сборка")));
    decision->undo();
    QCOMPARE(page(form.get()), 2);
    QCOMPARE(find<QLineEdit>(form.get(), "CriteriaMatrixName")->text(), QStringLiteral("Критерий 2"));
    QCOMPARE(find<StringGrid>(form.get(), "ChoiceTab")->cell(2, 1), QString());
}

void TstSubcriteriaWindow::pageChangesOfALargeTreeAreQuick()
{
    auto form = openWindow();
    form->openDocument(largeTree(), true);
    QCOMPARE(page(form.get()), 4);
    QCOMPARE(find<StringGrid>(form.get(), "GlobTab")->colCount(), 51);
    // Back to the criteria page and on again: every matrix is computed on the way. The best of
    // three rounds counts, so that a busy machine's cache misses do not decide.
    const char *const buttons[] = {"PriorBtn", "PriorBtn", "NextBtn", "NextBtn"};
    double best[4] = {1e9, 1e9, 1e9, 1e9};
    for (int round = 0; round < 3; ++round) {
        for (int i = 0; i < 4; ++i) {
            const double start = threadMilliseconds();
            QVERIFY(click(find<QPushButton>(form.get(), buttons[i])));
            best[i] = qMin(best[i], threadMilliseconds() - start);
        }
    }
#ifndef ANALYZE_SANITIZED_BUILD
    for (int i = 0; i < 4; ++i)
        QVERIFY2(best[i] < 50, qPrintable(QStringLiteral("%1: %2 ms").arg(buttons[i]).arg(best[i])));
#endif
    QCOMPARE(page(form.get()), 4);
}

void TstSubcriteriaWindow::weightsLineReadsShortNumbers_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("weight");
    QTest::newRow("Russian") << QLocale(QLocale::Russian, QLocale::Russia) << QStringLiteral("^0,\\d\\d$");
    QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates) << QStringLiteral("^0\\.\\d\\d$");
}

void TstSubcriteriaWindow::weightsLineReadsShortNumbers()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, weight);
    const QLocale before;
    QLocale::setDefault(locale);
    auto form = openWindow();
    form->openDocument(largeTree(), true);
    QLocale::setDefault(before);
    QCOMPARE(page(form.get()), 4);
    auto *line = find<QLabel>(form.get(), "LeafWeights");
    // The Tab key stops at the scrolling line; a screen reader names it.
    QCOMPARE(find<QWidget>(form.get(), "LeafWeightsArea")->accessibleName(), QStringLiteral("Веса критериев"));
    // "П1 0,33 › П1 0,02 (П1 0,01 (…), …), …": every number a weight of two digits.
    const QRegularExpression number(QStringLiteral("[0-9][0-9.,]*[0-9]|[0-9]"));
    int weights = 0;
    for (auto match = number.globalMatch(line->text()); match.hasNext(); ) {
        const QString text = match.next().captured();
        if (text.size() > 1 && !text.startsWith(QLatin1Char('0')))
            continue; // a name's own number: "П12"
        if (!text.contains(QRegularExpression(QStringLiteral("[.,]"))))
            continue;
        QVERIFY2(text.contains(QRegularExpression(weight)), qPrintable(text));
        ++weights;
    }
    // The three top criteria and every criterion under them.
    QCOMPARE(weights, 3 + 45 + 2 + 2 + 4);
    // Wrapped, laid out whole, and within reach on a 768 pixels high screen.
    QVERIFY(line->wordWrap());
    QVERIFY2(line->height() >= line->heightForWidth(line->width()),
             qPrintable(QStringLiteral("%1 < %2").arg(line->height()).arg(line->heightForWidth(line->width()))));
    QVERIFY2(form->minimumSizeHint().height() < 700, qPrintable(QString::number(form->minimumSizeHint().height())));
    auto *area = find<QWidget>(form.get(), "LeafWeightsArea");
    QVERIFY(form->rect().contains(QRect(area->mapTo(form.get(), QPoint()), area->size())));
}

void TstSubcriteriaWindow::longPathsShowWholeOnHovering()
{
    auto form = openWindow();
    form->openDocument(largeTree(), true);
    QVERIFY(click(find<QPushButton>(form.get(), "PriorBtn")));
    auto *leaf = find<QLineEdit>(form.get(), "ChoiceName2");
    QCOMPARE(leaf->toolTip(), QStringLiteral("Критерий 3 › П15"));
    QVERIFY(click(find<QPushButton>(form.get(), "PriorBtn")));
    auto *criterion = find<QLineEdit>(form.get(), "CriteriaMatrixName");
    for (int back = 0; back < 6 && !criterion->text().contains(QStringLiteral("›")); ++back)
        QVERIFY(click(find<QPushButton>(form.get(), "PriorCriteriaMatrixBtn")));
    QCOMPARE(criterion->toolTip(), QStringLiteral("Критерий 2 › П1"));
}

void TstSubcriteriaWindow::sensitivityOnBothLevels()
{
    auto form = openWindow();
    QVERIFY(typeWholeDecision(form.get()));
    QVERIFY(click(find<QPushButton>(form.get(), "SensitivityBtn")));
    auto *window = form->findChild<SensitivityWindow *>();
    QVERIFY(window);
    const DecisionResults results = *computeDecision(form->decision()->document()).results;
    // Unmoved, the window's global priorities are the result page's, bit for bit.
    QVERIFY(window->state().globals == results.global);
    QCOMPARE(window->state().weights, results.criteria.weights);
    auto *level = window->findChild<QComboBox *>("sensitivityLevel");
    QVERIFY(level);
    QCOMPARE(level->count(), 2);
    level->setCurrentIndex(1);
    QCOMPARE(window->thresholdRows().size(), 2);
    QCOMPARE(window->thresholdRows().at(0).value(0), QStringLiteral("Сборка"));
    QCOMPARE(window->state().weights, results.subcriteria.at(0).matrix.weights);
    QVERIFY(window->state().globals == results.global);
    screenshot(window, QStringLiteral("subcriteria-sensitivity"));

    // Made again after a change of language, the window stays on the level and at the weights shown.
    window->findChild<QSlider *>("weightSlider1")->setValue(300);
    QAction *english = find<QMenu>(form.get(), "LanguageMenu")->findChild<QAction *>("EnglishAction");
    english->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    window = form->findChild<SensitivityWindow *>();
    QVERIFY(window);
    QCOMPARE(window->level(), 1);
    QCOMPARE(window->findChild<QComboBox *>("sensitivityLevel")->currentIndex(), 1);
    QCOMPARE(window->findChild<QSlider *>("weightSlider1")->value(), 300);
    find<QMenu>(form.get(), "LanguageMenu")->findChild<QAction *>("RussianAction")->trigger();
}


void TstSubcriteriaWindow::recoveryCopyKeepsTheTree_data()
{
    QTest::addColumn<bool>("whole");
    QTest::newRow("sub-criteria named in the dialog") << false;
    QTest::newRow("whole decision typed") << true;
}

void TstSubcriteriaWindow::recoveryCopyKeepsTheTree()
{
    QFETCH(bool, whole);
    QDir(RecoveryFile::folder()).removeRecursively();
    auto form = openWindow();
    if (whole) {
        QVERIFY(typeWholeDecision(form.get()));
    } else {
        QVERIFY(click(find<QPushButton>(form.get(), "NextBtn")));
        find<QListWidget>(form.get(), "Choices")->setCurrentRow(1);
        nameInDialog({QStringLiteral("Сборка"), QStringLiteral("Материалы")});
        QVERIFY(clickSubcriteria(form.get()));
    }
    const DecisionDocument typed = form->decision()->document();
    QVERIFY(typed.hasSubcriteria());
    const QString recovery = form->documents()->recoveryPath();
    QTRY_VERIFY_WITH_TIMEOUT(readDecisionFile(recovery).document && *readDecisionFile(recovery).document == typed, 2500);

    // The window dies without closing: its copy is what the next start finds.
    const QString copy = RecoveryFile::folder() + QStringLiteral("/session-killed.ahp");
    QVERIFY(QFile::copy(recovery, copy));
    auto next = openWindow();
    printAnswer() = true;
    next->documents()->offerRecovery();
    printAnswer() = false;
    QCOMPARE(next->decision()->document(), typed);
    QCOMPARE(shownEntry(next.get(), 1), QStringLiteral("Критерий 2 ▸ 2"));
    if (whole) {
        QCOMPARE(page(next.get()), 4);
        QCOMPARE(find<StringGrid>(next.get(), "GlobTab")->cell(3, 0), QStringLiteral("Критерий 2 › Материалы"));
        QCOMPARE(globalTexts(next.get(), 3), globalTexts(form.get(), 3));
    }
    // Unsaved, with nothing to take back, as a recovered flat decision.
    QVERIFY(next->isWindowModified());
    QVERIFY(!next->decision()->undoStack()->canUndo());
    QCOMPARE(next->windowTitle(), QStringLiteral("Без имени[*] — Анализ иерархий"));
    QVERIFY(!QFile::exists(copy));
    QVERIFY(QFile::exists(next->documents()->recoveryPath()));
    saveAnswer() = SaveQuestion::Answer::Discard;
    QVERIFY(form->close());
    QVERIFY(next->close());
    QVERIFY(RecoveryFile::orphans().isEmpty());
}

void TstSubcriteriaWindow::unsavedQuestionAfterSubcriteriaEdits_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<bool>("undone");
    QTest::addColumn<bool>("asked");
    QTest::newRow("named in the dialog") << "dialog" << false << true;
    QTest::newRow("named in the dialog, undone") << "dialog" << true << false;
    QTest::newRow("sub-criteria judgement") << "judgement" << false << true;
    QTest::newRow("sub-criteria judgement, undone") << "judgement" << true << false;
    QTest::newRow("dialog taken unchanged") << "unchanged dialog" << false << false;
    QTest::newRow("pages walked back and forth") << "walk" << false << false;
}

void TstSubcriteriaWindow::unsavedQuestionAfterSubcriteriaEdits()
{
    QFETCH(QString, edit);
    QFETCH(bool, undone);
    QFETCH(bool, asked);
    const QString path = savedSmallTree(QStringLiteral("asked.ahp"));
    QVERIFY(!path.isEmpty());
    auto form = openWindow();
    QVERIFY(form->openDecisionFile(path));
    QCOMPARE(page(form.get()), 4);
    QVERIFY(!form->documents()->isModified());
    if (edit == QLatin1String("judgement")) {
        while (page(form.get()) > 2)
            QVERIFY(click(find<QPushButton>(form.get(), "PriorBtn")));
        // Back from the alternatives, the page may show the last matrix already.
        if (find<QLineEdit>(form.get(), "CriteriaMatrixName")->text() != QStringLiteral("Критерий 2"))
            QVERIFY(click(find<QPushButton>(form.get(), "NextCriteriaMatrixBtn")));
        QCOMPARE(find<QLineEdit>(form.get(), "CriteriaMatrixName")->text(), QStringLiteral("Критерий 2"));
        QVERIFY(enterJudgement(find<StringGrid>(form.get(), "ChoiceTab"), 2, 1, QStringLiteral("1/5")));
        QCOMPARE(form->decision()->document().subcriteriaOf(1).judgements.at(0).at(1), QStringLiteral("1/5"));
    } else if (edit == QLatin1String("walk")) {
        // Moving between pages is not an edit, over every criteria matrix of the tree.
        while (page(form.get()) > 2)
            QVERIFY(click(find<QPushButton>(form.get(), "PriorBtn")));
        QVERIFY(click(find<QPushButton>(form.get(), "PriorCriteriaMatrixBtn")));
        while (page(form.get()) < 4)
            QVERIFY(click(find<QPushButton>(form.get(), "NextBtn")));
    } else {
        while (page(form.get()) > 1)
            QVERIFY(click(find<QPushButton>(form.get(), "PriorBtn")));
        if (edit == QLatin1String("dialog")) {
            find<QListWidget>(form.get(), "Choices")->setCurrentRow(0);
            nameInDialog({QStringLiteral("Цена покупки"), QStringLiteral("Цена владения")});
            QVERIFY(clickSubcriteria(form.get()));
            QCOMPARE(shownEntry(form.get(), 0), QStringLiteral("Критерий 1 ▸ 2"));
        } else {
            find<QListWidget>(form.get(), "Choices")->setCurrentRow(1);
            nameInDialog({});
            QVERIFY(clickSubcriteria(form.get()));
        }
    }
    QCOMPARE(form->isWindowModified(), undone || asked);
    if (undone) {
        find<QAction>(form.get(), "UndoAction")->trigger();
        QVERIFY(!form->isWindowModified());
    }
    saveAnswer() = SaveQuestion::Answer::Cancel;
    saveQuestionsAsked() = 0;
    QCOMPARE(form->close(), !asked);
    QCOMPARE(saveQuestionsAsked(), asked ? 1 : 0);
    saveAnswer() = SaveQuestion::Answer::Discard;
}

void TstSubcriteriaWindow::recentFileOpensTheTreeWhole()
{
    const QString path = QDir(configHome()).filePath(QStringLiteral("recent-tree.ahp"));
    DecisionDocument saved;
    QStringList shown;
    {
        auto form = openWindow();
        QVERIFY(typeWholeDecision(form.get()));
        chosenFiles() = {path};
        QVERIFY(form->documents()->saveAs());
        saved = form->decision()->document();
        shown = globalTexts(form.get(), 3);
    }
    auto next = openWindow();
    QAction *recent = find<QAction>(next.get(), "RecentFileAction1");
    QCOMPARE(recent->text(), QStringLiteral("&1 recent-tree.ahp"));
    recent->trigger();
    QCOMPARE(next->documents()->filePath(), QFileInfo(path).absoluteFilePath());
    QCOMPARE(next->decision()->document(), saved);
    QCOMPARE(page(next.get()), 4);
    QCOMPARE(globalTexts(next.get(), 3), shown);
    QCOMPARE(find<StringGrid>(next.get(), "GlobTab")->cell(2, 0), QStringLiteral("Критерий 2 › Сборка"));
    QVERIFY(!next->isWindowModified());
}

void TstSubcriteriaWindow::printedCriteriaMatrixNamesItsGroup_data()
{
    QTest::addColumn<bool>("subcriteria");
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("heading");
    QTest::newRow("top criteria") << false << false << QStringLiteral("Таблица относительной важности критериев");
    QTest::newRow("sub-criteria") << true << false << QStringLiteral("Таблица относительной важности подкритериев «Критерий 2»");
    // The file's names stay as typed, in either language.
    QTest::newRow("sub-criteria, English") << true << true << QStringLiteral("Relative importance of the sub-criteria of “Критерий 2”");
}

void TstSubcriteriaWindow::printedCriteriaMatrixNamesItsGroup()
{
    QFETCH(bool, subcriteria);
    QFETCH(bool, english);
    QFETCH(QString, heading);
    const QString path = savedSmallTree(QStringLiteral("printed.ahp"));
    QVERIFY(!path.isEmpty());
    auto form = openWindow();
    QVERIFY(form->openDecisionFile(path));
    while (page(form.get()) > 2)
        QVERIFY(click(find<QPushButton>(form.get(), "PriorBtn")));
    auto *name = find<QLineEdit>(form.get(), "CriteriaMatrixName");
    const bool onSubcriteria = name->text() == QStringLiteral("Критерий 2");
    if (onSubcriteria != subcriteria)
        QVERIFY(click(find<QPushButton>(form.get(), subcriteria ? "NextCriteriaMatrixBtn" : "PriorCriteriaMatrixBtn")));
    if (english)
        find<QMenu>(form.get(), "LanguageMenu")->findChild<QAction *>("EnglishAction")->trigger();
    TRepForm sheet;
    composeReport(sheet, form->collectReportData());
    if (english)
        find<QMenu>(form.get(), "LanguageMenu")->findChild<QAction *>("RussianAction")->trigger();
    QCOMPARE(sheet.repName()->text(), heading);
}

ANALYZE_WINDOW_TEST_MAIN(TstSubcriteriaWindow)
#include "tst_subcriteriawindow.moc"
